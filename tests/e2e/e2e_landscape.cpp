// The landscape demo end to end: the built program, started in a fresh folder of generated files
// as a user starts it, and driven from outside through the X display with the real SDL2 backend
// and Mesa: its window and picture, the frame-rate caption, the arrow keys, a resize, the close
// request of a window manager, what it does while another window has the focus, and the damaged
// files it must refuse.
//
// Set VYN_SCREENSHOT_DIR to keep the first test's capture there as landscape.ppm.
#include "app/vynLandscapeData.h"
#include "tests/support/e2e/vynChildProcess.h"
#include "tests/support/e2e/vynDamage.h"
#include "tests/support/e2e/vynDemoWindow.h"
#include "tests/support/e2e/vynGeneratedLandscape.h"
#include "tests/support/e2e/vynPicture.h"
#include "tests/support/e2e/vynPictureChecks.h"
#include "tests/support/e2e/vynProcessUsage.h"
#include "tests/support/vynTestSupport.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <thread>

using namespace vyn::test;
using namespace std::chrono_literals;

namespace {

constexpr const char* WindowName = "vynSingleWindow";

// Loading 8 MB and making a mipmapped texture on a software renderer, maybe under a sanitizer.
constexpr auto StartTimeout = 60s;
constexpr auto SettleTimeout = 60s;
// The teardown takes well under a second alone; beside other suites it gets a fraction of a core.
constexpr auto CloseTimeout = 10s;
constexpr auto RefusalTimeout = 60s;

constexpr int QuarterTurnPresses = 60; // 60 × 1.5°
constexpr uint8_t DarkLevel = 8;       // fog and the cleared background are black

std::vector<std::string> Repeated(const std::string& key, int times) {
    return std::vector<std::string>(static_cast<size_t>(times), key);
}

// The textured landscape under exponential fog: many colours, a good part of the window lit,
// and the near ground at the bottom brighter than the far ground at the horizon.
void ExpectFoggedLandscape(const Picture& picture) {
    EXPECT_GT(DistinctColours(picture), 1000u) << "not a textured scene";
    EXPECT_GT(LitShare(picture, DarkLevel), 0.25) << "mostly blank";
    const int horizon = FirstLitRow(picture, DarkLevel);
    ASSERT_LT(horizon, picture.Height) << "nothing drawn";
    const int band = std::max(1, (picture.Height - horizon) / 10);
    const double far = MeanLuminance(picture, horizon, horizon + band);
    const double near = MeanLuminance(picture, picture.Height - band, picture.Height);
    EXPECT_GT(near, 1.5 * far) << "horizon rows from " << horizon;
}

// The demo to start: the one built beside this suite, or another build of it named by
// VYN_LANDSCAPE_PROGRAM (the Windows build runs this suite on its demo through a Wine launcher).
std::string LandscapeProgram() {
    const char* other = std::getenv("VYN_LANDSCAPE_PROGRAM");
    return other && *other ? std::string(other) : std::string(VYN_LANDSCAPE);
}

// How long the demo may take to end after the close request: CloseTimeout, plus what the
// program's platform adds on its own, in milliseconds in VYN_LANDSCAPE_CLOSE_ALLOWANCE_MS. Wine
// hides a window by asking the window manager and waiting up to 2 s for its answer, which never
// comes under Xvfb, where there is none.
Clock::duration CloseDeadline() {
    const char* allowance = std::getenv("VYN_LANDSCAPE_CLOSE_ALLOWANCE_MS");
    const long extra = allowance ? std::strtol(allowance, nullptr, 10) : 0;
    return CloseTimeout + std::chrono::milliseconds(std::max(extra, 0L));
}

// A fresh folder holding the generated files for each test, the demo started in it, and the
// demo killed when the test ends if it is still running.
class LandscapeDemo : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        Generated = std::make_unique<GeneratedLandscape>(VYN_MAKE_LANDSCAPE);
    }
    static void TearDownTestSuite() { Generated.reset(); }

    void SetUp() override { Generated->CopyInto(Folder()); }

    std::filesystem::path Folder() const { return Scratch / "demo"; }
    std::filesystem::path ErrorLog() const { return Scratch / "stderr.txt"; }

    // `environment`: "NAME=value" entries to change for the demo.
    void StartDemo(std::vector<std::string> environment = {}) {
        SpawnOptions options;
        options.Folder = Folder();
        options.ErrorFile = ErrorLog();
        options.Environment = std::move(environment);
        Demo.emplace(std::vector<std::string>{LandscapeProgram()}, options);
    }

    // The demo's standard error once it has ended with status 1.
    std::string RefusalMessage() {
        const std::optional<int> status = Demo->WaitFor(RefusalTimeout);
        if (!status)
            return "still running after " + std::to_string(RefusalTimeout.count()) + " s";
        EXPECT_TRUE(ExitedWith(*status, 1)) << DescribeWaitStatus(*status);
        return ReadWholeFile(ErrorLog());
    }

    DemoWindow AwaitWindow() {
        std::optional<DemoWindow> window = DemoWindow::Await(Demo->Pid(), WindowName, StartTimeout);
        if (!window)
            throw std::runtime_error("no window appeared; the demo said: " +
                                     ReadWholeFile(ErrorLog()));
        return *window;
    }

    void ExpectClosesCleanly(const DemoWindow& window) {
        window.Close(VYN_XCLOSE);
        const std::optional<int> status = Demo->WaitFor(CloseDeadline());
        ASSERT_TRUE(status) << "still running "
                            << std::chrono::duration<double>(CloseDeadline()).count()
                            << " s after the close request";
        EXPECT_TRUE(ExitedWith(*status, 0))
            << DescribeWaitStatus(*status) << "; the demo said: " << ReadWholeFile(ErrorLog());
    }

    inline static std::unique_ptr<GeneratedLandscape> Generated;
    TempDir Scratch;
    std::optional<ChildProcess> Demo;
};

