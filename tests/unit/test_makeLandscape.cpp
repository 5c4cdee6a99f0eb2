// The landscape generator: stable output, exact file formats, and a mesh that the demo's fixed
// camera sees as a landscape (checked by projecting it the way GL will).
#include "tools/vynLandscapeFiles.h"
#include "tools/vynLandscapeGenerator.h"
#include "tools/vynLandscapeNoise.h"

#include "tests/support/vynTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <vector>

using namespace vyn;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int QuadCount = LandscapeShape::QuadsPerSide * LandscapeShape::QuadsPerSide;
constexpr int ViewportWidth = 400;
constexpr int ViewportHeight = 300;

Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint64_t Fnv1a(const Bytes& bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (std::uint8_t byte : bytes)
        hash = (hash ^ byte) * 0x100000001b3ULL;
    return hash;
}

std::uint32_t U32At(const Bytes& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}
std::int32_t I32At(const Bytes& bytes, std::size_t at) {
    return static_cast<std::int32_t>(U32At(bytes, at));
}
std::uint16_t U16At(const Bytes& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

// The payload of an array file as floats, read the way the demo hands it to GL.
std::vector<float> Floats(const Bytes& file) {
    std::vector<float> values((file.size() - 12) / 4);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = std::bit_cast<float>(U32At(file, 12 + 4 * i));
    return values;
}

struct WindowPoint {
    double X, Y, Depth, W;
};

// gluPerspective(45, 400 / 300, 1, 100) and glViewport(0, 0, 400, 300), as the demo sets them.
WindowPoint Project(const float* v) {
    const double f = 1.0 / std::tan(22.5 * 3.14159265358979323846 / 180.0);
    const double aspect = static_cast<double>(ViewportWidth) / ViewportHeight;
    const double nearPlane = 1.0, farPlane = 100.0;
    const double clipX = f / aspect * v[0];
    const double clipY = f * v[1];
    const double clipZ = (farPlane + nearPlane) / (nearPlane - farPlane) * v[2] +
                         2.0 * farPlane * nearPlane / (nearPlane - farPlane);
    const double w = -v[2];
    return {(clipX / w + 1.0) * ViewportWidth / 2, (clipY / w + 1.0) * ViewportHeight / 2,
            clipZ / w, w};
}

// Twice the signed area in window coordinates (y up): negative means clockwise.
double TwiceArea(const WindowPoint& a, const WindowPoint& b, const WindowPoint& c) {
    return (b.X - a.X) * (c.Y - a.Y) - (c.X - a.X) * (b.Y - a.Y);
}

// Marks the pixel centres inside a triangle (edges included, so shared edges leave no gaps).
void Cover(std::vector<bool>& covered, const WindowPoint& a, const WindowPoint& b,
           const WindowPoint& c) {
    const int left = std::max(0, static_cast<int>(std::floor(std::min({a.X, b.X, c.X}))));
    const int right =
        std::min(ViewportWidth - 1, static_cast<int>(std::ceil(std::max({a.X, b.X, c.X}))));
    const int bottom = std::max(0, static_cast<int>(std::floor(std::min({a.Y, b.Y, c.Y}))));
    const int top =
        std::min(ViewportHeight - 1, static_cast<int>(std::ceil(std::max({a.Y, b.Y, c.Y}))));
    const double area = TwiceArea(a, b, c);
    for (int y = bottom; y <= top; ++y) {
        for (int x = left; x <= right; ++x) {
            const WindowPoint p{x + 0.5, y + 0.5, 0, 0};
            const double ab = TwiceArea(a, b, p) / area, bc = TwiceArea(b, c, p) / area,
                         ca = TwiceArea(c, a, p) / area;
            if (ab >= -1e-9 && bc >= -1e-9 && ca >= -1e-9)
                covered[static_cast<std::size_t>(y * ViewportWidth + x)] = true;
        }
    }
}

// Every quad of the mesh clockwise on screen, all of it below the eye and past the near plane.
void ExpectClockwiseBelowTheEye(const std::vector<float>& positions) {
    float highest = -1e9f, nearest = -1e9f;
    int failures = 0;
    for (std::size_t quad = 0; quad < positions.size() / 12; ++quad) {
        std::array<WindowPoint, 4> p{};
        for (std::size_t corner = 0; corner < 4; ++corner) {
            const float* vertex = &positions[quad * 12 + corner * 3];
            highest = std::max(highest, vertex[1]);
            nearest = std::max(nearest, vertex[2]);
            p[corner] = Project(vertex);
        }
        // GL may split a quad along either diagonal; each of the four triangles must be
        // clockwise, or part of the quad is culled.
        const double triangles[] = {TwiceArea(p[0], p[1], p[2]), TwiceArea(p[0], p[2], p[3]),
                                    TwiceArea(p[0], p[1], p[3]), TwiceArea(p[1], p[2], p[3])};
        const double largest = *std::max_element(std::begin(triangles), std::end(triangles));
        if (!(largest < 0.0) && ++failures <= 5)
            ADD_FAILURE() << "quad " << quad << " is not clockwise on screen: " << largest;
    }
    EXPECT_EQ(failures, 0);
    EXPECT_LT(highest, 0.0f) << "the terrain rises to the eye";
    EXPECT_LT(nearest, -1.0f) << "the terrain reaches the near plane";
}

// The generator's three files from two separate runs.
class MakeLandscape : public ::testing::Test {
  protected:
    struct Run {
        test::TempDir Folder;
        Bytes Vertices, TexCoords, Picture;
    };

    static void SetUpTestSuite() {
        for (auto& run : Runs) {
            run = std::make_unique<Run>();
            WriteLandscapeFiles(run->Folder.Path());
            run->Vertices = ReadBytes(run->Folder / VertexFileName);
            run->TexCoords = ReadBytes(run->Folder / TexCoordFileName);
            run->Picture = ReadBytes(run->Folder / GroundFileName);
        }
    }
    static void TearDownTestSuite() {
        for (auto& run : Runs)
            run.reset();
    }

    static const Run& First() { return *Runs[0]; }

    static inline std::array<std::unique_ptr<Run>, 2> Runs;
};

} // namespace

