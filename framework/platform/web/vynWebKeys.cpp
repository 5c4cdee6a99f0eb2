#include "vynWebKeys.h"

#include <algorithm>
#include <charconv>

namespace vyn {

namespace {

struct NamedKey {
    std::string_view Code;
    WPARAM VirtualKey;
    ScanCode Scan = {};
};

// Keys whose code is not a run of letters, digits or function keys. Right-hand modifiers share
// the virtual key of the left one and differ in their scan code, as on Windows.
constexpr NamedKey NamedKeys[] = {
    {"Enter", VK_RETURN},
    {"Escape", VK_ESCAPE},
    {"Backspace", VK_BACK},
    {"Tab", VK_TAB},
    {"Space", VK_SPACE},
    {"Minus", VK_OEM_MINUS},
    {"Equal", VK_OEM_PLUS},
    {"BracketLeft", VK_OEM_4},
    {"BracketRight", VK_OEM_6},
    {"Backslash", VK_OEM_5},
    {"Semicolon", VK_OEM_1},
    {"Quote", VK_OEM_7},
    {"Backquote", VK_OEM_3},
    {"Comma", VK_OEM_COMMA},
    {"Period", VK_OEM_PERIOD},
    {"Slash", VK_OEM_2},
    {"CapsLock", VK_CAPITAL},
    {"PrintScreen", VK_SNAPSHOT, {0x37, true}},
    {"ScrollLock", VK_SCROLL},
    {"Pause", VK_PAUSE},
    {"Insert", VK_INSERT},
    {"Home", VK_HOME},
    {"PageUp", VK_PRIOR},
    {"Delete", VK_DELETE},
    {"End", VK_END},
    {"PageDown", VK_NEXT},
    {"ArrowRight", VK_RIGHT},
    {"ArrowLeft", VK_LEFT},
    {"ArrowDown", VK_DOWN},
    {"ArrowUp", VK_UP},
    {"NumLock", VK_NUMLOCK},
    {"NumpadDivide", VK_DIVIDE},
    {"NumpadMultiply", VK_MULTIPLY},
    {"NumpadSubtract", VK_SUBTRACT},
    {"NumpadAdd", VK_ADD},
    {"NumpadEnter", VK_RETURN, {0x1C, true}},
    {"NumpadDecimal", VK_DECIMAL},
    {"ControlLeft", VK_CONTROL},
    {"ShiftLeft", VK_SHIFT},
    {"AltLeft", VK_MENU},
    {"MetaLeft", VK_LWIN, {0x5B, true}},
    {"ControlRight", VK_CONTROL, {0x1D, true}},
    {"ShiftRight", VK_SHIFT, {0x36, false}},
    {"AltRight", VK_MENU, {0x38, true}},
    {"MetaRight", VK_RWIN, {0x5C, true}},
    {"ContextMenu", VK_APPS, {0x5D, true}},
};

constexpr WPARAM PageKeys[] = {VK_SPACE, VK_TAB,  VK_BACK, VK_PRIOR, VK_NEXT, VK_END,
                               VK_HOME,  VK_LEFT, VK_UP,   VK_RIGHT, VK_DOWN};

// The number after `prefix` in `code` ("F12" gives 12 for "F"); -1 when there is none.
int NumberAfter(std::string_view code, std::string_view prefix) {
    if (!code.starts_with(prefix) || code.size() == prefix.size())
        return -1;
    int number = -1;
    const char* end = code.data() + code.size();
    const auto [rest, error] = std::from_chars(code.data() + prefix.size(), end, number);
    return error == std::errc{} && rest == end ? number : -1;
}

KeyEntry LetterOrDigit(std::string_view code) {
    if (code.size() == 4 && code.starts_with("Key") && code[3] >= 'A' && code[3] <= 'Z')
        return KeyEntry{static_cast<WPARAM>(code[3])};
    if (code.size() == 6 && code.starts_with("Digit") && code[5] >= '0' && code[5] <= '9')
        return KeyEntry{static_cast<WPARAM>(code[5])};
    if (const int function = NumberAfter(code, "F"); function >= 1 && function <= 12)
        return KeyEntry{VK_F1 + static_cast<WPARAM>(function - 1)};
    return KeyEntry{};
}

} // namespace

KeyEntry WebKeyOf(std::string_view code, bool numLock) {
    const int digit = code == "NumpadDecimal" ? 10 : NumberAfter(code, "Numpad");
    if (digit >= 0 && digit <= 10 && !numLock)
        return KeypadKeyWithoutNumLock(digit);
    if (digit >= 0 && digit <= 9)
        return KeyEntry{VK_NUMPAD0 + static_cast<WPARAM>(digit)};
    for (const NamedKey& key : NamedKeys)
        if (key.Code == code)
            return KeyEntry{key.VirtualKey, key.Scan};
    return LetterOrDigit(code);
}

bool PageWouldUse(WPARAM virtualKey) {
    return std::find(std::begin(PageKeys), std::end(PageKeys), virtualKey) != std::end(PageKeys);
}

} // namespace vyn
