#include "framework/core/vynFailure.h"
#include "framework/input/vynKeyBoardU.h"
#include "framework/input/vynMouseU.h"
#include "framework/render/vynDrawLineU.h"
#include "tests/support/vynWindowTestSupport.h"

#include <stdexcept>

using namespace vyn;
using vyn::test::WindowTest;

namespace {

class WindowProc : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        CreateWindowFromSettings();
        Window = Framework.WindowHandle;
    }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return MainWindowProc(Window, message, wParam, lParam);
    }
    std::vector<CallRecord> Projection(int width, int height) {
        return {Call("glViewport", 0, 0, width, height),
                Call("glMatrixMode", GL_PROJECTION),
                Call("glLoadIdentity"),
                Call("gluPerspective", 45.0, static_cast<double>(width) / height, 1.0, 100.0),
                Call("glMatrixMode", GL_MODELVIEW),
                Call("glLoadIdentity")};
    }
    std::vector<CallRecord> Frame() {
        return {Call("glClear", 0x4100u),
                Call("glEnable", GL_TEXTURE_2D),
                Call("glDisable", GL_TEXTURE_2D),
                Call("BeginPaint", Window, &PaintRecord),
                Call("SwapBuffers", Framework.DeviceContext),
                Call("EndPaint", Window, &PaintRecord)};
    }
    static std::vector<CallRecord> Join(std::vector<CallRecord> a,
                                        const std::vector<CallRecord>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }
    HWND Window = nullptr;
};

int Fired[15];
template <int Slot>
void CountSlot() {
    ++Fired[Slot];
}

int KeyDowns = 0;
bool KeyWasDownInHandler = false;
void OnLeftArrow() {
    ++KeyDowns;
    KeyWasDownInHandler = CurrentKeyboard->Keys[VK_LEFT];
}
void Throwing() {
    throw std::runtime_error("handler failed");
}

LRESULT Fallback(HWND, UINT message, WPARAM wParam, LPARAM) {
    return static_cast<LRESULT>(message * 1000 + wParam);
}

} // namespace

TEST_F(WindowProc, EndingMessagesClearActiveAndTheLoopFlagButKeepTheWindow) {
    for (UINT message : {WM_DESTROY, WM_CLOSE, WM_QUIT, WM_ENDSESSION}) {
        Framework.Active = Framework.LoopRunning = true;
        EXPECT_EQ(Send(message, TRUE), 0);
        EXPECT_FALSE(Framework.Active) << message;
        EXPECT_FALSE(Framework.LoopRunning) << message;
    }
    EXPECT_NE(Platform.Window(Window), nullptr);
    EXPECT_EQ(Log.Size(), 0u);
}

// Answering 0 to the query would veto the user's log-off; the session may still go on after it.
TEST_F(WindowProc, TheSessionMayEndAndOnlyItsEndEndsTheLoop) {
    Framework.Active = Framework.LoopRunning = true;
    EXPECT_EQ(Send(WM_QUERYENDSESSION), TRUE);
    EXPECT_TRUE(Framework.LoopRunning);
    EXPECT_EQ(Send(WM_ENDSESSION, FALSE), 0);
    EXPECT_TRUE(Framework.LoopRunning) << "the session was not ended after all";
    EXPECT_TRUE(Framework.Active);
    EXPECT_EQ(Send(WM_ENDSESSION, TRUE), 0);
    EXPECT_FALSE(Framework.LoopRunning);
    EXPECT_FALSE(Framework.Active);
}

