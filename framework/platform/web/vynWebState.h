// Private to the web backend: its state and the calls each of its files provides.
//
// The backend keeps the shared WindowSystem (classes, windows, focus, queue) and mirrors its one
// window onto the page's canvas: vynWebWindows.cpp makes and shows it, chooses pixel formats and
// binds WebGL contexts; vynWebEvents.cpp turns the page's events into the window's messages and
// holds the message calls; vynWebFiles.cpp takes the files dropped on the canvas or picked;
// vynWebServices.cpp the timer, display modes, message box and process calls; vynWebBackend.cpp
// fills the table. Everything runs on the page's one thread.
#pragma once

#include "../emulation/vynDroppedFiles.h"
#include "../emulation/vynInputMessages.h"
#include "../emulation/vynWindowSystem.h"
#include "../vynPlatform.h"

#include <emscripten/html5.h>

#include <map>
#include <optional>

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
    // The touch that is the left button while it lasts (the page's identifier of it).
    std::optional<long> Finger;
    DroppedFiles Drops;
};

// The backend's state, made on first use and kept for the life of the page.
WebState& Web();
// Starts listening to the page's keyboard, mouse, touch, focus, visibility and full-screen events.
void ListenToPage();
// Listens to the canvas's own events (presses, wheel, touch) again: destroying a WebGL context
// removes every handler on its canvas.
void ListenToCanvas();
// Lets a WaitMessage under way return: called after every event of the page.
void WakeWaiter();
// Suspends the program (the page goes on) until the next animation frame, or until WakeWaiter.
void WaitForAnimationFrame();
// Gives the page back to the browser for a moment: whatever the page has waiting runs.
void YieldToPage();
void WaitForPageEvent();
// The screen's size, where a maximised window goes.
RECT WebScreenArea();
// An area of CSS pixels at the origin, in the canvas's drawing-buffer pixels.
RECT ScaledToCanvas(int cssWidth, int cssHeight);
// Enters the page's full screen for a maximised popup window; leaves it otherwise.
void ApplyFullScreen(HWND window);
// Drawing-buffer pixels per CSS pixel: the screen's devicePixelRatio, so that a picture is sharp
// on a high-density screen, or 1 where the page asks for CSS pixels (Module.vynCssPixels).
double CanvasPixelRatio();
// The canvas at the window's client size: its drawing buffer that size, its CSS size that size
// divided by the pixel ratio.
void SizeCanvas(HWND window);
// A window that fills the page takes the size of its place in it now (WM_SIZE posted).
void FollowPage();

#define VYN_WEB_DECLARE(ret, name, params, args) ret VYN_WINAPI Web_##name params;
VYN_PLATFORM_CALLS(VYN_WEB_DECLARE)
#undef VYN_WEB_DECLARE

} // namespace vyn
