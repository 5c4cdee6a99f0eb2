// The fake backend's window system: installation, the call log, classes and windows, showing,
// the message queue, painting, the default window procedure and captions from other threads.
#include "tests/support/vynFakePlatformTest.h"

#include <gtest/gtest.h>

#include <thread>

using namespace vyn;
using namespace vyn::test;

namespace {

TEST(FakePlatformInstall, ReplacesTheBackendWhileItLivesAndOnlyOnce) {
    const char* before = CurrentPlatformBackend().Name;
    {
        CallLog log;
        FakePlatform fake(log);
        EXPECT_STREQ(CurrentPlatformBackend().Name, "fake");
        EXPECT_THROW(FakePlatform second(log), std::logic_error);
        EXPECT_STREQ(CurrentPlatformBackend().Name, "fake");
    }
    EXPECT_STREQ(CurrentPlatformBackend().Name, before);
}

TEST_F(FakePlatformTest, LogsEveryCallWithItsArgumentsInOrder) {
    vyn::GetModuleHandleA(nullptr);
    vyn::LoadCursorA(nullptr, IDC_ARROW);
    vyn::Sleep(50);
    vyn::MessageBoxA(nullptr, "text", "Message", MB_OK);
    const std::vector<CallRecord> expected = {
        Call("GetModuleHandleA", std::string()), // no module name
        Call("LoadCursorA", HINSTANCE{}, 32512),
        Call("Sleep", 50),
        Call("MessageBoxA", HWND{}, std::string("text"), std::string("Message"), MB_OK),
    };
    EXPECT_EQ(Log.Calls(), expected);
    EXPECT_EQ(Fake.Sleeps, std::vector<DWORD>{50});
    ASSERT_EQ(Fake.MessageBoxes.size(), 1u);
    EXPECT_EQ(Fake.MessageBoxes[0].Caption, "Message");
    EXPECT_EQ(vyn::GetModuleHandleA(nullptr), Fake.ModuleHandle());
    EXPECT_NE(vyn::LoadCursorA(nullptr, IDC_ARROW), nullptr);
}

TEST_F(FakePlatformTest, ClassesAreRegisteredOnceAndUnregisteredOnlyWithoutWindows) {
    WNDCLASSEXA windowClass = TestClass();
    EXPECT_NE(vyn::RegisterClassExA(&windowClass), 0);
    WNDCLASSEXA sameNameOtherCase = TestClass("VYNTEST");
    EXPECT_EQ(vyn::RegisterClassExA(&sameNameOtherCase), 0);
    WNDCLASSEXA wrongSize = TestClass("other");
    wrongSize.cbSize = 40;
    EXPECT_EQ(vyn::RegisterClassExA(&wrongSize), 0);
    EXPECT_EQ(Fake.RegisteredClasses(), std::vector<std::string>{"vynTest"});

    const HWND window = MakeWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(vyn::UnregisterClassA("vynTest", nullptr));
    EXPECT_TRUE(vyn::DestroyWindow(window));
    EXPECT_TRUE(vyn::UnregisterClassA("vynTest", nullptr));
    EXPECT_FALSE(vyn::UnregisterClassA("vynTest", nullptr));
    EXPECT_TRUE(Fake.RegisteredClasses().empty());
}

TEST_F(FakePlatformTest, FrameIsAddedForCaptionedStylesAndNotForPopups) {
    RECT overlapped{0, 0, 400, 300};
    EXPECT_TRUE(vyn::AdjustWindowRectEx(&overlapped, WS_OVERLAPPEDWINDOW, FALSE, 0));
    EXPECT_EQ(overlapped.left, -FrameBorder);
    EXPECT_EQ(overlapped.top, -(FrameBorder + CaptionHeight));
    EXPECT_EQ(overlapped.right, 400 + FrameBorder);
    EXPECT_EQ(overlapped.bottom, 300 + FrameBorder);

    RECT popup{5, 6, 100, 200};
    EXPECT_TRUE(vyn::AdjustWindowRectEx(&popup, WS_POPUP | WS_CLIPCHILDREN, FALSE, 0));
    EXPECT_EQ(popup.left, 5);
    EXPECT_EQ(popup.top, 6);
    EXPECT_EQ(popup.right, 100);
    EXPECT_EQ(popup.bottom, 200);
    EXPECT_FALSE(vyn::AdjustWindowRectEx(nullptr, WS_POPUP, FALSE, 0));
}

TEST_F(FakePlatformTest, CreationSendsCreateSizeAndMoveWithTheClientArea) {
    const HWND window = MakeWindow();
    ASSERT_NE(window, nullptr);
    const std::vector<Seen> expected = {
        {window, WM_CREATE, 0, 0},
        {window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(400, 300)},
        {window, WM_MOVE, 0, MAKELPARAM(10, 20)},
    };
    EXPECT_EQ(Received, expected);
    const WindowRecord* record = Fake.Window(window);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->Caption, "caption");
    EXPECT_EQ(record->ClassName, "vynTest");
    EXPECT_FALSE(record->Visible);
    EXPECT_EQ(Fake.WindowRect(window).left, 10 - FrameBorder);
    EXPECT_EQ(Fake.LastWindow(), window);
}

