// Pictures of every kind come out as the bitmap reader lays out the same pixels: each file is
// written by stb_image_write from a table of pixels, and ReadImage's buffer must equal what
// ReadBMP gives for a BMP of those pixels (grey expanded to red, green and blue). A GIF gives its
// first frame; damaged files are refused naming the file, the kind and the fault.
#include "framework/resources/vynImageFile.h"
#include "tests/support/vynTestSupport.h"

#include <gtest/gtest.h>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

using namespace vyn;

namespace {

// Five pixels a row: rows of 15 and 20 bytes, so that RGB rows need padding and RGBA ones do not.
constexpr int Width = 5;
constexpr int Height = 3;

struct Picture {
    std::vector<GLubyte> Pixels;
    GLint Width = 0, Height = 0;
    GLenum Format = 0, Type = 0;
};

// A picture of `channels` bytes a pixel, rows from the top, each value distinct enough to show
// a row or a channel in the wrong place.
std::vector<uint8_t> Pixels(int channels) {
    std::vector<uint8_t> pixels(static_cast<size_t>(Width * Height * channels));
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<uint8_t>(17 * i + 40 * (i % static_cast<size_t>(channels)));
    return pixels;
}

// Grey as red, green and blue, grey with alpha as all four.
std::vector<uint8_t> AsColour(const std::vector<uint8_t>& pixels, int channels) {
    if (channels > 2)
        return pixels;
    std::vector<uint8_t> colour;
    for (size_t i = 0; i < pixels.size(); i += static_cast<size_t>(channels)) {
        colour.insert(colour.end(), 3, pixels[i]);
        if (channels == 2)
            colour.push_back(pixels[i + 1]);
    }
    return colour;
}

Picture Read(const std::filesystem::path& file,
             std::optional<std::vector<uint8_t>> (*reader)(const std::string&, GLint&, GLint&,
                                                           GLenum&, GLenum&)) {
    Picture picture;
    auto pixels =
        reader(file.string(), picture.Width, picture.Height, picture.Format, picture.Type);
    if (!pixels)
        throw std::runtime_error(file.string() + " gave no picture: " + LastFailure());
    picture.Pixels = std::move(*pixels);
    return picture;
}

using Writer = int (*)(const char* file, int channels, const std::vector<uint8_t>& pixels);

struct KindCase {
    const char* Name;
    int Channels;
    Writer Write;
    int Tolerance; // JPEG loses a little even at the best quality
};

int WritePng(const char* file, int channels, const std::vector<uint8_t>& pixels) {
    return stbi_write_png(file, Width, Height, channels, pixels.data(), Width * channels);
}
int WriteTga(const char* file, int channels, const std::vector<uint8_t>& pixels) {
    return stbi_write_tga(file, Width, Height, channels, pixels.data());
}
int WriteJpeg(const char* file, int channels, const std::vector<uint8_t>& pixels) {
    return stbi_write_jpg(file, Width, Height, channels, pixels.data(), 100);
}

void PrintTo(const KindCase& kind, std::ostream* out) {
    *out << kind.Name;
}

class Kinds : public ::testing::TestWithParam<KindCase> {
  protected:
    test::TempDir Folder;
};

TEST_P(Kinds, ComeOutAsTheBitmapReaderLaysOutTheSamePixels) {
    const KindCase& kind = GetParam();
    const std::vector<uint8_t> pixels = Pixels(kind.Channels);
    const std::vector<uint8_t> colour = AsColour(pixels, kind.Channels);
    const int colourChannels = kind.Channels > 2 ? kind.Channels : kind.Channels + 2;
    ASSERT_TRUE(kind.Write((Folder / "picture").c_str(), kind.Channels, pixels));
    ASSERT_TRUE(stbi_write_bmp((Folder / "picture.bmp").c_str(), Width, Height, colourChannels,
                               colour.data()));

    const Picture read = Read(Folder / "picture", ReadImage);
    const Picture expected = Read(Folder / "picture.bmp", ReadBMP);
    EXPECT_EQ(read.Width, expected.Width);
    EXPECT_EQ(read.Height, expected.Height);
    EXPECT_EQ(read.Format, expected.Format);
    EXPECT_EQ(read.Type, expected.Type);
    ASSERT_EQ(read.Pixels.size(), expected.Pixels.size());
    for (size_t i = 0; i < read.Pixels.size(); ++i)
        ASSERT_NEAR(read.Pixels[i], expected.Pixels[i], kind.Tolerance) << "byte " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Files, Kinds,
    ::testing::Values(KindCase{"PngRgb", 3, WritePng, 0}, KindCase{"PngRgba", 4, WritePng, 0},
                      KindCase{"PngGrey", 1, WritePng, 0}, KindCase{"PngGreyAlpha", 2, WritePng, 0},
                      KindCase{"TgaRgb", 3, WriteTga, 0}, KindCase{"TgaRgba", 4, WriteTga, 0},
                      KindCase{"JpegRgb", 3, WriteJpeg, 4}),
    [](const auto& info) { return std::string(info.param.Name); });

// Five by three pixels: a red frame, then a blue one.
const std::vector<uint8_t> TwoFrameGif = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x05, 0x00, 0x03, 0x00, 0xf0, 0x00, 0x00, 0xff, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0xff, 0x0b, 0x4e, 0x45,
    0x54, 0x53, 0x43, 0x41, 0x50, 0x45, 0x32, 0x2e, 0x30, 0x03, 0x01, 0x00, 0x00, 0x00, 0x2c, 0x00,
    0x00, 0x00, 0x00, 0x05, 0x00, 0x03, 0x00, 0x00, 0x02, 0x03, 0x84, 0x8f, 0x59, 0x00, 0x21, 0xf9,
    0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x05, 0x00, 0x03, 0x00, 0x80,
    0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0x02, 0x03, 0x84, 0x8f, 0x59, 0x00, 0x3b};

