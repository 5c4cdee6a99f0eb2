// The SDL2 backend's services: the process calls, cursors, the multimedia timer, display modes,
// the message box and the screen saver.
//
// Timers run on SDL's timer thread. timeKillEvent removes the timer and, unless it is called from
// the callback itself, waits until a callback that is running has returned, so the caller may
// free what the callback reads. A display-mode change is SDL full screen, in the closest mode the
// display has, for popup windows; ChangeDisplaySettingsA(nullptr, 0) leaves it. While a mode is
// changed, the display-mode guard puts it back should the process end without the teardown.
#include "vynSdlState.h"

#include "framework/platform/sdl/vynDisplayModeGuard.h"

#include <condition_variable>
#include <mutex>
#include <set>
#include <thread>

namespace vyn {

namespace {

struct SdlTimer {
    SDL_TimerID Id = 0;
    UINT Delay = 0;
    LPTIMECALLBACK Callback = nullptr;
    DWORD_PTR User = 0;
    bool Periodic = false;
    bool Killed = false;
    bool Running = false;
    std::thread::id RunningOn;
};

struct TimerTable {
    std::mutex Mutex;
    std::condition_variable Idle;
    std::map<UINT, SdlTimer> Timers;
    UINT NextId = 1;
};

TimerTable& Timers() {
    static TimerTable* const table = new TimerTable();
    return *table;
}

// Runs on SDL's timer thread; `param` carries our id, never a pointer that could dangle.
Uint32 TimerThunk(Uint32 interval, void* param) {
    const auto id = static_cast<UINT>(reinterpret_cast<uintptr_t>(param));
    TimerTable& table = Timers();
    std::unique_lock lock(table.Mutex);
    auto found = table.Timers.find(id);
    if (found == table.Timers.end() || found->second.Killed)
        return 0;
    found->second.Running = true;
    found->second.RunningOn = std::this_thread::get_id();
    const SdlTimer timer = found->second;
    lock.unlock();
    timer.Callback(id, 0, timer.User, 0, 0);
    lock.lock();
    // A callback that killed its own timer finds it gone.
    found = table.Timers.find(id);
    if (found == table.Timers.end())
        return 0;
    found->second.Running = false;
    const bool again = timer.Periodic && !found->second.Killed;
    if (!timer.Periodic && !found->second.Killed)
        table.Timers.erase(found);
    table.Idle.notify_all();
    return again ? interval : 0;
}

std::set<HCURSOR>& Cursors() {
    static std::set<HCURSOR> cursors;
    return cursors;
}

bool SystemCursorOf(uintptr_t resource, SDL_SystemCursor& cursor) {
    switch (resource) {
    case 32512:
        cursor = SDL_SYSTEM_CURSOR_ARROW;
        return true;
    case 32513:
        cursor = SDL_SYSTEM_CURSOR_IBEAM;
        return true;
    case 32514:
        cursor = SDL_SYSTEM_CURSOR_WAIT;
        return true;
    case 32515:
        cursor = SDL_SYSTEM_CURSOR_CROSSHAIR;
        return true;
    case 32649:
        cursor = SDL_SYSTEM_CURSOR_HAND;
        return true;
    default:
        return false;
    }
}

LONG ChangeToMode(const DEVMODEA& mode) {
    if (mode.dmSize != sizeof(DEVMODEA))
        return DISP_CHANGE_BADMODE;
    SDL_DisplayMode desktop{};
    if (!EnsureSdlVideo() || SDL_GetDesktopDisplayMode(0, &desktop) != 0)
        return DISP_CHANGE_FAILED;
    // X servers keep their colour depth, so bits per pixel are not part of the match.
    SDL_DisplayMode wanted{};
    wanted.w = (mode.dmFields & DM_PELSWIDTH) ? static_cast<int>(mode.dmPelsWidth) : desktop.w;
    wanted.h = (mode.dmFields & DM_PELSHEIGHT) ? static_cast<int>(mode.dmPelsHeight) : desktop.h;
    if (mode.dmFields & DM_DISPLAYFREQUENCY)
        wanted.refresh_rate = static_cast<int>(mode.dmDisplayFrequency);
    SDL_DisplayMode closest{};
    if (SDL_GetClosestDisplayMode(0, &wanted, &closest) == nullptr)
        return DISP_CHANGE_BADMODE;
    Sdl().ChangedMode = closest;
    for (HWND window : Sdl().System.Windows())
        ApplyFullScreen(window);
    GuardDisplayModeChange();
    return DISP_CHANGE_SUCCESSFUL;
}

} // namespace

// ---- Process and cursors ----

void VYN_WINAPI Sdl_Sleep(DWORD milliseconds) {
    SDL_Delay(milliseconds);
}

HCURSOR VYN_WINAPI Sdl_LoadCursorA(HINSTANCE instance, const char* cursorName) {
    SDL_SystemCursor systemCursor{};
    if (instance != nullptr ||
        !SystemCursorOf(reinterpret_cast<uintptr_t>(cursorName), systemCursor) || !EnsureSdlVideo())
        return nullptr;
    SDL_Cursor* cursor = SDL_CreateSystemCursor(systemCursor);
    if (cursor == nullptr)
        return nullptr;
    const auto handle = reinterpret_cast<HCURSOR>(cursor);
    Cursors().insert(handle);
    return handle;
}

void ApplyClassCursor(HCURSOR cursor) {
    if (Cursors().count(cursor) != 0)
        SDL_SetCursor(reinterpret_cast<SDL_Cursor*>(cursor));
}

// ---- Multimedia timer ----

MMRESULT VYN_WINAPI Sdl_timeSetEvent(UINT delay, UINT, LPTIMECALLBACK callback, DWORD_PTR user,
                                     UINT event) {
    if (callback == nullptr || delay == 0 || (event & ~TIME_PERIODIC) != 0)
        return 0;
    if (SDL_WasInit(SDL_INIT_TIMER) == 0 && SDL_InitSubSystem(SDL_INIT_TIMER) != 0)
        return 0;
    TimerTable& table = Timers();
    std::lock_guard lock(table.Mutex);
    const UINT id = table.NextId++;
    SdlTimer& timer = table.Timers[id];
    timer.Delay = delay;
    timer.Callback = callback;
    timer.User = user;
    timer.Periodic = (event & TIME_PERIODIC) != 0;
    // The table's lock keeps the first tick waiting until the SDL id is stored.
    timer.Id = SDL_AddTimer(delay, TimerThunk, reinterpret_cast<void*>(uintptr_t{id}));
    if (timer.Id == 0) {
        table.Timers.erase(id);
        return 0;
    }
    return id;
}

MMRESULT VYN_WINAPI Sdl_timeKillEvent(UINT timerId) {
    TimerTable& table = Timers();
    std::unique_lock lock(table.Mutex);
    const auto found = table.Timers.find(timerId);
    if (found == table.Timers.end() || found->second.Killed)
        return MMSYSERR_INVALPARAM;
    found->second.Killed = true;
    SDL_RemoveTimer(found->second.Id);
    const bool fromCallback =
        found->second.Running && found->second.RunningOn == std::this_thread::get_id();
    if (!fromCallback)
        table.Idle.wait(lock, [&] { return !table.Timers.at(timerId).Running; });
    table.Timers.erase(timerId);
    return TIMERR_NOERROR;
}

// ---- Display modes ----

RECT SdlScreenArea() {
    if (Sdl().ChangedMode)
        return RECT{0, 0, Sdl().ChangedMode->w, Sdl().ChangedMode->h};
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0)
        return RECT{};
    return RECT{usable.x, usable.y, usable.x + usable.w, usable.y + usable.h};
}

