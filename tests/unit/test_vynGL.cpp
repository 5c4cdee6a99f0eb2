#include "framework/core/vynFailure.h"
#include "framework/gl/vynGL.h"
#include "framework/gl/vynGLLibrary.h"
#include "framework/testing/vynGLRecorder.h"
#include "tests/support/vynTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using namespace vyn;
using vyn::test::Address;

namespace {

class Binding : public ::testing::Test {
  protected:
    void SetUp() override { FakeLibrary = OpenLibrary(VYN_FAKE_GL_LIBRARY); }
    void TearDown() override {
        ResetGLDispatch();
        CloseLibrary(FakeLibrary);
    }
    // One of the stand-in library's counters and last arguments.
    template <typename Value>
    Value& Fake(const char* name) {
        return *static_cast<Value*>(FindLibrarySymbol(FakeLibrary, name));
    }

    LibraryHandle FakeLibrary = nullptr;
};

std::string MessageOf(void (*call)()) {
    try {
        call();
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "no exception";
}

} // namespace

TEST_F(Binding, AMissingGLLibraryFailsTheLoad) {
    EXPECT_FALSE(LoadGLBinding("libvyn-no-such-gl.so", "libvyn-no-such-glu.so"));
}

TEST_F(Binding, EntryPointsResolveOnTheirFirstCallAndOnlyOnce) {
    ASSERT_NE(FakeLibrary, nullptr);
    ASSERT_TRUE(LoadGLBinding(VYN_FAKE_GL_LIBRARY, "libvyn-no-such-glu.so"));
    void* enable = FindLibrarySymbol(FakeLibrary, "glEnable");
    void* color = FindLibrarySymbol(FakeLibrary, "glColor3f");
    EXPECT_NE(Address(GL.glEnable), enable);
    EXPECT_NE(Address(GL.glColor3f), color);

    const int enables = Fake<int>("FakeEnableCalls");
    const int colors = Fake<int>("FakeColorCalls");
    glEnable(GL_FOG);
    glColor3f(0.25f, 0.5f, 0.75f);
    EXPECT_EQ(Address(GL.glEnable), enable);
    EXPECT_EQ(Address(GL.glColor3f), color);
    // The resolver forwarded the first calls with their arguments.
    EXPECT_EQ(Fake<uint32_t>("FakeLastEnabled"), GL_FOG);
    const float* lastColor = &Fake<float>("FakeLastColor");
    EXPECT_EQ(lastColor[0], 0.25f);
    EXPECT_EQ(lastColor[2], 0.75f);
    glEnable(GL_FOG);
    glColor3f(1, 1, 1);
    EXPECT_EQ(Address(GL.glEnable), enable);
    EXPECT_EQ(Address(GL.glColor3f), color);
    EXPECT_EQ(Fake<int>("FakeEnableCalls"), enables + 2);
    EXPECT_EQ(Fake<int>("FakeColorCalls"), colors + 2);
}

TEST_F(Binding, ReloadingPutsResolvedEntryPointsBackToTheirResolvers) {
    // A slot left resolved would call into the library the reload just closed.
    const void* resolver = Address(GL.glEnable);
    ASSERT_TRUE(LoadGLBinding(VYN_FAKE_GL_LIBRARY, "libvyn-no-such-glu.so"));
    glEnable(GL_FOG);
    ASSERT_NE(Address(GL.glEnable), resolver);
    ASSERT_TRUE(LoadGLBinding(VYN_FAKE_GL_LIBRARY, "libvyn-no-such-glu.so"));
    EXPECT_EQ(Address(GL.glEnable), resolver);
}

TEST_F(Binding, GetGLProcAddressAsksTheLibrarysLookupThenItsExports) {
    ASSERT_TRUE(LoadGLBinding(VYN_FAKE_GL_LIBRARY, "libvyn-no-such-glu.so"));
    EXPECT_EQ(GetGLProcAddress("glEnable"), FindLibrarySymbol(FakeLibrary, "glEnable"));
    EXPECT_EQ(GetGLProcAddress("glVynNoSuchEXT"), nullptr);
    EXPECT_EQ(LastFailure(), "GetGLProcAddress: no entry point glVynNoSuchEXT: the OpenGL library "
                             "has none by that name");
    // Only the platform's lookup knows the extension: the library does not export it.
    ASSERT_EQ(FindLibrarySymbol(FakeLibrary, "glVynFakeEXT"), nullptr);
    const auto extension = GetGLProcAddress<void(VYN_GLAPI*)(GLint)>("glVynFakeEXT");
    ASSERT_NE(extension, nullptr);
    extension(42);
    EXPECT_EQ(Fake<GLint>("FakeExtensionValue"), 42);
}

TEST(BindingBeforeLoading, GetGLProcAddressFindsNothing) {
    // A fresh process, where no earlier test has loaded a library yet. Not even a name the process
    // itself has is found: a lookup without a library would search the whole process.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(GetGLProcAddress("glEnable") || GetGLProcAddress("malloc") ||
                                  LastFailure().find("no OpenGL library") == std::string::npos
                              ? 1
                              : 0),
                ::testing::ExitedWithCode(0), "");
}

