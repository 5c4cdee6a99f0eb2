#include "vynMouseU.h"

#include "framework/core/vynAllocation.h"
#include "framework/core/vynNeverDestroyed.h"

namespace vyn {

namespace {
TNeverDestroyed<TChunkedList<TMyMouse*>> MouseStorage{MouseListGrowthStep};
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
}

bool TMyMouse::Fire(int32_t Slot) {
    if (Slot < 0 || Slot >= MouseSlotCount)
        return Fail("Fire: mouse slots are 0 to 14");
    if (!Enabled[Slot] || Handlers[Slot] == nullptr)
        return Fail("Fire: no handler is armed in that slot");
    return RunHandlerRoutine(Handlers[Slot]);
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
