// The SDL2 backend's table, its state and SDL's start.
#include "vynSdlState.h"

#include "framework/core/vynFailure.h"
#include "framework/platform/emulation/vynEmulatedCalls.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#if defined(__SANITIZE_ADDRESS__)
#define VYN_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(leak_sanitizer)
#define VYN_LEAK_CHECKED 1
#endif
#endif
#ifdef VYN_LEAK_CHECKED
#include <sanitizer/lsan_interface.h>
#endif

namespace vyn {

// The calls the shared window system answers alone.
VYN_EMULATED_CALLS(Sdl_, Sdl().System)
VYN_DROPPED_FILES_CALLS(Sdl_, Sdl().Drops)

namespace {

#define VYN_SDL_ENTRY(ret, name, params, args) &Sdl_##name,
const PlatformBackend SdlBackend = {"sdl2", VYN_PLATFORM_CALLS(VYN_SDL_ENTRY)};
#undef VYN_SDL_ENTRY

constexpr Uint32 NoEvent = static_cast<Uint32>(-1);

// SDL_Quit at exit closes the windows and puts a changed display mode back. It also closes the X
// connection, and with it Mesa unloads its GL driver, whose caches only the driver's own data
// pointed at: a leak check after that finds them lost and cannot name the unloaded code that
// made them. Builds with LeakSanitizer therefore check before SDL quits.
bool QuitSdlAtExit() {
    const bool registered = std::atexit(SDL_Quit) == 0;
#ifdef VYN_LEAK_CHECKED
    std::atexit(__lsan_do_leak_check);
#endif
    return registered;
}

// Xlib's default handler for a lost X connection calls exit(), whose handlers then run SDL_Quit,
// which waits for ever, at full speed, on the dead connection. Nothing is left to put back once
// the server is gone (windows, contexts and display modes went with it), so the process ends at
// once with one line. Xlib is SDL's, opened privately: it is reached through the loaded copy.
int EndOnLostDisplay(void*) {
    static const char message[] = "vyn: the connection to the X display was lost\n";
    const ssize_t written = write(STDERR_FILENO, message, sizeof message - 1);
    (void)written;
    _exit(1);
}

void EndAtOnceWhenTheDisplayIsLost() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::strcmp(driver, "x11") != 0)
        return;
    void* xlib = dlopen("libX11.so.6", RTLD_NOW | RTLD_NOLOAD);
    if (xlib == nullptr)
        return;
    using IOErrorHandler = int (*)(void*);
    using SetIOErrorHandler = IOErrorHandler (*)(IOErrorHandler);
    if (auto setHandler = reinterpret_cast<SetIOErrorHandler>(dlsym(xlib, "XSetIOErrorHandler")))
        setHandler(EndOnLostDisplay);
    dlclose(xlib); // only the reference this lookup added
}

// With no display to reach, SDL falls back to its offscreen driver: a window there is one nobody
// can see or close, and a program would draw into it for ever. Only a caller who names that
// driver in SDL_VIDEODRIVER gets it.
bool OnlyAnInvisibleDriver() {
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    const bool invisible = driver != nullptr && (std::strcmp(driver, "offscreen") == 0 ||
                                                 std::strcmp(driver, "dummy") == 0);
    return invisible && (asked == nullptr || *asked == '\0');
}

bool Named(const char* variable) {
    const char* value = SDL_getenv(variable);
    return value != nullptr && *value != '\0';
}

// Which display SDL is to open. A caller who names a driver gets it; otherwise only the display
// the environment names is tried, so that no other driver's probe (Wayland's, when no Wayland
// display exists) prints its complaints; where both are named SDL chooses. False, with the reason,
// when no display is named at all.
bool ChooseVideoDriver() {
    if (Named("SDL_VIDEODRIVER"))
        return true;
    const bool wayland = Named("WAYLAND_DISPLAY");
    const bool x11 = Named("DISPLAY");
    if (!wayland && !x11)
        return Fail("no display: neither WAYLAND_DISPLAY nor DISPLAY is set");
    if (wayland != x11)
        SDL_SetHint(SDL_HINT_VIDEODRIVER, wayland ? "wayland" : "x11");
    return true;
}

std::string NoDisplayReason() {
    if (Named("SDL_VIDEODRIVER") || Named("WAYLAND_DISPLAY"))
        return std::string("no display: ") + SDL_GetError();
    return std::string("no display: cannot open the X display ") + SDL_getenv("DISPLAY") + " (" +
           SDL_GetError() + ")";
}

void WakeMainThread() {
    const Uint32 wake = Sdl().WakeEvent;
    if (wake == 0 || wake == NoEvent)
        return;
    SDL_Event event{};
    event.type = wake;
    SDL_PushEvent(&event);
}

void ShowCaption(HWND window, const std::string& caption) {
    if (SDL_Window* sdlWindow = SdlWindowOf(window))
        SDL_SetWindowTitle(sdlWindow, caption.c_str());
}

} // namespace

const PlatformBackend& NativePlatformBackend() {
    return SdlBackend;
}

SdlState& Sdl() {
    // Never destroyed: timer threads and exit handlers may still reach it while the process ends.
    static SdlState* const state = [] {
        auto* made = new SdlState();
        made->System.CaptionChanged = ShowCaption;
        made->System.Wake = WakeMainThread;
        return made;
    }();
    return *state;
}

bool EnsureSdlVideo() {
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0)
        return true;
    if (!ChooseVideoDriver())
        return false;
    // The screen saver is the backend's to switch: off only while a window is active.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
        return Fail(NoDisplayReason());
    if (OnlyAnInvisibleDriver()) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        SDL_SetError("no display to open a window on");
        return Fail("no display: SDL offers only a driver whose windows nobody can see");
    }
    static const bool quitAtExit = QuitSdlAtExit();
    (void)quitAtExit;
    EndAtOnceWhenTheDisplayIsLost();
    Sdl().WakeEvent = SDL_RegisterEvents(1);
    return true;
}

SDL_Window* SdlWindowOf(HWND window) {
    const auto found = Sdl().Windows.find(window);
    return found == Sdl().Windows.end() ? nullptr : found->second.Window;
}

HWND WindowOfSdlId(Uint32 windowId) {
    for (const auto& [window, sdlWindow] : Sdl().Windows)
        if (sdlWindow.Window != nullptr && SDL_GetWindowID(sdlWindow.Window) == windowId)
            return window;
    return nullptr;
}

} // namespace vyn
