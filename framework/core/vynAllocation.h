/// @file
/// Allocation fault injection: the seam through which a test makes the framework's allocations
/// fail.
///
/// Storage that the framework resizes (the chunked lists, the zeroed blocks of the helpers) and the
/// modules' default objects (ReplaceWithNew) ask here before they allocate, so that a test can make
/// the next allocations fail and check that a failed resize or creation leaves its owner intact.
/// Production code never arms it. Thread-safe.
#pragma once

#include "vynFailure.h"

namespace vyn {

/// Makes the next `count` guarded allocations throw std::bad_alloc.
void InjectAllocationFailures(int count);

/// Throws std::bad_alloc when an injected failure is pending; consumes it.
void ThrowIfAllocationFailureInjected();

/// Makes a new object for an owning reference (a module's default keyboard, mouse or render list),
/// destroying the one it held; false, nothing changed and `what` recorded as the reason when the
/// allocation fails. Never throws.
template <typename T>
bool ReplaceWithNew(T*& owner, const char* what) noexcept {
    try {
        ThrowIfAllocationFailureInjected();
        T* fresh = new T();
        delete owner;
        owner = fresh;
        return true;
    } catch (...) {
        return FailFromException(what);
    }
}

} // namespace vyn
