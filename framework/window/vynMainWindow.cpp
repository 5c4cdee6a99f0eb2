#include "vynMainWindow.h"

#include "framework/gl/vynGL.h"
#include "framework/input/vynKeyBoardU.h"
#include "framework/input/vynMouseU.h"
#include "framework/render/vynDrawLineU.h"
#include "framework/render/vynSettingsU.h"
#include "framework/resources/vynTextureU.h"
#include "framework/system/vynFloatingPoint.h"
#include "vynHelpersU.h"

namespace vyn {

namespace {

constexpr DWORD PixelFormatFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
constexpr DWORD ContextSettleMilliseconds = 50;

HINSTANCE ProgramInstance() {
    return GetModuleHandleA(nullptr);
}

struct WindowStyles {
    DWORD Ex;
    DWORD Style;
};

WindowStyles StylesFor(bool fullScreen, bool popup) {
    if (fullScreen)
        return {WS_EX_APPWINDOW, WS_CLIPSIBLINGS | WS_CLIPCHILDREN | (popup ? WS_POPUP : 0)};
    return {WS_EX_APPWINDOW | WS_EX_WINDOWEDGE,
            WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN};
}

void FreeSelectBuffer() {
    FreeZeroed(reinterpret_cast<void*&>(Framework.SelectBuffer));
    Framework.SelectBufferSize = 0;
}

// Steps 2 to 7 of the teardown: context, device context, window and class, display mode, record.
bool ReleaseWhatWasMade() {
    if (ReleaseRenderingContext(Framework.DeviceContext, Framework.RenderingContext))
        Framework.RenderingContext = nullptr;

    HWND window = Framework.WindowHandle;
    if (Framework.DeviceContext && window && !ReleaseDC(window, Framework.DeviceContext) &&
        DeleteDC(Framework.DeviceContext))
        Framework.DeviceContext = nullptr;

    if (window && DestroyWindow(window)) {
        Framework.WindowHandle = nullptr;
        UnregisterClassA(Framework.WindowName.Get().c_str(), ProgramInstance());
    }

    if (Framework.ModeChanged && ChangeDisplaySettingsA(nullptr, 0) == DISP_CHANGE_SUCCESSFUL)
        Framework.ModeChanged = false;

    bool released = Framework.WindowHandle == nullptr && ResetState();
    if (released)
        Framework.ContextReady = false;
    return released;
}

float VersionFromText(const std::string& text) {
    auto digitAt = [&text](size_t index) {
        return index < text.size() ? DigitValue(text[index]) : 0;
    };
    long double version = digitAt(0) + static_cast<long double>(digitAt(2)) / 10;
    return static_cast<float>(version);
}

bool InitContextCatching() {
    try {
        return InitContext();
    } catch (...) {
        return false;
    }
}

} // namespace

void CreateGlobals() {
    CreateKeyboards();
    CreateMice();
    CreateRenderLists();
    InstallDefaultHandlers();
}

void DestroyGlobals() {
    ShutdownGLState();
    DestroyKeyboards();
    DestroyMice();
    DestroyRenderLists();
}

bool ClearHandlers() {
    FallbackWindowProc = nullptr;
    IdleRoutine = nullptr;
    return true;
}

bool InstallDefaultHandlers() {
    if (!ClearHandlers())
        return false;
    FallbackWindowProc = DefWindowProcA;
    IdleRoutine = IdleNothing;
    return true;
}

bool LoadGLLibraries() {
    if (Framework.GLLoaded)
        return true;
    try {
        MaskFloatingPointExceptions();
        bool named = !Framework.GLLibraryName.empty() && !Framework.GLULibraryName.empty();
        Framework.GLLoaded =
            named ? LoadGLBinding(Framework.GLLibraryName.c_str(), Framework.GLULibraryName.c_str())
                  : LoadGLBinding(DefaultGLLibraryName(), DefaultGLULibraryName());
    } catch (...) {
        Framework.GLLoaded = false;
    }
    return Framework.GLLoaded;
}

bool RegisterWindowClass() {
    try {
        const std::string className = Framework.WindowName.Get();
        WNDCLASSEXA windowClass{};
        // The structure's own size: 48 bytes only where pointers are 32 bits wide.
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
        windowClass.lpfnWndProc = MainWindowProc;
        windowClass.hInstance = ProgramInstance();
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground =
            reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_INACTIVEBORDER + 1));
        windowClass.lpszClassName = className.c_str();
        return RegisterClassExA(&windowClass) != 0;
    } catch (...) {
        return false;
    }
}

bool CreateMainWindow(int32_t left, int32_t top, int32_t width, int32_t height, int32_t colorBits,
                      int32_t frequency, bool fullScreen, bool popup) {
    try {
        if (!RegisterWindowClass())
            return false;

        if ((fullScreen != Framework.FullScreen || frequency != Framework.Frequency) &&
            ChangeDisplayMode(width, height, colorBits, frequency)) {
            Framework.Width = width;
            Framework.Height = height;
            Framework.ColorBits = colorBits;
            Framework.Frequency = frequency;
            Framework.FullScreen = fullScreen;
            Framework.ModeChanged = true;
        }

        const WindowStyles styles = StylesFor(fullScreen, popup);
        RECT frame{left, top, left + width, top + height};
        if (!fullScreen)
            AdjustWindowRectEx(&frame, styles.Style, FALSE, styles.Ex);

        const std::string name = Framework.WindowName.Get();
        HWND window;
        {
            FloatingPointGuard keepControlWord;
            window =
                CreateWindowExA(styles.Ex, name.c_str(), name.c_str(), styles.Style, frame.left,
                                frame.top, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, nullptr, ProgramInstance(), nullptr);
        }
        Framework.WindowHandle = window;
        Framework.Active = false;
        if (!window) {
            UnregisterClassA(name.c_str(), ProgramInstance());
            return false;
        }
        Framework.Left = left;
        Framework.Top = top;
        Framework.Popup = popup;
        return true;
    } catch (...) {
        return false;
    }
}

