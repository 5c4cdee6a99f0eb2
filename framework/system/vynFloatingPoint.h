/// @file
/// The floating-point environment around calls into the window system and the GL driver.
///
/// The framework runs with every floating-point exception masked. Some drivers and window
/// systems change the control word while a window is created; window creation saves the
/// environment before the call and restores it afterwards. On x86 that means two control words,
/// the x87 unit's and SSE's (MXCSR), and both are handled here explicitly: not every C library's
/// `<cfenv>` covers both (mingw-w64's leaves MXCSR alone). Main thread only.
#pragma once

#include <cfenv>
#include <cstdint>

namespace vyn {

/// Masks every floating-point exception in the calling thread.
void MaskFloatingPointExceptions();

/// Restores the saved environment when it goes out of scope.
class FloatingPointGuard {
  public:
    /// Saves the environment.
    FloatingPointGuard();
    /// Puts the saved environment back.
    ~FloatingPointGuard();
    FloatingPointGuard(const FloatingPointGuard&) = delete;
    FloatingPointGuard& operator=(const FloatingPointGuard&) = delete;

  private:
    std::fenv_t Saved;
    // x86 only: the x87 control word and MXCSR (unread elsewhere, such as in WebAssembly).
    [[maybe_unused]] uint16_t SavedX87 = 0;
    [[maybe_unused]] uint32_t SavedSse = 0;
};

} // namespace vyn
