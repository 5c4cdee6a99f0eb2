// Multimedia timers of the Win32 backend: timeSetEvent and timeKillEvent from winmm, with two
// guarantees the bare calls lack.
//   - A callback runs behind a trampoline that catches any exception, which must not unwind into
//     winmm's timer thread (a timer callback has nobody to report a failure to).
//   - Timers are made with TIME_KILL_SYNCHRONOUS: when StopTimer returns, no callback of that
//     timer is running or will run, so the state it reads may be destroyed right after (the
//     caption timer is stopped at program exit). This cannot deadlock as long as callbacks never
//     wait for the thread that stops them; the backend's SetWindowTextA hands its text over
//     instead of waiting (vynWin32Procedures.h).
//
// Any thread.
#pragma once

#include "../vynWin32Constants.h"

namespace vyn::win32 {

// timeSetEvent for a callback function; `event` is TIME_ONESHOT or TIME_PERIODIC. 0 on failure.
MMRESULT StartTimer(UINT delay, UINT resolution, LPTIMECALLBACK callback, DWORD_PTR user,
                    UINT event);
// timeKillEvent: TIMERR_NOERROR, or the error of an unknown (or already finished) timer.
MMRESULT StopTimer(UINT timerId);

} // namespace vyn::win32
