// The SDL2 backend against a real X server (Xvfb) and Mesa: windows, pixel formats, contexts,
// events, captions across threads, the timer, display modes and the screen saver.
#include "framework/core/vynFailure.h"
#include "framework/gl/vynGL.h"
#include "framework/platform/emulation/vynPixelFormats.h"
#include "framework/platform/sdl/vynSdlState.h"
#include "framework/window/vynHelpersU.h"
#include "tests/support/vynPlatformTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

using namespace vyn;
using namespace vyn::test;
using namespace std::chrono_literals;

namespace {

const Seen* Find(const std::vector<Seen>& messages, UINT kind) {
    for (const Seen& message : messages)
        if (message.message == kind)
            return &message;
    return nullptr;
}

class SdlPlatformTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_STREQ(CurrentPlatformBackend().Name, "sdl2");
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
        windowClass.lpfnWndProc = RecordingWindowProc;
        windowClass.hInstance = vyn::GetModuleHandleA(nullptr);
        windowClass.hCursor = vyn::LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = "vynDisplayTest";
        ASSERT_NE(vyn::RegisterClassExA(&windowClass), 0);
        Received.clear();
    }

    void TearDown() override {
        if (Context != nullptr) {
            vyn::wglMakeCurrent(Dc, nullptr);
            vyn::wglDeleteContext(Context);
        }
        if (Window != nullptr) {
            vyn::ReleaseDC(Window, Dc);
            vyn::DestroyWindow(Window);
        }
        vyn::ChangeDisplaySettingsA(nullptr, 0);
        EXPECT_TRUE(vyn::UnregisterClassA("vynDisplayTest", vyn::GetModuleHandleA(nullptr)));
    }

    // The framework's windowed creation: client area 400 × 300 at (30, 40).
    void Create(DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN) {
        RECT rect{30, 40, 430, 340};
        ASSERT_TRUE(vyn::AdjustWindowRectEx(&rect, style, FALSE, WS_EX_APPWINDOW));
        Window = vyn::CreateWindowExA(WS_EX_APPWINDOW, "vynDisplayTest", "vynSingleWindow", style,
                                      rect.left, rect.top, rect.right - rect.left,
                                      rect.bottom - rect.top, nullptr, nullptr,
                                      vyn::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(Window, nullptr);
        Dc = vyn::GetDC(Window);
        ASSERT_NE(Dc, nullptr);
    }

    void CreateWithContext() {
        Create();
        const PIXELFORMATDESCRIPTOR wanted = PixelRequest(32, 32, 32);
        Format = vyn::ChoosePixelFormat(Dc, &wanted);
        ASSERT_GT(Format, 0);
        ASSERT_TRUE(vyn::SetPixelFormat(Dc, Format, &wanted));
        Context = vyn::wglCreateContext(Dc);
        ASSERT_NE(Context, nullptr);
        ASSERT_TRUE(vyn::wglMakeCurrent(Dc, Context));
    }

    void Show() {
        vyn::ShowWindow(Window, SW_SHOW);
        Drain();
        Received.clear();
    }

    // Takes every message of the window, painting what asks for it; stops after `limit`.
    std::vector<MSG> Drain(size_t limit = 200) {
        std::vector<MSG> taken;
        MSG message{};
        while (taken.size() < limit && vyn::PeekMessageA(&message, Window, 0, 0, PM_REMOVE)) {
            taken.push_back(message);
            if (message.message == WM_PAINT) {
                PAINTSTRUCT paint{};
                vyn::BeginPaint(Window, &paint);
                vyn::EndPaint(Window, &paint);
            }
        }
        return taken;
    }

    SDL_Window* Sdl() const { return SdlWindowOf(Window); }

    void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }

    SDL_Event Key(Uint32 type, SDL_Scancode code, Uint16 modifiers = 0, Uint8 repeat = 0) {
        SDL_Event event{};
        event.type = type;
        event.key.windowID = SDL_GetWindowID(Sdl());
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.repeat = repeat;
        event.key.keysym.scancode = code;
        event.key.keysym.mod = modifiers;
        return event;
    }

    HWND Window = nullptr;
    HDC Dc = nullptr;
    HGLRC Context = nullptr;
    int Format = 0;
};

