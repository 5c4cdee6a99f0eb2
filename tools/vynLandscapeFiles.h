// The landscape's files: encoding into the demo's formats, writing, and the make-landscape
// command line.
//
// Array files: a 12-byte little-endian header (Header0 = floats per vertex, payload size in bytes,
// vertex count) followed by the floats. Ground.bmp: a 24-bit bottom-up Windows bitmap with a
// 40-byte info header, pixel data at offset 54, rows padded to 4 bytes. Each file is written
// beside its final name and renamed into place, so a failed run leaves no half-written file
// under the final name. Any thread; files in the output folder are not locked.
#pragma once

#include "app/vynLandscapeData.h"
#include "tools/vynLandscapeGenerator.h"

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <vector>

namespace vyn {

std::vector<std::uint8_t> EncodeArrayFile(std::int32_t header0, std::int32_t count,
                                          const std::vector<float>& payload);
std::vector<std::uint8_t> EncodeBmp(const GroundPicture& picture);

// Builds the landscape with its mesh of quadsPerSide × quadsPerSide quads and writes its three
// files into folder, which is created if missing. Throws std::runtime_error with a message that
// names the path and the reason.
void WriteLandscapeFiles(const std::filesystem::path& folder,
                         int quadsPerSide = LandscapeShape::QuadsPerSide);

// make-landscape OUTDIR [QUADS_PER_SIDE]: returns the exit status (0, or 1 after one line on
// errors).
int RunMakeLandscape(int argc, const char* const argv[], std::ostream& errors);

} // namespace vyn
