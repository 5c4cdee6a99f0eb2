#include "framework/window/vynWindowState.h"

#include <gtest/gtest.h>

#include <thread>

using namespace vyn;

TEST(WindowState, StartValuesMakeA400By300WindowNamedVynSingleWindow) {
    // Read before any test changes the record.
    EXPECT_EQ(Framework.Width, 400);
    EXPECT_EQ(Framework.Height, 300);
    EXPECT_EQ(Framework.Left, 0);
    EXPECT_EQ(Framework.Top, 0);
    EXPECT_EQ(Framework.ColorBits, 32);
    EXPECT_EQ(Framework.StencilBits, 32);
    EXPECT_EQ(Framework.DepthBits, 32);
    EXPECT_EQ(Framework.TimerId, 1u);
    EXPECT_EQ(Framework.TimerPeriod, 1000);
    EXPECT_EQ(Framework.WindowName.Get(), "vynSingleWindow");
    EXPECT_EQ(Framework.WindowHandle.load(), nullptr);
    EXPECT_FALSE(Framework.ContextReady);
    EXPECT_EQ(FallbackWindowProc, nullptr);
    EXPECT_EQ(IdleRoutine, nullptr);
}

TEST(WindowState, ResetWritesTheResetValuesAndKeepsLibrariesTimerAndVersion) {
    Framework.WindowHandle = reinterpret_cast<HWND>(uintptr_t{0x10});
    Framework.DeviceContext = reinterpret_cast<HDC>(uintptr_t{0x20});
    Framework.RenderingContext = reinterpret_cast<HGLRC>(uintptr_t{0x30});
    Framework.Width = 1024;
    Framework.Height = 768;
    Framework.Left = 5;
    Framework.ColorBits = 16;
    Framework.Frequency = 75;
    Framework.FullScreen = Framework.Popup = Framework.Active = Framework.ModeChanged = true;
    Framework.LoopRunning = Framework.ContextReady = true;
    Framework.WindowName = "other";
    Framework.GLLibraryName = "gl";
    Framework.GLULibraryName = "glu";
    Framework.GLLoaded = true;
    Framework.GLVersion = 4.5f;
    Framework.TimerId = 9;
    Framework.TimerRunning = true;
    Framework.FrameCount = 12;
    GLVendor = GLRenderer = GLVersionText = GLExtensions = "text";

    ASSERT_TRUE(ResetState());

    EXPECT_EQ(Framework.WindowHandle.load(), nullptr);
    EXPECT_EQ(Framework.DeviceContext, nullptr);
    EXPECT_EQ(Framework.RenderingContext, nullptr);
    EXPECT_EQ(Framework.Width, 800);
    EXPECT_EQ(Framework.Height, 600);
    EXPECT_EQ(Framework.Left, 0);
    EXPECT_EQ(Framework.ColorBits, 32);
    EXPECT_EQ(Framework.Frequency, 0);
    EXPECT_FALSE(Framework.FullScreen || Framework.Popup || Framework.Active ||
                 Framework.ModeChanged || Framework.LoopRunning || Framework.ContextReady);
    EXPECT_EQ(Framework.WindowName.Get(), "vynSingleWindow");
    EXPECT_TRUE(Framework.GLLibraryName.empty() && Framework.GLULibraryName.empty());
    EXPECT_TRUE(GLVendor.empty() && GLRenderer.empty() && GLVersionText.empty() &&
                GLExtensions.empty());
    // Untouched: libraries, version, timer, frame count.
    EXPECT_TRUE(Framework.GLLoaded);
    EXPECT_EQ(Framework.GLVersion, 4.5f);
    EXPECT_EQ(Framework.TimerId, 9u);
    EXPECT_TRUE(Framework.TimerRunning);
    EXPECT_EQ(Framework.FrameCount.load(), 12);

    // Resetting an already reset record succeeds too.
    EXPECT_TRUE(ResetState());
}

TEST(WindowState, TheWindowNameCanBeReadWhileAnotherThreadReplacesIt) {
    std::thread writer([] {
        for (int i = 0; i < 2000; ++i)
            Framework.WindowName = (i % 2) ? "a rather longer window name than fits inline" : "x";
    });
    for (int i = 0; i < 2000; ++i) {
        std::string name = Framework.WindowName.Get();
        ASSERT_TRUE(name == "x" || name == "a rather longer window name than fits inline" ||
                    name == "vynSingleWindow")
            << name;
    }
    writer.join();
    Framework.WindowName = DefaultWindowName;
}
