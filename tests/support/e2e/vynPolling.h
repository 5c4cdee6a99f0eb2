// Waiting for something outside the test (a process, a window, a caption, a file) by asking
// again and again until it holds or a deadline passes. Any thread.
#pragma once

#include <algorithm>
#include <chrono>
#include <thread>

namespace vyn::test {

using Clock = std::chrono::steady_clock;

// Asks `holds` until it answers true, sleeping `interval` between two asks (never past the
// deadline, where it asks once more); true when it held. It is always asked at least once.
template <typename Predicate>
bool PollUntil(Predicate&& holds, Clock::time_point deadline, Clock::duration interval) {
    while (!holds()) {
        const Clock::time_point now = Clock::now();
        if (now >= deadline)
            return false;
        std::this_thread::sleep_for(std::min<Clock::duration>(interval, deadline - now));
    }
    return true;
}

} // namespace vyn::test
