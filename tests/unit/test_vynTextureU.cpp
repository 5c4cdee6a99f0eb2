#include "framework/resources/vynTextureU.h"

#include "app/vynLandscape.h"
#include "tests/support/vynBitmapWriter.h"
#include "tests/support/vynTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace vyn;
using namespace vyn::test;
using ::testing::ElementsAre;

namespace {

// GLU's "invalid enumerant" error code.
constexpr GLint GluInvalidEnum = 100900;

class Texture : public RecordedGLTest {
  protected:
    void SetUp() override {
        SetDefaultTextureSettings();
        // What a current context answers; RescaleImage asks before it lets GLU write.
        Recorder.Integers[GL_PACK_ALIGNMENT] = {4};
    }

    // The calls of one texture upload from the default settings, after glGenTextures.
    static std::vector<CallRecord> UploadCalls(GLuint name, GLint internalFormat, GLsizei width,
                                               GLsizei height, GLenum format, const void* pixels) {
        return {
            Call("glBindTexture", GL_TEXTURE_2D, name),
            Call("glTexParameteri", GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR),
            Call("glTexParameteri", GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR),
            Call("glTexParameteri", GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT),
            Call("glTexParameteri", GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT),
            Call("glTexParameteri", GL_TEXTURE_2D, GL_GENERATE_MIPMAP, 1),
            Call("glTexImage2D", GL_TEXTURE_2D, 0, internalFormat, width, height, 0, format,
                 GL_UNSIGNED_BYTE, pixels)};
    }

    std::vector<CallRecord> CallsAfterGenTextures() const {
        std::vector<CallRecord> calls = Log.Calls();
        EXPECT_FALSE(calls.empty());
        EXPECT_EQ(calls.front().Name, "glGenTextures");
        calls.erase(calls.begin());
        return calls;
    }
};

} // namespace

// Runs first: no settings have been made in this process yet.
TEST(TextureSettingsBeforeAnyAreSet, SizesCannotBeComputed) {
    if (!CurrentTextureSettings().PowersOfTwo.empty())
        GTEST_SKIP() << "another test set the texture settings first";
    EXPECT_EQ(CurrentTextureSettings().PowersOfTwoCount, 20);
    EXPECT_THROW(PowerOfTwoAtLeast(3), std::logic_error);
    std::vector<uint8_t> pixels(48, 1);
    GLint width = 4, height = 4;
    EXPECT_FALSE(RescaleImage(pixels, width, height, GL_RGB, GL_UNSIGNED_BYTE));
    EXPECT_EQ(width, 4);
    EXPECT_EQ(pixels.size(), 48u);
}

