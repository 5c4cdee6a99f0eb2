/// @file
/// Allocation fault injection: the seam through which a test makes the framework's allocations fail.
///
/// Storage that the framework resizes (the chunked lists, the zeroed blocks of the helpers) asks
/// here before it allocates, so that a test can make the next allocations fail and check that a
/// failed resize leaves its owner intact. Production code never arms it. Thread-safe.
#pragma once

namespace vyn {

/// Makes the next `count` guarded allocations throw std::bad_alloc.
void InjectAllocationFailures(int count);

/// Throws std::bad_alloc when an injected failure is pending; consumes it.
void ThrowIfAllocationFailureInjected();

} // namespace vyn
