/// @file
/// The test backend of the platform layer: a scriptable window system without a display.
///
/// While a FakePlatform lives, every platform call goes to it. It keeps a real window state (the
/// shared WindowSystem: classes, windows, focus, queue, update regions) and raises the messages a
/// real window would, so tests exercise the framework rather than the fake:
///   - every call is appended, in order, to the CallLog it was given (the one the recording GL
///     double writes to) under its Win32 name. Arguments: integers as integers, handles and
///     records as pointers (write a typed null, HWND{}, to expect none), texts as strings (no text
///     as an empty string), and a resource number such as IDC_ARROW as an integer. The fake keeps
///     copies of the records (class, pixel format, display mode) for the test to read;
///   - Fail(name) makes a call report failure the way Windows does (0, null, FALSE or an error
///     code) and change nothing; every call of the list can be made to fail;
///   - On(name, action) runs an action after each such call, e.g. to stop a loop after N swaps;
///   - DefWindowProcA acts through the platform's own calls, as Windows would: WM_CLOSE destroys
///     the window with DestroyWindow, WM_SYSCOMMAND SC_CLOSE sends WM_CLOSE, Alt+F4 sends SC_CLOSE;
///     those calls are recorded and can fail like any other;
///   - user actions (Resize, Minimize, KeyDown, MouseMove, Close, ...) change the window's state
///     and post what a real window would post; Post queues any message;
///   - WaitMessage never blocks: it returns at once, and a loop that keeps waiting with nothing to
///     deliver is stopped by an exception after MaxIdleWaits calls, so a test cannot hang;
///   - timers are stored; FireTimer runs a callback here, FireTimerOnThread on a thread of its own.
///
/// One instance at a time; its destructor puts the previous backend back. Main thread only, except
/// SetWindowTextA (handed over to the main thread) and the calls a timer callback makes.
#pragma once

#include "framework/platform/emulation/vynInputMessages.h"
#include "framework/platform/emulation/vynWindowSystem.h"
#include "framework/platform/vynPlatform.h"
#include "framework/testing/vynCallLog.h"

#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vyn {

struct FakeTimer {
    UINT Delay = 0;
    UINT Resolution = 0;
    LPTIMECALLBACK Callback = nullptr;
    DWORD_PTR User = 0;
    UINT Event = 0;
};

struct FakeMessageBox {
    HWND Owner = nullptr;
    std::string Text;
    std::string Caption;
    UINT Type = 0;
};

struct FakeModeRequest {
    /// Meaningful only when HasMode: ChangeDisplaySettingsA(nullptr, flags) restores.
    ///@{
    DEVMODEA Mode{};
    bool HasMode = false;
    DWORD Flags = 0;
};
    ///@}

class FakePlatform {
  public:
    explicit FakePlatform(CallLog& log);
    ~FakePlatform();
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    CallLog& Log;

    /// ---- Scripting ----
    /// Makes `call` fail from now on, or only its next `times` calls. Unknown names throw
    /// std::invalid_argument, so that a misspelt name cannot pass unnoticed.
    void Fail(const std::string& call);
    void FailNext(const std::string& call, int times = 1);
    void Succeed(const std::string& call);
    /// Runs `action` after every later call of `call` has done its work.
    void On(const std::string& call, std::function<void()> action);
    /// When set, every message the fake delivers to a window procedure is logged as
    /// Call("Deliver", window, message, wParam, lParam).
    bool LogDeliveries = false;
    /// Consecutive WaitMessage calls with nothing to deliver before one throws.
    int MaxIdleWaits = 1000;

    /// ---- Messages and user actions (on `window`, or the window made last when null) ----
    bool Post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void Resize(int width, int height, HWND window = nullptr);
    void Move(int x, int y, HWND window = nullptr);
    void Minimize(HWND window = nullptr);
    void Maximize(HWND window = nullptr);
    void Restore(HWND window = nullptr);
    void Focus(HWND window = nullptr);
    void Unfocus(HWND window = nullptr);
    void Close(HWND window = nullptr);
    void Expose(HWND window = nullptr);
    /// A key press; with `repeat`, an auto-repeat of a key already down. Alt (VK_MENU) and Ctrl
    /// held through KeyDown make later keys system keys as on Windows.
    void KeyDown(WPARAM virtualKey, bool repeat = false, HWND window = nullptr);
    void KeyUp(WPARAM virtualKey, HWND window = nullptr);
    void MouseMove(int x, int y, HWND window = nullptr);
    void ButtonDown(MouseButton button, int x, int y, HWND window = nullptr);
    void ButtonUp(MouseButton button, int x, int y, HWND window = nullptr);
    void Wheel(int notches, HWND window = nullptr);

