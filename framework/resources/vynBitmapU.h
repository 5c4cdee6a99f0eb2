/// @file
/// Windows bitmap (BMP) files decoded into pixel buffers that OpenGL takes directly.
///
/// Read: uncompressed files of 1, 2, 4 and 8 bits per pixel with a colour table, 24 bits, and 32
/// bits plain or with bit-field masks; behind a 12-byte OS/2 core header or any Windows info header
/// of 40 bytes or more (40, 52, 56, 108, 124). The pixel-data offset is honoured and top-down files
/// (negative height) come out bottom-up like the others. Output rows run from the bottom of the
/// picture up, each starting on a 4-byte boundary: GL_RGB for palette and 24-bit files, GL_RGBA for
/// 32-bit ones (alpha from an alpha mask, else opaque), always GL_UNSIGNED_BYTE.
///
/// A file that does not start with "BM" is no error: it yields no image, and the reason says so
/// (LastFailure, vynFailure.h). Every other fault -- a
/// file shorter than 54 bytes, pixel data shorter than its rows, zero, negative or absurd sizes, a
/// kind not read (RLE, JPEG, PNG, 16-bit) -- throws std::runtime_error naming the file and the
/// fault. Nothing outside the file's bytes is ever read.
///
/// Stateless; any thread.
#pragma once

#include "../gl/vynGL.h"
#include "../system/vynMappedFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vyn {

/// A decoded picture, laid out as described above.
struct TBitmapImage {
    std::vector<uint8_t> Pixels;    ///< Rows bottom-up, each padded to 4 bytes.
    GLint Width = 0;                ///< Pixels per row.
    GLint Height = 0;               ///< Rows.
    GLenum Format = GL_RGB;         ///< GL_RGB, or GL_RGBA for files with alpha.
    GLenum Type = GL_UNSIGNED_BYTE; ///< One byte per component.
};

/// The most memory decoding one picture may take, its file's bytes included: a quarter of the
/// 2 GiB a page's heap may grow to. A picture of 8192 x 8192 takes 192 MiB without alpha and
/// 256 MiB with it, and its decoder about as much again while it works; one that needs more (an
/// 8192 x 8192 GIF, whose decoder takes 9 bytes a pixel; a large PNG of 16-bit samples) is
/// refused as faulty, the reason naming the budget.
inline constexpr size_t DecodingBudgetBytes = size_t{512} << 20;

/// The budget as a reason says it: "512 MiB".
std::string DecodingBudgetText();

/// The bytes of one row of `width` pixels of `bytesPerPixel` bytes, rows starting on 4-byte
/// boundaries (OpenGL's default pixel-store alignment).
constexpr size_t PaddedRowBytes(size_t width, size_t bytesPerPixel) {
    return (width * bytesPerPixel + 3) / 4 * 4;
}

/// Decodes the bitmap file whose bytes are `file`; `fileName` only names it in messages.
std::optional<TBitmapImage> DecodeBMP(std::span<const uint8_t> file, const std::string& fileName);

/// Reads a bitmap file. On success sets the four outputs and returns the pixel buffer; for a file
/// without "BM" returns no buffer, records why and leaves the outputs as they were. Throws
/// std::runtime_error for a file that cannot be read or is faulty (see above).
std::optional<std::vector<uint8_t>> ReadBMP(const std::string& fileName, GLint& width,
                                            GLint& height, GLenum& format, GLenum& type);

/// The size and first `headBytes` bytes of a picture file, read without reading it whole (see
/// vynMappedFile.h); throws std::runtime_error naming the file when it cannot be read or is larger
/// than DecodingBudgetBytes.
FileGlance GlanceWithinBudget(const std::string& fileName, size_t headBytes);

/// What the readers return for a decoded picture: sets the four outputs from it and hands its
/// buffer over; no buffer, and the outputs left alone, for no picture.
std::optional<std::vector<uint8_t>> HandOverPixels(std::optional<TBitmapImage> image, GLint& width,
                                                   GLint& height, GLenum& format, GLenum& type);

} // namespace vyn
