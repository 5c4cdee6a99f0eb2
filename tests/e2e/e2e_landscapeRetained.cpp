// The landscape demo with its retained pack (landscape --retained), end to end: it must show
// exactly the default demo's pictures, first, after a quarter turn and after a resize, and it
// takes no other argument.
#include "tests/support/e2e/vynChildProcess.h"
#include "tests/support/e2e/vynDemoWindow.h"
#include "tests/support/e2e/vynGeneratedLandscape.h"
#include "tests/support/e2e/vynPicture.h"
#include "tests/support/e2e/vynPictureChecks.h"
#include "tests/support/vynTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace vyn::test;
using namespace std::chrono_literals;

namespace {

constexpr const char* WindowName = "vynSingleWindow";
// Loading the mesh and making a mipmapped texture on a software renderer, maybe under a sanitizer.
constexpr auto StartTimeout = 60s;
constexpr auto SettleTimeout = 60s;
constexpr auto EndTimeout = 10s;
constexpr int QuarterTurnPresses = 60;

// What the user sees: the first picture, after 60 presses of the left arrow, after a resize.
struct Pictures {
    Picture First;
    Picture Turned;
    Picture Resized;
};

class RetainedLandscape : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        Generated = std::make_unique<GeneratedLandscape>(VYN_MAKE_LANDSCAPE);
    }
    static void TearDownTestSuite() { Generated.reset(); }

    // The demo started with `arguments` in a fresh folder of the generated files.
    ChildProcess Start(const std::vector<std::string>& arguments) {
        const std::filesystem::path folder = Scratch / ("run" + std::to_string(++Runs));
        Generated->CopyInto(folder);
        SpawnOptions options;
        options.Folder = folder;
        options.ErrorFile = ErrorLog();
        std::vector<std::string> command{VYN_LANDSCAPE};
        command.insert(command.end(), arguments.begin(), arguments.end());
        return ChildProcess(command, options);
    }

    Pictures Watch(const std::vector<std::string>& arguments) {
        ChildProcess demo = Start(arguments);
        const std::optional<DemoWindow> window =
            DemoWindow::Await(demo.Pid(), WindowName, StartTimeout);
        if (!window)
            throw std::runtime_error("no window; the demo said: " + ReadWholeFile(ErrorLog()));
        window->AwaitFrameRate(Clock::now() + StartTimeout);
        Pictures pictures;
        pictures.First = window->CaptureSettled(SettleTimeout);
        window->Focus();
        window->Press(std::vector<std::string>(QuarterTurnPresses, "Left"));
        pictures.Turned = window->CaptureSettled(SettleTimeout);
        window->Resize(480, 360);
        pictures.Resized = window->CaptureSettled(SettleTimeout);
        window->Close(VYN_XCLOSE);
        const std::optional<int> status = demo.WaitFor(EndTimeout);
        EXPECT_TRUE(status && ExitedWith(*status, 0))
            << (status ? DescribeWaitStatus(*status) : "still running")
            << "; the demo said: " << ReadWholeFile(ErrorLog());
        return pictures;
    }

    std::filesystem::path ErrorLog() const { return Scratch / "stderr.txt"; }

    inline static std::unique_ptr<GeneratedLandscape> Generated;
    TempDir Scratch;
    int Runs = 0;
};

} // namespace

TEST_F(RetainedLandscape, ShowsTheDefaultDemosPicturesPixelForPixel) {
    const Pictures plain = Watch({});
    const Pictures retained = Watch({"--retained"});
    // Pictures worth comparing: a landscape, turned away, then upright again in a larger window.
    EXPECT_GT(DistinctColours(plain.First), 1000u);
    EXPECT_GT(Compare(plain.First, plain.Turned, 2).PixelsOverTolerance, 30000u);
    EXPECT_EQ(plain.Resized.Width, 480);
    ExpectSamePicture(plain.First, retained.First, "first picture");
    ExpectSamePicture(plain.Turned, retained.Turned, "after 60 presses of the left arrow");
    ExpectSamePicture(plain.Resized, retained.Resized, "after a resize to 480 x 360");
}

TEST_F(RetainedLandscape, AnyOtherArgumentIsRefusedInOneLineWithStatusTwoAndNoWindow) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--fast"}, std::vector<std::string>{"--retained", "now"}}) {
        ChildProcess demo = Start(arguments);
        const std::optional<int> status = demo.WaitFor(EndTimeout);
        ASSERT_TRUE(status) << "still running with " << arguments.back();
        EXPECT_TRUE(ExitedWith(*status, 2)) << DescribeWaitStatus(*status);
        const std::string said = ReadWholeFile(ErrorLog());
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find("usage: landscape [--retained]"), std::string::npos) << said;
        EXPECT_FALSE(DemoWindow::Await(demo.Pid(), WindowName, 0s)) << "a window appeared";
    }
}