TEST_F(SdlPlatformTest, CreationSendsTheMessagesOfWindowsWithTheClientArea) {
    Create();
    EXPECT_EQ(MessageKinds(Received), (std::vector<UINT>{WM_CREATE, WM_SIZE, WM_MOVE}));
    EXPECT_EQ(Received[1].wParam, SIZE_RESTORED);
    EXPECT_EQ(Received[1].lParam, MAKELPARAM(400, 300));
    EXPECT_EQ(Received[2].lParam, MAKELPARAM(30, 40));
    EXPECT_STREQ(SDL_GetWindowTitle(Sdl()), "vynSingleWindow");
    const Uint32 flags = SDL_GetWindowFlags(Sdl());
    EXPECT_TRUE(flags & SDL_WINDOW_HIDDEN);
    EXPECT_TRUE(flags & SDL_WINDOW_RESIZABLE);
    EXPECT_FALSE(flags & SDL_WINDOW_BORDERLESS);
    int width = 0, height = 0;
    SDL_GetWindowSize(Sdl(), &width, &height);
    EXPECT_EQ(width, 400);
    EXPECT_EQ(height, 300);
    // The class still has a window.
    EXPECT_FALSE(vyn::UnregisterClassA("vynDisplayTest", nullptr));
}

LRESULT VYN_WINAPI FailingOnSize(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE)
        throw std::runtime_error("WM_SIZE failed");
    return vyn::DefWindowProcA(window, message, wParam, lParam);
}

// The failure passes on through CreateWindowExA, which leaves neither a window nor an SDL window
// of the class behind.
TEST_F(SdlPlatformTest, AProcedureFailingDuringCreationTakesItsWindowWithIt) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = FailingOnSize;
    windowClass.lpszClassName = "vynFailingTest";
    ASSERT_NE(vyn::RegisterClassExA(&windowClass), 0);
    EXPECT_THROW(vyn::CreateWindowExA(0, "vynFailingTest", "failing", WS_OVERLAPPEDWINDOW, 0, 0,
                                      200, 100, nullptr, nullptr, nullptr, nullptr),
                 std::runtime_error);
    EXPECT_TRUE(vyn::Sdl().System.Windows().empty());
    EXPECT_TRUE(vyn::Sdl().Windows.empty());
    EXPECT_TRUE(vyn::UnregisterClassA("vynFailingTest", nullptr)) << "a window of it is left";
}