TEST_F(Texture, DefaultSettingsAndTheirTable) {
    SetDefaultTextureSettings();
    const TTextureSettings& settings = CurrentTextureSettings();
    EXPECT_EQ(settings.MinFilter, GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(settings.MagFilter, GL_LINEAR);
    EXPECT_EQ(settings.SizeDivisor, 2u);
    EXPECT_EQ(settings.PowersOfTwoCount, 20);
    EXPECT_TRUE(settings.Compress);
    EXPECT_TRUE(settings.GenerateMipmaps);
    ASSERT_EQ(settings.PowersOfTwo.size(), 20u);
    for (size_t i = 0; i < 20; ++i)
        EXPECT_EQ(settings.PowersOfTwo[i], uint32_t(1) << (i + 1));
    EXPECT_TRUE(Log.Calls().empty()) << "settings make no GL call";
}

TEST_F(Texture, PowerOfTwoAtLeastRoundsUpAndCapsAtTheLargestEntry) {
    SetTextureSettings(GL_NEAREST, GL_NEAREST, 1, 3, false, false);
    EXPECT_THAT(CurrentTextureSettings().PowersOfTwo, ElementsAre(2u, 4u, 8u));
    const std::vector<std::pair<uint32_t, uint32_t>> cases = {
        {0, 2}, {1, 2}, {2, 2}, {3, 4}, {4, 4}, {5, 8}, {8, 8}, {9, 8}, {0xFFFFFFFFu, 8}};
    for (const auto& [value, power] : cases)
        EXPECT_EQ(PowerOfTwoAtLeast(value), power) << value;
}

TEST_F(Texture, TableCountsAreKeptWithinTwoAndThirtyOne) {
    for (int32_t count : {0, 1, -7, INT32_MIN}) {
        SetTextureSettings(GL_NEAREST, GL_NEAREST, 1, count, false, false);
        EXPECT_EQ(CurrentTextureSettings().PowersOfTwoCount, 2) << count;
        EXPECT_THAT(CurrentTextureSettings().PowersOfTwo, ElementsAre(2u, 4u)) << count;
        EXPECT_EQ(PowerOfTwoAtLeast(1000), 4u);
    }
    for (int32_t count : {31, 32, INT32_MAX}) {
        SetTextureSettings(GL_NEAREST, GL_NEAREST, 1, count, false, false);
        EXPECT_EQ(CurrentTextureSettings().PowersOfTwo.size(), 31u) << count;
        EXPECT_EQ(CurrentTextureSettings().PowersOfTwo.back(), 0x80000000u);
        EXPECT_EQ(PowerOfTwoAtLeast(0x80000001u), 0x80000000u);
        EXPECT_EQ(PowerOfTwoAtLeast(0x40000001u), 0x80000000u);
    }
}

TEST_F(Texture, TextureSizesWithTheDefaults) {
    const std::vector<std::pair<uint32_t, uint32_t>> sizes = {{0, 2},
                                                              {1, 2},
                                                              {4, 2},
                                                              {5, 2},
                                                              {6, 4},
                                                              {255, 128},
                                                              {256, 128},
                                                              {257, 128},
                                                              {258, 256},
                                                              {512, 256},
                                                              {1000, 512},
                                                              {1048577, 524288},
                                                              {1048578, 1048576},
                                                              {2097152, 1048576},
                                                              {0xFFFFFFFFu, 1048576}};
    for (const auto& [size, texture] : sizes)
        EXPECT_EQ(TextureSize(size), texture) << size;
    // A divisor of 0 divides by 1.
    SetTextureSettings(GL_LINEAR, GL_LINEAR, 0, 20, true, true);
    EXPECT_EQ(TextureSize(300), 512u);
    EXPECT_EQ(TextureSize(256), 256u);
}

TEST_F(Texture, ComponentCountsAndCompressedFormats) {
    EXPECT_EQ(ComponentCount(GL_RGB), 3u);
    EXPECT_EQ(ComponentCount(GL_RGBA), 4u);
    EXPECT_EQ(ComponentCount(GL_BGR), 0u);
    EXPECT_EQ(ComponentCount(GL_LUMINANCE), 0u);
    EXPECT_EQ(CompressedFormat(GL_ALPHA), GL_COMPRESSED_ALPHA);
    EXPECT_EQ(CompressedFormat(GL_RGB), GL_COMPRESSED_RGB);
    EXPECT_EQ(CompressedFormat(GL_RGBA), GL_COMPRESSED_RGBA);
    EXPECT_EQ(CompressedFormat(GL_LUMINANCE), GL_COMPRESSED_LUMINANCE);
    EXPECT_EQ(CompressedFormat(GL_LUMINANCE_ALPHA), GL_COMPRESSED_LUMINANCE_ALPHA);
    EXPECT_EQ(CompressedFormat(GL_BGR), GL_BGR);
    EXPECT_EQ(CompressedFormat(GL_BGRA), GL_BGRA);
}

TEST_F(Texture, NewTextureNameAsksGLForOne) {
    Recorder.NextTextureName = 41;
    EXPECT_EQ(NewTextureName(), 41u);
    EXPECT_EQ(NewTextureName(), 42u);
    const auto calls = Log.Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].Name, "glGenTextures");
    EXPECT_EQ(calls[0].Args[0], CallArg(1LL));
}

