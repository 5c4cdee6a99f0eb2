#include "framework/resources/vynBitmapU.h"

#include "tests/support/vynBitmapWriter.h"
#include "tests/support/vynTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>

using namespace vyn;
using namespace vyn::test;
using ::testing::HasSubstr;

namespace {

using Rgb = std::array<uint8_t, 3>;

// A distinct colour for every pixel, so that a misplaced pixel shows.
Rgb Distinct(int x, int y) {
    return {static_cast<uint8_t>(10 + x), static_cast<uint8_t>(100 + y),
            static_cast<uint8_t>(200 + x + y)};
}

TBitmapImage Decode(const std::vector<uint8_t>& file) {
    std::optional<TBitmapImage> image = DecodeBMP(file, "test.bmp");
    if (!image)
        throw std::logic_error("no image");
    return std::move(*image);
}

// The decoder's message for a file it refuses, or "" when it decodes it.
std::string Refusal(const std::vector<uint8_t>& file) {
    try {
        DecodeBMP(file, "bad.bmp");
        return "";
    } catch (const std::runtime_error& error) {
        return error.what();
    }
}

Rgb PixelAt(const TBitmapImage& image, int x, int y) {
    const size_t bytes = image.Format == GL_RGBA ? 4 : 3;
    const uint8_t* pixel = &image.Pixels[y * PaddedRowBytes(image.Width, bytes) + x * bytes];
    return {pixel[0], pixel[1], pixel[2]};
}

} // namespace

TEST(ReadBMP, Served24BitFileGivesRgbRowsBottomUp) {
    TempDir dir;
    WriteBytes(dir / "a.bmp", MakeBitmap(Fields(4, 2), Rows24(4, 2, Distinct)));
    GLint width = 0, height = 0;
    GLenum format = 0, type = 0;
    std::optional<std::vector<uint8_t>> pixels =
        ReadBMP((dir / "a.bmp").string(), width, height, format, type);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(width, 4);
    EXPECT_EQ(height, 2);
    EXPECT_EQ(format, GL_RGB);
    EXPECT_EQ(type, GL_UNSIGNED_BYTE);
    ASSERT_EQ(pixels->size(), 24u);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) {
            const uint8_t* pixel = &(*pixels)[12 * y + 3 * x];
            EXPECT_EQ((Rgb{pixel[0], pixel[1], pixel[2]}), Distinct(x, y)) << x << "," << y;
        }
}

TEST(ReadBMP, PaddedRowsStartOnFourBytesAndKeepTheirPadding) {
    const TBitmapImage image = Decode(MakeBitmap(Fields(3, 2), Rows24(3, 2, Distinct, 0xAB)));
    ASSERT_EQ(image.Pixels.size(), 24u);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(PixelAt(image, x, y), Distinct(x, y));
    for (size_t padding : {9, 10, 11, 21, 22, 23})
        EXPECT_EQ(image.Pixels[padding], 0xAB) << padding;
}

TEST(ReadBMP, FileWithoutSignatureYieldsNothingAndLeavesTheOutputs) {
    TempDir dir;
    std::vector<uint8_t> png(80, 0);
    png[0] = 0x89;
    png[1] = 'P';
    WriteBytes(dir / "p.png", png);
    GLint width = -5, height = -6;
    GLenum format = 7, type = 8;
    EXPECT_FALSE(ReadBMP((dir / "p.png").string(), width, height, format, type));
    EXPECT_EQ(width, -5);
    EXPECT_EQ(height, -6);
    EXPECT_EQ(format, 7u);
    EXPECT_EQ(type, 8u);
}

TEST(ReadBMP, UnreadableOrShortFilesThrowNamingTheFile) {
    TempDir dir;
    GLint width = 0, height = 0;
    GLenum format = 0, type = 0;
    const std::string missing = (dir / "missing.bmp").string();
    EXPECT_THAT([&] { ReadBMP(missing, width, height, format, type); },
                ::testing::ThrowsMessage<std::runtime_error>(HasSubstr(missing + ": cannot open")));
    // Too short for the headers: refused before the signature is looked at.
    WriteBytes(dir / "short.png", std::vector<uint8_t>(53, 'x'));
    const std::string shortName = (dir / "short.png").string();
    EXPECT_THAT([&] { ReadBMP(shortName, width, height, format, type); },
                ::testing::ThrowsMessage<std::runtime_error>(
                    HasSubstr(shortName + ": file is 53 bytes, shorter than the 54 bytes")));
    WriteBytes(dir / "empty.bmp", {});
    EXPECT_THROW(ReadBMP((dir / "empty.bmp").string(), width, height, format, type),
                 std::runtime_error);
    EXPECT_THROW(ReadBMP(dir.Path().string(), width, height, format, type), std::runtime_error);
    EXPECT_EQ(width, 0);
}

