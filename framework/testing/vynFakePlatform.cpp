// The fake backend's table, scripting, windows, messages and painting. Device contexts, pixel
// formats, contexts, timers, display modes and message boxes are in vynFakeDevices.cpp; user
// actions in vynFakeInput.cpp.
#include "vynFakePlatform.h"

#include "vynFakeCommon.h"

#include "framework/system/vynMonotonicClock.h"

#include <atomic>
#include <stdexcept>

namespace vyn {

namespace {

std::atomic<FakePlatform*> Instance{nullptr};

FakePlatform& TheFake() {
    FakePlatform* fake = Instance.load(std::memory_order_acquire);
    if (fake == nullptr)
        throw std::logic_error("FakePlatform: a call arrived after the fake was destroyed");
    return *fake;
}

#define VYN_FAKE_THUNK(ret, name, params, args)                                                    \
    ret VYN_WINAPI Fake_##name params {                                                            \
        return TheFake().name args;                                                                \
    }
VYN_PLATFORM_CALLS(VYN_FAKE_THUNK)
#undef VYN_FAKE_THUNK

#define VYN_FAKE_ENTRY(ret, name, params, args) &Fake_##name,
const PlatformBackend FakeBackend = {"fake", VYN_PLATFORM_CALLS(VYN_FAKE_ENTRY)};
#undef VYN_FAKE_ENTRY

#define VYN_FAKE_NAME(ret, name, params, args) #name,
const std::set<std::string> CallNames = {VYN_PLATFORM_CALLS(VYN_FAKE_NAME)};
#undef VYN_FAKE_NAME

constexpr int Always = -1;

void CheckCallName(const std::string& call) {
    if (CallNames.count(call) == 0)
        throw std::invalid_argument("FakePlatform: no platform call is named \"" + call + "\"");
}

double FakeClockSeconds() {
    return TheFake().ClockSeconds;
}

FakePlatform* Install(FakePlatform* fake) {
    FakePlatform* expected = nullptr;
    if (!Instance.compare_exchange_strong(expected, fake))
        throw std::logic_error("FakePlatform: only one fake platform may exist at a time");
    return fake;
}

} // namespace

CallArg FakeArg(const char* text) {
    const auto address = reinterpret_cast<uintptr_t>(text);
    if (text != nullptr && address < 0x10000)
        return static_cast<long long>(address);
    return ToCallArg(text);
}

FakePlatform::FakePlatform(CallLog& log)
    : Log((Install(this), log)), Previous(UsePlatformBackend(FakeBackend)),
      PreviousClock(UseMonotonicClock(FakeClockSeconds)) {
    try {
        Prepare();
    } catch (...) {
        UseMonotonicClock(PreviousClock);
        UsePlatformBackend(Previous);
        Instance.store(nullptr, std::memory_order_release);
        throw;
    }
}

void FakePlatform::Prepare() {
    Offers = [](const PIXELFORMATDESCRIPTOR& format) {
        return format.cDepthBits <= 24 && format.cStencilBits <= 8;
    };
    System.Delivering = [this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (LogDeliveries)
            Log.Add(FakeCall("Deliver", window, message, wParam, lParam));
    };
    InitDisplayModes();
}

FakePlatform::~FakePlatform() {
    UseMonotonicClock(PreviousClock);
    UsePlatformBackend(Previous);
    Instance.store(nullptr, std::memory_order_release);
}

// ---- Scripting ----

void FakePlatform::Fail(const std::string& call) {
    CheckCallName(call);
    std::lock_guard lock(ScriptMutex);
    Failing[call] = Always;
}

void FakePlatform::FailNext(const std::string& call, int times) {
    CheckCallName(call);
    std::lock_guard lock(ScriptMutex);
    if (times > 0)
        Failing[call] = times;
}

void FakePlatform::Succeed(const std::string& call) {
    CheckCallName(call);
    std::lock_guard lock(ScriptMutex);
    Failing.erase(call);
}

void FakePlatform::On(const std::string& call, std::function<void()> action) {
    CheckCallName(call);
    std::lock_guard lock(ScriptMutex);
    Actions.emplace(call, std::move(action));
}

