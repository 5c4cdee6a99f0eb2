// The Win32 backend on real windows (Wine under Xvfb): the class record as Windows keeps it,
// UTF-8 texts through the wide calls, window-procedure failures carried past user32, captions
// handed over from other threads, multimedia timers and the message box.
#include "framework/platform/vynPlatform.h"

#include "framework/platform/win32/vynWin32Native.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

using vyn::win32::HandleCast;
using vyn::win32::Native;

namespace {

using namespace std::chrono_literals;

constexpr UINT ThrowingMessage = WM_USER + 1;
constexpr UINT AnsweringMessage = WM_USER + 2;
constexpr LRESULT Answer = 42;

// "Ландшафт" and "Земля [60 FPS]" in UTF-8 and UTF-16.
const char* const CyrillicName = "\xD0\x9B\xD0\xB0\xD0\xBD\xD0\xB4\xD1\x88\xD0\xB0\xD1\x84\xD1\x82";
const wchar_t* const WideCyrillicName = L"\u041B\u0430\u043D\u0434\u0448\u0430\u0444\u0442";
const char* const CyrillicCaption = "\xD0\x97\xD0\xB5\xD0\xBC\xD0\xBB\xD1\x8F [60 FPS]";
const wchar_t* const WideCyrillicCaption = L"\u0417\u0435\u043C\u043B\u044F [60 FPS]";

// What the test procedure does, per message; everything else goes to the default procedure.
std::vector<UINT> Seen;
std::function<void(UINT)> OnMessage;

vyn::LRESULT VYN_WINAPI TestProcedure(vyn::HWND window, vyn::UINT message, vyn::WPARAM wParam,
                                      vyn::LPARAM lParam) {
    Seen.push_back(message);
    if (OnMessage)
        OnMessage(message);
    if (message == ThrowingMessage)
        throw std::runtime_error("handler failed");
    if (message == AnsweringMessage)
        return Answer;
    return vyn::DefWindowProcA(window, message, wParam, lParam);
}

vyn::HINSTANCE Instance() {
    return vyn::GetModuleHandleA(nullptr);
}

vyn::WNDCLASSEXA ClassRecord(const char* name) {
    vyn::WNDCLASSEXA record{};
    record.cbSize = sizeof record;
    record.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
    record.lpfnWndProc = TestProcedure;
    record.hInstance = Instance();
    record.hCursor = vyn::LoadCursorA(nullptr, IDC_ARROW);
    record.hbrBackground = HandleCast<vyn::HBRUSH>(uintptr_t{COLOR_INACTIVEBORDER + 1});
    record.lpszClassName = name;
    return record;
}

std::wstring TextOf(::HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// Dispatches what is queued for `window`, as the framework's loop does.
void Pump(vyn::HWND window) {
    vyn::MSG message{};
    while (vyn::PeekMessageA(&message, window, 0, 0, PM_REMOVE)) {
        vyn::TranslateMessage(&message);
        vyn::DispatchMessageA(&message);
    }
}

class Win32Backend : public ::testing::Test {
  protected:
    void SetUp() override {
        Seen.clear();
        OnMessage = nullptr;
        const vyn::WNDCLASSEXA record = ClassRecord("vynBackendTest");
        ASSERT_NE(vyn::RegisterClassExA(&record), 0);
    }

    void TearDown() override {
        OnMessage = nullptr;
        if (Window)
            vyn::DestroyWindow(Window);
        EXPECT_TRUE(vyn::UnregisterClassA("vynBackendTest", Instance()));
    }

    vyn::HWND Create(const char* caption = "test") {
        Window = vyn::CreateWindowExA(0, "vynBackendTest", caption, WS_OVERLAPPEDWINDOW, 10, 10,
                                      200, 100, nullptr, nullptr, Instance(), nullptr);
        return Window;
    }

    vyn::HWND Window = nullptr;
};

} // namespace

TEST(Win32Classes, TheRecordReachesWindowsAsTheFrameworkFillsIt) {
    const vyn::WNDCLASSEXA record = ClassRecord(CyrillicName);
    ASSERT_NE(vyn::RegisterClassExA(&record), 0);
    WNDCLASSEXW kept{};
    kept.cbSize = sizeof kept;
    ASSERT_TRUE(GetClassInfoExW(Native(Instance()), WideCyrillicName, &kept));
    EXPECT_EQ(kept.style, 35u);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(kept.hbrBackground), 12u);
    EXPECT_EQ(kept.hCursor, LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));
    EXPECT_NE(kept.hCursor, nullptr);
    EXPECT_EQ(kept.cbClsExtra, 0);
    EXPECT_EQ(kept.cbWndExtra, 0);
    EXPECT_TRUE(vyn::UnregisterClassA(CyrillicName, Instance()));
    EXPECT_FALSE(GetClassInfoExW(Native(Instance()), WideCyrillicName, &kept));
}

