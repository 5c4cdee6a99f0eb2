#include "vynFailure.h"

#include <exception>
#include <new>
#include <stdexcept>

namespace vyn {

namespace {
thread_local std::string Reason;
}

std::string LastFailure() {
    return Reason;
}

void ClearFailure() {
    Reason.clear();
}

void RecordFailure(std::string reason) {
    Reason = std::move(reason);
}

void RecordFailureUnlessExplained(std::string reason) {
    if (Reason.empty())
        Reason = std::move(reason);
}

bool Fail(std::string reason) {
    RecordFailureUnlessExplained(std::move(reason));
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
