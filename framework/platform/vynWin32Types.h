/// @file
/// The Win32 vocabulary the framework is written in: handles, records and the values of the
/// messages, styles and flags it uses. On every platform these keep Windows' own values and
/// layouts (WM_KEYDOWN is 0x0100, VK_LEFT is 37, PIXELFORMATDESCRIPTOR is 40 bytes), so the
/// framework code reads as it would on Windows and the native backend passes them straight through.
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
/// LRESULT are as wide as a pointer, on every platform.
///@{
using BOOL = int;
using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = uint32_t;
using LONG = int32_t;
using SHORT = int16_t;
using ATOM = uint16_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using DWORD_PTR = uintptr_t;
using MMRESULT = UINT;
///@}

/// BOOL's two values.
///@{
inline constexpr BOOL FALSE = 0;
inline constexpr BOOL TRUE = 1;
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

/// Window messages
///@{
inline constexpr UINT WM_NULL = 0x0000;
inline constexpr UINT WM_CREATE = 0x0001;
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_MOVE = 0x0003;
inline constexpr UINT WM_SIZE = 0x0005;
inline constexpr UINT WM_ACTIVATE = 0x0006;
inline constexpr UINT WM_SETFOCUS = 0x0007;
inline constexpr UINT WM_KILLFOCUS = 0x0008;
inline constexpr UINT WM_SETTEXT = 0x000C;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_QUERYENDSESSION = 0x0011;
inline constexpr UINT WM_QUIT = 0x0012;
inline constexpr UINT WM_ERASEBKGND = 0x0014;
inline constexpr UINT WM_SHOWWINDOW = 0x0018;
inline constexpr UINT WM_ENDSESSION = 0x0016;
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_KEYUP = 0x0101;
inline constexpr UINT WM_CHAR = 0x0102;
inline constexpr UINT WM_SYSKEYDOWN = 0x0104;
inline constexpr UINT WM_SYSKEYUP = 0x0105;
inline constexpr UINT WM_SYSCHAR = 0x0106;
inline constexpr UINT WM_SYSCOMMAND = 0x0112;
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
inline constexpr UINT WM_RBUTTONUP = 0x0205;
inline constexpr UINT WM_MBUTTONDOWN = 0x0207;
inline constexpr UINT WM_MBUTTONUP = 0x0208;
inline constexpr UINT WM_MOUSEWHEEL = 0x020A;
inline constexpr UINT WM_XBUTTONDOWN = 0x020B;
inline constexpr UINT WM_XBUTTONUP = 0x020C;
inline constexpr UINT WM_MOUSEHWHEEL = 0x020E;
inline constexpr UINT WM_USER = 0x0400;
///@}

/// WM_SIZE kinds
///@{
inline constexpr WPARAM SIZE_RESTORED = 0;
inline constexpr WPARAM SIZE_MINIMIZED = 1;
inline constexpr WPARAM SIZE_MAXIMIZED = 2;
inline constexpr WPARAM SIZE_MAXSHOW = 3;
inline constexpr WPARAM SIZE_MAXHIDE = 4;
///@}

/// Mouse-message key flags (wParam of WM_MOUSEMOVE and the button messages)
///@{
inline constexpr WPARAM MK_LBUTTON = 0x0001;
inline constexpr WPARAM MK_RBUTTON = 0x0002;
inline constexpr WPARAM MK_SHIFT = 0x0004;
inline constexpr WPARAM MK_CONTROL = 0x0008;
inline constexpr WPARAM MK_MBUTTON = 0x0010;
inline constexpr WPARAM MK_XBUTTON1 = 0x0020;
inline constexpr WPARAM MK_XBUTTON2 = 0x0040;
inline constexpr WORD XBUTTON1 = 0x0001;
inline constexpr WORD XBUTTON2 = 0x0002;
inline constexpr int WHEEL_DELTA = 120;
///@}

/// WM_ACTIVATE states
///@{
inline constexpr WPARAM WA_INACTIVE = 0;
inline constexpr WPARAM WA_ACTIVE = 1;
inline constexpr WPARAM WA_CLICKACTIVE = 2;
///@}

