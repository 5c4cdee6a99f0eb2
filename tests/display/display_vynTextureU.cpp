// Texture creation on a real GL context (Mesa under Xvfb) with the real GLU.
//
// gluScaleImage reads GL's pixel-store state, so it needs a current context: without one it
// divides by an alignment of zero. SDL makes the context here directly, which keeps this suite
// independent of the window module; SDL is started as the SDL backend starts it, to be quit at
// exit after the leak check, while the GL driver's caches can still be told from leaks.
#include "framework/platform/sdl/vynSdlState.h"
#include "framework/resources/vynTextureU.h"

#include "app/vynLandscape.h"
#include "tests/support/vynBitmapWriter.h"
#include "tests/support/vynTestSupport.h"

#include <SDL.h>
#include <gtest/gtest.h>

using namespace vyn;
using namespace vyn::test;

namespace {

class RealGLTexture : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(EnsureSdlVideo()) << SDL_GetError();
        Window = SDL_CreateWindow("vyn texture test", 0, 0, 64, 64,
                                  SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
        ASSERT_NE(Window, nullptr) << SDL_GetError();
        Context = SDL_GL_CreateContext(Window);
        ASSERT_NE(Context, nullptr) << SDL_GetError();
        ASSERT_TRUE(LoadGLBinding("libGL.so.1", "libGLU.so.1"));
    }

    static void TearDownTestSuite() {
        ResetGLDispatch();
        SDL_GL_DeleteContext(Context);
        SDL_DestroyWindow(Window);
    }

    void SetUp() override { SetDefaultTextureSettings(); }

    static GLint LevelParameter(GLenum name) {
        GLint value = -1;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, name, &value);
        return value;
    }

    static inline SDL_Window* Window = nullptr;
    static inline SDL_GLContext Context = nullptr;
};

} // namespace

TEST_F(RealGLTexture, OddSizedRgbScalesIntoPaddedRowsAndNoFurther) {
    // 7 x 5 -> 2 x 2 with a divisor of 4: rows of 6 bytes padded to 8. The buffer is exactly
    // 16 bytes, so the sanitizer build catches any write past it; padding stays zero.
    SetTextureSettings(GL_LINEAR, GL_LINEAR, 4, 20, false, false);
    const std::array<uint8_t, 3> colour = {200, 100, 50};
    std::vector<uint8_t> pixels = Rows24(7, 5, [&](int, int) { return colour; });
    for (size_t row = 0; row < 5; ++row) // Rows24 stores blue first; make it red first
        for (size_t x = 0; x < 7; ++x)
            std::swap(pixels[row * 24 + 3 * x], pixels[row * 24 + 3 * x + 2]);
    GLint width = 7, height = 5;
    ASSERT_TRUE(RescaleImage(pixels, width, height, GL_RGB, GL_UNSIGNED_BYTE));
    EXPECT_EQ(width, 2);
    EXPECT_EQ(height, 2);
    ASSERT_EQ(pixels.size(), 16u);
    const std::vector<uint8_t> expected = {200, 100, 50, 200, 100, 50, 0, 0,
                                           200, 100, 50, 200, 100, 50, 0, 0};
    EXPECT_EQ(pixels, expected);

    // And up: 5 x 3 RGBA -> 8 x 4 with a divisor of 1.
    SetTextureSettings(GL_LINEAR, GL_LINEAR, 1, 20, false, false);
    std::vector<uint8_t> rgba(5 * 3 * 4, 77);
    width = 5, height = 3;
    ASSERT_TRUE(RescaleImage(rgba, width, height, GL_RGBA, GL_UNSIGNED_BYTE));
    EXPECT_EQ(rgba, std::vector<uint8_t>(8 * 4 * 4, 77));
}

TEST_F(RealGLTexture, LoadTextureMakesAMipmappedTextureOfTheScaledSize) {
    TempDir dir;
    const auto gradient = [](int x, int y) {
        return std::array<uint8_t, 3>{static_cast<uint8_t>(4 * x), static_cast<uint8_t>(8 * y), 90};
    };
    WriteBytes(dir / "Ground.bmp", MakeBitmap(Fields(60, 30), Rows24(60, 30, gradient)));
    const GLuint name = LoadTexture((dir / "Ground.bmp").string());
    ASSERT_NE(name, 0u);
    EXPECT_EQ(glGetError(), GL_NO_ERROR);
    // 60 x 30 halves to 30 x 15, which rounds up to 32 x 16; the texture stays bound.
    EXPECT_EQ(LevelParameter(GL_TEXTURE_WIDTH), 32);
    EXPECT_EQ(LevelParameter(GL_TEXTURE_HEIGHT), 16);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), name);
    GLint level1Width = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &level1Width);
    EXPECT_EQ(level1Width, 16) << "mipmaps were generated from level 0";
    EXPECT_NE(LoadTexture((dir / "Ground.bmp").string()), name);
}
