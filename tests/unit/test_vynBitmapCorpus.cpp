// The bitmap reader against the BMP Suite corpus (tests/data/bmpsuite).
//
// The suite draws one picture in every encoding. g/rgb24.bmp, the plain 24-bit file, is the
// reference; every other file is compared with it by what its encoding can hold: exactly, or
// per-pixel within a few levels for narrow bit fields, or (for palette files, which the suite
// dithers in linear light) by the mean linear-light colour of 16 x 8 cells. Files that are the
// same picture in another container must decode to exactly the same pixels. Every file of the
// corpus is listed with what must happen to it, so that a new file cannot go unchecked.
#include "framework/resources/vynBitmapU.h"

#include "tests/support/vynTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

using namespace vyn;

namespace {

namespace fs = std::filesystem;
using Rgb = std::array<uint8_t, 3>;
using LinearRgb = std::array<double, 3>;

fs::path SuiteDir() {
    return vyn::test::TestDataDir() / "bmpsuite";
}

enum class Check {
    Exact,   // RGB of every pixel within Tolerance of the reference; alpha opaque
    SameAs,  // exactly the pixels of the file named in Other
    Colour,  // linear-light cell colours within Tolerance of the reference
    Grey,    // grey pixels whose linear-light cell luminance is within Tolerance
    Resized, // drawn at other sizes: 8 x 4 cells, within Tolerance
    Decodes, // decodes safely; the picture differs by design
    Refused, // throws, naming the file and Other in the message
};

struct Expectation {
    Check Kind;
    double Tolerance = 0;
    std::string Other;
};

Expectation Exact(double levels = 0) {
    return {Check::Exact, levels, ""};
}
Expectation SameAs(std::string file) {
    return {Check::SameAs, 0, std::move(file)};
}
Expectation Colour(double tolerance) {
    return {Check::Colour, tolerance, ""};
}
Expectation Grey(double tolerance) {
    return {Check::Grey, tolerance, ""};
}
Expectation Resized(double tolerance) {
    return {Check::Resized, tolerance, ""};
}
Expectation Decodes() {
    return {Check::Decodes, 0, ""};
}
Expectation Refused(std::string reason) {
    return {Check::Refused, 0, std::move(reason)};
}

const std::map<std::string, Expectation>& Corpus() {
    static const std::map<std::string, Expectation> corpus = {
        {"g/rgb24.bmp", Exact()},
        {"g/rgb24pal.bmp", Exact()},
        {"g/rgb32.bmp", Exact()},
        {"g/rgb32bf.bmp", Exact()},
        {"g/rgb32bfdef.bmp", Exact()},
        {"g/pal8.bmp", Colour(0.04)},
        {"g/pal8-0.bmp", SameAs("g/pal8.bmp")},
        {"g/pal8os2.bmp", SameAs("g/pal8.bmp")},
        {"g/pal8topdown.bmp", SameAs("g/pal8.bmp")},
        {"g/pal8v4.bmp", SameAs("g/pal8.bmp")},
        {"g/pal8v5.bmp", SameAs("g/pal8.bmp")},
        {"g/pal8gs.bmp", Grey(0.01)},
        {"g/pal8nonsquare.bmp", Resized(0.07)},
        {"g/pal8w124.bmp", Resized(0.15)},
        {"g/pal8w125.bmp", Resized(0.15)},
        {"g/pal8w126.bmp", Resized(0.08)},
        {"g/pal4.bmp", Colour(0.06)},
        {"g/pal4gs.bmp", Grey(0.02)},
        {"g/pal1.bmp", Grey(0.07)},
        {"g/pal1wb.bmp", SameAs("g/pal1.bmp")},
        {"g/pal1bg.bmp", Decodes()}, // two other colours; checked against pal1 below
        {"g/pal4rle.bmp", Refused("RLE-compressed bitmaps are not read")},
        {"g/pal8rle.bmp", Refused("RLE-compressed bitmaps are not read")},
        {"g/rgb16.bmp", Refused("16-bit bitmaps are not read")},
        {"g/rgb16-565.bmp", Refused("16-bit bitmaps are not read")},
        {"g/rgb16-565pal.bmp", Refused("16-bit bitmaps are not read")},
        {"g/rgb16bfdef.bmp", Refused("16-bit bitmaps are not read")},

        {"q/rgb24largepal.bmp", Exact()},
        {"q/rgb24lprof.bmp", Exact()},
        {"q/rgb32-xbgr.bmp", Exact()},
        {"q/rgb32fakealpha.bmp", Exact()},
        {"q/rgb32h52.bmp", Exact()},
        {"q/rgb32-111110.bmp", Exact(2)},
        {"q/rgb32-7187.bmp", Exact(2)},
        {"q/pal8offs.bmp", SameAs("g/pal8.bmp")},
        {"q/pal8os2-hs.bmp", SameAs("g/pal8.bmp")},
        {"q/pal8os2-sz.bmp", SameAs("g/pal8.bmp")},
        {"q/pal8os2sp.bmp", SameAs("g/pal8.bmp")},
        {"q/pal8os2v2.bmp", SameAs("g/pal8.bmp")},
        {"q/pal8os2v2-40sz.bmp", SameAs("g/pal8.bmp")},
        {"q/pal8os2v2-sz.bmp", SameAs("g/pal8.bmp")},
        {"q/pal8oversizepal.bmp", SameAs("g/pal8.bmp")},
        {"q/pal2.bmp", Grey(0.05)},
        {"q/pal2color.bmp", Decodes()},
        {"q/pal1p1.bmp", Decodes()},
        {"q/rgba32-1.bmp", Decodes()},
        {"q/rgba32-2.bmp", SameAs("q/rgba32-1.bmp")},
        {"q/rgba32-81284.bmp", Decodes()},
        {"q/rgba32-61754.bmp", Decodes()},
        {"q/rgba32-1010102.bmp", Decodes()},
        {"q/rgba32abf.bmp", SameAs("q/rgba32-1.bmp")},
        {"q/rgba32h56.bmp", SameAs("q/rgba32-1.bmp")},
        {"q/pal8os2v2-16.bmp", Refused("info header of 16 bytes is not read (12, or 40 and more)")},
        {"q/pal1huffmsb.bmp", Refused("Huffman-compressed OS/2 bitmaps are not read")},
        {"q/rgb24rle24.bmp", Refused("RLE-compressed bitmaps are not read")},
        {"q/pal4rlecut.bmp", Refused("RLE-compressed bitmaps are not read")},
        {"q/pal4rletrns.bmp", Refused("RLE-compressed bitmaps are not read")},
        {"q/pal8rlecut.bmp", Refused("RLE-compressed bitmaps are not read")},
        {"q/pal8rletrns.bmp", Refused("RLE-compressed bitmaps are not read")},
        {"q/rgb24jpeg.bmp", Refused("bitmaps holding a JPEG image are not read")},
        {"q/rgb24png.bmp", Refused("bitmaps holding a PNG image are not read")},
        {"q/rgb16-231.bmp", Refused("16-bit bitmaps are not read")},
        {"q/rgb16-3103.bmp", Refused("16-bit bitmaps are not read")},
        {"q/rgb16faketrns.bmp", Refused("16-bit bitmaps are not read")},
        {"q/rgba16-1924.bmp", Refused("16-bit bitmaps are not read")},
        {"q/rgba16-4444.bmp", Refused("16-bit bitmaps are not read")},
        {"q/rgba16-5551.bmp", Refused("16-bit bitmaps are not read")},
        {"q/rgba64.bmp", Refused("64 bits per pixel is not a bitmap depth that is read")},

        // Fields no reader needs are wrong; the pixels are fine.
        {"b/badbitssize.bmp", SameAs("g/pal1.bmp")},
        {"b/baddens1.bmp", SameAs("g/pal1.bmp")},
        {"b/baddens2.bmp", SameAs("g/pal1.bmp")},
        {"b/badfilesize.bmp", SameAs("g/pal1.bmp")},
        {"b/badheadersize.bmp", SameAs("g/pal1.bmp")},
        {"b/badplanes.bmp", SameAs("g/pal1.bmp")},
        {"b/badpalettesize.bmp", SameAs("g/pal8.bmp")},
        // Indexes beyond the colour table read black.
        {"b/pal8badindex.bmp", Decodes()},
        {"b/badbitcount.bmp", Refused("30000 bits per pixel is not a bitmap depth that is read")},
        {"b/badwidth.bmp", Refused("width -127 is not positive")},
        {"b/reallybig.bmp", Refused("pixel data holds 24576 bytes, but 3000000 x 2000000 pixels of "
                                    "24 bits need 18000000000000")},
        {"b/shortfile.bmp",
         Refused("pixel data holds 211 bytes, but 127 x 64 pixels of 1 bits need 1024")},
        {"b/rgb16-880.bmp", Refused("16-bit bitmaps are not read")},
        {"b/badrle.bmp", Refused("RLE-compressed bitmaps are not read")},
        {"b/badrlebis.bmp", Refused("RLE-compressed bitmaps are not read")},
        {"b/badrleter.bmp", Refused("RLE-compressed bitmaps are not read")},
        {"b/badrle4.bmp", Refused("RLE-compressed bitmaps are not read")},
        {"b/badrle4bis.bmp", Refused("RLE-compressed bitmaps are not read")},
        {"b/badrle4ter.bmp", Refused("RLE-compressed bitmaps are not read")},
        {"b/rletopdown.bmp", Refused("RLE-compressed bitmaps are not read")},
    };
    return corpus;
}

TBitmapImage Load(const std::string& file) {
    TBitmapImage image;
    std::optional<std::vector<uint8_t>> pixels =
        ReadBMP((SuiteDir() / file).string(), image.Width, image.Height, image.Format, image.Type);
    if (!pixels)
        throw std::runtime_error(file + " yielded no image");
    image.Pixels = std::move(*pixels);
    return image;
}

size_t BytesPerPixel(const TBitmapImage& image) {
    return image.Format == GL_RGBA ? 4 : 3;
}

const uint8_t* PixelAt(const TBitmapImage& image, int x, int y) {
    const size_t bytes = BytesPerPixel(image);
    return &image.Pixels[y * PaddedRowBytes(image.Width, bytes) + x * bytes];
}

double Linear(uint8_t level) {
    const double value = level / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(const LinearRgb& colour) {
    return 0.2126 * colour[0] + 0.7152 * colour[1] + 0.0722 * colour[2];
}

// Mean linear-light colour of each of across x down cells, each the same share of the picture.
std::vector<LinearRgb> CellMeans(const TBitmapImage& image, int across, int down) {
    std::vector<LinearRgb> cells;
    for (int row = 0; row < down; ++row)
        for (int column = 0; column < across; ++column) {
            LinearRgb sum{};
            int count = 0;
            for (int y = row * image.Height / down; y < (row + 1) * image.Height / down; ++y)
                for (int x = column * image.Width / across; x < (column + 1) * image.Width / across;
                     ++x, ++count)
                    for (int c = 0; c < 3; ++c)
                        sum[c] += Linear(PixelAt(image, x, y)[c]);
            for (double& channel : sum)
                channel /= count;
            cells.push_back(sum);
        }
    return cells;
}

// The largest difference between matching cells, per channel or in luminance.
double CellDifference(const TBitmapImage& image, const TBitmapImage& reference, int across,
                      int down, bool luminanceOnly) {
    const auto ours = CellMeans(image, across, down);
    const auto theirs = CellMeans(reference, across, down);
    double worst = 0;
    for (size_t i = 0; i < ours.size(); ++i) {
        if (luminanceOnly)
            worst = std::max(worst, std::fabs(Luminance(ours[i]) - Luminance(theirs[i])));
        else
            for (int c = 0; c < 3; ++c)
                worst = std::max(worst, std::fabs(ours[i][c] - theirs[i][c]));
    }
    return worst;
}

void ExpectSameSize(const TBitmapImage& image, const TBitmapImage& reference) {
    EXPECT_EQ(image.Width, reference.Width);
    EXPECT_EQ(image.Height, reference.Height);
    EXPECT_EQ(image.Type, GL_UNSIGNED_BYTE);
    EXPECT_EQ(image.Pixels.size(),
              PaddedRowBytes(image.Width, BytesPerPixel(image)) * image.Height);
}

void ExpectExact(const TBitmapImage& image, const TBitmapImage& reference, double levels) {
    ExpectSameSize(image, reference);
    int worst = 0;
    bool opaque = true;
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x) {
            for (int c = 0; c < 3; ++c)
                worst = std::max(worst,
                                 std::abs(PixelAt(image, x, y)[c] - PixelAt(reference, x, y)[c]));
            opaque = opaque && (image.Format == GL_RGB || PixelAt(image, x, y)[3] == 255);
        }
    EXPECT_LE(worst, levels);
    EXPECT_TRUE(opaque);
}

void ExpectGrey(const TBitmapImage& image, const TBitmapImage& reference, double tolerance) {
    ExpectSameSize(image, reference);
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x) {
            const uint8_t* pixel = PixelAt(image, x, y);
            ASSERT_TRUE(pixel[0] == pixel[1] && pixel[1] == pixel[2]) << x << "," << y;
        }
    EXPECT_LE(CellDifference(image, reference, 16, 8, true), tolerance);
}

