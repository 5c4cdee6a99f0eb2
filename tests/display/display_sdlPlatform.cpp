// The SDL2 backend against a real X server (Xvfb) and Mesa: windows, pixel formats, contexts,
// events, captions across threads, the timer, display modes and the screen saver.
#include "framework/gl/vynGL.h"
#include "framework/platform/emulation/vynPixelFormats.h"
#include "framework/platform/sdl/vynSdlState.h"
#include "tests/support/vynPlatformTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
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