TEST_F(MakeLandscape, TwoRunsWriteTheSameBytesAndTheOutputIsPinned) {
    EXPECT_EQ(First().Vertices, Runs[1]->Vertices);
    EXPECT_EQ(First().TexCoords, Runs[1]->TexCoords);
    EXPECT_EQ(First().Picture, Runs[1]->Picture);
    // A change of the generator's output must be deliberate: update these with it.
    EXPECT_EQ(Fnv1a(First().Vertices), 0x4a4d5e4add3f54dbULL);
    EXPECT_EQ(Fnv1a(First().TexCoords), 0x9b261f59986bad54ULL);
    EXPECT_EQ(Fnv1a(First().Picture), 0x77f787d4d3f0033dULL);
}

TEST_F(MakeLandscape, ArrayFilesCarryTheHeaderTheLoaderReads) {
    const std::int32_t vertices = 4 * QuadCount;
    const struct {
        const Bytes& File;
        std::int32_t FloatsPerVertex;
    } files[] = {{First().Vertices, 3}, {First().TexCoords, 2}};
    for (const auto& [file, floatsPerVertex] : files) {
        ASSERT_GE(file.size(), 12u);
        EXPECT_EQ(I32At(file, 0), floatsPerVertex);
        EXPECT_EQ(I32At(file, 4), static_cast<std::int32_t>(file.size() - 12));
        EXPECT_EQ(I32At(file, 8), vertices);
        EXPECT_EQ(file.size(), 12u + static_cast<std::size_t>(vertices) * floatsPerVertex * 4);
    }
}

TEST_F(MakeLandscape, GroundPictureIsA24BitBottomUpBitmap) {
    const Bytes& bmp = First().Picture;
    const std::uint32_t rowBytes = LandscapeShape::PictureSize * 3; // already a multiple of 4
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(U32At(bmp, 2), bmp.size());
    EXPECT_EQ(U32At(bmp, 6), 0u);
    EXPECT_EQ(U32At(bmp, 10), 54u);
    EXPECT_EQ(U32At(bmp, 14), 40u);
    EXPECT_EQ(I32At(bmp, 18), LandscapeShape::PictureSize);
    EXPECT_EQ(I32At(bmp, 22), LandscapeShape::PictureSize); // positive: bottom-up
    EXPECT_EQ(U16At(bmp, 26), 1u);
    EXPECT_EQ(U16At(bmp, 28), 24u);
    EXPECT_EQ(U32At(bmp, 30), 0u);
    EXPECT_EQ(U32At(bmp, 34), rowBytes * LandscapeShape::PictureSize);
    EXPECT_EQ(bmp.size(), 54u + rowBytes * LandscapeShape::PictureSize);
}

