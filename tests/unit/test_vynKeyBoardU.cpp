#include "framework/core/vynAllocation.h"
#include "framework/input/vynKeyBoardU.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

using namespace vyn;

namespace {

std::vector<int> Ran;
void First() {
    Ran.push_back(1);
}
void Second() {
    Ran.push_back(2);
}
void Throws() {
    Ran.push_back(3);
    throw std::runtime_error("handler failed");
}
void ThrowsAnything() {
    throw 42;
}

int ArmedCount(const TMyKeyBoard& keyboard) {
    int armed = 0;
    for (const auto& table : keyboard.Enabled)
        for (bool enabled : table)
            armed += enabled ? 1 : 0;
    return armed;
}

class KeyboardTest : public ::testing::Test {
  protected:
    KeyboardTest() { Ran.clear(); }
    TMyKeyBoard Keyboard;
};

TEST_F(KeyboardTest, NewKeyboardHasNoKeysHandlersOrFlags) {
    for (int key = 0; key < KeyCodeCount; ++key) {
        EXPECT_FALSE(Keyboard.Keys[key]);
        for (int table = 0; table < KeyTableCount; ++table) {
            EXPECT_EQ(Keyboard.Handlers[table][key], nullptr);
            EXPECT_FALSE(Keyboard.Fire(key, table));
        }
    }
    EXPECT_TRUE(Ran.empty());
}

TEST_F(KeyboardTest, HandlersRunPerKeyAndTableAndAreReplaced) {
    EXPECT_TRUE(Keyboard.SetHandler(37, KeyDownTable, First));
    EXPECT_TRUE(Keyboard.SetHandler(39, KeyDownTable, Second));
    EXPECT_TRUE(Keyboard.SetHandler(37, KeyUpTable, Second));
    EXPECT_TRUE(Keyboard.Fire(37, KeyDownTable));
    EXPECT_TRUE(Keyboard.Fire(39, KeyDownTable));
    EXPECT_TRUE(Keyboard.Fire(37, KeyUpTable));
    EXPECT_FALSE(Keyboard.Fire(39, KeyUpTable));
    EXPECT_EQ(Ran, (std::vector<int>{1, 2, 2}));

    // A second registration replaces the first, in its own table only.
    Ran.clear();
    EXPECT_TRUE(Keyboard.SetHandler(37, KeyDownTable, Second));
    Keyboard.Fire(37, KeyDownTable);
    Keyboard.Fire(37, KeyUpTable);
    EXPECT_EQ(Ran, (std::vector<int>{2, 2}));

    // Held keys: every repeat runs the key-down handler again.
    Ran.clear();
    for (int repeat = 0; repeat < 3; ++repeat) {
        Keyboard.SetKeyState(37, true);
        Keyboard.Fire(37, KeyDownTable);
    }
    EXPECT_EQ(Ran.size(), 3u);
    EXPECT_TRUE(Keyboard.Keys[37]);
}

TEST_F(KeyboardTest, NullHandlersAndOutOfRangeArgumentsAreRefusedAndTouchNothing) {
    EXPECT_FALSE(Keyboard.SetHandler(37, KeyDownTable, nullptr));
    const int refused[][2] = {{-1, 1}, {256, 1}, {1000, 0}, {37, 2}, {37, -1}, {-5, -5}};
    for (const auto& [key, table] : refused) {
        EXPECT_FALSE(Keyboard.SetHandler(key, table, First)) << key << "/" << table;
        EXPECT_FALSE(Keyboard.Fire(key, table)) << key << "/" << table;
    }
    EXPECT_EQ(ArmedCount(Keyboard), 0);
    EXPECT_TRUE(Ran.empty());

    EXPECT_TRUE(Keyboard.SetKeyState(255, true));
    EXPECT_TRUE(Keyboard.Keys[255]);
    EXPECT_FALSE(Keyboard.SetKeyState(256, true));
    EXPECT_FALSE(Keyboard.SetKeyState(-1, true));
}

TEST_F(KeyboardTest, ThrowingHandlerMakesFireFalseAndNothingElse) {
    ASSERT_TRUE(Keyboard.SetHandler(37, KeyDownTable, Throws));
    ASSERT_TRUE(Keyboard.SetHandler(39, KeyDownTable, ThrowsAnything));
    Keyboard.SetKeyState(37, true);
    EXPECT_FALSE(Keyboard.Fire(37, KeyDownTable));
    EXPECT_FALSE(Keyboard.Fire(39, KeyDownTable));
    EXPECT_EQ(Ran, std::vector<int>{3});
    EXPECT_TRUE(Keyboard.Keys[37]);
    EXPECT_TRUE(Keyboard.Enabled[KeyDownTable][37]);
    EXPECT_EQ(Keyboard.Handlers[KeyDownTable][37], Throws);
}

TEST_F(KeyboardTest, ClearDisarmsEverythingButKeepsKeys) {
    Keyboard.SetHandler(37, KeyDownTable, First);
    Keyboard.SetHandler(0, KeyUpTable, First);
    Keyboard.SetKeyState(37, true);
    Keyboard.Clear();
    EXPECT_EQ(ArmedCount(Keyboard), 0);
    EXPECT_EQ(Keyboard.Handlers[KeyDownTable][37], nullptr);
    EXPECT_FALSE(Keyboard.Fire(37, KeyDownTable));
    EXPECT_TRUE(Keyboard.Keys[37]);
}

class KeyboardModuleTest : public ::testing::Test {
  protected:
    ~KeyboardModuleTest() override {
        InjectAllocationFailures(0);
        DestroyKeyboards();
    }
};

TEST_F(KeyboardModuleTest, CreateResetAndDestroyManageTheDefaultAndCurrentKeyboards) {
    EXPECT_TRUE(CreateKeyboards());
    ASSERT_NE(DefaultKeyboard, nullptr);
    EXPECT_EQ(CurrentKeyboard, DefaultKeyboard);

    TMyKeyBoard client;
    CurrentKeyboard = &client;
    ASSERT_TRUE(Keyboards.Add(&client));
    EXPECT_TRUE(ResetKeyboards());
    EXPECT_EQ(CurrentKeyboard, DefaultKeyboard);
    EXPECT_EQ(Keyboards.Count, 0u);
    EXPECT_EQ(Keyboards.Capacity % KeyboardListGrowthStep, 0u);

    // A second creation replaces the default keyboard and its registrations.
    DefaultKeyboard->SetHandler(37, KeyDownTable, First);
    EXPECT_TRUE(CreateKeyboards());
    EXPECT_EQ(CurrentKeyboard, DefaultKeyboard);
    EXPECT_FALSE(CurrentKeyboard->Enabled[KeyDownTable][37]);

    EXPECT_TRUE(DestroyKeyboards());
    EXPECT_EQ(DefaultKeyboard, nullptr);
    EXPECT_EQ(CurrentKeyboard, nullptr);
    EXPECT_TRUE(DestroyKeyboards());
}

TEST_F(KeyboardModuleTest, FailedCreationChangesNothing) {
    ASSERT_TRUE(CreateKeyboards());
    TMyKeyBoard* before = DefaultKeyboard;
    InjectAllocationFailures(1);
    EXPECT_FALSE(CreateKeyboards());
    EXPECT_EQ(DefaultKeyboard, before);
    EXPECT_EQ(CurrentKeyboard, before);
}

} // namespace