bool FakePlatform::Begin(CallRecord call) {
    const std::string name = call.Name;
    Log.Add(std::move(call));
    std::lock_guard lock(ScriptMutex);
    const auto found = Failing.find(name);
    if (found == Failing.end())
        return false;
    if (found->second != Always && --found->second == 0)
        Failing.erase(found);
    return true;
}

void FakePlatform::Finish(const std::string& call) {
    std::vector<std::function<void()>> actions;
    {
        std::lock_guard lock(ScriptMutex);
        const auto [first, last] = Actions.equal_range(call);
        for (auto action = first; action != last; ++action)
            actions.push_back(action->second);
    }
    for (const auto& action : actions)
        action();
}

// ---- State for tests ----

HWND FakePlatform::LastWindow() const {
    for (auto window = Created.rbegin(); window != Created.rend(); ++window)
        if (System.Find(*window) != nullptr)
            return *window;
    return nullptr;
}

HWND FakePlatform::Target(HWND window) const {
    const HWND target = window ? window : LastWindow();
    if (target == nullptr || System.Find(target) == nullptr)
        throw std::logic_error("FakePlatform: no such window for a user action");
    return target;
}

const WindowRecord* FakePlatform::Window(HWND window) const {
    return System.Find(window ? window : LastWindow());
}

RECT FakePlatform::WindowRect(HWND window) const {
    const WindowRecord* record = System.Find(Target(window));
    return WindowRectOfClient(record->Client, record->Style);
}

bool FakePlatform::IsFocused(HWND window) const {
    return System.FocusWindow() == Target(window);
}

bool FakePlatform::IsActive(HWND window) const {
    return System.ActiveWindow() == Target(window);
}

const WNDCLASSEXA* FakePlatform::RegisteredClass(const std::string& name) const {
    return System.FindClass(name.c_str());
}

HINSTANCE FakePlatform::ModuleHandle() const {
    return reinterpret_cast<HINSTANCE>(0x400000);
}

// ---- Process ----

HINSTANCE FakePlatform::GetModuleHandleA(const char* moduleName) {
    return Run(FakeCall("GetModuleHandleA", moduleName), HINSTANCE{},
               [&] { return moduleName == nullptr ? ModuleHandle() : HINSTANCE{}; });
}

void FakePlatform::Sleep(DWORD milliseconds) {
    Run(FakeCall("Sleep", milliseconds), false, [&] {
        Sleeps.push_back(milliseconds);
        ClockSeconds += milliseconds / 1000.0;
        return true;
    });
}

// ---- Window classes and windows ----

HCURSOR FakePlatform::LoadCursorA(HINSTANCE instance, const char* cursorName) {
    return Run(FakeCall("LoadCursorA", instance, cursorName), HCURSOR{}, [&] {
        const auto number = reinterpret_cast<uintptr_t>(cursorName);
        const bool systemCursor = instance == nullptr && number >= 32512 && number < 32700;
        return systemCursor ? reinterpret_cast<HCURSOR>(0x50000 + number) : HCURSOR{};
    });
}

ATOM FakePlatform::RegisterClassExA(const WNDCLASSEXA* windowClass) {
    return Run(FakeCall("RegisterClassExA", windowClass), ATOM{0},
               [&] { return System.RegisterClass(windowClass); });
}

BOOL FakePlatform::UnregisterClassA(const char* className, HINSTANCE instance) {
    return Run(FakeCall("UnregisterClassA", className, instance), FALSE,
               [&] { return System.UnregisterClass(className); });
}

BOOL FakePlatform::AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle) {
    return Run(FakeCall("AdjustWindowRectEx", rect, style, menu, exStyle), FALSE,
               [&] { return AdjustRectForFrame(rect, style, menu); });
}

