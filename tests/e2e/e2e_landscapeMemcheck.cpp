// The landscape demo under valgrind's memcheck, with Xvfb and Mesa: it starts, draws for 5 seconds
// and is closed as a window manager closes it. No invalid read or write may happen anywhere, and
// no block may be lost at the end, except what tests/sanitizer/valgrind.supp lists as the GL
// driver's and SDL's own. Valgrind cannot run a sanitizer build: the suite is "unsanitized".
//
// The mesh is cut to its first 1,024 quads: with all 64,000, llvmpipe's vertex stage under
// valgrind sometimes spends many minutes in its allocator before a first frame. The demo's code
// runs the same either way: the files are loaded, checked, uploaded and drawn as they come.
#include "tests/support/e2e/vynChildProcess.h"
#include "tests/support/e2e/vynDemoWindow.h"
#include "tests/support/e2e/vynGeneratedLandscape.h"
#include "tests/support/vynTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <thread>

using namespace vyn::test;
using namespace std::chrono_literals;

namespace {

constexpr const char* WindowName = "vynSingleWindow";
// A first frame under valgrind takes Mesa's shader compiler a good while on a loaded machine.
constexpr auto FirstFrameTimeout = 180s;
constexpr auto DrawingSpan = 5s;
// The teardown and the leak search of a process that made 200 MB of allocations.
constexpr auto EndTimeout = 180s;
constexpr auto CaptionSampleInterval = 250ms;
constexpr int ErrorExitCode = 99;
constexpr uint32_t KeptVertices = 4 * 1024;

void WriteField(std::string& bytes, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>(value >> (8 * i));
}

// Rewrites an array file to hold only its first `count` vertices of `floats` floats each.
void KeepFirstVertices(const std::filesystem::path& file, uint32_t floats, uint32_t count) {
    constexpr size_t HeaderSize = 12;
    const uint32_t payload = count * floats * 4;
    std::string bytes = ReadWholeFile(file);
    ASSERT_GE(bytes.size(), HeaderSize + payload) << file;
    bytes.resize(HeaderSize + payload);
    WriteField(bytes, 4, payload); // Size
    WriteField(bytes, 8, count);   // Count
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// The memcheck command: every error and every definitely or indirectly lost block counts, the
// listed ones apart; names of code unloaded before the end (the GL driver) are kept for them.
std::vector<std::string> MemcheckCommand(const std::filesystem::path& log) {
    return {"valgrind",
            "--tool=memcheck",
            "--leak-check=full",
            "--show-leak-kinds=definite,indirect",
            "--errors-for-leak-kinds=definite,indirect",
            "--keep-debuginfo=yes",
            "--num-callers=40",
            "--error-exitcode=" + std::to_string(ErrorExitCode),
            "--suppressions=" VYN_VALGRIND_SUPPRESSIONS,
            "--log-file=" + log.string(),
            VYN_LANDSCAPE};
}

size_t Occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(LandscapeUnderMemcheck, DrawsForFiveSecondsClosesAndLeavesNoMemoryErrorOrLeak) {
    const GeneratedLandscape folder(VYN_MAKE_LANDSCAPE);
    ASSERT_NO_FATAL_FAILURE(KeepFirstVertices(folder / "pv.cppa2", 3, KeptVertices));
    ASSERT_NO_FATAL_FAILURE(KeepFirstVertices(folder / "pt.cppa2", 2, KeptVertices));
    const std::filesystem::path log = folder / "memcheck.log";
    SpawnOptions options;
    options.Folder = folder.Path();
    options.ErrorFile = folder / "stderr.txt";
    // llvmpipe's rasteriser threads wait on one another in a way that valgrind, which runs one
    // thread at a time, starves: no frame in minutes. Rasterising on the drawing thread keeps a
    // frame to about a second.
    options.Environment = {"LP_NUM_THREADS=0"};
    ChildProcess demo(MemcheckCommand(log), options);

    const Clock::time_point started = Clock::now();
    const std::optional<DemoWindow> window =
        DemoWindow::Await(demo.Pid(), WindowName, FirstFrameTimeout);
    ASSERT_TRUE(window) << ReadWholeFile(folder / "stderr.txt") << ReadWholeFile(log);
    const std::string caption = window->AwaitFrameRate(started + FirstFrameTimeout);
    ASSERT_GT(CaptionFrameRate(caption, WindowName).value_or(0), 0)
        << "no frame counted; caption: " << caption;
    int highestRate = 0;
    for (const Clock::time_point end = Clock::now() + DrawingSpan; Clock::now() < end;) {
        std::this_thread::sleep_for(CaptionSampleInterval);
        highestRate =
            std::max(highestRate, CaptionFrameRate(window->Caption(), WindowName).value_or(0));
    }
    EXPECT_GT(highestRate, 0) << "no frame drawn in " << DrawingSpan.count() << " s";
    window->Close(VYN_XCLOSE);

    const std::optional<int> status = demo.WaitFor(EndTimeout);
    ASSERT_TRUE(status) << "still running " << EndTimeout.count() << " s after the close request";
    const std::string report = ReadWholeFile(log);
    EXPECT_TRUE(ExitedWith(*status, 0)) << DescribeWaitStatus(*status) << "\n" << report;
    EXPECT_EQ(report.find("Invalid read"), std::string::npos) << report;
    EXPECT_EQ(report.find("Invalid write"), std::string::npos) << report;
    // The log holds a summary for every process valgrind ran: the demo and what it forked.
    EXPECT_EQ(Occurrences(report, "ERROR SUMMARY: "),
              Occurrences(report, "ERROR SUMMARY: 0 errors"))
        << report;
    EXPECT_EQ(Occurrences(report, "definitely lost: "),
              Occurrences(report, "definitely lost: 0 bytes"))
        << report;
}

} // namespace
