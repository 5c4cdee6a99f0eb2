// Every call of the fake backend can be made to fail, and then reports it as Windows does and
// changes nothing.
#include "tests/support/vynFakePlatformTest.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>

using namespace vyn;
using namespace vyn::test;

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

// A file dropped on the ready window, its WM_DROPFILES taken from the queue: the list's handle.
HDROP DroppedOnWindow(FakePlatform& fake, const Ready& ready) {
    fake.DragAcceptFiles(ready.Window, TRUE);
    fake.DropFiles({"dropped.bmp"}, ready.Window);
    MSG message{};
    vyn::PeekMessageA(&message, ready.Window, WM_DROPFILES, WM_DROPFILES, PM_REMOVE);
    return reinterpret_cast<HDROP>(message.wParam);
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
        {"wglSwapIntervalEXT",
         [](FakePlatform& fake, const Ready&) {
             return !vyn::wglSwapIntervalEXT(1) && fake.SwapIntervals.empty();
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
        {"DragAcceptFiles",
         [](FakePlatform& fake, const Ready& ready) {
             vyn::DragAcceptFiles(ready.Window, TRUE);
             return (fake.Window(ready.Window)->ExStyle & WS_EX_ACCEPTFILES) == 0;
         }},
        {"DragQueryFileA",
         [](FakePlatform& fake, const Ready& ready) {
             const HDROP drop = DroppedOnWindow(fake, ready);
             char name[16] = "unchanged";
             return vyn::DragQueryFileA(drop, DropFileCount, nullptr, 0) == 0 &&
                    vyn::DragQueryFileA(drop, 0, name, sizeof name) == 0 &&
                    std::string(name) == "unchanged";
         }},
        {"DragFinish",
         [](FakePlatform& fake, const Ready& ready) {
             vyn::DragFinish(DroppedOnWindow(fake, ready));
             return fake.DropsHeld() == 1;
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
