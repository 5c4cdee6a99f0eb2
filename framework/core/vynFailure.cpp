#include "vynFailure.h"

#include <exception>
#include <new>
#include <stdexcept>

namespace vyn {

namespace {
thread_local std::string Reason;
// How many reasons this thread has recorded; a mark compares it with its own start.
thread_local uint64_t Recorded = 0;
} // namespace

std::string LastFailure() {
    return Reason;
}

void ClearFailure() {
    Reason.clear();
}

void RecordFailure(std::string reason) {
    Reason = std::move(reason);
    ++Recorded;
}

void RecordFailure(const char* reason) noexcept {
    ++Recorded;
    try {
        Reason.assign(reason);
    } catch (...) {
        Reason.clear(); // no memory even for the text: the count still tells a mark
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
