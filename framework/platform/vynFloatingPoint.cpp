#include "vynFloatingPoint.h"

namespace vyn {

void MaskFloatingPointExceptions() {
    // feholdexcept installs non-stop mode: every exception masked, flags cleared.
    std::fenv_t previous;
    std::feholdexcept(&previous);
}

FloatingPointGuard::FloatingPointGuard() {
    std::fegetenv(&Saved);
}

FloatingPointGuard::~FloatingPointGuard() {
    std::fesetenv(&Saved);
}

} // namespace vyn
