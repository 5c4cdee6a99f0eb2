#include "vynBitmapU.h"

#include "framework/core/vynFailure.h"
#include "framework/resources/vynByteReader.h"
#include "framework/system/vynMappedFile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <stdexcept>

namespace vyn {

namespace {

constexpr size_t FileHeaderBytes = 14;
// The file and info headers of the plain 24-bit files: shorter files are refused outright.
constexpr size_t SmallestFileBytes = 54;
constexpr uint32_t CoreHeaderBytes = 12;
constexpr uint32_t InfoHeaderBytes = 40;
constexpr uint32_t Os2HeaderBytes = 64;
// Info headers from this size on carry the red, green and blue masks, and from the next the alpha.
constexpr uint32_t HeaderWithColourMasks = 52;
constexpr uint32_t HeaderWithAlphaMask = 56;
constexpr uint8_t Opaque = 255;

enum Compression : uint32_t {
    Uncompressed = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3,
    Jpeg = 4,
    Png = 5,
    AlphaBitFields = 6,
};

// What the headers say about the pixel data.
struct Layout {
    uint32_t HeaderSize = 0;
    int64_t Width = 0;
    int64_t Height = 0; // the number of rows, positive
    bool TopDown = false;
    uint32_t BitsPerPixel = 0;
    uint32_t Compression = Uncompressed;
    uint32_t ColoursUsed = 0;
    size_t PixelOffset = 0;
    size_t RowBytes = 0;     // one stored row with its padding
    size_t LastRowBytes = 0; // one stored row without padding: all the last row must hold
};

// One channel of a bit-field pixel, scaled to 8 bits.
struct ChannelMask {
    uint32_t Mask = 0;
    unsigned Shift = 0;
    uint64_t Max = 0; // the largest value of the channel; 0 when the channel is absent

    uint8_t Extract(uint32_t pixel, uint8_t absent) const {
        if (Max == 0)
            return absent;
        // In 64 bits: a channel of 25 bits or more times 255 overflows 32.
        const uint64_t value = (pixel & Mask) >> Shift;
        return static_cast<uint8_t>((value * 255 + Max / 2) / Max);
    }
};

using Rgb = std::array<uint8_t, 3>;

class BitmapDecoder {
  public:
    BitmapDecoder(std::span<const uint8_t> file, const std::string& fileName)
        : File(file), Name(fileName) {}

    std::optional<TBitmapImage> Decode();

  private:
    std::span<const uint8_t> File;
    const std::string& Name;
    Layout Shape;
    std::array<Rgb, 256> Palette{}; // entries the file lacks stay black
    std::array<ChannelMask, 4> Masks{};
    bool PlainPixels32 = true; // 32-bit pixels in the default blue, green, red, unused order

    [[noreturn]] void Fail(const std::string& why) const {
        throw std::runtime_error(Name + ": " + why);
    }

