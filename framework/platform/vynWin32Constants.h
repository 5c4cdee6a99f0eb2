/// @file
/// The values of the Win32 vocabulary the framework is written in: the messages, styles, flags
/// and virtual keys it uses, with Windows' own values (WM_KEYDOWN is 0x0100, VK_LEFT is 37), and
/// the macros that build and take apart message parameters, as functions.
///
/// <windows.h> defines these very names as macros. A source file may include it as well, before
/// or after this header: each name it has defined already is its macro, with the same value, and
/// is not declared here again; one it defines afterwards replaces the name from there on. Either
/// way a name is then written unqualified (VK_ESCAPE, not vyn::VK_ESCAPE), as the macro cannot
/// be qualified (docs/guide.md: system headers).
#pragma once

#include "vynWin32Types.h"

namespace vyn {

/// Window messages
///@{
#ifndef WM_NULL
inline constexpr UINT WM_NULL = 0x0000;
#endif
#ifndef WM_CREATE
inline constexpr UINT WM_CREATE = 0x0001;
#endif
#ifndef WM_DESTROY
inline constexpr UINT WM_DESTROY = 0x0002;
#endif
#ifndef WM_MOVE
inline constexpr UINT WM_MOVE = 0x0003;
#endif
#ifndef WM_SIZE
inline constexpr UINT WM_SIZE = 0x0005;
#endif
#ifndef WM_ACTIVATE
inline constexpr UINT WM_ACTIVATE = 0x0006;
#endif
#ifndef WM_SETFOCUS
inline constexpr UINT WM_SETFOCUS = 0x0007;
#endif
#ifndef WM_KILLFOCUS
inline constexpr UINT WM_KILLFOCUS = 0x0008;
#endif
#ifndef WM_SETTEXT
inline constexpr UINT WM_SETTEXT = 0x000C;
#endif
#ifndef WM_PAINT
inline constexpr UINT WM_PAINT = 0x000F;
#endif
#ifndef WM_CLOSE
inline constexpr UINT WM_CLOSE = 0x0010;
#endif
#ifndef WM_QUERYENDSESSION
inline constexpr UINT WM_QUERYENDSESSION = 0x0011;
#endif
#ifndef WM_QUIT
inline constexpr UINT WM_QUIT = 0x0012;
#endif
#ifndef WM_ERASEBKGND
inline constexpr UINT WM_ERASEBKGND = 0x0014;
#endif
#ifndef WM_SHOWWINDOW
inline constexpr UINT WM_SHOWWINDOW = 0x0018;
#endif
#ifndef WM_ENDSESSION
inline constexpr UINT WM_ENDSESSION = 0x0016;
#endif
#ifndef WM_KEYDOWN
inline constexpr UINT WM_KEYDOWN = 0x0100;
#endif
#ifndef WM_KEYUP
inline constexpr UINT WM_KEYUP = 0x0101;
#endif
#ifndef WM_CHAR
inline constexpr UINT WM_CHAR = 0x0102;
#endif
#ifndef WM_SYSKEYDOWN
inline constexpr UINT WM_SYSKEYDOWN = 0x0104;
#endif
#ifndef WM_SYSKEYUP
inline constexpr UINT WM_SYSKEYUP = 0x0105;
#endif
#ifndef WM_SYSCHAR
inline constexpr UINT WM_SYSCHAR = 0x0106;
#endif
#ifndef WM_SYSCOMMAND
inline constexpr UINT WM_SYSCOMMAND = 0x0112;
#endif
#ifndef WM_TIMER
inline constexpr UINT WM_TIMER = 0x0113;
#endif
#ifndef WM_MOUSEMOVE
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
#endif
#ifndef WM_LBUTTONDOWN
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
#endif
#ifndef WM_LBUTTONUP
inline constexpr UINT WM_LBUTTONUP = 0x0202;
#endif
#ifndef WM_LBUTTONDBLCLK
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
#endif
#ifndef WM_RBUTTONDOWN
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
#endif
#ifndef WM_RBUTTONUP
inline constexpr UINT WM_RBUTTONUP = 0x0205;
#endif
#ifndef WM_MBUTTONDOWN
inline constexpr UINT WM_MBUTTONDOWN = 0x0207;
#endif
#ifndef WM_MBUTTONUP
inline constexpr UINT WM_MBUTTONUP = 0x0208;
#endif
#ifndef WM_MOUSEWHEEL
inline constexpr UINT WM_MOUSEWHEEL = 0x020A;
#endif
#ifndef WM_XBUTTONDOWN
inline constexpr UINT WM_XBUTTONDOWN = 0x020B;
#endif
#ifndef WM_XBUTTONUP
inline constexpr UINT WM_XBUTTONUP = 0x020C;
#endif
#ifndef WM_MOUSEHWHEEL
inline constexpr UINT WM_MOUSEHWHEEL = 0x020E;
#endif
#ifndef WM_DROPFILES
inline constexpr UINT WM_DROPFILES = 0x0233;
#endif
#ifndef WM_USER
inline constexpr UINT WM_USER = 0x0400;
#endif
///@}

/// WM_SIZE kinds
///@{
#ifndef SIZE_RESTORED
inline constexpr WPARAM SIZE_RESTORED = 0;
#endif
#ifndef SIZE_MINIMIZED
inline constexpr WPARAM SIZE_MINIMIZED = 1;
#endif
#ifndef SIZE_MAXIMIZED
inline constexpr WPARAM SIZE_MAXIMIZED = 2;
#endif
#ifndef SIZE_MAXSHOW
inline constexpr WPARAM SIZE_MAXSHOW = 3;
#endif
#ifndef SIZE_MAXHIDE
inline constexpr WPARAM SIZE_MAXHIDE = 4;
#endif
///@}

/// Mouse-message key flags (wParam of WM_MOUSEMOVE and the button messages)
///@{
#ifndef MK_LBUTTON
inline constexpr WPARAM MK_LBUTTON = 0x0001;
#endif
#ifndef MK_RBUTTON
inline constexpr WPARAM MK_RBUTTON = 0x0002;
#endif
#ifndef MK_SHIFT
inline constexpr WPARAM MK_SHIFT = 0x0004;
#endif
#ifndef MK_CONTROL
inline constexpr WPARAM MK_CONTROL = 0x0008;
#endif
#ifndef MK_MBUTTON
inline constexpr WPARAM MK_MBUTTON = 0x0010;
#endif
#ifndef MK_XBUTTON1
inline constexpr WPARAM MK_XBUTTON1 = 0x0020;
#endif
#ifndef MK_XBUTTON2
inline constexpr WPARAM MK_XBUTTON2 = 0x0040;
#endif
#ifndef XBUTTON1
inline constexpr WORD XBUTTON1 = 0x0001;
#endif
#ifndef XBUTTON2
inline constexpr WORD XBUTTON2 = 0x0002;
#endif
#ifndef WHEEL_DELTA
inline constexpr int WHEEL_DELTA = 120;
#endif
///@}

/// WM_ACTIVATE states
///@{
#ifndef WA_INACTIVE
inline constexpr WPARAM WA_INACTIVE = 0;
#endif
#ifndef WA_ACTIVE
inline constexpr WPARAM WA_ACTIVE = 1;
#endif
#ifndef WA_CLICKACTIVE
inline constexpr WPARAM WA_CLICKACTIVE = 2;
#endif
///@}

/// WM_SYSCOMMAND commands
///@{
#ifndef SC_SIZE
inline constexpr WPARAM SC_SIZE = 0xF000;
#endif
#ifndef SC_MINIMIZE
inline constexpr WPARAM SC_MINIMIZE = 0xF020;
#endif
#ifndef SC_MAXIMIZE
inline constexpr WPARAM SC_MAXIMIZE = 0xF030;
#endif
#ifndef SC_CLOSE
inline constexpr WPARAM SC_CLOSE = 0xF060;
#endif
#ifndef SC_KEYMENU
inline constexpr WPARAM SC_KEYMENU = 0xF100;
#endif
#ifndef SC_RESTORE
inline constexpr WPARAM SC_RESTORE = 0xF120;
#endif
#ifndef SC_SCREENSAVE
inline constexpr WPARAM SC_SCREENSAVE = 0xF140;
#endif
#ifndef SC_MONITORPOWER
inline constexpr WPARAM SC_MONITORPOWER = 0xF170;
#endif
///@}

/// Virtual-key codes
///@{
#ifndef VK_LBUTTON
inline constexpr WPARAM VK_LBUTTON = 0x01;
#endif
#ifndef VK_RBUTTON
inline constexpr WPARAM VK_RBUTTON = 0x02;
#endif
#ifndef VK_BACK
inline constexpr WPARAM VK_BACK = 0x08;
#endif
#ifndef VK_TAB
inline constexpr WPARAM VK_TAB = 0x09;
#endif
#ifndef VK_CLEAR
inline constexpr WPARAM VK_CLEAR = 0x0C;
#endif
#ifndef VK_RETURN
inline constexpr WPARAM VK_RETURN = 0x0D;
#endif
#ifndef VK_SHIFT
inline constexpr WPARAM VK_SHIFT = 0x10;
#endif
#ifndef VK_CONTROL
inline constexpr WPARAM VK_CONTROL = 0x11;
#endif
#ifndef VK_MENU
inline constexpr WPARAM VK_MENU = 0x12;
#endif
#ifndef VK_PAUSE
inline constexpr WPARAM VK_PAUSE = 0x13;
#endif
#ifndef VK_CAPITAL
inline constexpr WPARAM VK_CAPITAL = 0x14;
#endif
#ifndef VK_ESCAPE
inline constexpr WPARAM VK_ESCAPE = 0x1B;
#endif
#ifndef VK_SPACE
inline constexpr WPARAM VK_SPACE = 0x20;
#endif
#ifndef VK_PRIOR
inline constexpr WPARAM VK_PRIOR = 0x21;
#endif
#ifndef VK_NEXT
inline constexpr WPARAM VK_NEXT = 0x22;
#endif
#ifndef VK_END
inline constexpr WPARAM VK_END = 0x23;
#endif
#ifndef VK_HOME
inline constexpr WPARAM VK_HOME = 0x24;
#endif
#ifndef VK_LEFT
inline constexpr WPARAM VK_LEFT = 0x25;
#endif
#ifndef VK_UP
inline constexpr WPARAM VK_UP = 0x26;
#endif
#ifndef VK_RIGHT
inline constexpr WPARAM VK_RIGHT = 0x27;
#endif
#ifndef VK_DOWN
inline constexpr WPARAM VK_DOWN = 0x28;
#endif
#ifndef VK_INSERT
inline constexpr WPARAM VK_INSERT = 0x2D;
#endif
#ifndef VK_SNAPSHOT
inline constexpr WPARAM VK_SNAPSHOT = 0x2C;
#endif
#ifndef VK_DELETE
inline constexpr WPARAM VK_DELETE = 0x2E;
#endif
#ifndef VK_LWIN
inline constexpr WPARAM VK_LWIN = 0x5B;
#endif
#ifndef VK_RWIN
inline constexpr WPARAM VK_RWIN = 0x5C;
#endif
#ifndef VK_APPS
inline constexpr WPARAM VK_APPS = 0x5D;
#endif
#ifndef VK_NUMPAD0
inline constexpr WPARAM VK_NUMPAD0 = 0x60;
#endif
#ifndef VK_MULTIPLY
inline constexpr WPARAM VK_MULTIPLY = 0x6A;
#endif
#ifndef VK_ADD
inline constexpr WPARAM VK_ADD = 0x6B;
#endif
#ifndef VK_SUBTRACT
inline constexpr WPARAM VK_SUBTRACT = 0x6D;
#endif
#ifndef VK_DECIMAL
inline constexpr WPARAM VK_DECIMAL = 0x6E;
#endif
#ifndef VK_DIVIDE
inline constexpr WPARAM VK_DIVIDE = 0x6F;
#endif
#ifndef VK_F1
inline constexpr WPARAM VK_F1 = 0x70;
#endif
#ifndef VK_F10
inline constexpr WPARAM VK_F10 = 0x79;
#endif
#ifndef VK_F12
inline constexpr WPARAM VK_F12 = 0x7B;
#endif
#ifndef VK_NUMLOCK
inline constexpr WPARAM VK_NUMLOCK = 0x90;
#endif
#ifndef VK_SCROLL
inline constexpr WPARAM VK_SCROLL = 0x91;
#endif
#ifndef VK_LSHIFT
inline constexpr WPARAM VK_LSHIFT = 0xA0;
#endif
#ifndef VK_RSHIFT
inline constexpr WPARAM VK_RSHIFT = 0xA1;
#endif
#ifndef VK_LCONTROL
inline constexpr WPARAM VK_LCONTROL = 0xA2;
#endif
#ifndef VK_RCONTROL
inline constexpr WPARAM VK_RCONTROL = 0xA3;
#endif
#ifndef VK_LMENU
inline constexpr WPARAM VK_LMENU = 0xA4;
#endif
#ifndef VK_RMENU
inline constexpr WPARAM VK_RMENU = 0xA5;
#endif
#ifndef VK_OEM_1
inline constexpr WPARAM VK_OEM_1 = 0xBA;
#endif
#ifndef VK_OEM_PLUS
inline constexpr WPARAM VK_OEM_PLUS = 0xBB;
#endif
#ifndef VK_OEM_COMMA
inline constexpr WPARAM VK_OEM_COMMA = 0xBC;
#endif
#ifndef VK_OEM_MINUS
inline constexpr WPARAM VK_OEM_MINUS = 0xBD;
#endif
#ifndef VK_OEM_PERIOD
inline constexpr WPARAM VK_OEM_PERIOD = 0xBE;
#endif
#ifndef VK_OEM_2
inline constexpr WPARAM VK_OEM_2 = 0xBF;
#endif
#ifndef VK_OEM_3
inline constexpr WPARAM VK_OEM_3 = 0xC0;
#endif
#ifndef VK_OEM_4
inline constexpr WPARAM VK_OEM_4 = 0xDB;
#endif
#ifndef VK_OEM_5
inline constexpr WPARAM VK_OEM_5 = 0xDC;
#endif
#ifndef VK_OEM_6
inline constexpr WPARAM VK_OEM_6 = 0xDD;
#endif
#ifndef VK_OEM_7
inline constexpr WPARAM VK_OEM_7 = 0xDE;
#endif
///@}

/// Class and window styles
///@{
#ifndef CS_VREDRAW
inline constexpr UINT CS_VREDRAW = 0x0001;
#endif
#ifndef CS_HREDRAW
inline constexpr UINT CS_HREDRAW = 0x0002;
#endif
#ifndef CS_DBLCLKS
inline constexpr UINT CS_DBLCLKS = 0x0008;
#endif
#ifndef CS_OWNDC
inline constexpr UINT CS_OWNDC = 0x0020;
#endif
#ifndef WS_OVERLAPPED
inline constexpr DWORD WS_OVERLAPPED = 0x00000000;
#endif
#ifndef WS_POPUP
inline constexpr DWORD WS_POPUP = 0x80000000;
#endif
#ifndef WS_VISIBLE
inline constexpr DWORD WS_VISIBLE = 0x10000000;
#endif
#ifndef WS_CLIPSIBLINGS
inline constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
#endif
#ifndef WS_CLIPCHILDREN
inline constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
#endif
#ifndef WS_MAXIMIZE
inline constexpr DWORD WS_MAXIMIZE = 0x01000000;
#endif
#ifndef WS_CAPTION
inline constexpr DWORD WS_CAPTION = 0x00C00000;
#endif
#ifndef WS_BORDER
inline constexpr DWORD WS_BORDER = 0x00800000;
#endif
#ifndef WS_SYSMENU
inline constexpr DWORD WS_SYSMENU = 0x00080000;
#endif
#ifndef WS_THICKFRAME
inline constexpr DWORD WS_THICKFRAME = 0x00040000;
#endif
#ifndef WS_MINIMIZEBOX
inline constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
#endif
#ifndef WS_MAXIMIZEBOX
inline constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
#endif
#ifndef WS_OVERLAPPEDWINDOW
inline constexpr DWORD WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
#endif
#ifndef WS_EX_WINDOWEDGE
inline constexpr DWORD WS_EX_WINDOWEDGE = 0x00000100;
#endif
#ifndef WS_EX_ACCEPTFILES
inline constexpr DWORD WS_EX_ACCEPTFILES = 0x00000010;
#endif
#ifndef WS_EX_APPWINDOW
inline constexpr DWORD WS_EX_APPWINDOW = 0x00040000;
#endif
///@}

/// ShowWindow commands
///@{
#ifndef SW_HIDE
inline constexpr int SW_HIDE = 0;
#endif
#ifndef SW_SHOWNORMAL
inline constexpr int SW_SHOWNORMAL = 1;
#endif
#ifndef SW_SHOWMINIMIZED
inline constexpr int SW_SHOWMINIMIZED = 2;
#endif
#ifndef SW_MAXIMIZE
inline constexpr int SW_MAXIMIZE = 3;
#endif
#ifndef SW_SHOW
inline constexpr int SW_SHOW = 5;
#endif
#ifndef SW_MINIMIZE
inline constexpr int SW_MINIMIZE = 6;
#endif
#ifndef SW_RESTORE
inline constexpr int SW_RESTORE = 9;
#endif
///@}

/// PeekMessage
///@{
#ifndef PM_NOREMOVE
inline constexpr UINT PM_NOREMOVE = 0x0000;
#endif
#ifndef PM_REMOVE
inline constexpr UINT PM_REMOVE = 0x0001;
#endif
///@}

/// Pixel formats
///@{
#ifndef PFD_DOUBLEBUFFER
inline constexpr DWORD PFD_DOUBLEBUFFER = 0x00000001;
#endif
#ifndef PFD_DRAW_TO_WINDOW
inline constexpr DWORD PFD_DRAW_TO_WINDOW = 0x00000004;
#endif
#ifndef PFD_SUPPORT_OPENGL
inline constexpr DWORD PFD_SUPPORT_OPENGL = 0x00000020;
#endif
#ifndef PFD_TYPE_RGBA
inline constexpr BYTE PFD_TYPE_RGBA = 0;
#endif
#ifndef PFD_MAIN_PLANE
inline constexpr BYTE PFD_MAIN_PLANE = 0;
#endif
///@}

/// Display settings
///@{
#ifndef DM_BITSPERPEL
inline constexpr DWORD DM_BITSPERPEL = 0x00040000;
#endif
#ifndef DM_PELSWIDTH
inline constexpr DWORD DM_PELSWIDTH = 0x00080000;
#endif
#ifndef DM_PELSHEIGHT
inline constexpr DWORD DM_PELSHEIGHT = 0x00100000;
#endif
#ifndef DM_DISPLAYFREQUENCY
inline constexpr DWORD DM_DISPLAYFREQUENCY = 0x00400000;
#endif
#ifndef CDS_FULLSCREEN
inline constexpr DWORD CDS_FULLSCREEN = 0x00000004;
#endif
#ifndef DISP_CHANGE_SUCCESSFUL
inline constexpr LONG DISP_CHANGE_SUCCESSFUL = 0;
#endif
#ifndef DISP_CHANGE_FAILED
inline constexpr LONG DISP_CHANGE_FAILED = -1;
#endif
#ifndef DISP_CHANGE_BADMODE
inline constexpr LONG DISP_CHANGE_BADMODE = -2;
#endif
///@}

/// Message boxes
///@{
#ifndef MB_OK
inline constexpr UINT MB_OK = 0x00000000;
#endif
#ifndef IDOK
inline constexpr int IDOK = 1;
#endif
///@}

/// Multimedia timer
///@{
#ifndef TIME_ONESHOT
inline constexpr UINT TIME_ONESHOT = 0x0000;
#endif
#ifndef TIME_PERIODIC
inline constexpr UINT TIME_PERIODIC = 0x0001;
#endif
#ifndef TIMERR_NOERROR
inline constexpr MMRESULT TIMERR_NOERROR = 0;
#endif
#ifndef MMSYSERR_INVALPARAM
inline constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
#endif
#ifndef TIMERR_NOCANDO
inline constexpr MMRESULT TIMERR_NOCANDO = 97;
#endif
///@}

/// System colours and cursors
#ifndef COLOR_INACTIVEBORDER
inline constexpr int COLOR_INACTIVEBORDER = 11;
#endif
/// IDC_ARROW is MAKEINTRESOURCE(32512): a resource number carried in a pointer.
#ifndef IDC_ARROW
inline const char* const IDC_ARROW = reinterpret_cast<const char*>(static_cast<uintptr_t>(32512));
#endif

/// Building and taking apart message parameters.
///@{
#ifndef LOWORD
constexpr WORD LOWORD(uintptr_t value) {
    return static_cast<WORD>(value & 0xFFFF);
}
#endif
#ifndef HIWORD
constexpr WORD HIWORD(uintptr_t value) {
    return static_cast<WORD>((value >> 16) & 0xFFFF);
}
#endif
// windowsx.h's readings of a point in lParam (WM_MOVE, mouse messages): signed 16-bit, so that
// positions left of or above the origin come out negative.
#ifndef GET_X_LPARAM
constexpr int GET_X_LPARAM(LPARAM value) {
    return static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(value)));
}
#endif
#ifndef GET_Y_LPARAM
constexpr int GET_Y_LPARAM(LPARAM value) {
    return static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(value)));
}
#endif
#ifndef MAKELPARAM
constexpr LPARAM MAKELPARAM(WORD low, WORD high) {
    return static_cast<LPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}
#endif
#ifndef MAKEWPARAM
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) {
    return static_cast<WPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}
#endif
///@}

} // namespace vyn