HWND FakePlatform::CreateWindowExA(DWORD exStyle, const char* className, const char* windowName,
                                   DWORD style, int x, int y, int width, int height, HWND parent,
                                   HMENU menu, HINSTANCE instance, void* param) {
    const CallRecord call = FakeCall("CreateWindowExA", exStyle, className, windowName, style, x, y,
                                     width, height, parent, menu, instance, param);
    return Run(call, HWND{}, [&] {
        const RECT client = ClientRectOfWindow(RECT{x, y, x + width, y + height}, style);
        const HWND window = System.AddWindow(className, windowName, style, exStyle, client);
        if (window == nullptr)
            return HWND{};
        Created.push_back(window);
        if (!System.SendCreationMessages(window))
            return HWND{};
        if (style & WS_VISIBLE)
            System.Show(window, SW_SHOW, ScreenArea());
        return window;
    });
}

BOOL FakePlatform::DestroyWindow(HWND window) {
    return Run(FakeCall("DestroyWindow", window), FALSE,
               [&] { return System.DestroyWindow(window) ? TRUE : FALSE; });
}

BOOL FakePlatform::ShowWindow(HWND window, int command) {
    return Run(FakeCall("ShowWindow", window, command), FALSE,
               [&] { return System.Show(window, command, ScreenArea()); });
}

BOOL FakePlatform::SetForegroundWindow(HWND window) {
    return Run(FakeCall("SetForegroundWindow", window), FALSE,
               [&] { return System.Foreground(window); });
}

HWND FakePlatform::SetFocus(HWND window) {
    return Run(FakeCall("SetFocus", window), HWND{}, [&] { return System.SetFocus(window); });
}

BOOL FakePlatform::UpdateWindow(HWND window) {
    return Run(FakeCall("UpdateWindow", window), FALSE, [&] { return System.Update(window); });
}

BOOL FakePlatform::InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    return Run(FakeCall("InvalidateRect", window, rect, erase), FALSE,
               [&] { return System.Invalidate(window, rect); });
}

BOOL FakePlatform::SetWindowTextA(HWND window, const char* text) {
    return Run(FakeCall("SetWindowTextA", window, text), FALSE,
               [&] { return System.SetCaption(window, text); });
}

// ---- Messages ----

LRESULT FakePlatform::SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Run(FakeCall("SendMessageA", window, message, wParam, lParam), LRESULT{0},
               [&] { return System.Send(window, message, wParam, lParam); });
}

LRESULT FakePlatform::DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Run(FakeCall("DefWindowProcA", window, message, wParam, lParam), LRESULT{0},
               [&] { return System.DefaultProcedure(window, message, wParam, lParam); });
}

BOOL FakePlatform::PeekMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax,
                                UINT removeFlags) {
    const CallRecord call =
        FakeCall("PeekMessageA", message, window, filterMin, filterMax, removeFlags);
    return Run(call, FALSE,
               [&] { return System.Peek(message, window, filterMin, filterMax, removeFlags); });
}

BOOL FakePlatform::TranslateMessage(const MSG* message) {
    return Run(FakeCall("TranslateMessage", message), FALSE,
               [&] { return WindowSystem::Translate(message); });
}

LRESULT FakePlatform::DispatchMessageA(const MSG* message) {
    return Run(FakeCall("DispatchMessageA", message), LRESULT{0},
               [&] { return System.Dispatch(message); });
}

BOOL FakePlatform::WaitMessage() {
    const BOOL result = Run(FakeCall("WaitMessage"), FALSE, [] { return TRUE; });
    CheckNotIdleForever();
    return result;
}

void FakePlatform::CheckNotIdleForever() {
    if (System.HasMessage(nullptr)) {
        IdleWaits = 0;
        return;
    }
    if (++IdleWaits > MaxIdleWaits) {
        IdleWaits = 0;
        throw std::runtime_error("FakePlatform: WaitMessage would block forever: nothing was "
                                 "queued by " +
                                 std::to_string(MaxIdleWaits) + " waits in a row");
    }
}

// ---- Painting ----

HDC FakePlatform::BeginPaint(HWND window, PAINTSTRUCT* paint) {
    return Run(FakeCall("BeginPaint", window, paint), HDC{},
               [&] { return System.BeginPaint(window, paint); });
}

BOOL FakePlatform::EndPaint(HWND window, const PAINTSTRUCT* paint) {
    return Run(FakeCall("EndPaint", window, paint), FALSE,
               [&] { return System.EndPaint(window, paint); });
}

} // namespace vyn
