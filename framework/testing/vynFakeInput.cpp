// The fake backend's user actions: what a person does to a window, posted as a real window posts
// it.
#include "vynFakeCommon.h"

namespace vyn {

namespace {

bool IsAltKey(WPARAM key) {
    return key == VK_MENU || key == VK_LMENU || key == VK_RMENU;
}
bool IsControlKey(WPARAM key) {
    return key == VK_CONTROL || key == VK_LCONTROL || key == VK_RCONTROL;
}
bool IsShiftKey(WPARAM key) {
    return key == VK_SHIFT || key == VK_LSHIFT || key == VK_RSHIFT;
}

template <typename Predicate>
bool AnyHeld(const std::set<WPARAM>& keys, Predicate predicate) {
    for (WPARAM key : keys)
        if (predicate(key))
            return true;
    return false;
}

} // namespace

bool FakePlatform::Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return System.Post(window, message, wParam, lParam);
}

void FakePlatform::PostInput(HWND window, const InputMessage& message) {
    System.Post(window, message.Message, message.WParam, message.LParam);
}

void FakePlatform::Resize(int width, int height, HWND window) {
    System.Resize(Target(window), width, height, Delivery::Post);
}

void FakePlatform::Move(int x, int y, HWND window) {
    System.Move(Target(window), x, y, Delivery::Post);
}

void FakePlatform::Minimize(HWND window) {
    System.Minimize(Target(window), Delivery::Post);
}

void FakePlatform::Maximize(HWND window) {
    const HWND target = Target(window);
    System.Maximize(target, ScreenArea(), Delivery::Post);
    System.Activate(target, Delivery::Post);
}

void FakePlatform::Restore(HWND window) {
    const HWND target = Target(window);
    System.Restore(target, Delivery::Post);
    System.Activate(target, Delivery::Post);
}

void FakePlatform::Focus(HWND window) {
    System.Activate(Target(window), Delivery::Post);
}

void FakePlatform::Unfocus(HWND window) {
    System.Deactivate(Target(window), Delivery::Post);
}

void FakePlatform::Close(HWND window) {
    System.Post(Target(window), WM_CLOSE, 0, 0);
}

void FakePlatform::Expose(HWND window) {
    System.Invalidate(Target(window), nullptr);
}

void FakePlatform::KeyDown(WPARAM virtualKey, bool repeat, HWND window) {
    const HWND target = Target(window);
    const bool wasDown = !KeysDown.insert(virtualKey).second;
    const KeyModifiers held{AnyHeld(KeysDown, IsAltKey), AnyHeld(KeysDown, IsControlKey)};
    PostInput(target, KeyMessage(KeyEvent{virtualKey, true, repeat || wasDown, held, ScanCode{}}));
}

void FakePlatform::KeyUp(WPARAM virtualKey, HWND window) {
    const HWND target = Target(window);
    KeysDown.erase(virtualKey);
    const KeyModifiers held{AnyHeld(KeysDown, IsAltKey), AnyHeld(KeysDown, IsControlKey)};
    PostInput(target, KeyMessage(KeyEvent{virtualKey, false, false, held, ScanCode{}}));
}

void FakePlatform::MouseMove(int x, int y, HWND window) {
    const HWND target = Target(window);
    Cursor = POINT{x, y};
    Mouse.Shift = AnyHeld(KeysDown, IsShiftKey);
    Mouse.Control = AnyHeld(KeysDown, IsControlKey);
    PostInput(target, MouseMoveMessage(x, y, Mouse));
}

void FakePlatform::ButtonDown(MouseButton button, int x, int y, HWND window) {
    const HWND target = Target(window);
    Cursor = POINT{x, y};
    ButtonHeld(Mouse, button) = true;
    PostInput(target, MouseButtonMessage(button, true, x, y, Mouse));
}

void FakePlatform::ButtonUp(MouseButton button, int x, int y, HWND window) {
    const HWND target = Target(window);
    Cursor = POINT{x, y};
    ButtonHeld(Mouse, button) = false;
    PostInput(target, MouseButtonMessage(button, false, x, y, Mouse));
}

void FakePlatform::Wheel(int notches, HWND window) {
    const HWND target = Target(window);
    const RECT& client = System.Find(target)->Client;
    PostInput(target,
              MouseWheelMessage(notches, client.left + Cursor.x, client.top + Cursor.y, Mouse));
}

void FakePlatform::Type(std::string_view utf8, HWND window) {
    const HWND target = Target(window);
    for (const InputMessage& message : CharMessages(utf8))
        PostInput(target, message);
}

bool FakePlatform::DropFiles(std::vector<std::string> files, HWND window) {
    return Drops.Drop(System, Target(window), std::move(files));
}

// ---- Files dropped on a window ----

void FakePlatform::DragAcceptFiles(HWND window, BOOL accept) {
    Run(FakeCall("DragAcceptFiles", window, accept), false,
        [&] { return DroppedFiles::Accept(System, window, accept); });
}

UINT FakePlatform::DragQueryFileA(HDROP drop, UINT index, char* file, UINT size) {
    return Run(FakeCall("DragQueryFileA", drop, index, static_cast<void*>(file), size), UINT{0},
               [&] { return Drops.Query(drop, index, file, size); });
}

void FakePlatform::DragFinish(HDROP drop) {
    Run(FakeCall("DragFinish", drop), false, [&] { return Drops.Finish(drop); });
}

} // namespace vyn
