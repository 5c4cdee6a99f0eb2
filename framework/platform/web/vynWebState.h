// Private to the web backend: its state and the calls each of its files provides.
//
// The backend keeps the shared WindowSystem (classes, windows, focus, queue) and mirrors its one
// window onto the page's canvas: vynWebWindows.cpp makes and shows it, chooses pixel formats and
// binds WebGL contexts; vynWebEvents.cpp turns the page's events into the window's messages and
// holds the message calls; vynWebServices.cpp the timer, display modes, message box and process
// calls; vynWebBackend.cpp fills the table. Everything runs on the page's one thread.
#pragma once

#include "../emulation/vynInputMessages.h"
#include "../emulation/vynWindowSystem.h"
#include "../vynPlatform.h"

#include <emscripten/html5.h>

#include <map>

namespace vyn {

// The canvas the page gives the program: the element whose id is "canvas".
inline constexpr const char* CanvasSelector = "#canvas";

struct WebContext {
    EMSCRIPTEN_WEBGL_CONTEXT_HANDLE Context = 0;
    int PixelFormat = 0;
    // Animation frames each swap waits for: 1 as the browser paces a page, 0 for none (the swap
    // still gives the page back, at once); wglSwapIntervalEXT sets it.
    int SwapInterval = 1;
};

struct WebState {
    WindowSystem System;
    // The window the canvas shows; a page has one canvas, so one window at a time.
    HWND Window = nullptr;
    std::map<HGLRC, WebContext> Contexts;
    HGLRC Current = nullptr;
    uintptr_t NextContext = 0x30000;
    bool EventsListened = false;
    MouseState Mouse;
};

// The backend's state, made on first use and kept for the life of the page.
WebState& Web();
// Starts listening to the page's keyboard, mouse, focus, visibility and full-screen events.
void ListenToPage();
// Lets a WaitMessage under way return: called after every event of the page.
void WakeWaiter();
// Suspends the program (the page goes on) until the next animation frame, or until WakeWaiter.
void WaitForAnimationFrame();
// Gives the page back to the browser for a moment: whatever the page has waiting runs.
void YieldToPage();
void WaitForPageEvent();
// The screen's size, where a maximised window goes.
RECT WebScreenArea();
// Enters the page's full screen for a maximised popup window; leaves it otherwise.
void ApplyFullScreen(HWND window);
// The canvas at the window's client size.
void SizeCanvas(HWND window);

#define VYN_WEB_DECLARE(ret, name, params, args) ret VYN_WINAPI Web_##name params;
VYN_PLATFORM_CALLS(VYN_WEB_DECLARE)
#undef VYN_WEB_DECLARE

} // namespace vyn
