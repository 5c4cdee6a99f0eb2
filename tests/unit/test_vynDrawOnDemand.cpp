// Input beyond keys and the two buttons, and drawing only when asked, on the fake backend: typed
// text reaches the character handler as its code points (malformed UTF-8 as U+FFFD), the middle
// button and the wheel reach their handlers and still the fallback, and a loop drawing on demand
// draws exactly one frame for each reason to and none otherwise.
#include "framework/core/vynCodePoints.h"
#include "framework/core/vynFailure.h"
#include "framework/input/vynKeyBoardU.h"
#include "framework/input/vynMouseU.h"
#include "framework/window/vynDrawOnDemand.h"
#include "tests/support/vynWindowTestSupport.h"

#include <functional>
#include <string>

using namespace vyn;
using vyn::test::WindowTest;

namespace {

std::u32string Typed;
std::string MouseEvents;
int FallbackCalls = 0;

LRESULT CountingFallback(HWND, UINT, WPARAM, LPARAM) {
    ++FallbackCalls;
    return 0;
}

class OnDemand : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        CreateWindowFromSettings();
        Window = Framework.WindowHandle;
        ShowMainWindow();
        DrawFrame(); // validates what showing invalidated
        SetDrawOnDemand(true);
        Typed.clear();
        MouseEvents.clear();
        FallbackCalls = 0;
    }
    // Runs the loop taking everything waiting; each WaitMessage runs the next action, or closes
    // the window after the last. The frames each action made, the first entry those of the start.
    std::vector<int> FramesPerWait(const std::vector<std::function<void()>>& actions) {
        std::vector<int> frames{0};
        Platform.On("SwapBuffers", [&] { ++frames.back(); });
        Platform.On("WaitMessage", [&] {
            const size_t next = frames.size() - 1;
            frames.push_back(0);
            if (next < actions.size())
                actions[next]();
            else
                Platform.Close(Window);
        });
        EXPECT_TRUE(RunMainLoop()) << LastFailure();
        frames.pop_back(); // the closing wait's
        return frames;
    }
    HWND Window = nullptr;
};

TEST_F(OnDemand, TypedTextReachesTheCharacterHandlerAsCodePoints) {
    CurrentKeyboard->SetCharHandler([] { Typed += CurrentKeyboard->Char; });
    FallbackWindowProc = CountingFallback;
    // "Hi!", e acute, G clef (a surrogate pair), a stray continuation byte, a truncated sequence.
    Platform.Type("Hi!\xC3\xA9\xF0\x9D\x84\x9E\x80z\xE2\x82");
    FramesPerWait({});
    EXPECT_EQ(Typed, U"Hi!\u00E9\U0001D11E\uFFFDz\uFFFD\uFFFD");
    EXPECT_EQ(FallbackCalls, 10) << "one WM_CHAR a UTF-16 unit, each passed on";
}

TEST_F(OnDemand, MiddleButtonAndWheelReachTheirHandlersAndStillTheFallback) {
    TMyMouse& mouse = *CurrentMouse;
    FallbackWindowProc = CountingFallback;
    ASSERT_TRUE(mouse.SetHandler(TMouseEvent::MiddleDown,
                                 [] { MouseEvents += CurrentMouse->MiddleButton ? "D" : "d"; }));
    ASSERT_TRUE(mouse.SetHandler(TMouseEvent::MiddleUp, [] { MouseEvents += "U"; }));
    ASSERT_TRUE(mouse.SetHandler(
        TMouseEvent::Wheel, [] { MouseEvents += std::to_string(CurrentMouse->WheelDelta) + ","; }));
    ASSERT_TRUE(mouse.SetHandler(TMouseEvent::LeftDown, [] { MouseEvents += "L"; }));
    // A client's own use of a free slot is left alone.
    mouse.Handlers[2] = [] { MouseEvents += "slot 2"; };
    mouse.Enabled[2] = true;
    EXPECT_FALSE(mouse.SetHandler(TMouseEvent::Wheel, nullptr));
    EXPECT_FALSE(mouse.SetHandler(static_cast<TMouseEvent>(8), [] {}));

    Platform.ButtonDown(MouseButton::Middle, 5, 5);
    Platform.Wheel(-2);
    Platform.Wheel(1);
    Platform.ButtonDown(MouseButton::Left, 5, 5);
    Platform.ButtonUp(MouseButton::Middle, 5, 5);
    FramesPerWait({});
    EXPECT_EQ(MouseEvents, "D-240,120,LU");
    EXPECT_EQ(FallbackCalls, 4) << "middle button and wheel messages, still passed on";
}

struct ReasonCase {
    const char* Name;
    std::function<void(FakePlatform&, HWND)> Act;
    int Frames;
};

class Reasons : public OnDemand, public ::testing::WithParamInterface<ReasonCase> {};

TEST_P(Reasons, OneFrameForEachReasonAndNoneOtherwise) {
    const ReasonCase& reason = GetParam();
    static int idles = 0;
    idles = 0;
    IdleRoutine = [] { ++idles; };
    const auto act = [this, &reason] { reason.Act(Platform, Window); };
    const std::vector<int> frames = FramesPerWait({act, act});
    EXPECT_EQ(frames, (std::vector<int>{1, reason.Frames, reason.Frames})) << reason.Name;
    EXPECT_EQ(idles, 1 + 2 * reason.Frames) << "the idle routine runs before each frame";
}

INSTANTIATE_TEST_SUITE_P(
    Messages, Reasons,
    ::testing::Values(
        ReasonCase{"key", [](FakePlatform& fake, HWND) { fake.KeyDown('A'); }, 1},
        ReasonCase{"typed text", [](FakePlatform& fake, HWND) { fake.Type("ab"); }, 1},
        ReasonCase{"a drag's moves, one frame a batch",
                   [](FakePlatform& fake, HWND) {
                       fake.MouseMove(1, 2);
                       fake.MouseMove(3, 4);
                   },
                   1},
        ReasonCase{"wheel", [](FakePlatform& fake, HWND) { fake.Wheel(1); }, 1},
        ReasonCase{"resize",
                   [](FakePlatform& fake, HWND) {
                       static int wider = 0; // a size the window does not have yet
                       fake.Resize(320 + ++wider, 200);
                   },
                   1},
        ReasonCase{"expose", [](FakePlatform& fake, HWND) { fake.Expose(); }, 1},
        ReasonCase{"InvalidateRect",
                   [](FakePlatform&, HWND window) { InvalidateRect(window, nullptr, FALSE); }, 1},
        ReasonCase{"timer",
                   [](FakePlatform& fake, HWND window) { fake.Post(window, WM_TIMER, 1, 0); }, 1},
        ReasonCase{"a message of the program's own",
                   [](FakePlatform& fake, HWND window) { fake.Post(window, WM_USER, 0, 0); }, 0}),
    [](const auto& info) { return std::to_string(info.index); });

TEST_F(OnDemand, WithoutTheModeTheLoopDrawsWhileNothingHappens) {
    SetDrawOnDemand(false);
    int frames = 0;
    Platform.On("SwapBuffers", [&] {
        if (++frames == 5)
            StopMainLoop();
    });
    Platform.On("WaitMessage", [] { ADD_FAILURE() << "the loop waited"; });
    EXPECT_TRUE(RunMainLoop());
    EXPECT_EQ(frames, 5);
}

} // namespace
