/// @file
/// What the keyboard and mouse modules share: handler routines.
///
/// A handler routine has no arguments and no result; it is registered per key on a keyboard or per
/// event slot on a mouse. Running one turns anything it throws into a false result, so that a
/// faulty handler never leaves the window procedure. Any thread; the objects themselves are main
/// thread only.
#pragma once

#include "../core/vynFailure.h"

namespace vyn {

/// A handler routine: no arguments, no result; it reads CurrentKeyboard or CurrentMouse.
using THandlerRoutine = void (*)();

/// Calls `handler`; true when it returned normally, false when it threw (the exception is dropped).
inline bool RunHandlerRoutine(THandlerRoutine handler) noexcept {
    try {
        handler();
        return true;
    } catch (...) {
        return FailFromException("a handler failed");
    }
}

} // namespace vyn
