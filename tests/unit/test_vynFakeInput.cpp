// The fake backend's user actions: what resizes, moves, keys and the mouse post, the test's
// actions after calls, waiting that cannot hang, and timers.
#include "tests/support/vynFakePlatformTest.h"

#include <gtest/gtest.h>

#include <thread>

using namespace vyn;
using namespace vyn::test;

namespace {

TEST_F(FakePlatformTest, UserActionsPostWhatARealWindowPosts) {
    const HWND window = MakeReadyWindow();
    Fake.Resize(640, 480);
    Fake.Move(-5, 7);
    Fake.Minimize();
    Fake.Restore();
    std::vector<MSG> taken = Drain(window);
    std::vector<UINT> messages;
    for (const MSG& message : taken)
        messages.push_back(message.message);
    EXPECT_EQ(messages, (std::vector<UINT>{WM_SIZE, WM_MOVE, WM_SIZE, WM_ACTIVATE, WM_KILLFOCUS,
                                           WM_SIZE, WM_MOVE, WM_ACTIVATE, WM_SETFOCUS, WM_PAINT}));
    EXPECT_EQ(taken[0].wParam, SIZE_RESTORED);
    EXPECT_EQ(taken[0].lParam, MAKELPARAM(640, 480));
    EXPECT_EQ(taken[1].lParam, MAKELPARAM(0xFFFB, 7));
    EXPECT_EQ(taken[2].wParam, SIZE_MINIMIZED);
    EXPECT_EQ(taken[5].lParam, MAKELPARAM(640, 480));

    // Changes that change nothing post nothing.
    Fake.Resize(640, 480);
    Fake.Focus();
    EXPECT_TRUE(Drain(window).empty());
    Fake.Unfocus();
    EXPECT_FALSE(Fake.IsActive(window));
    Fake.Close();
    taken = Drain(window);
    ASSERT_EQ(taken.size(), 3u);
    EXPECT_EQ(taken[2].message, WM_CLOSE);
}

TEST_F(FakePlatformTest, KeysCarryWindowsParameters) {
    MakeReadyWindow();
    Fake.KeyDown(VK_LEFT);
    Fake.KeyDown(VK_LEFT, true);
    Fake.KeyUp(VK_LEFT);
    Fake.KeyDown(VK_MENU);
    Fake.KeyDown('A');
    Fake.KeyUp('A');
    Fake.KeyUp(VK_MENU);
    Fake.KeyDown(VK_F10);
    const std::vector<MSG> taken = Drain(nullptr);
    ASSERT_EQ(taken.size(), 8u);
    EXPECT_EQ(taken[0].message, WM_KEYDOWN);
    EXPECT_EQ(taken[0].wParam, VK_LEFT);
    EXPECT_EQ(taken[0].lParam, 0x014B0001);
    EXPECT_EQ(taken[1].lParam, 0x414B0001);
    EXPECT_EQ(taken[2].message, WM_KEYUP);
    EXPECT_EQ(taken[2].lParam, static_cast<LPARAM>(0xC14B0001u));
    EXPECT_EQ(taken[3].message, WM_SYSKEYDOWN);
    EXPECT_EQ(taken[3].lParam, 0x20380001);
    EXPECT_EQ(taken[4].message, WM_SYSKEYDOWN);
    EXPECT_EQ(taken[4].lParam, 0x201E0001);
    EXPECT_EQ(taken[5].message, WM_SYSKEYUP);
    EXPECT_EQ(taken[5].lParam, static_cast<LPARAM>(0xE01E0001u));
    EXPECT_EQ(taken[6].message, WM_SYSKEYUP);
    EXPECT_EQ(taken[6].lParam, static_cast<LPARAM>(0xC0380001u));
    EXPECT_EQ(taken[7].message, WM_SYSKEYDOWN);
    EXPECT_EQ(taken[7].lParam, 0x00440001);
}

TEST_F(FakePlatformTest, MouseCarriesClientPointAndButtonFlags) {
    MakeReadyWindow();
    Fake.MouseMove(-1, 299);
    Fake.ButtonDown(MouseButton::Left, 3, 4);
    Fake.ButtonDown(MouseButton::Right, 3, 4);
    Fake.ButtonUp(MouseButton::Left, 5, 6);
    Fake.Wheel(-1);
    const std::vector<MSG> taken = Drain(nullptr);
    ASSERT_EQ(taken.size(), 5u);
    EXPECT_EQ(taken[0].message, WM_MOUSEMOVE);
    EXPECT_EQ(taken[0].lParam, MAKELPARAM(0xFFFF, 299));
    EXPECT_EQ(taken[0].wParam, 0u);
    EXPECT_EQ(taken[1].message, WM_LBUTTONDOWN);
    EXPECT_EQ(taken[1].wParam, MK_LBUTTON);
    EXPECT_EQ(taken[2].message, WM_RBUTTONDOWN);
    EXPECT_EQ(taken[2].wParam, MK_LBUTTON | MK_RBUTTON);
    EXPECT_EQ(taken[3].message, WM_LBUTTONUP);
    EXPECT_EQ(taken[3].wParam, MK_RBUTTON);
    EXPECT_EQ(taken[3].lParam, MAKELPARAM(5, 6));
    EXPECT_EQ(taken[4].message, WM_MOUSEWHEEL);
    EXPECT_EQ(HIWORD(taken[4].wParam), 0xFF88);
}

TEST_F(FakePlatformTest, ActionsRunAfterTheirCallAndWaitingCannotHang) {
    const HWND window = MakeReadyWindow();
    int swaps = 0;
    Fake.On("SwapBuffers", [&] { ++swaps; });
    Fake.On("WaitMessage", [&] { Fake.Post(window, WM_USER, 0, 0); });
    EXPECT_TRUE(vyn::SwapBuffers(vyn::GetDC(window)));
    EXPECT_TRUE(vyn::SwapBuffers(vyn::GetDC(window)));
    EXPECT_EQ(swaps, 2);
    EXPECT_EQ(Fake.SwapCount, 2);
    EXPECT_TRUE(vyn::WaitMessage());
    MSG message{};
    EXPECT_TRUE(vyn::PeekMessageA(&message, window, WM_USER, WM_USER, PM_REMOVE));
}

TEST_F(FakePlatformTest, WaitingWithNothingToDeliverEndsInAnErrorNotAHang) {
    const HWND window = MakeReadyWindow();
    Drain(window);
    Fake.MaxIdleWaits = 3;
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(vyn::WaitMessage());
    EXPECT_THROW(vyn::WaitMessage(), std::runtime_error);
    // Something to deliver resets the count.
    Fake.Post(window, WM_USER, 0, 0);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(vyn::WaitMessage());
}

TEST_F(FakePlatformTest, TimersAreStoredAndFiredHereOrOnAThread) {
    static std::vector<std::pair<UINT, DWORD_PTR>> fired;
    static std::thread::id firedOn;
    fired.clear();
    const LPTIMECALLBACK callback = [](UINT id, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
        fired.emplace_back(id, user);
        firedOn = std::this_thread::get_id();
    };
    const MMRESULT periodic = vyn::timeSetEvent(1000, 0, callback, 77, TIME_PERIODIC);
    const MMRESULT once = vyn::timeSetEvent(10, 0, callback, 88, TIME_ONESHOT);
    ASSERT_NE(periodic, 0u);
    ASSERT_NE(once, periodic);
    EXPECT_EQ(vyn::timeSetEvent(1000, 0, nullptr, 0, TIME_PERIODIC), 0u);
    EXPECT_EQ(Fake.Timer(periodic)->Delay, 1000u);

    EXPECT_TRUE(Fake.FireTimer(periodic));
    EXPECT_EQ(firedOn, std::this_thread::get_id());
    EXPECT_TRUE(Fake.FireTimerOnThread(periodic));
    EXPECT_NE(firedOn, std::this_thread::get_id());
    EXPECT_TRUE(Fake.FireTimer(once));
    EXPECT_FALSE(Fake.FireTimer(once));
    EXPECT_EQ(fired, (std::vector<std::pair<UINT, DWORD_PTR>>{
                         {periodic, 77}, {periodic, 77}, {once, 88}}));

    EXPECT_EQ(Fake.PendingTimers(), std::vector<UINT>{periodic});
    EXPECT_EQ(vyn::timeKillEvent(periodic), TIMERR_NOERROR);
    EXPECT_EQ(vyn::timeKillEvent(periodic), MMSYSERR_INVALPARAM);
    EXPECT_TRUE(Fake.PendingTimers().empty());
}

} // namespace
