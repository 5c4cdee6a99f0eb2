// The swap probe's tally: first frame from the launch, frame rate after the warm-up, and the
// report it writes, driven with made-up times.
#include "bench/vynSwapTally.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vyn {
namespace {

std::string ReportOf(const SwapTally& tally, const std::optional<FramebufferBits>& bits = {},
                     long peakKiB = 0) {
    std::ostringstream out;
    tally.Write(out, bits, peakKiB);
    return out.str();
}

TEST(SwapTally, KnowsNothingBeforeTheFirstFrame) {
    const SwapTally tally(100.0);
    EXPECT_EQ(tally.SwapCount(), 0);
    EXPECT_FALSE(tally.FirstFrameMs());
    EXPECT_FALSE(tally.FramesPerSecond());
    EXPECT_EQ(ReportOf(tally), "swaps 0\n");
}

TEST(SwapTally, TimesTheFirstFrameFromTheLaunch) {
    SwapTally tally(100.0);
    tally.Swapped(101.25);
    tally.Swapped(101.5);
    ASSERT_TRUE(tally.FirstFrameMs());
    EXPECT_DOUBLE_EQ(*tally.FirstFrameMs(), 1250.0);
    EXPECT_EQ(tally.SwapCount(), 2);
}

TEST(SwapTally, CountsTheFrameRateOnlyAfterTheWarmUp) {
    SwapTally tally(0.0);
    // Slow first frames: the driver compiles its shaders and first touches the texture.
    tally.Swapped(10.0);
    tally.Swapped(10.6);
    EXPECT_FALSE(tally.FramesPerSecond());
    tally.Swapped(11.0); // the warm-up ends here: the rate is counted from this frame on
    EXPECT_FALSE(tally.FramesPerSecond());
    for (int frame = 1; frame <= 20; ++frame)
        tally.Swapped(11.0 + frame * 0.1);
    ASSERT_TRUE(tally.FramesPerSecond());
    EXPECT_NEAR(*tally.FramesPerSecond(), 10.0, 1e-9);
}

TEST(SwapTally, ReportsEveryKnownFigureOnALineOfItsOwn) {
    SwapTally tally(50.0);
    tally.Swapped(51.0);
    tally.Swapped(52.0);
    tally.Swapped(54.0);
    FramebufferBits bits{8, 8, 8, 8, 24, 8, 400, 300, "llvmpipe (LLVM 15.0.6, 256 bits)"};
    EXPECT_EQ(ReportOf(tally, bits, 135000), "swaps 3\n"
                                             "first_frame_ms 1000\n"
                                             "fps 0.5\n"
                                             "frame_ms_p99 2000\n"
                                             "peak_rss_kib 135000\n"
                                             "framebuffer r8g8b8a8/depth24/stencil8\n"
                                             "viewport 400x300\n"
                                             "renderer llvmpipe (LLVM 15.0.6, 256 bits)\n");
}

TEST(SwapTally, ChargesTheProcessorTimeAfterTheWarmUpToTheFramesCounted) {
    SwapTally tally(0.0);
    tally.Swapped(1.0, 0.5);
    tally.Swapped(2.0, 3.0); // the warm-up ends: its 3 s of compiling are not charged
    EXPECT_FALSE(tally.CpuMsPerFrame());
    for (int frame = 1; frame <= 4; ++frame)
        tally.Swapped(2.0 + frame * 0.25, 3.0 + frame * 0.02);
    ASSERT_TRUE(tally.CpuMsPerFrame());
    EXPECT_NEAR(*tally.CpuMsPerFrame(), 20.0, 1e-9);
    EXPECT_NE(ReportOf(tally).find("\ncpu_ms_per_frame 20\n"), std::string::npos)
        << ReportOf(tally);
}

// After the warm-up a hundred frames, `slow` of them of 40 ms and the rest of 10 ms, each taking
// 1 ms of processor time to go to sleep and 2.5 ms from the wake-up to its swap. Nearest rank: two
// slow frames in a hundred set the 99th percentile, one does not.
TEST(SwapTally, TakesThe99thPercentileAndTheProcessorTimePerSecondAndOverTheFramesOwn) {
    for (const int slow : {1, 2}) {
        SwapTally tally(0.0);
        tally.Swapped(0.0, 0.0);
        tally.Swapped(1.0, 0.5); // the warm-up ends
        double now = 1.0, cpu = 0.5;
        for (int frame = 0; frame < 100; ++frame) {
            tally.Woke(cpu += 0.001);
            tally.Swapped(now += frame < slow ? 0.040 : 0.010, cpu += 0.0025);
        }
        EXPECT_NEAR(tally.FrameMsPercentile99().value_or(0), slow == 1 ? 10.0 : 40.0, 1e-9);
        EXPECT_NEAR(tally.CpuPerSecond().value_or(0), 0.35 / (now - 1.0), 1e-9);
        EXPECT_NEAR(tally.CpuOverFrameWork().value_or(0), 1.4, 1e-9);
    }
}

TEST(SwapTally, LeavesOutWhatCouldNotBeRead) {
    SwapTally tally(0.0);
    tally.Swapped(0.5);
    EXPECT_EQ(ReportOf(tally, std::nullopt, 0), "swaps 1\nfirst_frame_ms 500\n");
    tally.Swapped(1.5); // a rate, but no processor time was given
    tally.Swapped(2.5);
    EXPECT_EQ(ReportOf(tally), "swaps 3\nfirst_frame_ms 500\nfps 1\nframe_ms_p99 1000\n");
}

} // namespace
} // namespace vyn
