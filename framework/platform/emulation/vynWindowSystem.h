/// @file
/// The window-system state both backends share: window classes, windows, activation and focus,
/// the message queue, update regions, device contexts and the default window procedure.
///
/// Each backend owns one WindowSystem and drives it, as GLFW's backends drive its shared input
/// calls: the fake from a test's scripted user actions, the SDL backend from SDL's events. The
/// calls made by the framework (ShowWindow, SetFocus, DestroyWindow, ...) change the state and
/// *send* the messages Windows sends, synchronously, to the class's window procedure; a user's
/// action (a resize, a key, a click) *posts* them, so that they arrive through PeekMessageA in
/// order. State changes that change nothing raise nothing, as on Windows.
///
/// Geometry: a window's client area is kept in screen coordinates; the frame around it is a fixed
/// inset by style (FrameInsets), which AdjustWindowRectEx and CreateWindowExA both use.
///
/// Threads: everything runs on the main thread (the one that creates the windows), except
/// SetCaption, which another thread may call: the text is handed to the main thread, which applies
/// it as WM_SETTEXT inside its next Peek or DeliverCaptions, and the Wake hook is called so that
/// a blocked main thread notices.
#pragma once

#include "../vynWin32Constants.h"

#include <atomic>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace vyn {

/// One window: what the window system knows of it.
struct WindowRecord {
    HWND Handle = nullptr;       ///< Its handle, never reused while the system lives.
    std::string ClassName;       ///< Its class's name, spelt as it was registered.
    WNDPROC Procedure = nullptr; ///< Its class's window procedure.
    DWORD Style = 0;             ///< WS_* styles.
    DWORD ExStyle = 0;           ///< WS_EX_* styles.
    std::string Caption;         ///< The title-bar text.
    /// The client area in screen coordinates, and where Restore puts it back after a maximise.
    ///@{
    RECT Client{};
    RECT Normal{};
    ///@}
    /// Its show state.
    ///@{
    bool Visible = false;
    bool Minimized = false;
    bool Maximized = false;
    ///@}
    /// An update region is pending; UpdateRect bounds it in client coordinates.
    ///@{
    bool Invalid = false;
    RECT UpdateRect{};
    ///@}
    /// The window's own device context (every class here behaves as CS_OWNDC), made by GetDC.
    HDC DeviceContext = nullptr;
    /// The pixel format SetPixelFormat gave it, set once; 0 while there is none.
    int PixelFormat = 0;
    /// DestroyWindow is under way: a second DestroyWindow from WM_DESTROY does nothing.
    bool Destroying = false;
};

/// How a state change reaches the window procedure.
enum class Delivery { Send, Post };

/// The frame's sizes in pixels: the border of a resizable (WS_THICKFRAME) and of a WS_BORDER
/// window, the title bar and the menu bar.
///@{
inline constexpr LONG FrameBorder = 8;
inline constexpr LONG ThinBorder = 1;
inline constexpr LONG CaptionHeight = 23;
inline constexpr LONG MenuHeight = 20;
///@}

/// The frame around the client area for a style: left, top, right and bottom widths.
RECT FrameInsets(DWORD style, bool menu);
/// AdjustWindowRectEx: grows a client rectangle by the frame; FALSE for no rectangle.
BOOL AdjustRectForFrame(RECT* rect, DWORD style, BOOL menu);
/// The window rectangle around a client rectangle, and back.
///@{
RECT WindowRectOfClient(const RECT& client, DWORD style);
RECT ClientRectOfWindow(const RECT& window, DWORD style);
///@}
/// A rectangle's size.
///@{
LONG Width(const RECT& rect);
LONG Height(const RECT& rect);
///@}

/// The keys of a map, in order.
template <typename Map>
std::vector<typename Map::key_type> KeysOf(const Map& map) {
    std::vector<typename Map::key_type> keys;
    for (const auto& entry : map)
        keys.push_back(entry.first);
    return keys;
}

/// The shared window-system state, driven by one backend (see the file's description).
class WindowSystem {
  public:
    /// The thread that makes it is the main thread.
    WindowSystem();

    /// Classes. Names compare without regard to case, as Windows compares them.
    ///@{
    ATOM RegisterClass(const WNDCLASSEXA* windowClass);
    /// Fails for an unknown class and for a class that still has windows.
    BOOL UnregisterClass(const char* className);
    /// The class's record as registered; null for an unknown class.
    const WNDCLASSEXA* FindClass(const char* className) const;
    /// The names of the registered classes, spelt as they were registered.
    std::vector<std::string> ClassNames() const;
    ///@}

    /// A new window of a registered class, not yet told about itself; null for an unknown class.
    HWND AddWindow(const char* className, const char* caption, DWORD style, DWORD exStyle,
                   const RECT& client);
    /// WM_CREATE, then WM_SIZE and WM_MOVE, as CreateWindowExA sends them; false (and the window
    /// destroyed) when WM_CREATE answers -1 or the procedure destroyed the window. A failure the
    /// procedure raises passes on, and the window is forgotten first.
    bool SendCreationMessages(HWND window);
    /// Deactivation, WM_DESTROY, then the window is forgotten with its queued messages.
    bool DestroyWindow(HWND window);
    /// The window's record; null for a window that does not exist.
    ///@{
    WindowRecord* Find(HWND window);
    const WindowRecord* Find(HWND window) const;
    ///@}
    /// The window whose device context this is; null when there is none.
    WindowRecord* FindByDeviceContext(HDC deviceContext);
    /// Every window, in the order of their handles.
    std::vector<HWND> Windows() const;
    /// The active window, and the one with the keyboard focus; null when there is none.
    ///@{
    HWND ActiveWindow() const { return Active; }
    HWND FocusWindow() const { return Focus; }
    ///@}