TEST(ImageFile, AGifGivesItsFirstFrame) {
    const std::optional<TBitmapImage> image = DecodeImage(TwoFrameGif, "two.gif");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Width, 5);
    EXPECT_EQ(image->Height, 3);
    ASSERT_EQ(image->Format, static_cast<GLenum>(GL_RGBA));
    ASSERT_EQ(image->Pixels.size(), 60u);
    for (size_t i = 0; i < image->Pixels.size(); i += 4)
        ASSERT_EQ(std::vector<uint8_t>(image->Pixels.begin() + i, image->Pixels.begin() + i + 4),
                  (std::vector<uint8_t>{255, 0, 0, 255}))
            << "pixel " << i / 4;
}

std::vector<uint8_t> PngBytes() {
    int size = 0;
    std::vector<uint8_t> pixels = Pixels(3);
    unsigned char* png = stbi_write_png_to_mem(pixels.data(), Width * 3, Width, Height, 3, &size);
    std::vector<uint8_t> bytes(png, png + size);
    std::free(png);
    return bytes;
}

struct FaultCase {
    const char* Fault;
    std::vector<uint8_t> Bytes;
    std::string Reason; // what the message says after the file's name
};

TEST(ImageFile, ADamagedPictureIsRefusedNamingTheFileItsKindAndTheFault) {
    std::vector<uint8_t> huge = PngBytes();
    huge[16] = 0x01; // the width in the header, big-endian: 16777221 pixels
    const std::vector<uint8_t> png = PngBytes();
    const std::vector<FaultCase> cases = {
        {"truncated", std::vector<uint8_t>(png.begin(), png.begin() + 40),
         "the PNG picture cannot be decoded: "},
        {"too large", huge, "the PNG picture cannot be decoded: too large"},
        {"JPEG signature, nothing else",
         {0xFF, 0xD8, 0xFF, 0xE0, 0, 0},
         "the JPEG picture cannot be decoded: "},
        {"GIF signature, nothing else",
         {'G', 'I', 'F', '8', '9', 'a'},
         "the GIF picture cannot be decoded: "},
        // A few bytes that would have the decoder take 2 GB.
        {"too many pixels",
         {'G', 'I', 'F', '8', '9', 'a', 0x7f, 0x32, 0x00, 0x40, 0x00, 0x00, 0x00, 0x2c},
         "the GIF picture cannot be decoded: 12927 x 16384 pixels, more than 8192 x 8192"},
    };
    for (const FaultCase& fault : cases) {
        SCOPED_TRACE(fault.Fault);
        try {
            DecodeImage(fault.Bytes, "damaged");
            ADD_FAILURE() << "not refused";
        } catch (const std::runtime_error& error) {
            EXPECT_TRUE(std::string(error.what()).starts_with("damaged: " + fault.Reason))
                << error.what();
        }
    }
}

} // namespace