// Windows' coordinates are signed: a window partly off the left or top edge, a pointer dragged out
// of the window to its left or above it.
TEST_F(WindowProc, PositionsAndPointerCoordinatesAreSignedSixteenBitNumbers) {
    Framework.FrameCount = 0;
    Send(WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(-30), static_cast<WORD>(-5)));
    EXPECT_EQ(Framework.Left, -30);
    EXPECT_EQ(Framework.Top, -5);
    EXPECT_EQ(Log.Calls(), Frame());
    EXPECT_EQ(Framework.FrameCount.load(), 1);
    Send(WM_MOVE, 0, MAKELPARAM(32767, 40));
    EXPECT_EQ(Framework.Left, 32767);

    Send(WM_MOUSEMOVE, 0, MAKELPARAM(0xFFFF, 0xFFFE));
    EXPECT_EQ(CurrentMouse->X, -1);
    EXPECT_EQ(CurrentMouse->Y, -2);
    EXPECT_EQ(CurrentMouse->GLX, -1);
    EXPECT_EQ(CurrentMouse->GLY, Framework.Height + 2);
}

// A window moved partly off screen is made again where it was, not 64 K pixels away.
TEST_F(WindowProc, ARecreationKeepsAPositionLeftOfTheScreen) {
    Platform.Move(-40, 10, Window);
    MSG message;
    while (PeekMessageA(&message, Window, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    ASSERT_TRUE(CreateFromSettings());
    EXPECT_EQ(Platform.Window()->Client.left, -40);
    EXPECT_EQ(Platform.Window()->Client.top, 10);
}

TEST_F(WindowProc, EachKindOfResize) {
    Framework.Active = false;
    Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(640, 480));
    EXPECT_TRUE(Framework.Active);
    EXPECT_EQ(Framework.Width, 640);
    EXPECT_EQ(Framework.Height, 480);
    EXPECT_EQ(Log.Calls(),
              Join(Projection(640, 480),
                   {Call("InvalidateRect", Window, static_cast<const RECT*>(nullptr), FALSE)}));

    Log.Clear();
    Send(WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(0, 0));
    EXPECT_FALSE(Framework.Active);
    EXPECT_EQ(Framework.Width, 640) << "minimising keeps the size";
    EXPECT_EQ(Log.Size(), 0u);

    Framework.Left = Framework.Top = 99;
    Send(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(1024, 768));
    EXPECT_TRUE(Framework.Active);
    EXPECT_EQ(Framework.Left, 0);
    EXPECT_EQ(Framework.Top, 0);
    EXPECT_EQ(Log.Calls(), Join(Projection(1024, 768), Frame()));

    Log.Clear();
    Framework.Active = false;
    Send(WM_SIZE, SIZE_MAXSHOW, MAKELPARAM(300, 200));
    EXPECT_TRUE(Framework.Active);
    EXPECT_EQ(Log.Calls(), Join(Projection(300, 200), Frame()));
}

TEST_F(WindowProc, ActivationFocusAndPaint) {
    Send(WM_ACTIVATE, WA_INACTIVE);
    EXPECT_TRUE(Framework.Active) << "WM_ACTIVATE sets Active whatever wParam says";
    Send(WM_KILLFOCUS);
    EXPECT_FALSE(Framework.Active);
    // An inactive window draws nothing but validates, or WM_PAINT would come back at once.
    InvalidateRect(Window, nullptr, FALSE);
    Log.Clear();
    Send(WM_PAINT);
    EXPECT_EQ(Log.Calls(), (std::vector<CallRecord>{Call("BeginPaint", Window, &PaintRecord),
                                                    Call("EndPaint", Window, &PaintRecord)}));
    EXPECT_FALSE(Platform.Window(Window)->Invalid);
    Log.Clear();
    Send(WM_SETFOCUS);
    EXPECT_TRUE(Framework.Active);
    Send(WM_PAINT);
    EXPECT_EQ(Log.Calls(), Frame());
}

TEST_F(WindowProc, ScreenSaverAndMonitorPowerAreSwallowed) {
    FallbackWindowProc = Fallback;
    for (WPARAM command : {SC_SCREENSAVE, SC_MONITORPOWER}) {
        Framework.Active = true;
        EXPECT_EQ(Send(WM_SYSCOMMAND, command), 0);
        EXPECT_FALSE(Framework.Active);
    }
    EXPECT_EQ(Log.Size(), 0u);
    // Other commands go to DefWindowProcA itself, not to the fallback.
    Send(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_EQ(Log.Calls().front(),
              Call("DefWindowProcA", Window, WM_SYSCOMMAND, SC_MINIMIZE, LPARAM{0}));
}

TEST_F(WindowProc, KeysAreMarkedBeforeTheirHandlersRun) {
    KeyDowns = 0;
    ASSERT_TRUE(CurrentKeyboard->SetHandler(VK_LEFT, 1, OnLeftArrow));
    Send(WM_KEYDOWN, VK_LEFT);
    Send(WM_KEYDOWN, VK_LEFT); // auto-repeat
    EXPECT_EQ(KeyDowns, 2);
    EXPECT_TRUE(KeyWasDownInHandler);
    Send(WM_KEYUP, VK_LEFT);
    EXPECT_FALSE(CurrentKeyboard->Keys[VK_LEFT]);
    EXPECT_EQ(KeyDowns, 2) << "no key-up handler";
    // A throwing handler stops at Fire; codes beyond the table touch nothing.
    CurrentKeyboard->SetHandler(VK_RIGHT, 1, Throwing);
    EXPECT_EQ(Send(WM_KEYDOWN, VK_RIGHT), 0);
    EXPECT_TRUE(CurrentKeyboard->Keys[VK_RIGHT]);
    EXPECT_EQ(Send(WM_KEYDOWN, 0x1234), 0);
}

// Truncated to 32 bits, 0x1_0000_0025 would be the left arrow.
TEST_F(WindowProc, KeyCodesBeyondTheTableAreRefusedBeforeTheyAreNarrowed) {
    static_assert(sizeof(WPARAM) == 8, "the case needs a 64-bit wParam");
    KeyDowns = 0;
    ASSERT_TRUE(CurrentKeyboard->SetHandler(VK_LEFT, 1, OnLeftArrow));
    const WPARAM wide = (WPARAM{1} << 32) | VK_LEFT;
    EXPECT_EQ(Send(WM_KEYDOWN, wide), 0);
    EXPECT_EQ(Send(WM_KEYUP, wide), 0);
    EXPECT_EQ(KeyDowns, 0);
    EXPECT_FALSE(CurrentKeyboard->Keys[VK_LEFT]);
}

TEST_F(WindowProc, MouseMessagesUpdateTheMouseAndFireTheirSlots) {
    std::fill(std::begin(Fired), std::end(Fired), 0);
    TMyMouse& mouse = *CurrentMouse;
    mouse.Handlers[0] = CountSlot<0>;
    mouse.Handlers[1] = CountSlot<1>;
    mouse.Handlers[4] = CountSlot<4>;
    mouse.Handlers[5] = CountSlot<5>;
    mouse.Handlers[14] = CountSlot<14>;
    for (int slot : {0, 1, 4, 5, 14})
        mouse.Enabled[slot] = true;

    Send(WM_MOUSEMOVE, 0, MAKELPARAM(10, 0));
    EXPECT_EQ(mouse.X, 10);
    EXPECT_EQ(mouse.GLX, 10);
    EXPECT_EQ(mouse.GLY, Framework.Height) << "the top row";
    Send(WM_MOUSEMOVE, 0, MAKELPARAM(10, static_cast<WORD>(Framework.Height - 1)));
    EXPECT_EQ(mouse.GLY, 1) << "the bottom row";
    Send(WM_LBUTTONDOWN, 0, MAKELPARAM(50, 60));
    EXPECT_TRUE(mouse.Buttons[0]);
    EXPECT_EQ(mouse.X, 10) << "buttons do not move the pointer";
    Send(WM_LBUTTONUP);
    Send(WM_RBUTTONDOWN);
    EXPECT_TRUE(mouse.Buttons[1]);
    Send(WM_RBUTTONUP);
    EXPECT_FALSE(mouse.Buttons[0] || mouse.Buttons[1] || mouse.Buttons[2]);
    EXPECT_EQ(Fired[14], 2);
    EXPECT_EQ(Fired[0] + Fired[1] + Fired[4] + Fired[5], 4);
}

TEST_F(WindowProc, EverythingElseGoesToTheFallbackWithItsResult) {
    FallbackWindowProc = Fallback;
    for (UINT message : {WM_CHAR, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_MBUTTONDOWN, WM_MOUSEWHEEL,
                         WM_SETTEXT, WM_ERASEBKGND, WM_CREATE}) {
        EXPECT_EQ(Send(message, 7), static_cast<LRESULT>(message * 1000 + 7)) << message;
    }
    // System keys neither mark keys nor fire handlers.
    EXPECT_FALSE(CurrentKeyboard->Keys[7]);
}

// ---- Presentation, projection, caption

TEST_F(WindowProc, DrawFrameTurnsFailuresIntoFalse) {
    EXPECT_TRUE(DrawFrame());
    Recorder.FailingCalls = {"glClear"};
    EXPECT_FALSE(DrawFrame());
}

TEST_F(WindowProc, ZeroSizesBecomeOne) {
    SetProjection(0, -5);
    EXPECT_EQ(Log.Calls(), Projection(1, 1));
}

TEST_F(WindowProc, ShowingTheWindowRunsItsSequenceAndEndsActive) {
    EXPECT_TRUE(ShowMainWindow());
    auto calls = Log.Only({"ShowWindow", "SetForegroundWindow", "glViewport", "UpdateWindow",
                           "SetFocus", "SendMessageA"});
    EXPECT_EQ(calls, (std::vector<CallRecord>{
                         Call("ShowWindow", Window, SW_SHOW),
                         Call("SetForegroundWindow", Window),
                         Call("glViewport", 0, 0, 400, 300),
                         Call("UpdateWindow", Window),
                         Call("SetFocus", Window),
                         Call("SendMessageA", Window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(400, 300)),
                         Call("glViewport", 0, 0, 400, 300),
                     }));
    EXPECT_TRUE(Platform.Window(Window)->Visible);
}

TEST_F(WindowProc, AFullScreenWindowIsShownMaximised) {
    Framework.FullScreen = true;
    ShowMainWindow();
    EXPECT_EQ(Log.Only({"ShowWindow"})[0], Call("ShowWindow", Window, SW_MAXIMIZE));
}

class CaptionTimer : public WindowProc {};

TEST_F(CaptionTimer, StartsOnceWithTheTabledArguments) {
    EXPECT_TRUE(SetFpsTimer(true));
    EXPECT_TRUE(SetFpsTimer(true));
    auto starts = Log.Only({"timeSetEvent"});
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0],
              Call("timeSetEvent", 1000u, 0u, reinterpret_cast<const void*>(&FpsTimerTick),
                   reinterpret_cast<DWORD_PTR>(Window), TIME_PERIODIC));
    EXPECT_TRUE(Framework.TimerRunning);
    EXPECT_NE(Framework.TimerId, 0u);
    EXPECT_TRUE(SetFpsTimer(false));
    EXPECT_EQ(Framework.TimerId, 0u);
    EXPECT_FALSE(Framework.TimerRunning);
    EXPECT_TRUE(Platform.PendingTimers().empty());
}

