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
///   - timers are stored; FireTimer runs a callback here, FireTimerOnThread on a thread of its own;
///   - the monotonic clock (vynMonotonicClock.h) reads ClockSeconds, which only Sleep and the test
///     move forward, so that frame pacing is checked without waiting.
///
/// One instance at a time; its destructor puts the previous backend back. Main thread only, except
/// SetWindowTextA (handed over to the main thread) and the calls a timer callback makes.
#pragma once

#include "../platform/emulation/vynDroppedFiles.h"
#include "../platform/emulation/vynInputMessages.h"
#include "../platform/emulation/vynWindowSystem.h"
#include "../platform/vynPlatform.h"
#include "../system/vynMonotonicClock.h"
#include "vynCallLog.h"

#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vyn {

/// A timer as timeSetEvent made it; it fires only when the test says so.
struct FakeTimer {
    UINT Delay = 0;                    ///< The delay or period asked for, in milliseconds.
    UINT Resolution = 0;               ///< The accuracy asked for, in milliseconds.
    LPTIMECALLBACK Callback = nullptr; ///< What firing runs.
    DWORD_PTR User = 0;                ///< The value handed to the callback.
    UINT Event = 0;                    ///< TIME_ONESHOT or TIME_PERIODIC.
};

/// A message box the framework showed; the fake answers IDOK at once.
struct FakeMessageBox {
    HWND Owner = nullptr; ///< The owner window; null for none.
    std::string Text;     ///< The message.
    std::string Caption;  ///< The title.
    UINT Type = 0;        ///< MB_* flags.
};

/// One ChangeDisplaySettingsA call.
struct FakeModeRequest {
    /// Meaningful only when HasMode: ChangeDisplaySettingsA(nullptr, flags) restores.
    DEVMODEA Mode{};
    bool HasMode = false; ///< Whether a mode was given.
    DWORD Flags = 0;      ///< CDS_* flags.
};

/// The fake backend, described with the file. User actions act on the window given or, when it
/// is null, on the window made last, and throw std::logic_error when there is no such window.
class FakePlatform {
  public:
    /// Becomes the backend in use, recording into `log`; throws std::logic_error while another
    /// FakePlatform lives.
    explicit FakePlatform(CallLog& log);
    ~FakePlatform();
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    CallLog& Log; ///< Where the calls are recorded.

    // ---- Scripting ----
    /// Makes `call` fail from now on, or only its next `times` calls. Unknown names throw
    /// std::invalid_argument, so that a misspelt name cannot pass unnoticed.
    ///@{
    void Fail(const std::string& call);
    void FailNext(const std::string& call, int times = 1);
    ///@}
    /// Makes `call` succeed again, however it was made to fail.
    void Succeed(const std::string& call);
    /// Runs `action` after every later call of `call` has done its work.
    void On(const std::string& call, std::function<void()> action);
    /// When set, every message the fake delivers to a window procedure is logged as
    /// Call("Deliver", window, message, wParam, lParam).
    bool LogDeliveries = false;
    /// Consecutive WaitMessage calls with nothing to deliver before one throws.
    int MaxIdleWaits = 1000;

    // ---- Messages and user actions (on `window`, or the window made last when null) ----
    /// Queues any message for `window` (null: a thread message); false for a window that does not
    /// exist.
    bool Post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    /// The user resizes the client area to `width` by `height` pixels.
    void Resize(int width, int height, HWND window = nullptr);
    /// The user moves the client area's top left corner to screen (x, y).
    void Move(int x, int y, HWND window = nullptr);
    /// The user minimises the window, which loses the activation.
    void Minimize(HWND window = nullptr);
    /// The user maximises the window to fill the screen, and it is activated.
    void Maximize(HWND window = nullptr);
    /// The user restores the window from minimised or maximised, and it is activated.
    void Restore(HWND window = nullptr);
    /// The user activates the window, which takes the focus.
    void Focus(HWND window = nullptr);
    /// The user turns to another program: the window loses the activation and the focus.
    void Unfocus(HWND window = nullptr);
    /// The user clicks the close box: WM_CLOSE is posted.
    void Close(HWND window = nullptr);
    /// The window's whole client area needs painting again, as when it is uncovered.
    void Expose(HWND window = nullptr);
    /// A key press; with `repeat`, an auto-repeat of a key already down. Alt (VK_MENU) and Ctrl
    /// held through KeyDown make later keys system keys as on Windows.
    void KeyDown(WPARAM virtualKey, bool repeat = false, HWND window = nullptr);
    /// A key release.
    void KeyUp(WPARAM virtualKey, HWND window = nullptr);
    /// The cursor moves to client (x, y).
    void MouseMove(int x, int y, HWND window = nullptr);
    /// A mouse button is pressed or released at client (x, y).
    ///@{
    void ButtonDown(MouseButton button, int x, int y, HWND window = nullptr);
    void ButtonUp(MouseButton button, int x, int y, HWND window = nullptr);
    ///@}
    /// The wheel turns `notches` steps (positive away from the user) with the cursor where the
    /// last mouse action left it.
    void Wheel(int notches, HWND window = nullptr);
    /// Text typed (UTF-8): its WM_CHAR messages, as a backend's text input posts them, without
    /// key messages.
    void Type(std::string_view utf8, HWND window = nullptr);
    /// The user drops files (their paths) on the window: WM_DROPFILES is posted if the window
    /// accepts files; false, with nothing posted, if it does not.
    bool DropFiles(std::vector<std::string> files, HWND window = nullptr);
    /// How many lists of dropped files are held: posted and not yet released by DragFinish.
    size_t DropsHeld() const { return Drops.Held(); }