TEST_F(MakeLandscape, EveryQuadFacesTheCameraClockwiseAndBelowTheEye) {
    const std::vector<float> positions = Floats(First().Vertices);
    ASSERT_EQ(positions.size(), 12u * QuadCount);
    ExpectClockwiseBelowTheEye(positions);
}

TEST_F(MakeLandscape, NearEdgeLiesJustPastTheNearPlaneInsideTheView) {
    const std::vector<float> positions = Floats(First().Vertices);
    float nearest = -1e9f, farthest = 0.0f;
    for (std::size_t i = 2; i < positions.size(); i += 3) {
        nearest = std::max(nearest, positions[i]);
        farthest = std::min(farthest, positions[i]);
    }
    EXPECT_LT(nearest, -1.0f);
    EXPECT_GT(nearest, -1.5f);
    // Well into the fog: exp(-(0.055 d)^2) is below 1 % there, and still before the far plane.
    EXPECT_GT(-farthest * 0.055, std::sqrt(-std::log(0.01)));
    EXPECT_GT(farthest, -100.0f);

    int edgeVertices = 0;
    WindowPoint low{1e9, 1e9, 1e9, 0}, high{-1e9, -1e9, -1e9, 0};
    for (std::size_t i = 0; i < positions.size(); i += 3) {
        if (positions[i + 2] != nearest)
            continue;
        ++edgeVertices;
        const WindowPoint p = Project(&positions[i]);
        low = {std::min(low.X, p.X), std::min(low.Y, p.Y), std::min(low.Depth, p.Depth), 0};
        high = {std::max(high.X, p.X), std::max(high.Y, p.Y), std::max(high.Depth, p.Depth), 0};
    }
    // Each inner point of the near edge is shared by two quads.
    EXPECT_EQ(edgeVertices, 2 * LandscapeShape::QuadsPerSide);
    // Inside the view, from side to side, along the bottom row of pixels.
    EXPECT_GT(low.X, 0.0);
    EXPECT_LT(low.X, 0.5);
    EXPECT_LT(high.X, ViewportWidth);
    EXPECT_GT(high.X, ViewportWidth - 0.5);
    EXPECT_GT(low.Y, 0.0);
    EXPECT_LT(high.Y, 0.5);
    EXPECT_GT(low.Depth, -1.0);
    EXPECT_LT(high.Depth, 1.0);
}

TEST_F(MakeLandscape, ProjectedTerrainCoversTheLowerViewAndStaysBelowTheHorizon) {
    const std::vector<float> positions = Floats(First().Vertices);
    std::vector<bool> covered(static_cast<std::size_t>(ViewportWidth * ViewportHeight), false);
    double highest = 0.0;
    for (std::size_t quad = 0; quad < QuadCount; ++quad) {
        std::array<WindowPoint, 4> p{};
        for (std::size_t corner = 0; corner < 4; ++corner) {
            p[corner] = Project(&positions[quad * 12 + corner * 3]);
            highest = std::max(highest, p[corner].Y);
        }
        Cover(covered, p[0], p[1], p[2]);
        Cover(covered, p[0], p[2], p[3]);
    }
    EXPECT_LT(highest, ViewportHeight / 2.0);
    // The lower 40 % of the view, from the bottom row up.
    int gaps = 0;
    for (int y = 0; y < ViewportHeight * 2 / 5; ++y)
        for (int x = 0; x < ViewportWidth; ++x)
            gaps += covered[static_cast<std::size_t>(y * ViewportWidth + x)] ? 0 : 1;
    EXPECT_EQ(gaps, 0);
}

TEST_F(MakeLandscape, TextureCoordinatesTileThePictureExactlyOnce) {
    const std::vector<float> texCoords = Floats(First().TexCoords);
    ASSERT_EQ(texCoords.size(), 8u * QuadCount);
    const auto [low, high] = std::minmax_element(texCoords.begin(), texCoords.end());
    EXPECT_EQ(*low, 0.0f);
    EXPECT_EQ(*high, 1.0f);
    // Quads of one orientation whose areas add up to the whole square cover it without overlap.
    double total = 0.0;
    for (std::size_t quad = 0; quad < QuadCount; ++quad) {
        const float* t = &texCoords[quad * 8];
        double area = 0.0;
        for (std::size_t i = 0; i < 4; ++i) {
            const std::size_t j = (i + 1) % 4;
            area += static_cast<double>(t[2 * i]) * t[2 * j + 1] -
                    static_cast<double>(t[2 * j]) * t[2 * i + 1];
        }
        ASSERT_LT(area, 0.0) << "quad " << quad;
        total -= area / 2.0;
    }
    EXPECT_NEAR(total, 1.0, 1e-6);
}

