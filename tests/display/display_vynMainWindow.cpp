// The window module on the real thing: the SDL2 backend against Xvfb and Mesa's llvmpipe.
#include "framework/platform/sdl/vynSdlState.h"
#include "framework/render/vynSettingsU.h"
#include "framework/window/vynMainWindow.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <string>

using namespace vyn;

namespace {

bool IsOn(GLenum capability) {
    return glIsEnabled(capability) == GL_TRUE;
}

GLint Integer(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

std::string Caption() {
    SDL_Window* window = SdlWindowOf(Framework.WindowHandle);
    return window ? SDL_GetWindowTitle(window) : "";
}

void PushCloseEvent() {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    event.window.windowID = SDL_GetWindowID(SdlWindowOf(Framework.WindowHandle));
    SDL_PushEvent(&event);
}

// "vynSingleWindow [N FPS]" with N > 0.
bool ShowsFrames(const std::string& caption) {
    const std::string prefix = "vynSingleWindow [";
    const std::string suffix = " FPS]";
    if (caption.size() <= prefix.size() + suffix.size() || caption.rfind(prefix, 0) != 0 ||
        caption.compare(caption.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    const std::string digits =
        caption.substr(prefix.size(), caption.size() - prefix.size() - suffix.size());
    return digits.find_first_not_of("0123456789") == std::string::npos && digits[0] != '0';
}

// Set by the idle routine once the frame-rate caption shows frames.
std::string SeenCaption;
std::chrono::steady_clock::time_point LoopStart;

void WatchCaptionThenClose() {
    const std::string caption = Caption();
    const bool showsFrames = ShowsFrames(caption);
    const bool late = std::chrono::steady_clock::now() - LoopStart > std::chrono::seconds(3);
    if ((showsFrames || late) && SeenCaption.empty()) {
        SeenCaption = caption;
        PushCloseEvent();
    }
}

} // namespace

TEST(RealWindow, OpensWithThePresetsThenShowsTheFrameRateAndClosesCleanly) {
    CreateGlobals();
    ASSERT_TRUE(CreateFromSettings());

    SDL_Window* window = SdlWindowOf(Framework.WindowHandle);
    ASSERT_NE(window, nullptr);
    int width = 0, height = 0;
    SDL_GetWindowSize(window, &width, &height);
    EXPECT_EQ(width, 400);
    EXPECT_EQ(height, 300);
    EXPECT_STREQ(SDL_GetWindowTitle(window), "vynSingleWindow");
    EXPECT_GE(Framework.GLVersion, 1.0f);
    std::printf("driver: %s / %s / %s\n", GLVendor.c_str(), GLRenderer.c_str(),
                GLVersionText.c_str());

    // The presets are in effect on the real context.
    for (GLenum capability : {GL_DEPTH_TEST, GL_CULL_FACE, GL_LIGHTING, GL_LIGHT0, GL_FOG,
                              GL_COLOR_MATERIAL, GL_VERTEX_ARRAY, GL_TEXTURE_COORD_ARRAY})
        EXPECT_TRUE(IsOn(capability)) << capability;
    EXPECT_FALSE(IsOn(GL_STENCIL_TEST));
    EXPECT_EQ(Integer(GL_FRONT_FACE), static_cast<GLint>(GL_CW));
    EXPECT_EQ(Integer(GL_CULL_FACE_MODE), static_cast<GLint>(GL_BACK));
    EXPECT_EQ(Integer(GL_DEPTH_FUNC), static_cast<GLint>(GL_LESS));
    EXPECT_EQ(Integer(GL_FOG_MODE), static_cast<GLint>(GL_EXP2));
    EXPECT_EQ(Integer(GL_COLOR_MATERIAL_PARAMETER), static_cast<GLint>(GL_EMISSION));
    GLfloat density = 0.0f;
    glGetFloatv(GL_FOG_DENSITY, &density);
    EXPECT_FLOAT_EQ(density, FogDensity);
    EXPECT_EQ(glGetError(), GL_NO_ERROR);

    // Shown, timed and looped: the caption reports frames within a few seconds, and a close
    // request from the window system ends the loop after a complete teardown.
    HWND made = Framework.WindowHandle;
    EXPECT_TRUE(ShowMainWindow());
    ASSERT_TRUE(SetFpsTimer(true));
    EXPECT_TRUE(DrawFrame());
    IdleRoutine = WatchCaptionThenClose;
    LoopStart = std::chrono::steady_clock::now();
    EXPECT_TRUE(RunMainLoop());
    EXPECT_TRUE(ShowsFrames(SeenCaption)) << SeenCaption;
    EXPECT_FALSE(Framework.ContextReady);
    EXPECT_EQ(Framework.WindowHandle.load(), nullptr);
    EXPECT_EQ(SdlWindowOf(made), nullptr);
    EXPECT_TRUE(SetFpsTimer(false));
}

// A program that brings its own state: a plain context with the accumulation buffer it asked
// for, at OpenGL's defaults, which a resize leaves alone but for the viewport; two clears summed
// in the accumulation buffer come back as their sum.
TEST(RealWindow, APlainContextWithAnAccumulationBufferAddsTwoPictures) {
    Framework.PlainContext = true;
    Framework.AccumBits = 64;
    CreateGlobals();
    ASSERT_TRUE(CreateFromSettings());
    EXPECT_GE(Integer(GL_ACCUM_RED_BITS), 16);
    for (GLenum capability : {GL_DEPTH_TEST, GL_CULL_FACE, GL_LIGHTING, GL_FOG, GL_POLYGON_SMOOTH,
                              GL_TEXTURE_2D, GL_VERTEX_ARRAY, GL_TEXTURE_COORD_ARRAY})
        EXPECT_FALSE(IsOn(capability)) << capability;
    EXPECT_EQ(Integer(GL_FRONT_FACE), static_cast<GLint>(GL_CCW));
    glMatrixMode(GL_PROJECTION);
    glOrtho(0, 1, 0, 1, -1, 1);
    EXPECT_TRUE(ShowMainWindow()); // sends the resize of the first showing
    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    EXPECT_FLOAT_EQ(projection[0], 2.0f) << "the resize replaced the program's projection";
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], Framework.Width);

    glClearColor(0.5f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glAccum(GL_LOAD, 1.0f);
    glClearColor(0.0f, 0.25f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glAccum(GL_ACCUM, 1.0f);
    glAccum(GL_RETURN, 1.0f);
    GLubyte pixel[4] = {};
    glReadPixels(10, 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_NEAR(pixel[0], 128, 2);
    EXPECT_NEAR(pixel[1], 64, 2);
    EXPECT_EQ(glGetError(), GL_NO_ERROR);
    ReleaseResources();
    EXPECT_TRUE(ReleaseWindowAndContext());
}
