/// @file
/// Storage for state that must outlive every global of the program.
///
/// A program's globals may call the framework from their destructors, and its exit handlers run
/// after main has returned; globals of different files are destroyed in an order nobody chooses,
/// so the framework's own state is never destroyed. Its memory goes back with the process and
/// stays reachable until then, so that leak checkers do not count it.
#pragma once

#include <utility>

namespace vyn {

/// Holds a T made as any global or static is, and never runs its destructor.
template <typename T>
union TNeverDestroyed {
    /// Makes the value from `args`.
    template <typename... Args>
    explicit TNeverDestroyed(Args&&... args) : Value(std::forward<Args>(args)...) {}
    /// Leaves the value as it is.
    ~TNeverDestroyed() {}
    TNeverDestroyed(const TNeverDestroyed&) = delete;
    TNeverDestroyed& operator=(const TNeverDestroyed&) = delete;

    T Value; ///< The state itself.
};

} // namespace vyn
