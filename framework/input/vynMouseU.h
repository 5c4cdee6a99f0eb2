/// @file
/// Mouse state and per-event handlers.
///
/// A TMyMouse records the left and right buttons, the pointer's last position in client
/// coordinates (X, Y: origin top-left) and in GL window coordinates (GLX, GLY: origin bottom-left,
/// GLY = client height - Y), and 15 handler slots, each with an enable flag. The window procedure
/// updates CurrentMouse and fires slot 0/1 (left down/up), 4/5 (right down/up) and 14 (move);
/// clients arm a slot by storing a handler and setting its flag, there is no registration call.
/// Slots outside 0-14 are refused (false) and touch nothing; a handler that throws makes Fire
/// return false and nothing else.
///
/// The module owns DefaultMouse, made by CreateMice and destroyed by DestroyMice (which leaves both
/// references null); CurrentMouse is the one fed. Mice is a list of references it does not own;
/// nothing adds to it and ResetMice empties it. Main thread only.
#pragma once

#include "../core/vynChunkedList.h"
#include "vynInputCommon.h"

#include <cstdint>

namespace vyn {

inline constexpr int32_t MouseButtonCount = 3; ///< Buttons: left, right, and one nothing sets.
inline constexpr int32_t MouseSlotCount = 15;  ///< Handler slots 0 to 14.
/// The slots the window procedure fires: left button down and up, right button down and up,
/// pointer move. The others are the application's to fire with Fire.
///@{
inline constexpr int32_t MouseLeftDownSlot = 0;
inline constexpr int32_t MouseLeftUpSlot = 1;
inline constexpr int32_t MouseRightDownSlot = 4;
inline constexpr int32_t MouseRightUpSlot = 5;
inline constexpr int32_t MouseMoveSlot = 14;
///@}
inline constexpr uint32_t MouseListGrowthStep = 16; ///< Growth step of Mice.

/// A mouse: buttons, pointer position and a handler per event slot.
class TMyMouse {
  public:
    TMyMouse();
    ~TMyMouse();
    TMyMouse(const TMyMouse&) = delete;
    TMyMouse& operator=(const TMyMouse&) = delete;

    /// Buttons, handlers and flags to empty; the position stays as it is.
    void Clear();
    /// Runs the handler of Slot if its flag is set; false when it is not armed, the slot is out of
    /// range or the handler threw.
    bool Fire(int32_t Slot);

    bool Buttons[MouseButtonCount] = {}; ///< Left [0] and right [1] button down, as last reported.
    int32_t X = 0;   ///< The pointer's client x of the last move, from the left edge.
    int32_t Y = 0;   ///< The pointer's client y of the last move, from the top edge.
    int32_t GLX = 0; ///< X again: OpenGL's x from the left.
    int32_t GLY = 0; ///< The client height minus Y: OpenGL's y measured upwards.
    /// The handler of each slot; runs only while its Enabled flag is set. A client arms a slot
    /// by storing a handler and setting the flag.
    THandlerRoutine Handlers[MouseSlotCount] = {};
    bool Enabled[MouseSlotCount] = {}; ///< Which slots are armed.
};

/// Mice the module knows of, not owned; nothing adds to it.
extern TChunkedList<TMyMouse*>& Mice;
/// The mouse CreateMice makes; the module owns it.
extern TMyMouse* DefaultMouse;
/// The mouse the window procedure feeds; the default one unless the application points it
/// elsewhere.
extern TMyMouse* CurrentMouse;

/// Empties Mice and makes the default mouse current; true.
bool ResetMice();
/// Makes a new default mouse (destroying one made before) and makes it current; false, with nothing
/// changed, when it cannot be allocated.
bool CreateMice();
/// Resets, then destroys the default mouse; both references are null afterwards; true.
bool DestroyMice();

} // namespace vyn
