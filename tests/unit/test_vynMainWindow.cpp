#include "framework/core/vynAllocation.h"
#include "framework/core/vynFailure.h"
#include "framework/input/vynKeyBoardU.h"
#include "framework/input/vynMouseU.h"
#include "framework/render/vynDrawLineU.h"
#include "framework/render/vynSettingsU.h"
#include "tests/support/vynWindowTestSupport.h"

#include <algorithm>
#include <cfenv>
#include <cstring>
#include <stdexcept>

using namespace vyn;
using vyn::test::WindowTest;

namespace {

class Lifecycle : public WindowTest {};

HWND TheWindow() {
    return Framework.WindowHandle.load();
}

bool Called(const CallLog& log, const std::string& name) {
    for (const std::string& logged : log.Names())
        if (logged == name)
            return true;
    return false;
}

} // namespace

TEST_F(Lifecycle, StartValuesGiveA400By300ClientAreaAtTheOriginNamedVynSingleWindow) {
    ASSERT_TRUE(CreateFromSettings());
    EXPECT_TRUE(Framework.ContextReady);
    const WindowRecord* window = Platform.Window(TheWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Client.left, 0);
    EXPECT_EQ(window->Client.top, 0);
    EXPECT_EQ(Width(window->Client), 400);
    EXPECT_EQ(Height(window->Client), 300);
    EXPECT_EQ(window->ClassName, "vynSingleWindow");
    EXPECT_EQ(window->Caption, "vynSingleWindow");
    EXPECT_EQ(window->ExStyle, WS_EX_APPWINDOW | WS_EX_WINDOWEDGE);
    EXPECT_EQ(window->Style, WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    // The window procedure stored what WM_SIZE and WM_MOVE reported during creation.
    EXPECT_EQ(Framework.Width, 400);
    EXPECT_EQ(Framework.Height, 300);
    EXPECT_FALSE(Framework.Active);
    EXPECT_EQ(Platform.CurrentContext(), Framework.RenderingContext);
    EXPECT_EQ(GLVendor, "Vendor");
    EXPECT_EQ(GLExtensions, "GL_ARB_multitexture");
    EXPECT_FLOAT_EQ(Framework.GLVersion, 1.5f);
}

TEST_F(Lifecycle, TheClassAndThePixelFormatCarryTheirTabledValues) {
    ASSERT_TRUE(CreateFromSettings());
    const WNDCLASSEXA* windowClass = Platform.RegisteredClass("vynSingleWindow");
    ASSERT_NE(windowClass, nullptr);
    EXPECT_EQ(windowClass->cbSize, sizeof(WNDCLASSEXA));
    EXPECT_EQ(windowClass->style, 35u);
    EXPECT_EQ(windowClass->lpfnWndProc, &MainWindowProc);
    EXPECT_EQ(windowClass->cbClsExtra, 0);
    EXPECT_EQ(windowClass->cbWndExtra, 0);
    EXPECT_EQ(windowClass->hInstance, Platform.ModuleHandle());
    EXPECT_EQ(windowClass->hIcon, nullptr);
    EXPECT_EQ(windowClass->hIconSm, nullptr);
    EXPECT_NE(windowClass->hCursor, nullptr);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(windowClass->hbrBackground), 12u);
    EXPECT_EQ(windowClass->lpszMenuName, nullptr);

    PIXELFORMATDESCRIPTOR expected{};
    expected.nSize = 40;
    expected.nVersion = 1;
    expected.dwFlags = 37;
    expected.cColorBits = 32;
    expected.cDepthBits = 32;
    expected.cStencilBits = 32;
    const PIXELFORMATDESCRIPTOR& chosen = Platform.ChosenFrom;
    EXPECT_EQ(std::memcmp(&chosen, &expected, sizeof expected), 0);
    EXPECT_EQ(std::memcmp(&Platform.SetWith, &expected, sizeof expected), 0);
}

