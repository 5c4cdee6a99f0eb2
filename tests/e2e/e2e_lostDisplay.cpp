// The demo without a display: when its X server goes away under it, as when a session ends, it
// ends at once with status 1 and a line saying why, instead of spinning in its exit handlers on
// the dead connection (it draws on a server of this test's own, which the test then kills); and
// started where no display can be reached, it says so and ends, instead of drawing for ever into
// a window nobody can see.
#include "tests/support/e2e/vynChildProcess.h"
#include "tests/support/e2e/vynGeneratedLandscape.h"
#include "tests/support/e2e/vynProcessUsage.h"
#include "tests/support/vynTestSupport.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <thread>

using namespace vyn::test;
using namespace std::chrono_literals;

namespace {

constexpr auto ServerTimeout = 30s;
// Loading and the first frames, maybe under a sanitizer on a loaded machine.
constexpr auto DrawingTimeout = 120s;
// Processor time that only drawing reaches: loading takes well under half of it.
constexpr auto DrawingCpuTime = 1500ms;
constexpr auto EndTimeout = 10s;
constexpr auto PollInterval = 100ms;

// The display number that Xvfb writes to `file` once it accepts clients; empty if it has not
// within the timeout.
std::string AwaitDisplayNumber(const std::filesystem::path& file) {
    std::string text;
    const auto written = [&] {
        text = ReadWholeFile(file);
        return text.ends_with('\n');
    };
    if (!PollUntil(written, Clock::now() + ServerTimeout, PollInterval))
        return {};
    return text.substr(0, text.size() - 1);
}

bool AwaitCpuTime(pid_t pid, std::chrono::microseconds wanted) {
    return PollUntil([&] { return ProcessCpuTime(pid) >= wanted; }, Clock::now() + DrawingTimeout,
                     PollInterval);
}

TEST(LostDisplay, TheDemoEndsAtOnceWithStatus1AndALineWhenItsXServerDies) {
    const GeneratedLandscape folder(VYN_MAKE_LANDSCAPE);
    const std::filesystem::path numberFile = folder / "display-number";
    SpawnOptions serverOptions;
    serverOptions.ErrorFile = folder / "xvfb.txt";
    ChildProcess server({"sh", "-c",
                         "exec Xvfb -displayfd 3 -nolisten tcp -screen 0 640x480x24 3>\"$0\"",
                         numberFile.string()},
                        serverOptions);
    const std::string number = AwaitDisplayNumber(numberFile);
    ASSERT_FALSE(number.empty()) << ReadWholeFile(folder / "xvfb.txt");

    SpawnOptions demoOptions;
    demoOptions.Folder = folder.Path();
    demoOptions.ErrorFile = folder / "demo.txt";
    demoOptions.Environment = {"DISPLAY=:" + number};
    ChildProcess demo({VYN_LANDSCAPE}, demoOptions);
    ASSERT_TRUE(AwaitCpuTime(demo.Pid(), DrawingCpuTime))
        << "not drawing; the demo said: " << ReadWholeFile(folder / "demo.txt");

    ASSERT_EQ(kill(server.Pid(), SIGKILL), 0);
    ASSERT_TRUE(server.WaitFor(EndTimeout));
    const std::optional<int> status = demo.WaitFor(EndTimeout);
    ASSERT_TRUE(status) << "still running " << EndTimeout.count() << " s after its X server died";
    EXPECT_TRUE(ExitedWith(*status, 1)) << DescribeWaitStatus(*status);
    EXPECT_NE(
        ReadWholeFile(folder / "demo.txt").find("vyn: the connection to the X display was lost\n"),
        std::string::npos)
        << ReadWholeFile(folder / "demo.txt");
}

TEST(LostDisplay, StartedWithoutADisplayTheDemoSaysSoAndEndsWithStatus1) {
    const GeneratedLandscape folder(VYN_MAKE_LANDSCAPE);
    SpawnOptions options;
    options.Folder = folder.Path();
    options.ErrorFile = folder / "demo.txt";
    options.Environment = {"DISPLAY=", "WAYLAND_DISPLAY="};
    ChildProcess demo({VYN_LANDSCAPE}, options);
    const std::optional<int> status = demo.WaitFor(EndTimeout);
    ASSERT_TRUE(status) << "still running " << EndTimeout.count() << " s on, with no display";
    EXPECT_TRUE(ExitedWith(*status, 1)) << DescribeWaitStatus(*status);
    EXPECT_NE(ReadWholeFile(folder / "demo.txt").find("landscape: cannot create the window"),
              std::string::npos)
        << ReadWholeFile(folder / "demo.txt");
}

} // namespace
