/// @file
/// The monotonic clock the frame pacing reads: seconds that only ever go forward, unaffected by
/// changes of the wall clock (std::chrono::steady_clock on every platform).
///
/// A test replaces the source through UseMonotonicClock (vyntesting's FakePlatform does, with a
/// clock that its Sleep advances), so that timing can be checked without waiting. Reading it makes
/// no platform call. Any thread; the source is replaced by the main thread only.
#pragma once

namespace vyn {

/// A source of monotonic seconds, counted from any fixed origin.
using TClockSource = double (*)();

/// Seconds from the source in use; only differences between two readings mean anything.
double MonotonicSeconds();

/// The seam: reads `source` from now on (null: the steady clock again); returns the source used
/// before, null when that was the steady clock.
TClockSource UseMonotonicClock(TClockSource source);

} // namespace vyn
