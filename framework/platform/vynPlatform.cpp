#include "vynPlatform.h"

#include <atomic>

namespace vyn {

namespace {
std::atomic<const PlatformBackend*> Backend{nullptr};
}

const PlatformBackend& CurrentPlatformBackend() {
    const PlatformBackend* backend = Backend.load(std::memory_order_acquire);
    return backend ? *backend : NativePlatformBackend();
}

const PlatformBackend& UsePlatformBackend(const PlatformBackend& backend) {
    const PlatformBackend& previous = CurrentPlatformBackend();
    Backend.store(&backend, std::memory_order_release);
    return previous;
}

} // namespace vyn