TEST_F(Lifecycle, CreationRunsItsStepsInOrderWithA50MillisecondPause) {
    ASSERT_TRUE(CreateFromSettings());
    auto order =
        Log.Only({"LoadGLBinding", "RegisterClassExA", "CreateWindowExA", "GetDC",
                  "ChoosePixelFormat", "SetPixelFormat", "wglCreateContext", "wglMakeCurrent",
                  "Sleep", "glGetIntegerv", "glSelectBuffer", "glGetString"});
    std::vector<std::string> names;
    for (const CallRecord& call : order)
        names.push_back(call.Name);
    EXPECT_EQ(names, (std::vector<std::string>{
                         "LoadGLBinding", "RegisterClassExA", "CreateWindowExA", "GetDC",
                         "ChoosePixelFormat", "SetPixelFormat", "wglCreateContext",
                         "wglMakeCurrent", "Sleep", "glGetIntegerv", "glSelectBuffer",
                         "glGetString", "glGetString", "glGetString", "glGetString"}));
    EXPECT_EQ(Platform.Sleeps, std::vector<DWORD>{50});
    EXPECT_EQ(Framework.SelectBufferSize, 64);
    ASSERT_NE(Framework.SelectBuffer, nullptr);
    EXPECT_EQ(Log.Only({"glSelectBuffer"})[0],
              Call("glSelectBuffer", 64, static_cast<GLuint*>(Framework.SelectBuffer)));
    // InitContext's first GL call belongs to the presets, after the pause.
    auto afterSleep = CallsFrom("Sleep");
    ASSERT_GE(afterSleep.size(), 2u);
    EXPECT_EQ(afterSleep[1], Call("glEnable", GL_COLOR_MATERIAL));
}

TEST_F(Lifecycle, LibrariesLoadOncePerProcessAndLaterNamesAreIgnored) {
    Framework.GLLibraryName = "custom-gl.so";
    ASSERT_TRUE(CreateFromSettings()); // GLU name empty: both defaults
    EXPECT_EQ(Log.Only({"LoadGLBinding"}),
              (std::vector<CallRecord>{
                  Call("LoadGLBinding", DefaultGLLibraryName(), DefaultGLULibraryName())}));
    ASSERT_TRUE(ReleaseWindowAndContext());
    Framework.GLLibraryName = "late-gl.so";
    Framework.GLULibraryName = "late-glu.so";
    ASSERT_TRUE(CreateFromSettings());
    EXPECT_EQ(Log.Only({"LoadGLBinding"}).size(), 1u);
    EXPECT_TRUE(Framework.GLLoaded);
}

TEST_F(Lifecycle, BothNamesSetBeforeTheFirstLoadAreUsed) {
    Framework.GLLibraryName = "custom-gl.so";
    Framework.GLULibraryName = "custom-glu.so";
    ASSERT_TRUE(LoadGLLibraries());
    EXPECT_EQ(Log.Only({"LoadGLBinding"}),
              (std::vector<CallRecord>{Call("LoadGLBinding", "custom-gl.so", "custom-glu.so")}));
}

TEST_F(Lifecycle, AFailedLibraryLoadMakesNoWindowAndIsTriedAgain) {
    Recorder.LoadResult = false;
    EXPECT_FALSE(CreateFromSettings());
    EXPECT_FALSE(Framework.GLLoaded);
    EXPECT_FALSE(Called(Log, "CreateWindowExA"));
    Recorder.LoadResult = true;
    EXPECT_TRUE(CreateFromSettings());
    EXPECT_EQ(Log.Only({"LoadGLBinding"}).size(), 2u);
}

TEST_F(Lifecycle, AFailedClassRegistrationMakesNoWindow) {
    Platform.Fail("RegisterClassExA");
    EXPECT_FALSE(CreateFromSettings());
    EXPECT_FALSE(Called(Log, "CreateWindowExA"));
    EXPECT_EQ(TheWindow(), nullptr);
}

