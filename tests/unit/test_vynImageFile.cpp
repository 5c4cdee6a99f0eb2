// Pictures of every kind come out as the bitmap reader lays out the same pixels: each file is
// written by stb_image_write from a table of pixels, and ReadImage's buffer must equal what
// ReadBMP gives for a BMP of those pixels (grey as red, green and blue). A GIF gives its first
// frame; damaged files are refused naming the file, the kind and the fault.
#include "framework/resources/vynImageFile.h"
#include "framework/resources/vynStbImage.h"
#include "tests/support/vynBitmapWriter.h"
#include "tests/support/vynTestSupport.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include <gmock/gmock.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace vyn;

namespace {

// Rows of 15 or 20 bytes: RGB rows need padding, RGBA ones do not.
constexpr int Width = 5, Height = 3;

struct Read {
    std::vector<uint8_t> Pixels;
    GLint Width = 0, Height = 0;
    GLenum Format = 0, Type = 0;
    bool operator==(const Read&) const = default;
};

template <typename Reader>
Read ReadWith(Reader reader, const std::filesystem::path& file) {
    Read read;
    auto pixels = reader(file.string(), read.Width, read.Height, read.Format, read.Type);
    read.Pixels = pixels.value_or(std::vector<uint8_t>{});
    return read;
}

// The kind written, by stb_image_write: a JPEG of one grey throughout is lossless at the best
// quality.
int Write(const std::string& kind, const char* file, int channels, const uint8_t* pixels) {
    if (kind == "PNG")
        return stbi_write_png(file, Width, Height, channels, pixels, 0);
    if (kind == "TGA")
        return stbi_write_tga(file, Width, Height, channels, pixels);
    return stbi_write_jpg(file, Width, Height, channels, pixels, 100);
}

const std::pair<const char*, int> Kinds[] = {{"PNG", 3}, {"PNG", 4}, {"PNG", 1}, {"PNG", 2},
                                             {"TGA", 3}, {"TGA", 4}, {"JPEG", 1}};

TEST(ImageFile, EachKindComesOutAsTheBitmapReaderLaysOutTheSamePixels) {
    const test::TempDir folder;
    for (const auto& [kind, channels] : Kinds) {
        SCOPED_TRACE(std::string(kind) + " of " + std::to_string(channels) + " channels");
        std::vector<uint8_t> pixels, colour; // colour: grey as red, green and blue
        for (int i = 0; i < Width * Height * channels; ++i) {
            pixels.push_back(static_cast<uint8_t>(kind[0] == 'J' ? 136 : 37 * i));
            colour.insert(colour.end(), channels <= 2 && i % channels == 0 ? 3 : 1, pixels.back());
        }
        ASSERT_TRUE(Write(kind, (folder / "picture").string().c_str(), channels, pixels.data()));
        ASSERT_TRUE(stbi_write_bmp((folder / "picture.bmp").string().c_str(), Width, Height,
                                   channels % 2 ? 3 : 4, colour.data()));
        const Read expected = ReadWith(ReadBMP, folder / "picture.bmp");
        ASSERT_FALSE(expected.Pixels.empty()) << LastFailure();
        EXPECT_EQ(ReadWith(ReadImage, folder / "picture"), expected);
    }
}

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
    EXPECT_EQ(image->Format, static_cast<GLenum>(GL_RGBA));
    std::vector<uint8_t> red;
    for (int i = 0; i < 15; ++i)
        red.insert(red.end(), {255, 0, 0, 255});
    EXPECT_EQ(image->Pixels, red);
}

// A PNG's signature and header chunk, claiming a picture of the size, depth and colour type.
std::vector<uint8_t> PngHeader(uint32_t width, uint32_t height, uint8_t depth, uint8_t colour) {
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                                0,    0,   0,   13,  'I',  'H',  'D',  'R'};
    for (uint32_t value : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8)
            png.push_back(static_cast<uint8_t>(value >> shift));
    png.insert(png.end(), {depth, colour, 0, 0, 0, 0, 0, 0, 0}); // ..., its checksum
    png.insert(png.end(), {0, 0, 0, 0, 'I', 'D', 'A', 'T'});     // where the header ends
    return png;
}

