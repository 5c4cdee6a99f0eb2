/// @file
/// The platform layer: the window-system calls of the framework, in Win32's vocabulary.
///
/// The framework calls vyn::CreateWindowExA(...) and the rest of the list in vynPlatformCalls.h;
/// each call goes through the table of the backend in use. A backend is one table of those calls:
///
///   - the SDL2 backend (framework/platform/sdl/), the native one on Linux and the default;
///   - the fake backend (framework/testing/, library vyntesting), scriptable, for tests;
///   - the Win32 backend (framework/platform/win32/), a pass-through to the real calls.
///
/// Every backend gives each call Windows' meaning and results: messages are delivered to the
/// window procedure of the class, SendMessageA calls it at once, PeekMessageA/DispatchMessageA
/// take the window's queued messages, WaitMessage blocks without using the processor until a
/// message arrives, and so on. wglSwapIntervalEXT, an extension on Windows, sets how many vertical
/// blanks each SwapBuffers of the current context waits for: 0 none, 1 every frame, -1 one unless
/// the frame is late (where the driver has that); it returns FALSE, with the reason recorded,
/// where there is no current context or the driver cannot. Calls are made on the main thread,
/// except SetWindowTextA, which a timer callback may make from its own thread: a backend then hands
/// the text to the main thread.
#pragma once

#include "vynPlatformCalls.h"
#include "vynWin32Constants.h"

namespace vyn {

/// A backend: its name and one function pointer per call of vynPlatformCalls.h.
struct PlatformBackend {
    const char* Name; ///< Its short name: "sdl2", "win32" or "fake".
/// Declares the slot of one call of the list (undefined right after use).
#define VYN_PLATFORM_SLOT(ret, name, params, args) ret(VYN_WINAPI* name) params;
    VYN_PLATFORM_CALLS(VYN_PLATFORM_SLOT)
#undef VYN_PLATFORM_SLOT
};

/// The backend of this platform's real windows (SDL2 on Linux, Win32 on Windows).
const PlatformBackend& NativePlatformBackend();

/// The backend in use; the native one until another is chosen.
const PlatformBackend& CurrentPlatformBackend();
/// The seam a test backend plugs into (vyntesting's FakePlatform does, while it lives): chooses
/// the backend for every following call; returns the one used before.
const PlatformBackend& UsePlatformBackend(const PlatformBackend& backend);

/// Defines the inline wrapper of one call of the list, calling through the backend in use
/// (undefined right after use).
#define VYN_PLATFORM_WRAPPER(ret, name, params, args)                                              \
    inline ret name params {                                                                       \
        return CurrentPlatformBackend().name args;                                                 \
    }
VYN_PLATFORM_CALLS(VYN_PLATFORM_WRAPPER)
#undef VYN_PLATFORM_WRAPPER

} // namespace vyn