TEST_F(Lifecycle, NoWindowUnregistersTheClass) {
    Platform.Fail("CreateWindowExA");
    EXPECT_FALSE(CreateFromSettings());
    EXPECT_TRUE(Platform.RegisteredClasses().empty());
    EXPECT_EQ(TheWindow(), nullptr);
    EXPECT_FALSE(Framework.ContextReady);
}

// CreateWindowExA sends WM_SIZE before it returns, while the record holds no handle yet: the
// invalidation must name the new window, as InvalidateRect(NULL) redraws the whole desktop.
TEST_F(Lifecycle, TheResizeSentDuringCreationInvalidatesTheNewWindow) {
    ASSERT_TRUE(CreateFromSettings());
    EXPECT_EQ(Log.Only({"InvalidateRect"}),
              (std::vector<CallRecord>{
                  Call("InvalidateRect", TheWindow(), static_cast<const RECT*>(nullptr), FALSE)}));
}

TEST_F(Lifecycle, AFailureOfTheProcedureDuringCreationLeavesNoWindowAndNoClass) {
    // The creation-time WM_SIZE fails where it invalidates the window.
    bool failing = true;
    Platform.On("InvalidateRect", [&failing] {
        if (failing)
            throw std::runtime_error("InvalidateRect failed");
    });
    EXPECT_FALSE(CreateFromSettings());
    EXPECT_NE(LastFailure().find("InvalidateRect failed"), std::string::npos) << LastFailure();
    EXPECT_EQ(TheWindow(), nullptr);
    EXPECT_FALSE(Framework.Active);
    EXPECT_TRUE(Platform.Windows().Windows().empty());
    EXPECT_TRUE(Platform.RegisteredClasses().empty());
    failing = false;
    EXPECT_TRUE(CreateFromSettings());
}

// gluPerspective(45°, 4:3, 1, 100) as glFrustum gives it: the near plane's half-height is
// tan 22.5° = 0.41421356, its half-width 4/3 of that.
TEST_F(Lifecycle, WithoutGLUCreationGoesOnAndTheSamePerspectiveComesFromGLFrustum) {
    Recorder.GLUPresent = false;
    ASSERT_TRUE(CreateFromSettings());
    Log.Clear();
    SetProjection(640, 480);
    ASSERT_EQ(Log.Names(),
              (std::vector<std::string>{"glViewport", "glMatrixMode", "glLoadIdentity", "glFrustum",
                                        "glMatrixMode", "glLoadIdentity"}));
    EXPECT_EQ(Log.Calls()[0], Call("glViewport", 0, 0, 640, 480));
    EXPECT_EQ(Log.Calls()[1], Call("glMatrixMode", GL_PROJECTION));
    EXPECT_EQ(Log.Calls()[4], Call("glMatrixMode", GL_MODELVIEW));
    const std::vector<double> expected = {-0.55228475, 0.55228475, -0.41421356, 0.41421356, 1, 100};
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(std::get<double>(Log.Calls()[3].Args[i]), expected[i], 1e-8) << i;
}

// 2^29 + 1 entries of 4 bytes overflow 32 bits; the allocation is asked for the true size.
TEST_F(Lifecycle, TheSelectionBufferIsSizedInSixtyFourBits) {
    ASSERT_TRUE(CreateFromSettings());
    Recorder.Integers[GL_MAX_NAME_STACK_DEPTH] = {(1 << 29) + 1};
    Log.Clear();
    InjectAllocationFailures(1);
    EXPECT_TRUE(InitContext());
    EXPECT_NE(LastFailure().find("2147483652 bytes"), std::string::npos) << LastFailure();
    EXPECT_EQ(Framework.SelectBuffer, nullptr);
    EXPECT_EQ(Framework.SelectBufferSize, 0);
    EXPECT_EQ(Log.Only({"glSelectBuffer"}),
              (std::vector<CallRecord>{Call("glSelectBuffer", 0, static_cast<GLuint*>(nullptr))}));
}

