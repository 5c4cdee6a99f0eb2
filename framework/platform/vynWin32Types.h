/// @file
/// The Win32 vocabulary the framework is written in: its integer types, handles and records
/// (vynWin32Constants.h holds the values of the messages, styles and flags). On every platform
/// these keep Windows' own sizes and layouts (PIXELFORMATDESCRIPTOR is 40 bytes), so the framework
/// code reads as it would on Windows and the native backend passes them straight through.
#pragma once

#include <cstddef>
#include <cstdint>

/// The calling convention of Win32 calls and callbacks: __stdcall on 32-bit Windows, the default
/// elsewhere.
#if defined(_WIN32) && !defined(_WIN64)
#define VYN_WINAPI __stdcall
#else
#define VYN_WINAPI
#endif

namespace vyn {

/// Windows' integer types, with their sizes there: LONG is 32 bits and WPARAM, LPARAM and
/// LRESULT are as wide as a pointer, on every platform. On Windows each is the very type
/// <windows.h> gives the name, so that a source file including both reads either name, and
/// the macros of <windows.h> that name them, as one type.
///@{
using BOOL = int;
using BYTE = uint8_t;
using WORD = uint16_t;
#if defined(_WIN32)
using DWORD = unsigned long;
using LONG = long;
#else
using DWORD = uint32_t;
using LONG = int32_t;
#endif
using UINT = uint32_t;
using SHORT = int16_t;
using ATOM = uint16_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using DWORD_PTR = uintptr_t;
using MMRESULT = UINT;
///@}

/// BOOL's two values, unless <windows.h> has defined them (vynWin32Constants.h says why).
///@{
#ifndef FALSE
inline constexpr BOOL FALSE = 0;
#endif
#ifndef TRUE
inline constexpr BOOL TRUE = 1;
#endif
///@}

/// Opaque handles: distinct pointer types, compared and stored, never dereferenced.
///@{
#define VYN_DECLARE_HANDLE(name)                                                                   \
    struct name##__;                                                                               \
    using name = name##__*
VYN_DECLARE_HANDLE(HWND);
VYN_DECLARE_HANDLE(HDC);
VYN_DECLARE_HANDLE(HGLRC);
VYN_DECLARE_HANDLE(HINSTANCE);
VYN_DECLARE_HANDLE(HICON);
VYN_DECLARE_HANDLE(HCURSOR);
VYN_DECLARE_HANDLE(HBRUSH);
VYN_DECLARE_HANDLE(HMENU);
VYN_DECLARE_HANDLE(HDROP);
#undef VYN_DECLARE_HANDLE
///@}

/// A window procedure: the function of a window class that every message of its windows goes to.
using WNDPROC = LRESULT(VYN_WINAPI*)(HWND, UINT, WPARAM, LPARAM);
/// A multimedia-timer callback (timeSetEvent); Windows runs it on a thread of its own.
using LPTIMECALLBACK = void(VYN_WINAPI*)(UINT timerId, UINT message, DWORD_PTR user,
                                         DWORD_PTR reserved1, DWORD_PTR reserved2);

/// A point in pixels, with Windows' layout and meaning.
struct POINT {
    LONG x; ///< Rightwards.
    LONG y; ///< Downwards.
};

/// A rectangle in pixels, with Windows' layout and meaning: right and bottom lie just outside it.
struct RECT {
    /// Its edges.
    ///@{
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
    ///@}
};

/// A queued message, with Windows' layout and meaning (PeekMessageA fills it).
struct MSG {
    HWND hwnd;     ///< The window it is for; null for a message to the thread (WM_QUIT).
    UINT message;  ///< Which message: WM_PAINT, WM_KEYDOWN...
    WPARAM wParam; ///< The message's first parameter.
    LPARAM lParam; ///< The message's second parameter.
    DWORD time;    ///< When it was posted, in milliseconds.
    POINT pt;      ///< Where the cursor was then, in screen coordinates.
};

/// What BeginPaint gives and EndPaint takes back, with Windows' layout and meaning.
struct PAINTSTRUCT {
    HDC hdc;      ///< The device context to paint with.
    BOOL fErase;  ///< Whether the background still needs erasing.
    RECT rcPaint; ///< The part of the client area to paint.
    /// Reserved for the system.
    ///@{
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
    ///@}
};

/// A window class, as RegisterClassExA takes it, with Windows' layout and meaning.
struct WNDCLASSEXA {
    /// Windows' fields, with their meaning there.
    ///@{
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    const char* lpszMenuName;
    const char* lpszClassName;
    HICON hIconSm;
    ///@}
};

/// A pixel format, as ChoosePixelFormat takes it and DescribePixelFormat gives it, with Windows'
/// layout and meaning.
struct PIXELFORMATDESCRIPTOR {
    /// Windows' fields, with their meaning there.
    ///@{
    WORD nSize;
    WORD nVersion;
    DWORD dwFlags;
    BYTE iPixelType;
    BYTE cColorBits;
    BYTE cRedBits;
    BYTE cRedShift;
    BYTE cGreenBits;
    BYTE cGreenShift;
    BYTE cBlueBits;
    BYTE cBlueShift;
    BYTE cAlphaBits;
    BYTE cAlphaShift;
    BYTE cAccumBits;
    BYTE cAccumRedBits;
    BYTE cAccumGreenBits;
    BYTE cAccumBlueBits;
    BYTE cAccumAlphaBits;
    BYTE cDepthBits;
    BYTE cStencilBits;
    BYTE cAuxBuffers;
    BYTE iLayerType;
    BYTE bReserved;
    DWORD dwLayerMask;
    DWORD dwVisibleMask;
    DWORD dwDamageMask;
    ///@}
};
static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40);

/// A display mode, as ChangeDisplaySettingsA takes it, with Windows' layout and meaning.
struct DEVMODEA {
    /// Windows' fields, with their meaning there.
    ///@{
    BYTE dmDeviceName[32];
    WORD dmSpecVersion;
    WORD dmDriverVersion;
    WORD dmSize;
    WORD dmDriverExtra;
    DWORD dmFields;
    ///@}
    /// The printer/display union; displays use the position and orientation members.
    ///@{
    LONG dmPositionX;
    LONG dmPositionY;
    DWORD dmDisplayOrientation;
    DWORD dmDisplayFixedOutput;
    ///@}
    /// Windows' fields, with their meaning there.
    ///@{
    SHORT dmColor;
    SHORT dmDuplex;
    SHORT dmYResolution;
    SHORT dmTTOption;
    SHORT dmCollate;
    BYTE dmFormName[32];
    WORD dmLogPixels;
    DWORD dmBitsPerPel;
    DWORD dmPelsWidth;
    DWORD dmPelsHeight;
    DWORD dmDisplayFlags;
    DWORD dmDisplayFrequency;
    DWORD dmICMMethod;
    DWORD dmICMIntent;
    DWORD dmMediaType;
    DWORD dmDitherType;
    DWORD dmReserved1;
    DWORD dmReserved2;
    DWORD dmPanningWidth;
    DWORD dmPanningHeight;
    ///@}
};
static_assert(sizeof(DEVMODEA) == 156);

} // namespace vyn
