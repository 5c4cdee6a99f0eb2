#include "vynMouseU.h"

namespace vyn {

TChunkedList<TMyMouse*> Mice{MouseListGrowthStep};
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
    if (Slot < 0 || Slot >= MouseSlotCount || !Enabled[Slot] || Handlers[Slot] == nullptr)
        return false;
    return RunHandlerRoutine(Handlers[Slot]);
}

bool ResetMice() {
    Mice.SetCount(0);
    CurrentMouse = DefaultMouse;
    return true;
}

bool CreateMice() {
    return ReplaceWithNew(DefaultMouse) && ResetMice();
}

bool DestroyMice() {
    ResetMice();
    delete DefaultMouse;
    DefaultMouse = nullptr;
    CurrentMouse = nullptr;
    return true;
}

} // namespace vyn
