// The web backend's services: the process calls, cursors, the multimedia timer on the browser's
// timers, display modes (refused), full screen and the message box.
#include "vynWebState.h"

#include "framework/core/vynFailure.h"

#include <emscripten/emscripten.h>

#include <cmath>

namespace vyn {

namespace {

struct WebTimer {
    long BrowserId = 0;
    LPTIMECALLBACK Callback = nullptr;
    DWORD_PTR User = 0;
    bool Periodic = false;
};

std::map<UINT, WebTimer>& Timers() {
    static std::map<UINT, WebTimer> timers;
    return timers;
}

// Runs from the browser's event loop, between frames; `param` carries our id, never a pointer
// that could dangle.
void TimerThunk(void* param) {
    const auto id = static_cast<UINT>(reinterpret_cast<uintptr_t>(param));
    const auto found = Timers().find(id);
    if (found == Timers().end())
        return;
    const WebTimer timer = found->second;
    if (!timer.Periodic)
        Timers().erase(found);
    timer.Callback(id, 0, timer.User, 0, 0);
    WakeWaiter();
}

} // namespace

// JavaScript: clang-format would split its arrows.
// clang-format off
EM_JS(void, vyn_web_show_message, (const char* caption, const char* text), {
    const line = UTF8ToString(caption) + ": " + UTF8ToString(text);
    console.warn(line);
    if (Module.vynShowMessage)
        Module.vynShowMessage(line);
});

EM_ASYNC_JS(void, vyn_web_sleep, (double milliseconds), {
    await new Promise(function(resolve) { setTimeout(resolve, milliseconds); });
});
// clang-format on

// ---- Process and cursors ----

void VYN_WINAPI Web_Sleep(DWORD milliseconds) {
    vyn_web_sleep(milliseconds);
}

HCURSOR VYN_WINAPI Web_LoadCursorA(HINSTANCE, const char*) {
    // The page's own cursor stays; a class without one is what Windows allows too.
    return nullptr;
}

// ---- Multimedia timer ----

MMRESULT VYN_WINAPI Web_timeSetEvent(UINT delay, UINT, LPTIMECALLBACK callback, DWORD_PTR user,
                                     UINT event) {
    if (callback == nullptr || delay == 0 || (event & ~TIME_PERIODIC) != 0)
        return 0;
    static UINT nextId = 1;
    const UINT id = nextId++;
    WebTimer timer{0, callback, user, (event & TIME_PERIODIC) != 0};
    void* param = reinterpret_cast<void*>(uintptr_t{id});
    timer.BrowserId = timer.Periodic ? emscripten_set_interval(TimerThunk, delay, param)
                                     : emscripten_set_timeout(TimerThunk, delay, param);
    Timers()[id] = timer;
    return id;
}

MMRESULT VYN_WINAPI Web_timeKillEvent(UINT timerId) {
    const auto found = Timers().find(timerId);
    if (found == Timers().end())
        return MMSYSERR_INVALPARAM;
    if (found->second.Periodic)
        emscripten_clear_interval(found->second.BrowserId);
    else
        emscripten_clear_timeout(found->second.BrowserId);
    Timers().erase(found);
    return TIMERR_NOERROR;
}

// ---- Display modes and full screen ----

RECT WebScreenArea() {
    int width = 0;
    int height = 0;
    emscripten_get_screen_size(&width, &height);
    return ScaledToCanvas(width, height);
}

RECT ScaledToCanvas(int cssWidth, int cssHeight) {
    const double ratio = CanvasPixelRatio();
    return RECT{0, 0, static_cast<LONG>(std::lround(cssWidth * ratio)),
                static_cast<LONG>(std::lround(cssHeight * ratio))};
}

void ApplyFullScreen(HWND window) {
    const WindowRecord* record = Web().System.Find(window);
    if (record == nullptr || (record->Style & WS_POPUP) == 0)
        return;
    // A page cannot change the display mode, so a shown popup window (the framework's full-screen
    // window) fills the screen instead.
    if (!record->Visible || record->Minimized) {
        EmscriptenFullscreenChangeEvent status{};
        if (emscripten_get_fullscreen_status(&status) == EMSCRIPTEN_RESULT_SUCCESS &&
            status.isFullscreen)
            emscripten_exit_fullscreen(); // which, outside full screen, the browser would reject
        return;
    }
    EmscriptenFullscreenStrategy strategy{};
    strategy.scaleMode = EMSCRIPTEN_FULLSCREEN_SCALE_STRETCH;
    strategy.canvasResolutionScaleMode = EMSCRIPTEN_FULLSCREEN_CANVAS_SCALE_STDDEF;
    strategy.filteringMode = EMSCRIPTEN_FULLSCREEN_FILTERING_DEFAULT;
    // Browsers enter full screen only from a user's key or click: deferred to the next one.
    emscripten_request_fullscreen_strategy(CanvasSelector, EM_TRUE, &strategy);
}

LONG VYN_WINAPI Web_ChangeDisplaySettingsA(DEVMODEA* mode, DWORD) {
    if (mode == nullptr)
        return DISP_CHANGE_SUCCESSFUL; // nothing was changed, nothing to put back
    Fail("ChangeDisplaySettingsA failed: a web page cannot change the display mode (full screen "
         "is a maximised popup window)");
    return DISP_CHANGE_FAILED;
}

// ---- Message box ----

int VYN_WINAPI Web_MessageBoxA(HWND, const char* text, const char* caption, UINT) {
    // A modal dialog would stop the page; the text goes where the user and the console see it.
    vyn_web_show_message(caption ? caption : "", text ? text : "");
    return IDOK;
}

} // namespace vyn
