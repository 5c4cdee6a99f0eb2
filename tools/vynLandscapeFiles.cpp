#include "tools/vynLandscapeFiles.h"

#include "framework/resources/OpenGLBufferArrays.h"

#include <bit>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace vyn {

namespace {

constexpr std::int32_t BmpFileHeaderBytes = 14;
constexpr std::int32_t BmpInfoHeaderBytes = 40;
constexpr std::int32_t BmpPixelsPerMetre = 2835; // 72 dots per inch

void PutLittleEndian32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutLittleEndian16(std::vector<std::uint8_t>& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutSigned32(std::vector<std::uint8_t>& bytes, std::int32_t value) {
    PutLittleEndian32(bytes, static_cast<std::uint32_t>(value));
}

std::int32_t BmpRowBytes(std::int32_t width) {
    return (width * 3 + 3) / 4 * 4;
}

std::string Describe(const std::filesystem::path& path, std::string_view reason) {
    return "cannot write " + path.string() + ": " + std::string(reason);
}

// Writes bytes to path through a temporary file beside it.
void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::path partial = path;
    partial += ".partial";
    std::error_code ignored;
    std::FILE* file = std::fopen(partial.string().c_str(), "wb");
    if (!file)
        throw std::runtime_error(Describe(path, std::strerror(errno)));
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        const int error = written ? errno : writeError;
        std::filesystem::remove(partial, ignored);
        throw std::runtime_error(Describe(path, std::strerror(error)));
    }
    std::error_code renameError;
    std::filesystem::rename(partial, path, renameError);
    if (renameError) {
        std::filesystem::remove(partial, ignored);
        throw std::runtime_error(Describe(path, renameError.message()));
    }
}

// A whole number of quads a side, 1 to MostQuadsPerSide, in plain decimal; none for anything
// else.
std::optional<int> QuadsPerSideNamed(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1 ||
        value > LandscapeShape::MostQuadsPerSide)
        return std::nullopt;
    return value;
}

} // namespace

std::vector<std::uint8_t> EncodeArrayFile(std::int32_t header0, std::int32_t count,
                                          const std::vector<float>& payload) {
    const std::size_t payloadBytes = payload.size() * sizeof(float);
    if (payloadBytes > static_cast<std::size_t>(INT32_MAX) - TMyCPPArray::HeaderBytes)
        throw std::length_error("array payload does not fit a 32-bit size");
    std::vector<std::uint8_t> bytes;
    bytes.reserve(TMyCPPArray::HeaderBytes + payloadBytes);
    PutSigned32(bytes, header0);
    PutSigned32(bytes, static_cast<std::int32_t>(payloadBytes));
    PutSigned32(bytes, count);
    for (float value : payload)
        PutLittleEndian32(bytes, std::bit_cast<std::uint32_t>(value));
    return bytes;
}

std::vector<std::uint8_t> EncodeBmp(const GroundPicture& picture) {
    const std::int32_t rowBytes = BmpRowBytes(picture.Width);
    const std::int64_t pixelBytes = static_cast<std::int64_t>(rowBytes) * picture.Height;
    const std::int64_t headerBytes = BmpFileHeaderBytes + BmpInfoHeaderBytes;
    if (picture.Width <= 0 || picture.Height <= 0 || pixelBytes + headerBytes > INT32_MAX ||
        picture.Rgb.size() != static_cast<std::size_t>(picture.Width) * picture.Height * 3)
        throw std::invalid_argument("picture sizes do not describe its pixels");

    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(headerBytes + pixelBytes));
    bytes.push_back('B');
    bytes.push_back('M');
    PutSigned32(bytes, static_cast<std::int32_t>(headerBytes + pixelBytes)); // file size
    PutLittleEndian32(bytes, 0);                                             // reserved
    PutSigned32(bytes, static_cast<std::int32_t>(headerBytes));              // pixel data offset
    PutSigned32(bytes, BmpInfoHeaderBytes);
    PutSigned32(bytes, picture.Width);
    PutSigned32(bytes, picture.Height); // positive: rows bottom-up
    PutLittleEndian16(bytes, 1);        // planes
    PutLittleEndian16(bytes, 24);       // bits per pixel
    PutLittleEndian32(bytes, 0);        // no compression
    PutSigned32(bytes, static_cast<std::int32_t>(pixelBytes));
    PutSigned32(bytes, BmpPixelsPerMetre);
    PutSigned32(bytes, BmpPixelsPerMetre);
    PutLittleEndian32(bytes, 0); // colours used
    PutLittleEndian32(bytes, 0); // important colours

    const std::size_t padding = static_cast<std::size_t>(rowBytes - picture.Width * 3);
    for (std::int32_t row = 0; row < picture.Height; ++row) {
        const std::uint8_t* pixel = &picture.Rgb[static_cast<std::size_t>(row) * picture.Width * 3];
        for (std::int32_t column = 0; column < picture.Width; ++column, pixel += 3)
            bytes.insert(bytes.end(), {pixel[2], pixel[1], pixel[0]}); // stored blue, green, red
        bytes.insert(bytes.end(), padding, 0);
    }
    return bytes;
}

void WriteLandscapeFiles(const std::filesystem::path& folder, int quadsPerSide) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder))
        throw std::runtime_error(Describe(folder, error ? error.message() : "not a folder"));

    const LandscapeMesh mesh = BuildLandscapeMesh(quadsPerSide);
    WriteFile(folder / VertexFileName, EncodeArrayFile(3, mesh.VertexCount(), mesh.Positions));
    WriteFile(folder / TexCoordFileName, EncodeArrayFile(2, mesh.VertexCount(), mesh.TexCoords));
    WriteFile(folder / GroundFileName, EncodeBmp(PaintGroundPicture()));
}

int RunMakeLandscape(int argc, const char* const argv[], std::ostream& errors) {
    const std::string_view program = "make-landscape";
    const std::optional<int> quadsPerSide =
        argc == 3 ? QuadsPerSideNamed(argv[2]) : LandscapeShape::QuadsPerSide;
    if (argc < 2 || argc > 3 || argv[1][0] == '\0' || argv[1][0] == '-' || !quadsPerSide) {
        errors << "usage: " << program << " OUTDIR [QUADS_PER_SIDE] (writes " << VertexFileName
               << ", " << TexCoordFileName << " and " << GroundFileName
               << " into OUTDIR; a mesh of " << LandscapeShape::QuadsPerSide
               << " quads a side unless given, at most " << LandscapeShape::MostQuadsPerSide
               << ")\n";
        return 1;
    }
    try {
        WriteLandscapeFiles(argv[1], *quadsPerSide);
        return 0;
    } catch (const std::exception& failure) {
        errors << program << ": " << failure.what() << '\n';
        return 1;
    }
}

} // namespace vyn