bool SetupPixelFormat(HDC deviceContext) {
    try {
        PIXELFORMATDESCRIPTOR descriptor{};
        descriptor.nSize = sizeof descriptor;
        descriptor.nVersion = 1;
        descriptor.dwFlags = PixelFormatFlags;
        descriptor.iPixelType = PFD_TYPE_RGBA;
        descriptor.cColorBits = static_cast<BYTE>(Framework.ColorBits);
        descriptor.cDepthBits = static_cast<BYTE>(Framework.DepthBits);
        descriptor.cStencilBits = static_cast<BYTE>(Framework.StencilBits);
        descriptor.iLayerType = PFD_MAIN_PLANE;
        int format = ChoosePixelFormat(deviceContext, &descriptor);
        return format != 0 && SetPixelFormat(deviceContext, format, &descriptor);
    } catch (...) {
        return false;
    }
}

bool CreateRenderingContext(HDC deviceContext, HGLRC& context) {
    try {
        if (!SetupPixelFormat(deviceContext))
            return false;
        context = wglCreateContext(deviceContext);
        if (!context)
            return false;
        if (wglMakeCurrent(deviceContext, context))
            return true;
        if (wglDeleteContext(context))
            context = nullptr;
        return false;
    } catch (...) {
        return false;
    }
}

bool ReleaseRenderingContext(HDC deviceContext, HGLRC context) {
    try {
        if (!context)
            return true;
        if (!wglMakeCurrent(deviceContext, nullptr))
            return false;
        return wglDeleteContext(context) != FALSE;
    } catch (...) {
        return false;
    }
}

bool InitContext() {
    SetupGLState();
    EnableDrawArrays();
    SetDefaultTextureSettings();
    // A recreation replaces the previous context's buffer.
    FreeSelectBuffer();
    GLint depth = 0;
    glGetIntegerv(GL_MAX_NAME_STACK_DEPTH, &depth);
    Framework.SelectBufferSize = depth > 0 ? depth : 0;
    void* buffer = nullptr;
    if (AllocZeroed(buffer, Framework.SelectBufferSize * static_cast<int32_t>(sizeof(uint32_t))))
        Framework.SelectBuffer = static_cast<uint32_t*>(buffer);
    else
        Framework.SelectBufferSize = 0;
    glSelectBuffer(Framework.SelectBufferSize, Framework.SelectBuffer);
    return ReadGLStrings();
}

std::string GetGLString(GLenum name) {
    const GLubyte* text = glGetString(name);
    return text ? std::string(reinterpret_cast<const char*>(text)) : std::string();
}

bool ReadGLStrings() {
    GLVendor = GetGLString(GL_VENDOR);
    GLRenderer = GetGLString(GL_RENDERER);
    GLVersionText = GetGLString(GL_VERSION);
    GLExtensions = GetGLString(GL_EXTENSIONS);
    Framework.GLVersion = VersionFromText(GLVersionText);
    return Framework.GLVersion >= 1.0f;
}

bool CreateWindowAndContext(int32_t left, int32_t top, int32_t width, int32_t height,
                            int32_t colorBits, int32_t frequency, bool fullScreen, bool popup) {
    try {
        if (Framework.ContextReady) {
            if (!ReleaseWindowAndContext())
                return false;
            return CreateWindowAndContext(left, top, width, height, colorBits, frequency,
                                          fullScreen, popup);
        }
        if (!LoadGLLibraries() ||
            !CreateMainWindow(left, top, width, height, colorBits, frequency, fullScreen, popup))
            return false;

        Framework.DeviceContext = GetDC(Framework.WindowHandle);
        if (!Framework.DeviceContext ||
            !CreateRenderingContext(Framework.DeviceContext, Framework.RenderingContext)) {
            ReleaseWhatWasMade();
            return false;
        }
        Sleep(ContextSettleMilliseconds);
        Framework.ContextReady = InitContextCatching();
        if (!Framework.ContextReady) {
            // A context below OpenGL 1.0 is of no use: release it rather than leave a half-made
            // window whose class blocks every later creation.
            FreeSelectBuffer();
            ReleaseWhatWasMade();
        }
        return Framework.ContextReady;
    } catch (...) {
        return false;
    }
}

bool CreateFromSettings() {
    return CreateWindowAndContext(Framework.Left, Framework.Top, Framework.Width, Framework.Height,
                                  Framework.ColorBits, Framework.Frequency, Framework.FullScreen,
                                  Framework.Popup);
}

bool ReleaseWindowAndContext() {
    if (!Framework.ContextReady)
        return false;
    try {
        return ReleaseWhatWasMade();
    } catch (...) {
        return false;
    }
}

void ReleaseResources() {
    FreeSelectBuffer();
    DestroyGlobals();
}

} // namespace vyn
