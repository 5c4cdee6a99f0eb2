/// @file
/// Frame pacing and the frame clock: how often the main loop draws, and the time a program moves
/// its scene by.
///
/// Two settings, both opt-in: a program that sets neither makes exactly the platform and GL calls
/// it made without them.
///   - The swap interval (SetSwapInterval): how many vertical blanks each swap of the buffers waits
///     for, set on the current context through the platform's wglSwapIntervalEXT, and set again on
///     every context made afterwards (a window made anew for full screen keeps it).
///   - The frame-rate limit (SetFrameRateLimit): the loop draws at most that many frames a second.
///     Between frames it sleeps until the next frame's deadline (the platform's Sleep, in whole
///     milliseconds, rounded up so that it never spins), then takes the messages that arrived
///     before it draws, so input is never more than one frame late. Deadlines are 1/limit s apart
///     whatever each frame took: a frame a little late is made up by a shorter wait before the
///     next, and after a frame later than a whole period (a slow frame, a window that was hidden)
///     the schedule starts again from it rather than racing to catch up.
///
/// The frame clock runs whatever the settings: LoopSeconds is the time since RunMainLoop started,
/// LastFrameSeconds the time between the starts of the last two frames the loop drew, both from
/// the monotonic clock (vynMonotonicClock.h), which is read without a platform call. An idle
/// routine or a handler moves its scene by them, so that it moves at the same speed at any frame
/// rate: glRotatef(90.0f * LastFrameSeconds(), 0, 1, 0) turns a quarter turn a second.
///
/// Main thread only.
#pragma once

#include <cstdint>
#include <optional>

namespace vyn {

/// The swap intervals SetSwapInterval takes: -1 (adaptive: wait for the blank unless the frame
/// is late, where the driver has it), 0 (swap at once) and up to four blanks a frame.
///@{
inline constexpr int32_t MinSwapInterval = -1;
inline constexpr int32_t MaxSwapInterval = 4;
///@}
/// The highest frame-rate limit: the loop's sleeps are whole milliseconds.
inline constexpr int32_t MaxFrameRateLimit = 1000;

/// Sets the current context's swap interval and keeps it for the contexts made after it. False,
/// with the reason, without a window and context, for an interval outside the bounds above, or
/// when the driver refuses it (nothing is kept then). A context made anew whose driver refuses the
/// kept interval is still made; the platform's reason is recorded.
bool SetSwapInterval(int32_t interval);
/// The interval SetSwapInterval last set; none until it has set one.
std::optional<int32_t> SwapInterval();

/// Draws at most `framesPerSecond` frames a second from the next frame on; 0 lifts the limit.
/// False, with the reason and the limit unchanged, for a number below 0 or above
/// MaxFrameRateLimit. Needs no window: a program may set it first.
bool SetFrameRateLimit(int32_t framesPerSecond);
/// The limit in force; 0 for none, as a program starts.
int32_t FrameRateLimit();

/// Seconds since RunMainLoop last started, read now; 0 before any loop has started.
double LoopSeconds();
/// Seconds between the starts of the last two frames the loop drew; 0 until it has drawn two.
double LastFrameSeconds();

/// For the window module: the loop starts its clock before its first pass.
void StartFrameClock();
/// For the window module: true when the next frame is due, which then starts it (the clock
/// moves on); false after sleeping towards its deadline, so that the loop looks at the messages
/// first and asks again.
bool BeginFrameWhenDue();
/// For the window module: sets the kept swap interval on a context just made; no call when no
/// interval was ever set.
void ApplyKeptSwapInterval();
/// Back to how a program starts: no interval kept, no limit, the clock not started.
void ResetFramePacing();

} // namespace vyn
