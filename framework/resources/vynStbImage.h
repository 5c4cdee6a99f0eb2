/// @file
/// The framework's wrapper of stb_image (third_party/stb, public domain): PNG, JPEG, TGA and
/// GIF decoded from bytes in memory. Its implementation is compiled into the framework with every
/// function static and every other format left out, so programs need no stb library and a
/// program's own copy of stb_image cannot clash with it.
///
/// Stateless (stb keeps its failure reason per thread); any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace vyn {

/// The widest and tallest pictures decoded; how much memory decoding may take is the budget
/// DecodeWithStb is given.
inline constexpr int StbLargestSide = 16384;

/// Gives stb_image's pixel buffer back to it.
struct TStbFree {
    /// Frees the buffer.
    void operator()(uint8_t* pixels) const;
};

/// A picture as stb_image gives it: rows from the top down, Channels bytes a pixel, no padding.
struct TStbPicture {
    std::unique_ptr<uint8_t, TStbFree> Pixels; ///< Width x Height x Channels bytes.
    int Width = 0;                             ///< Pixels per row.
    int Height = 0;                            ///< Rows.
    int Channels = 0;                          ///< 3 (red, green, blue) or 4 (and alpha).
};

/// Whether stb_image takes the bytes for a picture of a format it decodes, by their headers.
bool StbRecognises(std::span<const uint8_t> bytes);

/// Decodes the bytes (a GIF's first frame) into 3 channels, or 4 where the file has alpha; grey
/// pictures come out as red, green and blue. Throws std::runtime_error with stb's reason ("bad
/// IHDR len", "too large", ...) for bytes it cannot decode.
///
/// Decoding may take at most `budget` bytes with the bytes themselves: a few bytes can claim a
/// picture of gigabytes (a GIF's working buffers take 9 bytes a pixel, a PNG of 16-bit samples
/// twice its 8-byte pixels), so a picture whose headers already claim more is refused before any
/// memory is taken for it, and stb's allocations are counted while it decodes. The reason of
/// such a refusal names the budget.
TStbPicture DecodeWithStb(std::span<const uint8_t> bytes, size_t budget);

} // namespace vyn
