// Linked beside examples/minimal.cpp, unchanged, into minimal-capped: the frame-rate limit is set
// to 60 before main runs (the setting needs no window), so that bench/compare-pacing.sh measures
// the same program capped and uncapped.
#include "framework/window/vynFramePacing.h"

namespace {
[[maybe_unused]] const bool CappedAt60 = vyn::SetFrameRateLimit(60);
} // namespace