TEST_F(LandscapeDemo, OpensA400By300WindowOnTheFoggedLandscapeWithTheFrameRateInItsCaption) {
    StartDemo();
    const DemoWindow window = AwaitWindow();
    const Clock::time_point appeared = Clock::now();
    const std::string firstCaption = window.Caption();
    EXPECT_TRUE(firstCaption == WindowName || CaptionFrameRate(firstCaption, WindowName))
        << firstCaption;

    // How soon depends on the machine: beside other suites a software renderer's first frame can
    // take over a second. The tick's cadence is the caption timer's unit suite's to check.
    const std::string caption = window.AwaitFrameRate(appeared + StartTimeout);
    EXPECT_GT(CaptionFrameRate(caption, WindowName).value_or(0), 0)
        << "caption once the window had appeared: " << caption;

    const Picture picture = window.CaptureSettled(SettleTimeout);
    EXPECT_EQ(picture.Width, 400);
    EXPECT_EQ(picture.Height, 300);
    ExpectFoggedLandscape(picture);
    SaveForTheReadme(picture, "landscape");

    ExpectClosesCleanly(window);
}

// Exactly the same picture where the model-view matrix is exactly the same (other keys, a resize
// back to the first size). After 60 presses each way it is the identity only up to the float
// rounding of 120 rotations, which can flip an edge pixel or shift a shade: allow one level in any
// channel everywhere and larger steps in at most 0.5% of the pixels. Measured with Mesa's
// llvmpipe: 186 pixels differ, 4 of them by more than one level (at most 6). A single press
// already changes about half the pixels, since every row of ground moves with the horizon.
constexpr int RoundTripLevels = 1;
constexpr double RoundTripPixelShare = 0.005;
// A tilt must change a quarter of the pixels by more than two levels.
constexpr int TiltLevels = 2;
constexpr double TiltedPixelShare = 0.25;

TEST_F(LandscapeDemo, ArrowsTiltTheSceneOtherKeysDoNothingAndAResizeUndoesTheTilt) {
    StartDemo();
    const DemoWindow window = AwaitWindow();
    window.AwaitFrameRate(Clock::now() + StartTimeout);
    const Picture first = window.CaptureSettled(SettleTimeout);
    const double pixels = static_cast<double>(first.Width) * first.Height;
    window.Focus();

    window.Press({"Up", "Down", "Home", "Page_Down", "a", "space", "Return", "Escape", "F1"});
    ExpectSamePicture(first, window.CaptureSettled(SettleTimeout), "after other keys");

    window.Press(Repeated("Left", QuarterTurnPresses));
    const Picture quarterTurn = window.CaptureSettled(SettleTimeout);
    // docs/landscape-tilted.png: what the browser's page must show after the same presses.
    SaveForTheReadme(quarterTurn, "landscape-tilted");
    const PictureDifference turned = Compare(first, quarterTurn, TiltLevels);
    EXPECT_GT(static_cast<double>(turned.PixelsOverTolerance), TiltedPixelShare * pixels);

    window.Press(Repeated("Right", QuarterTurnPresses));
    const PictureDifference back =
        Compare(first, window.CaptureSettled(SettleTimeout), RoundTripLevels);
    EXPECT_TRUE(back.SameSize);
    EXPECT_LE(static_cast<double>(back.PixelsOverTolerance), RoundTripPixelShare * pixels)
        << "largest channel step " << back.LargestChannelStep;

    window.Press(Repeated("Left", 10));
    const PictureDifference tilted =
        Compare(first, window.CaptureSettled(SettleTimeout), TiltLevels);
    EXPECT_GT(static_cast<double>(tilted.PixelsOverTolerance), TiltedPixelShare * pixels);
    window.Resize(480, 360);
    const Picture resized = window.CaptureSettled(SettleTimeout);
    EXPECT_EQ(resized.Width, 480);
    EXPECT_EQ(resized.Height, 360);
    window.Resize(400, 300);
    ExpectSamePicture(first, window.CaptureSettled(SettleTimeout), "after a tilt and two resizes");

    ExpectClosesCleanly(window);
}

