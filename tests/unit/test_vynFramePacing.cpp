// Frame pacing on the fake backend, whose clock only its Sleep and the test move: the loop without
// settings makes no call it did not make before, a limit starts frames on a fixed schedule without
// spinning, without racing after a late frame and taking input that arrives during the wait
// before the frame, and a swap interval reaches the driver and every later context.
#include "framework/core/vynFailure.h"
#include "framework/input/vynKeyBoardU.h"
#include "framework/window/vynFramePacing.h"
#include "tests/support/vynWindowTestSupport.h"

#include <algorithm>
#include <vector>

using namespace vyn;
using vyn::test::WindowTest;

namespace {

// When each frame's idle routine ran, on the loop's clock.
std::vector<double> FrameStarts;
std::vector<double> FrameDurations;

void NoteFrame() {
    FrameStarts.push_back(LoopSeconds());
    FrameDurations.push_back(LastFrameSeconds());
}

class Pacing : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        CreateWindowFromSettings();
        ShowMainWindow();
        DrawFrame(); // validates what showing invalidated
        FrameStarts.clear();
        FrameDurations.clear();
        IdleRoutine = NoteFrame;
        Log.Clear();
    }
    // Each frame takes work[i] seconds of the clock (the last entry for the rest); the loop stops
    // after `frames` frames, or at a sleep of 0 ms, which spins (and with this clock for ever).
    void RunFrames(int frames, std::vector<double> work) {
        Platform.On("Sleep", [this] {
            if (Platform.Sleeps.back() == 0) {
                ADD_FAILURE() << "a sleep of 0 ms";
                StopMainLoop();
            }
        });
        Platform.On("SwapBuffers", [this, frames, work] {
            Platform.ClockSeconds += work[std::min(Swaps, work.size() - 1)];
            if (++Swaps == static_cast<size_t>(frames))
                StopMainLoop();
        });
        ASSERT_TRUE(RunMainLoop()) << LastFailure();
    }
    size_t Swaps = 0;
};

TEST_F(Pacing, WithoutSettingsTheLoopNeitherSleepsNorSetsAnIntervalButItsClockRuns) {
    RunFrames(5, {0.004});
    EXPECT_TRUE(Log.Only({"Sleep", "wglSwapIntervalEXT"}).empty());
    ASSERT_EQ(FrameStarts.size(), 5u);
    EXPECT_DOUBLE_EQ(FrameStarts[0], 0.0);
    EXPECT_NEAR(FrameStarts[4], 0.016, 1e-9);
    EXPECT_EQ(FrameDurations[0], 0.0) << "no frame before the first";
    EXPECT_NEAR(FrameDurations[4], 0.004, 1e-9);
}

constexpr double Period = 1.0 / 60;
constexpr double SleepRounding = 0.001;

struct ScheduleCase {
    const char* Name;
    std::vector<double> Work; // seconds each frame takes, the last entry for the rest
    double WorkOf(size_t frame) const { return Work[std::min(frame, Work.size() - 1)]; }
};

class Schedule : public Pacing, public ::testing::WithParamInterface<ScheduleCase> {};

bool KeyHandled = false;

