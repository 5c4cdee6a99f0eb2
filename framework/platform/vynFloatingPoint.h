// The floating-point environment around calls into the window system and the GL driver.
//
// The framework runs with every floating-point exception masked. Some drivers and window
// systems change the control word while a window is created; window creation saves the
// environment before the call and restores it afterwards. Main thread only.
#pragma once

#include <cfenv>

namespace vyn {

// Masks every floating-point exception in the calling thread.
void MaskFloatingPointExceptions();

// Restores the saved environment when it goes out of scope.
class FloatingPointGuard {
  public:
    FloatingPointGuard();
    ~FloatingPointGuard();
    FloatingPointGuard(const FloatingPointGuard&) = delete;
    FloatingPointGuard& operator=(const FloatingPointGuard&) = delete;

  private:
    std::fenv_t Saved;
};

} // namespace vyn
