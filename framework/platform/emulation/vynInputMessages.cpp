#include "vynInputMessages.h"

#include "framework/core/vynCodePoints.h"

#include <array>
#include <utility>

namespace vyn {

namespace {

using ScanTable = std::array<ScanCode, 256>;

void Put(ScanTable& table, WPARAM virtualKey, BYTE code, bool extended = false) {
    table[virtualKey] = ScanCode{code, extended};
}

// US-layout set-1 scan codes of the keys a PC keyboard has.
constexpr const char* LetterOrder = "QWERTYUIOPASDFGHJKLZXCVBNM";
constexpr BYTE LetterCodes[] = {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18,
                                0x19, 0x1E, 0x1F, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25,
                                0x26, 0x2C, 0x2D, 0x2E, 0x2F, 0x30, 0x31, 0x32};
constexpr BYTE NumpadDigitCodes[] = {0x52, 0x4F, 0x50, 0x51, 0x4B, 0x4C, 0x4D, 0x47, 0x48, 0x49};

void PutMainBlock(ScanTable& table) {
    for (int i = 0; i < 26; ++i)
        Put(table, static_cast<WPARAM>(LetterOrder[i]), LetterCodes[i]);
    for (int digit = 1; digit <= 9; ++digit)
        Put(table, '0' + digit, static_cast<BYTE>(0x01 + digit));
    Put(table, '0', 0x0B);
    const std::pair<WPARAM, BYTE> plain[] = {
        {VK_ESCAPE, 0x01},    {VK_OEM_MINUS, 0x0C},  {VK_OEM_PLUS, 0x0D}, {VK_BACK, 0x0E},
        {VK_TAB, 0x0F},       {VK_OEM_4, 0x1A},      {VK_OEM_6, 0x1B},    {VK_RETURN, 0x1C},
        {VK_CONTROL, 0x1D},   {VK_LCONTROL, 0x1D},   {VK_OEM_1, 0x27},    {VK_OEM_7, 0x28},
        {VK_OEM_3, 0x29},     {VK_SHIFT, 0x2A},      {VK_LSHIFT, 0x2A},   {VK_OEM_5, 0x2B},
        {VK_OEM_COMMA, 0x33}, {VK_OEM_PERIOD, 0x34}, {VK_OEM_2, 0x35},    {VK_RSHIFT, 0x36},
        {VK_MULTIPLY, 0x37},  {VK_MENU, 0x38},       {VK_LMENU, 0x38},    {VK_SPACE, 0x39},
        {VK_CAPITAL, 0x3A},   {VK_PAUSE, 0x45},      {VK_SCROLL, 0x46},   {VK_SUBTRACT, 0x4A},
        {VK_ADD, 0x4E},       {VK_DECIMAL, 0x53},
    };
    for (const auto& [key, code] : plain)
        Put(table, key, code);
}

void PutFunctionAndNumpad(ScanTable& table) {
    for (int i = 0; i < 10; ++i)
        Put(table, VK_F1 + i, static_cast<BYTE>(0x3B + i));
    Put(table, VK_F1 + 10, 0x57);
    Put(table, VK_F12, 0x58);
    for (int digit = 0; digit < 10; ++digit)
        Put(table, VK_NUMPAD0 + digit, NumpadDigitCodes[digit]);
}

void PutExtended(ScanTable& table) {
    const std::pair<WPARAM, BYTE> extended[] = {
        {VK_RCONTROL, 0x1D}, {VK_RMENU, 0x38},  {VK_DIVIDE, 0x35}, {VK_NUMLOCK, 0x45},
        {VK_HOME, 0x47},     {VK_UP, 0x48},     {VK_PRIOR, 0x49},  {VK_LEFT, 0x4B},
        {VK_RIGHT, 0x4D},    {VK_END, 0x4F},    {VK_DOWN, 0x50},   {VK_NEXT, 0x51},
        {VK_INSERT, 0x52},   {VK_DELETE, 0x53},
    };
    for (const auto& [key, code] : extended)
        Put(table, key, code, true);
}

const ScanTable& ScanCodes() {
    static const ScanTable table = [] {
        ScanTable built{};
        PutMainBlock(built);
        PutFunctionAndNumpad(built);
        PutExtended(built);
        return built;
    }();
    return table;
}

constexpr LPARAM Bit(int index) {
    return LPARAM{1} << index;
}

} // namespace

ScanCode ScanCodeOfVirtualKey(WPARAM virtualKey) {
    return virtualKey < 256 ? ScanCodes()[virtualKey] : ScanCode{};
}

KeyEntry KeypadKeyWithoutNumLock(int digit) {
    static constexpr WPARAM navigation[] = {VK_INSERT, VK_END,   VK_DOWN,  VK_NEXT,
                                            VK_LEFT,   VK_CLEAR, VK_RIGHT, VK_HOME,
                                            VK_UP,     VK_PRIOR, VK_DELETE};
    static constexpr BYTE scanCodes[] = {0x52, 0x4F, 0x50, 0x51, 0x4B, 0x4C,
                                         0x4D, 0x47, 0x48, 0x49, 0x53};
    if (digit < 0 || digit > 10)
        return KeyEntry{};
    return KeyEntry{navigation[digit], ScanCode{scanCodes[digit], false}};
}

InputMessage KeyMessage(const KeyEvent& event) {
    // Releasing Alt itself is a system key too, though Alt is no longer held.
    const bool altKey =
        event.VirtualKey == VK_MENU || event.VirtualKey == VK_LMENU || event.VirtualKey == VK_RMENU;
    const bool system =
        ((event.Held.Alt || altKey) && !event.Held.Control) || event.VirtualKey == VK_F10;
    InputMessage message;
    if (event.Down)
        message.Message = system ? WM_SYSKEYDOWN : WM_KEYDOWN;
    else
        message.Message = system ? WM_SYSKEYUP : WM_KEYUP;
    message.WParam = event.VirtualKey;

    const ScanCode scan =
        event.Scan.Code != 0 ? event.Scan : ScanCodeOfVirtualKey(event.VirtualKey);
    LPARAM lParam = 1 | (LPARAM{scan.Code} << 16);
    if (scan.Extended)
        lParam |= Bit(24);
    if (event.Held.Alt)
        lParam |= Bit(29);
    if (!event.Down || event.Repeat)
        lParam |= Bit(30);
    if (!event.Down)
        lParam |= Bit(31);
    // Windows' lParam is the 32-bit value, without sign extension.
    message.LParam = static_cast<LPARAM>(static_cast<DWORD>(lParam));
    return message;
}

LPARAM PointLParam(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x & 0xFFFF), static_cast<WORD>(y & 0xFFFF));
}