// A demo starved of the processor for a while, as beside other suites: stopped now, let go on
// after a pause by the thread returned, which its owner joins when it goes.
constexpr auto StoppedFor = 1500ms;

std::jthread StarveForAWhile(pid_t pid) {
    if (kill(pid, SIGSTOP) != 0)
        throw std::runtime_error("cannot stop the demo");
    return std::jthread([pid] {
        std::this_thread::sleep_for(StoppedFor);
        kill(pid, SIGCONT);
    });
}

// A settled capture shows every key sent before it, even when the demo draws nothing for a while
// after the keys: two captures of its window would then agree on the picture from before them.
TEST_F(LandscapeDemo, ASettledCaptureWaitsForAFrameDrawnAfterTheInput) {
    StartDemo();
    const DemoWindow window = AwaitWindow();
    window.AwaitFrameRate(Clock::now() + StartTimeout);
    const Picture first = window.CaptureSettled(SettleTimeout);
    window.Focus();
    const std::jthread starved = StarveForAWhile(Demo->Pid());
    window.Press(Repeated("Left", 10));
    const Picture tilted = window.CaptureSettled(SettleTimeout);
    const PictureDifference difference = Compare(first, tilted, TiltLevels);
    EXPECT_GT(static_cast<double>(difference.PixelsOverTolerance),
              TiltedPixelShare * first.Width * first.Height);
    ExpectClosesCleanly(window);
}

// Out of focus the loop waits for messages: no frame, next to no processor time. Another client's
// window takes the focus, as a click on it would; the demo then counts no frames in its caption,
// which the timer still sets once a second. The measure starts once two ticks running have counted
// none: the demo has handled the focus change by then, however long that took beside other
// suites (a fixed wait let a late frame show in the measure).
//
// Where the program's platform follows the focus only as a window manager hands it out (Wine's
// windows take it from WM_TAKE_FOCUS), VYN_LANDSCAPE_WINDOW_MANAGER names one, a command line run
// in the suite's X server for this test, and the focus moves by pointer and click as a user moves
// it. Without one the test gives the focus directly.
constexpr auto IdleSpan = 5s;
constexpr double IdleCoreShare = 0.01;
constexpr auto CaptionSampleInterval = 250ms;
constexpr const char* FocusThiefName = "vynFocusThief";

std::vector<std::string> WindowManagerCommand() {
    const char* named = std::getenv("VYN_LANDSCAPE_WINDOW_MANAGER");
    std::istringstream line(named ? named : "");
    return {std::istream_iterator<std::string>(line), std::istream_iterator<std::string>()};
}

