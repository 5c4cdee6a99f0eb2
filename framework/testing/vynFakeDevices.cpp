// The fake backend's device contexts, pixel formats, GL contexts, timers, display modes and
// message boxes.
#include "vynFakeCommon.h"

#include "framework/platform/emulation/vynPixelFormats.h"

#include <thread>

namespace vyn {

namespace {

DEVMODEA MakeMode(DWORD width, DWORD height, DWORD bits, DWORD frequency) {
    DEVMODEA mode{};
    mode.dmSize = sizeof(DEVMODEA);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL | DM_DISPLAYFREQUENCY;
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    mode.dmBitsPerPel = bits;
    mode.dmDisplayFrequency = frequency;
    return mode;
}

bool SameMode(const DEVMODEA& a, const DEVMODEA& b) {
    return a.dmPelsWidth == b.dmPelsWidth && a.dmPelsHeight == b.dmPelsHeight &&
           a.dmBitsPerPel == b.dmBitsPerPel && a.dmDisplayFrequency == b.dmDisplayFrequency;
}

// The mode `request` asks for: its flagged fields over the current mode.
DEVMODEA RequestedOver(const DEVMODEA& current, const DEVMODEA& request) {
    DEVMODEA target = current;
    if (request.dmFields & DM_PELSWIDTH)
        target.dmPelsWidth = request.dmPelsWidth;
    if (request.dmFields & DM_PELSHEIGHT)
        target.dmPelsHeight = request.dmPelsHeight;
    if (request.dmFields & DM_BITSPERPEL)
        target.dmBitsPerPel = request.dmBitsPerPel;
    if (request.dmFields & DM_DISPLAYFREQUENCY)
        target.dmDisplayFrequency = request.dmDisplayFrequency;
    return target;
}

} // namespace

void FakePlatform::InitDisplayModes() {
    RegistryMode = CurrentMode = MakeMode(1024, 768, 32, 60);
    const std::pair<DWORD, DWORD> sizes[] = {
        {640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1920, 1080}};
    for (const auto& [width, height] : sizes)
        for (DWORD bits : {16u, 32u})
            for (DWORD frequency : {60u, 75u})
                AvailableModes.push_back(MakeMode(width, height, bits, frequency));
}

RECT FakePlatform::ScreenArea() const {
    return RECT{0, 0, static_cast<LONG>(CurrentMode.dmPelsWidth),
                static_cast<LONG>(CurrentMode.dmPelsHeight)};
}

// ---- Device contexts ----

HDC FakePlatform::GetDC(HWND window) {
    return Run(FakeCall("GetDC", window), HDC{}, [&] { return System.DeviceContextOf(window); });
}

int FakePlatform::ReleaseDC(HWND window, HDC deviceContext) {
    return Run(FakeCall("ReleaseDC", window, deviceContext), 0,
               [&] { return System.ReleaseDeviceContext(window, deviceContext); });
}

BOOL FakePlatform::DeleteDC(HDC deviceContext) {
    return Run(FakeCall("DeleteDC", deviceContext), FALSE,
               [&] { return System.DeleteDeviceContext(deviceContext); });
}

// ---- Pixel formats and buffers ----

int FakePlatform::ChoosePixelFormat(HDC deviceContext, const PIXELFORMATDESCRIPTOR* descriptor) {
    return Run(FakeCall("ChoosePixelFormat", deviceContext, descriptor), 0, [&] {
        if (System.FindByDeviceContext(deviceContext) == nullptr || descriptor == nullptr)
            return 0;
        ChosenFrom = *descriptor;
        for (int index : RankPixelFormats(*descriptor))
            if (Offers(PixelFormatAt(index)))
                return index;
        return 0;
    });
}

BOOL FakePlatform::SetPixelFormat(HDC deviceContext, int format,
                                  const PIXELFORMATDESCRIPTOR* descriptor) {
    return Run(FakeCall("SetPixelFormat", deviceContext, format, descriptor), FALSE, [&] {
        WindowRecord* record = System.FindByDeviceContext(deviceContext);
        if (record == nullptr || format < 1 || format > PixelFormatCount() ||
            !Offers(PixelFormatAt(format)))
            return FALSE;
        // A window's pixel format is set once; setting the same one again is harmless.
        if (record->PixelFormat != 0)
            return record->PixelFormat == format ? TRUE : FALSE;
        record->PixelFormat = format;
        if (descriptor != nullptr)
            SetWith = *descriptor;
        return TRUE;
    });
}

int FakePlatform::DescribePixelFormat(HDC deviceContext, int format, UINT size,
                                      PIXELFORMATDESCRIPTOR* descriptor) {
    return Run(FakeCall("DescribePixelFormat", deviceContext, format, size, descriptor), 0, [&] {
        if (System.FindByDeviceContext(deviceContext) == nullptr)
            return 0;
        return DescribePixelFormatOfTable(format, size, descriptor);
    });
}

BOOL FakePlatform::SwapBuffers(HDC deviceContext) {
    return Run(FakeCall("SwapBuffers", deviceContext), FALSE, [&] {
        const WindowRecord* record = System.FindByDeviceContext(deviceContext);
        if (record == nullptr || record->PixelFormat == 0)
            return FALSE;
        ++SwapCount;
        return TRUE;
    });
}

// ---- GL contexts ----

HGLRC FakePlatform::wglCreateContext(HDC deviceContext) {
    return Run(FakeCall("wglCreateContext", deviceContext), HGLRC{}, [&] {
        const WindowRecord* record = System.FindByDeviceContext(deviceContext);
        if (record == nullptr || record->PixelFormat == 0)
            return HGLRC{};
        const auto context = reinterpret_cast<HGLRC>(NextContext++);
        ContextTable[context] = record->PixelFormat;
        return context;
    });
}

BOOL FakePlatform::wglMakeCurrent(HDC deviceContext, HGLRC context) {
    return Run(FakeCall("wglMakeCurrent", deviceContext, context), FALSE, [&] {
        if (context == nullptr) {
            Current = nullptr;
            CurrentDC = nullptr;
            return TRUE;
        }
        const auto found = ContextTable.find(context);
        const WindowRecord* record = System.FindByDeviceContext(deviceContext);
        // A context serves any window whose pixel format it was made for.
        if (found == ContextTable.end() || record == nullptr ||
            record->PixelFormat != found->second)
            return FALSE;
        Current = context;
        CurrentDC = deviceContext;
        return TRUE;
    });
}

BOOL FakePlatform::wglDeleteContext(HGLRC context) {
    return Run(FakeCall("wglDeleteContext", context), FALSE, [&] {
        if (ContextTable.erase(context) == 0)
            return FALSE;
        if (Current == context) {
            Current = nullptr;
            CurrentDC = nullptr;
        }
        return TRUE;
    });
}

BOOL FakePlatform::wglSwapIntervalEXT(int interval) {
    return Run(FakeCall("wglSwapIntervalEXT", interval), FALSE, [&] {
        if (Current == nullptr)
            return FALSE;
        SwapIntervals.push_back(interval);
        return TRUE;
    });
}

std::vector<HGLRC> FakePlatform::Contexts() const {
    return KeysOf(ContextTable);
}

// ---- Timers ----

MMRESULT FakePlatform::timeSetEvent(UINT delay, UINT resolution, LPTIMECALLBACK callback,
                                    DWORD_PTR user, UINT event) {
    return Run(FakeCall("timeSetEvent", delay, resolution, callback, user, event), MMRESULT{0},
               [&] {
                   if (callback == nullptr || delay == 0)
                       return MMRESULT{0};
                   std::lock_guard lock(ScriptMutex);
                   Timers[NextTimer] = FakeTimer{delay, resolution, callback, user, event};
                   return NextTimer++;
               });
}

MMRESULT FakePlatform::timeKillEvent(UINT timerId) {
    return Run(FakeCall("timeKillEvent", timerId), MMSYSERR_INVALPARAM, [&] {
        std::lock_guard lock(ScriptMutex);
        return Timers.erase(timerId) != 0 ? TIMERR_NOERROR : MMSYSERR_INVALPARAM;
    });
}

std::vector<UINT> FakePlatform::PendingTimers() const {
    std::lock_guard lock(ScriptMutex);
    return KeysOf(Timers);
}

std::optional<FakeTimer> FakePlatform::Timer(UINT id) const {
    std::lock_guard lock(ScriptMutex);
    const auto found = Timers.find(id);
    if (found == Timers.end())
        return std::nullopt;
    return found->second;
}

bool FakePlatform::FireTimer(UINT id) {
    return RunTimer(id, false);
}

bool FakePlatform::FireTimerOnThread(UINT id) {
    return RunTimer(id, true);
}

bool FakePlatform::RunTimer(UINT id, bool onThread) {
    FakeTimer timer;
    {
        std::lock_guard lock(ScriptMutex);
        const auto found = Timers.find(id);
        if (found == Timers.end())
            return false;
        timer = found->second;
        if ((timer.Event & TIME_PERIODIC) == 0)
            Timers.erase(found);
    }
    const auto fire = [&timer, id] { timer.Callback(id, 0, timer.User, 0, 0); };
    if (onThread)
        std::thread(fire).join();
    else
        fire();
    return true;
}

// ---- Display modes and message boxes ----

bool FakePlatform::ModeExists(const DEVMODEA& mode) const {
    for (const DEVMODEA& available : AvailableModes)
        if (SameMode(available, mode))
            return true;
    return false;
}

LONG FakePlatform::ApplyMode(const DEVMODEA& mode) {
    if (mode.dmSize != sizeof(DEVMODEA))
        return DISP_CHANGE_BADMODE;
    const DEVMODEA target = RequestedOver(CurrentMode, mode);
    if (!ModeExists(target))
        return DISP_CHANGE_BADMODE;
    CurrentMode = target;
    return DISP_CHANGE_SUCCESSFUL;
}

LONG FakePlatform::ChangeDisplaySettingsA(DEVMODEA* mode, DWORD flags) {
    return Run(FakeCall("ChangeDisplaySettingsA", mode, flags), DISP_CHANGE_FAILED, [&] {
        ModeRequests.push_back(FakeModeRequest{mode ? *mode : DEVMODEA{}, mode != nullptr, flags});
        if (mode == nullptr) {
            CurrentMode = RegistryMode;
            return DISP_CHANGE_SUCCESSFUL;
        }
        return ApplyMode(*mode);
    });
}

int FakePlatform::MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
    return Run(FakeCall("MessageBoxA", owner, text, caption, type), 0, [&] {
        MessageBoxes.push_back(
            FakeMessageBox{owner, text ? text : "", caption ? caption : "", type});
        return IDOK;
    });
}

} // namespace vyn