bool& ButtonHeld(MouseState& state, MouseButton button) {
    switch (button) {
    case MouseButton::Left:
        return state.Left;
    case MouseButton::Right:
        return state.Right;
    case MouseButton::Middle:
        return state.Middle;
    case MouseButton::X1:
        return state.X1;
    case MouseButton::X2:
        break;
    }
    return state.X2;
}

WPARAM MouseKeyFlags(const MouseState& state) {
    WPARAM flags = 0;
    const std::pair<bool, WPARAM> bits[] = {
        {state.Left, MK_LBUTTON},    {state.Right, MK_RBUTTON},  {state.Shift, MK_SHIFT},
        {state.Control, MK_CONTROL}, {state.Middle, MK_MBUTTON}, {state.X1, MK_XBUTTON1},
        {state.X2, MK_XBUTTON2},
    };
    for (const auto& [held, flag] : bits)
        if (held)
            flags |= flag;
    return flags;
}

InputMessage MouseMoveMessage(int x, int y, const MouseState& state) {
    return InputMessage{WM_MOUSEMOVE, MouseKeyFlags(state), PointLParam(x, y)};
}

InputMessage MouseButtonMessage(MouseButton button, bool down, int x, int y,
                                const MouseState& state) {
    InputMessage message{WM_NULL, MouseKeyFlags(state), PointLParam(x, y)};
    switch (button) {
    case MouseButton::Left:
        message.Message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
        break;
    case MouseButton::Right:
        message.Message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
        break;
    case MouseButton::Middle:
        message.Message = down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
        break;
    case MouseButton::X1:
    case MouseButton::X2:
        message.Message = down ? WM_XBUTTONDOWN : WM_XBUTTONUP;
        message.WParam = MAKEWPARAM(static_cast<WORD>(message.WParam),
                                    button == MouseButton::X1 ? XBUTTON1 : XBUTTON2);
        break;
    }
    return message;
}

InputMessage MouseWheelMessage(int notches, int screenX, int screenY, const MouseState& state) {
    const auto delta = static_cast<WORD>((notches * WHEEL_DELTA) & 0xFFFF);
    return InputMessage{WM_MOUSEWHEEL, MAKEWPARAM(static_cast<WORD>(MouseKeyFlags(state)), delta),
                        PointLParam(screenX, screenY)};
}

std::vector<InputMessage> CharMessages(std::string_view utf8) {
    std::vector<InputMessage> messages;
    for (char32_t codePoint : DecodeUtf8(utf8))
        for (char16_t unit : EncodeUtf16(codePoint))
            messages.push_back(InputMessage{WM_CHAR, unit, 1});
    return messages;
}

WPARAM ControlCharacterOfKey(WPARAM virtualKey, bool control) {
    switch (virtualKey) {
    case VK_BACK:
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
        return virtualKey;
    default:
        // Ctrl+A to Ctrl+Z type the control characters 1 to 26.
        return control && virtualKey >= 'A' && virtualKey <= 'Z' ? virtualKey - 'A' + 1 : 0;
    }
}

} // namespace vyn
