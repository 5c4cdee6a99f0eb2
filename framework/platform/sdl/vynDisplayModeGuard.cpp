// The display-mode guard on POSIX systems: signal handlers by sigaction, an atexit hook and a
// terminate handler, all restoring through the platform layer.
#include "framework/platform/sdl/vynDisplayModeGuard.h"

#include "framework/platform/vynPlatform.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <exception>

namespace vyn {

namespace {

struct GuardedSignal {
    int Signal;
    // SIGINT and SIGTERM ask the program to end; the others report a fault or an abort.
    bool Request;
    struct sigaction Previous;
    std::atomic<bool> Installed;
};

GuardedSignal Signals[] = {
    {SIGINT, true, {}, {false}},   {SIGTERM, true, {}, {false}}, {SIGSEGV, false, {}, {false}},
    {SIGBUS, false, {}, {false}},  {SIGFPE, false, {}, {false}}, {SIGILL, false, {}, {false}},
    {SIGABRT, false, {}, {false}},
};

std::atomic<bool> Guarded{false};
// Requests handed to the previous handler since the guard started.
std::atomic<int> RequestsPassedOn{0};
std::terminate_handler PreviousTerminate = nullptr;

GuardedSignal* Find(int signal) {
    for (GuardedSignal& guarded : Signals)
        if (guarded.Signal == signal)
            return &guarded;
    return nullptr;
}

bool IsHandler(const struct sigaction& action) {
    if (action.sa_flags & SA_SIGINFO)
        return action.sa_sigaction != nullptr;
    return action.sa_handler != SIG_DFL && action.sa_handler != SIG_IGN;
}

void CallHandler(const struct sigaction& action, int signal, siginfo_t* info, void* context) {
    if (action.sa_flags & SA_SIGINFO)
        action.sa_sigaction(signal, info, context);
    else
        action.sa_handler(signal);
}

void SetAction(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

void OnGuardedSignal(int signal, siginfo_t* info, void* context);

struct sigaction GuardAction() {
    struct sigaction action {};
    action.sa_sigaction = OnGuardedSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    // One guarded signal at a time: a second one waits until the first has been dealt with.
    sigemptyset(&action.sa_mask);
    for (const GuardedSignal& guarded : Signals)
        sigaddset(&action.sa_mask, guarded.Signal);
    return action;
}

bool IsOurs(const struct sigaction& action) {
    return (action.sa_flags & SA_SIGINFO) && action.sa_sigaction == OnGuardedSignal;
}

void InstallSignalHandlers() {
    const struct sigaction ours = GuardAction();
    for (GuardedSignal& guarded : Signals) {
        struct sigaction current {};
        if (guarded.Installed || sigaction(guarded.Signal, nullptr, &current) != 0 ||
            IsOurs(current))
            continue;
        if (!(current.sa_flags & SA_SIGINFO) && current.sa_handler == SIG_IGN)
            continue; // ignored on purpose (nohup, a shell's background job): leave it so
        // Kept before ours goes in, so that a signal arriving at once finds it.
        guarded.Previous = current;
        guarded.Installed = sigaction(guarded.Signal, &ours, nullptr) == 0;
    }
}

// Async-signal-safe: sigaction and atomics only.
void PutBackSignalHandlers() {
    for (GuardedSignal& guarded : Signals) {
        if (!guarded.Installed.exchange(false))
            continue;
        struct sigaction current {};
        // Someone who replaced ours since keeps the signal.
        if (sigaction(guarded.Signal, nullptr, &current) == 0 && IsOurs(current))
            sigaction(guarded.Signal, &guarded.Previous, nullptr);
    }
}

// Ends the process by SIGALRM if a restore has not returned in time; put away afterwards.
class RestoreWatchdog {
  public:
    RestoreWatchdog() {
        struct sigaction fatal {};
        fatal.sa_handler = SIG_DFL;
        sigemptyset(&fatal.sa_mask);
        sigaction(SIGALRM, &fatal, &PreviousAlarm);
        Pending = alarm(RestoreTimeLimitSeconds);
    }
    ~RestoreWatchdog() {
        alarm(Pending);
        sigaction(SIGALRM, &PreviousAlarm, nullptr);
    }
    RestoreWatchdog(const RestoreWatchdog&) = delete;
    RestoreWatchdog& operator=(const RestoreWatchdog&) = delete;

  private:
    struct sigaction PreviousAlarm {};
    unsigned Pending = 0;
};

// The first request goes to the handler that was there before ours, which may well end the
// program in an orderly way; true when it was handed over.
bool PassRequestOn(GuardedSignal& guarded, siginfo_t* info, void* context) {
    if (!guarded.Request || !IsHandler(guarded.Previous) || RequestsPassedOn.fetch_add(1) != 0)
        return false;
    CallHandler(guarded.Previous, guarded.Signal, info, context);
    // A handler installed with signal() may have put itself back in our place.
    const struct sigaction ours = GuardAction();
    sigaction(guarded.Signal, &ours, nullptr);
    return true;
}

void OnGuardedSignal(int signal, siginfo_t* info, void* context) {
    GuardedSignal* guarded = Find(signal);
    if (guarded == nullptr || PassRequestOn(*guarded, info, context))
        return;
    const struct sigaction previous = guarded->Previous;
    RestoreGuardedDisplayMode();
    PutBackSignalHandlers();
    if (guarded->Request || !IsHandler(previous))
        SetAction(signal, SIG_DFL);
    else
        sigaction(signal, &previous, nullptr);
    // Blocked until this handler returns; a fault that raised it comes back on return as well.
    raise(signal);
}

void RestoreAtExit() {
    RestoreGuardedDisplayMode();
}

[[noreturn]] void RestoreOnTerminate() {
    RestoreGuardedDisplayMode();
    if (PreviousTerminate != nullptr)
        PreviousTerminate();
    std::abort();
}

void InstallExitHooks() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    std::atexit(RestoreAtExit);
    PreviousTerminate = std::set_terminate(RestoreOnTerminate);
}

} // namespace

void GuardDisplayModeChange() {
    InstallExitHooks();
    RequestsPassedOn = 0;
    InstallSignalHandlers();
    Guarded = true;
}

void EndDisplayModeGuard() {
    Guarded = false;
    PutBackSignalHandlers();
}

bool DisplayModeGuarded() {
    return Guarded;
}

bool RestoreGuardedDisplayMode() noexcept {
    if (!Guarded.exchange(false))
        return false;
    {
        const RestoreWatchdog watchdog;
        try {
            vyn::ChangeDisplaySettingsA(nullptr, 0);
        } catch (...) {
            // Nothing more can be done for the mode on the way out.
        }
    }
    PutBackSignalHandlers();
    return true;
}

} // namespace vyn
