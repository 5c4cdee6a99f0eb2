#include "vynTextureU.h"

#include "framework/core/vynFailure.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace vyn {

namespace {

// Constant-initialised wherever std::vector's constructor is constexpr; the browser build's older
// standard library lacks that, and there the zero-filled record needs no constructor run anyway.
#if defined(__cpp_lib_constexpr_vector)
constinit
#endif
    TTextureSettings Settings;

// The row alignment every buffer of the framework is laid out for.
constexpr GLint DefaultAlignment = 4;

std::string Hex(GLenum value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", value);
    return text;
}

// Bytes per pixel of the byte-component formats; 0 for anything this module cannot size.
size_t BytesPerPixel(GLenum format, GLenum type) {
    if (type != GL_UNSIGNED_BYTE)
        return 0;
    switch (format) {
    case GL_ALPHA:
    case GL_LUMINANCE:
        return 1;
    case GL_LUMINANCE_ALPHA:
        return 2;
    case GL_RGB:
    case GL_BGR:
        return 3;
    case GL_RGBA:
    case GL_BGRA:
        return 4;
    default:
        return 0;
    }
}

// The bytes of a width x height image with 4-byte aligned rows. Throws std::invalid_argument for
// a format or type it cannot size and for sizes GL cannot take.
size_t ImageBytes(int64_t width, int64_t height, GLenum format, GLenum type) {
    const size_t pixelBytes = BytesPerPixel(format, type);
    if (pixelBytes == 0)
        throw std::invalid_argument("pixel format " + Hex(format) + " of type " + Hex(type) +
                                    " is not one of byte components");
    if (width < 0 || height < 0 || width > INT32_MAX || height > INT32_MAX)
        throw std::invalid_argument("image sizes " + std::to_string(width) + " x " +
                                    std::to_string(height) + " are out of range");
    size_t bytes = 0;
    if (__builtin_mul_overflow(PaddedRowBytes(static_cast<size_t>(width), pixelBytes),
                               static_cast<size_t>(height), &bytes))
        throw std::invalid_argument("an image of " + std::to_string(width) + " x " +
                                    std::to_string(height) + " pixels is too large");
    return bytes;
}

// gluScaleImage writes rows at GL's pack alignment. It is only safe to run when that is the
// alignment the new buffer is sized for; with no context current GL answers nothing and GLU would
// work with garbage (a division by zero, in practice).
bool PackAlignmentIsDefault() {
    GLint alignment = 0;
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    return alignment == DefaultAlignment;
}

} // namespace

const TTextureSettings& CurrentTextureSettings() {
    return Settings;
}

void SetTextureSettings(GLenum minFilter, GLenum magFilter, uint32_t sizeDivisor,
                        int32_t powersOfTwoCount, bool compress, bool generateMipmaps) {
    Settings.MinFilter = minFilter;
    Settings.MagFilter = magFilter;
    Settings.SizeDivisor = sizeDivisor;
    Settings.Compress = compress;
    Settings.GenerateMipmaps = generateMipmaps;
    Settings.PowersOfTwoCount =
        std::clamp(powersOfTwoCount, MinPowersOfTwoCount, MaxPowersOfTwoCount);
    Settings.PowersOfTwo.resize(static_cast<size_t>(Settings.PowersOfTwoCount));
    for (size_t i = 0; i < Settings.PowersOfTwo.size(); ++i)
        Settings.PowersOfTwo[i] = uint32_t(2) << i;
}

void SetDefaultTextureSettings() {
    SetTextureSettings(GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR, 2, 20, true, true);
}

uint32_t PowerOfTwoAtLeast(uint32_t value) {
    const std::vector<uint32_t>& table = Settings.PowersOfTwo;
    if (table.empty())
        throw std::logic_error("texture settings are not set yet");
    const auto entry = std::lower_bound(table.begin(), table.end(), value);
    return entry == table.end() ? table.back() : *entry;
}

uint32_t TextureSize(uint32_t size) {
    return PowerOfTwoAtLeast(size / std::max<uint32_t>(Settings.SizeDivisor, 1));
}

uint32_t ComponentCount(GLenum format) {
    switch (format) {
    case GL_RGB:
        return 3;
    case GL_RGBA:
        return 4;
    default:
        return 0;
    }
}

GLenum CompressedFormat(GLenum format) {
    switch (format) {
    case GL_ALPHA:
        return GL_COMPRESSED_ALPHA;
    case GL_RGB:
        return GL_COMPRESSED_RGB;
    case GL_RGBA:
        return GL_COMPRESSED_RGBA;
    case GL_LUMINANCE:
        return GL_COMPRESSED_LUMINANCE;
    case GL_LUMINANCE_ALPHA:
        return GL_COMPRESSED_LUMINANCE_ALPHA;
    default:
        return format;
    }
}

GLuint NewTextureName() {
    GLuint name = 0;
    glGenTextures(1, &name);
    return name;
}

bool RescaleImage(std::vector<uint8_t>& pixels, GLint& width, GLint& height, GLenum format,
                  GLenum type) {
    try {
        if (width <= 0 || height <= 0)
            return Fail("RescaleImage: the image has no pixels");
        const uint32_t newWidth = TextureSize(static_cast<uint32_t>(width));
        const uint32_t newHeight = TextureSize(static_cast<uint32_t>(height));
        if (newWidth == static_cast<uint32_t>(width) && newHeight == static_cast<uint32_t>(height))
            return true;
        // GLU reads the old rows and writes the new ones: both must lie inside their buffers.
        if (pixels.size() < ImageBytes(width, height, format, type))
            return Fail("RescaleImage: the buffer is shorter than its rows");
        // Zero-filled: GLU checks its arguments and allocates before it writes, so when it fails
        // (or is not run) the buffer installed is all zeros.
        std::vector<uint8_t> scaled(ImageBytes(newWidth, newHeight, format, type));
        const auto scaledWidth = static_cast<GLint>(newWidth);
        const auto scaledHeight = static_cast<GLint>(newHeight);
        const bool packed = PackAlignmentIsDefault();
        const GLint scaleResult =
            packed ? gluScaleImage(format, width, height, type, pixels.data(), scaledWidth,
                                   scaledHeight, type, scaled.data())
                   : 0;
        pixels = std::move(scaled);
        width = scaledWidth;
        height = scaledHeight;
        if (!packed)
            return Fail("RescaleImage: no context is current, or GL_PACK_ALIGNMENT is not 4; "
                        "the image was left blank");
        return scaleResult == 0 || Fail("RescaleImage: gluScaleImage failed with GLU error " +
                                        std::to_string(scaleResult) + "; the image was left blank");
    } catch (...) {
        return FailFromException("RescaleImage");
    }
}

GLuint UploadTexture(const std::vector<uint8_t>& pixels, GLint width, GLint height, GLenum format,
                     GLenum type) {
    const size_t needed = ImageBytes(width, height, format, type);
    if (pixels.size() < needed)
        throw std::invalid_argument("pixel buffer holds " + std::to_string(pixels.size()) +
                                    " bytes, its rows need " + std::to_string(needed));
    const GLuint name = NewTextureName();
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, static_cast<GLint>(Settings.MinFilter));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLint>(Settings.MagFilter));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    // Mipmap generation is on before the image arrives, so GL builds the chain from level 0.
    glTexParameteri(GL_TEXTURE_2D, GL_GENERATE_MIPMAP, Settings.GenerateMipmaps ? 1 : 0);
    const GLenum internalFormat = Settings.Compress ? CompressedFormat(format) : format;
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(internalFormat), width, height, 0, format,
                 type, pixels.data());
    return name;
}

} // namespace vyn
