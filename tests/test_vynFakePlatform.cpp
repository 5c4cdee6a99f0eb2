#include "framework/platform/fake/vynFakePlatform.h"
#include "framework/platform/vynPixelFormats.h"
#include "support/vynPlatformTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <thread>

using namespace vyn;
using namespace vyn::test;

namespace {

WNDCLASSEXA TestClass(const char* name = "vynTest") {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.lpfnWndProc = RecordingWindowProc;
    windowClass.lpszClassName = name;
    return windowClass;
}

class FakePlatformTest : public ::testing::Test {
  protected:
    FakePlatformTest() {
        Received.clear();
        CreateAnswer = 0;
    }

    // A registered class and a window of it with the client area 400 × 300 at (10, 20).
    HWND MakeWindow(DWORD style = WS_OVERLAPPEDWINDOW) {
        const WNDCLASSEXA windowClass = TestClass();
        if (Fake.RegisteredClass("vynTest") == nullptr) {
            EXPECT_NE(vyn::RegisterClassExA(&windowClass), 0);
        }
        RECT rect{10, 20, 410, 320};
        vyn::AdjustWindowRectEx(&rect, style, FALSE, 0);
        return vyn::CreateWindowExA(0, "vynTest", "caption", style, rect.left, rect.top,
                                    rect.right - rect.left, rect.bottom - rect.top, nullptr,
                                    nullptr, nullptr, nullptr);
    }

    // A shown window with a device context, a pixel format and a current context.
    HWND MakeReadyWindow() {
        const HWND window = MakeWindow();
        vyn::ShowWindow(window, SW_SHOW);
        const HDC dc = vyn::GetDC(window);
        const PIXELFORMATDESCRIPTOR wanted = PixelRequest(32, 24, 0);
        vyn::SetPixelFormat(dc, vyn::ChoosePixelFormat(dc, &wanted), &wanted);
        vyn::wglMakeCurrent(dc, vyn::wglCreateContext(dc));
        PAINTSTRUCT paint{};
        vyn::BeginPaint(window, &paint);
        vyn::EndPaint(window, &paint);
        Received.clear();
        return window;
    }

    std::vector<MSG> Drain(HWND window) {
        std::vector<MSG> taken;
        MSG message{};
        while (vyn::PeekMessageA(&message, window, 0, 0, PM_REMOVE) && taken.size() < 100) {
            taken.push_back(message);
            if (message.message == WM_PAINT)
                vyn::DefWindowProcA(message.hwnd, WM_PAINT, 0, 0);
        }
        return taken;
    }

