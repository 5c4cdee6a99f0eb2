// The display-mode guard on the test backend: which handlers it installs and puts back, and that
// every way out of the process (a fault, an abort, a termination request, an uncaught exception,
// exit) restores the mode through the platform layer once before the process ends as it would
// have ended anyway. The ways out run in death-test children; a line the child writes to standard
// error when the backend is asked to restore tells the parent that the restore happened.
#include "framework/platform/sdl/vynDisplayModeGuard.h"
#include "framework/testing/vynFakePlatform.h"
#include "tests/support/vynPlatformTestSupport.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

using namespace vyn;
using namespace vyn::test;

namespace {

constexpr const char* Restored = "display mode restored";

// From a signal handler too: one write(2) of a fixed text.
void Say(const char* line) {
    const ssize_t written = ::write(STDERR_FILENO, line, std::strlen(line));
    (void)written;
}

struct sigaction ActionOf(int signal) {
    struct sigaction action {};
    sigaction(signal, nullptr, &action);
    return action;
}

void SetHandler(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

bool HasHandler(int signal, void (*handler)(int)) {
    const struct sigaction action = ActionOf(signal);
    return !(action.sa_flags & SA_SIGINFO) && action.sa_handler == handler;
}

// A write into a page that may not be written: a real fault, which no sanitizer checks first.
void WriteToAProtectedPage() {
    void* page = mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (page == MAP_FAILED)
        std::abort();
    *static_cast<volatile char*>(page) = 1;
}

[[noreturn]] void Throw() {
    throw std::runtime_error("not caught");
}

void EscapeANoexceptFunction() noexcept {
    Throw();
}

void QuitRequested(int) {
    Say("quit requested\n");
}

void PreviousFaultHandler(int) {
    Say("previous handler\n");
    _exit(7);
}

constexpr int EveryGuardedSignal[] = {SIGINT, SIGTERM, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

class DisplayModeGuard : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int signal : EveryGuardedSignal)
            SetHandler(signal, SIG_DFL);
        Fake.On("ChangeDisplaySettingsA", [this] {
            if (!Fake.ModeRequests.back().HasMode && Fake.CurrentMode.dmPelsWidth == 1024)
                Say("display mode restored\n");
        });
    }

    void TearDown() override {
        EndDisplayModeGuard();
        for (int signal : EveryGuardedSignal)
            SetHandler(signal, SIG_DFL);
    }

    // What the SDL backend does: the mode changes, then the guard starts.
    void ChangeTheMode() {
        DEVMODEA mode = ModeRequest(800, 600, 32);
        ASSERT_EQ(vyn::ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN), DISP_CHANGE_SUCCESSFUL);
        GuardDisplayModeChange();
        Log.Clear();
    }

    size_t RestoreCalls() const { return Log.Only({"ChangeDisplaySettingsA"}).size(); }

    CallLog Log;
    FakePlatform Fake{Log};
};

TEST_F(DisplayModeGuard, HandlersAreInOnlyWhileAModeIsChangedAndThePreviousOnesComeBack) {
    SetHandler(SIGTERM, QuitRequested);
    SetHandler(SIGINT, SIG_IGN);
    EXPECT_FALSE(DisplayModeGuarded());

    ChangeTheMode();
    EXPECT_TRUE(DisplayModeGuarded());
    for (int signal : {SIGTERM, SIGSEGV, SIGABRT, SIGFPE}) {
        const struct sigaction action = ActionOf(signal);
        EXPECT_TRUE(action.sa_flags & SA_SIGINFO) << signal;
        EXPECT_NE(action.sa_sigaction, nullptr) << signal;
    }
    EXPECT_TRUE(HasHandler(SIGINT, SIG_IGN)) << "an ignored request stays ignored";
    GuardDisplayModeChange();
    EXPECT_TRUE(ActionOf(SIGTERM).sa_flags & SA_SIGINFO) << "a second start changes nothing";

    EndDisplayModeGuard();
    EXPECT_FALSE(DisplayModeGuarded());
    EXPECT_TRUE(HasHandler(SIGTERM, QuitRequested));
    EXPECT_TRUE(HasHandler(SIGINT, SIG_IGN));
    EXPECT_TRUE(HasHandler(SIGSEGV, SIG_DFL));
    EXPECT_EQ(RestoreCalls(), 0u) << "ending the guard is the backend's news, not a request";
    EndDisplayModeGuard();
    EXPECT_TRUE(HasHandler(SIGTERM, QuitRequested));
}

TEST_F(DisplayModeGuard, RestoreGoesThroughThePlatformLayerOnceAndOnlyWhileGuarded) {
    EXPECT_FALSE(RestoreGuardedDisplayMode());
    EXPECT_EQ(RestoreCalls(), 0u);

    ChangeTheMode();
    EXPECT_EQ(Fake.CurrentMode.dmPelsWidth, 800u);
    EXPECT_TRUE(RestoreGuardedDisplayMode());
    ASSERT_EQ(Log.Calls().size(), 1u);
    EXPECT_EQ(Log.Calls()[0], Call("ChangeDisplaySettingsA", static_cast<DEVMODEA*>(nullptr), 0));
    EXPECT_EQ(Fake.CurrentMode.dmPelsWidth, 1024u);
    EXPECT_FALSE(DisplayModeGuarded());
    EXPECT_TRUE(HasHandler(SIGSEGV, SIG_DFL));

    EXPECT_FALSE(RestoreGuardedDisplayMode());
    EXPECT_EQ(RestoreCalls(), 1u);
}

