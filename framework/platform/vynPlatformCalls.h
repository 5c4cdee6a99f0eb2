/// @file
/// The one list of window-system calls the framework makes: Win32's user, GDI, WGL and
/// multimedia-timer calls, by their own names and signatures.
///
/// X(result, name, (parameters), (arguments)). vynPlatform.h expands it into the backend table
/// and the wrappers the framework calls; each backend fills the table. Add a call here and only
/// here.
#pragma once

/// The calls, grouped by subject: X(result, name, (parameters), (arguments)) for each.
#define VYN_PLATFORM_CALLS(X)                                                                      \
    /* Process */                                                                                  \
    X(HINSTANCE, GetModuleHandleA, (const char* moduleName), (moduleName))                         \
    X(void, Sleep, (DWORD milliseconds), (milliseconds))                                           \
    /* Window classes and windows */                                                               \
    X(HCURSOR, LoadCursorA, (HINSTANCE instance, const char* cursorName), (instance, cursorName))  \
    X(ATOM, RegisterClassExA, (const WNDCLASSEXA* windowClass), (windowClass))                     \
    X(BOOL, UnregisterClassA, (const char* className, HINSTANCE instance), (className, instance))  \
    X(BOOL, AdjustWindowRectEx, (RECT * rect, DWORD style, BOOL menu, DWORD exStyle),              \
      (rect, style, menu, exStyle))                                                                \
    X(HWND, CreateWindowExA,                                                                       \
      (DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,    \
       int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param),           \
      (exStyle, className, windowName, style, x, y, width, height, parent, menu, instance, param)) \
    X(BOOL, DestroyWindow, (HWND window), (window))                                                \
    X(BOOL, ShowWindow, (HWND window, int command), (window, command))                             \
    X(BOOL, SetForegroundWindow, (HWND window), (window))                                          \
    X(HWND, SetFocus, (HWND window), (window))                                                     \
    X(BOOL, UpdateWindow, (HWND window), (window))                                                 \
    X(BOOL, InvalidateRect, (HWND window, const RECT* rect, BOOL erase), (window, rect, erase))    \
    X(BOOL, SetWindowTextA, (HWND window, const char* text), (window, text))                       \
    /* Messages */                                                                                 \
    X(LRESULT, SendMessageA, (HWND window, UINT message, WPARAM wParam, LPARAM lParam),            \
      (window, message, wParam, lParam))                                                           \
    X(LRESULT, DefWindowProcA, (HWND window, UINT message, WPARAM wParam, LPARAM lParam),          \
      (window, message, wParam, lParam))                                                           \
    X(BOOL, PeekMessageA,                                                                          \
      (MSG * message, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags),              \
      (message, window, filterMin, filterMax, removeFlags))                                        \
    X(BOOL, TranslateMessage, (const MSG* message), (message))                                     \
    X(LRESULT, DispatchMessageA, (const MSG* message), (message))                                  \
    X(BOOL, WaitMessage, (), ())                                                                   \
    /* Painting and device contexts */                                                             \
    X(HDC, BeginPaint, (HWND window, PAINTSTRUCT * paint), (window, paint))                        \
    X(BOOL, EndPaint, (HWND window, const PAINTSTRUCT* paint), (window, paint))                    \
    X(HDC, GetDC, (HWND window), (window))                                                         \
    X(int, ReleaseDC, (HWND window, HDC deviceContext), (window, deviceContext))                   \
    X(BOOL, DeleteDC, (HDC deviceContext), (deviceContext))                                        \
    /* Pixel formats and buffers (GDI) */                                                          \
    X(int, ChoosePixelFormat, (HDC deviceContext, const PIXELFORMATDESCRIPTOR* descriptor),        \
      (deviceContext, descriptor))                                                                 \
    X(BOOL, SetPixelFormat,                                                                        \
      (HDC deviceContext, int format, const PIXELFORMATDESCRIPTOR* descriptor),                    \
      (deviceContext, format, descriptor))                                                         \
    X(int, DescribePixelFormat,                                                                    \
      (HDC deviceContext, int format, UINT size, PIXELFORMATDESCRIPTOR* descriptor),               \
      (deviceContext, format, size, descriptor))                                                   \
    X(BOOL, SwapBuffers, (HDC deviceContext), (deviceContext))                                     \
    /* OpenGL context binding (WGL) */                                                             \
    X(HGLRC, wglCreateContext, (HDC deviceContext), (deviceContext))                               \
    X(BOOL, wglMakeCurrent, (HDC deviceContext, HGLRC context), (deviceContext, context))          \
    X(BOOL, wglDeleteContext, (HGLRC context), (context))                                          \
    X(BOOL, wglSwapIntervalEXT, (int interval), (interval))                                        \
    /* Multimedia timer */                                                                         \
    X(MMRESULT, timeSetEvent,                                                                      \
      (UINT delay, UINT resolution, LPTIMECALLBACK callback, DWORD_PTR user, UINT event),          \
      (delay, resolution, callback, user, event))                                                  \
    X(MMRESULT, timeKillEvent, (UINT timerId), (timerId))                                          \
    /* Display modes and message boxes */                                                          \
    X(LONG, ChangeDisplaySettingsA, (DEVMODEA * mode, DWORD flags), (mode, flags))                 \
    X(int, MessageBoxA, (HWND owner, const char* text, const char* caption, UINT type),            \
      (owner, text, caption, type))                                                                \
    /* Files dropped on a window (shell) */                                                        \
    X(void, DragAcceptFiles, (HWND window, BOOL accept), (window, accept))                         \
    X(UINT, DragQueryFileA, (HDROP drop, UINT index, char* file, UINT size),                       \
      (drop, index, file, size))                                                                   \
    X(void, DragFinish, (HDROP drop), (drop))
