#include "vynWindowLoop.h"

#include "framework/core/vynFailure.h"
#include "framework/gl/vynGL.h"
#include "framework/input/vynKeyBoardU.h"
#include "framework/input/vynMouseU.h"
#include "framework/render/vynDrawLineU.h"
#include "framework/render/vynSettingsU.h"
#include "framework/system/vynHeapPolicy.h"
#include "vynFramePacing.h"
#include "vynHelpersU.h"
#include "vynMainWindow.h"
#include "vynWindowState.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace vyn {

namespace {

constexpr double FieldOfViewDegrees = 45.0;
constexpr double NearPlane = 1.0;
constexpr double FarPlane = 100.0;

// Whether GL calls reach a context: none exists yet while CreateWindowExA sends its first
// messages, nor any more once the teardown has released it.
bool HasContext() {
    return Framework.RenderingContext != nullptr;
}

// gluPerspective's own frustum, for a driver without GLU: the near plane's half-height follows
// from half the field of view.
void FrustumOfFieldOfView(double aspect) {
    const double top = NearPlane * std::tan(FieldOfViewDegrees * std::numbers::pi / 360.0);
    glFrustum(-top * aspect, top * aspect, -top, top, NearPlane, FarPlane);
}

void EndLoop() {
    Framework.Active = false;
    Framework.LoopRunning = false;
}

void OnKey(WPARAM key, bool down) {
    if (!CurrentKeyboard)
        return;
    // Refused before narrowing: 0x1_0000_0025 taken as 32 bits would be the left arrow.
    if (key >= KeyCodeCount) {
        RecordFailure("a key message's code is beyond the 256 virtual keys");
        return;
    }
    const auto code = static_cast<int32_t>(key);
    CurrentKeyboard->Keys[code] = down;
    CurrentKeyboard->Fire(code, down ? KeyDownTable : KeyUpTable);
}

void OnMouseMove(LPARAM lParam) {
    if (!CurrentMouse)
        return;
    CurrentMouse->X = GET_X_LPARAM(lParam);
    CurrentMouse->Y = GET_Y_LPARAM(lParam);
    CurrentMouse->GLX = CurrentMouse->X;
    CurrentMouse->GLY = Framework.Height - CurrentMouse->Y;
    CurrentMouse->Fire(MouseMoveSlot);
}

void OnMouseButton(int button, bool down, int32_t slot) {
    if (!CurrentMouse)
        return;
    CurrentMouse->Buttons[button] = down;
    CurrentMouse->Fire(slot);
}

void OnSize(HWND window, WPARAM kind, LPARAM lParam) {
    if (kind == SIZE_MINIMIZED) {
        Framework.Active = false;
        return;
    }
    Framework.Active = true;
    if (kind == SIZE_MAXIMIZED) {
        Framework.Left = 0;
        Framework.Top = 0;
    }
    Framework.Width = LOWORD(static_cast<uintptr_t>(lParam));
    Framework.Height = HIWORD(static_cast<uintptr_t>(lParam));
    if (HasContext()) {
        ApplyProjection();
        if (ResizeRoutine)
            ResizeRoutine(Framework.Width, Framework.Height);
    }
    // The window itself: during CreateWindowExA the record holds no handle yet, and
    // InvalidateRect(NULL) would redraw every window on the desktop.
    if (kind == SIZE_RESTORED)
        InvalidateRect(window, nullptr, FALSE);
    else
        PresentFrame();
}

// A paint request left unanswered would be synthesised again at once, and the loop would spin
// through WM_PAINT instead of waiting.
void ValidateWithoutDrawing(HWND window) {
    BeginPaint(window, &PaintRecord);
    EndPaint(window, &PaintRecord);
}

LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return FallbackWindowProc ? FallbackWindowProc(window, message, wParam, lParam) : 0;
}

void StopFpsTimerAtExit() {
    if (Framework.TimerRunning)
        SetFpsTimer(false);
}

// Once per process: a running timer must not tick while the record it reads is destroyed.
void StopFpsTimerAtProgramExit() {
    [[maybe_unused]] static const int registered = std::atexit(StopFpsTimerAtExit);
}

} // namespace

LRESULT VYN_WINAPI MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_QUIT:
        EndLoop();
        return 0;
    // 0 would veto the user's log-off; only the end itself, when it comes, ends the loop.
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam)
            EndLoop();
        return 0;
    // Signed, as Windows documents them: a window partly off the left or top edge, or a pointer
    // dragged out of the window to its left or above it, is at a negative coordinate.
    case WM_MOVE:
        Framework.Left = GET_X_LPARAM(lParam);
        Framework.Top = GET_Y_LPARAM(lParam);
        PresentFrame();
        return 0;
    case WM_SIZE:
        OnSize(window, wParam, lParam);
        return 0;
    case WM_ACTIVATE:
    case WM_SETFOCUS:
        Framework.Active = true;
        return 0;
    case WM_KILLFOCUS:
        Framework.Active = false;
        return 0;
    case WM_PAINT:
        if (Framework.Active)
            PresentFrame();
        else
            ValidateWithoutDrawing(window);
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
        OnKey(wParam, message == WM_KEYDOWN);
        return 0;
    case WM_SYSCOMMAND:
        if (wParam == SC_SCREENSAVE || wParam == SC_MONITORPOWER) {
            Framework.Active = false;
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_MOUSEMOVE:
        OnMouseMove(lParam);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        OnMouseButton(0, message == WM_LBUTTONDOWN,
                      message == WM_LBUTTONDOWN ? MouseLeftDownSlot : MouseLeftUpSlot);
        return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        OnMouseButton(1, message == WM_RBUTTONDOWN,
                      message == WM_RBUTTONDOWN ? MouseRightDownSlot : MouseRightUpSlot);
        return 0;
    default:
        return PassOn(window, message, wParam, lParam);
    }
}