TEST_F(SdlPlatformTest, PopupStyleMakesABorderlessFixedWindow) {
    Create(WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    const Uint32 flags = SDL_GetWindowFlags(Sdl());
    EXPECT_TRUE(flags & SDL_WINDOW_BORDERLESS);
    EXPECT_FALSE(flags & SDL_WINDOW_RESIZABLE);
}

TEST_F(SdlPlatformTest, ThirtyTwoBitDepthAndStencilStillGiveACompatibilityContext) {
    CreateWithContext();
    PIXELFORMATDESCRIPTOR got{};
    ASSERT_EQ(vyn::DescribePixelFormat(Dc, Format, sizeof got, &got), PixelFormatCount());
    EXPECT_TRUE(got.dwFlags & PFD_DOUBLEBUFFER);
    // Mesa has no 32-bit stencil; the closest format keeps a depth and a stencil buffer.
    EXPECT_GE(got.cDepthBits, 24);
    EXPECT_EQ(got.cStencilBits, 8);
    std::printf("pixel format %d: colour %d, depth %d, stencil %d\n", Format, got.cColorBits,
                got.cDepthBits, got.cStencilBits);

    ASSERT_TRUE(LoadGLBinding("libGL.so.1", "libGLU.so.1"));
    const auto* version = reinterpret_cast<const char*>(vyn::glGetString(GL_VERSION));
    ASSERT_NE(version, nullptr);
    std::printf("GL_VERSION %s\n", version);
    GLint depth = 0, stencil = 0;
    vyn::glGetIntegerv(GL_DEPTH_BITS, &depth);
    vyn::glGetIntegerv(GL_STENCIL_BITS, &stencil);
    // GLX gives at least what the format asked for.
    EXPECT_GE(depth, got.cDepthBits);
    EXPECT_GE(stencil, got.cStencilBits);
    // The fixed-function matrix stack exists only in a compatibility context.
    vyn::glMatrixMode(GL_MODELVIEW);
    vyn::glLoadIdentity();
    EXPECT_EQ(vyn::glGetError(), GL_NO_ERROR);

    vyn::ShowWindow(Window, SW_SHOW);
    EXPECT_TRUE(vyn::SwapBuffers(Dc));
    EXPECT_FALSE(vyn::SetPixelFormat(Dc, Format == 1 ? 2 : 1, &got));
    EXPECT_TRUE(vyn::wglMakeCurrent(Dc, nullptr));
    EXPECT_FALSE(vyn::SwapBuffers(Dc));
    ResetGLDispatch();
}

// SDL sets the interval of the current context, where the driver can (Mesa under Xvfb cannot: SDL
// refuses, and the reason carries its words); without a current context there is nothing to set.
TEST_F(SdlPlatformTest, TheSwapIntervalIsTheCurrentContextsOrARefusalWithSdlsReason) {
    CreateWithContext();
    if (vyn::wglSwapIntervalEXT(1))
        EXPECT_EQ(SDL_GL_GetSwapInterval(), 1);
    else
        EXPECT_NE(vyn::LastFailure().find("SDL_GL_SetSwapInterval: "), std::string::npos);
    EXPECT_TRUE(vyn::wglMakeCurrent(Dc, nullptr));
    EXPECT_FALSE(vyn::wglSwapIntervalEXT(0));
    EXPECT_NE(vyn::LastFailure().find("no OpenGL context is current"), std::string::npos);
}

TEST_F(SdlPlatformTest, ShowingActivatesAndKeepsTheScreenSaverOffWhileActive) {
    Create();
    EXPECT_TRUE(SDL_IsScreenSaverEnabled());
    Received.clear();
    EXPECT_FALSE(vyn::ShowWindow(Window, SW_SHOW));
    EXPECT_EQ(MessageKinds(Received), (std::vector<UINT>{WM_SHOWWINDOW, WM_ACTIVATE, WM_SETFOCUS}));
    EXPECT_TRUE(SDL_GetWindowFlags(Sdl()) & SDL_WINDOW_SHOWN);
    EXPECT_FALSE(SDL_IsScreenSaverEnabled());
    EXPECT_TRUE(vyn::ShowWindow(Window, SW_SHOW));

    vyn::ShowWindow(Window, SW_MINIMIZE);
    EXPECT_TRUE(SDL_IsScreenSaverEnabled());
    vyn::ShowWindow(Window, SW_RESTORE);
    EXPECT_FALSE(SDL_IsScreenSaverEnabled());
    vyn::DestroyWindow(Window);
    Window = nullptr;
    EXPECT_TRUE(SDL_IsScreenSaverEnabled());
}

TEST_F(SdlPlatformTest, HeldKeyRepeatsAltKeysAndF10ArriveAsWindowsKeyMessages) {
    Create();
    Show();
    Push(Key(SDL_KEYDOWN, SDL_SCANCODE_LEFT));
    Push(Key(SDL_KEYDOWN, SDL_SCANCODE_LEFT, 0, 1));
    Push(Key(SDL_KEYDOWN, SDL_SCANCODE_LEFT, 0, 1));
    Push(Key(SDL_KEYUP, SDL_SCANCODE_LEFT));
    Push(Key(SDL_KEYDOWN, SDL_SCANCODE_X, KMOD_LALT));
    Push(Key(SDL_KEYUP, SDL_SCANCODE_X, KMOD_LALT));
    Push(Key(SDL_KEYDOWN, SDL_SCANCODE_F10));
    Push(Key(SDL_KEYDOWN, SDL_SCANCODE_RSHIFT, KMOD_RSHIFT));
    const std::vector<MSG> taken = Drain();
    ASSERT_EQ(MessageKinds(taken),
              (std::vector<UINT>{WM_KEYDOWN, WM_KEYDOWN, WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN,
                                 WM_SYSKEYUP, WM_SYSKEYDOWN, WM_KEYDOWN}));
    EXPECT_EQ(taken[0].wParam, VK_LEFT);
    EXPECT_EQ(taken[0].lParam, 0x014B0001);
    EXPECT_EQ(taken[1].lParam, 0x414B0001);
    EXPECT_EQ(taken[3].lParam, static_cast<LPARAM>(0xC14B0001u));
    EXPECT_EQ(taken[4].wParam, static_cast<WPARAM>('X'));
    EXPECT_EQ(taken[4].lParam, 0x202D0001);
    EXPECT_EQ(taken[5].lParam, static_cast<LPARAM>(0xE02D0001u));
    EXPECT_EQ(taken[6].wParam, VK_F10);
    EXPECT_EQ(taken[7].wParam, VK_SHIFT);
    EXPECT_EQ(taken[7].lParam, 0x00360001);
}

// Every key the backend translates, as Windows reports it on a US keyboard: the virtual key with
// NumLock on and with it off, the set-1 scan code and the extended-key flag.
struct WindowsKey {
    SDL_Scancode Code;
    WPARAM NumLockOn;
    WPARAM NumLockOff;
    BYTE Scan;
    bool Extended;
};

const WindowsKey WindowsKeys[] = {
    {SDL_SCANCODE_A, 'A', 'A', 0x1E, false},
    {SDL_SCANCODE_B, 'B', 'B', 0x30, false},
    {SDL_SCANCODE_C, 'C', 'C', 0x2E, false},
    {SDL_SCANCODE_D, 'D', 'D', 0x20, false},
    {SDL_SCANCODE_E, 'E', 'E', 0x12, false},
    {SDL_SCANCODE_F, 'F', 'F', 0x21, false},
    {SDL_SCANCODE_G, 'G', 'G', 0x22, false},
    {SDL_SCANCODE_H, 'H', 'H', 0x23, false},
    {SDL_SCANCODE_I, 'I', 'I', 0x17, false},
    {SDL_SCANCODE_J, 'J', 'J', 0x24, false},
    {SDL_SCANCODE_K, 'K', 'K', 0x25, false},
    {SDL_SCANCODE_L, 'L', 'L', 0x26, false},
    {SDL_SCANCODE_M, 'M', 'M', 0x32, false},
    {SDL_SCANCODE_N, 'N', 'N', 0x31, false},
    {SDL_SCANCODE_O, 'O', 'O', 0x18, false},
    {SDL_SCANCODE_P, 'P', 'P', 0x19, false},
    {SDL_SCANCODE_Q, 'Q', 'Q', 0x10, false},
    {SDL_SCANCODE_R, 'R', 'R', 0x13, false},
    {SDL_SCANCODE_S, 'S', 'S', 0x1F, false},
    {SDL_SCANCODE_T, 'T', 'T', 0x14, false},
    {SDL_SCANCODE_U, 'U', 'U', 0x16, false},
    {SDL_SCANCODE_V, 'V', 'V', 0x2F, false},
    {SDL_SCANCODE_W, 'W', 'W', 0x11, false},
    {SDL_SCANCODE_X, 'X', 'X', 0x2D, false},
    {SDL_SCANCODE_Y, 'Y', 'Y', 0x15, false},
    {SDL_SCANCODE_Z, 'Z', 'Z', 0x2C, false},
    {SDL_SCANCODE_1, '1', '1', 0x02, false},
    {SDL_SCANCODE_2, '2', '2', 0x03, false},
    {SDL_SCANCODE_3, '3', '3', 0x04, false},
    {SDL_SCANCODE_4, '4', '4', 0x05, false},
    {SDL_SCANCODE_5, '5', '5', 0x06, false},
    {SDL_SCANCODE_6, '6', '6', 0x07, false},
    {SDL_SCANCODE_7, '7', '7', 0x08, false},
    {SDL_SCANCODE_8, '8', '8', 0x09, false},
    {SDL_SCANCODE_9, '9', '9', 0x0A, false},
    {SDL_SCANCODE_0, '0', '0', 0x0B, false},
    {SDL_SCANCODE_F1, 0x70, 0x70, 0x3B, false},           // VK_F1
    {SDL_SCANCODE_F2, 0x71, 0x71, 0x3C, false},           // VK_F2
    {SDL_SCANCODE_F3, 0x72, 0x72, 0x3D, false},           // VK_F3
    {SDL_SCANCODE_F4, 0x73, 0x73, 0x3E, false},           // VK_F4
    {SDL_SCANCODE_F5, 0x74, 0x74, 0x3F, false},           // VK_F5
    {SDL_SCANCODE_F6, 0x75, 0x75, 0x40, false},           // VK_F6
    {SDL_SCANCODE_F7, 0x76, 0x76, 0x41, false},           // VK_F7
    {SDL_SCANCODE_F8, 0x77, 0x77, 0x42, false},           // VK_F8
    {SDL_SCANCODE_F9, 0x78, 0x78, 0x43, false},           // VK_F9
    {SDL_SCANCODE_F10, 0x79, 0x79, 0x44, false},          // VK_F10
    {SDL_SCANCODE_F11, 0x7A, 0x7A, 0x57, false},          // VK_F11
    {SDL_SCANCODE_F12, 0x7B, 0x7B, 0x58, false},          // VK_F12
    {SDL_SCANCODE_RETURN, 0x0D, 0x0D, 0x1C, false},       // VK_RETURN
    {SDL_SCANCODE_ESCAPE, 0x1B, 0x1B, 0x01, false},       // VK_ESCAPE
    {SDL_SCANCODE_BACKSPACE, 0x08, 0x08, 0x0E, false},    // VK_BACK
    {SDL_SCANCODE_TAB, 0x09, 0x09, 0x0F, false},          // VK_TAB
    {SDL_SCANCODE_SPACE, 0x20, 0x20, 0x39, false},        // VK_SPACE
    {SDL_SCANCODE_MINUS, 0xBD, 0xBD, 0x0C, false},        // VK_OEM_MINUS
    {SDL_SCANCODE_EQUALS, 0xBB, 0xBB, 0x0D, false},       // VK_OEM_PLUS
    {SDL_SCANCODE_LEFTBRACKET, 0xDB, 0xDB, 0x1A, false},  // VK_OEM_4
    {SDL_SCANCODE_RIGHTBRACKET, 0xDD, 0xDD, 0x1B, false}, // VK_OEM_6
    {SDL_SCANCODE_BACKSLASH, 0xDC, 0xDC, 0x2B, false},    // VK_OEM_5
    {SDL_SCANCODE_SEMICOLON, 0xBA, 0xBA, 0x27, false},    // VK_OEM_1
    {SDL_SCANCODE_APOSTROPHE, 0xDE, 0xDE, 0x28, false},   // VK_OEM_7
    {SDL_SCANCODE_GRAVE, 0xC0, 0xC0, 0x29, false},        // VK_OEM_3
    {SDL_SCANCODE_COMMA, 0xBC, 0xBC, 0x33, false},        // VK_OEM_COMMA
    {SDL_SCANCODE_PERIOD, 0xBE, 0xBE, 0x34, false},       // VK_OEM_PERIOD
    {SDL_SCANCODE_SLASH, 0xBF, 0xBF, 0x35, false},        // VK_OEM_2
    {SDL_SCANCODE_CAPSLOCK, 0x14, 0x14, 0x3A, false},     // VK_CAPITAL
    {SDL_SCANCODE_PRINTSCREEN, 0x2C, 0x2C, 0x37, true},   // VK_SNAPSHOT
    {SDL_SCANCODE_SCROLLLOCK, 0x91, 0x91, 0x46, false},   // VK_SCROLL
    {SDL_SCANCODE_PAUSE, 0x13, 0x13, 0x45, false},        // VK_PAUSE
    {SDL_SCANCODE_INSERT, 0x2D, 0x2D, 0x52, true},        // VK_INSERT
    {SDL_SCANCODE_HOME, 0x24, 0x24, 0x47, true},          // VK_HOME
    {SDL_SCANCODE_PAGEUP, 0x21, 0x21, 0x49, true},        // VK_PRIOR
    {SDL_SCANCODE_DELETE, 0x2E, 0x2E, 0x53, true},        // VK_DELETE
    {SDL_SCANCODE_END, 0x23, 0x23, 0x4F, true},           // VK_END
    {SDL_SCANCODE_PAGEDOWN, 0x22, 0x22, 0x51, true},      // VK_NEXT
    {SDL_SCANCODE_RIGHT, 0x27, 0x27, 0x4D, true},         // VK_RIGHT
    {SDL_SCANCODE_LEFT, 0x25, 0x25, 0x4B, true},          // VK_LEFT
    {SDL_SCANCODE_DOWN, 0x28, 0x28, 0x50, true},          // VK_DOWN
    {SDL_SCANCODE_UP, 0x26, 0x26, 0x48, true},            // VK_UP
    {SDL_SCANCODE_NUMLOCKCLEAR, 0x90, 0x90, 0x45, true},  // VK_NUMLOCK
    {SDL_SCANCODE_KP_DIVIDE, 0x6F, 0x6F, 0x35, true},     // VK_DIVIDE
    {SDL_SCANCODE_KP_MULTIPLY, 0x6A, 0x6A, 0x37, false},  // VK_MULTIPLY
    {SDL_SCANCODE_KP_MINUS, 0x6D, 0x6D, 0x4A, false},     // VK_SUBTRACT
    {SDL_SCANCODE_KP_PLUS, 0x6B, 0x6B, 0x4E, false},      // VK_ADD
    {SDL_SCANCODE_KP_ENTER, 0x0D, 0x0D, 0x1C, true},      // VK_RETURN
    {SDL_SCANCODE_LCTRL, 0x11, 0x11, 0x1D, false},        // VK_CONTROL
    {SDL_SCANCODE_LSHIFT, 0x10, 0x10, 0x2A, false},       // VK_SHIFT
    {SDL_SCANCODE_LALT, 0x12, 0x12, 0x38, false},         // VK_MENU
    {SDL_SCANCODE_LGUI, 0x5B, 0x5B, 0x5B, true},          // VK_LWIN
    {SDL_SCANCODE_RCTRL, 0x11, 0x11, 0x1D, true},         // VK_CONTROL
    {SDL_SCANCODE_RSHIFT, 0x10, 0x10, 0x36, false},       // VK_SHIFT
    {SDL_SCANCODE_RALT, 0x12, 0x12, 0x38, true},          // VK_MENU
    {SDL_SCANCODE_RGUI, 0x5C, 0x5C, 0x5C, true},          // VK_RWIN
    {SDL_SCANCODE_APPLICATION, 0x5D, 0x5D, 0x5D, true},   // VK_APPS
    {SDL_SCANCODE_KP_1, 0x61, 0x23, 0x4F, false},         // VK_NUMPAD1, VK_END
    {SDL_SCANCODE_KP_2, 0x62, 0x28, 0x50, false},         // VK_NUMPAD2, VK_DOWN
    {SDL_SCANCODE_KP_3, 0x63, 0x22, 0x51, false},         // VK_NUMPAD3, VK_NEXT
    {SDL_SCANCODE_KP_4, 0x64, 0x25, 0x4B, false},         // VK_NUMPAD4, VK_LEFT
    {SDL_SCANCODE_KP_5, 0x65, 0x0C, 0x4C, false},         // VK_NUMPAD5, VK_CLEAR
    {SDL_SCANCODE_KP_6, 0x66, 0x27, 0x4D, false},         // VK_NUMPAD6, VK_RIGHT
    {SDL_SCANCODE_KP_7, 0x67, 0x24, 0x47, false},         // VK_NUMPAD7, VK_HOME
    {SDL_SCANCODE_KP_8, 0x68, 0x26, 0x48, false},         // VK_NUMPAD8, VK_UP
    {SDL_SCANCODE_KP_9, 0x69, 0x21, 0x49, false},         // VK_NUMPAD9, VK_PRIOR
    {SDL_SCANCODE_KP_0, 0x60, 0x2D, 0x52, false},         // VK_NUMPAD0, VK_INSERT
    {SDL_SCANCODE_KP_PERIOD, 0x6E, 0x2E, 0x53, false},    // VK_DECIMAL, VK_DELETE
};

constexpr WPARAM WindowsAlt = 0x12; // VK_MENU
constexpr WPARAM WindowsF10 = 0x79;

std::vector<MSG> KeyMessagesOf(const std::vector<MSG>& messages) {
    std::vector<MSG> keys;
    std::copy_if(messages.begin(), messages.end(), std::back_inserter(keys), [](const MSG& one) {
        // The characters a press types (WM_CHAR and its kin) lie between these in number.
        return one.message == WM_KEYDOWN || one.message == WM_KEYUP ||
               one.message == WM_SYSKEYDOWN || one.message == WM_SYSKEYUP;
    });
    return keys;
}

// A press and a release of every SDL key, under each modifier with NumLock on and off: the keys of
// the table give their Windows messages, every other key gives none.
TEST_F(SdlPlatformTest, EveryKeyArrivesAsItsWindowsVirtualKeyWithAndWithoutNumLock) {
    Create();
    std::map<int, WindowsKey> table;
    for (const WindowsKey& key : WindowsKeys)
        table.emplace(key.Code, key);
    for (int code = 0; code < SDL_NUM_SCANCODES; ++code) {
        const auto scancode = static_cast<SDL_Scancode>(code);
        const std::string name = std::to_string(code) + " " + SDL_GetScancodeName(scancode);
        for (const int numLock : {0, int{KMOD_NUM}}) {
            for (const int held : {KMOD_NONE, KMOD_LSHIFT, KMOD_LCTRL, KMOD_LALT}) {
                const auto modifiers = static_cast<Uint16>(numLock | held);
                Push(Key(SDL_KEYDOWN, scancode, modifiers));
                Push(Key(SDL_KEYUP, scancode, modifiers));
                const std::vector<MSG> keys = KeyMessagesOf(Drain());
                const auto found = table.find(code);
                if (found == table.end()) {
                    EXPECT_TRUE(keys.empty()) << name << " has no Windows key here";
                    continue;
                }
                const WindowsKey& expected = found->second;
                const WPARAM virtualKey = numLock ? expected.NumLockOn : expected.NumLockOff;
                const bool alt = held == KMOD_LALT;
                const bool system = ((alt || virtualKey == WindowsAlt) && held != KMOD_LCTRL) ||
                                    virtualKey == WindowsF10;
                ASSERT_EQ(keys.size(), 2u) << name;
                EXPECT_EQ(keys[0].message, system ? WM_SYSKEYDOWN : WM_KEYDOWN) << name;
                EXPECT_EQ(keys[1].message, system ? WM_SYSKEYUP : WM_KEYUP) << name;
                for (const MSG& key : keys) {
                    const auto lParam = static_cast<DWORD>(key.lParam);
                    EXPECT_EQ(key.wParam, virtualKey) << name << ", NumLock " << !!numLock;
                    EXPECT_EQ((lParam >> 16) & 0xFF, expected.Scan) << name;
                    EXPECT_EQ(((lParam >> 24) & 1) != 0, expected.Extended) << name;
                    EXPECT_EQ(((lParam >> 29) & 1) != 0, alt) << name;
                }
            }
        }
    }
}

TEST_F(SdlPlatformTest, ClicksMovesAndClosesArriveWithWindowsParameters) {
    Create();
    Show();
    SDL_Event press{};
    press.type = SDL_MOUSEBUTTONDOWN;
    press.button.windowID = SDL_GetWindowID(Sdl());
    press.button.button = SDL_BUTTON_LEFT;
    press.button.state = SDL_PRESSED;
    press.button.clicks = 1;
    press.button.x = 5;
    press.button.y = 6;
    Push(press);
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.windowID = SDL_GetWindowID(Sdl());
    motion.motion.x = -3;
    motion.motion.y = 299;
    Push(motion);
    SDL_Event release = press;
    release.type = SDL_MOUSEBUTTONUP;
    release.button.state = SDL_RELEASED;
    Push(release);
    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.windowID = SDL_GetWindowID(Sdl());
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    Push(close);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    Push(quit);

    const std::vector<MSG> taken = Drain();
    ASSERT_EQ(MessageKinds(taken),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_CLOSE, WM_CLOSE}));
    EXPECT_EQ(taken[0].lParam, MAKELPARAM(5, 6));
    EXPECT_EQ(taken[0].wParam, MK_LBUTTON);
    EXPECT_EQ(taken[1].lParam, MAKELPARAM(0xFFFD, 299));
    EXPECT_EQ(taken[1].wParam, MK_LBUTTON);
    EXPECT_EQ(taken[2].wParam, 0u);

    // The default procedure turns WM_CLOSE into the window's destruction.
    MSG closing = taken[3];
    vyn::DispatchMessageA(&closing);
    EXPECT_EQ(Received.back().message, WM_DESTROY);
    EXPECT_EQ(SdlWindowOf(Window), nullptr);
    Window = nullptr;
}

