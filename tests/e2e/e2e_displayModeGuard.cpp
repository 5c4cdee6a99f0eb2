// The display-mode guard for real: a full-screen framework program on the SDL backend
// (vyn-fullscreen-child) changes the display mode and then crashes, aborts, throws, exits or is
// asked to end by a signal; its probe in front of the backend prints what the restore did.
//
// Xvfb has one mode only, so the mode SDL switches to is the one it had: what is proven here is
// that the restore request reaches the SDL backend on every way out and that SDL takes the window
// out of full screen before the process ends; not that an X server's mode really changes back.
#include "tests/support/e2e/vynChildProcess.h"
#include "tests/support/vynTestSupport.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include <algorithm>

using namespace vyn::test;
using namespace std::chrono_literals;

namespace {

// Making a GL window on a software renderer, maybe under a sanitizer, on a loaded machine.
constexpr auto StartTimeout = 60s;
constexpr auto EndTimeout = 30s;
// How long a request that is not taken leaves the program running.
constexpr auto UnansweredRequestWait = 1s;
constexpr auto ReadSlice = 100ms;

constexpr const char* Ready = "ready: full screen\n";
constexpr const char* RestoredOnTheWayOut = "mode restored\nwindow left full screen\n";

class FullScreenChild : public ::testing::Test {
  protected:
    void Start(const std::string& how) {
        SpawnOptions options;
        options.CaptureOutput = true;
        options.ErrorFile = Scratch / "stderr.txt";
        Child.emplace(std::vector<std::string>{VYN_FULLSCREEN_CHILD, how}, options);
        ASSERT_TRUE(AwaitOutput(Ready, StartTimeout)) << "it said: " << Output << ErrorOutput();
    }

    bool AwaitOutput(const std::string& text, Clock::duration timeout) {
        const Clock::time_point deadline = Clock::now() + timeout;
        while (Output.find(text) == std::string::npos && Clock::now() < deadline)
            Output += Child->ReadOutput(std::min(deadline, Clock::now() + ReadSlice));
        return Output.find(text) != std::string::npos;
    }

    // The wait status once it has ended, with everything it printed read.
    int AwaitEnd() {
        const std::optional<int> status = Child->WaitFor(EndTimeout);
        if (!status)
            throw std::runtime_error("still running " + std::to_string(EndTimeout.count()) +
                                     " s on");
        Output += Child->ReadOutput(Clock::now() + ReadSlice);
        return *status;
    }

    void Send(int signal) const { ASSERT_EQ(kill(Child->Pid(), signal), 0); }

    std::string ErrorOutput() const { return ReadWholeFile(Scratch / "stderr.txt"); }

    TempDir Scratch;
    std::optional<ChildProcess> Child;
    std::string Output;
};

struct WayOut {
    const char* How;
    int Signal;   // the signal it must end by; 0 when it exits
    int ExitCode; // when it exits
};

void PrintTo(const WayOut& way, std::ostream* out) {
    *out << way.How;
}

class CrashingFullScreenChild : public FullScreenChild,
                                public ::testing::WithParamInterface<WayOut> {};

TEST_P(CrashingFullScreenChild, RestoresTheModeBeforeItEndsAsItWouldHaveEnded) {
    ASSERT_NO_FATAL_FAILURE(Start(GetParam().How));
    const int status = AwaitEnd();
    if (GetParam().Signal != 0) {
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == GetParam().Signal)
            << DescribeWaitStatus(status);
    } else {
        EXPECT_TRUE(ExitedWith(status, GetParam().ExitCode)) << DescribeWaitStatus(status);
    }
    EXPECT_NE(Output.find(RestoredOnTheWayOut), std::string::npos)
        << Output << "stderr: " << ErrorOutput();
}

INSTANTIATE_TEST_SUITE_P(WaysOut, CrashingFullScreenChild,
                         ::testing::Values(WayOut{"segv", SIGSEGV, 0}, WayOut{"abort", SIGABRT, 0},
                                           WayOut{"throw", SIGABRT, 0}, WayOut{"exit", 0, 3}),
                         [](const auto& info) { return std::string(info.param.How); });

class RequestedToEnd : public FullScreenChild, public ::testing::WithParamInterface<int> {};

// SDL turns the request into a quit message: the loop ends, and its teardown restores the mode
// after destroying the window, before the loop returns.
TEST_P(RequestedToEnd, ARunningLoopClosesCleanlyAndItsTeardownRestores) {
    ASSERT_NO_FATAL_FAILURE(Start("loop"));
    ASSERT_NO_FATAL_FAILURE(Send(GetParam()));
    const int status = AwaitEnd();
    EXPECT_TRUE(ExitedWith(status, 0)) << DescribeWaitStatus(status) << "; " << ErrorOutput();
    EXPECT_EQ(Output, std::string(Ready) + "mode restored\nloop ended\n");
}

TEST_P(RequestedToEnd, WithoutALoopTheSecondRequestRestoresAndEndsTheProcess) {
    ASSERT_NO_FATAL_FAILURE(Start("stall"));
    ASSERT_NO_FATAL_FAILURE(Send(GetParam()));
    EXPECT_FALSE(Child->WaitFor(UnansweredRequestWait)) << "the first request is SDL's";
    EXPECT_FALSE(AwaitOutput("mode restored", ReadSlice));

    ASSERT_NO_FATAL_FAILURE(Send(GetParam()));
    const int status = AwaitEnd();
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == GetParam())
        << DescribeWaitStatus(status);
    EXPECT_EQ(Output, std::string(Ready) + RestoredOnTheWayOut);
}

INSTANTIATE_TEST_SUITE_P(Signals, RequestedToEnd, ::testing::Values(SIGINT, SIGTERM),
                         [](const auto& info) {
                             return info.param == SIGINT ? "SIGINT" : "SIGTERM";
                         });

} // namespace
