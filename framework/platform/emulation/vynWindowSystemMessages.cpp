// The message side of the shared window-system state: sending, the queue, PeekMessageA's order,
// the default window procedure and captions handed over from other threads.
#include "vynWindowSystem.h"

#include "framework/platform/vynPlatform.h"

#include <algorithm>

namespace vyn {

namespace {

constexpr WPARAM CloseKey = VK_F1 + 3; // F4

bool InFilter(UINT message, UINT filterMin, UINT filterMax) {
    return (filterMin == 0 && filterMax == 0) || (message >= filterMin && message <= filterMax);
}

} // namespace

LRESULT WindowSystem::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WindowRecord* record = Find(window);
    if (record == nullptr || record->Procedure == nullptr)
        return 0;
    // The record may go away while the procedure runs; copy what the call needs.
    const WNDPROC procedure = record->Procedure;
    if (Delivering)
        Delivering(window, message, wParam, lParam);
    return procedure(window, message, wParam, lParam);
}

bool WindowSystem::Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window != nullptr && Find(window) == nullptr)
        return false;
    std::lock_guard lock(QueueMutex);
    Queue.push_back(MSG{window, message, wParam, lParam, ++Ticks, POINT{}});
    return true;
}

bool WindowSystem::TakeQueued(MSG* message, HWND window, UINT filterMin, UINT filterMax,
                              bool remove) {
    std::lock_guard lock(QueueMutex);
    const auto found = std::find_if(Queue.begin(), Queue.end(), [&](const MSG& queued) {
        return (window == nullptr || queued.hwnd == window) &&
               InFilter(queued.message, filterMin, filterMax);
    });
    if (found == Queue.end())
        return false;
    *message = *found;
    if (remove)
        Queue.erase(found);
    return true;
}

bool WindowSystem::TakePaint(MSG* message, HWND window, UINT filterMin, UINT filterMax) {
    if (!InFilter(WM_PAINT, filterMin, filterMax))
        return false;
    for (const auto& [handle, record] : Records) {
        if ((window == nullptr || handle == window) && record.Visible && !record.Minimized &&
            record.Invalid) {
            *message = MSG{handle, WM_PAINT, 0, 0, Ticks, POINT{}};
            return true;
        }
    }
    return false;
}

BOOL WindowSystem::Peek(MSG* message, HWND window, UINT filterMin, UINT filterMax,
                        UINT removeFlags) {
    if (message == nullptr || (window != nullptr && Find(window) == nullptr))
        return FALSE;
    DeliverCaptions();
    if (TakeQueued(message, window, filterMin, filterMax, (removeFlags & PM_REMOVE) != 0))
        return TRUE;
    return TakePaint(message, window, filterMin, filterMax) ? TRUE : FALSE;
}

bool WindowSystem::HasMessage(HWND window) {
    {
        std::lock_guard lock(QueueMutex);
        if (!PendingCaptions.empty())
            return true;
    }
    MSG ignored{};
    return Peek(&ignored, window, 0, 0, PM_NOREMOVE) != FALSE;
}

BOOL WindowSystem::Translate(const MSG* message) {
    const bool key =
        message != nullptr && (message->message == WM_KEYDOWN || message->message == WM_SYSKEYDOWN);
    return key ? TRUE : FALSE;
}

LRESULT WindowSystem::Dispatch(const MSG* message) {
    if (message == nullptr || message->hwnd == nullptr)
        return 0;
    DeliverCaptions();
    return Send(message->hwnd, message->message, message->wParam, message->lParam);
}

LRESULT WindowSystem::DefaultSysCommand(HWND window, WPARAM command) {
    switch (command & 0xFFF0) {
    case SC_CLOSE:
        return vyn::SendMessageA(window, WM_CLOSE, 0, 0);
    case SC_MINIMIZE:
        vyn::ShowWindow(window, SW_MINIMIZE);
        return 0;
    case SC_MAXIMIZE:
        vyn::ShowWindow(window, SW_MAXIMIZE);
        return 0;
    case SC_RESTORE:
        vyn::ShowWindow(window, SW_RESTORE);
        return 0;
    default:
        return 0;
    }
}

LRESULT WindowSystem::DefaultProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = Find(window);
    if (record == nullptr)
        return 0;
    switch (message) {
    case WM_CLOSE:
        vyn::DestroyWindow(window);
        return 0;
    case WM_SYSCOMMAND:
        return DefaultSysCommand(window, wParam);
    case WM_SYSKEYDOWN:
        // Alt+F4 asks to close, as the system menu would.
        if (wParam == CloseKey && (lParam & (LPARAM{1} << 29)) != 0)
            return vyn::SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    case WM_SETTEXT:
        record->Caption = lParam ? reinterpret_cast<const char*>(lParam) : "";
        if (CaptionChanged)
            CaptionChanged(window, record->Caption);
        return TRUE;
    case WM_PAINT:
        Validate(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    default:
        return 0;
    }
}

// ---- Captions across threads ----

BOOL WindowSystem::SetCaption(HWND window, const char* text) {
    const std::string caption = text ? text : "";
    if (OnMainThread()) {
        if (Find(window) == nullptr)
            return FALSE;
        return Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str())) ? TRUE
                                                                                      : FALSE;
    }
    {
        std::lock_guard lock(QueueMutex);
        if (LiveWindows.count(window) == 0)
            return FALSE;
        PendingCaptions[window] = caption;
    }
    if (Wake)
        Wake();
    return TRUE;
}

void WindowSystem::DeliverCaptions() {
    std::map<HWND, std::string> captions;
    {
        std::lock_guard lock(QueueMutex);
        captions.swap(PendingCaptions);
    }
    for (const auto& [window, caption] : captions)
        Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str()));
}

} // namespace vyn