// CreateWindowExA sends WM_SIZE and WM_MOVE before a context exists, and the teardown's
// DestroyWindow sends its messages after the context is gone: none of them may reach GL.
TEST_F(Lifecycle, NoGLCallIsMadeWithoutACurrentContext) {
    const auto glCallsOutside = [this](const std::string& from, const std::string& to) {
        const std::vector<std::string> names = Log.Names();
        auto first = std::find(names.begin(), names.end(), from);
        auto last = std::find(first, names.end(), to);
        return std::count_if(first, last,
                             [](const std::string& name) { return name.starts_with("gl"); });
    };
    ASSERT_TRUE(CreateFromSettings());
    EXPECT_EQ(glCallsOutside("RegisterClassExA", "wglMakeCurrent"), 0);
    Log.Clear();
    ASSERT_TRUE(ReleaseWindowAndContext());
    EXPECT_EQ(glCallsOutside("wglDeleteContext", "end"), 0);
}

// Each failure after the window exists releases everything made so far.
class ReleasesWhatWasMade : public WindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ReleasesWhatWasMade, AndReportsFalse) {
    Platform.Fail(GetParam());
    EXPECT_FALSE(CreateFromSettings());
    EXPECT_FALSE(Framework.ContextReady);
    EXPECT_EQ(TheWindow(), nullptr);
    EXPECT_TRUE(Platform.Windows().Windows().empty());
    EXPECT_TRUE(Platform.RegisteredClasses().empty());
    EXPECT_EQ(Platform.CurrentContext(), nullptr);
    EXPECT_TRUE(Platform.Contexts().empty()) << "a context wglMakeCurrent rejected is deleted";
    // Nothing blocks the next attempt.
    Platform.Succeed(GetParam());
    EXPECT_TRUE(CreateFromSettings());
}

INSTANTIATE_TEST_SUITE_P(Lifecycle, ReleasesWhatWasMade,
                         ::testing::Values("GetDC", "ChoosePixelFormat", "SetPixelFormat",
                                           "wglCreateContext", "wglMakeCurrent"));

TEST_F(Lifecycle, AVersionBelowOneIsReleasedAndLeavesTheWayOpen) {
    Recorder.Strings[GL_VERSION] = "0.9";
    EXPECT_FALSE(CreateFromSettings());
    EXPECT_FALSE(Framework.ContextReady);
    EXPECT_TRUE(Platform.Windows().Windows().empty());
    EXPECT_TRUE(Platform.RegisteredClasses().empty());
    EXPECT_EQ(Framework.SelectBuffer, nullptr);
    Recorder.Strings[GL_VERSION] = "2.1 Mesa";
    EXPECT_TRUE(CreateFromSettings());
}

TEST_F(Lifecycle, VersionTextsOfEveryLength) {
    const std::pair<const char*, float> cases[] = {
        {"1.5.0", 1.5f}, {"4.6.0 NVIDIA", 4.6f}, {"1.10", 1.1f}, {"2", 2.0f}, {"3.", 3.0f},
        {"", 0.0f},      {"x.y", 0.0f}};
    for (const auto& [text, version] : cases) {
        Recorder.Strings[GL_VERSION] = text;
        EXPECT_EQ(ReadGLStrings(), version >= 1.0f) << text;
        EXPECT_FLOAT_EQ(Framework.GLVersion, version) << text;
    }
    Recorder.Strings.erase(GL_VERSION);
    EXPECT_FALSE(ReadGLStrings());
    EXPECT_EQ(GetGLString(GL_VERSION), "");
}

TEST_F(Lifecycle, AFailedDisplayModeChangeStillMakesTheFullScreenWindow) {
    Platform.Fail("ChangeDisplaySettingsA");
    ASSERT_TRUE(CreateWindowAndContext(0, 0, 800, 600, 32, 0, true, true));
    EXPECT_FALSE(Framework.ModeChanged);
    EXPECT_FALSE(Framework.FullScreen) << "nothing is recorded when the mode cannot change";
    const WindowRecord* window = Platform.Window(TheWindow());
    EXPECT_EQ(window->Style, WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_POPUP);
    EXPECT_EQ(window->ExStyle, WS_EX_APPWINDOW);
}

