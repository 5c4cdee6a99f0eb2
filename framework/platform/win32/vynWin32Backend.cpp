// The Win32 backend: the framework's window-system calls passed through to user32, gdi32,
// opengl32 and winmm. Texts cross as UTF-16 through the wide calls (the class is registered
// wide, so its windows receive wide messages, and DefWindowProcA goes to DefWindowProcW); records
// are converted to Windows' own, whose layouts are asserted equal below; every call that may run
// a window procedure rethrows that procedure's failure once it returns (vynWin32Procedures.h).
//
// Threads: the thread that creates the windows makes every call, except SetWindowTextA from
// another thread, which hands the caption over, and the timer calls.
#include "framework/platform/vynPlatform.h"

#include "framework/core/vynFailure.h"
#include "framework/platform/emulation/vynDroppedFiles.h"
#include "framework/system/win32/vynWin32Text.h"
#include "vynWin32Native.h"
#include "vynWin32Procedures.h"
#include "vynWin32Timers.h"

#include <mmsystem.h>
#include <shellapi.h>

#include <cstddef>

namespace vyn {

namespace {

using namespace win32;

// The framework's records are Windows' records, field for field.
#define VYN_SAME_FIELD(ours, theirs, field)                                                        \
    static_assert(offsetof(ours, field) == offsetof(theirs, field) &&                              \
                  sizeof(ours::field) == sizeof(theirs::field))
static_assert(sizeof(vyn::RECT) == sizeof(::RECT));
VYN_SAME_FIELD(vyn::RECT, ::RECT, bottom);
static_assert(sizeof(vyn::MSG) == sizeof(::MSG));
VYN_SAME_FIELD(vyn::MSG, ::MSG, message);
VYN_SAME_FIELD(vyn::MSG, ::MSG, lParam);
VYN_SAME_FIELD(vyn::MSG, ::MSG, time);
VYN_SAME_FIELD(vyn::MSG, ::MSG, pt);
static_assert(sizeof(vyn::PAINTSTRUCT) == sizeof(::PAINTSTRUCT));
VYN_SAME_FIELD(vyn::PAINTSTRUCT, ::PAINTSTRUCT, rcPaint);
VYN_SAME_FIELD(vyn::PAINTSTRUCT, ::PAINTSTRUCT, rgbReserved);
static_assert(sizeof(vyn::WNDCLASSEXA) == sizeof(::WNDCLASSEXW));
VYN_SAME_FIELD(vyn::WNDCLASSEXA, ::WNDCLASSEXW, lpfnWndProc);
VYN_SAME_FIELD(vyn::WNDCLASSEXA, ::WNDCLASSEXW, hInstance);
VYN_SAME_FIELD(vyn::WNDCLASSEXA, ::WNDCLASSEXW, hbrBackground);
VYN_SAME_FIELD(vyn::WNDCLASSEXA, ::WNDCLASSEXW, lpszClassName);
VYN_SAME_FIELD(vyn::WNDCLASSEXA, ::WNDCLASSEXW, hIconSm);
static_assert(sizeof(vyn::PIXELFORMATDESCRIPTOR) == sizeof(::PIXELFORMATDESCRIPTOR));
VYN_SAME_FIELD(vyn::PIXELFORMATDESCRIPTOR, ::PIXELFORMATDESCRIPTOR, cColorBits);
VYN_SAME_FIELD(vyn::PIXELFORMATDESCRIPTOR, ::PIXELFORMATDESCRIPTOR, cDepthBits);
VYN_SAME_FIELD(vyn::PIXELFORMATDESCRIPTOR, ::PIXELFORMATDESCRIPTOR, cStencilBits);
VYN_SAME_FIELD(vyn::PIXELFORMATDESCRIPTOR, ::PIXELFORMATDESCRIPTOR, dwDamageMask);
static_assert(sizeof(vyn::DEVMODEA) == sizeof(::DEVMODEA));
VYN_SAME_FIELD(vyn::DEVMODEA, ::DEVMODEA, dmSize);
VYN_SAME_FIELD(vyn::DEVMODEA, ::DEVMODEA, dmFields);
VYN_SAME_FIELD(vyn::DEVMODEA, ::DEVMODEA, dmBitsPerPel);
VYN_SAME_FIELD(vyn::DEVMODEA, ::DEVMODEA, dmPelsWidth);
VYN_SAME_FIELD(vyn::DEVMODEA, ::DEVMODEA, dmDisplayFrequency);
#undef VYN_SAME_FIELD

// A creation call's result, with Windows' own words for its failure recorded as the reason.
template <typename Result>
Result Checked(const char* call, Result result) {
    if (!result)
        RecordFailure(std::string(call) + " failed: " + ErrorText(GetLastError()));
    return result;
}

// ---- Process ----

HINSTANCE VYN_WINAPI Win32_GetModuleHandleA(const char* moduleName) {
    const WideName name(moduleName);
    return HandleCast<HINSTANCE>(GetModuleHandleW(name.Get()));
}

// At the system's default timer resolution a sleep lasts whole ticks of 15.6 ms, and a frame
// limit's sleep to the next deadline would overshoot it by most of a frame.
void VYN_WINAPI Win32_Sleep(DWORD milliseconds) {
    const bool precise = ::timeBeginPeriod(1) == TIMERR_NOERROR;
    ::Sleep(milliseconds);
    if (precise)
        ::timeEndPeriod(1);
}

// ---- Window classes and windows ----

HCURSOR VYN_WINAPI Win32_LoadCursorA(HINSTANCE instance, const char* cursorName) {
    const WideName name(cursorName);
    return HandleCast<HCURSOR>(LoadCursorW(Native(instance), name.Get()));
}

ATOM VYN_WINAPI Win32_RegisterClassExA(const WNDCLASSEXA* windowClass) {
    // Windows refuses a record whose cbSize is not the structure's size (48 is the 32-bit one).
    if (!windowClass || windowClass->cbSize != sizeof(WNDCLASSEXA)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const WideName className(windowClass->lpszClassName);
    const WideName menuName(windowClass->lpszMenuName);
    ::WNDCLASSEXW wide = RecordCast<::WNDCLASSEXW>(*windowClass);
    wide.cbSize = sizeof wide;
    wide.lpfnWndProc = FunctionCast<::WNDPROC>(Trampoline());
    wide.lpszClassName = className.Get();
    wide.lpszMenuName = menuName.Get();
    const ATOM atom = Checked("RegisterClassExA", RegisterClassExW(&wide));
    if (atom != 0)
        RememberProcedure(atom, windowClass->lpfnWndProc);
    return atom;
}

BOOL VYN_WINAPI Win32_UnregisterClassA(const char* className, HINSTANCE instance) {
    const WideName name(className);
    return UnregisterClassW(name.Get(), Native(instance));
}

BOOL VYN_WINAPI Win32_AdjustWindowRectEx(vyn::RECT* rect, DWORD style, BOOL menu, DWORD exStyle) {
    if (!rect)
        return 0;
    ::RECT native = RecordCast<::RECT>(*rect);
    const BOOL adjusted = ::AdjustWindowRectEx(&native, style, menu, exStyle);
    *rect = RecordCast<vyn::RECT>(native);
    return adjusted;
}

HWND VYN_WINAPI Win32_CreateWindowExA(DWORD exStyle, const char* className, const char* windowName,
                                      DWORD style, int x, int y, int width, int height, HWND parent,
                                      HMENU menu, HINSTANCE instance, void* param) {
    const WideName wideClass(className);
    const std::wstring wideName = WidenOrEmpty(windowName);
    return AfterCreation(HandleCast<HWND>(
        Checked("CreateWindowExA",
                CreateWindowExW(exStyle, wideClass.Get(), windowName ? wideName.c_str() : nullptr,
                                style, x, y, width, height, Native(parent),
                                HandleCast<::HMENU>(menu), Native(instance), param))));
}

BOOL VYN_WINAPI Win32_DestroyWindow(HWND window) {
    return AfterProcedures(::DestroyWindow(Native(window)));
}

BOOL VYN_WINAPI Win32_ShowWindow(HWND window, int command) {
    return AfterProcedures(::ShowWindow(Native(window), command));
}

BOOL VYN_WINAPI Win32_SetForegroundWindow(HWND window) {
    return AfterProcedures(::SetForegroundWindow(Native(window)));
}

HWND VYN_WINAPI Win32_SetFocus(HWND window) {
    return AfterProcedures(HandleCast<HWND>(::SetFocus(Native(window))));
}

BOOL VYN_WINAPI Win32_UpdateWindow(HWND window) {
    return AfterProcedures(::UpdateWindow(Native(window)));
}

BOOL VYN_WINAPI Win32_InvalidateRect(HWND window, const vyn::RECT* rect, BOOL erase) {
    if (!rect)
        return ::InvalidateRect(Native(window), nullptr, erase);
    const ::RECT native = RecordCast<::RECT>(*rect);
    return ::InvalidateRect(Native(window), &native, erase);
}

BOOL VYN_WINAPI Win32_SetWindowTextA(HWND window, const char* text) {
    std::wstring caption = WidenOrEmpty(text);
    const DWORD owner = GetWindowThreadProcessId(Native(window), nullptr);
    if (owner != 0 && owner == GetCurrentThreadId())
        return AfterProcedures(SetWindowTextW(Native(window), caption.c_str()));
    return HandOverCaption(window, std::move(caption));
}

// ---- Messages ----
// Messages cross unconverted: the windows are wide, so their text-carrying messages already are.

LRESULT VYN_WINAPI Win32_SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return AfterProcedures(SendMessageW(Native(window), message, wParam, lParam));
}

LRESULT VYN_WINAPI Win32_DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return AfterProcedures(DefWindowProcW(Native(window), message, wParam, lParam));
}

BOOL VYN_WINAPI Win32_PeekMessageA(vyn::MSG* message, HWND window, UINT filterMin, UINT filterMax,
                                   UINT removeFlags) {
    ::MSG native{};
    const BOOL found = PeekMessageW(&native, Native(window), filterMin, filterMax, removeFlags);
    if (found && message)
        *message = RecordCast<vyn::MSG>(native);
    return AfterProcedures(found);
}

BOOL VYN_WINAPI Win32_TranslateMessage(const vyn::MSG* message) {
    if (!message)
        return 0;
    const ::MSG native = RecordCast<::MSG>(*message);
    return ::TranslateMessage(&native);
}

LRESULT VYN_WINAPI Win32_DispatchMessageA(const vyn::MSG* message) {
    if (!message)
        return 0;
    const ::MSG native = RecordCast<::MSG>(*message);
    return AfterProcedures(DispatchMessageW(&native));
}

BOOL VYN_WINAPI Win32_WaitMessage() {
    return AfterProcedures(::WaitMessage());
}

// ---- Painting and device contexts ----

HDC VYN_WINAPI Win32_BeginPaint(HWND window, vyn::PAINTSTRUCT* paint) {
    ::PAINTSTRUCT native{};
    const ::HDC deviceContext = ::BeginPaint(Native(window), &native);
    if (paint)
        *paint = RecordCast<vyn::PAINTSTRUCT>(native);
    return AfterProcedures(HandleCast<HDC>(deviceContext));
}

BOOL VYN_WINAPI Win32_EndPaint(HWND window, const vyn::PAINTSTRUCT* paint) {
    if (!paint)
        return 0;
    const ::PAINTSTRUCT native = RecordCast<::PAINTSTRUCT>(*paint);
    return ::EndPaint(Native(window), &native);
}

HDC VYN_WINAPI Win32_GetDC(HWND window) {
    return HandleCast<HDC>(Checked("GetDC", ::GetDC(Native(window))));
}

int VYN_WINAPI Win32_ReleaseDC(HWND window, HDC deviceContext) {
    return ::ReleaseDC(Native(window), Native(deviceContext));
}

BOOL VYN_WINAPI Win32_DeleteDC(HDC deviceContext) {
    return ::DeleteDC(Native(deviceContext));
}

// ---- Pixel formats and buffers ----

int VYN_WINAPI Win32_ChoosePixelFormat(HDC deviceContext,
                                       const vyn::PIXELFORMATDESCRIPTOR* descriptor) {
    if (!descriptor)
        return 0;
    const auto native = RecordCast<::PIXELFORMATDESCRIPTOR>(*descriptor);
    return Checked("ChoosePixelFormat", ::ChoosePixelFormat(Native(deviceContext), &native));
}

BOOL VYN_WINAPI Win32_SetPixelFormat(HDC deviceContext, int format,
                                     const vyn::PIXELFORMATDESCRIPTOR* descriptor) {
    if (!descriptor)
        return ::SetPixelFormat(Native(deviceContext), format, nullptr);
    const auto native = RecordCast<::PIXELFORMATDESCRIPTOR>(*descriptor);
    return Checked("SetPixelFormat", ::SetPixelFormat(Native(deviceContext), format, &native));
}

int VYN_WINAPI Win32_DescribePixelFormat(HDC deviceContext, int format, UINT size,
                                         vyn::PIXELFORMATDESCRIPTOR* descriptor) {
    if (!descriptor)
        return ::DescribePixelFormat(Native(deviceContext), format, size, nullptr);
    ::PIXELFORMATDESCRIPTOR native{};
    const UINT copied = size < sizeof native ? size : static_cast<UINT>(sizeof native);
    const int count = ::DescribePixelFormat(Native(deviceContext), format, sizeof native, &native);
    if (count != 0)
        std::memcpy(descriptor, &native, copied);
    return count;
}

BOOL VYN_WINAPI Win32_SwapBuffers(HDC deviceContext) {
    return ::SwapBuffers(Native(deviceContext));
}

// ---- OpenGL context binding ----

HGLRC VYN_WINAPI Win32_wglCreateContext(HDC deviceContext) {
    return HandleCast<HGLRC>(
        Checked("wglCreateContext", ::wglCreateContext(Native(deviceContext))));
}

BOOL VYN_WINAPI Win32_wglMakeCurrent(HDC deviceContext, HGLRC context) {
    return Checked("wglMakeCurrent", ::wglMakeCurrent(Native(deviceContext), Native(context)));
}

BOOL VYN_WINAPI Win32_wglDeleteContext(HGLRC context) {
    return ::wglDeleteContext(Native(context));
}

// An extension: the driver of the current context hands out the entry point, or has none.
BOOL VYN_WINAPI Win32_wglSwapIntervalEXT(int interval) {
    using SwapInterval = ::BOOL(WINAPI*)(int);
    const auto setInterval = FunctionCast<SwapInterval>(::wglGetProcAddress("wglSwapIntervalEXT"));
    if (!setInterval)
        return Fail("wglSwapIntervalEXT failed: no context is current, or its driver lacks "
                    "WGL_EXT_swap_control");
    return Checked("wglSwapIntervalEXT", setInterval(interval));
}

// ---- Multimedia timer ----

MMRESULT VYN_WINAPI Win32_timeSetEvent(UINT delay, UINT resolution, LPTIMECALLBACK callback,
                                       DWORD_PTR user, UINT event) {
    return StartTimer(delay, resolution, callback, user, event);
}

MMRESULT VYN_WINAPI Win32_timeKillEvent(UINT timerId) {
    return StopTimer(timerId);
}

// ---- Display modes and message boxes ----

LONG VYN_WINAPI Win32_ChangeDisplaySettingsA(vyn::DEVMODEA* mode, DWORD flags) {
    // Windows tells every top-level window of the change, ours included, before it returns.
    if (!mode)
        return AfterProcedures(::ChangeDisplaySettingsA(nullptr, flags));
    ::DEVMODEA native = RecordCast<::DEVMODEA>(*mode);
    return AfterProcedures(::ChangeDisplaySettingsA(&native, flags));
}

int VYN_WINAPI Win32_MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
    // The box runs a modal loop that keeps dispatching the owner thread's window messages.
    const std::wstring wideText = WidenOrEmpty(text);
    const std::wstring wideCaption = WidenOrEmpty(caption);
    return AfterProcedures(MessageBoxW(Native(owner), wideText.c_str(),
                                       caption ? wideCaption.c_str() : nullptr, type));
}