TEST_F(CaptionTimer, FailuresToStartAndStop) {
    Platform.Fail("timeSetEvent");
    EXPECT_FALSE(SetFpsTimer(true));
    EXPECT_EQ(Framework.TimerId, 0u);
    EXPECT_FALSE(Framework.TimerRunning);
    Platform.Succeed("timeSetEvent");
    ASSERT_TRUE(SetFpsTimer(true));
    Platform.Fail("timeKillEvent");
    EXPECT_FALSE(SetFpsTimer(false));
    EXPECT_EQ(Framework.TimerId, MMSYSERR_INVALPARAM);
    EXPECT_TRUE(Framework.TimerRunning);
    Platform.Succeed("timeKillEvent");
    Framework.TimerId = Platform.PendingTimers().at(0);
    EXPECT_TRUE(SetFpsTimer(false));
}

TEST_F(CaptionTimer, TheCaptionShowsTheFramesOfTheLastSecond) {
    ASSERT_TRUE(SetFpsTimer(true));
    const UINT timer = Framework.TimerId;
    Framework.FrameCount = 60;
    ASSERT_TRUE(Platform.FireTimer(timer));
    EXPECT_EQ(Platform.Window(Window)->Caption, "vynSingleWindow [60 FPS]");
    EXPECT_EQ(Framework.FrameCount.load(), 0);
    ASSERT_TRUE(Platform.FireTimer(timer));
    EXPECT_EQ(Platform.Window(Window)->Caption, "vynSingleWindow [0 FPS]");
}