TEST(LandscapeMesh, OtherSizesAreTheSameTerrainInMoreOrFewerQuads) {
    for (const int quadsPerSide : {1, 16, 300}) {
        SCOPED_TRACE(quadsPerSide);
        const LandscapeMesh mesh = BuildLandscapeMesh(quadsPerSide);
        ASSERT_EQ(mesh.VertexCount(), 4 * quadsPerSide * quadsPerSide);
        ASSERT_EQ(mesh.TexCoords.size(), 2u * static_cast<std::size_t>(mesh.VertexCount()));
        ExpectClockwiseBelowTheEye(mesh.Positions);
        // The same corners as the default mesh: the texture still tiles it exactly once.
        const auto [low, high] = std::minmax_element(mesh.TexCoords.begin(), mesh.TexCoords.end());
        EXPECT_EQ(*low, 0.0f);
        EXPECT_EQ(*high, 1.0f);
    }
}

TEST(LandscapeFiles, ArrayFileIsHeaderThenLittleEndianFloats) {
    const Bytes bytes = EncodeArrayFile(7, 2, {1.0f, -2.5f});
    const Bytes expected{7, 0, 0, 0, 8,    0,    0,    0,    2,    0,
                         0, 0, 0, 0, 0x80, 0x3f, 0x00, 0x00, 0x20, 0xc0};
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(EncodeArrayFile(0, 0, {}).size(), 12u);
}

TEST(LandscapeFiles, BitmapRowsAreBlueGreenRedAndPaddedToFourBytes) {
    // 3 x 2: rows of 9 bytes plus 3 padding bytes; row 0 is the bottom row.
    const GroundPicture picture{
        3, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19}};
    const Bytes bmp = EncodeBmp(picture);
    ASSERT_EQ(bmp.size(), 54u + 24u);
    EXPECT_EQ(U32At(bmp, 2), 78u);
    EXPECT_EQ(U32At(bmp, 34), 24u);
    const Bytes pixels(bmp.begin() + 54, bmp.end());
    const Bytes expected{3,  2,  1,  6,  5,  4,  9,  8,  7,  0, 0, 0,
                         13, 12, 11, 16, 15, 14, 19, 18, 17, 0, 0, 0};
    EXPECT_EQ(pixels, expected);
}

TEST(LandscapeFiles, InconsistentPictureIsRefused) {
    EXPECT_THROW(EncodeBmp(GroundPicture{2, 2, Bytes(11)}), std::invalid_argument);
    EXPECT_THROW(EncodeBmp(GroundPicture{0, 2, {}}), std::invalid_argument);
    EXPECT_THROW(EncodeBmp(GroundPicture{-1, -1, Bytes(3)}), std::invalid_argument);
}

TEST(MakeLandscapeCommand, BadArgumentsGiveOneUsageLineAndStatusOne) {
    const std::vector<std::vector<const char*>> calls{{"make-landscape"},
                                                      {"make-landscape", "a", "b"},
                                                      {"make-landscape", ""},
                                                      {"make-landscape", "--help"},
                                                      {"make-landscape", "a", "0"},
                                                      {"make-landscape", "a", "-4"},
                                                      {"make-landscape", "a", "12x"},
                                                      {"make-landscape", "a", "4097"},
                                                      {"make-landscape", "a", "16", "b"}};
    for (const auto& argv : calls) {
        std::ostringstream errors;
        EXPECT_EQ(RunMakeLandscape(static_cast<int>(argv.size()), argv.data(), errors), 1);
        const std::string text = errors.str();
        EXPECT_NE(text.find("usage: make-landscape OUTDIR [QUADS_PER_SIDE]"), std::string::npos)
            << text;
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
    }
}

TEST(MakeLandscapeCommand, UnwritableFolderGivesOneLineNamingItAndStatusOne) {
    test::TempDir temp;
    std::ofstream(temp / "plain-file") << "not a folder";
    const std::string folder = (temp / "plain-file" / "out").string();
    const char* argv[] = {"make-landscape", folder.c_str()};
    std::ostringstream errors;
    EXPECT_EQ(RunMakeLandscape(2, argv, errors), 1);
    const std::string text = errors.str();
    EXPECT_EQ(text.rfind("make-landscape: cannot write " + folder + ": ", 0), 0u) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
}

