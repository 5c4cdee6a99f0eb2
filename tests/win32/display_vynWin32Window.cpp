// The window module on the Win32 backend with a real WGL context (Wine's opengl32 over Mesa under
// Xvfb): what it makes, its loop, its caption timer and its teardown.
#include "framework/gl/vynGL.h"
#include "framework/input/vynKeyBoardU.h"
#include "framework/window/vynMainWindow.h"

#include "tests/support/vynWindowTestSupport.h"

#include "framework/platform/win32/vynWin32Native.h"

#include <gtest/gtest.h>

#include <xmmintrin.h>

#include <atomic>
#include <chrono>
#include <future>
#include <string>
#include <thread>

using vyn::Framework;
using vyn::win32::Native;

namespace {

using namespace std::chrono_literals;

std::wstring TextOf(::HWND window) {
    // InternalGetWindowText reads the caption without sending WM_GETTEXT to the window's thread.
    wchar_t text[256] = {};
    InternalGetWindowText(window, text, 256);
    return text;
}

void* GLUExport(const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"glu32.dll"), name));
}

template <typename Function>
void* Address(Function function) {
    return reinterpret_cast<void*>(function);
}

std::atomic<int> LeftArrowPresses{0};

class Win32Window : public ::testing::Test {
  protected:
    void SetUp() override {
        vyn::RestoreStartValues();
        vyn::CreateGlobals();
    }

    void TearDown() override {
        if (Framework.TimerRunning) {
            EXPECT_TRUE(vyn::SetFpsTimer(false));
        }
        if (Framework.ContextReady) {
            vyn::ReleaseResources();
            EXPECT_TRUE(vyn::ReleaseWindowAndContext());
        } else {
            vyn::DestroyGlobals();
        }
    }
};

} // namespace

TEST_F(Win32Window, CreationMakesTheWindowAndContextAskedFor) {
    ASSERT_TRUE(vyn::CreateFromSettings());
    const ::HWND window = Native(Framework.WindowHandle.load());
    RECT client{};
    ASSERT_TRUE(GetClientRect(window, &client));
    EXPECT_EQ(client.right - client.left, 400);
    EXPECT_EQ(client.bottom - client.top, 300);
    EXPECT_EQ(TextOf(window), L"vynSingleWindow");
    WNDCLASSEXW kept{};
    kept.cbSize = sizeof kept;
    ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), L"vynSingleWindow", &kept));
    EXPECT_EQ(kept.style, 35u);

    const ::HDC deviceContext = Native(Framework.DeviceContext);
    const int format = GetPixelFormat(deviceContext);
    ASSERT_GT(format, 0);
    PIXELFORMATDESCRIPTOR got{};
    ASSERT_GT(DescribePixelFormat(deviceContext, format, sizeof got, &got), 0);
    EXPECT_EQ(got.dwFlags & 37u, 37u);
    EXPECT_GT(got.cDepthBits, 0);

    EXPECT_EQ(wglGetCurrentContext(), Native(Framework.RenderingContext));
    EXPECT_GE(Framework.GLVersion, 1.0f);
    EXPECT_FALSE(vyn::GLRenderer.empty());
    std::printf("Renderer: %s, OpenGL %s\n", vyn::GLRenderer.c_str(), vyn::GLVersionText.c_str());
    // GLU comes from Wine's GLU32.dll, both entry points the framework uses.
    EXPECT_EQ(Address(vyn::GL.gluPerspective), GLUExport("gluPerspective"));
    EXPECT_EQ(Address(vyn::GL.gluScaleImage), GLUExport("gluScaleImage"));

    // Every floating-point exception is masked, in the x87 unit and in SSE.
    uint16_t x87 = 0;
    asm volatile("fnstcw %0" : "=m"(x87));
    EXPECT_EQ(x87 & 0x3F, 0x3F);
    EXPECT_EQ(_mm_getcsr() & 0x1F80u, 0x1F80u);

    EXPECT_TRUE(vyn::DrawFrame());
    EXPECT_EQ(vyn::glGetError(), vyn::GL_NO_ERROR);
}

TEST_F(Win32Window, TeardownReleasesEverythingItMade) {
    ASSERT_TRUE(vyn::CreateFromSettings());
    const ::HWND window = Native(Framework.WindowHandle.load());
    vyn::ReleaseResources();
    ASSERT_TRUE(vyn::ReleaseWindowAndContext());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    WNDCLASSEXW kept{};
    kept.cbSize = sizeof kept;
    EXPECT_FALSE(GetClassInfoExW(GetModuleHandleW(nullptr), L"vynSingleWindow", &kept));
    // And the next creation works again, at the reset size.
    ASSERT_TRUE(vyn::CreateFromSettings());
    RECT client{};
    GetClientRect(Native(Framework.WindowHandle.load()), &client);
    EXPECT_EQ(client.right, 800);
    EXPECT_EQ(client.bottom, 600);
}

TEST_F(Win32Window, TheLoopDrawsShowsTheFrameRateTakesKeysAndEndsWhenClosed) {
    Framework.TimerPeriod = 100;
    ASSERT_TRUE(vyn::CreateFromSettings());
    LeftArrowPresses = 0;
    ASSERT_TRUE(
        vyn::CurrentKeyboard->SetHandler(VK_LEFT, vyn::KeyDownTable, [] { ++LeftArrowPresses; }));
    const ::HWND window = Native(Framework.WindowHandle.load());
    vyn::ShowMainWindow();
    ASSERT_TRUE(vyn::SetFpsTimer(true));
    EXPECT_TRUE(vyn::DrawFrame());

    // A user, from outside: waits for the frame-rate caption, presses the left arrow, closes.
    auto user = std::async(std::launch::async, [window] {
        std::wstring caption;
        for (int attempt = 0; attempt < 500 && caption.find(L" FPS]") == std::wstring::npos;
             ++attempt) {
            std::this_thread::sleep_for(10ms);
            caption = TextOf(window);
        }
        PostMessageW(window, WM_KEYDOWN, VK_LEFT, 1);
        PostMessageW(window, WM_KEYUP, VK_LEFT, 0xC0000001);
        std::this_thread::sleep_for(100ms);
        PostMessageW(window, WM_CLOSE, 0, 0);
        return caption;
    });
    EXPECT_TRUE(vyn::RunMainLoop());
    const std::wstring caption = user.get();
    EXPECT_EQ(caption.rfind(L"vynSingleWindow [", 0), 0u)
        << std::string(caption.begin(), caption.end());
    EXPECT_EQ(caption.back(), L']');
    EXPECT_EQ(LeftArrowPresses, 1);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(Framework.ContextReady);
    // The timer outlives the loop; stopping it from here cannot deadlock.
    EXPECT_TRUE(vyn::SetFpsTimer(false));
}