TEST_F(Lifecycle, PopupWithoutFullScreenLeavesTheStyleAlone) {
    Framework.Popup = true;
    ASSERT_TRUE(CreateFromSettings());
    EXPECT_EQ(Platform.Window(TheWindow())->Style,
              WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    EXPECT_TRUE(Framework.Popup);
}

TEST_F(Lifecycle, FullScreenFromSettingsKeepsTheModeItCompares) {
    // The request is compared with the record it came from: nothing differs, nothing changes.
    Framework.FullScreen = true;
    ASSERT_TRUE(CreateFromSettings());
    EXPECT_TRUE(Platform.ModeRequests.empty());
    EXPECT_FALSE(Framework.ModeChanged);
}

TEST_F(Lifecycle, AFullScreenCreationChangesTheModeAndTheTeardownRestoresIt) {
    ASSERT_TRUE(CreateWindowAndContext(0, 0, 800, 600, 32, 0, true, false));
    EXPECT_TRUE(Framework.FullScreen);
    EXPECT_EQ(Framework.Width, 800);
    EXPECT_TRUE(Framework.ModeChanged);
    ASSERT_EQ(Platform.ModeRequests.size(), 1u);
    const DEVMODEA& mode = Platform.ModeRequests[0].Mode;
    EXPECT_EQ(mode.dmSize, 156);
    EXPECT_EQ(mode.dmPelsWidth, 800u);
    EXPECT_EQ(mode.dmPelsHeight, 600u);
    EXPECT_EQ(mode.dmBitsPerPel, 32u);
    EXPECT_EQ(mode.dmFields, DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL);
    EXPECT_EQ(Platform.ModeRequests[0].Flags, CDS_FULLSCREEN);

    ASSERT_TRUE(ReleaseWindowAndContext());
    ASSERT_EQ(Platform.ModeRequests.size(), 2u);
    EXPECT_FALSE(Platform.ModeRequests[1].HasMode);
    EXPECT_EQ(Platform.ModeRequests[1].Flags, 0u);
    EXPECT_FALSE(Framework.ModeChanged);
}

TEST_F(Lifecycle, TeardownReleasesInReverseOrderAndResetsTheRecord) {
    ASSERT_TRUE(CreateFromSettings());
    HWND window = TheWindow();
    HDC deviceContext = Framework.DeviceContext;
    HGLRC context = Framework.RenderingContext;
    Log.Clear();
    ASSERT_TRUE(ReleaseWindowAndContext());
    EXPECT_EQ(Log.Only({"wglMakeCurrent", "wglDeleteContext", "ReleaseDC", "DeleteDC",
                        "DestroyWindow", "UnregisterClassA", "ChangeDisplaySettingsA"}),
              (std::vector<CallRecord>{
                  Call("wglMakeCurrent", deviceContext, HGLRC{}),
                  Call("wglDeleteContext", context),
                  Call("ReleaseDC", window, deviceContext),
                  Call("DestroyWindow", window),
                  Call("UnregisterClassA", "vynSingleWindow", Platform.ModuleHandle()),
              }));
    EXPECT_FALSE(Framework.ContextReady);
    EXPECT_EQ(Framework.Width, 800);
    EXPECT_EQ(Framework.Height, 600);
    EXPECT_TRUE(Framework.GLLoaded);
    // A window made after a completed teardown takes the reset size.
    ASSERT_TRUE(CreateFromSettings());
    EXPECT_EQ(Width(Platform.Window(TheWindow())->Client), 800);
}

TEST_F(Lifecycle, TeardownBeforeAnyCreationChangesNothing) {
    EXPECT_FALSE(ReleaseWindowAndContext());
    EXPECT_EQ(Log.Size(), 0u);
}

TEST_F(Lifecycle, AFailedDestroyWindowKeepsTheWindowReady) {
    ASSERT_TRUE(CreateFromSettings());
    HWND window = TheWindow();
    Platform.Fail("DestroyWindow");
    EXPECT_FALSE(ReleaseWindowAndContext());
    EXPECT_TRUE(Framework.ContextReady);
    EXPECT_EQ(TheWindow(), window);
    EXPECT_EQ(Framework.Width, 400) << "the record is not reset";
    // A recreation fails the same way and leaves the old window.
    EXPECT_FALSE(CreateFromSettings());
    EXPECT_EQ(TheWindow(), window);
    EXPECT_TRUE(Framework.ContextReady);
}

TEST_F(Lifecycle, RecreationTakesItsArgumentsFirstAndComparesModesWithTheResetValues) {
    Framework.Left = 10;
    Framework.Top = 20;
    Framework.Width = 640;
    Framework.Height = 480;
    ASSERT_TRUE(CreateFromSettings());
    Framework.FullScreen = true;
    ASSERT_TRUE(CreateFromSettings());
    // The geometry came from the arguments, not from the reset values.
    EXPECT_EQ(Framework.Width, 640);
    EXPECT_EQ(Framework.Height, 480);
    EXPECT_EQ(Framework.Left, 10);
    // The teardown reset FullScreen, so the full-screen request changed the mode.
    ASSERT_EQ(Platform.ModeRequests.size(), 1u);
    EXPECT_EQ(Platform.ModeRequests[0].Mode.dmPelsWidth, 640u);
    EXPECT_TRUE(Framework.ModeChanged);
    EXPECT_EQ(Platform.Windows().Windows().size(), 1u);
    // The first context's selection buffer was freed (the sanitizer build reports a leak).
    EXPECT_NE(Framework.SelectBuffer, nullptr);
}

TEST_F(Lifecycle, RecreationKeepsTheCurrentInputAndRenderObjects) {
    ASSERT_TRUE(CreateFromSettings());
    TMyKeyBoard* keyboard = CurrentKeyboard;
    TMyMouse* mouse = CurrentMouse;
    TMyDrawLine* renderList = CurrentRenderList;
    ASSERT_TRUE(CreateFromSettings());
    EXPECT_EQ(CurrentKeyboard, keyboard);
    EXPECT_EQ(CurrentMouse, mouse);
    EXPECT_EQ(CurrentRenderList, renderList);
}

TEST_F(Lifecycle, WindowCreationRestoresTheFloatingPointEnvironment) {
    ASSERT_EQ(std::fegetround(), FE_TONEAREST);
    Platform.On("CreateWindowExA", [] { std::fesetround(FE_UPWARD); });
    ASSERT_TRUE(CreateFromSettings());
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
}

TEST_F(Lifecycle, GlobalsAreMadeCurrentWithTheDefaultHandlers) {
    EXPECT_NE(CurrentKeyboard, nullptr);
    EXPECT_EQ(CurrentKeyboard, DefaultKeyboard);
    EXPECT_EQ(CurrentMouse, DefaultMouse);
    EXPECT_EQ(CurrentRenderList, DefaultRenderList);
    EXPECT_EQ(FallbackWindowProc, &DefWindowProcA);
    EXPECT_EQ(IdleRoutine, &IdleNothing);
    EXPECT_TRUE(ClearHandlers());
    EXPECT_EQ(FallbackWindowProc, nullptr);
    EXPECT_EQ(IdleRoutine, nullptr);
}

TEST_F(Lifecycle, ReleasingResourcesSwitchesTheStateOffAndDestroysTheGlobals) {
    ASSERT_TRUE(CreateFromSettings());
    Log.Clear();
    ReleaseResources();
    EXPECT_EQ(Framework.SelectBuffer, nullptr);
    EXPECT_EQ(Framework.SelectBufferSize, 0);
    EXPECT_EQ(Log.Calls().front(), Call("glDisableClientState", GL_INDEX_ARRAY));
    EXPECT_EQ(CurrentKeyboard, nullptr);
    EXPECT_EQ(CurrentMouse, nullptr);
    EXPECT_EQ(CurrentRenderList, nullptr);
}
