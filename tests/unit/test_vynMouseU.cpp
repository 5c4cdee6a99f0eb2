#include "framework/core/vynAllocation.h"
#include "framework/input/vynMouseU.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

using namespace vyn;

namespace {

std::vector<int> Ran;
void LeftDown() {
    Ran.push_back(0);
}
void Moved() {
    Ran.push_back(14);
}
void Throws() {
    Ran.push_back(-1);
    throw std::runtime_error("handler failed");
}

void Arm(TMyMouse& mouse, int32_t slot, THandlerRoutine handler) {
    mouse.Handlers[slot] = handler;
    mouse.Enabled[slot] = true;
}

class MouseTest : public ::testing::Test {
  protected:
    MouseTest() { Ran.clear(); }
    TMyMouse Mouse;
};

TEST_F(MouseTest, NewMouseIsAllZero) {
    for (bool button : Mouse.Buttons)
        EXPECT_FALSE(button);
    EXPECT_EQ(Mouse.X, 0);
    EXPECT_EQ(Mouse.Y, 0);
    EXPECT_EQ(Mouse.GLX, 0);
    EXPECT_EQ(Mouse.GLY, 0);
    for (int32_t slot = 0; slot < MouseSlotCount; ++slot) {
        EXPECT_EQ(Mouse.Handlers[slot], nullptr);
        EXPECT_FALSE(Mouse.Fire(slot));
    }
}

TEST_F(MouseTest, ArmedSlotsRunOnlyWhileEnabled) {
    Arm(Mouse, MouseLeftDownSlot, LeftDown);
    Arm(Mouse, MouseMoveSlot, Moved);
    EXPECT_TRUE(Mouse.Fire(MouseLeftDownSlot));
    EXPECT_TRUE(Mouse.Fire(MouseMoveSlot));
    EXPECT_FALSE(Mouse.Fire(MouseLeftUpSlot));
    Mouse.Enabled[MouseMoveSlot] = false;
    EXPECT_FALSE(Mouse.Fire(MouseMoveSlot));
    // A double click is two down/up pairs.
    Mouse.Fire(MouseLeftDownSlot);
    EXPECT_EQ(Ran, (std::vector<int>{0, 14, 0}));
}

TEST_F(MouseTest, OutOfRangeSlotsAreRefused) {
    for (int32_t slot : {-1, 15, 100, -100000})
        EXPECT_FALSE(Mouse.Fire(slot)) << slot;
    // An armed flag with no handler never calls through null.
    Mouse.Enabled[3] = true;
    EXPECT_FALSE(Mouse.Fire(3));
    EXPECT_TRUE(Ran.empty());
}

TEST_F(MouseTest, ThrowingHandlerMakesFireFalseAndLeavesTheMouseAlone) {
    Arm(Mouse, MouseRightDownSlot, Throws);
    Mouse.Buttons[1] = true;
    Mouse.X = 7;
    EXPECT_FALSE(Mouse.Fire(MouseRightDownSlot));
    EXPECT_EQ(Ran, std::vector<int>{-1});
    EXPECT_TRUE(Mouse.Buttons[1]);
    EXPECT_EQ(Mouse.X, 7);
    EXPECT_TRUE(Mouse.Enabled[MouseRightDownSlot]);
}

TEST_F(MouseTest, ClearResetsButtonsAndSlotsButNotThePosition) {
    Arm(Mouse, MouseLeftDownSlot, LeftDown);
    Mouse.Buttons[0] = Mouse.Buttons[2] = true;
    Mouse.X = Mouse.GLX = 10;
    Mouse.Y = 20;
    Mouse.GLY = 280;
    Mouse.Clear();
    for (bool button : Mouse.Buttons)
        EXPECT_FALSE(button);
    EXPECT_FALSE(Mouse.Enabled[MouseLeftDownSlot]);
    EXPECT_EQ(Mouse.Handlers[MouseLeftDownSlot], nullptr);
    EXPECT_EQ(Mouse.X, 10);
    EXPECT_EQ(Mouse.GLY, 280);
}

class MouseModuleTest : public ::testing::Test {
  protected:
    ~MouseModuleTest() override {
        InjectAllocationFailures(0);
        DestroyMice();
    }
};

TEST_F(MouseModuleTest, CreateResetAndDestroyManageTheDefaultAndCurrentMice) {
    EXPECT_TRUE(CreateMice());
    ASSERT_NE(DefaultMouse, nullptr);
    EXPECT_EQ(CurrentMouse, DefaultMouse);
    TMyMouse client;
    CurrentMouse = &client;
    ASSERT_TRUE(Mice.Add(&client));
    EXPECT_TRUE(ResetMice());
    EXPECT_EQ(CurrentMouse, DefaultMouse);
    EXPECT_EQ(Mice.Count, 0u);

    InjectAllocationFailures(1);
    TMyMouse* before = DefaultMouse;
    EXPECT_FALSE(CreateMice());
    EXPECT_EQ(DefaultMouse, before);

    EXPECT_TRUE(DestroyMice());
    EXPECT_EQ(DefaultMouse, nullptr);
    EXPECT_EQ(CurrentMouse, nullptr);
}

} // namespace