// The window manager, once it has announced itself on the root window (EWMH's supporting-WM
// check); none when none is named.
std::unique_ptr<ChildProcess> StartWindowManager() {
    const std::vector<std::string> command = WindowManagerCommand();
    if (command.empty())
        return nullptr;
    auto manager = std::make_unique<ChildProcess>(command, SpawnOptions{});
    const auto announced = [] {
        const ToolResult check =
            RunTool({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"}, StartTimeout);
        return check.Output.find("window id") != std::string::npos;
    };
    if (!PollUntil(announced, Clock::now() + StartTimeout, 100ms))
        throw std::runtime_error("the window manager " + command[0] + " did not start");
    return manager;
}

void GiveFocus(const DemoWindow& window, bool managed) {
    if (managed)
        window.FocusByPointer();
    else
        window.Focus();
}

TEST_F(LandscapeDemo, OutOfFocusItDrawsNothingAndIdlesAndWithTheFocusBackItDrawsAgain) {
    const std::unique_ptr<ChildProcess> manager = StartWindowManager();
    StartDemo();
    const DemoWindow window = AwaitWindow();
    GiveFocus(window, manager != nullptr);
    window.AwaitFrameRate(Clock::now() + StartTimeout);
    // Away from the demo's window, so that pointing at either finds it uncovered.
    ChildProcess thief({"xmessage", "-geometry", "+600+450", "-title", FocusThiefName, "focus"},
                       SpawnOptions{});
    const std::optional<DemoWindow> other = DemoWindow::AwaitAnyOwner(FocusThiefName, StartTimeout);
    ASSERT_TRUE(other) << "xmessage showed no window";
    // Starved as the focus leaves, the demo handles the change late.
    const std::jthread starved = StarveForAWhile(Demo->Pid());
    GiveFocus(*other, manager != nullptr);
    window.AwaitIdle(SettleTimeout);

    const Clock::time_point start = Clock::now();
    const std::chrono::microseconds cpuBefore = ProcessCpuTime(Demo->Pid());
    std::vector<std::string> captions;
    while (Clock::now() - start < IdleSpan) {
        captions.push_back(window.Caption());
        std::this_thread::sleep_for(CaptionSampleInterval);
    }
    const std::chrono::microseconds used = ProcessCpuTime(Demo->Pid()) - cpuBefore;
    const auto span = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    EXPECT_LT(static_cast<double>(used.count()), IdleCoreShare * static_cast<double>(span.count()))
        << used.count() << " µs of processor time in " << span.count() << " µs";
    for (const std::string& caption : captions)
        EXPECT_EQ(CaptionFrameRate(caption, WindowName), 0) << caption;

    GiveFocus(window, manager != nullptr);
    const std::string caption = window.AwaitFrameRate(Clock::now() + SettleTimeout);
    EXPECT_GT(CaptionFrameRate(caption, WindowName).value_or(0), 0) << caption;
    ExpectClosesCleanly(window);
}

// Without a display the demo says which one it could not reach, in its one line, with nothing of
// the libraries' own complaints around it.
TEST_F(LandscapeDemo, WithoutADisplayItSaysWhyInOneLineAndEndsWithStatus1) {
    if (std::getenv("VYN_LANDSCAPE_PROGRAM"))
        GTEST_SKIP() << "the no-display reasons are the SDL backend's";
    const std::string prefix = "landscape: cannot create the window and its OpenGL context: ";
    StartDemo({"DISPLAY=", "WAYLAND_DISPLAY="});
    EXPECT_EQ(RefusalMessage(),
              prefix + "no display: neither WAYLAND_DISPLAY nor DISPLAY is set\n");

    StartDemo({"DISPLAY=:4242", "WAYLAND_DISPLAY="});
    const std::string unreachable = RefusalMessage();
    EXPECT_TRUE(unreachable.starts_with(prefix + "no display: cannot open the X display :4242"))
        << unreachable;
    EXPECT_EQ(std::count(unreachable.begin(), unreachable.end(), '\n'), 1) << unreachable;
}

struct DamagedFile {
    const char* File;
    Damage Kind;
};

bool HoldsCoreFile(const std::filesystem::path& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().starts_with("core"))
            return true;
    return false;
}

class RefusedFile : public LandscapeDemo, public ::testing::WithParamInterface<DamagedFile> {};

TEST_P(RefusedFile, EndsTheDemoWithStatus1AndOneLineNamingTheFile) {
    const std::string file = GetParam().File;
    ASSERT_NO_THROW(Spoil(Folder() / file, GetParam().Kind));
    StartDemo();
    const std::string errors = RefusalMessage();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_TRUE(errors.ends_with("\n")) << errors;
    EXPECT_NE(errors.find(file), std::string::npos) << errors;
    EXPECT_FALSE(HoldsCoreFile(Folder()));
}

// pt.cppa2's own count is taken as read: one more there is no damage (the test below).
bool Refused(const DamagedFile& damage) {
    return damage.File != std::string(vyn::TexCoordFileName) ||
           damage.Kind != Damage::SizeOverrunsPayload;
}

std::vector<DamagedFile> EveryDamageToEveryFile() {
    std::vector<DamagedFile> cases;
    for (const char* file : LandscapeFiles)
        for (Damage kind :
             {Damage::Missing, Damage::Empty, Damage::Truncated, Damage::SizeOverrunsPayload})
            if (Refused({file, kind}))
                cases.push_back({file, kind});
    return cases;
}

std::string CaseName(const ::testing::TestParamInfo<DamagedFile>& info) {
    std::string name = info.param.File;
    std::replace(name.begin(), name.end(), '.', '_');
    return name + "_" + DamageName(info.param.Kind);
}

INSTANTIATE_TEST_SUITE_P(DemoFiles, RefusedFile, ::testing::ValuesIn(EveryDamageToEveryFile()),
                         CaseName);

// Only pv.cppa2's count is drawn, and pt.cppa2 still holds a coordinate for every vertex.
TEST_F(LandscapeDemo, DrawsWhenTheCoordinateFilesOwnCountOverrunsItsPayload) {
    ASSERT_NO_THROW(Spoil(Folder() / vyn::TexCoordFileName, Damage::SizeOverrunsPayload));
    StartDemo();
    const DemoWindow window = AwaitWindow();
    const std::string caption = window.AwaitFrameRate(Clock::now() + StartTimeout);
    EXPECT_GT(CaptionFrameRate(caption, WindowName).value_or(0), 0) << caption;
    ExpectFoggedLandscape(window.CaptureSettled(SettleTimeout));
    ExpectClosesCleanly(window);
}

} // namespace
