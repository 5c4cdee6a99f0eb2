// Puts a changed display mode back when the process ends without the framework's teardown.
//
// A backend calls GuardDisplayModeChange once ChangeDisplaySettingsA has changed the mode and
// EndDisplayModeGuard once the mode is back. While a change is guarded, the mode is restored
// through the platform layer, by ChangeDisplaySettingsA(nullptr, 0) on the backend in use, when
//   - the process exits (an atexit handler: exit(), or main returning without the teardown);
//   - an exception is not caught (std::terminate), before the previous terminate handler runs;
//   - SIGSEGV, SIGBUS, SIGFPE, SIGILL or SIGABRT arrives: then the signal takes its course with
//     the disposition it had before (the default one ends the process);
//   - SIGINT or SIGTERM arrives. Where a handler was in place before (SDL's turns them into a
//     quit request, which reaches the window as WM_CLOSE), the first request is handed to it: a
//     running loop then closes and its teardown restores the mode, with exit status 0. A second
//     request while the mode is still changed (the loop is not taking messages), or the first
//     one where nobody handled the signal, restores the mode and ends the process by the signal.
// A signal that was ignored stays ignored; the restore runs at most once.
//
// The guard's own steps in a signal handler are async-signal-safe (atomics, sigaction, alarm,
// raise). The restore itself runs the backend's code (for SDL: SDL and Xlib, which take locks and
// allocate): it is not, so an alarm ends the process if the restore has not returned within
// RestoreTimeLimitSeconds, in case the fault left one of those locks held.
//
// Guard and end on the main thread; the restoring paths run on whichever thread fails. Windows has
// no POSIX signals and resets a CDS_FULLSCREEN mode itself when the process ends: the guard is
// built for POSIX systems only, with the SDL backend that arms it.
#pragma once

namespace vyn {

inline constexpr unsigned RestoreTimeLimitSeconds = 5;

// Starts guarding: installs the handlers above (the exit and terminate hooks once per process).
void GuardDisplayModeChange();
// Stops guarding: puts back the signal dispositions that were in place before. Safe to call when
// nothing is guarded, and from a signal handler.
void EndDisplayModeGuard();
bool DisplayModeGuarded();
// What every path above runs: if a change is guarded, ends the guard and restores the mode once;
// true when it did.
bool RestoreGuardedDisplayMode() noexcept;

} // namespace vyn