/// WM_SYSCOMMAND commands
///@{
inline constexpr WPARAM SC_SIZE = 0xF000;
inline constexpr WPARAM SC_MINIMIZE = 0xF020;
inline constexpr WPARAM SC_MAXIMIZE = 0xF030;
inline constexpr WPARAM SC_CLOSE = 0xF060;
inline constexpr WPARAM SC_KEYMENU = 0xF100;
inline constexpr WPARAM SC_RESTORE = 0xF120;
inline constexpr WPARAM SC_SCREENSAVE = 0xF140;
inline constexpr WPARAM SC_MONITORPOWER = 0xF170;
///@}

/// Virtual-key codes
///@{
inline constexpr WPARAM VK_LBUTTON = 0x01;
inline constexpr WPARAM VK_RBUTTON = 0x02;
inline constexpr WPARAM VK_BACK = 0x08;
inline constexpr WPARAM VK_TAB = 0x09;
inline constexpr WPARAM VK_CLEAR = 0x0C;
inline constexpr WPARAM VK_RETURN = 0x0D;
inline constexpr WPARAM VK_SHIFT = 0x10;
inline constexpr WPARAM VK_CONTROL = 0x11;
inline constexpr WPARAM VK_MENU = 0x12;
inline constexpr WPARAM VK_PAUSE = 0x13;
inline constexpr WPARAM VK_CAPITAL = 0x14;
inline constexpr WPARAM VK_ESCAPE = 0x1B;
inline constexpr WPARAM VK_SPACE = 0x20;
inline constexpr WPARAM VK_PRIOR = 0x21;
inline constexpr WPARAM VK_NEXT = 0x22;
inline constexpr WPARAM VK_END = 0x23;
inline constexpr WPARAM VK_HOME = 0x24;
inline constexpr WPARAM VK_LEFT = 0x25;
inline constexpr WPARAM VK_UP = 0x26;
inline constexpr WPARAM VK_RIGHT = 0x27;
inline constexpr WPARAM VK_DOWN = 0x28;
inline constexpr WPARAM VK_INSERT = 0x2D;
inline constexpr WPARAM VK_SNAPSHOT = 0x2C;
inline constexpr WPARAM VK_DELETE = 0x2E;
inline constexpr WPARAM VK_LWIN = 0x5B;
inline constexpr WPARAM VK_RWIN = 0x5C;
inline constexpr WPARAM VK_APPS = 0x5D;
inline constexpr WPARAM VK_NUMPAD0 = 0x60;
inline constexpr WPARAM VK_MULTIPLY = 0x6A;
inline constexpr WPARAM VK_ADD = 0x6B;
inline constexpr WPARAM VK_SUBTRACT = 0x6D;
inline constexpr WPARAM VK_DECIMAL = 0x6E;
inline constexpr WPARAM VK_DIVIDE = 0x6F;
inline constexpr WPARAM VK_F1 = 0x70;
inline constexpr WPARAM VK_F10 = 0x79;
inline constexpr WPARAM VK_F12 = 0x7B;
inline constexpr WPARAM VK_NUMLOCK = 0x90;
inline constexpr WPARAM VK_SCROLL = 0x91;
inline constexpr WPARAM VK_LSHIFT = 0xA0;
inline constexpr WPARAM VK_RSHIFT = 0xA1;
inline constexpr WPARAM VK_LCONTROL = 0xA2;
inline constexpr WPARAM VK_RCONTROL = 0xA3;
inline constexpr WPARAM VK_LMENU = 0xA4;
inline constexpr WPARAM VK_RMENU = 0xA5;
inline constexpr WPARAM VK_OEM_1 = 0xBA;
inline constexpr WPARAM VK_OEM_PLUS = 0xBB;
inline constexpr WPARAM VK_OEM_COMMA = 0xBC;
inline constexpr WPARAM VK_OEM_MINUS = 0xBD;
inline constexpr WPARAM VK_OEM_PERIOD = 0xBE;
inline constexpr WPARAM VK_OEM_2 = 0xBF;
inline constexpr WPARAM VK_OEM_3 = 0xC0;
inline constexpr WPARAM VK_OEM_4 = 0xDB;
inline constexpr WPARAM VK_OEM_5 = 0xDC;
inline constexpr WPARAM VK_OEM_6 = 0xDD;
inline constexpr WPARAM VK_OEM_7 = 0xDE;
///@}