    void ReadLayout();
    void CheckKind() const;
    void CheckPixelData();
    void ReadPalette();
    void ReadMasks();
    ChannelMask MakeMask(uint32_t mask) const;
    void DecodeRow(const uint8_t* source, size_t sourceBytes, uint8_t* target) const;
    void DecodePaletteRow(const uint8_t* source, uint8_t* target) const;
    void DecodeRow24(const uint8_t* source, size_t sourceBytes, uint8_t* target) const;
    void DecodeRow32(const uint8_t* source, uint8_t* target) const;
};

void BitmapDecoder::ReadLayout() {
    Shape.HeaderSize = ReadLE<uint32_t>(File, 14);
    if (FileHeaderBytes + Shape.HeaderSize > File.size())
        Fail("info header of " + std::to_string(Shape.HeaderSize) + " bytes runs past the end of " +
             "the " + std::to_string(File.size()) + "-byte file");
    if (Shape.HeaderSize == CoreHeaderBytes) {
        Shape.Width = ReadLE<uint16_t>(File, 18);
        Shape.Height = ReadLE<uint16_t>(File, 20);
        Shape.BitsPerPixel = ReadLE<uint16_t>(File, 24);
    } else if (Shape.HeaderSize >= InfoHeaderBytes) {
        Shape.Width = ReadLE<int32_t>(File, 18);
        Shape.Height = ReadLE<int32_t>(File, 22);
        Shape.BitsPerPixel = ReadLE<uint16_t>(File, 28);
        Shape.Compression = ReadLE<uint32_t>(File, 30);
        Shape.ColoursUsed = ReadLE<uint32_t>(File, 46);
    } else {
        Fail("info header of " + std::to_string(Shape.HeaderSize) +
             " bytes is not read (12, or 40 and more)");
    }
    Shape.TopDown = Shape.Height < 0;
    Shape.Height = Shape.TopDown ? -Shape.Height : Shape.Height;
    Shape.PixelOffset = ReadLE<uint32_t>(File, 10);
}

void BitmapDecoder::CheckKind() const {
    // OS/2 2.x headers give two compression codes other meanings.
    if (Shape.HeaderSize == Os2HeaderBytes && Shape.Compression == BitFields)
        Fail("Huffman-compressed OS/2 bitmaps are not read");
    if (Shape.HeaderSize == Os2HeaderBytes && Shape.Compression == Jpeg)
        Fail("RLE-compressed bitmaps are not read");
    switch (Shape.Compression) {
    case Uncompressed:
    case BitFields:
    case AlphaBitFields:
        break;
    case Rle8:
    case Rle4:
        Fail("RLE-compressed bitmaps are not read");
    case Jpeg:
        Fail("bitmaps holding a JPEG image are not read");
    case Png:
        Fail("bitmaps holding a PNG image are not read");
    default:
        Fail("compression " + std::to_string(Shape.Compression) + " is not read");
    }
    const uint32_t bits = Shape.BitsPerPixel;
    if (bits == 16)
        Fail("16-bit bitmaps are not read");
    if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        Fail(std::to_string(bits) + " bits per pixel is not a bitmap depth that is read");
    if (Shape.Compression != Uncompressed && bits != 32)
        Fail("bit-field masks with " + std::to_string(bits) + " bits per pixel are not read");
    if (Shape.Width <= 0)
        Fail("width " + std::to_string(Shape.Width) + " is not positive");
    // Height -2^31 has no positive counterpart in 32 bits; it is as absurd as 0.
    if (Shape.Height == 0 || Shape.Height > INT32_MAX)
        Fail("height " + std::to_string(Shape.TopDown ? -Shape.Height : Shape.Height) +
             " is not a number of rows");
}

void BitmapDecoder::CheckPixelData() {
    if (Shape.PixelOffset < FileHeaderBytes + Shape.HeaderSize)
        Fail("pixel data offset " + std::to_string(Shape.PixelOffset) + " lies inside the headers");
    if (Shape.PixelOffset > File.size())
        Fail("pixel data offset " + std::to_string(Shape.PixelOffset) +
             " lies past the end of the " + std::to_string(File.size()) + "-byte file");
    // Width below 2^31 and at most 32 bits a pixel: a row takes less than 2^33 bytes, and fewer
    // than 2^31 of them less than 2^64.
    const uint64_t rowBits = static_cast<uint64_t>(Shape.Width) * Shape.BitsPerPixel;
    Shape.RowBytes = (rowBits + 31) / 32 * 4;
    Shape.LastRowBytes = (rowBits + 7) / 8;
    const uint64_t needed =
        (static_cast<uint64_t>(Shape.Height) - 1) * Shape.RowBytes + Shape.LastRowBytes;
    const size_t available = File.size() - Shape.PixelOffset;
    if (needed > available)
        Fail("pixel data holds " + std::to_string(available) + " bytes, but " +
             std::to_string(Shape.Width) + " x " + std::to_string(Shape.Height) + " pixels of " +
             std::to_string(Shape.BitsPerPixel) + " bits need " + std::to_string(needed));
}

void BitmapDecoder::ReadPalette() {
    const size_t entryBytes = Shape.HeaderSize == CoreHeaderBytes ? 3 : 4;
    const size_t start = FileHeaderBytes + Shape.HeaderSize;
    const size_t entries = size_t(1) << Shape.BitsPerPixel;
    const size_t declared =
        Shape.ColoursUsed == 0 ? entries : std::min<size_t>(Shape.ColoursUsed, entries);
    // The table ends where the pixel data begins; a file that says more holds fewer entries.
    const size_t room = (Shape.PixelOffset - start) / entryBytes;
    const size_t count = std::min(declared, room);
    if (count == 0)
        Fail(std::to_string(Shape.BitsPerPixel) + "-bit bitmap without a colour table");
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* entry = File.data() + start + i * entryBytes;
        Palette[i] = {entry[2], entry[1], entry[0]};
    }
}

ChannelMask BitmapDecoder::MakeMask(uint32_t mask) const {
    if (mask == 0)
        return {};
    const auto shift = static_cast<unsigned>(std::countr_zero(mask));
    const uint64_t max = mask >> shift;
    if ((max & (max + 1)) != 0)
        Fail("bit-field mask " + std::to_string(mask) + " is not one run of bits");
    return {mask, shift, max};
}

void BitmapDecoder::ReadMasks() {
    if (Shape.Compression == Uncompressed)
        return;
    // Masks live inside the larger info headers, otherwise right behind the header.
    const size_t start = Shape.HeaderSize >= HeaderWithColourMasks
                             ? FileHeaderBytes + InfoHeaderBytes
                             : FileHeaderBytes + Shape.HeaderSize;
    const bool hasAlpha =
        Shape.Compression == AlphaBitFields || Shape.HeaderSize >= HeaderWithAlphaMask;
    const size_t count = hasAlpha ? 4 : 3;
    if (start + 4 * count > File.size())
        Fail("bit-field masks run past the end of the file");
    for (size_t i = 0; i < count; ++i)
        Masks[i] = MakeMask(ReadLE<uint32_t>(File, start + 4 * i));
    PlainPixels32 = false;
}

void BitmapDecoder::DecodePaletteRow(const uint8_t* source, uint8_t* target) const {
    const unsigned bits = Shape.BitsPerPixel;
    const unsigned perByte = 8 / bits;
    const unsigned indexMask = (1u << bits) - 1;
    for (int64_t x = 0; x < Shape.Width; ++x, target += 3) {
        // The leftmost pixel sits in the highest bits of its byte.
        const unsigned shift = 8 - bits * (static_cast<unsigned>(x % perByte) + 1);
        const Rgb& colour = Palette[(source[x / perByte] >> shift) & indexMask];
        std::memcpy(target, colour.data(), colour.size());
    }
}

void BitmapDecoder::DecodeRow24(const uint8_t* source, size_t sourceBytes, uint8_t* target) const {
    // The stored row has the output's layout: copy it with its padding, then swap blue and red.
    const size_t width = static_cast<size_t>(Shape.Width);
    std::memcpy(target, source, std::min(sourceBytes, PaddedRowBytes(width, 3)));
    for (size_t x = 0; x < width; ++x, target += 3)
        std::swap(target[0], target[2]);
}

void BitmapDecoder::DecodeRow32(const uint8_t* source, uint8_t* target) const {
    const size_t width = static_cast<size_t>(Shape.Width);
    if (PlainPixels32) {
        for (size_t x = 0; x < width; ++x, source += 4, target += 4) {
            target[0] = source[2];
            target[1] = source[1];
            target[2] = source[0];
            target[3] = Opaque;
        }
        return;
    }
    for (size_t x = 0; x < width; ++x, source += 4, target += 4) {
        const uint32_t pixel = static_cast<uint32_t>(source[0]) | source[1] << 8 | source[2] << 16 |
                               static_cast<uint32_t>(source[3]) << 24;
        target[0] = Masks[0].Extract(pixel, 0);
        target[1] = Masks[1].Extract(pixel, 0);
        target[2] = Masks[2].Extract(pixel, 0);
        target[3] = Masks[3].Extract(pixel, Opaque);
    }
}

void BitmapDecoder::DecodeRow(const uint8_t* source, size_t sourceBytes, uint8_t* target) const {
    if (Shape.BitsPerPixel == 24)
        DecodeRow24(source, sourceBytes, target);
    else if (Shape.BitsPerPixel == 32)
        DecodeRow32(source, target);
    else
        DecodePaletteRow(source, target);
}

// Whether the bytes start with a bitmap's signature; records why not.
bool IsBitmap(std::span<const uint8_t> head, const std::string& fileName) {
    if (head.size() >= 2 && head[0] == 'B' && head[1] == 'M')
        return true;
    RecordFailure(fileName + ": not a BMP file (it does not start with \"BM\")");
    return false;
}

// A zero-filled buffer; large ones are backed by large pages before they are first written.
std::vector<uint8_t> AllocatePixels(size_t size) {
    std::vector<uint8_t> pixels;
    pixels.reserve(size);
    AdviseLargePages(pixels.data(), size);
    pixels.resize(size);
    return pixels;
}

std::optional<TBitmapImage> BitmapDecoder::Decode() {
    if (File.size() < SmallestFileBytes)
        Fail("file is " + std::to_string(File.size()) + " bytes, shorter than the 54 bytes of " +
             "a bitmap's headers");
    if (!IsBitmap(File, Name))
        return std::nullopt;
    ReadLayout();
    CheckKind();
    CheckPixelData();
    if (Shape.BitsPerPixel <= 8)
        ReadPalette();
    else if (Shape.BitsPerPixel == 32)
        ReadMasks();

    TBitmapImage image;
    image.Width = static_cast<GLint>(Shape.Width);
    image.Height = static_cast<GLint>(Shape.Height);
    image.Format = Shape.BitsPerPixel == 32 ? GL_RGBA : GL_RGB;
    const size_t width = static_cast<size_t>(Shape.Width);
    const size_t rows = static_cast<size_t>(Shape.Height);
    const size_t targetRowBytes = PaddedRowBytes(width, image.Format == GL_RGBA ? 4 : 3);
    if (File.size() + uint64_t{targetRowBytes} * rows > DecodingBudgetBytes)
        Fail(std::to_string(Shape.Width) + " x " + std::to_string(Shape.Height) +
             " pixels need more than the decoding budget of " + DecodingBudgetText());
    image.Pixels = AllocatePixels(targetRowBytes * rows);
    for (size_t row = 0; row < rows; ++row) {
        const size_t storedRow = Shape.TopDown ? rows - 1 - row : row;
        const size_t offset = Shape.PixelOffset + storedRow * Shape.RowBytes;
        const size_t sourceBytes = std::min(Shape.RowBytes, File.size() - offset);
        DecodeRow(File.data() + offset, sourceBytes, image.Pixels.data() + row * targetRowBytes);
    }
    return image;
}

} // namespace

