#include "vynFramePacing.h"

#include "framework/core/vynFailure.h"
#include "framework/platform/vynPlatform.h"
#include "framework/system/vynMonotonicClock.h"
#include "vynWindowState.h"

#include <cmath>
#include <string>

namespace vyn {

namespace {

struct PacingState {
    std::optional<int32_t> KeptSwapInterval;
    int32_t Limit = 0;
    std::optional<double> LoopStart;
    std::optional<double> FrameStart; // of the last frame drawn
    double LastFrame = 0.0;
    double NextDeadline = 0.0; // used only while a limit is set
};

PacingState Pacing;

// The deadline of the frame after the one starting at `now`: a period after this one's, or, when
// that has passed too (this frame came more than a period late), a period from now, so that the
// loop does not race to make up the frames it missed.
void ScheduleNextFrame(double now) {
    const double period = 1.0 / Pacing.Limit;
    Pacing.NextDeadline += period;
    if (Pacing.NextDeadline <= now)
        Pacing.NextDeadline = now + period;
}

} // namespace

bool SetSwapInterval(int32_t interval) {
    if (interval < MinSwapInterval || interval > MaxSwapInterval)
        return Fail("SetSwapInterval: " + std::to_string(interval) + " is not a swap interval (" +
                    std::to_string(MinSwapInterval) + " to " + std::to_string(MaxSwapInterval) +
                    ")");
    if (!Framework.ContextReady)
        return Fail("SetSwapInterval: no window and OpenGL context exist yet");
    const TFailureMark mark;
    if (!wglSwapIntervalEXT(interval))
        return mark.Fail("SetSwapInterval: the driver refused swap interval " +
                         std::to_string(interval));
    Pacing.KeptSwapInterval = interval;
    return true;
}

std::optional<int32_t> SwapInterval() {
    return Pacing.KeptSwapInterval;
}

bool SetFrameRateLimit(int32_t framesPerSecond) {
    if (framesPerSecond < 0 || framesPerSecond > MaxFrameRateLimit)
        return Fail("SetFrameRateLimit: " + std::to_string(framesPerSecond) +
                    " frames a second is not a limit (0 for none, or 1 to " +
                    std::to_string(MaxFrameRateLimit) + ")");
    Pacing.Limit = framesPerSecond;
    return true;
}

int32_t FrameRateLimit() {
    return Pacing.Limit;
}

double LoopSeconds() {
    return Pacing.LoopStart ? MonotonicSeconds() - *Pacing.LoopStart : 0.0;
}

double LastFrameSeconds() {
    return Pacing.LastFrame;
}

void StartFrameClock() {
    const double now = MonotonicSeconds();
    Pacing.LoopStart = now;
    Pacing.FrameStart.reset();
    Pacing.LastFrame = 0.0;
    Pacing.NextDeadline = now;
}

bool BeginFrameWhenDue() {
    const double now = MonotonicSeconds();
    if (Pacing.Limit > 0 && now < Pacing.NextDeadline) {
        Sleep(static_cast<DWORD>(std::ceil((Pacing.NextDeadline - now) * 1000.0)));
        return false;
    }
    if (Pacing.FrameStart)
        Pacing.LastFrame = now - *Pacing.FrameStart;
    Pacing.FrameStart = now;
    if (Pacing.Limit > 0)
        ScheduleNextFrame(now);
    return true;
}

void ApplyKeptSwapInterval() {
    if (Pacing.KeptSwapInterval)
        wglSwapIntervalEXT(*Pacing.KeptSwapInterval);
}

void ResetFramePacing() {
    Pacing = PacingState{};
}

} // namespace vyn
