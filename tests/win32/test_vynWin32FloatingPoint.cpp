// The floating-point control words on Windows x64: the x87 unit's and SSE's MXCSR both mask every
// exception once the framework masks them, and a guard restores both exactly.
#include "framework/system/vynFloatingPoint.h"

#include <gtest/gtest.h>

#include <xmmintrin.h>

#include <cstdint>

namespace {

constexpr uint16_t X87ExceptionMasks = 0x003F;
constexpr uint32_t SseExceptionMasks = 0x1F80;

uint16_t X87ControlWord() {
    uint16_t word = 0;
    asm volatile("fnstcw %0" : "=m"(word));
    return word;
}

void SetX87ControlWord(uint16_t word) {
    asm volatile("fldcw %0" : : "m"(word));
}

struct ControlWords {
    uint16_t X87;
    uint32_t Sse;
};

ControlWords Current() {
    return {X87ControlWord(), _mm_getcsr()};
}

// Unmasks division by zero and invalid operations in both units; no arithmetic runs meanwhile.
void UnmaskSomeExceptions() {
    SetX87ControlWord(static_cast<uint16_t>(X87ControlWord() & ~0x0005u));
    _mm_setcsr(_mm_getcsr() & ~0x0280u);
}

void Set(const ControlWords& words) {
    SetX87ControlWord(words.X87);
    _mm_setcsr(words.Sse);
}

} // namespace

TEST(Win32FloatingPoint, MaskingCoversTheX87UnitAndSse) {
    const ControlWords start = Current();
    UnmaskSomeExceptions();
    vyn::MaskFloatingPointExceptions();
    const ControlWords masked = Current();
    Set(start);
    EXPECT_EQ(masked.X87 & X87ExceptionMasks, X87ExceptionMasks) << std::hex << masked.X87;
    EXPECT_EQ(masked.Sse & SseExceptionMasks, SseExceptionMasks) << std::hex << masked.Sse;
    // Only the masks change: rounding stays to nearest, as 0x133F has it.
    EXPECT_EQ(masked.X87 & 0x0C00, 0);
    EXPECT_EQ(masked.Sse & 0x6000u, 0u);
}

TEST(Win32FloatingPoint, AGuardRestoresBothControlWordsExactly) {
    const ControlWords start = Current();
    ControlWords inside{};
    {
        vyn::FloatingPointGuard guard;
        UnmaskSomeExceptions();
        inside = Current();
    }
    const ControlWords after = Current();
    Set(start);
    EXPECT_NE(inside.X87, start.X87);
    EXPECT_NE(inside.Sse, start.Sse);
    EXPECT_EQ(after.X87, start.X87);
    EXPECT_EQ(after.Sse, start.Sse);
}
