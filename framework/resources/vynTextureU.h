/// @file
/// Texture creation: the process-wide texture settings, power-of-two sizing, rescaling and upload.
///
/// The settings (filters, size divisor, compression and mipmap flags, the table of powers of two)
/// are this module's own state. SetDefaultTextureSettings runs on every new GL context; before the
/// first settings no texture size can be computed (TextureSize throws std::logic_error).
///
/// Pixel buffers are as ReadBMP (vynBitmapU.h, part of this module's interface) makes them:
/// GL_UNSIGNED_BYTE components, rows bottom-up, each row starting on a 4-byte boundary -- GL's
/// default pack and unpack alignment, which the framework never changes. A buffer belongs to
/// whoever holds it; RescaleImage replaces the caller's buffer and sizes in place.
///
/// Main thread only. Everything that calls GL (NewTextureName, RescaleImage, UploadTexture) needs
/// the GL context current; the settings and sizing routines do not.
#pragma once

#include "../gl/vynGL.h"
#include "vynBitmapU.h"

#include <cstdint>
#include <vector>

namespace vyn {

/// How textures are made: the process-wide settings, reset on every new context.
struct TTextureSettings {
    GLenum MinFilter = 0;          ///< GL_TEXTURE_MIN_FILTER of every new texture.
    GLenum MagFilter = 0;          ///< GL_TEXTURE_MAG_FILTER of every new texture.
    uint32_t SizeDivisor = 0;      ///< An image's sizes are divided by it before rounding up.
    int32_t PowersOfTwoCount = 20; ///< Entries of PowersOfTwo.
    bool Compress = false;         ///< Upload with a compressed internal format where one exists.
    bool GenerateMipmaps = false;  ///< Ask GL for mipmaps (GL_GENERATE_MIPMAP).
    /// Entry i holds 2 to the power i + 1: the sizes a texture may take.
    std::vector<uint32_t> PowersOfTwo;
};

/// The table's size is kept within these bounds: at least two entries, and none beyond 2^31.
///@{
inline constexpr int32_t MinPowersOfTwoCount = 2;
inline constexpr int32_t MaxPowersOfTwoCount = 31;
///@}

/// The settings in force.
const TTextureSettings& CurrentTextureSettings();

/// Stores the settings and rebuilds the table (count clamped to the bounds above). A size divisor
/// of 0 divides by 1.
void SetTextureSettings(GLenum minFilter, GLenum magFilter, uint32_t sizeDivisor,
                        int32_t powersOfTwoCount, bool compress, bool generateMipmaps);
/// Trilinear filtering, sizes halved, the table up to 2^20, compressed and mipmapped.
void SetDefaultTextureSettings();

/// The smallest table entry not below `value`; the largest entry for values above it.
uint32_t PowerOfTwoAtLeast(uint32_t value);
/// PowerOfTwoAtLeast of size divided by the size divisor.
uint32_t TextureSize(uint32_t size);
/// 3 for GL_RGB, 4 for GL_RGBA, 0 for any other format.
uint32_t ComponentCount(GLenum format);
/// The compressed internal format of a pixel format, or the format itself when it has none.
GLenum CompressedFormat(GLenum format);

/// One new texture name from glGenTextures.
GLuint NewTextureName();

/// Replaces the buffer and sizes by a copy scaled to the TextureSize of each size; true when that
/// worked or nothing needed scaling. The new buffer's rows are padded to 4 bytes and nothing is
/// written outside it. When gluScaleImage fails, or cannot run because GL's pack alignment is not
/// the default 4 (also the sign that no context is current), a zero-filled buffer of the new size
/// is installed and the result is false. On any other failure -- sizes or format it cannot serve, a
/// buffer shorter than its rows, no memory -- nothing changes and the result is false.
bool RescaleImage(std::vector<uint8_t>& pixels, GLint& width, GLint& height, GLenum format,
                  GLenum type);

/// Creates a texture from the buffer with the current settings and returns its name; the texture
/// stays bound. Throws std::invalid_argument, before any GL call, when the buffer is shorter than
/// its rows or its format and type are not byte components this module knows how to size.
GLuint UploadTexture(const std::vector<uint8_t>& pixels, GLint width, GLint height, GLenum format,
                     GLenum type);

} // namespace vyn