TEST(DecodeBMP, HonoursThePixelDataOffsetAndFlipsTopDownFiles) {
    const auto rows = Rows24(5, 3, Distinct);
    const TBitmapImage gap = Decode(MakeBitmap(Fields(5, 3).Gap(6), rows));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(PixelAt(gap, x, y), Distinct(x, y));

    // Stored top row first: the same rows read as the picture upside down.
    const TBitmapImage topDown = Decode(MakeBitmap(Fields(5, -3), rows));
    EXPECT_EQ(topDown.Height, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(PixelAt(topDown, x, y), Distinct(x, 2 - y));
}

TEST(DecodeBMP, PixelDataMustHoldEveryRow) {
    auto rows = Rows24(3, 4, Distinct, 0x77); // rows of 9 bytes + 3 padding
    // The last row needs its pixels but not its padding.
    rows.resize(rows.size() - 3);
    const TBitmapImage image = Decode(MakeBitmap(Fields(3, 4), rows));
    EXPECT_EQ(PixelAt(image, 2, 3), Distinct(2, 3));
    EXPECT_EQ(image.Pixels[33], 0x77);
    EXPECT_EQ(image.Pixels[45], 0) << "padding the file lacks comes out zero";

    rows.pop_back();
    EXPECT_THAT(
        Refusal(MakeBitmap(Fields(3, 4), rows)),
        HasSubstr("bad.bmp: pixel data holds 44 bytes, but 3 x 4 pixels of 24 bits need 45"));
    // Sizes far beyond the file, up to the largest a header can give, computed without overflow.
    EXPECT_THAT(Refusal(MakeBitmap(Fields(3000000, 2000000), rows)),
                HasSubstr("need 18000000000000"));
    EXPECT_THAT(Refusal(MakeBitmap(Fields(INT32_MAX, INT32_MAX).Bits(32), rows)),
                HasSubstr("need 18446744056529682436"));
    // Every row there, but decoded 24 times as large: 4 KiB of 1-bit pixels give 96 KiB.
    EXPECT_THAT(Refusal(MakeBitmap(Fields(32768, 6000).Bits(1).PaletteOf({{0, 0, 0}}),
                                   std::vector<uint8_t>(size_t{4096} * 6000))),
                HasSubstr("32768 x 6000 pixels need more than the decoding budget of 512 MiB"));
}

TEST(DecodeBMP, ZeroAndNegativeSizesAreRefused) {
    const auto rows = Rows24(2, 2, Distinct);
    EXPECT_THAT(Refusal(MakeBitmap(Fields(0, 2), rows)), HasSubstr("width 0 is not positive"));
    EXPECT_THAT(Refusal(MakeBitmap(Fields(-2, 2), rows)), HasSubstr("width -2 is not positive"));
    EXPECT_THAT(Refusal(MakeBitmap(Fields(2, 0), rows)), HasSubstr("height 0 is not"));
    EXPECT_THAT(Refusal(MakeBitmap(Fields(2, INT32_MIN), rows)),
                HasSubstr("height -2147483648 is not"));
}

TEST(DecodeBMP, KindsNotReadAreRefusedByName) {
    const std::vector<uint8_t> rows(64, 0);
    EXPECT_THAT(Refusal(MakeBitmap(Fields(2, 2).Bits(16), rows)),
                HasSubstr("16-bit bitmaps are not read"));
    EXPECT_THAT(Refusal(MakeBitmap(Fields(2, 2).Bits(8).Compress(1), rows)),
                HasSubstr("RLE-compressed"));
    EXPECT_THAT(Refusal(MakeBitmap(Fields(2, 2).Bits(4).Compress(2), rows)),
                HasSubstr("RLE-compressed"));
    EXPECT_THAT(Refusal(MakeBitmap(Fields(2, 2).Bits(0).Compress(4), rows)), HasSubstr("JPEG"));
    EXPECT_THAT(Refusal(MakeBitmap(Fields(2, 2).Bits(0).Compress(5), rows)), HasSubstr("PNG"));
    EXPECT_THAT(Refusal(MakeBitmap(Fields(2, 2).Compress(11), rows)),
                HasSubstr("compression 11 is not read"));
    EXPECT_THAT(Refusal(MakeBitmap(Fields(2, 2).Bits(30000), rows)),
                HasSubstr("30000 bits per pixel"));
    EXPECT_THAT(
        Refusal(MakeBitmap(Fields(2, 2).Compress(3).MasksOf({0xFF, 0xFF00, 0xFF0000}), rows)),
        HasSubstr("bit-field masks with 24 bits per pixel"));
}

TEST(DecodeBMP, HeadersThatDoNotFitAreRefused) {
    const std::vector<uint8_t> rows(64, 0);
    EXPECT_THAT(Refusal(MakeBitmap(Fields(2, 2).Header(16), rows)),
                HasSubstr("info header of 16 bytes is not read"));

    auto file = MakeBitmap(Fields(2, 2), rows);
    PutLE(file, 14, 4000, 4);
    EXPECT_THAT(Refusal(file), HasSubstr("info header of 4000 bytes runs past the end"));
    PutLE(file, 14, 40, 4);
    PutLE(file, 10, 40, 4);
    EXPECT_THAT(Refusal(file), HasSubstr("pixel data offset 40 lies inside the headers"));
    PutLE(file, 10, 0xFFFFFFF0u, 4);
    EXPECT_THAT(Refusal(file), HasSubstr("pixel data offset 4294967280 lies past the end"));
}

TEST(DecodeBMP, LargerInfoHeadersAndTheCoreHeaderAreRead) {
    const auto rows = Rows24(3, 2, Distinct);
    for (uint32_t headerSize : {40u, 52u, 56u, 64u, 108u, 124u}) {
        const TBitmapImage image = Decode(MakeBitmap(Fields(3, 2).Header(headerSize), rows));
        EXPECT_EQ(PixelAt(image, 2, 1), Distinct(2, 1)) << headerSize;
    }
    const TBitmapImage core = Decode(MakeBitmap(Fields(3, 2).Header(12).Gap(8), rows));
    EXPECT_EQ(core.Width, 3);
    EXPECT_EQ(PixelAt(core, 2, 1), Distinct(2, 1));
}

TEST(DecodeBMP, ThirtyTwoBitFilesGiveRgba) {
    // Plain: blue, green, red and an unused byte that does not become alpha.
    const std::vector<uint8_t> plainRows = {1, 2, 3, 0, 4, 5, 6, 99};
    const TBitmapImage plain = Decode(MakeBitmap(Fields(2, 1).Bits(32), plainRows));
    EXPECT_EQ(plain.Format, GL_RGBA);
    EXPECT_EQ(plain.Pixels, (std::vector<uint8_t>{3, 2, 1, 255, 6, 5, 4, 255}));

    // Masks of 10, 10, 10 and 2 bits, red in the low bits; channels scale to 8 bits.
    const uint32_t pixel = 1023u | (512u << 10) | (0u << 20) | (1u << 30);
    std::vector<uint8_t> maskedRows(4);
    PutLE(maskedRows, 0, pixel, 4);
    const std::vector<uint32_t> masks = {0x3FF, 0xFFC00, 0x3FF00000, 0xC0000000};
    for (uint32_t headerSize : {40u, 56u, 108u}) {
        // A 40-byte header needs the alpha-bit-fields kind to carry a fourth mask.
        const uint32_t compression = headerSize == 40 ? 6 : 3;
        const TBitmapImage image = Decode(MakeBitmap(
            Fields(1, 1).Bits(32).Header(headerSize).Compress(compression).MasksOf(masks),
            maskedRows));
        EXPECT_EQ(image.Pixels, (std::vector<uint8_t>{255, 128, 0, 85})) << headerSize;
    }
    // Three masks only: no alpha, so opaque.
    const TBitmapImage opaque = Decode(MakeBitmap(
        Fields(1, 1).Bits(32).Compress(3).MasksOf({0x3FF, 0xFFC00, 0x3FF00000}), maskedRows));
    EXPECT_EQ(opaque.Pixels, (std::vector<uint8_t>{255, 128, 0, 255}));
}

// Channels of 25 bits and more overflow 32 bits when scaled to 8; the scale must stay exact.
TEST(DecodeBMP, WideBitFieldMasksScaleExactly) {
    struct Case {
        std::vector<uint32_t> Masks;
        std::vector<uint32_t> Pixels;
        std::vector<Rgb> Expected;
    };
    const Case cases[] = {
        // Red of 25 bits, green of 1, blue of 6.
        {{0x01FFFFFF, 0x02000000, 0xFC000000},
         {0x01FFFFFF, 0x01000000, 0x00FFFFFF, 0x06000001},
         {{255, 0, 0}, {128, 0, 0}, {127, 0, 0}, {0, 255, 4}}},
        // One channel of all 32 bits.
        {{0xFFFFFFFF, 0, 0},
         {0xFFFFFFFF, 0x80000000, 0x7FFFFFFF, 0x01000000},
         {{255, 0, 0}, {128, 0, 0}, {127, 0, 0}, {1, 0, 0}}},
    };
    for (const Case& one : cases) {
        std::vector<uint8_t> rows(4 * one.Pixels.size());
        for (size_t i = 0; i < one.Pixels.size(); ++i)
            PutLE(rows, 4 * i, one.Pixels[i], 4);
        const auto width = static_cast<int32_t>(one.Pixels.size());
        const TBitmapImage image =
            Decode(MakeBitmap(Fields(width, 1).Bits(32).Compress(3).MasksOf(one.Masks), rows));
        for (int x = 0; x < width; ++x)
            EXPECT_EQ(PixelAt(image, x, 0), one.Expected[x])
                << "mask " << one.Masks[0] << ", x " << x;
    }
}

TEST(DecodeBMP, BrokenBitFieldMasksAreRefused) {
    const std::vector<uint8_t> rows(4, 0);
    EXPECT_THAT(Refusal(MakeBitmap(
                    Fields(1, 1).Bits(32).Compress(3).MasksOf({0xF0F, 0xF000, 0xF0000}), rows)),
                HasSubstr("mask 3855 is not one run of bits"));
    // Masks that the file ends before.
    const auto file = MakeBitmap(Fields(1, 1).Bits(32).Compress(3), rows);
    EXPECT_THAT(Refusal(file), HasSubstr("masks run past the end of the file"));
}

TEST(DecodeBMP, PaletteFilesOfEveryDepthGiveRgb) {
    const std::vector<Rgb> palette = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 9, 9}};
    // Row "0 1 2 3 4 ..." packed at each depth, leftmost pixel in the high bits.
    const std::vector<std::pair<uint16_t, std::vector<uint8_t>>> depths = {
        {1, {0b01010000, 0, 0, 0}},
        {2, {0b00011011, 0, 0, 0}},
        {4, {0x01, 0x23, 0x40, 0}},
        {8, {0, 1, 2, 3, 4, 0, 0, 0}},
    };
    for (const auto& [bits, row] : depths) {
        const int width = bits == 1 ? 4 : bits == 2 ? 4 : 5;
        const TBitmapImage image = Decode(MakeBitmap(
            Fields(width, 1).Bits(bits).PaletteOf(
                {palette.begin(), palette.begin() + std::min<size_t>(5, size_t(1) << bits)}),
            row));
        EXPECT_EQ(image.Format, GL_RGB);
        for (int x = 0; x < width; ++x) {
            const Rgb expected = bits == 1 ? palette[x % 2] : palette[x];
            EXPECT_EQ(PixelAt(image, x, 0), expected) << bits << " bits, pixel " << x;
        }
    }
}

