// The SDL2 backend's messages: SDL events become the windows' messages, and the message calls
// read them.
//
// Window events change the shared window state and post WM_SIZE (with the SIZE_* kind), WM_MOVE,
// WM_ACTIVATE/WM_SETFOCUS/WM_KILLFOCUS and WM_CLOSE; exposure invalidates, so WM_PAINT follows.
// SDL_QUIT (also raised on SIGINT and SIGTERM) closes every window. Keys become Windows
// virtual-key messages with one WM_KEYDOWN per auto-repeat, SDL's text input WM_CHAR after them
// (with the control characters TranslateMessage would add: Backspace, Tab, Enter, Escape, Ctrl
// and a letter), mouse events the button, wheel and move messages. A wake event from another thread
// delivers handed-over captions.
#include "vynSdlState.h"

#include <array>

namespace vyn {

namespace {

struct KeyMapping {
    SDL_Scancode Code;
    WPARAM VirtualKey;
    ScanCode Scan = {};
};

// Keys whose code is not a run of letters, digits or function keys. Right-hand modifiers share
// the virtual key of the left one and differ in their scan code, as on Windows.
const KeyMapping NamedKeys[] = {
    {SDL_SCANCODE_RETURN, VK_RETURN},
    {SDL_SCANCODE_ESCAPE, VK_ESCAPE},
    {SDL_SCANCODE_BACKSPACE, VK_BACK},
    {SDL_SCANCODE_TAB, VK_TAB},
    {SDL_SCANCODE_SPACE, VK_SPACE},
    {SDL_SCANCODE_MINUS, VK_OEM_MINUS},
    {SDL_SCANCODE_EQUALS, VK_OEM_PLUS},
    {SDL_SCANCODE_LEFTBRACKET, VK_OEM_4},
    {SDL_SCANCODE_RIGHTBRACKET, VK_OEM_6},
    {SDL_SCANCODE_BACKSLASH, VK_OEM_5},
    {SDL_SCANCODE_SEMICOLON, VK_OEM_1},
    {SDL_SCANCODE_APOSTROPHE, VK_OEM_7},
    {SDL_SCANCODE_GRAVE, VK_OEM_3},
    {SDL_SCANCODE_COMMA, VK_OEM_COMMA},
    {SDL_SCANCODE_PERIOD, VK_OEM_PERIOD},
    {SDL_SCANCODE_SLASH, VK_OEM_2},
    {SDL_SCANCODE_CAPSLOCK, VK_CAPITAL},
    {SDL_SCANCODE_PRINTSCREEN, VK_SNAPSHOT, {0x37, true}},
    {SDL_SCANCODE_SCROLLLOCK, VK_SCROLL},
    {SDL_SCANCODE_PAUSE, VK_PAUSE},
    {SDL_SCANCODE_INSERT, VK_INSERT},
    {SDL_SCANCODE_HOME, VK_HOME},
    {SDL_SCANCODE_PAGEUP, VK_PRIOR},
    {SDL_SCANCODE_DELETE, VK_DELETE},
    {SDL_SCANCODE_END, VK_END},
    {SDL_SCANCODE_PAGEDOWN, VK_NEXT},
    {SDL_SCANCODE_RIGHT, VK_RIGHT},
    {SDL_SCANCODE_LEFT, VK_LEFT},
    {SDL_SCANCODE_DOWN, VK_DOWN},
    {SDL_SCANCODE_UP, VK_UP},
    {SDL_SCANCODE_NUMLOCKCLEAR, VK_NUMLOCK},
    {SDL_SCANCODE_KP_DIVIDE, VK_DIVIDE},
    {SDL_SCANCODE_KP_MULTIPLY, VK_MULTIPLY},
    {SDL_SCANCODE_KP_MINUS, VK_SUBTRACT},
    {SDL_SCANCODE_KP_PLUS, VK_ADD},
    {SDL_SCANCODE_KP_ENTER, VK_RETURN, {0x1C, true}},
    {SDL_SCANCODE_KP_PERIOD, VK_DECIMAL},
    {SDL_SCANCODE_LCTRL, VK_CONTROL},
    {SDL_SCANCODE_LSHIFT, VK_SHIFT},
    {SDL_SCANCODE_LALT, VK_MENU},
    {SDL_SCANCODE_LGUI, VK_LWIN, {0x5B, true}},
    {SDL_SCANCODE_RCTRL, VK_CONTROL, {0x1D, true}},
    {SDL_SCANCODE_RSHIFT, VK_SHIFT, {0x36, false}},
    {SDL_SCANCODE_RALT, VK_MENU, {0x38, true}},
    {SDL_SCANCODE_RGUI, VK_RWIN, {0x5C, true}},
    {SDL_SCANCODE_APPLICATION, VK_APPS, {0x5D, true}},
};

const std::array<KeyEntry, SDL_NUM_SCANCODES>& KeyTable() {
    static const auto table = [] {
        std::array<KeyEntry, SDL_NUM_SCANCODES> built{};
        for (int i = 0; i < 26; ++i)
            built[SDL_SCANCODE_A + i].VirtualKey = 'A' + i;
        for (int i = 0; i < 9; ++i)
            built[SDL_SCANCODE_1 + i].VirtualKey = '1' + i;
        built[SDL_SCANCODE_0].VirtualKey = '0';
        for (int i = 0; i < 12; ++i)
            built[SDL_SCANCODE_F1 + i].VirtualKey = VK_F1 + i;
        for (int i = 0; i < 9; ++i)
            built[SDL_SCANCODE_KP_1 + i].VirtualKey = VK_NUMPAD0 + 1 + i;
        built[SDL_SCANCODE_KP_0].VirtualKey = VK_NUMPAD0;
        for (const KeyMapping& mapping : NamedKeys)
            built[mapping.Code] = KeyEntry{mapping.VirtualKey, mapping.Scan};
        return built;
    }();
    return table;
}

int KeypadDigit(SDL_Scancode code) {
    if (code == SDL_SCANCODE_KP_0)
        return 0;
    if (code >= SDL_SCANCODE_KP_1 && code <= SDL_SCANCODE_KP_9)
        return 1 + (code - SDL_SCANCODE_KP_1);
    return -1;
}

KeyEntry KeyOf(SDL_Scancode code, bool numLock) {
    // With NumLock off the keypad's digits and point are the navigation keys.
    const int digit = code == SDL_SCANCODE_KP_PERIOD ? 10 : KeypadDigit(code);
    if (digit >= 0 && !numLock)
        return KeypadKeyWithoutNumLock(digit);
    if (code < 0 || code >= SDL_NUM_SCANCODES)
        return KeyEntry{};
    return KeyTable()[code];
}

HWND TargetOf(Uint32 windowId) {
    const HWND window = WindowOfSdlId(windowId);
    return window ? window : Sdl().System.FocusWindow();
}

void PostInput(HWND window, const InputMessage& message) {
    Sdl().System.Post(window, message.Message, message.WParam, message.LParam);
}

void TranslateWindowEvent(const SDL_WindowEvent& event) {
    const HWND window = WindowOfSdlId(event.windowID);
    WindowSystem& system = Sdl().System;
    if (window == nullptr)
        return;
    switch (event.event) {
    case SDL_WINDOWEVENT_EXPOSED:
        system.Invalidate(window, nullptr);
        break;
    case SDL_WINDOWEVENT_MOVED:
        system.Move(window, event.data1, event.data2, Delivery::Post);
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        system.Resize(window, event.data1, event.data2, Delivery::Post);
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        system.Minimize(window, Delivery::Post);
        break;
    case SDL_WINDOWEVENT_MAXIMIZED: {
        int x = 0, y = 0, width = 0, height = 0;
        SDL_GetWindowPosition(SdlWindowOf(window), &x, &y);
        SDL_GetWindowSize(SdlWindowOf(window), &width, &height);
        system.Maximize(window, RECT{x, y, x + width, y + height}, Delivery::Post);
        break;
    }
    case SDL_WINDOWEVENT_RESTORED:
        system.Restore(window, Delivery::Post);
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        system.Activate(window, Delivery::Post);
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        system.Deactivate(window, Delivery::Post);
        break;
    case SDL_WINDOWEVENT_CLOSE:
        system.Post(window, WM_CLOSE, 0, 0);
        break;
    default:
        break;
    }
}

void TranslateKey(const SDL_KeyboardEvent& event) {
    const HWND window = TargetOf(event.windowID);
    const Uint16 modifiers = event.keysym.mod;
    const KeyEntry key = KeyOf(event.keysym.scancode, (modifiers & KMOD_NUM) != 0);
    if (window == nullptr || key.VirtualKey == 0)
        return;
    const KeyModifiers held{(modifiers & KMOD_ALT) != 0, (modifiers & KMOD_CTRL) != 0};
    const KeyEvent keyEvent{key.VirtualKey, event.type == SDL_KEYDOWN, event.repeat != 0, held,
                            key.Scan};
    PostInput(window, KeyMessage(keyEvent));
    // SDL's text input leaves out what types no printable text.
    const WPARAM control = ControlCharacterOfKey(key.VirtualKey, held.Control);
    if (keyEvent.Down && control != 0)
        PostInput(window, InputMessage{WM_CHAR, control, 1});
}

void TranslateText(const SDL_TextInputEvent& event) {
    const HWND window = TargetOf(event.windowID);
    if (window == nullptr)
        return;
    for (const InputMessage& message : CharMessages(event.text))
        PostInput(window, message);
}

void TakeModifiers(MouseState& state) {
    const SDL_Keymod modifiers = SDL_GetModState();
    state.Shift = (modifiers & KMOD_SHIFT) != 0;
    state.Control = (modifiers & KMOD_CTRL) != 0;
}

bool ButtonOf(Uint8 sdlButton, MouseButton& button) {
    switch (sdlButton) {
    case SDL_BUTTON_LEFT:
        button = MouseButton::Left;
        return true;
    case SDL_BUTTON_RIGHT:
        button = MouseButton::Right;
        return true;
    case SDL_BUTTON_MIDDLE:
        button = MouseButton::Middle;
        return true;
    case SDL_BUTTON_X1:
        button = MouseButton::X1;
        return true;
    case SDL_BUTTON_X2:
        button = MouseButton::X2;
        return true;
    default:
        return false;
    }
}

bool WantsDoubleClicks(HWND window) {
    const WindowRecord* record = Sdl().System.Find(window);
    const WNDCLASSEXA* windowClass =
        record ? Sdl().System.FindClass(record->ClassName.c_str()) : nullptr;
    return windowClass != nullptr && (windowClass->style & CS_DBLCLKS) != 0;
}

void TranslateButton(const SDL_MouseButtonEvent& event) {
    const HWND window = TargetOf(event.windowID);
    MouseButton button{};
    if (window == nullptr || !ButtonOf(event.button, button))
        return;
    MouseState& state = Sdl().Mouse;
    const bool down = event.type == SDL_MOUSEBUTTONDOWN;
    ButtonHeld(state, button) = down;
    TakeModifiers(state);
    InputMessage message = MouseButtonMessage(button, down, event.x, event.y, state);
    // Each *BUTTONDBLCLK message follows its *BUTTONDOWN by two.
    if (down && event.clicks == 2 && WantsDoubleClicks(window))
        message.Message += 2;
    PostInput(window, message);
}

void TranslateMotion(const SDL_MouseMotionEvent& event) {
    const HWND window = TargetOf(event.windowID);
    if (window == nullptr)
        return;
    TakeModifiers(Sdl().Mouse);
    PostInput(window, MouseMoveMessage(event.x, event.y, Sdl().Mouse));
}

void TranslateWheel(const SDL_MouseWheelEvent& event) {
    const HWND window = TargetOf(event.windowID);
    if (window == nullptr || event.y == 0)
        return;
    const int notches = event.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.y : event.y;
    int x = 0, y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    TakeModifiers(Sdl().Mouse);
    PostInput(window, MouseWheelMessage(notches, x, y, Sdl().Mouse));
}

// SDL hands a drop over a file at a time, between SDL_DROPBEGIN and SDL_DROPCOMPLETE; the window
// gets them as one WM_DROPFILES. A drop on no window of ours goes to the focused one.
void TranslateDrop(const SDL_DropEvent& event) {
    std::vector<std::string>& pending = Sdl().DroppedPending;
    if (event.type == SDL_DROPBEGIN) {
        pending.clear();
    } else if (event.type == SDL_DROPFILE) {
        pending.emplace_back(event.file);
    } else if (event.type == SDL_DROPCOMPLETE) {
        const HWND window = TargetOf(event.windowID);
        if (window != nullptr)
            Sdl().Drops.Drop(Sdl().System, window, std::move(pending));
        pending.clear();
    }
    SDL_free(event.file); // SDL's copy of the name, null but for SDL_DROPFILE and SDL_DROPTEXT
}

// True when the event delivered captions handed over by another thread.
bool Translate(const SDL_Event& event) {
    switch (event.type) {
    case SDL_QUIT:
        for (HWND window : Sdl().System.Windows())
            Sdl().System.Post(window, WM_CLOSE, 0, 0);
        break;
    case SDL_WINDOWEVENT:
        TranslateWindowEvent(event.window);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        TranslateKey(event.key);
        break;
    case SDL_TEXTINPUT:
        TranslateText(event.text);
        break;
    case SDL_MOUSEMOTION:
        TranslateMotion(event.motion);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        TranslateButton(event.button);
        break;
    case SDL_MOUSEWHEEL:
        TranslateWheel(event.wheel);
        break;
    case SDL_DROPBEGIN:
    case SDL_DROPFILE:
    case SDL_DROPTEXT:
    case SDL_DROPCOMPLETE:
        TranslateDrop(event.drop);
        break;
    default:
        if (event.type != Sdl().WakeEvent)
            break;
        Sdl().System.DeliverCaptions();
        return true;
    }
    return false;
}

} // namespace

void VYN_WINAPI Sdl_DragAcceptFiles(HWND window, BOOL accept) {
    // SDL reports drops on every window; only a window that accepts them hears of them.
    DroppedFiles::Accept(Sdl().System, window, accept);
}

bool PumpSdlEvents(bool block) {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0)
        return false;
    bool delivered = false;
    SDL_Event event;
    if (block && SDL_WaitEvent(&event) != 0)
        delivered = Translate(event);
    while (SDL_PollEvent(&event) != 0)
        delivered = Translate(event) || delivered;
    UpdateScreenSaver();
    return delivered;
}

BOOL VYN_WINAPI Sdl_PeekMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax,
                                 UINT removeFlags) {
    PumpSdlEvents(false);
    return Sdl().System.Peek(message, window, filterMin, filterMax, removeFlags);
}

BOOL VYN_WINAPI Sdl_WaitMessage() {
    // Without SDL video nothing could ever arrive; waiting would never end.
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0)
        return FALSE;
    // A caption handed over by another thread ends the wait too, as a sent message would.
    bool delivered = PumpSdlEvents(false);
    while (!delivered && !Sdl().System.HasMessage(nullptr))
        delivered = PumpSdlEvents(true);
    return TRUE;
}

} // namespace vyn
