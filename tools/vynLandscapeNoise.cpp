#include "tools/vynLandscapeNoise.h"

#include <algorithm>
#include <cmath>

namespace vyn {

namespace {

// Chris Wellons' "lowbias32" integer hash: every input bit affects every output bit.
std::uint32_t Mix32(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

std::uint32_t LatticeHash(std::int64_t ix, std::int64_t iy, std::uint32_t seed) {
    return Mix32(static_cast<std::uint32_t>(ix) * 0x9E3779B1U ^
                 Mix32(static_cast<std::uint32_t>(iy) + seed));
}

struct Gradient {
    double X;
    double Y;
};

// Eight unit directions; a hash picks one per lattice point.
constexpr double Diagonal = 0.70710678118654752;
constexpr std::array<Gradient, 8> Gradients{{{1, 0},
                                             {-1, 0},
                                             {0, 1},
                                             {0, -1},
                                             {Diagonal, Diagonal},
                                             {-Diagonal, Diagonal},
                                             {Diagonal, -Diagonal},
                                             {-Diagonal, -Diagonal}}};

double Dot(std::uint32_t hash, double dx, double dy) {
    const Gradient& g = Gradients[hash & 7U];
    return g.X * dx + g.Y * dy;
}

// Quintic fade: zero first and second derivatives at the lattice, so no creases show.
double Fade(double t) {
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

double Lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

} // namespace

std::uint64_t SplitMix64::Next() {
    State += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = State;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double SplitMix64::NextUnit() {
    return static_cast<double>(Next() >> 11) * 0x1.0p-53;
}

GradientNoise::GradientNoise(std::uint32_t seed) : Seed(seed) {
    SplitMix64 random(seed);
    // Each octave samples a different, far-away part of the lattice, so octaves do not line up.
    for (Offset& offset : Offsets)
        offset = {random.NextUnit() * 4096.0, random.NextUnit() * 4096.0};
}

double GradientNoise::At(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx);
    const auto iy = static_cast<std::int64_t>(fy);
    const double dx = x - fx;
    const double dy = y - fy;
    const double n00 = Dot(LatticeHash(ix, iy, Seed), dx, dy);
    const double n10 = Dot(LatticeHash(ix + 1, iy, Seed), dx - 1.0, dy);
    const double n01 = Dot(LatticeHash(ix, iy + 1, Seed), dx, dy - 1.0);
    const double n11 = Dot(LatticeHash(ix + 1, iy + 1, Seed), dx - 1.0, dy - 1.0);
    const double u = Fade(dx);
    // Unit gradients give at most sqrt(1/2); scale that to 1.
    return Lerp(Lerp(n00, n10, u), Lerp(n01, n11, u), Fade(dy)) * 1.4142135623730951;
}

double GradientNoise::SumOctaves(double x, double y, int octaves, double gain, Shape shape) const {
    octaves = std::clamp(octaves, 1, MaxOctaves);
    double sum = 0.0, amplitude = 1.0, total = 0.0, frequency = 1.0;
    for (std::size_t octave = 0; octave < static_cast<std::size_t>(octaves); ++octave) {
        const Offset& offset = Offsets[octave];
        sum += amplitude * shape(At(x * frequency + offset.X, y * frequency + offset.Y));
        total += amplitude;
        amplitude *= gain;
        frequency *= 2.0;
    }
    return sum / total;
}

double GradientNoise::Fractal(double x, double y, int octaves, double gain) const {
    return SumOctaves(x, y, octaves, gain, [](double noise) { return noise; });
}

double GradientNoise::Ridged(double x, double y, int octaves) const {
    return SumOctaves(x, y, octaves, 0.5, [](double noise) {
        const double crest = 1.0 - std::min(1.0, std::abs(noise));
        return crest * crest;
    });
}

} // namespace vyn