std::optional<TBitmapImage> DecodeBMP(std::span<const uint8_t> file, const std::string& fileName) {
    return BitmapDecoder(file, fileName).Decode();
}

std::optional<std::vector<uint8_t>> ReadBMP(const std::string& fileName, GLint& width,
                                            GLint& height, GLenum& format, GLenum& type) {
    // The size and the signature first, so that a file refused for either is never read whole; a
    // file too short for the headers is refused as faulty below, whatever it starts with.
    const FileGlance glance = GlanceWithinBudget(fileName, SmallestFileBytes);
    if (glance.Size >= SmallestFileBytes && !IsBitmap(glance.Head, fileName))
        return std::nullopt;
    const MappedFile file(fileName);
    return HandOverPixels(DecodeBMP(file.Bytes(), fileName), width, height, format, type);
}

std::string DecodingBudgetText() {
    return std::to_string(DecodingBudgetBytes >> 20) + " MiB";
}

FileGlance GlanceWithinBudget(const std::string& fileName, size_t headBytes) {
    FileGlance glance = GlanceAtFile(fileName, headBytes);
    if (glance.Size > DecodingBudgetBytes)
        throw std::runtime_error(fileName + ": the file's " + std::to_string(glance.Size) +
                                 " bytes are more than the decoding budget of " +
                                 DecodingBudgetText());
    return glance;
}

std::optional<std::vector<uint8_t>> HandOverPixels(std::optional<TBitmapImage> image, GLint& width,
                                                   GLint& height, GLenum& format, GLenum& type) {
    if (!image)
        return std::nullopt;
    width = image->Width;
    height = image->Height;
    format = image->Format;
    type = image->Type;
    return std::move(image->Pixels);
}

} // namespace vyn
