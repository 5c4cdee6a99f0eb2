/// @file
/// Mouse state and per-event handlers.
///
/// A TMyMouse records the left and right buttons, the pointer's last position in client
/// coordinates (X, Y: origin top-left) and in GL window coordinates (GLX, GLY: origin bottom-left,
/// GLY = client height - Y), and 15 handler slots, each with an enable flag. The window procedure
/// updates CurrentMouse and fires slot 0/1 (left down/up), 4/5 (right down/up) and 14 (move);
/// clients arm a slot by storing a handler and setting its flag, or name the event to SetHandler.
/// The middle button and the wheel have handlers of their own outside the slots (so that a
/// client's use of the free slots is left alone), armed only through SetHandler; their messages
/// still go on to the fallback window procedure afterwards.
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

/// The mouse's events, for SetHandler.
enum class TMouseEvent {
    LeftDown,   ///< slot 0
    LeftUp,     ///< slot 1
    RightDown,  ///< slot 4
    RightUp,    ///< slot 5
    Move,       ///< slot 14
    MiddleDown, ///< WM_MBUTTONDOWN: MiddleButton is set
    MiddleUp,   ///< WM_MBUTTONUP
    Wheel,      ///< WM_MOUSEWHEEL: WheelDelta holds the turn
};

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
    /// Arms the handler of an event, replacing an earlier one (the slot's for the five the slots
    /// have); false for a null handler or an event out of range.
    bool SetHandler(TMouseEvent Event, THandlerRoutine Handler);
    /// Runs the handler of an event if it is armed; false otherwise or when it threw.
    bool FireEvent(TMouseEvent Event);

    bool Buttons[MouseButtonCount] = {}; ///< Left [0] and right [1] button down, as last reported.
    int32_t X = 0;   ///< The pointer's client x of the last move, from the left edge.
    int32_t Y = 0;   ///< The pointer's client y of the last move, from the top edge.
    int32_t GLX = 0; ///< X again: OpenGL's x from the left.
    int32_t GLY = 0; ///< The client height minus Y: OpenGL's y measured upwards.
    /// The handler of each slot; runs only while its Enabled flag is set. A client arms a slot
    /// by storing a handler and setting the flag.
    THandlerRoutine Handlers[MouseSlotCount] = {};
    bool Enabled[MouseSlotCount] = {}; ///< Which slots are armed.
    bool MiddleButton = false;         ///< The middle button down, as last reported.
    /// The last wheel message's turn: WHEEL_DELTA (120) a notch, positive away from the user.
    int32_t WheelDelta = 0;
    /// The handlers of the middle button's press and release and of the wheel; none when null.
    THandlerRoutine ExtraHandlers[3] = {};
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