void ExpectRefused(const std::string& file, const std::string& reason) {
    const std::string path = (SuiteDir() / file).string();
    EXPECT_THAT([&] { Load(file); }, ::testing::ThrowsMessage<std::runtime_error>(
                                         ::testing::StrEq(path + ": " + reason)));
}

void ExpectAsListed(const std::string& file, const Expectation& expected,
                    const TBitmapImage& reference) {
    SCOPED_TRACE(file);
    switch (expected.Kind) {
    case Check::Refused:
        return ExpectRefused(file, expected.Other);
    case Check::Decodes:
        return ExpectSameSize(Load(file), reference);
    case Check::Exact:
        return ExpectExact(Load(file), reference, expected.Tolerance);
    case Check::SameAs: {
        const TBitmapImage image = Load(file);
        const TBitmapImage other = Load(expected.Other);
        ExpectSameSize(image, other);
        EXPECT_EQ(image.Format, other.Format);
        EXPECT_TRUE(image.Pixels == other.Pixels) << "differs from " << expected.Other;
        return;
    }
    case Check::Colour: {
        const TBitmapImage image = Load(file);
        ExpectSameSize(image, reference);
        EXPECT_LE(CellDifference(image, reference, 16, 8, false), expected.Tolerance);
        return;
    }
    case Check::Grey:
        return ExpectGrey(Load(file), reference, expected.Tolerance);
    case Check::Resized:
        EXPECT_LE(CellDifference(Load(file), reference, 8, 4, false), expected.Tolerance);
        return;
    }
}

} // namespace

