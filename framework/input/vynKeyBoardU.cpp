#include "vynKeyBoardU.h"

#include "framework/core/vynAllocation.h"
#include "framework/core/vynNeverDestroyed.h"

namespace vyn {

namespace {
TNeverDestroyed<TChunkedList<TMyKeyBoard*>> KeyboardStorage{KeyboardListGrowthStep};
} // namespace

TChunkedList<TMyKeyBoard*>& Keyboards = KeyboardStorage.Value;
TMyKeyBoard* DefaultKeyboard = nullptr;
TMyKeyBoard* CurrentKeyboard = nullptr;

namespace {

bool InRange(int32_t key, int32_t table) {
    return key >= 0 && key < KeyCodeCount && table >= 0 && table < KeyTableCount;
}

} // namespace

TMyKeyBoard::TMyKeyBoard() {
    Clear();
}

TMyKeyBoard::~TMyKeyBoard() {
    Clear();
}

void TMyKeyBoard::Clear() {
    for (int32_t table = 0; table < KeyTableCount; ++table) {
        for (int32_t key = 0; key < KeyCodeCount; ++key) {
            Handlers[table][key] = nullptr;
            Enabled[table][key] = false;
        }
    }
    CharHandler = nullptr;
}

bool TMyKeyBoard::SetHandler(int32_t Key, int32_t Table, THandlerRoutine Handler) {
    if (Handler == nullptr)
        return Fail("SetHandler: no handler given");
    if (!InRange(Key, Table))
        return Fail("SetHandler: keys are 0 to 255 and tables 0 (key up) and 1 (key down)");
    Handlers[Table][Key] = Handler;
    Enabled[Table][Key] = true;
    return true;
}

bool TMyKeyBoard::Fire(int32_t Key, int32_t Table) {
    if (!InRange(Key, Table))
        return Fail("Fire: keys are 0 to 255 and tables 0 (key up) and 1 (key down)");
    if (!Enabled[Table][Key] || Handlers[Table][Key] == nullptr)
        return Fail("Fire: no handler is armed for that key");
    return RunHandlerRoutine(Handlers[Table][Key]);
}

bool TMyKeyBoard::SetKeyState(int32_t Key, bool Down) {
    if (Key < 0 || Key >= KeyCodeCount)
        return Fail("SetKeyState: keys are 0 to 255");
    Keys[Key] = Down;
    return true;
}

bool TMyKeyBoard::SetCharHandler(THandlerRoutine Handler) {
    if (Handler == nullptr)
        return Fail("SetCharHandler: no handler given");
    CharHandler = Handler;
    return true;
}

bool TMyKeyBoard::TypeUnit(uint32_t Unit) {
    char32_t typed = 0;
    if (!Units.Take(Unit, typed))
        return false;
    Char = typed;
    if (CharHandler == nullptr)
        return Fail("TypeUnit: no character handler is armed");
    return RunHandlerRoutine(CharHandler);
}

bool ResetKeyboards() {
    Keyboards.SetCount(0);
    CurrentKeyboard = DefaultKeyboard;
    return true;
}

bool CreateKeyboards() {
    return ReplaceWithNew(DefaultKeyboard, "cannot make the default keyboard") && ResetKeyboards();
}

bool DestroyKeyboards() {
    ResetKeyboards();
    delete DefaultKeyboard;
    DefaultKeyboard = nullptr;
    CurrentKeyboard = nullptr;
    return true;
}

} // namespace vyn