TEST_F(DisplayModeGuard, AFailedRestoreStillEndsTheGuardAndAThrowingOneIsContained) {
    ChangeTheMode();
    Fake.FailNext("ChangeDisplaySettingsA");
    EXPECT_TRUE(RestoreGuardedDisplayMode());
    EXPECT_FALSE(DisplayModeGuarded()) << "one try on the way out";
    EXPECT_TRUE(HasHandler(SIGTERM, SIG_DFL));

    ChangeTheMode();
    Fake.On("ChangeDisplaySettingsA", [] { throw std::runtime_error("backend gone"); });
    EXPECT_TRUE(RestoreGuardedDisplayMode());
    EXPECT_FALSE(DisplayModeGuarded());
}

TEST_F(DisplayModeGuard, AnIgnoredRequestChangesNothing) {
    SetHandler(SIGTERM, SIG_IGN);
    ChangeTheMode();
    raise(SIGTERM);
    EXPECT_TRUE(DisplayModeGuarded());
    EXPECT_EQ(RestoreCalls(), 0u);
}

using DisplayModeGuardDeathTest = DisplayModeGuard;

TEST_F(DisplayModeGuardDeathTest, AFaultRestoresTheModeThenEndsTheProcessByItsSignal) {
    EXPECT_EXIT(
        {
            ChangeTheMode();
            WriteToAProtectedPage();
        },
        ::testing::KilledBySignal(SIGSEGV), Restored);
    for (int signal : {SIGBUS, SIGFPE, SIGILL}) {
        EXPECT_EXIT(
            {
                ChangeTheMode();
                raise(signal);
            },
            ::testing::KilledBySignal(signal), Restored)
            << signal;
    }
    EXPECT_EXIT(
        {
            ChangeTheMode();
            std::abort();
        },
        ::testing::KilledBySignal(SIGABRT), Restored);
}

TEST_F(DisplayModeGuardDeathTest, AFaultGoesOnToTheHandlerThatWasThereBefore) {
    EXPECT_EXIT(
        {
            SetHandler(SIGSEGV, PreviousFaultHandler);
            ChangeTheMode();
            WriteToAProtectedPage();
        },
        ::testing::ExitedWithCode(7), "display mode restored\nprevious handler");
}

TEST_F(DisplayModeGuardDeathTest, AnUnhandledRequestRestoresAndEndsTheProcessByIt) {
    for (int signal : {SIGINT, SIGTERM}) {
        EXPECT_EXIT(
            {
                ChangeTheMode();
                raise(signal);
            },
            ::testing::KilledBySignal(signal), Restored)
            << signal;
    }
}

// SDL's handler turns the request into a quit message, so a running loop ends cleanly; a second
// request means nobody is taking messages.
TEST_F(DisplayModeGuardDeathTest, AHandledRequestIsPassedOnOnceAndTheSecondEndsTheProcess) {
    EXPECT_EXIT(
        {
            SetHandler(SIGTERM, QuitRequested);
            ChangeTheMode();
            raise(SIGTERM);
            if (DisplayModeGuarded() && RestoreCalls() == 0)
                Say("still guarded\n");
            raise(SIGTERM);
        },
        ::testing::KilledBySignal(SIGTERM),
        "^quit requested\nstill guarded\ndisplay mode restored\n$");
}

TEST_F(DisplayModeGuardDeathTest, AnUncaughtExceptionRestoresBeforeTheTerminateHandlerEnds) {
    EXPECT_EXIT(
        {
            ChangeTheMode();
            EscapeANoexceptFunction();
        },
        ::testing::KilledBySignal(SIGABRT), "display mode restored\nterminate called");
}

TEST_F(DisplayModeGuardDeathTest, ExitRestoresFromTheExitHook) {
    EXPECT_EXIT(
        {
            ChangeTheMode();
            std::exit(3);
        },
        ::testing::ExitedWithCode(3), Restored);
}

TEST_F(DisplayModeGuardDeathTest, AModeAlreadyBackIsNotRestoredAgain) {
    EXPECT_EXIT(
        {
            ChangeTheMode();
            EXPECT_EQ(vyn::ChangeDisplaySettingsA(nullptr, 0), DISP_CHANGE_SUCCESSFUL);
            EndDisplayModeGuard(); // the backend's part once the mode is back
            Fake.On("ChangeDisplaySettingsA", [] { Say("restored twice\n"); });
            raise(SIGTERM);
        },
        ::testing::KilledBySignal(SIGTERM), "^display mode restored\n$");
}

TEST_F(DisplayModeGuardDeathTest, ARestoreThatHangsIsCutShortByTheWatchdog) {
    EXPECT_EXIT(
        {
            ChangeTheMode();
            Fake.On("ChangeDisplaySettingsA", [] {
                for (;;)
                    pause();
            });
            raise(SIGTERM);
        },
        ::testing::KilledBySignal(SIGALRM), "");
}

} // namespace