    /// State changes, each delivered as `how` says.
    ///@{
    void Resize(HWND window, LONG width, LONG height, Delivery how);
    void Move(HWND window, LONG x, LONG y, Delivery how);
    void Minimize(HWND window, Delivery how);
    /// Makes the client area fill `area`.
    void Maximize(HWND window, const RECT& area, Delivery how);
    /// Back from minimised or maximised, to the client area it had before.
    void Restore(HWND window, Delivery how);
    /// Activates the window and gives it the focus, deactivating the window active before.
    void Activate(HWND window, Delivery how);
    /// Takes the activation and the focus from the window, when it has them.
    void Deactivate(HWND window, Delivery how);
    ///@}
    /// ShowWindow: the previous visibility; `screen` is the area a maximised window fills.
    BOOL Show(HWND window, int command, const RECT& screen);
    /// SetForegroundWindow: activates the window.
    BOOL Foreground(HWND window);
    /// SetFocus: the window that had the focus; null (nothing changed) for an unknown window.
    HWND SetFocus(HWND window);
    /// InvalidateRect: adds `rect` (client coordinates; null: the whole client area) to the
    /// update region; a null window invalidates every window.
    BOOL Invalidate(HWND window, const RECT* rect);
    /// Empties the window's update region.
    void Validate(HWND window);
    /// UpdateWindow: sends WM_PAINT at once when the window has an update region.
    BOOL Update(HWND window);
    /// BeginPaint validates the update region it reports; EndPaint closes the bracket.
    ///@{
    HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
    BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
    ///@}

    /// Device contexts: one per window, made on first request.
    HDC DeviceContextOf(HWND window);
    /// ReleaseDC: 1 when the context is the window's own, else 0; the context stays the window's.
    int ReleaseDeviceContext(HWND window, HDC deviceContext);
    /// DeleteDC: the window forgets its context; the next request makes a new one.
    BOOL DeleteDeviceContext(HDC deviceContext);

    /// Messages: SendMessageA, calling the window procedure at once; 0 for an unknown window.
    LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    /// false for a window that does not exist; a null window posts a thread message.
    bool Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    /// PeekMessageA: handed-over captions first, then the queue, then WM_PAINT for a visible,
    /// unminimised window with an update region (synthesised, never removed).
    BOOL Peek(MSG* message, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags);
    /// Whether Peek would find anything for `window` (null: any).
    bool HasMessage(HWND window);
    /// TranslateMessage: character messages are not generated; a key press counts as translated.
    static BOOL Translate(const MSG* message);
    /// DispatchMessageA: the message to its window's procedure (thread messages go nowhere).
    LRESULT Dispatch(const MSG* message);
    /// DefWindowProcA: the defaults of the few messages whose effect the framework can see.
    LRESULT DefaultProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    /// SetWindowTextA from any thread; from the main thread it sends WM_SETTEXT at once.
    BOOL SetCaption(HWND window, const char* text);
    /// Applies the captions handed over by other threads, as WM_SETTEXT; main thread only.
    void DeliverCaptions();
    /// Whether the calling thread is the main thread.
    bool OnMainThread() const { return std::this_thread::get_id() == MainThread; }

    /// Backend hooks: a message is about to reach a window procedure; a caption took effect; a
    /// caption arrived from another thread.
    ///@{
    std::function<void(HWND, UINT, WPARAM, LPARAM)> Delivering;
    std::function<void(HWND, const std::string&)> CaptionChanged;
    std::function<void()> Wake;
    ///@}

  private:
    void Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Delivery how);
    void MakeVisible(HWND window);
    void Forget(HWND window);
    bool TakeQueued(MSG* message, HWND window, UINT filterMin, UINT filterMax, bool remove);
    bool TakePaint(MSG* message, HWND window, UINT filterMin, UINT filterMax);
    LRESULT DefaultSysCommand(HWND window, WPARAM command);

    struct ClassEntry {
        WNDCLASSEXA Record{};
        std::string Name;
    };
    std::map<std::string, ClassEntry> Classes;
    ATOM NextAtom = 0xC000;
    std::map<HWND, WindowRecord> Records;
    uintptr_t NextWindow = 0x10000;
    uintptr_t NextDeviceContext = 0x20000;
    HWND Active = nullptr;
    HWND Focus = nullptr;
    std::thread::id MainThread;
    DWORD Ticks = 0;

    /// Shared with other threads: the queue, the handed-over captions, the live handles.
    ///@{
    mutable std::mutex QueueMutex;
    std::deque<MSG> Queue;
    std::map<HWND, std::string> PendingCaptions;
    std::set<HWND> LiveWindows;
    ///@}
};

} // namespace vyn
