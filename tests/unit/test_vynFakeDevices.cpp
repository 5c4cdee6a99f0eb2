// The fake backend's devices: pixel formats, GL contexts and display modes.
#include "framework/platform/emulation/vynPixelFormats.h"
#include "tests/support/vynFakePlatformTest.h"

#include <gtest/gtest.h>

using namespace vyn;
using namespace vyn::test;

namespace {

TEST_F(FakePlatformTest, PixelFormatIsTheClosestOfferedAndSetOnce) {
    const HWND window = MakeWindow();
    const HDC dc = vyn::GetDC(window);
    EXPECT_EQ(vyn::GetDC(window), dc);
    const PIXELFORMATDESCRIPTOR wanted = PixelRequest(32, 32, 32);
    const int format = vyn::ChoosePixelFormat(dc, &wanted);
    ASSERT_GT(format, 0);
    EXPECT_EQ(Fake.ChosenFrom.cStencilBits, 32);

    PIXELFORMATDESCRIPTOR got{};
    EXPECT_EQ(vyn::DescribePixelFormat(dc, format, sizeof got, &got), PixelFormatCount());
    EXPECT_EQ(got.cDepthBits, 24);
    EXPECT_EQ(got.cStencilBits, 8);
    EXPECT_EQ(got.cColorBits, 32);
    EXPECT_TRUE(got.dwFlags & PFD_DOUBLEBUFFER);

    EXPECT_EQ(vyn::wglCreateContext(dc), nullptr);
    EXPECT_TRUE(vyn::SetPixelFormat(dc, format, &wanted));
    EXPECT_TRUE(vyn::SetPixelFormat(dc, format, &wanted));
    EXPECT_FALSE(vyn::SetPixelFormat(dc, format + 1, &wanted));
    EXPECT_EQ(Fake.Window(window)->PixelFormat, format);
    EXPECT_EQ(Fake.SetWith.cDepthBits, 32);
}

TEST_F(FakePlatformTest, ContextsAreMadeCurrentAndDeleted) {
    const HWND window = MakeReadyWindow();
    const HDC dc = vyn::GetDC(window);
    const HGLRC context = Fake.CurrentContext();
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(Fake.CurrentDeviceContext(), dc);
    EXPECT_FALSE(vyn::wglMakeCurrent(dc, reinterpret_cast<HGLRC>(0x99)));
    EXPECT_EQ(Fake.CurrentContext(), context);
    EXPECT_TRUE(vyn::wglMakeCurrent(dc, nullptr));
    EXPECT_EQ(Fake.CurrentContext(), nullptr);
    EXPECT_TRUE(vyn::wglMakeCurrent(dc, context));
    EXPECT_TRUE(vyn::wglDeleteContext(context));
    EXPECT_EQ(Fake.CurrentContext(), nullptr);
    EXPECT_FALSE(vyn::wglDeleteContext(context));
    EXPECT_TRUE(Fake.Contexts().empty());

    EXPECT_EQ(vyn::ReleaseDC(window, dc), 1);
    EXPECT_EQ(vyn::ReleaseDC(window, reinterpret_cast<HDC>(0x5)), 0);
    EXPECT_TRUE(vyn::DeleteDC(dc));
    EXPECT_FALSE(vyn::DeleteDC(dc));
}

TEST_F(FakePlatformTest, DisplayModeChangesToExistingModesAndRestores) {
    DEVMODEA mode = ModeRequest(800, 600, 32);
    EXPECT_EQ(vyn::ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(Fake.CurrentMode.dmPelsWidth, 800u);
    EXPECT_EQ(Fake.CurrentMode.dmDisplayFrequency, 60u);

    const HWND window = MakeWindow(WS_POPUP);
    vyn::ShowWindow(window, SW_MAXIMIZE);
    EXPECT_EQ(Width(Fake.Window(window)->Client), 800);

    mode.dmPelsWidth = 801;
    EXPECT_EQ(vyn::ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN), DISP_CHANGE_BADMODE);
    EXPECT_EQ(Fake.CurrentMode.dmPelsWidth, 800u);
    EXPECT_EQ(vyn::ChangeDisplaySettingsA(nullptr, 0), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(Fake.CurrentMode.dmPelsWidth, 1024u);
    ASSERT_EQ(Fake.ModeRequests.size(), 3u);
    EXPECT_EQ(Fake.ModeRequests[0].Flags, CDS_FULLSCREEN);
    EXPECT_FALSE(Fake.ModeRequests[2].HasMode);
}

} // namespace
