#include "vynFloatingPoint.h"

#if defined(__x86_64__) || defined(__i386__)
#define VYN_X87 1
#endif
#if defined(__SSE__)
#include <xmmintrin.h>
#endif

namespace vyn {

namespace {

// Invalid, denormal, division by zero, overflow, underflow, precision: the low six bits of the
// x87 control word (0x133F has them all) and bits 7 to 12 of MXCSR.
[[maybe_unused]] constexpr uint16_t X87ExceptionMasks = 0x003F;
[[maybe_unused]] constexpr uint32_t SseExceptionMasks = 0x1F80;

#ifdef VYN_X87
uint16_t ReadX87ControlWord() {
    uint16_t word = 0;
    asm volatile("fnstcw %0" : "=m"(word));
    return word;
}

void WriteX87ControlWord(uint16_t word) {
    asm volatile("fldcw %0" : : "m"(word));
}
#endif

} // namespace

void MaskFloatingPointExceptions() {
    // feholdexcept installs non-stop mode: every exception masked, flags cleared.
    std::fenv_t previous;
    std::feholdexcept(&previous);
#ifdef VYN_X87
    WriteX87ControlWord(ReadX87ControlWord() | X87ExceptionMasks);
#endif
#ifdef __SSE__
    _mm_setcsr(_mm_getcsr() | SseExceptionMasks);
#endif
}

FloatingPointGuard::FloatingPointGuard() {
    std::fegetenv(&Saved);
#ifdef VYN_X87
    SavedX87 = ReadX87ControlWord();
#endif
#ifdef __SSE__
    SavedSse = _mm_getcsr();
#endif
}

FloatingPointGuard::~FloatingPointGuard() {
    std::fesetenv(&Saved);
#ifdef VYN_X87
    WriteX87ControlWord(SavedX87);
#endif
#ifdef __SSE__
    _mm_setcsr(SavedSse);
#endif
}

} // namespace vyn