TEST(Win32Classes, ARecordOfThe32BitSizeIsRefusedOn64Bits) {
    vyn::WNDCLASSEXA record = ClassRecord("vynSizeTest");
    record.cbSize = 48;
    SetLastError(0);
    EXPECT_EQ(vyn::RegisterClassExA(&record), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    record.cbSize = sizeof record;
    EXPECT_NE(vyn::RegisterClassExA(&record), 0);
    EXPECT_TRUE(vyn::UnregisterClassA("vynSizeTest", Instance()));
}

TEST_F(Win32Backend, CaptionsCrossAsUtf16) {
    ASSERT_NE(Create(CyrillicName), nullptr);
    EXPECT_EQ(TextOf(Native(Window)), WideCyrillicName);
    EXPECT_TRUE(vyn::SetWindowTextA(Window, CyrillicCaption));
    EXPECT_EQ(TextOf(Native(Window)), WideCyrillicCaption);
}

TEST_F(Win32Backend, AProcedureFailureReachesTheCallerAndTheWindowGoesOn) {
    ASSERT_NE(Create(), nullptr);
    EXPECT_THROW(vyn::SendMessageA(Window, ThrowingMessage, 0, 0), std::runtime_error);
    EXPECT_EQ(vyn::SendMessageA(Window, AnsweringMessage, 0, 0), Answer);

    // A posted message fails where it is dispatched.
    ASSERT_TRUE(PostMessageW(Native(Window), ThrowingMessage, 0, 0));
    vyn::MSG message{};
    ASSERT_TRUE(vyn::PeekMessageA(&message, Window, ThrowingMessage, ThrowingMessage, PM_REMOVE));
    EXPECT_EQ(message.message, ThrowingMessage);
    EXPECT_THROW(vyn::DispatchMessageA(&message), std::runtime_error);
    EXPECT_EQ(vyn::SendMessageA(Window, AnsweringMessage, 0, 0), Answer);

    // A failed message gets no default processing either: a WM_CLOSE whose handler failed does
    // not destroy the window.
    OnMessage = [](UINT message) {
        if (message == WM_CLOSE)
            throw std::runtime_error("close failed");
    };
    EXPECT_THROW(vyn::SendMessageA(Window, WM_CLOSE, 0, 0), std::runtime_error);
    EXPECT_TRUE(IsWindow(Native(Window)));
}

TEST_F(Win32Backend, AFailureDuringCreationAbortsItAndIsTheLastTheProcedureSees) {
    // The very first message of a creation fails: the procedure is asked nothing more, Windows
    // makes no window, and the caller gets the failure.
    OnMessage = [](UINT) { throw std::logic_error("first message failed"); };
    EXPECT_THROW(Create(), std::logic_error);
    EXPECT_EQ(Seen.size(), 1u);
    EXPECT_EQ(Window, nullptr);
    // Had a window survived, the class could not be unregistered in TearDown.
}

TEST_F(Win32Backend, AFailureAfterWindowsMadeTheWindowStillLeavesNone) {
    // A popup gets WM_SIZE during the creation, after WM_CREATE: Windows has made the window when
    // the procedure fails.
    OnMessage = [](UINT message) {
        if (message == WM_SIZE)
            throw std::runtime_error("WM_SIZE failed");
    };
    EXPECT_THROW(vyn::CreateWindowExA(0, "vynBackendTest", "popup", WS_POPUP, 10, 10, 200, 100,
                                      nullptr, nullptr, Instance(), nullptr),
                 std::runtime_error);
    EXPECT_NE(std::find(Seen.begin(), Seen.end(), WM_SIZE), Seen.end());
    EXPECT_EQ(FindWindowW(L"vynBackendTest", nullptr), nullptr);
    // TearDown's unregistration fails while a window of the class is left.
}

TEST_F(Win32Backend, ACaptionFromAnotherThreadIsHandedOverWithoutWaiting) {
    ASSERT_NE(Create(), nullptr);
    // Windows' own SetWindowTextA would wait here for this thread, which does not pump.
    auto set = std::async(std::launch::async,
                          [this] { return vyn::SetWindowTextA(Window, CyrillicCaption); });
    ASSERT_EQ(set.wait_for(5s), std::future_status::ready);
    EXPECT_TRUE(set.get());
    EXPECT_EQ(TextOf(Native(Window)), L"test");
    Pump(Window);
    EXPECT_EQ(TextOf(Native(Window)), WideCyrillicCaption);
    EXPECT_NE(std::find(Seen.begin(), Seen.end(), UINT(WM_SETTEXT)), Seen.end());

    // No window, no caption.
    auto none = std::async(std::launch::async, [] { return vyn::SetWindowTextA(nullptr, "x"); });
    EXPECT_FALSE(none.get());
}

TEST_F(Win32Backend, StoppingATimerWaitsForItsCallbackAndCannotDeadlock) {
    ASSERT_NE(Create(), nullptr);
    static std::atomic<int> ticks;
    static std::atomic<bool> inside;
    static vyn::HWND target;
    ticks = 0;
    target = Window;
    auto tick = [](vyn::UINT, vyn::UINT, vyn::DWORD_PTR, vyn::DWORD_PTR, vyn::DWORD_PTR) {
        inside = true;
        vyn::SetWindowTextA(target, "tick");
        std::this_thread::sleep_for(2ms);
        ++ticks;
        inside = false;
    };
    const vyn::UINT id = vyn::timeSetEvent(1, 0, tick, 0, vyn::TIME_PERIODIC);
    ASSERT_NE(id, 0u);
    // This thread pumps nothing while the callback keeps setting captions.
    while (ticks < 5)
        std::this_thread::sleep_for(1ms);
    EXPECT_EQ(vyn::timeKillEvent(id), static_cast<vyn::MMRESULT>(vyn::TIMERR_NOERROR));
    EXPECT_FALSE(inside);
    const int stopped = ticks;
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(ticks, stopped);
    EXPECT_NE(vyn::timeKillEvent(id), static_cast<vyn::MMRESULT>(vyn::TIMERR_NOERROR));
    Pump(Window);
    EXPECT_EQ(TextOf(Native(Window)), L"tick");
}

TEST(Win32Timers, AThrowingCallbackIsContainedAndOneShotsFireOnce) {
    static std::atomic<int> failures;
    static std::atomic<int> shots;
    failures = 0;
    shots = 0;
    auto failing = [](vyn::UINT, vyn::UINT, vyn::DWORD_PTR, vyn::DWORD_PTR, vyn::DWORD_PTR) {
        ++failures;
        throw std::runtime_error("tick failed");
    };
    auto once = [](vyn::UINT, vyn::UINT, vyn::DWORD_PTR user, vyn::DWORD_PTR, vyn::DWORD_PTR) {
        shots += static_cast<int>(user);
    };
    const vyn::UINT periodic = vyn::timeSetEvent(1, 0, failing, 0, vyn::TIME_PERIODIC);
    const vyn::UINT oneShot = vyn::timeSetEvent(1, 0, once, 7, vyn::TIME_ONESHOT);
    ASSERT_NE(periodic, 0u);
    ASSERT_NE(oneShot, 0u);
    while (failures < 3 || shots == 0)
        std::this_thread::sleep_for(1ms);
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(vyn::timeKillEvent(periodic), static_cast<vyn::MMRESULT>(vyn::TIMERR_NOERROR));
    EXPECT_EQ(shots, 7);
    EXPECT_EQ(vyn::timeSetEvent(1, 0, nullptr, 0, vyn::TIME_PERIODIC), 0u);
}

TEST(Win32DisplayModes, TheModeRecordReachesWindowsIntact) {
    DEVMODEW current{};
    current.dmSize = sizeof current;
    ASSERT_TRUE(EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &current));
    // The framework's record, filled as ChangeDisplayMode fills it, for the mode in effect.
    vyn::DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    mode.dmPelsWidth = current.dmPelsWidth;
    mode.dmPelsHeight = current.dmPelsHeight;
    EXPECT_EQ(vyn::ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN), DISP_CHANGE_SUCCESSFUL);
    // A size no display offers is refused, not rounded to something else.
    mode.dmPelsWidth = 123;
    mode.dmPelsHeight = 45;
    EXPECT_NE(vyn::ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(vyn::ChangeDisplaySettingsA(nullptr, 0), DISP_CHANGE_SUCCESSFUL);
}