TEST_F(CaptionTimer, ACaptionFromTheTimerThreadIsAppliedByTheMainThread) {
    ASSERT_TRUE(SetFpsTimer(true));
    Framework.FrameCount = 7;
    ASSERT_TRUE(Platform.FireTimerOnThread(Framework.TimerId));
    EXPECT_EQ(Framework.FrameCount.load(), 0);
    MSG message;
    PeekMessageA(&message, Window, 0, 0, PM_REMOVE);
    EXPECT_EQ(Platform.Window(Window)->Caption, "vynSingleWindow [7 FPS]");
}

TEST_F(CaptionTimer, TheTickFollowsARecreatedWindowAndSurvivesTheTeardown) {
    ASSERT_TRUE(SetFpsTimer(true));
    const UINT timer = Framework.TimerId;
    ASSERT_TRUE(CreateFromSettings());
    HWND second = Framework.WindowHandle;
    ASSERT_NE(second, Window);
    Framework.FrameCount = 0;
    ASSERT_TRUE(Platform.FireTimer(timer));
    EXPECT_EQ(Platform.Window(second)->Caption, "vynSingleWindow [0 FPS]");
    ASSERT_TRUE(ReleaseWindowAndContext());
    EXPECT_TRUE(Platform.FireTimer(timer)) << "the tick finds no window and shrugs";
    EXPECT_TRUE(Framework.TimerRunning) << "the teardown does not stop the timer";
}

