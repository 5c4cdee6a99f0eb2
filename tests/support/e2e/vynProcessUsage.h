// What a running process uses, read from /proc as `top` and `ps` read it: processor time (user
// and system, all threads) and resident memory. The soak and idle checks sample a demo with them.
// Pure readers; any thread.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <string_view>

namespace vyn::test {

// User plus system time from the text of /proc/<pid>/stat; throws std::runtime_error for a text
// that is not one (the command name in parentheses may hold spaces and parentheses itself).
std::chrono::microseconds CpuTimeFromStat(std::string_view stat, long ticksPerSecond);
// Resident memory in KiB from the text of /proc/<pid>/status (its VmRSS line); throws
// std::runtime_error when there is none.
uint64_t ResidentKiBFromStatus(std::string_view status);

// The same for a live process; throw std::runtime_error when it is gone.
std::chrono::microseconds ProcessCpuTime(pid_t pid);
uint64_t ProcessResidentKiB(pid_t pid);

} // namespace vyn::test
