// The SDL2 backend's windows, pixel formats, GL contexts and painting.
//
// GLX fixes a window's visual when the window is made, so CreateWindowExA makes a hidden SDL
// window with SDL's default GL attributes, and SetPixelFormat remakes it (still hidden) with the
// attributes of the chosen format. ChoosePixelFormat takes the closest entry of the format table
// that GLX really offers, found by making a hidden probe window for each candidate in order.
// Contexts are compatibility contexts (the fixed-function pipeline); the swap interval is the
// driver's until wglSwapIntervalEXT sets the current context's through SDL_GL_SetSwapInterval.
#include "vynSdlState.h"

#include "framework/core/vynFailure.h"
#include "framework/platform/emulation/vynPixelFormats.h"

#include <algorithm>

namespace vyn {

namespace {

Uint32 SdlFlagsOf(const WindowRecord& record) {
    Uint32 flags = record.Visible ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN;
    if ((record.Style & WS_CAPTION) != WS_CAPTION)
        flags |= SDL_WINDOW_BORDERLESS;
    if (record.Style & WS_THICKFRAME)
        flags |= SDL_WINDOW_RESIZABLE;
    return flags;
}

void SetGLAttributes(const PIXELFORMATDESCRIPTOR* format) {
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    if (format == nullptr)
        return;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, format->cRedBits);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, format->cGreenBits);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, format->cBlueBits);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, format->cAlphaBits);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, format->cDepthBits);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, format->cStencilBits);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_RED_SIZE, format->cAccumRedBits);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_GREEN_SIZE, format->cAccumGreenBits);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_BLUE_SIZE, format->cAccumBlueBits);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_ALPHA_SIZE, format->cAccumAlphaBits);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, (format->dwFlags & PFD_DOUBLEBUFFER) ? 1 : 0);
}

SDL_Window* MakeSdlWindow(const WindowRecord& record, Uint32 extraFlags) {
    const RECT& client = record.Client;
    return SDL_CreateWindow(record.Caption.c_str(), client.left, client.top,
                            std::max<LONG>(Width(client), 1), std::max<LONG>(Height(client), 1),
                            SdlFlagsOf(record) | extraFlags);
}

// A window with a GL visual when the display has one at all, a plain one otherwise.
SDL_Window* MakeFirstSdlWindow(const WindowRecord& record) {
    SetGLAttributes(nullptr);
    SDL_Window* made = MakeSdlWindow(record, SDL_WINDOW_OPENGL);
    return made ? made : MakeSdlWindow(record, 0);
}

bool GLXOffers(int format) {
    const auto known = Sdl().Offered.find(format);
    if (known != Sdl().Offered.end())
        return known->second;
    const PIXELFORMATDESCRIPTOR descriptor = PixelFormatAt(format);
    SetGLAttributes(&descriptor);
    SDL_Window* probe = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN | SDL_WINDOW_OPENGL);
    if (probe != nullptr)
        SDL_DestroyWindow(probe);
    return Sdl().Offered[format] = probe != nullptr;
}

void DropSdlWindow(HWND window) {
    const auto found = Sdl().Windows.find(window);
    if (found == Sdl().Windows.end())
        return;
    if (Sdl().CurrentWindow == window) {
        // SDL releases a context that is current on a window it destroys.
        Sdl().Current = nullptr;
        Sdl().CurrentWindow = nullptr;
    }
    SDL_DestroyWindow(found->second.Window);
    Sdl().Windows.erase(found);
}

void SyncGeometry(HWND window, SDL_Window* sdlWindow) {
    const WindowRecord* record = Sdl().System.Find(window);
    if (record == nullptr || record->Minimized)
        return;
    SDL_SetWindowPosition(sdlWindow, record->Client.left, record->Client.top);
    SDL_SetWindowSize(sdlWindow, std::max<LONG>(Width(record->Client), 1),
                      std::max<LONG>(Height(record->Client), 1));
}

void MirrorShow(HWND window, int command) {
    SDL_Window* sdlWindow = SdlWindowOf(window);
    if (sdlWindow == nullptr)
        return;
    if (command == SW_HIDE) {
        SDL_HideWindow(sdlWindow);
        return;
    }
    SDL_ShowWindow(sdlWindow);
    if (command == SW_MINIMIZE || command == SW_SHOWMINIMIZED) {
        SDL_MinimizeWindow(sdlWindow);
        return;
    }
    if (command == SW_MAXIMIZE) {
        SyncGeometry(window, sdlWindow);
        SDL_MaximizeWindow(sdlWindow);
    } else if (command == SW_SHOWNORMAL || command == SW_RESTORE) {
        SDL_RestoreWindow(sdlWindow);
        SyncGeometry(window, sdlWindow);
    }
    if (Sdl().System.ActiveWindow() == window) {
        SDL_RaiseWindow(sdlWindow);
        SDL_SetWindowInputFocus(sdlWindow);
    }
}