// ---- The loop

class Loop : public WindowProc {
  protected:
    void SetUp() override {
        WindowProc::SetUp();
        ShowMainWindow();
        DrawFrame(); // validates what showing invalidated
        SwapsBefore = Platform.SwapCount;
        Log.Clear();
    }
    // Stops the loop from inside after `frames` swaps.
    void StopAfterFrames(int frames) {
        Platform.On("SwapBuffers", [this, frames] {
            if (++Swaps >= frames)
                StopMainLoop();
        });
    }
    int SwapsInLoop() const { return Platform.SwapCount - SwapsBefore; }
    int Swaps = 0;
    int SwapsBefore = 0;
};

TEST_F(Loop, MessagesGoBeforeFramesAndTheEndTearsDown) {
    Platform.Post(Window, WM_USER, 1);
    Platform.Post(Window, WM_USER, 2);
    Platform.LogDeliveries = true;
    StopAfterFrames(3);
    EXPECT_TRUE(RunMainLoop());
    auto names = Log.Names();
    auto firstSwap = std::find(names.begin(), names.end(), "SwapBuffers");
    auto lastDelivery = std::find(names.rbegin(), names.rend(), "DispatchMessageA");
    ASSERT_NE(firstSwap, names.end());
    EXPECT_LT(lastDelivery.base() - names.begin(), firstSwap - names.begin());
    EXPECT_EQ(Swaps, 3);
    EXPECT_FALSE(Framework.ContextReady);
    EXPECT_EQ(Framework.WindowHandle.load(), nullptr);
    EXPECT_EQ(CurrentKeyboard, nullptr);
}

TEST_F(Loop, TheIdleRoutineRunsBeforeEachFrame) {
    static int idles = 0;
    idles = 0;
    IdleRoutine = [] { ++idles; };
    StopAfterFrames(5);
    EXPECT_TRUE(RunMainLoop());
    EXPECT_EQ(idles, 5);
}

