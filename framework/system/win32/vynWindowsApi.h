// <windows.h> as the framework's Windows sources take it: the lean set, without the min and max
// macros that would break the standard library's. Included by the Windows sources (and the Win32
// backend's vynWin32Native.h) after the framework's own headers, never by a public header.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
