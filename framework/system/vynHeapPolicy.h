/// @file
/// How the C library's heap treats the memory freed between frames.
///
/// A software GL driver (Mesa's llvmpipe) allocates tens of megabytes of scratch for every frame
/// and frees it when the frame is done. glibc returns free memory at the top of its heap to the
/// system once it passes a threshold that it derives from the program's earlier allocations, so
/// whether that scratch is kept or given back, and then faulted in page by page again on the next
/// frame, depends on what the program happened to allocate before. Given back, it costs the frame
/// thousands of page faults: on a loaded machine more than half of the frame's time.
///
/// KeepHeapForFrames fixes both thresholds: blocks of up to 32 MiB come from the heap, and free
/// heap memory is kept up to 256 MiB. Peak memory is not raised: what is kept is what the next
/// frame takes again. Without glibc it does nothing. Main thread, before the frames start.
#pragma once

namespace vyn {

inline constexpr long HeapBlockLimitBytes = 32L << 20; ///< Blocks up to this come from the heap.
inline constexpr long HeapKeptBytes = 256L << 20;      ///< Free heap kept up to this.

/// True when the C library took the thresholds (glibc); false elsewhere or when it refused.
bool KeepHeapForFrames();

} // namespace vyn