TEST_F(Texture, UploadIssuesItsCallsInOrder) {
    const std::vector<uint8_t> pixels(8 * 2, 0x11); // 2 x 2 RGB, rows padded to 8
    EXPECT_EQ(UploadTexture(pixels, 2, 2, GL_RGB, GL_UNSIGNED_BYTE), 1u);
    EXPECT_EQ(CallsAfterGenTextures(),
              UploadCalls(1, GL_COMPRESSED_RGB, 2, 2, GL_RGB, pixels.data()));
    // The texture stays bound: nothing unbinds it afterwards.
    EXPECT_EQ(Log.Names().back(), "glTexImage2D");
}

TEST_F(Texture, UploadFollowsTheSettings) {
    SetTextureSettings(GL_NEAREST, GL_LINEAR, 2, 20, false, false);
    const std::vector<uint8_t> pixels(16, 0);
    UploadTexture(pixels, 2, 2, GL_RGBA, GL_UNSIGNED_BYTE);
    const auto calls = CallsAfterGenTextures();
    ASSERT_EQ(calls.size(), 7u);
    EXPECT_EQ(calls[1], Call("glTexParameteri", GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST));
    EXPECT_EQ(calls[5], Call("glTexParameteri", GL_TEXTURE_2D, GL_GENERATE_MIPMAP, 0));
    EXPECT_EQ(calls[6].Args[2], CallArg(static_cast<long long>(GL_RGBA)));

    // Compressing keeps a format without compressed counterpart as it is.
    Log.Clear();
    SetDefaultTextureSettings();
    UploadTexture(pixels, 2, 2, GL_BGR, GL_UNSIGNED_BYTE);
    EXPECT_EQ(CallsAfterGenTextures().back().Args[2], CallArg(static_cast<long long>(GL_BGR)));
    Log.Clear();
    UploadTexture(pixels, 2, 2, GL_RGBA, GL_UNSIGNED_BYTE);
    EXPECT_EQ(CallsAfterGenTextures().back().Args[2],
              CallArg(static_cast<long long>(GL_COMPRESSED_RGBA)));
}

TEST_F(Texture, UploadRefusesBuffersGLWouldReadPast) {
    const std::vector<uint8_t> pixels(
        15, 0); // 2 x 2 RGB needs 8 + 6 = 14 with the last row's padding: 16
    EXPECT_THROW(UploadTexture(pixels, 2, 2, GL_RGB, GL_UNSIGNED_BYTE), std::invalid_argument);
    EXPECT_THROW(UploadTexture(pixels, 1, 1, GL_RGB, GL_FLOAT), std::invalid_argument);
    EXPECT_THROW(UploadTexture(pixels, 1, 1, 0x1234, GL_UNSIGNED_BYTE), std::invalid_argument);
    EXPECT_THROW(UploadTexture(pixels, -1, 1, GL_RGB, GL_UNSIGNED_BYTE), std::invalid_argument);
    EXPECT_TRUE(Log.Calls().empty());
    // An empty picture needs no bytes.
    EXPECT_EQ(UploadTexture({}, 0, 0, GL_RGB, GL_UNSIGNED_BYTE), 1u);
}

TEST_F(Texture, RescaleLeavesTextureSizedImagesAlone) {
    std::vector<uint8_t> pixels(16, 7);
    GLint width = 2, height = 2;
    EXPECT_TRUE(RescaleImage(pixels, width, height, GL_RGB, GL_UNSIGNED_BYTE));
    EXPECT_EQ(pixels, std::vector<uint8_t>(16, 7));
    SetTextureSettings(GL_LINEAR, GL_LINEAR, 1, 20, true, true);
    std::vector<uint8_t> wide(256 * 128 * 4, 3);
    width = 256, height = 128;
    EXPECT_TRUE(RescaleImage(wide, width, height, GL_RGBA, GL_UNSIGNED_BYTE));
    EXPECT_EQ(width, 256);
    EXPECT_TRUE(Log.Calls().empty());
}

