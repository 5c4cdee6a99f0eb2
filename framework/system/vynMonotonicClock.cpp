#include "vynMonotonicClock.h"

#include <atomic>
#include <chrono>

namespace vyn {

namespace {

std::atomic<TClockSource> Source{nullptr};

double SteadySeconds() {
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(sinceEpoch).count();
}

} // namespace

double MonotonicSeconds() {
    const TClockSource source = Source.load(std::memory_order_acquire);
    return source ? source() : SteadySeconds();
}

TClockSource UseMonotonicClock(TClockSource source) {
    return Source.exchange(source, std::memory_order_acq_rel);
}

} // namespace vyn
