#include "vynStbImage.h"

#include <climits>
#include <stdexcept>
#include <string>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_TGA
#define STBI_ONLY_GIF
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_MAX_DIMENSIONS vyn::StbLargestSide
// stb copies zero bytes from a null buffer (memcpy(dst, NULL, 0)) where a PNG chunk is empty:
// undefined only on paper, and not ours to change. The fuzzer's checks skip that one kind inside
// stb's functions.
#ifdef __clang__
#pragma clang attribute push(__attribute__((no_sanitize("nonnull-attribute"))), apply_to = function)
#endif
#include <stb_image.h>
#ifdef __clang__
#pragma clang attribute pop
#endif

namespace vyn {

namespace {

// stb counts bytes in an int.
int LengthOf(std::span<const uint8_t> bytes) {
    if (bytes.size() > static_cast<size_t>(INT_MAX))
        throw std::runtime_error("the file is larger than 2 GiB");
    return static_cast<int>(bytes.size());
}

[[noreturn]] void ThrowStbReason() {
    const char* reason = stbi_failure_reason();
    throw std::runtime_error(reason ? reason : "no reason given");
}

// Why stb cannot decode the bytes: a load names its decoder's own fault, where asking for the
// picture's size keeps only the last decoder's ("unknown image type").
[[noreturn]] void ThrowWhyNot(std::span<const uint8_t> bytes, int length) {
    int width = 0, height = 0, channels = 0;
    stbi_image_free(stbi_load_from_memory(bytes.data(), length, &width, &height, &channels, 0));
    ThrowStbReason();
}

} // namespace

void TStbFree::operator()(uint8_t* pixels) const {
    stbi_image_free(pixels);
}

bool StbRecognises(std::span<const uint8_t> bytes) {
    int width = 0, height = 0, channels = 0;
    return bytes.size() <= static_cast<size_t>(INT_MAX) &&
           stbi_info_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height,
                                 &channels) != 0;
}

TStbPicture DecodeWithStb(std::span<const uint8_t> bytes) {
    const int length = LengthOf(bytes);
    int width = 0, height = 0, channels = 0;
    if (!stbi_info_from_memory(bytes.data(), length, &width, &height, &channels))
        ThrowWhyNot(bytes, length);
    if (int64_t{width} * height > StbLargestPixelCount)
        throw std::runtime_error(std::to_string(width) + " x " + std::to_string(height) +
                                 " pixels, more than 8192 x 8192");
    // Grey becomes red, green and blue; grey with alpha, all four.
    const int wanted = channels == 2 || channels == 4 ? 4 : 3;
    TStbPicture picture;
    picture.Pixels.reset(
        stbi_load_from_memory(bytes.data(), length, &width, &height, &channels, wanted));
    if (!picture.Pixels)
        ThrowStbReason();
    picture.Width = width;
    picture.Height = height;
    picture.Channels = wanted;
    return picture;
}

} // namespace vyn
