// The web backend's messages: the page's events become the window's messages, and the message
// calls read them.
//
// Keys are listened to on the whole page (the canvas is the page's one window) and become
// Windows virtual-key messages, with one WM_KEYDOWN per auto-repeat, each press that types a
// character (the event's key is one printable character, or a control character as Windows
// makes them) followed by its WM_CHAR; the mouse becomes the button, move and wheel messages at
// the canvas's drawing-buffer coordinates (CSS pixels times the canvas's pixel ratio); one finger
// on the canvas is the left button. A button pressed on the canvas holds the mouse as a desktop
// window does while it is down: its moves and its release reach the window wherever on the page
// they happen. The page losing the focus or being hidden deactivates the window (WM_ACTIVATE,
// WM_KILLFOCUS), getting them back activates it.
// Every event ends by waking a WaitMessage under way.
#include "vynWebState.h"

#include "vynWebKeys.h"

#include "framework/core/vynCodePoints.h"

#include <emscripten/emscripten.h>

#include <cmath>
#include <cstring>

namespace vyn {

// The canvas's top-left corner in the page's viewport, where the mouse's client coordinates
// count from, in CSS pixels.
// clang-format off
EM_JS(void, vyn_web_canvas_corner, (double* left, double* top), {
    const corner = document.getElementById("canvas").getBoundingClientRect();
    HEAPF64[left >> 3] = corner.left;
    HEAPF64[top >> 3] = corner.top;
});
// clang-format on

namespace {

// With NumLock on, a keypad digit types its digit (or the point).
bool TypesDigit(const EmscriptenKeyboardEvent& event) {
    const bool oneCharacter = event.key[0] != '\0' && event.key[1] == '\0';
    return oneCharacter && ((event.key[0] >= '0' && event.key[0] <= '9') || event.key[0] == '.' ||
                            event.key[0] == ',');
}

void Post(const InputMessage& message) {
    if (Web().Window != nullptr)
        Web().System.Post(Web().Window, message.Message, message.WParam, message.LParam);
}

// A key's name ("Shift", "Enter") is longer than one character; Ctrl without Alt (which with it
// is AltGr) types no text.
void PostTypedCharacters(const EmscriptenKeyboardEvent& event, WPARAM virtualKey) {
    const std::u32string typed = DecodeUtf8(event.key);
    const bool textual = event.ctrlKey == 0 || event.altKey != 0;
    if (typed.size() == 1 && typed[0] >= 0x20 && typed[0] != 0x7F && textual && !event.metaKey) {
        for (const InputMessage& message : CharMessages(event.key))
            Post(message);
        return;
    }
    if (const WPARAM control = ControlCharacterOfKey(virtualKey, event.ctrlKey != 0))
        Post(InputMessage{WM_CHAR, control, 1});
}

EM_BOOL OnKey(int type, const EmscriptenKeyboardEvent* event, void*) {
    const KeyEntry key = WebKeyOf(event->code, TypesDigit(*event));
    if (Web().Window == nullptr)
        return EM_FALSE;
    const KeyModifiers held{event->altKey != 0, event->ctrlKey != 0};
    const bool down = type == EMSCRIPTEN_EVENT_KEYDOWN;
    if (key.VirtualKey != 0)
        Post(KeyMessage(KeyEvent{key.VirtualKey, down, event->repeat != 0, held, key.Scan}));
    if (down)
        PostTypedCharacters(*event, key.VirtualKey);
    WakeWaiter();
    if (key.VirtualKey == 0)
        return EM_FALSE;
    return PageWouldUse(key.VirtualKey) ? EM_TRUE : EM_FALSE;
}

bool ButtonOf(unsigned short pageButton, MouseButton& button) {
    // The page numbers its buttons 0 left, 1 middle, 2 right, 3 back, 4 forward.
    constexpr MouseButton buttons[] = {MouseButton::Left, MouseButton::Middle, MouseButton::Right,
                                       MouseButton::X1, MouseButton::X2};
    if (pageButton >= std::size(buttons))
        return false;
    button = buttons[pageButton];
    return true;
}

void TakeModifiers(const EmscriptenMouseEvent& event) {
    Web().Mouse.Shift = event.shiftKey != 0;
    Web().Mouse.Control = event.ctrlKey != 0;
}

bool AnyButtonHeld() {
    const MouseState& mouse = Web().Mouse;
    return mouse.Left || mouse.Right || mouse.Middle || mouse.X1 || mouse.X2;
}

struct CanvasPoint {
    int X = 0;
    int Y = 0;
    bool Over = false; // inside the canvas
};

// A point of the page's viewport (CSS pixels) in the window's client pixels.
CanvasPoint ClientPoint(long clientX, long clientY) {
    double left = 0.0;
    double top = 0.0;
    vyn_web_canvas_corner(&left, &top);
    double width = 0.0;
    double height = 0.0;
    emscripten_get_element_css_size(CanvasSelector, &width, &height);
    const double cssX = static_cast<double>(clientX) - left;
    const double cssY = static_cast<double>(clientY) - top;
    const double ratio = CanvasPixelRatio();
    return {static_cast<int>(std::floor(cssX * ratio)), static_cast<int>(std::floor(cssY * ratio)),
            cssX >= 0 && cssY >= 0 && cssX < width && cssY < height};
}

// Presses count on the canvas only; moves and releases anywhere on the page, for a window that
// holds the mouse or when they are over the canvas.
EM_BOOL OnMouse(int type, const EmscriptenMouseEvent* event, void*) {
    TakeModifiers(*event);
    const CanvasPoint point = ClientPoint(event->clientX, event->clientY);
    const int x = point.X;
    const int y = point.Y;
    const bool overCanvas = point.Over;
    MouseButton button{};
    if (type == EMSCRIPTEN_EVENT_MOUSEMOVE) {
        if (overCanvas || AnyButtonHeld())
            Post(MouseMoveMessage(x, y, Web().Mouse));
    } else if (ButtonOf(event->button, button)) {
        const bool down = type == EMSCRIPTEN_EVENT_MOUSEDOWN;
        // A release whose press was elsewhere on the page is not the window's.
        if (!down && !ButtonHeld(Web().Mouse, button))
            return EM_FALSE;
        ButtonHeld(Web().Mouse, button) = down;
        Post(MouseButtonMessage(button, down, x, y, Web().Mouse));
    }
    WakeWaiter();
    return EM_FALSE;
}

EM_BOOL OnWheel(int, const EmscriptenWheelEvent* event, void*) {
    if (event->deltaY == 0)
        return EM_FALSE;
    TakeModifiers(event->mouse);
    // The page scrolls down for a positive delta; Windows counts a notch towards the user as
    // negative.
    const int notches = event->deltaY > 0 ? -1 : 1;
    Post(MouseWheelMessage(notches, static_cast<int>(event->mouse.screenX),
                           static_cast<int>(event->mouse.screenY), Web().Mouse));
    WakeWaiter();
    return EM_TRUE;
}

// One finger is the left button, as SDL makes it by default: its touch presses, moves and
// releases; a second finger meanwhile is ignored. Taken from the page (EM_TRUE), so that the
// browser neither scrolls nor makes mouse events of it as well.
EM_BOOL OnTouch(int type, const EmscriptenTouchEvent* event, void*) {
    for (int i = 0; i < event->numTouches; ++i) {
        const EmscriptenTouchPoint& touch = event->touches[i];
        if (!touch.isChanged)
            continue;
        MouseState& mouse = Web().Mouse;
        const CanvasPoint point = ClientPoint(touch.clientX, touch.clientY);
        if (type == EMSCRIPTEN_EVENT_TOUCHSTART && !Web().Finger) {
            Web().Finger = touch.identifier;
            mouse.Left = true;
            Post(MouseButtonMessage(MouseButton::Left, true, point.X, point.Y, mouse));
        } else if (Web().Finger && *Web().Finger == touch.identifier) {
            if (type == EMSCRIPTEN_EVENT_TOUCHMOVE) {
                Post(MouseMoveMessage(point.X, point.Y, mouse));
            } else if (type != EMSCRIPTEN_EVENT_TOUCHSTART) {
                Web().Finger.reset();
                mouse.Left = false;
                Post(MouseButtonMessage(MouseButton::Left, false, point.X, point.Y, mouse));
            }
        }
    }
    WakeWaiter();
    return EM_TRUE;
}

void SetActive(bool active) {
    const HWND window = Web().Window;
    if (window == nullptr)
        return;
    if (active)
        Web().System.Activate(window, Delivery::Post);
    else
        Web().System.Deactivate(window, Delivery::Post);
    WakeWaiter();
}

EM_BOOL OnFocus(int type, const EmscriptenFocusEvent*, void*) {
    SetActive(type == EMSCRIPTEN_EVENT_FOCUS);
    return EM_FALSE;
}

EM_BOOL OnVisibility(int, const EmscriptenVisibilityChangeEvent* event, void*) {
    SetActive(event->hidden == 0);
    return EM_FALSE;
}

EM_BOOL OnPageResize(int, const EmscriptenUiEvent*, void*) {
    FollowPage();
    WakeWaiter();
    return EM_FALSE;
}

EM_BOOL OnFullScreen(int, const EmscriptenFullscreenChangeEvent* event, void*) {
    const HWND window = Web().Window;
    if (window == nullptr)
        return EM_FALSE;
    // Full screen is kept as a maximised window, so that leaving it restores the window's size.
    if (event->isFullscreen)
        Web().System.Maximize(window, ScaledToCanvas(event->elementWidth, event->elementHeight),
                              Delivery::Post);
    else
        Web().System.Restore(window, Delivery::Post);
    SizeCanvas(window);
    FollowPage(); // the browser's window may have changed meanwhile
    WakeWaiter();
    return EM_FALSE;
}

} // namespace

void ListenToCanvas() {
    emscripten_set_mousedown_callback(CanvasSelector, nullptr, EM_TRUE, OnMouse);
    emscripten_set_wheel_callback(CanvasSelector, nullptr, EM_TRUE, OnWheel);
    emscripten_set_touchstart_callback(CanvasSelector, nullptr, EM_TRUE, OnTouch);
    emscripten_set_touchmove_callback(CanvasSelector, nullptr, EM_TRUE, OnTouch);
    emscripten_set_touchend_callback(CanvasSelector, nullptr, EM_TRUE, OnTouch);
    emscripten_set_touchcancel_callback(CanvasSelector, nullptr, EM_TRUE, OnTouch);
}

void ListenToPage() {
    if (Web().EventsListened)
        return;
    Web().EventsListened = true;
    const char* page = EMSCRIPTEN_EVENT_TARGET_WINDOW;
    emscripten_set_keydown_callback(page, nullptr, EM_TRUE, OnKey);
    emscripten_set_keyup_callback(page, nullptr, EM_TRUE, OnKey);
    ListenToCanvas();
    emscripten_set_mouseup_callback(page, nullptr, EM_TRUE, OnMouse);
    emscripten_set_mousemove_callback(page, nullptr, EM_TRUE, OnMouse);
    // The page's own focus only, not captured on its way to an element: a click beside the
    // canvas moves the focus from the canvas to the page, and the page still has it.
    emscripten_set_focus_callback(page, nullptr, EM_FALSE, OnFocus);
    emscripten_set_blur_callback(page, nullptr, EM_FALSE, OnFocus);
    emscripten_set_visibilitychange_callback(nullptr, EM_TRUE, OnVisibility);
    emscripten_set_resize_callback(page, nullptr, EM_FALSE, OnPageResize);
    emscripten_set_fullscreenchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_TRUE,
                                             OnFullScreen);
}

BOOL VYN_WINAPI Web_PeekMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax,
                                 UINT removeFlags) {
    // The page's events arrive by themselves, while the program waits or swaps.
    return Web().System.Peek(message, window, filterMin, filterMax, removeFlags);
}

BOOL VYN_WINAPI Web_WaitMessage() {
    // Without a window no event of the page could ever become a message.
    if (Web().Window == nullptr)
        return FALSE;
    while (!Web().System.HasMessage(nullptr))
        WaitForPageEvent();
    return TRUE;
}

} // namespace vyn
