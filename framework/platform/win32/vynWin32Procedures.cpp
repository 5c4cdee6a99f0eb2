#include "vynWin32Procedures.h"

#include "vynWin32Native.h"

#include <exception>
#include <map>
#include <mutex>
#include <utility>

namespace vyn::win32 {

namespace {

std::mutex ProcedureMutex;
std::map<ATOM, WNDPROC> Procedures;

thread_local std::exception_ptr ProcedureFailure;

std::mutex CaptionMutex;
std::map<::HWND, std::wstring> HandedOverCaptions;

UINT CaptionMessage() {
    static const UINT message = RegisterWindowMessageW(L"vyn.HandOverCaption");
    return message;
}

WNDPROC ProcedureOf(::HWND window) {
    const auto atom = static_cast<ATOM>(GetClassWord(window, GCW_ATOM));
    std::lock_guard lock(ProcedureMutex);
    auto found = Procedures.find(atom);
    return found == Procedures.end() ? nullptr : found->second;
}

void ApplyHandedOverCaption(::HWND window) {
    std::wstring caption;
    {
        std::lock_guard lock(CaptionMutex);
        auto found = HandedOverCaptions.find(window);
        if (found == HandedOverCaptions.end())
            return; // a later message already applied it
        caption = std::move(found->second);
        HandedOverCaptions.erase(found);
    }
    SetWindowTextW(window, caption.c_str());
}

void DropHandedOverCaption(::HWND window) {
    std::lock_guard lock(CaptionMutex);
    HandedOverCaptions.erase(window);
}

// The answer for a message whose handler failed: nothing was done for it, and a creation is
// refused.
::LRESULT FailedAnswer(::UINT message) {
    if (message == WM_NCCREATE)
        return FALSE;
    if (message == WM_CREATE)
        return -1;
    return 0;
}

// The rest of a call's messages, while its failure waits: the default procedure, but the
// creation stays refused.
::LRESULT AnswerWhileFailed(::HWND window, ::UINT message, ::WPARAM wParam, ::LPARAM lParam) {
    if (message == WM_NCCREATE || message == WM_CREATE)
        return FailedAnswer(message);
    return DefWindowProcW(window, message, wParam, lParam);
}

::LRESULT CALLBACK TrampolineProcedure(::HWND window, ::UINT message, ::WPARAM wParam,
                                       ::LPARAM lParam) {
    if (message == CaptionMessage()) {
        ApplyHandedOverCaption(window);
        return 0;
    }
    if (message == WM_NCDESTROY)
        DropHandedOverCaption(window);
    if (ProcedureFailure)
        return AnswerWhileFailed(window, message, wParam, lParam);
    const WNDPROC procedure = ProcedureOf(window);
    if (!procedure)
        return DefWindowProcW(window, message, wParam, lParam);
    try {
        return procedure(HandleCast<HWND>(window), message, wParam, lParam);
    } catch (...) {
        ProcedureFailure = std::current_exception();
        return FailedAnswer(message);
    }
}

} // namespace

WNDPROC Trampoline() {
    return FunctionCast<WNDPROC>(&TrampolineProcedure);
}

void RememberProcedure(ATOM atom, WNDPROC procedure) {
    // An atom freed by UnregisterClass and handed out again is simply overwritten here.
    std::lock_guard lock(ProcedureMutex);
    Procedures[atom] = procedure;
}

void RethrowProcedureFailure() {
    if (ProcedureFailure)
        std::rethrow_exception(std::exchange(ProcedureFailure, nullptr));
}

HWND AfterCreation(HWND window) {
    if (ProcedureFailure && window)
        ::DestroyWindow(Native(window));
    RethrowProcedureFailure();
    return window;
}

bool HandOverCaption(HWND window, std::wstring caption) {
    const ::HWND native = Native(window);
    // A null window would post to this thread's own queue instead.
    if (!native || !IsWindow(native))
        return false;
    {
        std::lock_guard lock(CaptionMutex);
        HandedOverCaptions[native] = std::move(caption);
    }
    if (PostMessageW(native, CaptionMessage(), 0, 0))
        return true;
    DropHandedOverCaption(native);
    return false;
}

} // namespace vyn::win32
