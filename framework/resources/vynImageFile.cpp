#include "vynImageFile.h"

#include "framework/core/vynFailure.h"
#include "framework/system/vynMappedFile.h"
#include "vynStbImage.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string_view>

namespace vyn {

namespace {

constexpr uint8_t BmpSignature[] = {'B', 'M'};
constexpr uint8_t PngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint8_t JpegSignature[] = {0xFF, 0xD8, 0xFF};
constexpr uint8_t GifSignature[] = {'G', 'I', 'F', '8'};

struct Signature {
    std::string_view Kind;
    std::span<const uint8_t> Bytes;
};

constexpr Signature Signatures[] = {
    {"BMP", BmpSignature}, {"PNG", PngSignature}, {"JPEG", JpegSignature}, {"GIF", GifSignature}};

// The kind the file's first bytes name; a TGA has no signature.
std::string_view KindOf(std::span<const uint8_t> file) {
    for (const Signature& signature : Signatures)
        if (file.size() >= signature.Bytes.size() &&
            std::equal(signature.Bytes.begin(), signature.Bytes.end(), file.begin()))
            return signature.Kind;
    return "TGA";
}

// stb's rows, top down and unpadded, as the bitmap reader's: bottom up, each padded to 4 bytes,
// in what the budget has left beside the file and stb's picture.
TBitmapImage Laid(const TStbPicture& picture, size_t budgetLeft) {
    const auto width = static_cast<size_t>(picture.Width);
    const auto height = static_cast<size_t>(picture.Height);
    const auto channels = static_cast<size_t>(picture.Channels);
    const size_t sourceRow = width * channels;
    const size_t targetRow = PaddedRowBytes(width, channels);
    if (budgetLeft < targetRow * height)
        throw std::runtime_error("laying the picture out needs more than the budget of " +
                                 DecodingBudgetText());
    TBitmapImage image;
    image.Width = picture.Width;
    image.Height = picture.Height;
    image.Format = channels == 4 ? GL_RGBA : GL_RGB;
    image.Pixels.resize(targetRow * height);
    for (size_t row = 0; row < height; ++row)
        std::memcpy(image.Pixels.data() + (height - 1 - row) * targetRow,
                    picture.Pixels.get() + row * sourceRow, sourceRow);
    return image;
}

TBitmapImage DecodeWithStbNaming(std::span<const uint8_t> file, const std::string& fileName,
                                 std::string_view kind) {
    try {
        const TStbPicture picture = DecodeWithStb(file, DecodingBudgetBytes);
        const size_t stbBytes =
            size_t(picture.Width) * size_t(picture.Height) * size_t(picture.Channels);
        return Laid(picture,
                    DecodingBudgetBytes - std::min(DecodingBudgetBytes, file.size() + stbBytes));
    } catch (const std::runtime_error& error) {
        throw std::runtime_error(fileName + ": the " + std::string(kind) +
                                 " picture cannot be decoded: " + error.what());
    }
}

// Whether the first bytes are those of a picture of a kind read; records why not. A TGA's header
// lies in its first 18 bytes.
bool IsPicture(std::span<const uint8_t> head, const std::string& fileName) {
    if (KindOf(head) != "TGA" || StbRecognises(head))
        return true;
    RecordFailure(fileName + ": not a picture of a kind read (BMP, PNG, JPEG, TGA, GIF)");
    return false;
}

constexpr size_t HeadBytes = 64;

} // namespace

std::optional<TBitmapImage> DecodeImage(std::span<const uint8_t> file,
                                        const std::string& fileName) {
    if (!IsPicture(file, fileName))
        return std::nullopt;
    const std::string_view kind = KindOf(file);
    if (kind == "BMP")
        return DecodeBMP(file, fileName);
    return DecodeWithStbNaming(file, fileName, kind);
}

std::optional<std::vector<uint8_t>> ReadImage(const std::string& fileName, GLint& width,
                                              GLint& height, GLenum& format, GLenum& type) {
    // The size and the kind first, so that a file refused for either is never read whole.
    const FileGlance glance = GlanceWithinBudget(fileName, HeadBytes);
    if (!IsPicture(glance.Head, fileName))
        return std::nullopt;
    const MappedFile file(fileName);
    return HandOverPixels(DecodeImage(file.Bytes(), fileName), width, height, format, type);
}

} // namespace vyn