/// Class and window styles
///@{
inline constexpr UINT CS_VREDRAW = 0x0001;
inline constexpr UINT CS_HREDRAW = 0x0002;
inline constexpr UINT CS_DBLCLKS = 0x0008;
inline constexpr UINT CS_OWNDC = 0x0020;
inline constexpr DWORD WS_OVERLAPPED = 0x00000000;
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
inline constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
inline constexpr DWORD WS_MAXIMIZE = 0x01000000;
inline constexpr DWORD WS_CAPTION = 0x00C00000;
inline constexpr DWORD WS_BORDER = 0x00800000;
inline constexpr DWORD WS_SYSMENU = 0x00080000;
inline constexpr DWORD WS_THICKFRAME = 0x00040000;
inline constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
inline constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
inline constexpr DWORD WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
inline constexpr DWORD WS_EX_WINDOWEDGE = 0x00000100;
inline constexpr DWORD WS_EX_APPWINDOW = 0x00040000;
///@}

/// ShowWindow commands
///@{
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_MAXIMIZE = 3;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_RESTORE = 9;
///@}

/// PeekMessage
///@{
inline constexpr UINT PM_NOREMOVE = 0x0000;
inline constexpr UINT PM_REMOVE = 0x0001;
///@}

/// Pixel formats
///@{
inline constexpr DWORD PFD_DOUBLEBUFFER = 0x00000001;
inline constexpr DWORD PFD_DRAW_TO_WINDOW = 0x00000004;
inline constexpr DWORD PFD_SUPPORT_OPENGL = 0x00000020;
inline constexpr BYTE PFD_TYPE_RGBA = 0;
inline constexpr BYTE PFD_MAIN_PLANE = 0;
///@}

/// Display settings
///@{
inline constexpr DWORD DM_BITSPERPEL = 0x00040000;
inline constexpr DWORD DM_PELSWIDTH = 0x00080000;
inline constexpr DWORD DM_PELSHEIGHT = 0x00100000;
inline constexpr DWORD DM_DISPLAYFREQUENCY = 0x00400000;
inline constexpr DWORD CDS_FULLSCREEN = 0x00000004;
inline constexpr LONG DISP_CHANGE_SUCCESSFUL = 0;
inline constexpr LONG DISP_CHANGE_FAILED = -1;
inline constexpr LONG DISP_CHANGE_BADMODE = -2;
///@}

/// Message boxes
///@{
inline constexpr UINT MB_OK = 0x00000000;
inline constexpr int IDOK = 1;
///@}

/// Multimedia timer
///@{
inline constexpr UINT TIME_ONESHOT = 0x0000;
inline constexpr UINT TIME_PERIODIC = 0x0001;
inline constexpr MMRESULT TIMERR_NOERROR = 0;
inline constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
inline constexpr MMRESULT TIMERR_NOCANDO = 97;
///@}

/// System colours and cursors
inline constexpr int COLOR_INACTIVEBORDER = 11;
/// IDC_ARROW is MAKEINTRESOURCE(32512): a resource number carried in a pointer.
inline const char* const IDC_ARROW = reinterpret_cast<const char*>(static_cast<uintptr_t>(32512));

/// Building and taking apart message parameters.
///@{
constexpr WORD LOWORD(uintptr_t value) {
    return static_cast<WORD>(value & 0xFFFF);
}
constexpr WORD HIWORD(uintptr_t value) {
    return static_cast<WORD>((value >> 16) & 0xFFFF);
}
// windowsx.h's readings of a point in lParam (WM_MOVE, mouse messages): signed 16-bit, so that
// positions left of or above the origin come out negative.
constexpr int GET_X_LPARAM(LPARAM value) {
    return static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(value)));
}
constexpr int GET_Y_LPARAM(LPARAM value) {
    return static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(value)));
}
constexpr LPARAM MAKELPARAM(WORD low, WORD high) {
    return static_cast<LPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) {
    return static_cast<WPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}
///@}

} // namespace vyn
