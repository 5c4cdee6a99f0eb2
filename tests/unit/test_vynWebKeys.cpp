// The web backend's key table, built here for the host: the page's physical key names must give
// the virtual keys and scan codes the SDL backend gives for the same keys, whatever the
// keyboard's layout, and the page keeps only the keys it would scroll or move the focus with.
#include "framework/platform/web/vynWebKeys.h"

#include <gtest/gtest.h>

namespace vyn {
namespace {

struct KeyCase {
    const char* Code;
    bool NumLock;
    WPARAM VirtualKey;
    BYTE Scan; // 0: the virtual key's usual one
    bool Extended;
};

TEST(WebKeys, CodesBecomeTheDesktopsVirtualKeys) {
    const KeyCase cases[] = {
        {"KeyA", true, 'A', 0, false},
        {"KeyZ", true, 'Z', 0, false},
        {"Digit0", true, '0', 0, false},
        {"Digit9", true, '9', 0, false},
        {"F1", true, VK_F1, 0, false},
        {"F12", true, VK_F12, 0, false},
        {"ArrowLeft", true, VK_LEFT, 0, false},
        {"ArrowRight", true, VK_RIGHT, 0, false},
        {"Escape", true, VK_ESCAPE, 0, false},
        {"Numpad4", true, VK_NUMPAD0 + 4, 0, false},
        {"Numpad4", false, VK_LEFT, 0x4B, false},
        {"NumpadDecimal", false, VK_DELETE, 0x53, false},
        {"NumpadDecimal", true, VK_DECIMAL, 0, false},
        {"NumpadEnter", true, VK_RETURN, 0x1C, true},
        {"ShiftRight", true, VK_SHIFT, 0x36, false},
        {"ControlRight", true, VK_CONTROL, 0x1D, true},
        {"Quote", true, VK_OEM_7, 0, false},
        {"Backquote", true, VK_OEM_3, 0, false},
        {"BracketLeft", true, VK_OEM_4, 0, false},
        {"BracketRight", true, VK_OEM_6, 0, false},
        {"Backslash", true, VK_OEM_5, 0, false},
        {"Slash", true, VK_OEM_2, 0, false},
        {"Semicolon", true, VK_OEM_1, 0, false},
        {"Comma", true, VK_OEM_COMMA, 0, false},
        {"Period", true, VK_OEM_PERIOD, 0, false},
        {"Minus", true, VK_OEM_MINUS, 0, false},
        {"Equal", true, VK_OEM_PLUS, 0, false},
    };
    for (const KeyCase& key : cases) {
        const KeyEntry entry = WebKeyOf(key.Code, key.NumLock);
        EXPECT_EQ(entry.VirtualKey, key.VirtualKey) << key.Code << " NumLock " << key.NumLock;
        EXPECT_EQ(entry.Scan.Code, key.Scan) << key.Code;
        EXPECT_EQ(entry.Scan.Extended, key.Extended) << key.Code;
    }
}

TEST(WebKeys, NamesWindowsLacksOrMisspeltGiveNoKey) {
    for (const char* code : {"", "Key", "KeyAA", "Keya", "F0", "F13", "F1x", "Digit", "Numpad",
                             "Numpad10", "Lang1", "MediaPlayPause"})
        EXPECT_EQ(WebKeyOf(code, true).VirtualKey, 0u) << '"' << code << '"';
}

TEST(WebKeys, ThePageKeepsOnlyItsScrollingAndFocusKeys) {
    for (WPARAM key : {VK_LEFT, VK_UP, VK_SPACE, VK_TAB, VK_PRIOR, VK_BACK})
        EXPECT_TRUE(PageWouldUse(key)) << key;
    for (WPARAM key : {WPARAM{'A'}, VK_ESCAPE, VK_F1 + 4, VK_RETURN})
        EXPECT_FALSE(PageWouldUse(key)) << key;
}

} // namespace
} // namespace vyn
