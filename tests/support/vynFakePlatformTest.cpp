#include "vynFakePlatformTest.h"

namespace vyn::test {

WNDCLASSEXA TestClass(const char* name) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.lpfnWndProc = RecordingWindowProc;
    windowClass.lpszClassName = name;
    return windowClass;
}

FakePlatformTest::FakePlatformTest() {
    Received.clear();
    CreateAnswer = 0;
}

HWND FakePlatformTest::MakeWindow(DWORD style) {
    const WNDCLASSEXA windowClass = TestClass();
    if (Fake.RegisteredClass("vynTest") == nullptr) {
        EXPECT_NE(vyn::RegisterClassExA(&windowClass), 0);
    }
    RECT rect{10, 20, 410, 320};
    vyn::AdjustWindowRectEx(&rect, style, FALSE, 0);
    return vyn::CreateWindowExA(0, "vynTest", "caption", style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                                nullptr, nullptr);
}

HWND FakePlatformTest::MakeReadyWindow() {
    const HWND window = MakeWindow();
    vyn::ShowWindow(window, SW_SHOW);
    const HDC dc = vyn::GetDC(window);
    const PIXELFORMATDESCRIPTOR wanted = PixelRequest(32, 24, 0);
    vyn::SetPixelFormat(dc, vyn::ChoosePixelFormat(dc, &wanted), &wanted);
    vyn::wglMakeCurrent(dc, vyn::wglCreateContext(dc));
    PAINTSTRUCT paint{};
    vyn::BeginPaint(window, &paint);
    vyn::EndPaint(window, &paint);
    Received.clear();
    return window;
}

std::vector<MSG> FakePlatformTest::Drain(HWND window) {
    std::vector<MSG> taken;
    MSG message{};
    while (vyn::PeekMessageA(&message, window, 0, 0, PM_REMOVE) && taken.size() < 100) {
        taken.push_back(message);
        if (message.message == WM_PAINT)
            vyn::DefWindowProcA(message.hwnd, WM_PAINT, 0, 0);
    }
    return taken;
}

} // namespace vyn::test