// SDL hands a drop over a file at a time; the window gets them as one WM_DROPFILES, and only once
// it accepts files.
TEST_F(SdlPlatformTest, FilesDroppedTogetherArriveAsOneDropOnceTheWindowAcceptsThem) {
    Create();
    Show();
    const auto drop = [this](std::vector<const char*> files) {
        SDL_Event event{};
        event.drop.windowID = SDL_GetWindowID(Sdl());
        for (Uint32 type : {Uint32{SDL_DROPBEGIN}, Uint32{SDL_DROPFILE}, Uint32{SDL_DROPCOMPLETE}})
            for (size_t i = 0; i < (type == SDL_DROPFILE ? files.size() : 1); ++i) {
                event.type = type;
                event.drop.file = type == SDL_DROPFILE ? SDL_strdup(files[i]) : nullptr;
                Push(event);
            }
    };
    drop({"/tmp/ignored.bmp"});
    EXPECT_TRUE(Drain().empty()) << "a window that does not accept files heard of a drop";
    vyn::DragAcceptFiles(Window, TRUE);
    drop({"/tmp/one.bmp", "/tmp/deux \xC3\xA9.png"});
    const std::vector<MSG> taken = Drain();
    ASSERT_EQ(MessageKinds(taken), std::vector<UINT>{WM_DROPFILES});
    EXPECT_EQ(TakeDroppedFiles(taken[0].wParam),
              (std::vector<std::string>{"/tmp/one.bmp", "/tmp/deux \xC3\xA9.png"}));
}

