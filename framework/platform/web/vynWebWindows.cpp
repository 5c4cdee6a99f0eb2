// The web backend's window, pixel formats, WebGL contexts and painting.
//
// The window is the page's canvas: its client size is the canvas's drawing buffer, which is its
// CSS size times the screen's pixel ratio, so that a picture is sharp on a high-density screen;
// the size a program asks for is in CSS pixels, as a desktop asks in points. At a ratio of 1 a
// picture is the same pixel for pixel as a desktop window's. Where the page asks for it
// (Module.vynFillPage), a window that is not a popup fills its place in the page instead and
// follows the browser window's size, with WM_SIZE, as a desktop window follows its frame.
// A canvas keeps the attributes of its first WebGL context, so every context of the window is
// made with the attributes of its pixel format, which SetPixelFormat fixes once.
#include "vynWebState.h"

#include "framework/core/vynFailure.h"
#include "framework/platform/emulation/vynPixelFormats.h"

#include <emscripten/emscripten.h>
#include <gl4esinit.h>

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace vyn {

namespace {

// What a canvas offers: no alpha (the page would show through), depth and stencil of the usual
// sizes, double buffering; an accumulation buffer or none (gl4es keeps one of its own: WebGL has
// none).
bool CanvasOffers(const PIXELFORMATDESCRIPTOR& format) {
    return format.cColorBits == 24 && (format.dwFlags & PFD_DOUBLEBUFFER) != 0 &&
           (format.cDepthBits == 0 || format.cDepthBits == 24);
}

EmscriptenWebGLContextAttributes AttributesOf(const PIXELFORMATDESCRIPTOR& format) {
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.alpha = EM_FALSE;
    attributes.depth = format.cDepthBits > 0;
    attributes.stencil = format.cStencilBits > 0;
    attributes.antialias = EM_FALSE;
    attributes.majorVersion = 1;
    attributes.minorVersion = 0;
    return attributes;
}

WindowRecord* RecordWithFormat(HDC deviceContext) {
    WindowRecord* record = Web().System.FindByDeviceContext(deviceContext);
    return record != nullptr && record->PixelFormat != 0 ? record : nullptr;
}

// gl4es asks the size of the frame buffer it draws into: the canvas's drawing buffer.
void CanvasBufferSize(int* width, int* height) {
    emscripten_get_canvas_element_size(CanvasSelector, width, height);
}

// WebGL's entry points and extensions, for gl4es to find what the context offers.
void* WebGLEntryPoint(const char* name) {
    return emscripten_webgl1_get_proc_address(name);
}

// gl4es keeps one state for the page's GL; it starts once, on the first context made current.
// Given the context's entry points, it tests what the context offers (32-bit indices, sizes
// that are not powers of two...) instead of assuming the least. Its banner (some forty lines of
// what it found) stays out of the program's console unless the page's environment asks for it.
void StartGl4esOnce() {
    static const bool started = [] {
        setenv("LIBGL_NOBANNER", "1", 0);
        set_getprocaddress(WebGLEntryPoint);
        set_getmainfbsize(CanvasBufferSize);
        initialize_gl4es();
        return true;
    }();
    (void)started;
}

// clang-format off
EM_JS(int, vyn_web_css_pixels, (), {
    return Module.vynCssPixels ? 1 : 0;
});

EM_JS(int, vyn_web_fills_page, (), {
    return Module.vynFillPage ? 1 : 0;
});

// The canvas's place when it fills the page, in CSS pixels: the width inside what holds it, and
// the height the browser's window leaves it once the rest of the page (above and below it) fits.
EM_JS(void, vyn_web_page_place, (double* width, double* height), {
    const canvas = document.getElementById("canvas");
    const holder = getComputedStyle(canvas.parentElement);
    const inside = canvas.parentElement.clientWidth - parseFloat(holder.paddingLeft) -
                   parseFloat(holder.paddingRight);
    const box = canvas.getBoundingClientRect();
    const page = document.body.getBoundingClientRect();
    const below = page.bottom + parseFloat(getComputedStyle(document.body).marginBottom) - box.bottom;
    HEAPF64[width >> 3] = Math.max(Math.floor(inside), 1);
    HEAPF64[height >> 3] = Math.max(Math.floor(window.innerHeight - box.top - window.scrollY - below), 1);
});
// clang-format on

// The client size of a window that fills the page, in drawing-buffer pixels; none for a window
// that keeps its own size (the page does not ask for it, or a popup).
std::optional<RECT> PagePlace(DWORD style) {
    if (!vyn_web_fills_page() || (style & WS_POPUP) != 0)
        return std::nullopt;
    double width = 0.0;
    double height = 0.0;
    vyn_web_page_place(&width, &height);
    return ScaledToCanvas(static_cast<int>(width), static_cast<int>(height));
}

bool SendCreationMessages(HWND window) {
    try {
        return Web().System.SendCreationMessages(window);
    } catch (...) {
        Web().Window = nullptr;
        throw;
    }
}

} // namespace

double CanvasPixelRatio() {
    const double ratio = vyn_web_css_pixels() ? 1.0 : emscripten_get_device_pixel_ratio();
    return ratio > 0 ? ratio : 1.0;
}

void SizeCanvas(HWND window) {
    const WindowRecord* record = Web().System.Find(window);
    if (record == nullptr || window != Web().Window)
        return;
    const int width = std::max<LONG>(Width(record->Client), 1);
    const int height = std::max<LONG>(Height(record->Client), 1);
    emscripten_set_canvas_element_size(CanvasSelector, width, height);
    const double ratio = CanvasPixelRatio();
    emscripten_set_element_css_size(CanvasSelector, width / ratio, height / ratio);
}

void FollowPage() {
    const WindowRecord* record = Web().System.Find(Web().Window);
    if (record == nullptr || record->Maximized || record->Minimized)
        return;
    // Twice: the canvas's new size may take the page's scrollbar away or bring it, which changes
    // the width of its place.
    for (int pass = 0; pass < 2; ++pass)
        if (const std::optional<RECT> place = PagePlace(record->Style)) {
            Web().System.Resize(record->Handle, place->right, place->bottom, Delivery::Post);
            SizeCanvas(record->Handle);
        }
}

// ---- Classes and windows ----

HWND VYN_WINAPI Web_CreateWindowExA(DWORD exStyle, const char* className, const char* windowName,
                                    DWORD style, int x, int y, int width, int height, HWND, HMENU,
                                    HINSTANCE, void*) {
    WindowSystem& system = Web().System;
    if (system.FindClass(className) == nullptr) {
        Fail("CreateWindowExA failed: the window class is not registered");
        return nullptr;
    }
    if (Web().Window != nullptr) {
        Fail("CreateWindowExA failed: the page has one canvas: one window at a time");
        return nullptr;
    }
    RECT client = ClientRectOfWindow(RECT{x, y, x + width, y + height}, style);
    const RECT buffer = PagePlace(style).value_or(ScaledToCanvas(Width(client), Height(client)));
    client.right = client.left + buffer.right;
    client.bottom = client.top + buffer.bottom;
    const HWND window = system.AddWindow(className, windowName, style, exStyle, client);
    Web().Window = window;
    SizeCanvas(window);
    emscripten_set_window_title(windowName ? windowName : "");
    ListenToPage();
    if (!SendCreationMessages(window)) {
        Web().Window = nullptr;
        system.DestroyWindow(window);
        Fail("CreateWindowExA failed: the window procedure refused WM_CREATE");
        return nullptr;
    }
    if (style & WS_VISIBLE)
        Web_ShowWindow(window, SW_SHOW);
    return window;
}

BOOL VYN_WINAPI Web_DestroyWindow(HWND window) {
    // The page stops taking files for a window that is gone.
    if (const WindowRecord* record = Web().System.Find(window);
        record != nullptr && (record->ExStyle & WS_EX_ACCEPTFILES) != 0)
        Web_DragAcceptFiles(window, FALSE);
    if (!Web().System.DestroyWindow(window))
        return FALSE;
    if (Web().Window == window)
        Web().Window = nullptr;
    return TRUE;
}

BOOL VYN_WINAPI Web_ShowWindow(HWND window, int command) {
    if (Web().System.Find(window) == nullptr)
        return FALSE;
    const BOOL wasVisible = Web().System.Show(window, command, WebScreenArea());
    ApplyFullScreen(window);
    SizeCanvas(window);
    return wasVisible;
}

BOOL VYN_WINAPI Web_SetForegroundWindow(HWND window) {
    return Web().System.Foreground(window);
}

HWND VYN_WINAPI Web_SetFocus(HWND window) {
    return Web().System.SetFocus(window);
}

// ---- Pixel formats ----

int VYN_WINAPI Web_ChoosePixelFormat(HDC deviceContext, const PIXELFORMATDESCRIPTOR* descriptor) {
    if (Web().System.FindByDeviceContext(deviceContext) == nullptr || descriptor == nullptr)
        return 0;
    for (int format : RankPixelFormats(*descriptor))
        if (CanvasOffers(PixelFormatAt(format)))
            return format;
    return 0;
}

BOOL VYN_WINAPI Web_SetPixelFormat(HDC deviceContext, int format, const PIXELFORMATDESCRIPTOR*) {
    WindowRecord* record = Web().System.FindByDeviceContext(deviceContext);
    if (record == nullptr || format < 1 || format > PixelFormatCount())
        return FALSE;
    if (record->PixelFormat != 0)
        return record->PixelFormat == format ? TRUE : FALSE;
    if (!CanvasOffers(PixelFormatAt(format)))
        return Fail("SetPixelFormat failed: a canvas has no pixel format " +
                    std::to_string(format) + " (24-bit colour without alpha only)");
    record->PixelFormat = format;
    return TRUE;
}

BOOL VYN_WINAPI Web_SwapBuffers(HDC deviceContext) {
    const WindowRecord* record = RecordWithFormat(deviceContext);
    if (record == nullptr || Web().Current == nullptr || record->Handle != Web().Window)
        return FALSE;
    // The browser shows what was drawn once the program gives the page back.
    const int interval = Web().Contexts[Web().Current].SwapInterval;
    if (interval == 0)
        YieldToPage();
    for (int frame = 0; frame < interval; ++frame)
        WaitForAnimationFrame();
    return TRUE;
}

// ---- GL contexts ----

HGLRC VYN_WINAPI Web_wglCreateContext(HDC deviceContext) {
    const WindowRecord* record = RecordWithFormat(deviceContext);
    if (record == nullptr || record->Handle != Web().Window)
        return nullptr;
    const EmscriptenWebGLContextAttributes attributes =
        AttributesOf(PixelFormatAt(record->PixelFormat));
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context =
        emscripten_webgl_create_context(CanvasSelector, &attributes);
    if (context <= 0) {
        Fail("wglCreateContext failed: the browser gives the canvas no WebGL context (error " +
             std::to_string(context) + ")");
        return nullptr;
    }
    const auto handle = reinterpret_cast<HGLRC>(Web().NextContext++);
    Web().Contexts[handle] = WebContext{context, record->PixelFormat, 1};
    return handle;
}

BOOL VYN_WINAPI Web_wglMakeCurrent(HDC deviceContext, HGLRC context) {
    if (context == nullptr) {
        emscripten_webgl_make_context_current(0);
        Web().Current = nullptr;
        return TRUE;
    }
    const auto found = Web().Contexts.find(context);
    const WindowRecord* record = RecordWithFormat(deviceContext);
    if (found == Web().Contexts.end() || record == nullptr ||
        record->PixelFormat != found->second.PixelFormat ||
        emscripten_webgl_make_context_current(found->second.Context) != EMSCRIPTEN_RESULT_SUCCESS)
        return FALSE;
    Web().Current = context;
    StartGl4esOnce();
    return TRUE;
}

BOOL VYN_WINAPI Web_wglDeleteContext(HGLRC context) {
    const auto found = Web().Contexts.find(context);
    if (found == Web().Contexts.end())
        return FALSE;
    if (Web().Current == context)
        Web_wglMakeCurrent(nullptr, nullptr);
    emscripten_webgl_destroy_context(found->second.Context);
    Web().Contexts.erase(found);
    if (Web().EventsListened)
        ListenToCanvas(); // the destroyed context took the canvas's handlers with it
    return TRUE;
}

BOOL VYN_WINAPI Web_wglSwapIntervalEXT(int interval) {
    if (Web().Current == nullptr)
        return Fail("wglSwapIntervalEXT failed: no OpenGL context is current");
    Web().Contexts[Web().Current].SwapInterval = interval < 0 ? 1 : interval;
    return TRUE;
}

} // namespace vyn
