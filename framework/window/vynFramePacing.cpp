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
    // Where the schedule of the last frame drawn stands: its deadline, or its start when it had no
    // deadline or came more than a period late. The next deadline is a period after it, the
    // period of the limit in force when the loop asks, so that a limit changed between frames
    // applies to the very next one.
    double ScheduleAnchor = 0.0;
};

PacingState Pacing;

double NextDeadline() {
    return Pacing.FrameStart ? Pacing.ScheduleAnchor + 1.0 / Pacing.Limit : 0.0;
}

// Anchors the schedule at the frame starting `now`: at its deadline while it kept to it, else at
// now, so that after a late frame the loop does not race to make up the frames it missed.
void AnchorSchedule(double now) {
    if (Pacing.Limit == 0 || !Pacing.FrameStart) {
        Pacing.ScheduleAnchor = now;
        return;
    }
    const double deadline = NextDeadline();
    Pacing.ScheduleAnchor = now - deadline < 1.0 / Pacing.Limit ? deadline : now;
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
}

bool BeginFrameWhenDue() {
    const double now = MonotonicSeconds();
    if (Pacing.Limit > 0 && now < NextDeadline()) {
        Sleep(static_cast<DWORD>(std::ceil((NextDeadline() - now) * 1000.0)));
        return false;
    }
    AnchorSchedule(now);
    if (Pacing.FrameStart)
        Pacing.LastFrame = now - *Pacing.FrameStart;
    Pacing.FrameStart = now;
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
