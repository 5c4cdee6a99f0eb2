/// @file
/// The window-system calls that a backend driving a WindowSystem answers from the system alone,
/// with nothing of its own to add: the module handle, class registration, frame sizes, updating,
/// invalidating and captioning a window, sending, translating and dispatching messages and the
/// default procedure, painting and device contexts, and describing a pixel format of the table.
///
/// A backend defines them, named with its prefix, in one of its sources:
///   VYN_EMULATED_CALLS(Sdl_, Sdl().System)
/// and writes every other call of the list itself.
#pragma once

#include "vynPixelFormats.h"
#include "vynWindowSystem.h"

/// Defines the calls above as `prefix`Name, over the WindowSystem `system` (an expression).
#define VYN_EMULATED_CALLS(prefix, system)                                                         \
    HINSTANCE VYN_WINAPI prefix##GetModuleHandleA(const char* moduleName) {                        \
        /* Only the program's own module is known; its handle is any fixed, non-null value. */     \
        static const char program = 0;                                                             \
        return moduleName == nullptr ? reinterpret_cast<HINSTANCE>(const_cast<char*>(&program))    \
                                     : nullptr;                                                    \
    }                                                                                              \
    ATOM VYN_WINAPI prefix##RegisterClassExA(const WNDCLASSEXA* windowClass) {                     \
        return system.RegisterClass(windowClass);                                                  \
    }                                                                                              \
    BOOL VYN_WINAPI prefix##UnregisterClassA(const char* className, HINSTANCE) {                   \
        return system.UnregisterClass(className);                                                  \
    }                                                                                              \
    BOOL VYN_WINAPI prefix##AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD) {        \
        return AdjustRectForFrame(rect, style, menu);                                              \
    }                                                                                              \
    BOOL VYN_WINAPI prefix##UpdateWindow(HWND window) {                                            \
        return system.Update(window);                                                              \
    }                                                                                              \
    BOOL VYN_WINAPI prefix##InvalidateRect(HWND window, const RECT* rect, BOOL) {                  \
        return system.Invalidate(window, rect);                                                    \
    }                                                                                              \
    BOOL VYN_WINAPI prefix##SetWindowTextA(HWND window, const char* text) {                        \
        return system.SetCaption(window, text);                                                    \
    }                                                                                              \
    LRESULT VYN_WINAPI prefix##SendMessageA(HWND window, UINT message, WPARAM wParam,              \
                                            LPARAM lParam) {                                       \
        return system.Send(window, message, wParam, lParam);                                       \
    }                                                                                              \
    LRESULT VYN_WINAPI prefix##DefWindowProcA(HWND window, UINT message, WPARAM wParam,            \
                                              LPARAM lParam) {                                     \
        return system.DefaultProcedure(window, message, wParam, lParam);                           \
    }                                                                                              \
    BOOL VYN_WINAPI prefix##TranslateMessage(const MSG* message) {                                 \
        return WindowSystem::Translate(message);                                                   \
    }                                                                                              \
    LRESULT VYN_WINAPI prefix##DispatchMessageA(const MSG* message) {                              \
        return system.Dispatch(message);                                                           \
    }                                                                                              \
    HDC VYN_WINAPI prefix##BeginPaint(HWND window, PAINTSTRUCT* paint) {                           \
        return system.BeginPaint(window, paint);                                                   \
    }                                                                                              \
    BOOL VYN_WINAPI prefix##EndPaint(HWND window, const PAINTSTRUCT* paint) {                      \
        return system.EndPaint(window, paint);                                                     \
    }                                                                                              \
    HDC VYN_WINAPI prefix##GetDC(HWND window) {                                                    \
        return system.DeviceContextOf(window);                                                     \
    }                                                                                              \
    int VYN_WINAPI prefix##ReleaseDC(HWND window, HDC deviceContext) {                             \
        return system.ReleaseDeviceContext(window, deviceContext);                                 \
    }                                                                                              \
    BOOL VYN_WINAPI prefix##DeleteDC(HDC deviceContext) {                                          \
        return system.DeleteDeviceContext(deviceContext);                                          \
    }                                                                                              \
    int VYN_WINAPI prefix##DescribePixelFormat(HDC deviceContext, int format, UINT size,           \
                                               PIXELFORMATDESCRIPTOR* descriptor) {                \
        if (system.FindByDeviceContext(deviceContext) == nullptr)                                  \
            return 0;                                                                              \
        return DescribePixelFormatOfTable(format, size, descriptor);                               \
    }