TEST(ImageFile, ADamagedPictureIsRefusedNamingTheFileItsKindAndTheFault) {
    int size = 0;
    const uint8_t grey[Width * Height] = {};
    unsigned char* written = stbi_write_png_to_mem(grey, Width, Width, Height, 1, &size);
    std::vector<uint8_t> png(written, written + size), huge = png;
    STBIW_FREE(written);
    huge[16] = 0x01; // the header's width, big-endian: 16777221 pixels
    const std::vector<std::pair<std::vector<uint8_t>, std::string>> cases = {
        {{png.begin(), png.begin() + 40}, "PNG picture cannot be decoded: "},
        {huge, "PNG picture cannot be decoded: too large"},
        {{0xFF, 0xD8, 0xFF, 0xE0, 0, 0}, "JPEG picture cannot be decoded: "},
        // A few bytes that would have the decoder take 2 GB.
        {{'G', 'I', 'F', '8', '9', 'a', 0x7f, 0x32, 0x00, 0x40, 0, 0, 0, 0x2c},
         "GIF picture cannot be decoded: 12927 x 16384 pixels need 1818 MiB to decode, more than "
         "the budget of 512 MiB"},
        // Within the pixel count that once bounded them, more than decoding may take: a GIF's
        // working buffers, 9 bytes a pixel; samples of 16 bits.
        {{'G', 'I', 'F', '8', '9', 'a', 0x00, 0x20, 0x00, 0x20, 0, 0, 0, 0x2c},
         "GIF picture cannot be decoded: 8192 x 8192 pixels need 577 MiB"},
        {PngHeader(6000, 6000, 16, 6),
         "PNG picture cannot be decoded: 6000 x 6000 pixels need 550 MiB"},
    };
    for (const auto& [bytes, reason] : cases) {
        std::string refusal = "not refused";
        try {
            DecodeImage(bytes, "damaged");
        } catch (const std::runtime_error& error) {
            refusal = error.what();
        }
        EXPECT_TRUE(refusal.starts_with("damaged: the " + reason)) << refusal;
    }
}

// What the headers do not tell (a PNG's compressed data gathered, its rows widened to red, green
// and blue), the decoder's own allocations do: they are refused once they would pass the budget.
TEST(ImageFile, TheDecodersOwnAllocationsAreHeldToTheBudget) {
    int size = 0;
    const uint8_t grey[Width * Height] = {};
    unsigned char* written = stbi_write_png_to_mem(grey, Width, Width, Height, 1, &size);
    const std::vector<uint8_t> png(written, written + size);
    STBIW_FREE(written);
    EXPECT_THAT([&] { DecodeWithStb(png, png.size() + 2 * Width * Height); },
                ::testing::ThrowsMessage<std::runtime_error>(
                    ::testing::HasSubstr("decoding needs more than the budget of")));
    EXPECT_EQ(DecodeWithStb(png, png.size() + 65536).Width, Width);
}

#ifdef __linux__ // where the address space can be limited
using Reader = decltype(&ReadImage);

// How the reader takes the file: its exception's text, or why it gave no picture.
std::string Outcome(Reader reader, const std::filesystem::path& path) {
    try {
        return ReadWith(reader, path).Pixels.empty() ? "no picture: " + LastFailure() : "a picture";
    } catch (const std::runtime_error& error) {
        return error.what();
    }
}

// Leaves the process 256 MiB more address space than it holds: too little to map a file of
// hundreds of megabytes, which a file read whole is.
void LimitAddressSpace() {
    std::ifstream statm("/proc/self/statm"); // its first field: the pages held
    rlim_t pages = 0;
    statm >> pages;
    const rlim_t bytes = pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (rlim_t{256} << 20);
    const rlimit limit{bytes, bytes};
    setrlimit(RLIMIT_AS, &limit);
}

// ReadImage and ReadBMP learn a file's size and kind before they map it: refusing a file of
// gigabytes, or a film in a folder of pictures, takes neither its time nor its memory. Each is
// read with too little address space left to map it.
TEST(ImageFile, AFileTooLargeOrOfNoKindIsRefusedWithoutBeingReadWhole) {
    const test::TempDir folder;
    struct Case {
        Reader Read;
        const char* Name;
        std::vector<uint8_t> Head;
        uintmax_t Size;
        const char* Outcome;
    };
    const std::vector<uint8_t> film = {0x1A, 0x45, 0xDF, 0xA3}; // Matroska's signature
    const uintmax_t large = uintmax_t{3} << 30, filmSize = uintmax_t{400} << 20;
    const Case cases[] = {
        {ReadImage, "a.png", PngHeader(64, 64, 8, 6), large, "a.png: the file's 3221225472 bytes"},
        {ReadImage, "film", film, filmSize, "no picture: .*film: not a picture of a kind read"},
        {ReadBMP, "a.bmp", {'B', 'M'}, large, "a.bmp: the file's 3221225472 bytes are more than"},
        {ReadBMP, "film", film, filmSize, "no picture: .*film: not a BMP file"},
    };
    for (const Case& file : cases) {
        SCOPED_TRACE(file.Name);
        const std::filesystem::path path = folder / file.Name;
        test::WriteBytes(path, file.Head);
        std::filesystem::resize_file(path, file.Size); // sparse: no disk, and read as zeros
        EXPECT_EXIT(
            {
                LimitAddressSpace();
                std::fputs(Outcome(file.Read, path).c_str(), stderr);
                std::_Exit(0); // no exit handlers: a leak check would find the test's objects
            },
            ::testing::ExitedWithCode(0), file.Outcome);
        std::filesystem::remove(path);
    }
}

#endif

} // namespace
