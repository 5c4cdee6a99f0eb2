#include "vynPlatformTestSupport.h"

namespace vyn::test {

std::vector<Seen> Received;
LRESULT CreateAnswer = 0;

LRESULT VYN_WINAPI RecordingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Received.push_back(Seen{window, message, wParam, lParam});
    if (message == WM_CREATE)
        return CreateAnswer;
    return vyn::DefWindowProcA(window, message, wParam, lParam);
}

PIXELFORMATDESCRIPTOR PixelRequest(BYTE colour, BYTE depth, BYTE stencil) {
    PIXELFORMATDESCRIPTOR wanted{};
    wanted.nSize = sizeof wanted;
    wanted.nVersion = 1;
    wanted.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    wanted.iPixelType = PFD_TYPE_RGBA;
    wanted.cColorBits = colour;
    wanted.cDepthBits = depth;
    wanted.cStencilBits = stencil;
    return wanted;
}

DEVMODEA ModeRequest(DWORD width, DWORD height, DWORD bitsPerPixel) {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    mode.dmBitsPerPel = bitsPerPixel;
    return mode;
}

} // namespace vyn::test
