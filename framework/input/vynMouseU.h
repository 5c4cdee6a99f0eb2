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

#include "framework/core/vynChunkedList.h"
#include "vynInputCommon.h"

#include <cstdint>

namespace vyn {

inline constexpr int32_t MouseButtonCount = 3;
inline constexpr int32_t MouseSlotCount = 15;
inline constexpr int32_t MouseLeftDownSlot = 0;
inline constexpr int32_t MouseLeftUpSlot = 1;
inline constexpr int32_t MouseRightDownSlot = 4;
inline constexpr int32_t MouseRightUpSlot = 5;
inline constexpr int32_t MouseMoveSlot = 14;
inline constexpr uint32_t MouseListGrowthStep = 16;

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

    bool Buttons[MouseButtonCount] = {};
    int32_t X = 0;
    int32_t Y = 0;
    int32_t GLX = 0;
    int32_t GLY = 0;
    THandlerRoutine Handlers[MouseSlotCount] = {};
    bool Enabled[MouseSlotCount] = {};
};

extern TChunkedList<TMyMouse*> Mice;
extern TMyMouse* DefaultMouse;
extern TMyMouse* CurrentMouse;

/// Empties Mice and makes the default mouse current; true.
bool ResetMice();
/// Makes a new default mouse (destroying one made before) and makes it current; false, with nothing
/// changed, when it cannot be allocated.
bool CreateMice();
/// Resets, then destroys the default mouse; both references are null afterwards; true.
bool DestroyMice();

} // namespace vyn