    /// ---- Timers ----
    std::vector<UINT> PendingTimers() const;
    std::optional<FakeTimer> Timer(UINT id) const;
    /// Runs the timer's callback on this thread, or on a new thread joined before returning;
    /// false for a timer that does not exist. A one-shot timer is gone afterwards.
    bool FireTimer(UINT id);
    bool FireTimerOnThread(UINT id);

    /// ---- State for tests ----
    WindowSystem& Windows() { return System; }
    /// The window made last and not yet destroyed; null when there is none.
    HWND LastWindow() const;
    const WindowRecord* Window(HWND window = nullptr) const;
    RECT WindowRect(HWND window = nullptr) const;
    bool IsFocused(HWND window = nullptr) const;
    bool IsActive(HWND window = nullptr) const;
    std::vector<std::string> RegisteredClasses() const { return System.ClassNames(); }
    const WNDCLASSEXA* RegisteredClass(const std::string& name) const;

    /// Pixel formats: which table entries this fake display offers (by default depth up to 24 and
    /// stencil up to 8, as Mesa offers them), and what the framework asked for.
    std::function<bool(const PIXELFORMATDESCRIPTOR&)> Offers;
    PIXELFORMATDESCRIPTOR ChosenFrom{};
    PIXELFORMATDESCRIPTOR SetWith{};

    HGLRC CurrentContext() const { return Current; }
    HDC CurrentDeviceContext() const { return CurrentDC; }
    std::vector<HGLRC> Contexts() const;
    int SwapCount = 0;

    /// Display modes: the registry's mode, the one in effect, every request, and which modes exist.
    ///@{
    DEVMODEA RegistryMode{};
    DEVMODEA CurrentMode{};
    std::vector<FakeModeRequest> ModeRequests;
    std::vector<DEVMODEA> AvailableModes;
    ///@}

    std::vector<FakeMessageBox> MessageBoxes;
    std::vector<DWORD> Sleeps;

    HINSTANCE ModuleHandle() const;

    // ---- The calls of the list, as the backend table reaches them ----
#define VYN_FAKE_DECLARE(ret, name, params, args) ret name params;
    VYN_PLATFORM_CALLS(VYN_FAKE_DECLARE)
#undef VYN_FAKE_DECLARE

  private:
    /// Records the call; true when it is to fail.
    bool Begin(CallRecord call);
    void Finish(const std::string& call);
    template <typename Result, typename Body>
    Result Run(CallRecord call, Result failure, Body&& body);

    HWND Target(HWND window) const;
    RECT ScreenArea() const;
    void Prepare();
    void InitDisplayModes();
    void PostInput(HWND window, const InputMessage& message);
    void CheckNotIdleForever();
    bool RunTimer(UINT id, bool onThread);
    bool ModeExists(const DEVMODEA& mode) const;
    LONG ApplyMode(const DEVMODEA& mode);

    const PlatformBackend& Previous;
    WindowSystem System;

    mutable std::mutex ScriptMutex;
    std::map<std::string, int> Failing;
    std::multimap<std::string, std::function<void()>> Actions;

    std::vector<HWND> Created;
    int IdleWaits = 0;
    std::set<WPARAM> KeysDown;
    MouseState Mouse;
    POINT Cursor{};

    /// Each context with the pixel format it was made for.
    ///@{
    std::map<HGLRC, int> ContextTable;
    HGLRC Current = nullptr;
    HDC CurrentDC = nullptr;
    uintptr_t NextContext = 0x30000;
    ///@}

    std::map<UINT, FakeTimer> Timers;
    UINT NextTimer = 1;
};

} // namespace vyn