TEST(BitmapCorpus, EveryFileIsListed) {
    std::set<std::string> found;
    for (const char* folder : {"g", "q", "b"})
        for (const auto& entry : fs::directory_iterator(SuiteDir() / folder))
            if (entry.path().extension() == ".bmp")
                found.insert(std::string(folder) + "/" + entry.path().filename().string());
    std::set<std::string> listed;
    for (const auto& [file, expected] : Corpus())
        listed.insert(file);
    EXPECT_EQ(found, listed);
}

TEST(BitmapCorpus, EveryFileDecodesToThePictureOrIsRefusedByName) {
    const TBitmapImage reference = Load("g/rgb24.bmp");
    for (const auto& [file, expected] : Corpus())
        ExpectAsListed(file, expected, reference);
}

TEST(BitmapCorpus, TheChecksTellAWrongDecodeFromARightOne) {
    // The tolerances above must not let a misdecoded picture through: a palette picture with red
    // and blue exchanged, or shifted by two pixels, or upside down, fails the colour check.
    const TBitmapImage reference = Load("g/rgb24.bmp");
    const TBitmapImage pal8 = Load("g/pal8.bmp");
    const double tolerance = Corpus().at("g/pal8.bmp").Tolerance;
    const size_t stride = PaddedRowBytes(pal8.Width, 3);
    TBitmapImage swapped = pal8, shifted = pal8, flipped = pal8;
    for (int y = 0; y < pal8.Height; ++y) {
        for (int x = 0; x < pal8.Width; ++x) {
            uint8_t* pixel = &swapped.Pixels[y * stride + 3 * x];
            std::swap(pixel[0], pixel[2]);
            std::copy_n(PixelAt(pal8, (x + 2) % pal8.Width, y), 3,
                        &shifted.Pixels[y * stride + 3 * x]);
        }
        std::copy_n(&pal8.Pixels[y * stride], stride,
                    &flipped.Pixels[(pal8.Height - 1 - y) * stride]);
    }
    EXPECT_LE(CellDifference(pal8, reference, 16, 8, false), tolerance);
    EXPECT_GT(CellDifference(swapped, reference, 16, 8, false), 2 * tolerance);
    EXPECT_GT(CellDifference(shifted, reference, 16, 8, false), 2 * tolerance);
    EXPECT_GT(CellDifference(flipped, reference, 16, 8, false), 2 * tolerance);
    EXPECT_GT(CellDifference(flipped, reference, 8, 4, false),
              2 * Corpus().at("g/pal8w124.bmp").Tolerance);
}

TEST(BitmapCorpus, TwoColourFilesShareOnePattern) {
    // pal1bg draws pal1's pattern in two other colours: one colour for each of pal1's.
    const TBitmapImage pal1 = Load("g/pal1.bmp");
    const TBitmapImage coloured = Load("g/pal1bg.bmp");
    std::map<Rgb, std::set<Rgb>> colourFor;
    for (int y = 0; y < pal1.Height; ++y)
        for (int x = 0; x < pal1.Width; ++x) {
            const uint8_t* a = PixelAt(pal1, x, y);
            const uint8_t* b = PixelAt(coloured, x, y);
            colourFor[{a[0], a[1], a[2]}].insert({b[0], b[1], b[2]});
        }
    ASSERT_EQ(colourFor.size(), 2u);
    for (const auto& [colour, partners] : colourFor)
        EXPECT_EQ(partners.size(), 1u);
    EXPECT_NE(*colourFor.begin()->second.begin(), *colourFor.rbegin()->second.begin());
}
