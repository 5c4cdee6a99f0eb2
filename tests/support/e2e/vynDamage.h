// Damage done to the demo's data files, to check that the demo refuses what it cannot use: the
// named damages of the end-to-end cases, and seeded random ones for the bad-files run
// (bench/bad-files-landscape.sh through tests/tools/vyn-spoil). A seed damages a given file the
// same way on every machine: the random numbers come from std::mt19937, whose sequence the
// standard fixes, and are mapped to ranges by this module, not by a library distribution.
// Pure file operations; any thread.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace vyn::test {

enum class Damage { Missing, Empty, Truncated, SizeOverrunsPayload };

// "Missing", "Empty", ...
const char* DamageName(Damage kind);
// Missing removes the file, Empty empties it, Truncated cuts it to half its length, and
// SizeOverrunsPayload adds one to the header field that says how much the file holds (an array
// file's Count, a bitmap's height). Throws std::runtime_error when the file cannot be changed.
void Spoil(const std::filesystem::path& file, Damage kind);

// One of these, chosen and sized by `seed`: the file cut short (often inside its header), a
// header field set to an edge value (0, 1, -1, the extremes, a neighbour of its own value) or to
// any value, bytes of the header or of the whole file changed, bytes appended, or the whole file
// replaced by a few random bytes. Header fields are those of the file's kind, told by its
// extension (".bmp" or not). Returns one line saying what was done; throws std::runtime_error
// when the file cannot be read or written.
std::string SpoilAtRandom(const std::filesystem::path& file, uint32_t seed);

} // namespace vyn::test