bool RunMainLoop() {
    if (Framework.LoopRunning)
        return true;
    // Nothing could ever arrive: the loop would wait for ever, or spin where waiting returns at
    // once (SDL without video).
    if (!Framework.WindowHandle)
        return Fail("RunMainLoop: there is no window to run the loop for");
    Framework.LoopRunning = true;
    // The driver's per-frame scratch stays in the heap from one frame to the next.
    KeepHeapForFrames();
    StartFrameClock();
    try {
        while (Framework.LoopRunning) {
            if (PeekMessageA(&MessageRecord, Framework.WindowHandle, 0, 0, PM_REMOVE)) {
                TranslateMessage(&MessageRecord);
                DispatchMessageA(&MessageRecord);
            } else if (Framework.Active) {
                if (BeginFrameWhenDue()) {
                    if (IdleRoutine)
                        IdleRoutine();
                    PresentFrame();
                }
            } else {
                WaitMessage();
            }
        }
        ReleaseResources();
        return ReleaseWindowAndContext();
    } catch (...) {
        // Ended all the same: a later call runs the loop again rather than taking it as running.
        Framework.LoopRunning = false;
        return FailFromException("the main loop ended on a failure");
    }
}

bool StopMainLoop() {
    Framework.LoopRunning = false;
    return true;
}

void PresentFrame() {
    if (CurrentRenderList && HasContext())
        CurrentRenderList->Draw();
    HWND window = Framework.WindowHandle;
    BeginPaint(window, &PaintRecord);
    SwapBuffers(Framework.DeviceContext);
    EndPaint(window, &PaintRecord);
    ++Framework.FrameCount;
}

bool DrawFrame() {
    try {
        PresentFrame();
        return true;
    } catch (...) {
        return FailFromException("DrawFrame");
    }
}

void SetProjection(int32_t width, int32_t height) {
    width = width > 0 ? width : 1;
    height = height > 0 ? height : 1;
    const double aspect = static_cast<double>(width) / height;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (GLUAvailable())
        gluPerspective(FieldOfViewDegrees, aspect, NearPlane, FarPlane);
    else
        FrustumOfFieldOfView(aspect);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void ApplyProjection() {
    // A plain context's matrices are the program's: its resize sets the viewport alone.
    if (PlainGLState) {
        glViewport(0, 0, Framework.Width, Framework.Height);
        return;
    }
    SetProjection(Framework.Width, Framework.Height);
}

bool SetFpsTimer(bool on) {
    if (on == Framework.TimerRunning)
        return true;
    const TFailureMark mark;
    bool started = false;
    try {
        if (on) {
            Framework.TimerId = timeSetEvent(
                static_cast<UINT>(Framework.TimerPeriod), 0, FpsTimerTick,
                reinterpret_cast<DWORD_PTR>(Framework.WindowHandle.load()), TIME_PERIODIC);
            started = Framework.TimerId != 0;
        } else {
            Framework.TimerId = timeKillEvent(Framework.TimerId);
            started = Framework.TimerId == TIMERR_NOERROR;
        }
    } catch (...) {
        return FailFromException("SetFpsTimer");
    }
    if (!started)
        return on ? mark.Fail("timeSetEvent failed: no caption timer")
                  : mark.Fail("timeKillEvent failed with error " +
                              std::to_string(Framework.TimerId));
    Framework.TimerRunning = on;
    if (on)
        StopFpsTimerAtProgramExit();
    return true;
}

void VYN_WINAPI FpsTimerTick(UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {
    try {
        // Taking the count and zeroing it in one step loses no frame drawn meanwhile.
        const int32_t frames = Framework.FrameCount.exchange(0);
        SetCaption(Framework.WindowName.Get() + " [" + IntegerToString(frames) + " FPS]");
    } catch (...) {
        // A timer callback has nobody to report to; the next tick tries again.
    }
}

bool SetCaption(const std::string& text) {
    const TFailureMark mark;
    try {
        return SetWindowTextA(Framework.WindowHandle, text.c_str()) != FALSE ||
               mark.Fail("SetWindowTextA failed");
    } catch (...) {
        return FailFromException("SetCaption");
    }
}

bool ShowMainWindow() {
    HWND window = Framework.WindowHandle;
    Framework.Active = ShowWindow(window, Framework.FullScreen ? SW_MAXIMIZE : SW_SHOW) != FALSE;
    SetForegroundWindow(window);
    ApplyProjection();
    UpdateWindow(window);
    SetFocus(window);
    SendMessageA(
        window, WM_SIZE, SIZE_RESTORED,
        MAKELPARAM(static_cast<WORD>(Framework.Width), static_cast<WORD>(Framework.Height)));
    return Framework.Active;
}

void IdleNothing() {}

} // namespace vyn