TEST_F(FakePlatformTest, CreationFailsForAnUnknownClassOrARefusedCreate) {
    EXPECT_EQ(vyn::CreateWindowExA(0, "nothing", "x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   nullptr, nullptr),
              nullptr);
    EXPECT_TRUE(Received.empty());

    CreateAnswer = -1;
    EXPECT_EQ(MakeWindow(), nullptr);
    EXPECT_EQ(MessageKinds(Received), (std::vector<UINT>{WM_CREATE, WM_DESTROY}));
    EXPECT_TRUE(Fake.Windows().Windows().empty());
}

TEST_F(FakePlatformTest, ShowingReportsPreviousVisibilityAndActivatesOnce) {
    const HWND window = MakeWindow();
    Received.clear();
    EXPECT_FALSE(vyn::ShowWindow(window, SW_SHOW));
    EXPECT_EQ(MessageKinds(Received), (std::vector<UINT>{WM_SHOWWINDOW, WM_ACTIVATE, WM_SETFOCUS}));
    EXPECT_EQ(Received[1].wParam, WA_ACTIVE);
    EXPECT_TRUE(Fake.IsFocused(window));
    EXPECT_TRUE(Fake.IsActive(window));

    Received.clear();
    EXPECT_TRUE(vyn::ShowWindow(window, SW_SHOW));
    EXPECT_TRUE(Received.empty());
    EXPECT_EQ(vyn::SetFocus(window), window);
    EXPECT_TRUE(vyn::SetForegroundWindow(window));
    EXPECT_TRUE(Received.empty());
}

TEST_F(FakePlatformTest, MaximisingFillsTheScreenOfTheCurrentMode) {
    const HWND window = MakeWindow(WS_POPUP);
    Received.clear();
    EXPECT_FALSE(vyn::ShowWindow(window, SW_MAXIMIZE));
    const std::vector<Seen> expected = {
        {window, WM_SHOWWINDOW, TRUE, 0}, {window, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(1024, 768)},
        {window, WM_MOVE, 0, 0},          {window, WM_ACTIVATE, WA_ACTIVE, 0},
        {window, WM_SETFOCUS, 0, 0},
    };
    EXPECT_EQ(Received, expected);
    EXPECT_TRUE(Fake.Window(window)->Maximized);
}

TEST_F(FakePlatformTest, QueueIsFilteredByWindowAndRangeAndKeepsOrder) {
    const HWND window = MakeWindow();
    const HWND other = MakeWindow();
    EXPECT_TRUE(Fake.Post(window, WM_USER, 1, 2));
    EXPECT_TRUE(Fake.Post(other, WM_USER + 1, 3, 4));
    EXPECT_TRUE(Fake.Post(window, WM_KEYDOWN, VK_LEFT, 0));
    EXPECT_FALSE(Fake.Post(reinterpret_cast<HWND>(0x1234), WM_USER, 0, 0));

    MSG message{};
    EXPECT_TRUE(vyn::PeekMessageA(&message, window, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE));
    EXPECT_EQ(message.message, WM_KEYDOWN);
    EXPECT_TRUE(vyn::PeekMessageA(&message, window, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_USER);
    EXPECT_EQ(message.wParam, 1u);
    EXPECT_TRUE(vyn::PeekMessageA(&message, window, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_KEYDOWN);
    EXPECT_FALSE(vyn::PeekMessageA(&message, window, 0, 0, PM_REMOVE));
    EXPECT_TRUE(vyn::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.hwnd, other);

    Received.clear();
    Fake.Post(window, WM_USER + 7, 8, 9);
    ASSERT_TRUE(vyn::PeekMessageA(&message, window, 0, 0, PM_REMOVE));
    vyn::DispatchMessageA(&message);
    EXPECT_EQ(Received, (std::vector<Seen>{{window, WM_USER + 7, 8, 9}}));
}

TEST_F(FakePlatformTest, PaintIsSynthesisedWhileAVisibleWindowIsInvalid) {
    const HWND window = MakeWindow();
    MSG message{};
    // Hidden windows are not painted.
    EXPECT_FALSE(vyn::PeekMessageA(&message, window, 0, 0, PM_REMOVE));
    vyn::ShowWindow(window, SW_SHOW);
    ASSERT_TRUE(vyn::PeekMessageA(&message, window, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_PAINT);
    // Not validated: it keeps coming, behind queued messages.
    Fake.Post(window, WM_USER, 0, 0);
    ASSERT_TRUE(vyn::PeekMessageA(&message, window, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_USER);
    ASSERT_TRUE(vyn::PeekMessageA(&message, window, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_PAINT);

    PAINTSTRUCT paint{};
    EXPECT_EQ(vyn::BeginPaint(window, &paint), vyn::GetDC(window));
    EXPECT_EQ(paint.rcPaint.right, 400);
    EXPECT_TRUE(vyn::EndPaint(window, &paint));
    EXPECT_FALSE(Fake.Window(window)->Invalid);
    EXPECT_FALSE(vyn::PeekMessageA(&message, window, 0, 0, PM_REMOVE));

    RECT part{1, 2, 3, 4};
    EXPECT_TRUE(vyn::InvalidateRect(window, &part, FALSE));
    EXPECT_EQ(Fake.Window(window)->UpdateRect.bottom, 4);
    Received.clear();
    EXPECT_TRUE(vyn::UpdateWindow(window));
    EXPECT_EQ(MessageKinds(Received), std::vector<UINT>{WM_PAINT});
    EXPECT_FALSE(Fake.Window(window)->Invalid);
}

TEST_F(FakePlatformTest, DefaultProcedureClosesDestroysAndSetsText) {
    const HWND window = MakeReadyWindow();
    Fake.Post(window, WM_USER, 0, 0);
    vyn::SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(MessageKinds(Received),
              (std::vector<UINT>{WM_SYSCOMMAND, WM_CLOSE, WM_ACTIVATE, WM_KILLFOCUS, WM_DESTROY}));
    EXPECT_EQ(Received[2].wParam, WA_INACTIVE);
    EXPECT_EQ(Fake.Window(window), nullptr);
    MSG message{};
    EXPECT_FALSE(vyn::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_FALSE(vyn::DestroyWindow(window));

    const HWND second = MakeWindow();
    Received.clear();
    Log.Clear();
    Fake.Fail("DestroyWindow");
    vyn::SendMessageA(second, WM_SYSKEYDOWN, VK_F1 + 3, 0x203E0001);
    EXPECT_EQ(MessageKinds(Received), (std::vector<UINT>{WM_SYSKEYDOWN, WM_SYSCOMMAND, WM_CLOSE}));
    EXPECT_EQ(Log.Names().back(), "DestroyWindow");
    EXPECT_NE(Fake.Window(second), nullptr) << "the failing DestroyWindow left the window";
    Fake.Succeed("DestroyWindow");
    EXPECT_TRUE(vyn::SetWindowTextA(second, "new caption"));
    EXPECT_EQ(Fake.Window(second)->Caption, "new caption");
    EXPECT_EQ(vyn::DefWindowProcA(second, WM_ERASEBKGND, 0, 0), 1);
}

TEST_F(FakePlatformTest, CaptionFromAnotherThreadWaitsForTheMainThread) {
    const HWND window = MakeWindow();
    BOOL result = FALSE;
    std::thread([&] { result = vyn::SetWindowTextA(window, "from the timer"); }).join();
    EXPECT_TRUE(result);
    EXPECT_EQ(Fake.Window(window)->Caption, "caption");
    Received.clear();
    MSG message{};
    vyn::PeekMessageA(&message, window, 0, 0, PM_REMOVE);
    EXPECT_EQ(Fake.Window(window)->Caption, "from the timer");
    ASSERT_FALSE(Received.empty());
    EXPECT_EQ(Received[0].message, WM_SETTEXT);

    std::thread([&] { result = vyn::SetWindowTextA(nullptr, "nowhere"); }).join();
    EXPECT_FALSE(result);
}

} // namespace