TEST_F(Texture, RescaleScalesToTextureSizesThroughGLU) {
    const std::vector<std::tuple<uint32_t, GLint, GLint, GLint, GLint>> cases = {
        {2, 256, 256, 128, 128}, {2, 257, 300, 128, 256}, {1, 300, 300, 512, 512}, {2, 5, 3, 2, 2}};
    for (const auto& [divisor, width, height, newWidth, newHeight] : cases) {
        SCOPED_TRACE(testing::Message() << width << " x " << height);
        SetTextureSettings(GL_LINEAR, GL_LINEAR, divisor, 20, true, true);
        Log.Clear();
        std::vector<uint8_t> pixels(PaddedRowBytes(width, 3) * height, 9);
        const void* old = pixels.data();
        GLint w = width, h = height;
        EXPECT_TRUE(RescaleImage(pixels, w, h, GL_RGB, GL_UNSIGNED_BYTE));
        EXPECT_EQ(w, newWidth);
        EXPECT_EQ(h, newHeight);
        // Rows padded to 4 bytes: a 2-pixel RGB row takes 8.
        EXPECT_EQ(pixels.size(), PaddedRowBytes(newWidth, 3) * newHeight);
        const auto calls = Log.Calls();
        ASSERT_EQ(calls.size(), 2u);
        EXPECT_EQ(calls[0].Name, "glGetIntegerv");
        EXPECT_EQ(calls[0].Args[0], CallArg(static_cast<long long>(GL_PACK_ALIGNMENT)));
        EXPECT_EQ(calls[1],
                  Call("gluScaleImage", GL_RGB, width, height, GL_UNSIGNED_BYTE, old, newWidth,
                       newHeight, GL_UNSIGNED_BYTE, static_cast<const void*>(pixels.data())));
    }
}

TEST_F(Texture, FailedScaleInstallsZerosOfTheNewSize) {
    const auto failedScale = [&] {
        std::vector<uint8_t> pixels(PaddedRowBytes(6, 4) * 6, 0xEE);
        GLint width = 6, height = 6;
        EXPECT_FALSE(RescaleImage(pixels, width, height, GL_RGBA, GL_UNSIGNED_BYTE));
        EXPECT_EQ(width, 4);
        EXPECT_EQ(height, 4);
        EXPECT_EQ(pixels, std::vector<uint8_t>(4 * 4 * 4, 0));
    };
    Recorder.ScaleImageResult = GluInvalidEnum;
    failedScale();
    // No context current (GL answers nothing) or another pack alignment: GLU is not run.
    Recorder.ScaleImageResult = 0;
    Recorder.Integers.erase(GL_PACK_ALIGNMENT);
    failedScale();
    Recorder.Integers[GL_PACK_ALIGNMENT] = {8};
    failedScale();
    EXPECT_EQ(Log.Only({"gluScaleImage"}).size(), 1u);
}

TEST_F(Texture, RescaleThatCannotRunChangesNothing) {
    const auto unchanged = [&](std::vector<uint8_t> pixels, GLint width, GLint height,
                               GLenum format, GLenum type) {
        const std::vector<uint8_t> before = pixels;
        const GLint oldWidth = width, oldHeight = height;
        EXPECT_FALSE(RescaleImage(pixels, width, height, format, type));
        EXPECT_EQ(pixels, before);
        EXPECT_EQ(width, oldWidth);
        EXPECT_EQ(height, oldHeight);
    };
    unchanged(std::vector<uint8_t>(35, 1), 6, 3, GL_RGB, GL_UNSIGNED_BYTE); // needs 3 rows of 20
    unchanged(std::vector<uint8_t>(72, 1), 6, 3, GL_RGB, GL_FLOAT);
    unchanged(std::vector<uint8_t>(72, 1), 6, 3, 0x1234, GL_UNSIGNED_BYTE);
    unchanged(std::vector<uint8_t>(72, 1), 0, 3, GL_RGB, GL_UNSIGNED_BYTE);
    unchanged(std::vector<uint8_t>(72, 1), 6, -3, GL_RGB, GL_UNSIGNED_BYTE);
    EXPECT_TRUE(Log.Calls().empty());
    // A scale that throws.
    Recorder.FailingCalls.insert("gluScaleImage");
    unchanged(std::vector<uint8_t>(60, 1), 6, 3, GL_RGB, GL_UNSIGNED_BYTE);
}