    CallLog Log;
    FakePlatform Fake{Log};
};

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

TEST_F(FakePlatformTest, PixelFormatIsTheClosestOfferedAndSetOnce) {
    const HWND window = MakeWindow();
    const HDC dc = vyn::GetDC(window);
    EXPECT_EQ(vyn::GetDC(window), dc);
    const PIXELFORMATDESCRIPTOR wanted = PixelRequest(32, 32, 32);
    const int format = vyn::ChoosePixelFormat(dc, &wanted);
    ASSERT_GT(format, 0);
    EXPECT_EQ(Fake.ChosenFrom.cStencilBits, 32);

    PIXELFORMATDESCRIPTOR got{};
    EXPECT_EQ(vyn::DescribePixelFormat(dc, format, sizeof got, &got), PixelFormatCount());
    EXPECT_EQ(got.cDepthBits, 24);
    EXPECT_EQ(got.cStencilBits, 8);
    EXPECT_EQ(got.cColorBits, 32);
    EXPECT_TRUE(got.dwFlags & PFD_DOUBLEBUFFER);

    EXPECT_EQ(vyn::wglCreateContext(dc), nullptr);
    EXPECT_TRUE(vyn::SetPixelFormat(dc, format, &wanted));
    EXPECT_TRUE(vyn::SetPixelFormat(dc, format, &wanted));
    EXPECT_FALSE(vyn::SetPixelFormat(dc, format + 1, &wanted));
    EXPECT_EQ(Fake.Window(window)->PixelFormat, format);
    EXPECT_EQ(Fake.SetWith.cDepthBits, 32);
}

TEST_F(FakePlatformTest, ContextsAreMadeCurrentAndDeleted) {
    const HWND window = MakeReadyWindow();
    const HDC dc = vyn::GetDC(window);
    const HGLRC context = Fake.CurrentContext();
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(Fake.CurrentDeviceContext(), dc);
    EXPECT_FALSE(vyn::wglMakeCurrent(dc, reinterpret_cast<HGLRC>(0x99)));
    EXPECT_EQ(Fake.CurrentContext(), context);
    EXPECT_TRUE(vyn::wglMakeCurrent(dc, nullptr));
    EXPECT_EQ(Fake.CurrentContext(), nullptr);
    EXPECT_TRUE(vyn::wglMakeCurrent(dc, context));
    EXPECT_TRUE(vyn::wglDeleteContext(context));
    EXPECT_EQ(Fake.CurrentContext(), nullptr);
    EXPECT_FALSE(vyn::wglDeleteContext(context));
    EXPECT_TRUE(Fake.Contexts().empty());

    EXPECT_EQ(vyn::ReleaseDC(window, dc), 1);
    EXPECT_EQ(vyn::ReleaseDC(window, reinterpret_cast<HDC>(0x5)), 0);
    EXPECT_TRUE(vyn::DeleteDC(dc));
    EXPECT_FALSE(vyn::DeleteDC(dc));
}

TEST_F(FakePlatformTest, DisplayModeChangesToExistingModesAndRestores) {
    DEVMODEA mode = ModeRequest(800, 600, 32);
    EXPECT_EQ(vyn::ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(Fake.CurrentMode.dmPelsWidth, 800u);
    EXPECT_EQ(Fake.CurrentMode.dmDisplayFrequency, 60u);

    const HWND window = MakeWindow(WS_POPUP);
    vyn::ShowWindow(window, SW_MAXIMIZE);
    EXPECT_EQ(Width(Fake.Window(window)->Client), 800);

    mode.dmPelsWidth = 801;
    EXPECT_EQ(vyn::ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN), DISP_CHANGE_BADMODE);
    EXPECT_EQ(Fake.CurrentMode.dmPelsWidth, 800u);
    EXPECT_EQ(vyn::ChangeDisplaySettingsA(nullptr, 0), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(Fake.CurrentMode.dmPelsWidth, 1024u);
    ASSERT_EQ(Fake.ModeRequests.size(), 3u);
    EXPECT_EQ(Fake.ModeRequests[0].Flags, CDS_FULLSCREEN);
    EXPECT_FALSE(Fake.ModeRequests[2].HasMode);
}

} // namespace

namespace {

// What every failure case starts from: a shown window with a device context, a pixel format, a
// current context and a timer; a hidden spare window with a device context and nothing else; a
// class without windows.
struct Ready {
    HWND Window = nullptr;
    HDC Dc = nullptr;
    HGLRC Context = nullptr;
    UINT Timer = 0;
    HWND Spare = nullptr;
    HDC SpareDc = nullptr;
};

void NoTimer(UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {}

Ready MakeReady() {
    Ready ready;
    const WNDCLASSEXA windowClass = TestClass();
    const WNDCLASSEXA unused = TestClass("unused");
    vyn::RegisterClassExA(&windowClass);
    vyn::RegisterClassExA(&unused);
    ready.Window = vyn::CreateWindowExA(0, "vynTest", "caption", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                                        100, nullptr, nullptr, nullptr, nullptr);
    ready.Spare = vyn::CreateWindowExA(0, "vynTest", "spare", WS_POPUP, 0, 0, 50, 50, nullptr,
                                       nullptr, nullptr, nullptr);
    vyn::ShowWindow(ready.Window, SW_SHOW);
    ready.Dc = vyn::GetDC(ready.Window);
    ready.SpareDc = vyn::GetDC(ready.Spare);
    const PIXELFORMATDESCRIPTOR wanted = PixelRequest(32, 24, 0);
    vyn::SetPixelFormat(ready.Dc, vyn::ChoosePixelFormat(ready.Dc, &wanted), &wanted);
    ready.Context = vyn::wglCreateContext(ready.Dc);
    vyn::wglMakeCurrent(ready.Dc, ready.Context);
    ready.Timer = vyn::timeSetEvent(1000, 0, NoTimer, 0, TIME_PERIODIC);
    return ready;
}

using FailureCheck = std::function<bool(FakePlatform&, const Ready&)>;

// Each case makes its call while the call is failing and says whether it reported the failure the
// way Windows does and left everything as it was.
const std::map<std::string, FailureCheck>& FailureCases() {
    static const std::map<std::string, FailureCheck> cases = {
        {"GetModuleHandleA",
         [](FakePlatform&, const Ready&) { return vyn::GetModuleHandleA(nullptr) == nullptr; }},
        {"Sleep",
         [](FakePlatform& fake, const Ready&) {
             vyn::Sleep(50);
             return fake.Sleeps.empty();
         }},
        {"LoadCursorA",
         [](FakePlatform&, const Ready&) {
             return vyn::LoadCursorA(nullptr, IDC_ARROW) == nullptr;
         }},
        {"RegisterClassExA",
         [](FakePlatform& fake, const Ready&) {
             const WNDCLASSEXA another = TestClass("another");
             return vyn::RegisterClassExA(&another) == 0 &&
                    fake.RegisteredClass("another") == nullptr;
         }},
        {"UnregisterClassA",
         [](FakePlatform& fake, const Ready&) {
             return !vyn::UnregisterClassA("unused", nullptr) &&
                    fake.RegisteredClass("unused") != nullptr;
         }},
        {"AdjustWindowRectEx",
         [](FakePlatform&, const Ready&) {
             RECT rect{0, 0, 10, 10};
             return !vyn::AdjustWindowRectEx(&rect, WS_OVERLAPPEDWINDOW, FALSE, 0) &&
                    rect.left == 0 && rect.bottom == 10;
         }},
        {"CreateWindowExA",
         [](FakePlatform& fake, const Ready&) {
             Received.clear();
             return vyn::CreateWindowExA(0, "vynTest", "x", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr,
                                         nullptr, nullptr) == nullptr &&
                    Received.empty() && fake.Windows().Windows().size() == 2;
         }},
        {"DestroyWindow",
         [](FakePlatform& fake, const Ready& ready) {
             return !vyn::DestroyWindow(ready.Window) && fake.Window(ready.Window) != nullptr;
         }},
        {"ShowWindow",
         [](FakePlatform& fake, const Ready& ready) {
             return !vyn::ShowWindow(ready.Spare, SW_SHOW) && !fake.Window(ready.Spare)->Visible;
         }},
        {"SetForegroundWindow",
         [](FakePlatform& fake, const Ready& ready) {
             return !vyn::SetForegroundWindow(ready.Spare) && fake.IsActive(ready.Window);
         }},
        {"SetFocus",
         [](FakePlatform& fake, const Ready& ready) {
             return vyn::SetFocus(ready.Spare) == nullptr && fake.IsFocused(ready.Window);
         }},
        {"UpdateWindow",
         [](FakePlatform& fake, const Ready& ready) {
             Received.clear();
             return !vyn::UpdateWindow(ready.Window) && Received.empty() &&
                    fake.Window(ready.Window)->Invalid;
         }},
        {"InvalidateRect",
         [](FakePlatform& fake, const Ready& ready) {
             return !vyn::InvalidateRect(ready.Spare, nullptr, FALSE) &&
                    !fake.Window(ready.Spare)->Invalid;
         }},
        {"SetWindowTextA",
         [](FakePlatform& fake, const Ready& ready) {
             return !vyn::SetWindowTextA(ready.Window, "new") &&
                    fake.Window(ready.Window)->Caption == "caption";
         }},
        {"SendMessageA",
         [](FakePlatform&, const Ready& ready) {
             Received.clear();
             return vyn::SendMessageA(ready.Window, WM_USER, 0, 0) == 0 && Received.empty();
         }},
        {"DefWindowProcA",
         [](FakePlatform& fake, const Ready& ready) {
             return vyn::DefWindowProcA(ready.Window, WM_CLOSE, 0, 0) == 0 &&
                    fake.Window(ready.Window) != nullptr;
         }},
        {"PeekMessageA",
         [](FakePlatform& fake, const Ready& ready) {
             fake.Post(ready.Window, WM_USER, 0, 0);
             MSG message{};
             return !vyn::PeekMessageA(&message, ready.Window, 0, 0, PM_REMOVE) &&
                    message.message == WM_NULL && fake.Windows().HasMessage(ready.Window);
         }},
        {"TranslateMessage",
         [](FakePlatform&, const Ready& ready) {
             const MSG key{ready.Window, WM_KEYDOWN, 'A', 0, 0, POINT{}};
             return !vyn::TranslateMessage(&key);
         }},
        {"DispatchMessageA",
         [](FakePlatform&, const Ready& ready) {
             Received.clear();
             const MSG user{ready.Window, WM_USER, 0, 0, 0, POINT{}};
             return vyn::DispatchMessageA(&user) == 0 && Received.empty();
         }},
        {"WaitMessage", [](FakePlatform&, const Ready&) { return !vyn::WaitMessage(); }},
        {"BeginPaint",
         [](FakePlatform& fake, const Ready& ready) {
             PAINTSTRUCT paint{};
             return vyn::BeginPaint(ready.Window, &paint) == nullptr &&
                    fake.Window(ready.Window)->Invalid;
         }},
        {"EndPaint",
         [](FakePlatform&, const Ready& ready) {
             const PAINTSTRUCT paint{};
             return !vyn::EndPaint(ready.Window, &paint);
         }},
        {"GetDC",
         [](FakePlatform& fake, const Ready& ready) {
             fake.Windows().DeleteDeviceContext(ready.SpareDc);
             return vyn::GetDC(ready.Spare) == nullptr &&
                    fake.Window(ready.Spare)->DeviceContext == nullptr;
         }},
        {"ReleaseDC",
         [](FakePlatform&, const Ready& ready) {
             return vyn::ReleaseDC(ready.Window, ready.Dc) == 0;
         }},
        {"DeleteDC",
         [](FakePlatform& fake, const Ready& ready) {
             return !vyn::DeleteDC(ready.Dc) &&
                    fake.Window(ready.Window)->DeviceContext == ready.Dc;
         }},
        {"ChoosePixelFormat",
         [](FakePlatform&, const Ready& ready) {
             const PIXELFORMATDESCRIPTOR wanted = PixelRequest(32, 24, 0);
             return vyn::ChoosePixelFormat(ready.SpareDc, &wanted) == 0;
         }},
        {"SetPixelFormat",
         [](FakePlatform& fake, const Ready& ready) {
             const PIXELFORMATDESCRIPTOR wanted = PixelRequest(32, 24, 0);
             return !vyn::SetPixelFormat(ready.SpareDc, 1, &wanted) &&
                    fake.Window(ready.Spare)->PixelFormat == 0;
         }},
        {"DescribePixelFormat",
         [](FakePlatform&, const Ready& ready) {
             PIXELFORMATDESCRIPTOR got{};
             return vyn::DescribePixelFormat(ready.Dc, 1, sizeof got, &got) == 0 && got.nSize == 0;
         }},
        {"SwapBuffers",
         [](FakePlatform& fake, const Ready& ready) {
             return !vyn::SwapBuffers(ready.Dc) && fake.SwapCount == 0;
         }},
        {"wglCreateContext",
         [](FakePlatform& fake, const Ready& ready) {
             return vyn::wglCreateContext(ready.Dc) == nullptr && fake.Contexts().size() == 1;
         }},
        {"wglMakeCurrent",
         [](FakePlatform& fake, const Ready& ready) {
             return !vyn::wglMakeCurrent(ready.Dc, nullptr) &&
                    fake.CurrentContext() == ready.Context;
         }},
        {"wglDeleteContext",
         [](FakePlatform& fake, const Ready& ready) {
             return !vyn::wglDeleteContext(ready.Context) && fake.Contexts().size() == 1 &&
                    fake.CurrentContext() == ready.Context;
         }},
        {"timeSetEvent",
         [](FakePlatform& fake, const Ready&) {
             return vyn::timeSetEvent(1000, 0, NoTimer, 0, TIME_PERIODIC) == 0 &&
                    fake.PendingTimers().size() == 1;
         }},
        {"timeKillEvent",
         [](FakePlatform& fake, const Ready& ready) {
             return vyn::timeKillEvent(ready.Timer) == MMSYSERR_INVALPARAM &&
                    fake.PendingTimers() == std::vector<UINT>{ready.Timer};
         }},
        {"ChangeDisplaySettingsA",
         [](FakePlatform& fake, const Ready&) {
             DEVMODEA mode = ModeRequest(800, 600, 32);
             return vyn::ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) == DISP_CHANGE_FAILED &&
                    fake.CurrentMode.dmPelsWidth == 1024;
         }},
        {"MessageBoxA",
         [](FakePlatform& fake, const Ready&) {
             return vyn::MessageBoxA(nullptr, "t", "Message", MB_OK) == 0 &&
                    fake.MessageBoxes.empty();
         }},
    };
    return cases;
}

TEST(FakePlatformFailures, EveryCallOfTheListCanFailAndThenChangesNothing) {
#define VYN_TEST_NAME(ret, name, params, args) #name,
    const std::set<std::string> listed = {VYN_PLATFORM_CALLS(VYN_TEST_NAME)};
#undef VYN_TEST_NAME
    std::set<std::string> covered;
    for (const auto& [name, check] : FailureCases()) {
        covered.insert(name);
        CallLog log;
        FakePlatform fake(log);
        const Ready ready = MakeReady();
        fake.SwapCount = 0;
        fake.Fail(name);
        EXPECT_TRUE(check(fake, ready)) << name << " did not fail cleanly";
        EXPECT_EQ(log.Names().back(), name) << "a failing call is still recorded";
    }
    EXPECT_EQ(covered, listed);
}

TEST(FakePlatformFailures, FailuresCanBeCountedLiftedAndMustNameARealCall) {
    CallLog log;
    FakePlatform fake(log);
    fake.FailNext("GetModuleHandleA", 2);
    EXPECT_EQ(vyn::GetModuleHandleA(nullptr), nullptr);
    EXPECT_EQ(vyn::GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(vyn::GetModuleHandleA(nullptr), nullptr);
    fake.Fail("Sleep");
    vyn::Sleep(1);
    fake.Succeed("Sleep");
    vyn::Sleep(2);
    EXPECT_EQ(fake.Sleeps, std::vector<DWORD>{2});
    EXPECT_THROW(fake.Fail("CreateWindowEx"), std::invalid_argument);
    EXPECT_THROW(fake.On("Swapbuffers", [] {}), std::invalid_argument);
}

} // namespace