// ---- Files dropped on a window ----

void VYN_WINAPI Win32_DragAcceptFiles(HWND window, BOOL accept) {
    ::DragAcceptFiles(Native(window), accept);
}

// The name in UTF-8, as the framework's paths are, from the wide call: the ANSI one would lose
// what the code page cannot spell. Lengths and copies count UTF-8 bytes.
UINT VYN_WINAPI Win32_DragQueryFileA(HDROP drop, UINT index, char* file, UINT size) {
    const auto nativeDrop = HandleCast<::HDROP>(drop);
    if (index == DropFileCount)
        return ::DragQueryFileW(nativeDrop, index, nullptr, 0);
    const UINT length = ::DragQueryFileW(nativeDrop, index, nullptr, 0);
    if (length == 0)
        return 0;
    std::wstring wide(length + 1, L'\0');
    wide.resize(::DragQueryFileW(nativeDrop, index, wide.data(), length + 1));
    return AnswerFileName(Narrow(wide), file, size);
}

void VYN_WINAPI Win32_DragFinish(HDROP drop) {
    ::DragFinish(HandleCast<::HDROP>(drop));
}

#define VYN_WIN32_ENTRY(ret, name, params, args) &Win32_##name,
const PlatformBackend Win32Backend = {"win32", VYN_PLATFORM_CALLS(VYN_WIN32_ENTRY)};
#undef VYN_WIN32_ENTRY

} // namespace

const PlatformBackend& NativePlatformBackend() {
    return Win32Backend;
}

} // namespace vyn
