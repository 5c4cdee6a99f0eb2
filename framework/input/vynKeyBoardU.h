/// @file
/// Keyboard state and per-key handlers.
///
/// A TMyKeyBoard records which keys are down (Keys, by virtual-key code) and holds, for every key,
/// a handler for its release (table 0) and one for its press (table 1). The window procedure writes
/// Keys and calls Fire on CurrentKeyboard for each key message; the application registers its
/// handlers with SetHandler. Characters (WM_CHAR: what a press types, with case, Shift and the
/// layout applied) have one handler beside them, armed with SetCharHandler; it reads the character
/// from Char. Keys outside 0-255, tables outside 0-1 and null handlers are refused
/// (false) and touch nothing; a handler that throws makes Fire return false and nothing else.
///
/// The module owns DefaultKeyboard, made by CreateKeyboards and destroyed by DestroyKeyboards
/// (which leaves both references null); CurrentKeyboard is the one fed, the default unless a client
/// points it elsewhere. Keyboards is a list of references it does not own; nothing adds to it and
/// ResetKeyboards empties it. Main thread only.
#pragma once

#include "../core/vynChunkedList.h"
#include "../core/vynCodePoints.h"
#include "vynInputCommon.h"

#include <cstdint>

namespace vyn {

inline constexpr int32_t KeyCodeCount = 256; ///< Key codes 0 to 255 (Windows virtual keys).
inline constexpr int32_t KeyTableCount = 2;  ///< Tables: key up and key down.
inline constexpr int32_t KeyUpTable = 0;     ///< The table whose handlers run on a release.
inline constexpr int32_t KeyDownTable = 1;   ///< The table whose handlers run on a press.
inline constexpr uint32_t KeyboardListGrowthStep = 16; ///< Growth step of Keyboards.

/// A keyboard: which keys are down, and a press and a release handler per key.
class TMyKeyBoard {
  public:
    TMyKeyBoard();
    ~TMyKeyBoard();
    TMyKeyBoard(const TMyKeyBoard&) = delete;
    TMyKeyBoard& operator=(const TMyKeyBoard&) = delete;

    /// Every handler and flag to empty; Keys stays as it is.
    void Clear();
    /// Arms Handlers[Table][Key], replacing an earlier handler; false for a null handler or a key
    /// or table out of range.
    bool SetHandler(int32_t Key, int32_t Table, THandlerRoutine Handler);
    /// Runs the armed handler of Key in Table; false when none is armed, the arguments are out of
    /// range or the handler threw.
    bool Fire(int32_t Key, int32_t Table);
    /// Keys[Key] := down, for key codes 0-255; false (nothing written) otherwise.
    bool SetKeyState(int32_t Key, bool Down);
    /// Arms the character handler, replacing an earlier one; false for a null handler.
    bool SetCharHandler(THandlerRoutine Handler);
    /// Takes the UTF-16 unit of a character message: once it completes a character (a surrogate
    /// pair takes two), Char := the character and the character handler runs. False when no
    /// handler ran (none armed, half a pair, or it threw).
    bool TypeUnit(uint32_t Unit);

    bool Keys[KeyCodeCount] = {}; ///< Whether each key is down, as the last key message said.
    /// The handler of each key in each table; runs only while its Enabled flag is set.
    THandlerRoutine Handlers[KeyTableCount][KeyCodeCount] = {};
    bool Enabled[KeyTableCount][KeyCodeCount] = {}; ///< Which handlers are armed.
    char32_t Char = 0; ///< The character typed last, as a Unicode code point; 0 before any.
    THandlerRoutine CharHandler = nullptr; ///< Runs on each character typed; none when null.

  private:
    TUtf16Joiner Units; // the first half of a surrogate pair waits here
};

/// Keyboards the module knows of, not owned; nothing adds to it.
extern TChunkedList<TMyKeyBoard*>& Keyboards;
/// The keyboard CreateKeyboards makes; the module owns it.
extern TMyKeyBoard* DefaultKeyboard;
/// The keyboard the window procedure feeds; the default one unless the application points it
/// elsewhere.
extern TMyKeyBoard* CurrentKeyboard;

/// Empties Keyboards and makes the default keyboard current; true.
bool ResetKeyboards();
/// Makes a new default keyboard (destroying one made before) and makes it current; false, with
/// nothing changed, when it cannot be allocated.
bool CreateKeyboards();
/// Resets, then destroys the default keyboard; both references are null afterwards; true.
bool DestroyKeyboards();

} // namespace vyn
