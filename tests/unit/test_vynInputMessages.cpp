#include "framework/platform/emulation/vynInputMessages.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using namespace vyn;

namespace {

KeyEvent Press(WPARAM key, KeyModifiers held = {}) {
    return KeyEvent{key, true, false, held, {}};
}
KeyEvent Release(WPARAM key, KeyModifiers held = {}) {
    return KeyEvent{key, false, false, held, {}};
}

TEST(KeyMessages, ScanCodesFollowThePcKeyboard) {
    EXPECT_EQ(ScanCodeOfVirtualKey('A').Code, 0x1E);
    EXPECT_EQ(ScanCodeOfVirtualKey('Z').Code, 0x2C);
    EXPECT_EQ(ScanCodeOfVirtualKey('1').Code, 0x02);
    EXPECT_EQ(ScanCodeOfVirtualKey('0').Code, 0x0B);
    EXPECT_EQ(ScanCodeOfVirtualKey(VK_F1).Code, 0x3B);
    EXPECT_EQ(ScanCodeOfVirtualKey(VK_F10).Code, 0x44);
    EXPECT_EQ(ScanCodeOfVirtualKey(VK_F12).Code, 0x58);
    EXPECT_EQ(ScanCodeOfVirtualKey(VK_NUMPAD0 + 7).Code, 0x47);
    EXPECT_FALSE(ScanCodeOfVirtualKey(VK_NUMPAD0 + 7).Extended);
    EXPECT_EQ(ScanCodeOfVirtualKey(VK_HOME).Code, 0x47);
    EXPECT_TRUE(ScanCodeOfVirtualKey(VK_HOME).Extended);
    EXPECT_TRUE(ScanCodeOfVirtualKey(VK_RIGHT).Extended);
    EXPECT_FALSE(ScanCodeOfVirtualKey(VK_RETURN).Extended);
    EXPECT_EQ(ScanCodeOfVirtualKey(0xE8).Code, 0);
    EXPECT_EQ(ScanCodeOfVirtualKey(1000).Code, 0);
}

TEST(KeyMessages, PressRepeatAndReleaseCarryWindowsBits) {
    const InputMessage press = KeyMessage(Press(VK_RIGHT));
    EXPECT_EQ(press.Message, WM_KEYDOWN);
    EXPECT_EQ(press.WParam, VK_RIGHT);
    EXPECT_EQ(press.LParam, 0x014D0001);
    EXPECT_EQ(KeyMessage(KeyEvent{VK_RIGHT, true, true, {}, {}}).LParam, 0x414D0001);
    const InputMessage release = KeyMessage(Release(VK_RIGHT));
    EXPECT_EQ(release.Message, WM_KEYUP);
    EXPECT_EQ(release.LParam, static_cast<LPARAM>(0xC14D0001u));
    EXPECT_GT(release.LParam, 0) << "lParam is the 32-bit value, not sign-extended";
}

TEST(KeyMessages, AltKeysAndF10AreSystemKeysButCtrlAltIsNot) {
    const KeyModifiers alt{true, false};
    const KeyModifiers ctrlAlt{true, true};
    EXPECT_EQ(KeyMessage(Press(VK_MENU, alt)).Message, WM_SYSKEYDOWN);
    EXPECT_EQ(KeyMessage(Press(VK_MENU, alt)).LParam, 0x20380001);
    EXPECT_EQ(KeyMessage(Release(VK_MENU)).Message, WM_SYSKEYUP);
    EXPECT_EQ(KeyMessage(Release(VK_MENU)).LParam, static_cast<LPARAM>(0xC0380001u));
    EXPECT_EQ(KeyMessage(Press('Q', alt)).Message, WM_SYSKEYDOWN);
    EXPECT_EQ(KeyMessage(Press('Q', ctrlAlt)).Message, WM_KEYDOWN);
    EXPECT_EQ(KeyMessage(Press('Q', ctrlAlt)).LParam & (1 << 29), 1 << 29);
    EXPECT_EQ(KeyMessage(Press(VK_F10)).Message, WM_SYSKEYDOWN);
    EXPECT_EQ(KeyMessage(Press(VK_F10)).LParam & (1 << 29), 0);
    EXPECT_EQ(KeyMessage(Release(VK_F10)).Message, WM_SYSKEYUP);
    EXPECT_EQ(KeyMessage(Press(VK_F1 + 8)).Message, WM_KEYDOWN);
}

TEST(KeyMessages, AGivenScanCodeOverridesTheUsualOne) {
    KeyEvent rightShift = Press(VK_SHIFT);
    rightShift.Scan = ScanCode{0x36, false};
    EXPECT_EQ(KeyMessage(rightShift).LParam, 0x00360001);
    KeyEvent rightControl = Press(VK_CONTROL);
    rightControl.Scan = ScanCode{0x1D, true};
    EXPECT_EQ(KeyMessage(rightControl).LParam, 0x011D0001);
}

TEST(MouseMessages, PointsWrapToSixteenBitsAndFlagsFollowTheState) {
    EXPECT_EQ(PointLParam(10, 20), MAKELPARAM(10, 20));
    EXPECT_EQ(PointLParam(-1, -32768), MAKELPARAM(0xFFFF, 0x8000));
    EXPECT_EQ(PointLParam(70000, 0), MAKELPARAM(70000 & 0xFFFF, 0));

    MouseState state;
    EXPECT_EQ(MouseKeyFlags(state), 0u);
    state.Left = state.Shift = state.X2 = true;
    EXPECT_EQ(MouseKeyFlags(state), MK_LBUTTON | MK_SHIFT | MK_XBUTTON2);

    const InputMessage move = MouseMoveMessage(3, 4, state);
    EXPECT_EQ(move.Message, WM_MOUSEMOVE);
    EXPECT_EQ(move.LParam, MAKELPARAM(3, 4));
    EXPECT_EQ(move.WParam, MK_LBUTTON | MK_SHIFT | MK_XBUTTON2);
}

TEST(MouseMessages, EachButtonHasItsMessagesAndWheelCarriesItsDelta) {
    const MouseState none;
    const std::pair<MouseButton, UINT> downs[] = {{MouseButton::Left, WM_LBUTTONDOWN},
                                                  {MouseButton::Right, WM_RBUTTONDOWN},
                                                  {MouseButton::Middle, WM_MBUTTONDOWN},
                                                  {MouseButton::X1, WM_XBUTTONDOWN}};
    for (const auto& [button, message] : downs) {
        EXPECT_EQ(MouseButtonMessage(button, true, 0, 0, none).Message, message);
        EXPECT_EQ(MouseButtonMessage(button, false, 0, 0, none).Message, message + 1);
    }
    EXPECT_EQ(HIWORD(MouseButtonMessage(MouseButton::X2, true, 0, 0, none).WParam), XBUTTON2);

    const InputMessage wheel = MouseWheelMessage(2, 100, 200, none);
    EXPECT_EQ(wheel.Message, WM_MOUSEWHEEL);
    EXPECT_EQ(static_cast<SHORT>(HIWORD(wheel.WParam)), 240);
    EXPECT_EQ(static_cast<SHORT>(HIWORD(MouseWheelMessage(-1, 0, 0, none).WParam)), -120);
    EXPECT_EQ(wheel.LParam, MAKELPARAM(100, 200));
}

// As TranslateMessage makes them: text as one WM_CHAR a UTF-16 unit, and the control characters
// of the keys that type no text.
TEST(CharacterMessages, TextAsUtf16UnitsAndControlCharactersOfKeys) {
    std::vector<WPARAM> units;
    for (const InputMessage& message : CharMessages("a\xC3\xA9\xF0\x9F\x98\x80")) {
        EXPECT_EQ(message.Message, WM_CHAR);
        EXPECT_EQ(message.LParam, 1);
        units.push_back(message.WParam);
    }
    EXPECT_EQ(units, (std::vector<WPARAM>{'a', 0xE9, 0xD83D, 0xDE00}));

    const std::tuple<WPARAM, bool, WPARAM> keys[] = {
        {VK_BACK, false, 8}, {VK_TAB, false, 9}, {VK_RETURN, true, 13}, {VK_ESCAPE, false, 27},
        {'A', true, 1},      {'Z', true, 26},    {'A', false, 0},       {VK_F1, true, 0}};
    for (const auto& [key, control, typed] : keys)
        EXPECT_EQ(ControlCharacterOfKey(key, control), typed) << key << " ctrl " << control;
}

} // namespace
