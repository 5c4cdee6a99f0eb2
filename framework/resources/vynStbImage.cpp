#include "vynStbImage.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vyn {

namespace {

// stb_image's allocations on this thread, counted against the budget of the decoding under way.
// Each block carries its size in front of it, since stb frees without saying the size.
struct StbAccount {
    size_t InUse = 0;
    size_t Budget = SIZE_MAX; // none outside a decoding: stb's buffers are freed from anywhere
    bool Exceeded = false;
};

thread_local StbAccount Account;

constexpr size_t BlockHeader = alignof(std::max_align_t);

void* StbAllocate(size_t size) {
    if (size > Account.Budget - std::min(Account.InUse, Account.Budget) ||
        size > SIZE_MAX - BlockHeader) {
        Account.Exceeded = true;
        return nullptr;
    }
    auto* block = static_cast<unsigned char*>(std::malloc(BlockHeader + size));
    if (!block)
        return nullptr;
    std::memcpy(block, &size, sizeof size);
    Account.InUse += size;
    return block + BlockHeader;
}

void StbRelease(void* pixels) {
    if (!pixels)
        return;
    auto* block = static_cast<unsigned char*>(pixels) - BlockHeader;
    size_t size = 0;
    std::memcpy(&size, block, sizeof size);
    Account.InUse -= std::min(size, Account.InUse);
    std::free(block);
}

void* StbReallocate(void* pixels, size_t oldSize, size_t newSize) {
    void* moved = StbAllocate(newSize);
    if (moved && pixels)
        std::memcpy(moved, pixels, std::min(oldSize, newSize));
    if (moved)
        StbRelease(pixels);
    return moved;
}

} // namespace

} // namespace vyn

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_TGA
#define STBI_ONLY_GIF
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_MAX_DIMENSIONS vyn::StbLargestSide
#define STBI_MALLOC(size) vyn::StbAllocate(size)
#define STBI_REALLOC_SIZED(pixels, oldSize, newSize) vyn::StbReallocate(pixels, oldSize, newSize)
#define STBI_FREE(pixels) vyn::StbRelease(pixels)
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

bool StartsWith(std::span<const uint8_t> bytes, std::string_view signature) {
    return bytes.size() >= signature.size() &&
           std::memcmp(bytes.data(), signature.data(), signature.size()) == 0;
}

// The least a decoder takes for a picture of the headers' size, by the buffers each surely holds
// at once: a PNG's inflated rows and its picture, a GIF's picture, background and history, the
// picture alone for the others. Samples of 16 bits take two bytes.
uint64_t LeastWorkingBytes(std::span<const uint8_t> bytes, int length, int width, int height,
                           int channels) {
    const uint64_t pixels = uint64_t(width) * uint64_t(height);
    const uint64_t sampleBytes = stbi_is_16_bit_from_memory(bytes.data(), length) ? 2 : 1;
    if (StartsWith(bytes, "\x89PNG"))
        return 2 * pixels * uint64_t(channels) * sampleBytes;
    if (StartsWith(bytes, "GIF8"))
        return 9 * pixels;
    return pixels * uint64_t(channels) * sampleBytes;
}

// Counts stb's allocations against the budget while it lives.
class BudgetScope {
  public:
    explicit BudgetScope(size_t budget) { Account = {0, budget, false}; }
    ~BudgetScope() { Account.Budget = SIZE_MAX; }
    BudgetScope(const BudgetScope&) = delete;
    BudgetScope& operator=(const BudgetScope&) = delete;
};

std::string Mebibytes(uint64_t bytes) {
    return std::to_string((bytes + (uint64_t{1} << 20) - 1) >> 20) + " MiB";
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

TStbPicture DecodeWithStb(std::span<const uint8_t> bytes, size_t budget) {
    const int length = LengthOf(bytes);
    int width = 0, height = 0, channels = 0;
    if (!stbi_info_from_memory(bytes.data(), length, &width, &height, &channels))
        ThrowWhyNot(bytes, length);
    const uint64_t least = bytes.size() + LeastWorkingBytes(bytes, length, width, height, channels);
    if (least > budget)
        throw std::runtime_error(std::to_string(width) + " x " + std::to_string(height) +
                                 " pixels need " + Mebibytes(least) +
                                 " to decode, more than the budget of " + Mebibytes(budget));
    // Grey becomes red, green and blue; grey with alpha, all four.
    const int wanted = channels == 2 || channels == 4 ? 4 : 3;
    TStbPicture picture;
    {
        const BudgetScope scope(budget - bytes.size());
        picture.Pixels.reset(
            stbi_load_from_memory(bytes.data(), length, &width, &height, &channels, wanted));
        if (!picture.Pixels && Account.Exceeded)
            throw std::runtime_error("decoding needs more than the budget of " + Mebibytes(budget));
    }
    if (!picture.Pixels)
        ThrowStbReason();
    picture.Width = width;
    picture.Height = height;
    picture.Channels = wanted;
    return picture;
}

} // namespace vyn
