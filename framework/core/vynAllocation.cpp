#include "vynAllocation.h"

#include <atomic>
#include <new>

namespace vyn {

namespace {
std::atomic<int> PendingFailures{0};
}

void InjectAllocationFailures(int count) {
    PendingFailures.store(count > 0 ? count : 0);
}

void ThrowIfAllocationFailureInjected() {
    int pending = PendingFailures.load();
    while (pending > 0) {
        if (PendingFailures.compare_exchange_weak(pending, pending - 1))
            throw std::bad_alloc();
    }
}

} // namespace vyn
