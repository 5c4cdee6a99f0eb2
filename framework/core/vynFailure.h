// Why the last operation failed: the reason behind a false result, for the application to read.
//
// Every outward operation of the framework that reports failure (false, or no object) records a
// reason in words first: which step failed and what the system said, e.g. "no display: DISPLAY
// is not set", "no pixel format with 32 colour bits", "OpenGL 0.9 is below 1.0". The reason stays
// until the next operation that clears it, so read it right after the failure.
//
// An operation clears the reason when it starts. The deepest code that knows the cause records
// it (a backend names the system's words, a loader names the file); the steps above it add their
// own general reason only where nothing more specific was recorded since they started.
//
// Each thread has its own reason, as with errno: the caption timer's thread never overwrites the
// main thread's.
#pragma once

#include <string>

namespace vyn {

// The reason of the last failure on this thread; empty when none was recorded.
std::string LastFailure();

// Forgets the reason: an operation starts.
void ClearFailure();

// Records why an operation failed, replacing whatever was recorded before.
void RecordFailure(std::string reason);

// Records `reason` only when nothing has been recorded since the last ClearFailure: a step's
// general reason gives way to the specific one that a lower level recorded.
void RecordFailureUnlessExplained(std::string reason);

// RecordFailureUnlessExplained, then false: `return Fail("RegisterClassExA failed");`.
bool Fail(std::string reason);

// Inside a catch block: the exception being handled, as a reason: its message for a standard
// exception, "out of memory" for std::bad_alloc, "unknown failure" for anything else.
std::string ReasonOfCurrentException();

} // namespace vyn
