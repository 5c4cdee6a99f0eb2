// Deterministic pseudo-random numbers and gradient noise for the landscape generator.
//
// Everything here uses integer hashing and plain IEEE arithmetic (no library transcendental
// functions), so the same seed gives the same bits on every machine that keeps to IEEE double
// arithmetic without contraction (the generator's library is built with -ffp-contract=off).
// Objects are immutable after construction and may be shared between threads.
#pragma once

#include <array>
#include <cstdint>

namespace vyn {

// SplitMix64: a small generator with a full 64-bit period, good enough to draw noise offsets.
class SplitMix64 {
  public:
    explicit SplitMix64(std::uint64_t seed) : State(seed) {}
    std::uint64_t Next();
    // A value in [0, 1) built from the top 53 bits, exact in a double.
    double NextUnit();

  private:
    std::uint64_t State;
};

// Two-dimensional gradient noise on the unit lattice, with fractal sums of octaves.
class GradientNoise {
  public:
    static constexpr int MaxOctaves = 8;

    explicit GradientNoise(std::uint32_t seed);

    // One octave, smooth, about -1..1, zero on lattice points.
    double At(double x, double y) const;
    // Octaves at doubling frequency and amplitudes falling by gain, normalised to about -1..1.
    double Fractal(double x, double y, int octaves, double gain) const;
    // Sharp crests where the noise crosses zero: mountain ridges, 0..1.
    double Ridged(double x, double y, int octaves) const;

  private:
    struct Offset {
        double X;
        double Y;
    };
    using Shape = double (*)(double noise);
    double SumOctaves(double x, double y, int octaves, double gain, Shape shape) const;

    std::uint32_t Seed;
    std::array<Offset, MaxOctaves> Offsets{};
};

} // namespace vyn