void ApplyFullScreen(HWND window) {
    const WindowRecord* record = Sdl().System.Find(window);
    SDL_Window* sdlWindow = SdlWindowOf(window);
    if (record == nullptr || sdlWindow == nullptr || (record->Style & WS_POPUP) == 0)
        return;
    if (Sdl().ChangedMode) {
        SDL_SetWindowDisplayMode(sdlWindow, &*Sdl().ChangedMode);
        SDL_SetWindowFullscreen(sdlWindow, SDL_WINDOW_FULLSCREEN);
    } else if (SDL_GetWindowFlags(sdlWindow) & SDL_WINDOW_FULLSCREEN) {
        SDL_SetWindowFullscreen(sdlWindow, 0);
    }
}

LONG VYN_WINAPI Sdl_ChangeDisplaySettingsA(DEVMODEA* mode, DWORD) {
    if (mode != nullptr)
        return ChangeToMode(*mode);
    Sdl().ChangedMode.reset();
    for (HWND window : Sdl().System.Windows())
        ApplyFullScreen(window);
    EndDisplayModeGuard();
    return DISP_CHANGE_SUCCESSFUL;
}

// ---- Message box and screen saver ----

int VYN_WINAPI Sdl_MessageBoxA(HWND owner, const char* text, const char* caption, UINT) {
    const int shown = SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption ? caption : "",
                                               text ? text : "", SdlWindowOf(owner));
    return shown == 0 ? IDOK : 0;
}

void UpdateScreenSaver() {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0)
        return;
    const WindowRecord* active = Sdl().System.Find(Sdl().System.ActiveWindow());
    const bool keepOff = active != nullptr && active->Visible && !active->Minimized;
    if (keepOff && SDL_IsScreenSaverEnabled())
        SDL_DisableScreenSaver();
    else if (!keepOff && !SDL_IsScreenSaverEnabled())
        SDL_EnableScreenSaver();
}

} // namespace vyn
