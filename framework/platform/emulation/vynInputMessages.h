/// @file
/// Keyboard and mouse messages as Windows builds them, for the backends that translate input.
///
/// Both backends (SDL events, the fake's scripted user actions) turn a key or a mouse event into
/// the same message, wParam and lParam through these routines, so the packing exists once:
///   - key messages: WM_KEYDOWN/WM_KEYUP, or WM_SYSKEYDOWN/WM_SYSKEYUP for keys pressed with Alt
///     (without Ctrl), for Alt itself and for F10; lParam holds repeat count 1, the scan code (bits
///     16-23), the extended-key bit (24), the Alt context bit (29), the previous key state (30, set
///     on an auto-repeat and on every release) and the transition bit (31, set on a release);
///   - character messages: WM_CHAR with one UTF-16 unit in wParam (a character beyond U+FFFF
///     comes as two, its surrogates), as a Unicode window receives them; lParam repeat count 1;
///   - mouse messages: lParam = MAKELPARAM(x, y) of client coordinates, negative values wrapping
///     to 16 bits; wParam = the MK_* flags of the buttons and modifiers held.
/// Pure functions; any thread.
#pragma once

#include "../vynWin32Constants.h"

#include <string_view>
#include <vector>

namespace vyn {

/// The set-1 scan code Windows reports for a virtual key, and whether it is an extended key.
struct ScanCode {
    BYTE Code = 0;         ///< The scan code; 0 for none.
    bool Extended = false; ///< An extended key: lParam bit 24 is set.
};
/// The scan code of a US-layout PC keyboard for a virtual key; a zero code for a key it lacks.
ScanCode ScanCodeOfVirtualKey(WPARAM virtualKey);

/// A key as a backend's table gives it: the virtual key and, where it is not the virtual key's
/// usual one, the scan code.
struct KeyEntry {
    WPARAM VirtualKey = 0; ///< The key: VK_* or the letter or digit; 0 for a key Windows lacks.
    ScanCode Scan{};       ///< Zero: the scan code Windows reports for the virtual key.
};

/// What a keypad key stands for with NumLock off: `digit` 0 to 9 are the navigation keys (not
/// extended), 10 is the point, Delete.
KeyEntry KeypadKeyWithoutNumLock(int digit);

/// The modifiers that decide between key and system-key messages.
struct KeyModifiers {
    bool Alt = false;     ///< Either Alt key is held.
    bool Control = false; ///< Either Ctrl key is held.
};

/// One key press or release, as KeyMessage takes it.
struct KeyEvent {
    WPARAM VirtualKey = 0; ///< The key: VK_* or the letter or digit.
    bool Down = true;      ///< A press; false for a release.
    /// The key was already down before this event: an auto-repeat.
    bool Repeat = false;
    /// Modifiers held when the event happens (for the Alt key's own release, Alt is no longer
    /// held).
    KeyModifiers Held;
    /// The key's scan code when it differs from the virtual key's usual one (right Shift); a zero
    /// code means the usual one.
    ScanCode Scan;
};

/// A message ready to post: what a window procedure receives for an input event.
struct InputMessage {
    UINT Message = WM_NULL; ///< WM_KEYDOWN, WM_LBUTTONUP, WM_MOUSEWHEEL...
    WPARAM WParam = 0;      ///< The message's wParam.
    LPARAM LParam = 0;      ///< The message's lParam.
};

/// The key message of an event, with the lParam bits described above.
InputMessage KeyMessage(const KeyEvent& event);

/// The WM_CHAR messages of a typed UTF-8 text, one per UTF-16 unit.
std::vector<InputMessage> CharMessages(std::string_view utf8);
/// The character TranslateMessage makes of a key press that types no text (Backspace, Tab,
/// Enter, Escape, Ctrl with a letter): its code, or 0 for a key that makes none.
WPARAM ControlCharacterOfKey(WPARAM virtualKey, bool control);

/// The five mouse buttons Windows reports (X1 and X2: the side buttons).
enum class MouseButton { Left, Right, Middle, X1, X2 };

/// What mouse messages report besides the position: the buttons and modifiers held.
struct MouseState {
    /// The buttons held.
    ///@{
    bool Left = false;
    bool Right = false;
    bool Middle = false;
    bool X1 = false;
    bool X2 = false;
    ///@}
    /// The modifiers held.
    ///@{
    bool Shift = false;
    bool Control = false;
    ///@}
};

/// MAKELPARAM(x, y) with each coordinate wrapped to 16 bits, as WM_MOVE and mouse messages carry
/// it.
LPARAM PointLParam(int x, int y);
/// The flag of `button` in `state`.
bool& ButtonHeld(MouseState& state, MouseButton button);
/// The MK_* flags of `state`: the wParam of mouse messages.
WPARAM MouseKeyFlags(const MouseState& state);
/// WM_MOUSEMOVE at client (x, y) with the buttons and modifiers of `state`.
InputMessage MouseMoveMessage(int x, int y, const MouseState& state);
/// The button message; `state` already shows the button's new position.
InputMessage MouseButtonMessage(MouseButton button, bool down, int x, int y,
                                const MouseState& state);
/// WM_MOUSEWHEEL: `notches` steps of WHEEL_DELTA (positive away from the user) at screen (x, y).
InputMessage MouseWheelMessage(int notches, int screenX, int screenY, const MouseState& state);

} // namespace vyn
