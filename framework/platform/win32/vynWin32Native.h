// The Win32 backend's window onto <windows.h>: the real headers, brought in after the framework's
// own Win32 vocabulary, and the conversions between the two.
//
// The framework's records (vynWin32Types.h) have Windows' layouts but are types of their own, and
// windows.h turns WM_SIZE, TRUE, LOWORD and the rest into macros. So only the backend's sources
// include this header, always after the framework's headers, and they name Windows' own types
// with a leading :: (::HWND, ::MSG) and the framework's without. The framework never sees it.
// Pure conversions; any thread.
#pragma once

#include "../vynPlatform.h"

#include "../../system/win32/vynWindowsApi.h"

#include <bit>
#include <cstddef>
#include <cstring>

namespace vyn::win32 {

// A handle of one vocabulary as the same handle of the other.
template <typename To, typename From>
To HandleCast(From handle) {
    static_assert(sizeof(To) == sizeof(void*) && sizeof(From) == sizeof(void*));
    return reinterpret_cast<To>(handle);
}

inline ::HWND Native(HWND window) {
    return HandleCast<::HWND>(window);
}
inline ::HDC Native(HDC deviceContext) {
    return HandleCast<::HDC>(deviceContext);
}
inline ::HGLRC Native(HGLRC context) {
    return HandleCast<::HGLRC>(context);
}
inline ::HINSTANCE Native(HINSTANCE instance) {
    return HandleCast<::HINSTANCE>(instance);
}

// A callback of one vocabulary as the same callback of the other (WNDPROC, LPTIMECALLBACK): the
// signatures differ only in which declaration of the same handles and integers they name.
template <typename To, typename From>
To FunctionCast(From function) {
    return reinterpret_cast<To>(reinterpret_cast<void (*)()>(function));
}

// A record of one vocabulary as the same record of the other; the layouts are asserted equal in
// vynWin32Backend.cpp.
template <typename To, typename From>
To RecordCast(const From& record) {
    return std::bit_cast<To>(record);
}

} // namespace vyn::win32