TEST_F(Binding, MissingEntryPointsAndAMissingGLUThrowNamingThem) {
    ASSERT_TRUE(LoadGLBinding(VYN_FAKE_GL_LIBRARY, "libvyn-no-such-glu.so"));
    EXPECT_NE(MessageOf([] { glFinish(); }).find("glFinish"), std::string::npos);
    EXPECT_NE(MessageOf([] { gluPerspective(45, 1, 1, 100); }).find("gluPerspective"),
              std::string::npos);
}

TEST_F(Binding, GLUEntryPointsAreResolvedAtLoad) {
    ASSERT_TRUE(LoadGLBinding(VYN_FAKE_GL_LIBRARY, VYN_FAKE_GL_LIBRARY));
    EXPECT_EQ(Address(GL.gluPerspective), FindLibrarySymbol(FakeLibrary, "gluPerspective"));
    gluPerspective(45.0, 4.0 / 3.0, 1.0, 100.0);
    EXPECT_DOUBLE_EQ(Fake<double>("FakeLastAspect"), 4.0 / 3.0);
}

TEST_F(Binding, TheDefaultLibrariesLoadWithBothGLUEntryPoints) {
    ASSERT_TRUE(LoadGLBinding(DefaultGLLibraryName(), DefaultGLULibraryName()));
    LibraryHandle glu = OpenLibrary(DefaultGLULibraryName());
    EXPECT_EQ(Address(GL.gluScaleImage), FindLibrarySymbol(glu, "gluScaleImage"));
    EXPECT_EQ(Address(GL.gluPerspective), FindLibrarySymbol(glu, "gluPerspective"));
    CloseLibrary(glu);
}

TEST(Recorder, LogsCallsAndAnswersQueriesThenPutsTheBindingBack) {
    CallLog log;
    {
        RecordingGL recorder(log);
        EXPECT_TRUE(LoadGLBinding("a", "b"));
        recorder.Strings[GL_VERSION] = "1.5.0";
        recorder.Integers[GL_MAX_NAME_STACK_DEPTH] = {64};
        recorder.NextTextureName = 5;
        EXPECT_STREQ(reinterpret_cast<const char*>(glGetString(GL_VERSION)), "1.5.0");
        EXPECT_EQ(glGetString(GL_VENDOR), nullptr);
        GLint depth = 0;
        glGetIntegerv(GL_MAX_NAME_STACK_DEPTH, &depth);
        EXPECT_EQ(depth, 64);
        GLuint names[2] = {};
        glGenTextures(2, names);
        EXPECT_EQ(names[0], 5u);
        EXPECT_EQ(names[1], 6u);
        glEnable(GL_FOG);
        EXPECT_EQ(glIsEnabled(GL_FOG), GL_TRUE);
        glDisable(GL_FOG);
        EXPECT_EQ(glIsEnabled(GL_FOG), GL_FALSE);
        recorder.FailingCalls = {"glClear"};
        EXPECT_THROW(glClear(GL_COLOR_BUFFER_BIT), std::runtime_error);
        EXPECT_EQ(log.Names(),
                  (std::vector<std::string>{"LoadGLBinding", "glGetString", "glGetString",
                                            "glGetIntegerv", "glGenTextures", "glEnable",
                                            "glIsEnabled", "glDisable", "glIsEnabled"}));
        EXPECT_EQ(log.Calls()[0], Call("LoadGLBinding", "a", "b"));
    }
    // The real loader is back: it fails on a missing library, and nothing more is logged.
    size_t logged = log.Size();
    EXPECT_FALSE(LoadGLBinding("libvyn-no-such-gl.so", "libvyn-no-such-glu.so"));
    GetGLProcAddress("glActiveTexture");
    EXPECT_EQ(log.Size(), logged);
}