WindowRecord* RecordWithFormat(HDC deviceContext) {
    WindowRecord* record = Sdl().System.FindByDeviceContext(deviceContext);
    return record != nullptr && record->PixelFormat != 0 ? record : nullptr;
}

bool MakeSdlCurrent(HWND window, SDL_GLContext context) {
    SDL_Window* sdlWindow = SdlWindowOf(window);
    return sdlWindow != nullptr && SDL_GL_MakeCurrent(sdlWindow, context) == 0;
}

void ReleaseCurrent() {
    if (Sdl().Current != nullptr)
        SDL_GL_MakeCurrent(SdlWindowOf(Sdl().CurrentWindow), nullptr);
    Sdl().Current = nullptr;
    Sdl().CurrentWindow = nullptr;
}

// What SDL said about the call that just failed, recorded as the reason of `call`'s failure.
bool SdlFailed(const char* call, const char* sdlCall) {
    return Fail(std::string(call) + " failed: " + sdlCall + ": " + SDL_GetError());
}

// The creation messages; a failure of the window procedure takes the SDL window with it.
bool SendCreationMessages(HWND window) {
    try {
        return Sdl().System.SendCreationMessages(window);
    } catch (...) {
        DropSdlWindow(window);
        throw;
    }
}

} // namespace

// ---- Classes and windows ----

HWND VYN_WINAPI Sdl_CreateWindowExA(DWORD exStyle, const char* className, const char* windowName,
                                    DWORD style, int x, int y, int width, int height, HWND, HMENU,
                                    HINSTANCE, void*) {
    WindowSystem& system = Sdl().System;
    const WNDCLASSEXA* windowClass = system.FindClass(className);
    if (windowClass == nullptr) {
        Fail("CreateWindowExA failed: the window class is not registered");
        return nullptr;
    }
    if (!EnsureSdlVideo())
        return nullptr;
    WindowRecord draft;
    draft.Style = style;
    draft.Caption = windowName ? windowName : "";
    draft.Client = ClientRectOfWindow(RECT{x, y, x + width, y + height}, style);
    SDL_Window* sdlWindow = MakeFirstSdlWindow(draft);
    if (sdlWindow == nullptr) {
        SdlFailed("CreateWindowExA", "SDL_CreateWindow");
        return nullptr;
    }
    const HWND window = system.AddWindow(className, windowName, style, exStyle, draft.Client);
    Sdl().Windows[window] = SdlWindow{sdlWindow, false};
    ApplyClassCursor(windowClass->hCursor);
    ApplyFullScreen(window);
    if (!SendCreationMessages(window)) {
        DropSdlWindow(window);
        Fail("CreateWindowExA failed: the window procedure refused WM_CREATE");
        return nullptr;
    }
    if (style & WS_VISIBLE)
        Sdl_ShowWindow(window, SW_SHOW);
    return window;
}

BOOL VYN_WINAPI Sdl_DestroyWindow(HWND window) {
    if (!Sdl().System.DestroyWindow(window))
        return FALSE;
    DropSdlWindow(window);
    UpdateScreenSaver();
    return TRUE;
}

BOOL VYN_WINAPI Sdl_ShowWindow(HWND window, int command) {
    if (Sdl().System.Find(window) == nullptr)
        return FALSE;
    const BOOL wasVisible = Sdl().System.Show(window, command, SdlScreenArea());
    MirrorShow(window, command);
    UpdateScreenSaver();
    return wasVisible;
}

BOOL VYN_WINAPI Sdl_SetForegroundWindow(HWND window) {
    if (!Sdl().System.Foreground(window))
        return FALSE;
    MirrorShow(window, SW_SHOW);
    UpdateScreenSaver();
    return TRUE;
}

HWND VYN_WINAPI Sdl_SetFocus(HWND window) {
    const HWND previous = Sdl().System.SetFocus(window);
    if (const WindowRecord* record = Sdl().System.Find(window); record && record->Visible)
        MirrorShow(window, SW_SHOW);
    UpdateScreenSaver();
    return previous;
}

// ---- Pixel formats ----