class LoadTextureFile : public Texture {
  protected:
    TempDir Dir;

    std::string Bitmap(const std::string& name, const std::vector<uint8_t>& bytes) {
        WriteBytes(Dir / name, bytes);
        return (Dir / name).string();
    }
};

TEST_F(LoadTextureFile, ReadsScalesAndUploads) {
    const auto grey = [](int, int) { return std::array<uint8_t, 3>{50, 60, 70}; };
    const std::string name = Bitmap("Ground.bmp", MakeBitmap(Fields(6, 4), Rows24(6, 4, grey)));
    EXPECT_EQ(LoadTexture(name), 1u);
    EXPECT_THAT(Log.Names(),
                ElementsAre("glGetIntegerv", "gluScaleImage", "glGenTextures", "glBindTexture",
                            "glTexParameteri", "glTexParameteri", "glTexParameteri",
                            "glTexParameteri", "glTexParameteri", "glTexImage2D"));
    const CallRecord scale = Log.Only({"gluScaleImage"}).front();
    const CallRecord upload = Log.Only({"glTexImage2D"}).front();
    // 6 x 4 halves to 3 x 2, which rounds up to 4 x 2; the scaled buffer is what is uploaded.
    EXPECT_EQ(upload, Call("glTexImage2D", GL_TEXTURE_2D, 0, GL_COMPRESSED_RGB, 4, 2, 0, GL_RGB,
                           GL_UNSIGNED_BYTE, std::get<const void*>(scale.Args[8])));
}

TEST_F(LoadTextureFile, ThirtyTwoBitFilesBecomeRgbaTextures) {
    const std::string name =
        Bitmap("a.bmp", MakeBitmap(Fields(2, 2).Bits(32), std::vector<uint8_t>(16, 0x40)));
    EXPECT_EQ(LoadTexture(name), 1u);
    EXPECT_EQ(Log.Only({"glTexImage2D"}).front().Args[2],
              CallArg(static_cast<long long>(GL_COMPRESSED_RGBA)));
}

TEST_F(LoadTextureFile, FailedRescaleStillUploadsItsBuffer) {
    Recorder.ScaleImageResult = GluInvalidEnum;
    const std::string name =
        Bitmap("g.bmp", MakeBitmap(Fields(8, 8), std::vector<uint8_t>(8 * 24, 1)));
    EXPECT_EQ(LoadTexture(name), 1u);
    const CallRecord upload = Log.Only({"glTexImage2D"}).front();
    EXPECT_EQ(upload.Args[3], CallArg(4LL));
    EXPECT_EQ(upload.Args[4], CallArg(4LL));
}

TEST_F(LoadTextureFile, NonBitmapGivesNoTextureAndFaultsPassUp) {
    std::vector<uint8_t> jpeg(100, 0);
    jpeg[0] = 0xFF;
    jpeg[1] = 0xD8;
    EXPECT_EQ(LoadTexture(Bitmap("photo.jpg", jpeg)), 0u);
    EXPECT_TRUE(Log.Calls().empty());

    const std::string missing = (Dir / "Ground.bmp").string();
    EXPECT_THAT([&] { LoadTexture(missing); },
                ::testing::ThrowsMessage<std::runtime_error>(
                    ::testing::StartsWith(missing + ": cannot open")));
    const std::string truncated =
        Bitmap("t.bmp", MakeBitmap(Fields(8, 8), std::vector<uint8_t>(100, 1)));
    EXPECT_THROW(LoadTexture(truncated), std::runtime_error);
    EXPECT_TRUE(Log.Calls().empty());
}
