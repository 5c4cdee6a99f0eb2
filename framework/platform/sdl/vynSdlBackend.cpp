// Interim: the SDL2 backend's table, before its calls exist. Every call reports failure the way
// Windows does, so that nothing pretends to have made a window.
#include "framework/platform/vynPlatform.h"

namespace vyn {

namespace {
#pragma GCC diagnostic ignored "-Wunused-parameter"
#define VYN_SDL_PENDING(ret, name, params, args)                                                   \
    ret VYN_WINAPI Sdl_##name params {                                                             \
        return ret();                                                                              \
    }
VYN_PLATFORM_CALLS(VYN_SDL_PENDING)
#undef VYN_SDL_PENDING

#define VYN_SDL_ENTRY(ret, name, params, args) &Sdl_##name,
const PlatformBackend SdlBackend = {"sdl2", VYN_PLATFORM_CALLS(VYN_SDL_ENTRY)};
#undef VYN_SDL_ENTRY
} // namespace

const PlatformBackend& NativePlatformBackend() {
    return SdlBackend;
}

} // namespace vyn