TEST_F(Loop, AnInactiveWindowWaitsAndDrawsNothing) {
    Platform.Unfocus(Window);
    Platform.Expose(Window); // a paint request while inactive must not keep the loop spinning
    StopAfterFrames(1);      // a loop that draws while inactive ends here, and fails below
    int waits = 0;
    Platform.On("WaitMessage", [&] {
        if (++waits == 3)
            Platform.Close(Window);
    });
    EXPECT_TRUE(RunMainLoop());
    EXPECT_EQ(waits, 3);
    EXPECT_EQ(SwapsInLoop(), 0);
}

TEST_F(Loop, MinimisingStopsDrawingAndRestoringResumes) {
    Platform.On("SwapBuffers", [this] {
        ++Swaps;
        if (Swaps == 2)
            Platform.Minimize(Window);
        if (Swaps == 4)
            StopMainLoop();
    });
    int waits = 0;
    Platform.On("WaitMessage", [&] {
        if (++waits == 2)
            Platform.Restore(Window);
    });
    EXPECT_TRUE(RunMainLoop());
    EXPECT_EQ(waits, 2);
    EXPECT_EQ(Swaps, 4);
}

TEST_F(Loop, EachEndingMessageEndsTheLoop) {
    for (UINT message : {WM_CLOSE, WM_DESTROY, WM_ENDSESSION}) {
        Platform.Post(Window, message, TRUE);
        EXPECT_TRUE(RunMainLoop()) << message;
        EXPECT_FALSE(Framework.ContextReady) << message;
        CreateGlobals();
        CreateWindowFromSettings();
        ShowMainWindow();
        Window = Framework.WindowHandle;
    }
}

TEST_F(Loop, ASecondLoopIsRefusedWhileOneRuns) {
    static bool nested = false;
    IdleRoutine = [] {
        nested = RunMainLoop();
        StopMainLoop();
    };
    EXPECT_TRUE(RunMainLoop());
    EXPECT_TRUE(nested);
    EXPECT_FALSE(Framework.ContextReady) << "only the outer loop tore down";
}

TEST_F(Loop, AnEscapingFailureEndsTheLoopWithFalseAndNoTeardownAndTheLoopRunsAgain) {
    StopAfterFrames(10);
    Platform.On("SwapBuffers", [this] {
        if (Swaps == 2)
            Recorder.FailingCalls = {"glClear"};
    });
    EXPECT_FALSE(RunMainLoop());
    EXPECT_TRUE(Framework.ContextReady);
    EXPECT_NE(Platform.Window(Window), nullptr);
    EXPECT_NE(CurrentKeyboard, nullptr);

    Recorder.FailingCalls.clear();
    EXPECT_TRUE(RunMainLoop());
    EXPECT_EQ(Swaps, 10) << "the second loop did not run";
    EXPECT_FALSE(Framework.ContextReady) << "the second loop did not tear down";
}

TEST_F(Loop, ARecreationFromAKeyHandlerEndsTheLoopAfterThatMessage) {
    static bool recreated = false;
    recreated = false;
    CurrentKeyboard->SetHandler(VK_F1, 1, [] { recreated = CreateFromSettings(); });
    Platform.KeyDown(VK_F1, false, Window);
    EXPECT_TRUE(RunMainLoop());
    EXPECT_TRUE(recreated);
    EXPECT_EQ(SwapsInLoop(), 0);
    EXPECT_FALSE(Framework.ContextReady) << "the loop's teardown released the new window too";
}

// Without a window nothing could ever arrive: the loop would wait or spin for ever.
class NoWindow : public WindowTest {};

TEST_F(NoWindow, TheLoopRefusesToStartAndSaysWhy) {
    EXPECT_FALSE(RunMainLoop());
    EXPECT_NE(LastFailure().find("no window"), std::string::npos) << LastFailure();
    EXPECT_FALSE(Framework.LoopRunning);
    EXPECT_TRUE(Log.Only({"PeekMessageA", "WaitMessage"}).empty());
    EXPECT_NE(CurrentKeyboard, nullptr) << "nothing was released";
    Framework.LoopRunning = false;
}
