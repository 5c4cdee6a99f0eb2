// The landscape demo on Wayland: the same program, with DISPLAY unset and WAYLAND_DISPLAY naming
// a weston compositor nested in the suite's X server (its X11 backend, the kiosk shell, an output
// the size of the demo's window), must draw the pictures it draws on X11, tilt with the arrows,
// and end with status 0 when the user closes it (Alt+F4, as a compositor without a title bar
// leaves it to the keyboard).
#include "tests/support/e2e/vynChildProcess.h"
#include "tests/support/e2e/vynDemoWindow.h"
#include "tests/support/e2e/vynGeneratedLandscape.h"
#include "tests/support/e2e/vynPicture.h"
#include "tests/support/vynTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

using namespace vyn::test;
using namespace std::chrono_literals;

namespace {

constexpr const char* WindowName = "vynSingleWindow";
constexpr const char* CompositorClass = "Weston Compositor";
constexpr const char* Socket = "vyn-wayland-0";
// Loading the mesh and making a mipmapped texture on a software renderer, maybe under a sanitizer.
constexpr auto StartTimeout = 60s;
constexpr auto SettleTimeout = 60s;
constexpr auto EndTimeout = 10s;
constexpr auto PictureInterval = 250ms;
constexpr double SamePictureError = 0.02;
// Enough presses for a picture of its own: the horizon well up, the ground tilted towards the view.
constexpr int TiltPresses = 10;

struct Pictures {
    Picture First;
    Picture Tilted;
};

class WaylandLandscape : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        Generated = std::make_unique<GeneratedLandscape>(VYN_MAKE_LANDSCAPE);
    }
    static void TearDownTestSuite() { Generated.reset(); }

    ChildProcess StartDemo(const std::vector<std::string>& environment) {
        const std::filesystem::path folder = Scratch / ("run" + std::to_string(++Runs));
        Generated->CopyInto(folder);
        SpawnOptions options;
        options.Folder = folder;
        options.ErrorFile = Scratch / "demo.txt";
        options.Environment = environment;
        return ChildProcess({VYN_LANDSCAPE}, options);
    }

    // The pictures of the demo on the X display, the reference.
    Pictures WatchOnX11() {
        ChildProcess demo = StartDemo({});
        const std::optional<DemoWindow> window =
            DemoWindow::Await(demo.Pid(), WindowName, StartTimeout);
        if (!window)
            throw std::runtime_error("no X11 window; the demo said: " + DemoSaid());
        window->AwaitFrameRate(Clock::now() + StartTimeout);
        Pictures pictures;
        pictures.First = window->CaptureSettled(SettleTimeout);
        window->Focus();
        window->Press(std::vector<std::string>(TiltPresses, "Right"));
        pictures.Tilted = window->CaptureSettled(SettleTimeout);
        window->Close(VYN_XCLOSE);
        demo.WaitFor(EndTimeout);
        return pictures;
    }

    // The compositor, in a runtime folder of the suite's own, and its output window on the X
    // display. The pixman renderer, since its output can be captured from the X server.
    DemoWindow StartCompositor() {
        std::filesystem::permissions(Runtime.Path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace);
        SpawnOptions options;
        options.ErrorFile = Scratch / "weston.txt";
        options.Environment = {"XDG_RUNTIME_DIR=" + Runtime.Path().string()};
        Compositor.emplace(
            std::vector<std::string>{
                VYN_WESTON, "--backend=x11-backend.so", "--shell=kiosk-shell.so", "--use-pixman",
                "--width=400", "--height=300", std::string("--socket=") + Socket, "--idle-time=0"},
            options);
        std::optional<DemoWindow> output = DemoWindow::AwaitClass(CompositorClass, StartTimeout);
        if (!output)
            throw std::runtime_error("no compositor window; weston said: " +
                                     ReadWholeFile(Scratch / "weston.txt"));
        return *output;
    }

    // In a sanitizer build the Wayland client libraries SDL loads leave allocations that
    // LeakSanitizer finds in code no longer loaded, with no name to suppress them by; the
    // framework's own are checked where the same program runs on X11.
    std::vector<std::string> WaylandOnly() const {
        return {"DISPLAY=", std::string("WAYLAND_DISPLAY=") + Socket,
                "XDG_RUNTIME_DIR=" + Runtime.Path().string(),
                "ASAN_OPTIONS=detect_leaks=0:abort_on_error=1"};
    }

    std::string DemoSaid() const { return ReadWholeFile(Scratch / "demo.txt"); }

    inline static std::unique_ptr<GeneratedLandscape> Generated;
    TempDir Scratch;
    TempDir Runtime;
    int Runs = 0;
    std::optional<ChildProcess> Compositor;
};

// Polls the compositor's output until it shows `expected`; the mean error of the last capture.
double ErrorWhenSettled(const DemoWindow& output, const Picture& expected) {
    double error = 1.0;
    PollUntil(
        [&] {
            error = MeanAbsoluteError(expected, output.Capture());
            return error < SamePictureError;
        },
        Clock::now() + SettleTimeout, PictureInterval);
    return error;
}

} // namespace

TEST_F(WaylandLandscape, DrawsTheX11PicturesTiltsWithTheArrowsAndClosesWithStatus0) {
    const Pictures x11 = WatchOnX11();
    const DemoWindow output = StartCompositor();
    // The compositor draws its pointer where the pointer last was: in the corner, mostly outside.
    output.MovePointer(399, 299);
    // The keyboard is the compositor's before the demo's window appears, which then has it from
    // the start: no focus moves while the demo runs.
    output.Focus();
    ChildProcess demo = StartDemo(WaylandOnly());

    EXPECT_LT(ErrorWhenSettled(output, x11.First), SamePictureError)
        << "first picture; the demo said: " << DemoSaid();
    output.Press(std::vector<std::string>(TiltPresses, "Right"));
    EXPECT_LT(ErrorWhenSettled(output, x11.Tilted), SamePictureError)
        << "after the presses; the demo said: " << DemoSaid()
        << "; weston said: " << ReadWholeFile(Scratch / "weston.txt");
    EXPECT_GT(MeanAbsoluteError(x11.First, x11.Tilted), 5 * SamePictureError)
        << "the presses tilt nothing";

    output.Press({"alt+F4"});
    const std::optional<int> status = demo.WaitFor(EndTimeout);
    ASSERT_TRUE(status) << "still running after Alt+F4";
    EXPECT_TRUE(ExitedWith(*status, 0)) << DescribeWaitStatus(*status) << "; " << DemoSaid();
}
