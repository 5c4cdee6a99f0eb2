// Private to the SDL2 backend: its state and the calls each of its files provides.
//
// The backend keeps the shared WindowSystem (classes, windows, focus, queue) and mirrors each
// window onto an SDL window: vynSdlWindows.cpp makes and shows them, chooses pixel formats and
// binds GL contexts; vynSdlEvents.cpp turns SDL's events into the windows' messages;
// vynSdlServices.cpp holds the timer, display modes, message box and process calls;
// vynSdlBackend.cpp fills the table.
//
// SDL video is started on the first call that needs it and stopped at exit (which also puts a
// changed display mode back). Main thread only, except what vynPlatform.h allows from others:
// SetWindowTextA, timeSetEvent and timeKillEvent.
#pragma once

#include "../emulation/vynDroppedFiles.h"
#include "../emulation/vynInputMessages.h"
#include "../emulation/vynWindowSystem.h"
#include "../vynPlatform.h"

#include <SDL.h>

#include <atomic>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vyn {

struct SdlWindow {
    SDL_Window* Window = nullptr;
    // Whether the SDL window was made with the GL attributes of the window's pixel format.
    bool HasGLVisual = false;
};

struct SdlContext {
    SDL_GLContext Context = nullptr;
    int PixelFormat = 0;
};

struct SdlState {
    WindowSystem System;
    std::map<HWND, SdlWindow> Windows;
    std::map<HGLRC, SdlContext> Contexts;
    HGLRC Current = nullptr;
    HWND CurrentWindow = nullptr;
    uintptr_t NextContext = 0x30000;
    // Probe results of the pixel-format table: whether GLX offers a visual for the entry.
    std::map<int, bool> Offered;
    // The display mode asked for by ChangeDisplaySettingsA, until it is restored.
    std::optional<SDL_DisplayMode> ChangedMode;
    MouseState Mouse;
    DroppedFiles Drops;
    // The files of a drop under way (SDL_DROPBEGIN to SDL_DROPCOMPLETE).
    std::vector<std::string> DroppedPending;
    // The event type that wakes the main thread; read by other threads.
    std::atomic<Uint32> WakeEvent{0};
};

// The backend's state, made on first use and kept for the life of the process.
SdlState& Sdl();
// Starts SDL video and events once; false, with the reason recorded, when it cannot.
bool EnsureSdlVideo();
// The SDL window of a framework window; null when there is none.
SDL_Window* SdlWindowOf(HWND window);
HWND WindowOfSdlId(Uint32 windowId);
// Keeps the screen saver off while a window is active, on otherwise.
void UpdateScreenSaver();
// The area a maximised window fills: the changed display mode, else the usable desktop.
RECT SdlScreenArea();
// Applies ChangedMode (or its absence) to a popup window.
void ApplyFullScreen(HWND window);
// Shows a class's cursor when it is one LoadCursorA made.
void ApplyClassCursor(HCURSOR cursor);
// Takes every waiting SDL event and turns it into messages; blocking waits for the first one.
// True when captions handed over by another thread were delivered.
bool PumpSdlEvents(bool block);

#define VYN_SDL_DECLARE(ret, name, params, args) ret VYN_WINAPI Sdl_##name params;
VYN_PLATFORM_CALLS(VYN_SDL_DECLARE)
#undef VYN_SDL_DECLARE

} // namespace vyn