TEST(MakeLandscapeCommand, FileInTheWayGivesOneLineAndLeavesNoPartialFile) {
    test::TempDir temp;
    // A folder where the vertex file should go cannot be replaced by a file.
    std::filesystem::create_directories(temp / VertexFileName / "inside");
    const std::string folder = temp.Path().string();
    const char* argv[] = {"make-landscape", folder.c_str()};
    std::ostringstream errors;
    EXPECT_EQ(RunMakeLandscape(2, argv, errors), 1);
    EXPECT_NE(errors.str().find(VertexFileName), std::string::npos) << errors.str();
    for (const auto& entry : std::filesystem::directory_iterator(temp.Path()))
        EXPECT_EQ(entry.path().extension(), ".cppa2") << entry.path();
}

TEST(MakeLandscapeCommand, CreatesAMissingFolderThenReplacesItsFiles) {
    test::TempDir temp;
    const std::filesystem::path folder = temp / "new" / "app";
    const std::string name = folder.string();
    const char* argv[] = {"make-landscape", name.c_str()};
    const auto run = [&] {
        std::ostringstream errors;
        EXPECT_EQ(RunMakeLandscape(2, argv, errors), 0);
        EXPECT_EQ(errors.str(), "");
        EXPECT_EQ(std::filesystem::file_size(folder / GroundFileName), 54u + 3u * 1024 * 1024);
        EXPECT_EQ(std::filesystem::file_size(folder / VertexFileName), 12u + 48u * QuadCount);
        EXPECT_EQ(std::filesystem::file_size(folder / TexCoordFileName), 12u + 32u * QuadCount);
    };
    run();
    std::ofstream(folder / GroundFileName, std::ios::trunc) << "stale";
    run();
}

TEST(MakeLandscapeCommand, ASizeGivesAMeshOfThatManyQuadsASide) {
    test::TempDir temp;
    const std::string folder = temp.Path().string();
    const char* argv[] = {"make-landscape", folder.c_str(), "16"};
    std::ostringstream errors;
    ASSERT_EQ(RunMakeLandscape(3, argv, errors), 0) << errors.str();
    const Bytes vertices = ReadBytes(temp / VertexFileName);
    const Bytes texCoords = ReadBytes(temp / TexCoordFileName);
    ASSERT_GE(vertices.size(), 12u);
    ASSERT_GE(texCoords.size(), 12u);
    EXPECT_EQ(I32At(vertices, 8), 4 * 16 * 16);
    EXPECT_EQ(I32At(texCoords, 8), 4 * 16 * 16);
    EXPECT_EQ(Floats(vertices), BuildLandscapeMesh(16).Positions);
    EXPECT_EQ(std::filesystem::file_size(temp / GroundFileName), 54u + 3u * 1024 * 1024);
}

TEST(LandscapeNoise, SplitMixFollowsItsReferenceSequence) {
    // The first outputs of SplitMix64 seeded with 0, as published with the algorithm.
    SplitMix64 random(0);
    EXPECT_EQ(random.Next(), 0xe220a8397b1dcdafULL);
    EXPECT_EQ(random.Next(), 0x6e789e6aa1b965f4ULL);
    const double unit = SplitMix64(1).NextUnit();
    EXPECT_GE(unit, 0.0);
    EXPECT_LT(unit, 1.0);
}

TEST(LandscapeNoise, GradientNoiseIsZeroOnTheLatticeBoundedAndSeedDependent) {
    const GradientNoise noise(42), other(43);
    double low = 0.0, high = 0.0;
    int differences = 0;
    for (int i = 0; i < 2000; ++i) {
        const double x = i * 0.37 - 300.0, y = i * 0.61 - 500.0;
        EXPECT_EQ(noise.At(std::floor(x), std::floor(y)), 0.0);
        const double value = noise.At(x, y);
        low = std::min(low, value);
        high = std::max(high, value);
        differences += value != other.At(x, y) ? 1 : 0;
        const double ridge = noise.Ridged(x, y, 5);
        EXPECT_GE(ridge, 0.0);
        EXPECT_LE(ridge, 1.0);
    }
    EXPECT_GE(low, -1.0);
    EXPECT_LE(high, 1.0);
    EXPECT_LT(low, -0.3); // it does vary
    EXPECT_GT(high, 0.3);
    EXPECT_GT(differences, 1900);
}
