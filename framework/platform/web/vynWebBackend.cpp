// The web backend: the framework's window system in a browser page, over Emscripten's HTML5 API.
//
// Implemented:
//   - one window, shown on the page's canvas (id "canvas") at the window's client size; its
//     caption is the page's title;
//   - the page's keys (by physical key, the same virtual keys and scan codes as the SDL backend's)
//     and the canvas's mouse buttons, moves and wheel, as the window's messages;
//   - focus: the window is deactivated while the page is hidden or has lost the focus, and
//     activated when it is back, so that an inactive program draws nothing and waits;
//   - WebGL contexts for the pixel formats a canvas has (24-bit colour, 24-bit depth or none,
//     8-bit stencil or none, double-buffered, with an accumulation buffer or none: gl4es keeps
//     one in memory), with gl4es started on the first one made current;
//   - SwapBuffers, WaitMessage and Sleep suspend the program (ASYNCIFY) and give the page back to
//     the browser: SwapBuffers until the next animation frame, so one frame per display refresh
//     (the swap interval counts animation frames: 0 gives the page back without waiting for one,
//     2 waits for two; the adaptive -1 waits for one, as a page cannot tear);
//     WaitMessage until an event of the page arrives, without using the processor meanwhile;
//   - the multimedia timer on the browser's timers (its callbacks run between frames, on the
//     page's one thread);
//   - full screen through the Fullscreen API, for a shown popup window (the framework's
//     full-screen window, whose display-mode change the page refuses): browsers allow it only
//     from a user's key or click, so it starts at the next one;
//   - MessageBoxA shows its text in the page (Module.vynShowMessage, when the page has one) and
//     the console, and returns IDOK at once.
// Refused, each with the reason LastFailure() then gives:
//   - a display-mode change ("a web page cannot change the display mode");
//   - a second window ("the page has one canvas: one window at a time");
//   - pixel formats with alpha or more than 24 bits of depth fall back to the closest one
//     offered: a canvas with alpha would show the page through it, which a window never does.
#include "vynWebState.h"

#include "framework/platform/emulation/vynEmulatedCalls.h"

#include <emscripten/emscripten.h>

namespace vyn {

// The calls the shared window system answers alone.
VYN_EMULATED_CALLS(Web_, Web().System)
VYN_DROPPED_FILES_CALLS(Web_, Web().Drops)

namespace {

#define VYN_WEB_ENTRY(ret, name, params, args) &Web_##name,
const PlatformBackend WebBackend = {"web", VYN_PLATFORM_CALLS(VYN_WEB_ENTRY)};
#undef VYN_WEB_ENTRY

void ShowCaption(HWND window, const std::string& caption) {
    if (window == Web().Window)
        emscripten_set_window_title(caption.c_str());
}

} // namespace

// The page's promise that a waiting program is woken by; the page's shell need not know it.
// (JavaScript: clang-format would split its arrows.)
// clang-format off
EM_JS(void, vyn_web_wake, (), {
    const wake = Module.vynWake;
    Module.vynWake = null;
    if (wake)
        wake();
});

// A hidden page has no animation frames: a swap made just before the page was hidden waits
// until it is shown again, without using the processor.
EM_ASYNC_JS(void, vyn_web_wait_frame, (), {
    await new Promise(function(resolve) { requestAnimationFrame(function() { resolve(); }); });
});

EM_ASYNC_JS(void, vyn_web_wait_event, (), {
    await new Promise(function(resolve) { Module.vynWake = resolve; });
});
// clang-format on

const PlatformBackend& NativePlatformBackend() {
    return WebBackend;
}

WebState& Web() {
    // Never destroyed: the page's callbacks may still reach it while the program ends.
    static WebState* const state = [] {
        auto* made = new WebState();
        made->System.CaptionChanged = ShowCaption;
        made->System.Wake = WakeWaiter;
        return made;
    }();
    return *state;
}

void WakeWaiter() {
    vyn_web_wake();
}

void WaitForAnimationFrame() {
    vyn_web_wait_frame();
}

void YieldToPage() {
    emscripten_sleep(0);
}

void WaitForPageEvent() {
    vyn_web_wait_event();
}

} // namespace vyn