// Capped at 60, each frame starts a period after the last, give or take one sleep's rounding, or
// at once after one that took longer; over the run the rate is 60 within 1 %. A key pressed
// while the loop sleeps is handled before the next frame.
TEST_P(Schedule, ALimitStartsFramesAPeriodApartWithoutSpinningOrRacingAfterALateFrame) {
    const ScheduleCase& schedule = GetParam();
    SCOPED_TRACE(schedule.Name);
    ASSERT_TRUE(SetFrameRateLimit(60));
    KeyHandled = false;
    CurrentKeyboard->SetHandler('K', KeyDownTable, [] { KeyHandled = true; });
    const size_t sleepsBefore = Platform.Sleeps.size();
    Platform.On("Sleep", [this, sleepsBefore] {
        if (Platform.Sleeps.size() == sleepsBefore + 1)
            Platform.KeyDown('K');
    });
    Platform.On("SwapBuffers", [this, sleepsBefore] {
        EXPECT_EQ(KeyHandled, Platform.Sleeps.size() > sleepsBefore);
    });
    RunFrames(60, schedule.Work);
    ASSERT_EQ(FrameStarts.size(), 60u);
    for (size_t i = 1; i < FrameStarts.size(); ++i) {
        const double interval = FrameStarts[i] - FrameStarts[i - 1];
        EXPECT_GE(interval, Period - SleepRounding - 1e-9) << "frame " << i;
        EXPECT_LE(interval, std::max(Period, schedule.WorkOf(i - 1)) + SleepRounding + 1e-9)
            << "frame " << i;
    }
    if (*std::max_element(schedule.Work.begin(), schedule.Work.end()) < Period) {
        EXPECT_NEAR((FrameStarts.back() - FrameStarts.front()) / 59, Period, 0.01 * Period);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Frames, Schedule,
    ::testing::Values(ScheduleCase{"light", {0.002}}, ScheduleCase{"most of a period", {0.0161}},
                      ScheduleCase{"2.5 periods once", {0.003, 0.003, 0.042, 0.003}}));

struct LimitChange {
    int32_t From;
    int32_t To; // set by the first frame's idle routine
    double SecondFrameAt;
};

class ChangedLimit : public Pacing, public ::testing::WithParamInterface<LimitChange> {};

int32_t NewLimit = 0;

// The limit an idle routine sets paces the very next frame, not the one after the deadline the
// old limit had set.
TEST_P(ChangedLimit, TheNextFrameKeepsToTheLimitSetDuringThisOne) {
    const LimitChange change = GetParam();
    ASSERT_TRUE(SetFrameRateLimit(change.From));
    NewLimit = change.To;
    IdleRoutine = [] {
        if (FrameStarts.empty()) {
            EXPECT_TRUE(SetFrameRateLimit(NewLimit));
        }
        NoteFrame();
    };
    RunFrames(3, {0.002});
    ASSERT_EQ(FrameStarts.size(), 3u);
    EXPECT_GE(FrameStarts[1], change.SecondFrameAt - 1e-9);
    EXPECT_LE(FrameStarts[1], change.SecondFrameAt + SleepRounding + 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Limits, ChangedLimit,
                         ::testing::Values(LimitChange{1, 60, Period}, LimitChange{60, 1, 1.0},
                                           LimitChange{1, 0, 0.002}, LimitChange{0, 60, Period}));

// A second run of the loop starts its clock afresh: its first frame has no frame before it, and
// the time between the runs is no frame's.
TEST_F(Pacing, ASecondRunOfTheLoopDoesNotCountTheGapBeforeItAsAFrame) {
    RunFrames(2, {0.004});
    Platform.ClockSeconds += 5.0;
    CreateWindowFromSettings(); // the loop's end took the window with it
    ShowMainWindow();
    DrawFrame();
    FrameStarts.clear();
    FrameDurations.clear();
    Swaps = 0; // the first run's actions stop this one after two frames too
    ASSERT_TRUE(RunMainLoop()) << LastFailure();
    ASSERT_EQ(FrameDurations.size(), 2u);
    EXPECT_EQ(FrameDurations[0], 0.0);
    EXPECT_NEAR(FrameDurations[1], 0.004, 1e-9);
    EXPECT_NEAR(LoopSeconds(), 0.008, 1e-9);
}

TEST_F(Pacing, ASwapIntervalReachesTheDriverAndEveryLaterContextUnlessRefused) {
    ASSERT_TRUE(SetSwapInterval(1)) << LastFailure();
    EXPECT_EQ(Platform.SwapIntervals, std::vector<int>{1});
    ASSERT_TRUE(CreateFromSettings());
    EXPECT_EQ(Platform.SwapIntervals, (std::vector<int>{1, 1})) << "the new context has it too";

    Platform.Fail("wglSwapIntervalEXT");
    Platform.On("wglSwapIntervalEXT",
                [] { RecordFailure("wglSwapIntervalEXT: no such interval"); });
    EXPECT_FALSE(SetSwapInterval(0));
    EXPECT_EQ(SwapInterval(), 1) << "the refused interval is not kept";
    EXPECT_EQ(LastFailure(), "wglSwapIntervalEXT: no such interval") << "the driver's own reason";
}

} // namespace
