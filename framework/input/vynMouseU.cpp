#include "vynMouseU.h"

#include "framework/core/vynAllocation.h"
#include "framework/core/vynNeverDestroyed.h"

#include <iterator>

namespace vyn {

namespace {

TNeverDestroyed<TChunkedList<TMyMouse*>> MouseStorage{MouseListGrowthStep};

// The slot of each event the slots have, in TMouseEvent's order.
constexpr int32_t SlotOfEvent[] = {MouseLeftDownSlot, MouseLeftUpSlot, MouseRightDownSlot,
                                   MouseRightUpSlot, MouseMoveSlot};
constexpr auto SlotEventCount = static_cast<int32_t>(std::size(SlotOfEvent));
constexpr int32_t EventCount = static_cast<int32_t>(TMouseEvent::Wheel) + 1;

} // namespace

TChunkedList<TMyMouse*>& Mice = MouseStorage.Value;
TMyMouse* DefaultMouse = nullptr;
TMyMouse* CurrentMouse = nullptr;

TMyMouse::TMyMouse() {
    Clear();
}

TMyMouse::~TMyMouse() {
    Clear();
}

void TMyMouse::Clear() {
    for (bool& button : Buttons)
        button = false;
    for (int32_t slot = 0; slot < MouseSlotCount; ++slot) {
        Handlers[slot] = nullptr;
        Enabled[slot] = false;
    }
    MiddleButton = false;
    for (THandlerRoutine& handler : ExtraHandlers)
        handler = nullptr;
}

bool TMyMouse::Fire(int32_t Slot) {
    if (Slot < 0 || Slot >= MouseSlotCount)
        return Fail("Fire: mouse slots are 0 to 14");
    if (!Enabled[Slot] || Handlers[Slot] == nullptr)
        return Fail("Fire: no handler is armed in that slot");
    return RunHandlerRoutine(Handlers[Slot]);
}

bool TMyMouse::SetHandler(TMouseEvent Event, THandlerRoutine Handler) {
    const auto event = static_cast<int32_t>(Event);
    if (Handler == nullptr)
        return Fail("SetHandler: no handler given");
    if (event < 0 || event >= EventCount)
        return Fail("SetHandler: no such mouse event");
    if (event < SlotEventCount) {
        Handlers[SlotOfEvent[event]] = Handler;
        Enabled[SlotOfEvent[event]] = true;
    } else {
        ExtraHandlers[event - SlotEventCount] = Handler;
    }
    return true;
}

bool TMyMouse::FireEvent(TMouseEvent Event) {
    const auto event = static_cast<int32_t>(Event);
    if (event < 0 || event >= EventCount)
        return Fail("FireEvent: no such mouse event");
    if (event < SlotEventCount)
        return Fire(SlotOfEvent[event]);
    const THandlerRoutine handler = ExtraHandlers[event - SlotEventCount];
    return handler ? RunHandlerRoutine(handler) : Fail("FireEvent: no handler is armed");
}

bool ResetMice() {
    Mice.SetCount(0);
    CurrentMouse = DefaultMouse;
    return true;
}

bool CreateMice() {
    return ReplaceWithNew(DefaultMouse, "cannot make the default mouse") && ResetMice();
}

bool DestroyMice() {
    ResetMice();
    delete DefaultMouse;
    DefaultMouse = nullptr;
    CurrentMouse = nullptr;
    return true;
}

} // namespace vyn