    // ---- Timers ----
    /// The ids of the timers that exist, in order.
    std::vector<UINT> PendingTimers() const;
    /// The timer with that id; none when it does not exist.
    std::optional<FakeTimer> Timer(UINT id) const;
    /// Runs the timer's callback on this thread, or on a new thread joined before returning;
    /// false for a timer that does not exist. A one-shot timer is gone afterwards.
    ///@{
    bool FireTimer(UINT id);
    bool FireTimerOnThread(UINT id);
    ///@}

    // ---- State for tests ----
    /// The window system behind the fake, for what the readers below do not show.
    WindowSystem& Windows() { return System; }
    /// The window made last and not yet destroyed; null when there is none.
    HWND LastWindow() const;
    /// The window's record; null when there is no such window.
    const WindowRecord* Window(HWND window = nullptr) const;
    /// The window rectangle around the client area, in screen coordinates.
    RECT WindowRect(HWND window = nullptr) const;
    /// Whether the window has the keyboard focus.
    bool IsFocused(HWND window = nullptr) const;
    /// Whether the window is the active window.
    bool IsActive(HWND window = nullptr) const;
    /// The names of the registered classes.
    std::vector<std::string> RegisteredClasses() const { return System.ClassNames(); }
    /// The class's record as registered; null for an unknown class.
    const WNDCLASSEXA* RegisteredClass(const std::string& name) const;

    /// Pixel formats: which table entries this fake display offers (by default depth up to 24 and
    /// stencil up to 8, as Mesa offers them), and what the framework asked for.
    ///@{
    std::function<bool(const PIXELFORMATDESCRIPTOR&)> Offers;
    PIXELFORMATDESCRIPTOR ChosenFrom{};
    PIXELFORMATDESCRIPTOR SetWith{};
    ///@}

    /// The GL context made current, and the device context it was made current on; null when
    /// none is.
    ///@{
    HGLRC CurrentContext() const { return Current; }
    HDC CurrentDeviceContext() const { return CurrentDC; }
    ///@}
    /// The GL contexts made and not yet deleted.
    std::vector<HGLRC> Contexts() const;
    /// How many SwapBuffers calls succeeded.
    int SwapCount = 0;

    /// Display modes: the registry's mode, the one in effect, every request, and which modes exist.
    ///@{
    DEVMODEA RegistryMode{};
    DEVMODEA CurrentMode{};
    std::vector<FakeModeRequest> ModeRequests;
    std::vector<DEVMODEA> AvailableModes;
    ///@}

    /// The message boxes shown, in order.
    std::vector<FakeMessageBox> MessageBoxes;
    /// The durations of the Sleep calls, in milliseconds, in order.
    std::vector<DWORD> Sleeps;
    /// What the monotonic clock reads, in seconds; each Sleep adds its duration.
    double ClockSeconds = 1000.0;
    /// The intervals wglSwapIntervalEXT set, in order.
    std::vector<int> SwapIntervals;

    /// The handle GetModuleHandleA(nullptr) answers.
    HINSTANCE ModuleHandle() const;

    // ---- The calls of the list, as the backend table reaches them ----
/// Declares one call of the list as a member (undefined right after use).
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
    TClockSource PreviousClock;
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

    DroppedFiles Drops;
};

} // namespace vyn
