#include "vynWin32Timers.h"

#include "vynWin32Native.h"

#include <mmsystem.h>

#include <map>
#include <memory>
#include <mutex>

namespace vyn::win32 {

namespace {

struct TimerRecord {
    LPTIMECALLBACK Callback;
    DWORD_PTR User;
    bool OneShot;
    UINT Id = 0;
};

// The records of live timers, by address (the address is the user data winmm hands back, and is
// known before the timer id is). The lock is never held across a winmm call, so a callback that
// is finishing can always take it while a stop waits for that callback.
std::mutex TimerMutex;
std::map<const TimerRecord*, std::unique_ptr<TimerRecord>> Timers;

void Forget(const TimerRecord* record) {
    std::lock_guard lock(TimerMutex);
    Timers.erase(record);
}

void CALLBACK TimerTrampoline(::UINT timerId, ::UINT message, ::DWORD_PTR user,
                              ::DWORD_PTR reserved1, ::DWORD_PTR reserved2) {
    const auto* record = reinterpret_cast<const TimerRecord*>(user);
    try {
        record->Callback(timerId, message, record->User, reserved1, reserved2);
    } catch (...) {
        // Nobody to report to; the next tick runs as usual.
    }
    // A one-shot timer is finished now and winmm forgets it; so do we.
    if (record->OneShot)
        Forget(record);
}

} // namespace

// winmm's calls are named with :: throughout: vyn::timeSetEvent, the framework's wrapper, would
// otherwise be found first and lead straight back here.
MMRESULT StartTimer(UINT delay, UINT resolution, LPTIMECALLBACK callback, DWORD_PTR user,
                    UINT event) {
    if (!callback)
        return 0;
    const bool oneShot = (event & TIME_PERIODIC) == 0;
    auto owned = std::make_unique<TimerRecord>(TimerRecord{callback, user, oneShot});
    TimerRecord* record = owned.get();
    {
        std::lock_guard lock(TimerMutex);
        Timers.emplace(record, std::move(owned));
    }
    const UINT kind =
        (oneShot ? TIME_ONESHOT : TIME_PERIODIC) | TIME_CALLBACK_FUNCTION | TIME_KILL_SYNCHRONOUS;
    const MMRESULT id = ::timeSetEvent(delay, resolution, TimerTrampoline,
                                       reinterpret_cast<::DWORD_PTR>(record), kind);
    std::lock_guard lock(TimerMutex);
    auto found = Timers.find(record);
    if (id == 0 && found != Timers.end())
        Timers.erase(found);
    else if (found != Timers.end())
        found->second->Id = id;
    return id;
}

MMRESULT StopTimer(UINT timerId) {
    const MMRESULT result = ::timeKillEvent(timerId);
    if (result != TIMERR_NOERROR)
        return result;
    std::lock_guard lock(TimerMutex);
    for (auto entry = Timers.begin(); entry != Timers.end(); ++entry) {
        if (entry->second->Id == timerId) {
            Timers.erase(entry);
            break;
        }
    }
    return result;
}

} // namespace vyn::win32