TEST_F(SdlPlatformTest, CaptionSetFromAnotherThreadWakesTheWaitAndAppears) {
    Create();
    Show();
    std::atomic<bool> gaveUp{false};
    std::thread setter([this] {
        std::this_thread::sleep_for(200ms);
        EXPECT_TRUE(vyn::SetWindowTextA(Window, "vynSingleWindow [60 FPS]"));
    });
    // Should the wait never end, a quit event ends it and the test fails instead of hanging.
    std::thread watchdog([&gaveUp] {
        for (int i = 0; i < 100 && !gaveUp; ++i)
            std::this_thread::sleep_for(50ms);
        if (!gaveUp) {
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
        }
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(vyn::WaitMessage());
    const auto waited = std::chrono::steady_clock::now() - start;
    gaveUp = true;
    setter.join();
    watchdog.join();
    EXPECT_LT(waited, 3s);
    EXPECT_STREQ(SDL_GetWindowTitle(Sdl()), "vynSingleWindow [60 FPS]");
    const Seen* setText = Find(Received, WM_SETTEXT);
    ASSERT_NE(setText, nullptr);
}

TEST_F(SdlPlatformTest, TimerFiresAboutOnceASecondOnItsOwnThread) {
    static std::vector<std::chrono::steady_clock::time_point> ticks;
    static std::thread::id tickThread;
    static std::mutex tickMutex;
    ticks.clear();
    const LPTIMECALLBACK tick = [](UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {
        std::lock_guard lock(tickMutex);
        ticks.push_back(std::chrono::steady_clock::now());
        tickThread = std::this_thread::get_id();
    };
    const auto start = std::chrono::steady_clock::now();
    const MMRESULT id = vyn::timeSetEvent(1000, 0, tick, 0, TIME_PERIODIC);
    ASSERT_NE(id, 0u);
    std::this_thread::sleep_for(2500ms);
    EXPECT_EQ(vyn::timeKillEvent(id), TIMERR_NOERROR);
    std::lock_guard lock(tickMutex);
    ASSERT_EQ(ticks.size(), 2u);
    EXPECT_NE(tickThread, std::this_thread::get_id());
    const auto first = std::chrono::duration_cast<std::chrono::milliseconds>(ticks[0] - start);
    const auto second = std::chrono::duration_cast<std::chrono::milliseconds>(ticks[1] - ticks[0]);
    EXPECT_NEAR(first.count(), 1000, 250);
    EXPECT_NEAR(second.count(), 1000, 250);
    EXPECT_EQ(vyn::timeKillEvent(id), MMSYSERR_INVALPARAM);
}

TEST_F(SdlPlatformTest, KillingATimerWaitsForItsRunningCallback) {
    static std::atomic<bool> inside{false};
    static std::atomic<bool> finished{false};
    inside = finished = false;
    const LPTIMECALLBACK slow = [](UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {
        inside = true;
        std::this_thread::sleep_for(300ms);
        finished = true;
    };
    const MMRESULT id = vyn::timeSetEvent(20, 0, slow, 0, TIME_PERIODIC);
    ASSERT_NE(id, 0u);
    while (!inside)
        std::this_thread::sleep_for(1ms);
    EXPECT_EQ(vyn::timeKillEvent(id), TIMERR_NOERROR);
    EXPECT_TRUE(finished);
    finished = false;
    std::this_thread::sleep_for(100ms);
    EXPECT_FALSE(finished) << "the callback ran after its timer was killed";
}

TEST_F(SdlPlatformTest, ACallbackMayKillItsOwnTimer) {
    static std::atomic<int> calls{0};
    static std::atomic<MMRESULT> killed{MMSYSERR_INVALPARAM};
    calls = 0;
    const LPTIMECALLBACK once = [](UINT id, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {
        ++calls;
        killed = vyn::timeKillEvent(id);
    };
    ASSERT_NE(vyn::timeSetEvent(10, 0, once, 0, TIME_PERIODIC), 0u);
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(killed, TIMERR_NOERROR);
}

TEST_F(SdlPlatformTest, FullScreenModeAppliesToPopupsAndIsRestored) {
    DEVMODEA mode = ModeRequest(800, 600, 32);
    ASSERT_EQ(vyn::ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN), DISP_CHANGE_SUCCESSFUL);
    Create(WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    EXPECT_TRUE(SDL_GetWindowFlags(Sdl()) & SDL_WINDOW_FULLSCREEN);
    vyn::ShowWindow(Window, SW_MAXIMIZE);
    EXPECT_EQ(vyn::ChangeDisplaySettingsA(nullptr, 0), DISP_CHANGE_SUCCESSFUL);
    EXPECT_FALSE(SDL_GetWindowFlags(Sdl()) & SDL_WINDOW_FULLSCREEN);

    mode.dmPelsWidth = 100000;
    EXPECT_EQ(vyn::ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN), DISP_CHANGE_BADMODE);
    mode.dmSize = 100;
    EXPECT_EQ(vyn::ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN), DISP_CHANGE_BADMODE);
}

// Closes the box titled "Message" with the Return key, as a user would, once it is on screen.
constexpr const char* CloseMessageBox =
    "for i in $(seq 100); do "
    "g=$(xwininfo -name Message 2>/dev/null | awk '/Window id:/{id=$4} "
    "/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width/{w=$2} /Height/{h=$2} "
    "END{if (w) print id, x+int(w/2), y+int(h/2)}'); "
    "if [ -n \"$g\" ]; then set -- $g; "
    "xdotool windowfocus $1 mousemove $2 $3 key Return; exit 0; fi; sleep 0.1; done; exit 1";

TEST_F(SdlPlatformTest, MessageBoxIsModalWithItsCaptionUntilClosed) {
    std::atomic<bool> closed{false};
    std::thread user([] { EXPECT_EQ(std::system(CloseMessageBox), 0); });
    std::thread watchdog([&closed] {
        for (int i = 0; i < 300 && !closed; ++i)
            std::this_thread::sleep_for(50ms);
        if (!closed) {
            std::fprintf(stderr, "the message box never closed\n");
            std::_Exit(1);
        }
    });
    EXPECT_EQ(vyn::MessageBoxA(nullptr, "Не удалось добавить", "Message", MB_OK), IDOK);
    closed = true;
    user.join();
    watchdog.join();
}

} // namespace
