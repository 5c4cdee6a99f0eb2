// Window procedures of the Win32 backend, and what must not cross user32's frames.
//
// Every class the framework registers is registered with Windows under one trampoline; the
// framework's own procedure is remembered by class atom and called from it. The trampoline:
//   - keeps C++ exceptions out of user32: a failure escaping the framework's procedure is caught,
//     stored, answered with 0 (nothing done; a failed WM_NCCREATE or WM_CREATE aborts the
//     creation), and rethrown by RethrowProcedureFailure once the call that led there
//     (CreateWindowExA, DispatchMessageA, SendMessageA, ...) is back in the framework's code.
//     Until then, further messages of that call bypass the framework's procedure and get the
//     default one, as if the failure had unwound through it (a creation stays refused);
//   - applies captions handed over from other threads. SetWindowTextA on Windows sends WM_SETTEXT
//     to the window's thread and waits for it; a timer thread doing so while the main thread stops
//     that timer would deadlock. HandOverCaption instead stores the text and posts a private
//     message, so the other thread never waits for the window's thread.
//
// Threads: RememberProcedure and the trampoline run on the thread that owns the windows (the
// main thread); HandOverCaption on any thread. Failures are kept per thread.
#pragma once

#include "../vynWin32Constants.h"

#include <string>

namespace vyn::win32 {

// The procedure to register with Windows (a ::WNDPROC, in the framework's vocabulary).
WNDPROC Trampoline();

// The framework's procedure for the class registered as `atom`.
void RememberProcedure(ATOM atom, WNDPROC procedure);

// Rethrows the failure a window procedure raised on this thread since the last call, if any.
void RethrowProcedureFailure();

// The result of a call that may have run a window procedure, once its failure is rethrown.
template <typename Result>
Result AfterProcedures(Result result) {
    RethrowProcedureFailure();
    return result;
}

// The window CreateWindowExA made, once a failure its procedure raised is rethrown; the window of
// such a creation is destroyed first (its messages bypassing the procedure), so that none is left
// behind by a creation that reports failure.
HWND AfterCreation(HWND window);

// Queues `caption` for `window`, to be set by the window's own thread; false when the window
// does not exist. Only the latest caption of a window is kept.
bool HandOverCaption(HWND window, std::wstring caption);

} // namespace vyn::win32
