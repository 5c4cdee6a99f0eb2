#include "vynFailure.h"

#include <exception>
#include <new>
#include <stdexcept>

namespace vyn {

namespace {

// A thread's reason is reached through a plain pointer, not kept in a thread_local string: at
// the program's end the main thread's thread-local objects are destroyed before the globals'
// destructors and the exit handlers run, and those may still call the framework.
thread_local std::string* Reason = nullptr;
// Whether this thread's owner has run: a reason made after it is the process's to take back.
thread_local bool OwnerGone = false;
// How many reasons this thread has recorded; a mark compares it with its own start.
thread_local uint64_t Recorded = 0;

// Frees the thread's reason when the thread ends.
struct TReasonOwner {
    ~TReasonOwner() {
        delete Reason;
        Reason = nullptr;
        OwnerGone = true;
    }
};

// This thread's reason, made on first use; throws std::bad_alloc.
std::string& ThisThreadsReason() {
    if (!Reason) {
        Reason = new std::string;
        if (!OwnerGone) {
            thread_local TReasonOwner owner;
            static_cast<void>(owner);
        }
    }
    return *Reason;
}

} // namespace

std::string LastFailure() {
    return Reason ? *Reason : std::string();
}

void ClearFailure() {
    if (Reason)
        Reason->clear();
}

void RecordFailure(std::string reason) {
    ThisThreadsReason() = std::move(reason);
    ++Recorded;
}

void RecordFailure(const char* reason) noexcept {
    ++Recorded;
    try {
        ThisThreadsReason().assign(reason);
    } catch (...) {
        ClearFailure(); // no memory even for the text: the count still tells a mark
    }
}

bool Fail(std::string reason) {
    RecordFailure(std::move(reason));
    return false;
}

bool Fail(const char* reason) noexcept {
    RecordFailure(reason);
    return false;
}

bool FailFromException(const char* operation) noexcept {
    try {
        return Fail(std::string(operation) + ": " + ReasonOfCurrentException());
    } catch (...) {
        return Fail(operation);
    }
}

TFailureMark::TFailureMark() : Start(Recorded) {}

bool TFailureMark::Explained() const {
    return Recorded != Start;
}

bool TFailureMark::Fail(std::string reason) const {
    if (!Explained())
        RecordFailure(std::move(reason));
    return false;
}

std::string ReasonOfCurrentException() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return "out of memory";
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return "unknown failure";
    }
}

} // namespace vyn