TEST(DecodeBMP, PaletteIndexesBeyondTheTableReadBlack) {
    // Two entries, pixels use index 2 and 255; the table ends where the pixel data starts.
    const TBitmapImage image = Decode(MakeBitmap(
        Fields(3, 1).Bits(8).Colours(200).PaletteOf({{1, 2, 3}, {4, 5, 6}}), {1, 2, 255, 0}));
    EXPECT_EQ(PixelAt(image, 0, 0), (Rgb{4, 5, 6}));
    EXPECT_EQ(PixelAt(image, 1, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(PixelAt(image, 2, 0), (Rgb{0, 0, 0}));
    // The core header's table has three-byte entries.
    const TBitmapImage core = Decode(MakeBitmap(
        Fields(2, 1).Bits(8).Header(12).PaletteOf({{1, 2, 3}, {4, 5, 6}}).Gap(20), {1, 0, 0, 0}));
    EXPECT_EQ(PixelAt(core, 0, 0), (Rgb{4, 5, 6}));
    EXPECT_EQ(PixelAt(core, 1, 0), (Rgb{1, 2, 3}));

    EXPECT_THAT(Refusal(MakeBitmap(Fields(3, 1).Bits(8), {1, 2, 3, 0})),
                HasSubstr("8-bit bitmap without a colour table"));
}
