/// @file
/// Why the last operation failed: the reason behind a false result, for the application to read.
///
/// Every outward operation of the framework that reports failure (false, or no object) records a
/// reason in words: which step failed and what the system said, e.g. "no display: neither
/// WAYLAND_DISPLAY nor DISPLAY is set", "no pixel format with 32 colour bits", "OpenGL 0.9 is
/// below 1.0". Success records nothing, so read the reason right after the false result, as with
/// errno.
///
/// The deepest code that knows the cause records it (a backend names the system's words, a loader
/// names the file); an operation made of steps marks where it started (TFailureMark) and adds its
/// own, more general reason only when nothing was recorded since.
///
/// Each thread has its own reason: the caption timer's thread never overwrites the main thread's.
#pragma once

#include <cstdint>
#include <string>

namespace vyn {

/// The reason of the last failure on this thread; empty when none was recorded (or it was
/// cleared).
std::string LastFailure();

/// Forgets the reason.
void ClearFailure();

/// Records why an operation failed, replacing whatever was recorded before. A fixed text is
/// copied into the room the last reason left, so a frequent failure (an unarmed mouse slot on
/// every move) allocates nothing.
///@{
void RecordFailure(std::string reason);
void RecordFailure(const char* reason) noexcept;
///@}

/// RecordFailure, then false: `return Fail("SetHandler: no handler given");`.
///@{
bool Fail(std::string reason);
bool Fail(const char* reason) noexcept;
///@}

/// Inside a catch block: records "<operation>: <reason of the exception>", then false. Safe where
/// nothing may throw: without memory for the text it records the operation's name alone.
bool FailFromException(const char* operation) noexcept;

/// Where an operation started. Its Fail records the operation's general reason unless a step below
/// recorded a more specific one since the mark was made.
class TFailureMark {
  public:
    TFailureMark();
    /// Whether anything was recorded since the mark.
    bool Explained() const;
    /// Records `reason` unless Explained(); false.
    bool Fail(std::string reason) const;

  private:
    uint64_t Start;
};

/// Inside a catch block: the exception being handled, as a reason: its message for a standard
/// exception, "out of memory" for std::bad_alloc, "unknown failure" for anything else.
std::string ReasonOfCurrentException();

} // namespace vyn