int VYN_WINAPI Sdl_ChoosePixelFormat(HDC deviceContext, const PIXELFORMATDESCRIPTOR* descriptor) {
    if (Sdl().System.FindByDeviceContext(deviceContext) == nullptr || descriptor == nullptr)
        return 0;
    for (int format : RankPixelFormats(*descriptor))
        if (GLXOffers(format))
            return format;
    return 0;
}

BOOL VYN_WINAPI Sdl_SetPixelFormat(HDC deviceContext, int format, const PIXELFORMATDESCRIPTOR*) {
    WindowRecord* record = Sdl().System.FindByDeviceContext(deviceContext);
    if (record == nullptr || format < 1 || format > PixelFormatCount())
        return FALSE;
    if (record->PixelFormat != 0)
        return record->PixelFormat == format ? TRUE : FALSE;
    if (!GLXOffers(format))
        return FALSE;
    const PIXELFORMATDESCRIPTOR descriptor = PixelFormatAt(format);
    SetGLAttributes(&descriptor);
    SDL_Window* remade = MakeSdlWindow(*record, SDL_WINDOW_OPENGL);
    if (remade == nullptr)
        return SdlFailed("SetPixelFormat", "SDL_CreateWindow");
    SdlWindow& entry = Sdl().Windows[record->Handle];
    SDL_DestroyWindow(entry.Window);
    entry = SdlWindow{remade, true};
    record->PixelFormat = format;
    ApplyFullScreen(record->Handle);
    return TRUE;
}

BOOL VYN_WINAPI Sdl_SwapBuffers(HDC deviceContext) {
    const WindowRecord* record = RecordWithFormat(deviceContext);
    // GLX swaps only a drawable with a context current on it; anything else is an X error.
    if (record == nullptr || Sdl().Current == nullptr || Sdl().CurrentWindow != record->Handle)
        return FALSE;
    SDL_GL_SwapWindow(SdlWindowOf(record->Handle));
    return TRUE;
}

// ---- GL contexts ----

HGLRC VYN_WINAPI Sdl_wglCreateContext(HDC deviceContext) {
    const WindowRecord* record = RecordWithFormat(deviceContext);
    if (record == nullptr)
        return nullptr;
    const PIXELFORMATDESCRIPTOR descriptor = PixelFormatAt(record->PixelFormat);
    SetGLAttributes(&descriptor);
    const SDL_GLContext context = SDL_GL_CreateContext(SdlWindowOf(record->Handle));
    if (context == nullptr) {
        SdlFailed("wglCreateContext", "SDL_GL_CreateContext");
        return nullptr;
    }
    // SDL makes a new context current; wglCreateContext leaves the current one as it was.
    if (Sdl().Current != nullptr)
        MakeSdlCurrent(Sdl().CurrentWindow, Sdl().Contexts[Sdl().Current].Context);
    else
        SDL_GL_MakeCurrent(SdlWindowOf(record->Handle), nullptr);
    const auto handle = reinterpret_cast<HGLRC>(Sdl().NextContext++);
    Sdl().Contexts[handle] = SdlContext{context, record->PixelFormat};
    return handle;
}

BOOL VYN_WINAPI Sdl_wglMakeCurrent(HDC deviceContext, HGLRC context) {
    if (context == nullptr) {
        ReleaseCurrent();
        return TRUE;
    }
    const auto found = Sdl().Contexts.find(context);
    const WindowRecord* record = RecordWithFormat(deviceContext);
    if (found == Sdl().Contexts.end() || record == nullptr ||
        record->PixelFormat != found->second.PixelFormat ||
        !MakeSdlCurrent(record->Handle, found->second.Context))
        return FALSE;
    Sdl().Current = context;
    Sdl().CurrentWindow = record->Handle;
    return TRUE;
}

BOOL VYN_WINAPI Sdl_wglDeleteContext(HGLRC context) {
    const auto found = Sdl().Contexts.find(context);
    if (found == Sdl().Contexts.end())
        return FALSE;
    if (Sdl().Current == context)
        ReleaseCurrent();
    SDL_GL_DeleteContext(found->second.Context);
    Sdl().Contexts.erase(found);
    return TRUE;
}

BOOL VYN_WINAPI Sdl_wglSwapIntervalEXT(int interval) {
    if (Sdl().Current == nullptr)
        return Fail("wglSwapIntervalEXT failed: no OpenGL context is current");
    return SDL_GL_SetSwapInterval(interval) == 0 ||
           SdlFailed("wglSwapIntervalEXT", "SDL_GL_SetSwapInterval");
}

} // namespace vyn
