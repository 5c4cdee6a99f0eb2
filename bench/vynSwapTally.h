// The figures the swap probe keeps about one program run: when its first frame was presented
// (measured from the launch), how many frames it presented, its frame rate, the 99th percentile of
// the times between frames, the processor time it spent per frame and per second after a warm-up,
// and how that compares with what its frames alone took (from each wake-up to the frame's swap,
// for a program that sleeps between frames); the framebuffer it drew into; and the report it
// writes at exit, one "key value" line each.
//
// Header-only, free of GL and SDL, so that tests can drive it with made-up clocks. Not locked:
// one thread presents the frames, and the report is written after the last of them.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vyn {

// What the framebuffer holds, read once with the context current at the first swap.
struct FramebufferBits {
    int Red = 0, Green = 0, Blue = 0, Alpha = 0, Depth = 0, Stencil = 0;
    int ViewportWidth = 0, ViewportHeight = 0;
    std::string Renderer;
};

class SwapTally {
  public:
    // Frames presented within this long after the first one are not counted in the frame rate:
    // the first frames pay for compiling the driver's shaders and for the texture's first use.
    static constexpr double WarmUpSeconds = 1.0;

    // launchSeconds: when the program was started, on the same clock as the swap times.
    explicit SwapTally(double launchSeconds) : Launch(launchSeconds) {}

    // A frame has been presented at `seconds`, when the process (all its threads) had used
    // `cpuSeconds` of processor time, if that is known.
    void Swapped(double seconds, std::optional<double> cpuSeconds = std::nullopt) {
        ++Swaps;
        if (Swaps == 1)
            First = seconds;
        if (WarmStart)
            Intervals.push_back(seconds - Last);
        if (WarmStart && cpuSeconds && LastCpu)
            FrameWorkCpu += *cpuSeconds - LastWake.value_or(*LastCpu);
        LastWake.reset();
        if (!WarmStart && seconds - First >= WarmUpSeconds) {
            WarmStart = seconds;
            WarmSwaps = Swaps;
            WarmCpu = cpuSeconds;
        }
        Last = seconds;
        LastCpu = cpuSeconds;
    }

    std::int64_t SwapCount() const { return Swaps; }
    // Milliseconds from the launch to the first presented frame; none before it.
    std::optional<double> FirstFrameMs() const {
        if (Swaps == 0)
            return std::nullopt;
        return (First - Launch) * 1000.0;
    }
    // Frames per second between the first frame after the warm-up and the last one; none until
    // the run has gone on past the warm-up and shown at least one more frame.
    std::optional<double> FramesPerSecond() const {
        if (!WarmStart || Last <= *WarmStart)
            return std::nullopt;
        return static_cast<double>(Swaps - WarmSwaps) / (Last - *WarmStart);
    }

    // Milliseconds of processor time per frame over the same frames as the frame rate; none
    // where the rate is not known or the processor time was not given.
    std::optional<double> CpuMsPerFrame() const {
        if (!FramesPerSecond() || !WarmCpu || !LastCpu)
            return std::nullopt;
        return (*LastCpu - *WarmCpu) * 1000.0 / static_cast<double>(Swaps - WarmSwaps);
    }

    // The program woke from a sleep with `cpuSeconds` of processor time used: what it uses from
    // here to its next swap is that frame's own work.
    void Woke(double cpuSeconds) { LastWake = cpuSeconds; }

    // The processor time after the warm-up over what its frames alone took: 1 for a program that
    // never sleeps, more by what going to sleep and waking cost.
    std::optional<double> CpuOverFrameWork() const {
        if (!CpuPerSecond() || FrameWorkCpu <= 0)
            return std::nullopt;
        return (*LastCpu - *WarmCpu) / FrameWorkCpu;
    }

    // The 99th percentile of the milliseconds between frames after the warm-up (the nearest rank:
    // 99 % of the frames took no longer); none before the warm-up has ended and a frame followed.
    std::optional<double> FrameMsPercentile99() const {
        if (Intervals.empty())
            return std::nullopt;
        std::vector<double> sorted = Intervals;
        const auto rank = static_cast<size_t>(std::ceil(0.99 * static_cast<double>(sorted.size())));
        std::nth_element(sorted.begin(), sorted.begin() + (rank - 1), sorted.end());
        return sorted[rank - 1] * 1000.0;
    }

    // Seconds of processor time per second over the same frames as the frame rate.
    std::optional<double> CpuPerSecond() const {
        if (!FramesPerSecond() || !WarmCpu || !LastCpu)
            return std::nullopt;
        return (*LastCpu - *WarmCpu) / (Last - *WarmStart);
    }

    // The report: figures that are not known yet are left out, so a reader can tell.
    void Write(std::ostream& out, const std::optional<FramebufferBits>& framebuffer,
               long peakResidentKiB) const {
        out << "swaps " << Swaps << '\n';
        if (const auto first = FirstFrameMs())
            out << "first_frame_ms " << *first << '\n';
        if (const auto fps = FramesPerSecond())
            out << "fps " << *fps << '\n';
        if (const auto cpu = CpuMsPerFrame())
            out << "cpu_ms_per_frame " << *cpu << '\n';
        if (const auto p99 = FrameMsPercentile99())
            out << "frame_ms_p99 " << *p99 << '\n';
        if (const auto cpu = CpuPerSecond())
            out << "cpu_per_second " << *cpu << '\n';
        if (const auto ratio = CpuOverFrameWork())
            out << "cpu_over_frame_work " << *ratio << '\n';
        if (peakResidentKiB > 0)
            out << "peak_rss_kib " << peakResidentKiB << '\n';
        if (framebuffer)
            WriteFramebuffer(out, *framebuffer);
    }

  private:
    static void WriteFramebuffer(std::ostream& out, const FramebufferBits& bits) {
        out << "framebuffer r" << bits.Red << "g" << bits.Green << "b" << bits.Blue << "a"
            << bits.Alpha << "/depth" << bits.Depth << "/stencil" << bits.Stencil << '\n';
        out << "viewport " << bits.ViewportWidth << 'x' << bits.ViewportHeight << '\n';
        out << "renderer " << bits.Renderer << '\n';
    }

    double Launch;
    std::int64_t Swaps = 0;
    double First = 0;
    double Last = 0;
    std::optional<double> WarmStart;
    std::int64_t WarmSwaps = 0;
    std::optional<double> WarmCpu;
    std::optional<double> LastCpu;
    std::vector<double> Intervals; // seconds between frames, after the warm-up
    std::optional<double> LastWake;
    double FrameWorkCpu = 0;
};

} // namespace vyn
