/// @file
/// Picture files of every kind the framework reads, into the pixel buffers ReadBMP gives: BMP
/// through the framework's own reader (vynBitmapU.h), PNG, JPEG, TGA and GIF (its first frame)
/// through stb_image (vynStbImage.h).
///
/// The kind comes from the file's first bytes, not its name: "BM" for BMP, PNG's and JPEG's
/// signatures, "GIF8" for GIF; a file with none of them is a TGA when its header reads as one.
/// Output as ReadBMP's: rows from the bottom of the picture up, each starting on a 4-byte
/// boundary, GL_RGB or GL_RGBA (pictures with alpha), GL_UNSIGNED_BYTE; grey pictures come out as
/// GL_RGB. A PNG, JPEG, TGA or GIF of more than 16384 pixels a side, and any picture whose decoding
/// would take more than DecodingBudgetBytes (vynBitmapU.h) with its file, is refused as faulty;
/// ReadImage refuses a file larger than the budget, or of no kind read, before reading it whole.
///
/// A file of no kind read yields no image and records why (LastFailure names the file); a file
/// that cannot be read, or is faulty, throws std::runtime_error naming the file and the fault.
/// Touches no shared state; any thread.
#pragma once

#include "vynBitmapU.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vyn {

/// Decodes the picture file whose bytes are `file`; `fileName` only names it in messages.
std::optional<TBitmapImage> DecodeImage(std::span<const uint8_t> file, const std::string& fileName);

/// Reads a picture file. On success sets the four outputs and returns the pixel buffer; for a
/// file of no kind read returns no buffer, records why and leaves the outputs as they were.
/// Throws std::runtime_error for a file that cannot be read or is faulty.
std::optional<std::vector<uint8_t>> ReadImage(const std::string& fileName, GLint& width,
                                              GLint& height, GLenum& format, GLenum& type);

} // namespace vyn