TEST(Recorder, LogsOpenGL11CallsWithTheirArguments) {
    CallLog log;
    RecordingGL recorder(log);
    const GLfloat colors[4] = {};
    const GLdouble matrix[16] = {};
    void* arrayPointer = nullptr;
    glColorPointer(4, GL_FLOAT, 16, colors);
    glTranslatef(1.5f, -2.0f, 0.25f);
    glLoadMatrixd(matrix);
    glColorMask(GL_TRUE, GL_FALSE, GL_TRUE, GL_FALSE);
    glGetPointerv(GL_COLOR_ARRAY_POINTER, &arrayPointer);
    gluLookAt(0, 1, 2, 3, 4, 5, 6, 7, 8);
    EXPECT_EQ(log.Calls(),
              (std::vector<CallRecord>{
                  Call("glColorPointer", 4, GL_FLOAT, 16, static_cast<const void*>(colors)),
                  Call("glTranslatef", 1.5, -2.0, 0.25),
                  Call("glLoadMatrixd", static_cast<const void*>(matrix)),
                  Call("glColorMask", 1, 0, 1, 0),
                  Call("glGetPointerv", GL_COLOR_ARRAY_POINTER, &arrayPointer),
                  Call("gluLookAt", 0.0, 1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0)}));
}

TEST(Recorder, LogsAndAnswersGetGLProcAddress) {
    CallLog log;
    RecordingGL recorder(log);
    int activeTexture = 0;
    recorder.ProcAddresses["glActiveTexture"] = &activeTexture;
    EXPECT_EQ(GetGLProcAddress("glActiveTexture"), &activeTexture);
    EXPECT_EQ(GetGLProcAddress("glVynNoSuchEXT"), nullptr);
    EXPECT_EQ(log.Calls(), (std::vector<CallRecord>{Call("GetGLProcAddress", "glActiveTexture"),
                                                    Call("GetGLProcAddress", "glVynNoSuchEXT")}));
}

// The names VYN_GL_FUNCS lists, taken from the list itself.
#define VYN_GL_NAME(ret, name, params, args) #name,
const std::set<std::string> ListedGL = {VYN_GL_FUNCS(VYN_GL_NAME)};
#undef VYN_GL_NAME

TEST(BindingList, HoldsEveryEntryPointOfOpenGL11) {
    std::ifstream header("/usr/include/GL/gl.h");
    if (!header)
        GTEST_SKIP() << "no /usr/include/GL/gl.h to compare with";
    const std::string text{std::istreambuf_iterator<char>(header), {}};
    // OpenGL 1.0 and 1.1 are declared before the header's OpenGL 1.2 section.
    const size_t end = text.find("OpenGL 1.2");
    ASSERT_NE(end, std::string::npos);
    const std::regex declaration(R"(GLAPIENTRY\s+(gl\w+)\s*\()");
    int declared = 0;
    std::vector<std::string> missing;
    for (std::sregex_iterator found(text.begin(), text.begin() + end, declaration), last;
         found != last; ++found, ++declared)
        if (!ListedGL.count((*found)[1]))
            missing.push_back((*found)[1]);
    EXPECT_GT(declared, 300) << "the header's declarations were not found";
    EXPECT_EQ(missing, std::vector<std::string>{});
}

TEST_F(Binding, GLUIsAvailableOnlyWithEveryEntryPoint) {
    ASSERT_TRUE(LoadGLBinding(VYN_FAKE_GL_LIBRARY, "libvyn-no-such-glu.so"));
    EXPECT_FALSE(GLUAvailable()) << "no GLU library";
    ASSERT_TRUE(LoadGLBinding(VYN_FAKE_GL_LIBRARY, VYN_FAKE_GL_LIBRARY));
    EXPECT_FALSE(GLUAvailable()) << "a GLU library with gluPerspective alone";
    ASSERT_TRUE(LoadGLBinding(DefaultGLLibraryName(), DefaultGLULibraryName()));
    EXPECT_TRUE(GLUAvailable());
}

TEST(Recorder, WithoutGLUAsTheTestChose) {
    CallLog log;
    RecordingGL recorder(log);
    EXPECT_TRUE(GLUAvailable());
    EXPECT_EQ(log.Size(), 0u) << "a question about the binding, not a GL call";
    recorder.GLUPresent = false;
    EXPECT_FALSE(GLUAvailable());
    EXPECT_NE(MessageOf([] { gluPerspective(45, 1, 1, 100); }).find("gluPerspective"),
              std::string::npos);
}

TEST(Recorder, LetsATestCheckEachCallBeforeItIsRecorded) {
    CallLog log;
    RecordingGL recorder(log);
    std::vector<std::string> seen;
    recorder.BeforeEachCall = [&](const CallRecord& call) {
        seen.push_back(call.Name);
        EXPECT_EQ(log.Size(), seen.size() - 1) << "not yet recorded";
    };
    glEnable(GL_FOG);
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_EQ(seen, (std::vector<std::string>{"glEnable", "glClear"}));
}