TEST(Win32MessageBox, ShowsUtf8TextUnderItsCaptionAndReturnsWhenClosed) {
    // "Не удалось добавить" in UTF-8 and UTF-16.
    const char* text = "\xD0\x9D\xD0\xB5 \xD1\x83\xD0\xB4\xD0\xB0\xD0\xBB\xD0\xBE\xD1\x81\xD1\x8C "
                       "\xD0\xB4\xD0\xBE\xD0\xB1\xD0\xB0\xD0\xB2\xD0\xB8\xD1\x82\xD1\x8C";
    const std::wstring wide = L"\u041D\u0435 \u0443\u0434\u0430\u043B\u043E\u0441\u044C "
                              L"\u0434\u043E\u0431\u0430\u0432\u0438\u0442\u044C";
    // Another thread reads the box as a user would and presses OK.
    auto reader = std::async(std::launch::async, [] {
        for (int attempt = 0; attempt < 500; ++attempt) {
            if (::HWND box = FindWindowW(L"#32770", L"Message")) {
                wchar_t shown[256] = {};
                GetDlgItemTextW(box, 0xFFFF, shown, 256);
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                return std::wstring(shown);
            }
            std::this_thread::sleep_for(10ms);
        }
        return std::wstring(L"no box appeared");
    });
    EXPECT_EQ(vyn::MessageBoxA(nullptr, text, "Message", MB_OK), IDOK);
    EXPECT_EQ(reader.get(), wide);
}
