#include "framework/gl/vynGL.h"
#include "framework/gl/vynGLLibrary.h"
#include "framework/testing/vynGLRecorder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>

using namespace vyn;

namespace {

template <typename Function>
void* Address(Function function) {
    void* address;
    std::memcpy(&address, &function, sizeof address);
    return address;
}

class Binding : public ::testing::Test {
  protected:
    void SetUp() override { FakeLibrary = OpenLibrary(VYN_FAKE_GL_LIBRARY); }
    void TearDown() override {
        ResetGLDispatch();
        CloseLibrary(FakeLibrary);
    }
    int EnableCalls() {
        return *static_cast<int*>(FindLibrarySymbol(FakeLibrary, "FakeEnableCalls"));
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
    void* real = FindLibrarySymbol(FakeLibrary, "glEnable");
    EXPECT_NE(Address(GL.glEnable), real);

    int before = EnableCalls();
    glEnable(GL_FOG);
    EXPECT_EQ(Address(GL.glEnable), real);
    glEnable(GL_FOG);
    EXPECT_EQ(Address(GL.glEnable), real);
    EXPECT_EQ(EnableCalls(), before + 2);
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
    EXPECT_DOUBLE_EQ(*static_cast<double*>(FindLibrarySymbol(FakeLibrary, "FakeLastAspect")),
                     4.0 / 3.0);
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
    EXPECT_EQ(log.Size(), logged);
}

TEST_F(Binding, GLUIsAvailableOnlyWithEveryEntryPoint) {
    ASSERT_TRUE(LoadGLBinding(VYN_FAKE_GL_LIBRARY, "libvyn-no-such-glu.so"));
    EXPECT_FALSE(GLUAvailable()) << "no GLU library";
    ASSERT_TRUE(LoadGLBinding(VYN_FAKE_GL_LIBRARY, VYN_FAKE_GL_LIBRARY));
    EXPECT_FALSE(GLUAvailable()) << "a GLU library without gluScaleImage";
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
