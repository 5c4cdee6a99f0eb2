#include "vynMainWindow.h"

#include "framework/core/vynFailure.h"
#include "framework/gl/vynGL.h"
#include "framework/input/vynKeyBoardU.h"
#include "framework/input/vynMouseU.h"
#include "framework/render/vynDrawLineU.h"
#include "framework/render/vynSettingsU.h"
#include "framework/resources/vynTextureU.h"
#include "framework/system/vynFloatingPoint.h"
#include "vynFramePacing.h"
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

    if (Framework.WindowHandle != nullptr)
        return Fail("DestroyWindow failed: the window and its record stay");
    if (!ResetState())
        return false;
    Framework.ContextReady = false;
    return true;
}

// A creation that fails releases what it made; the reason is why creation failed, whatever the
// release itself meets.
bool Abandon(const TFailureMark& mark, std::string reason) {
    mark.Fail(std::move(reason));
    const std::string why = LastFailure();
    ReleaseWhatWasMade();
    RecordFailure(why);
    return false;
}

std::string VersionReason(const std::string& text, float version) {
    if (text.empty())
        return "the driver reports no OpenGL version";
    const int tenths = static_cast<int>(version * 10.0f + 0.5f);
    return "OpenGL " + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) +
           " is below 1.0";
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
        return FailFromException("initialising the OpenGL context failed");
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
    const TFailureMark mark;
    const bool named = !Framework.GLLibraryName.empty() && !Framework.GLULibraryName.empty();
    const std::string gl = named ? Framework.GLLibraryName : DefaultGLLibraryName();
    const std::string glu = named ? Framework.GLULibraryName : DefaultGLULibraryName();
    try {
        MaskFloatingPointExceptions();
        Framework.GLLoaded = LoadGLBinding(gl.c_str(), glu.c_str());
    } catch (...) {
        Framework.GLLoaded = false;
        return Fail("cannot load the OpenGL library " + gl + ": " + ReasonOfCurrentException());
    }
    return Framework.GLLoaded || mark.Fail("cannot load the OpenGL library " + gl);
}

bool RegisterWindowClass() {
    const TFailureMark mark;
    const std::string className = Framework.WindowName.Get();
    try {
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
        return RegisterClassExA(&windowClass) != 0 ||
               mark.Fail("RegisterClassExA failed for the window class " + className);
    } catch (...) {
        return Fail("RegisterClassExA failed for the window class " + className + ": " +
                    ReasonOfCurrentException());
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

        // A display mode left as it was is not a failure: only what follows explains one.
        const TFailureMark mark;
        const WindowStyles styles = StylesFor(fullScreen, popup);
        RECT frame{left, top, left + width, top + height};
        if (!fullScreen)
            AdjustWindowRectEx(&frame, styles.Style, FALSE, styles.Ex);

        const std::string name = Framework.WindowName.Get();
        HWND window = nullptr;
        try {
            FloatingPointGuard keepControlWord;
            window =
                CreateWindowExA(styles.Ex, name.c_str(), name.c_str(), styles.Style, frame.left,
                                frame.top, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, nullptr, ProgramInstance(), nullptr);
        } catch (...) {
            // A failure of the window procedure during creation: the backend made no window.
            FailFromException("the window procedure failed during CreateWindowExA");
        }
        Framework.WindowHandle = window;
        Framework.Active = false;
        if (!window) {
            mark.Fail("CreateWindowExA failed");
            UnregisterClassA(name.c_str(), ProgramInstance());
            return false;
        }
        Framework.Left = left;
        Framework.Top = top;
        Framework.Popup = popup;
        return true;
    } catch (...) {
        return FailFromException("creating the window failed");
    }
}

namespace {

// "32 colour bits, 24 depth bits and 8 stencil bits", with the accumulation bits if any are asked.
std::string DescribeWantedBits() {
    std::string bits = std::to_string(Framework.ColorBits) + " colour bits, " +
                       std::to_string(Framework.DepthBits) + " depth bits";
    const std::string stencil = std::to_string(Framework.StencilBits) + " stencil bits";
    if (Framework.AccumBits <= 0)
        return bits + " and " + stencil;
    return bits + ", " + stencil + " and " + std::to_string(Framework.AccumBits) +
           " accumulation bits";
}

} // namespace

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
        descriptor.cAccumBits = static_cast<BYTE>(Framework.AccumBits);
        descriptor.iLayerType = PFD_MAIN_PLANE;
        const TFailureMark mark;
        const int format = ChoosePixelFormat(deviceContext, &descriptor);
        if (format == 0)
            return mark.Fail("no pixel format with " + DescribeWantedBits());
        return SetPixelFormat(deviceContext, format, &descriptor) ||
               mark.Fail("SetPixelFormat failed for pixel format " + std::to_string(format));
    } catch (...) {
        return FailFromException("setting the pixel format failed");
    }
}

bool CreateRenderingContext(HDC deviceContext, HGLRC& context) {
    try {
        if (!SetupPixelFormat(deviceContext))
            return false;
        const TFailureMark mark;
        context = wglCreateContext(deviceContext);
        if (!context)
            return mark.Fail("wglCreateContext failed");
        if (wglMakeCurrent(deviceContext, context)) {
            AdvanceGLContextGeneration();
            return true;
        }
        mark.Fail("wglMakeCurrent failed");
        if (wglDeleteContext(context))
            context = nullptr;
        return false;
    } catch (...) {
        return FailFromException("creating the OpenGL context failed");
    }
}

bool ReleaseRenderingContext(HDC deviceContext, HGLRC context) {
    try {
        if (!context)
            return true;
        const TFailureMark mark;
        if (!wglMakeCurrent(deviceContext, nullptr))
            return mark.Fail("wglMakeCurrent could not release the OpenGL context");
        AdvanceGLContextGeneration();
        return wglDeleteContext(context) != FALSE || mark.Fail("wglDeleteContext failed");
    } catch (...) {
        return FailFromException("releasing the OpenGL context failed");
    }
}

bool InitContext() {
    PlainGLState = Framework.PlainContext;
    if (!PlainGLState) {
        SetupGLState(Framework.NeutralLighting ? TLighting::Neutral : TLighting::Presets);
        EnableDrawArrays();
    }
    SetDefaultTextureSettings();
    // A recreation replaces the previous context's buffer.
    FreeSelectBuffer();
    GLint depth = 0;
    glGetIntegerv(GL_MAX_NAME_STACK_DEPTH, &depth);
    Framework.SelectBufferSize = depth > 0 ? depth : 0;
    void* buffer = nullptr;
    // In 64 bits: a driver's depth above 2^29 overflows a 32-bit byte count.
    const int64_t bytes = int64_t{Framework.SelectBufferSize} * int64_t{sizeof(uint32_t)};
    if (AllocZeroed(buffer, bytes))
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
    return Framework.GLVersion >= 1.0f || Fail(VersionReason(GLVersionText, Framework.GLVersion));
}

bool CreateWindowAndContext(int32_t left, int32_t top, int32_t width, int32_t height,
                            int32_t colorBits, int32_t frequency, bool fullScreen, bool popup) {
    const TFailureMark mark;
    try {
        if (Framework.ContextReady) {
            if (!ReleaseWindowAndContext())
                return mark.Fail("the window in place could not be torn down");
            return CreateWindowAndContext(left, top, width, height, colorBits, frequency,
                                          fullScreen, popup);
        }
        if (!LoadGLLibraries() ||
            !CreateMainWindow(left, top, width, height, colorBits, frequency, fullScreen, popup))
            return mark.Fail("the window could not be made");

        Framework.DeviceContext = GetDC(Framework.WindowHandle);
        if (!Framework.DeviceContext)
            return Abandon(mark, "GetDC gave no device context for the window");
        if (!CreateRenderingContext(Framework.DeviceContext, Framework.RenderingContext))
            return Abandon(mark, "the OpenGL context could not be made");
        Sleep(ContextSettleMilliseconds);
        Framework.ContextReady = InitContextCatching();
        if (!Framework.ContextReady) {
            // A context below OpenGL 1.0 is of no use: release it rather than leave a half-made
            // window whose class blocks every later creation.
            FreeSelectBuffer();
            return Abandon(mark, "the OpenGL context could not be initialised");
        }
        ApplyKeptSwapInterval();
        return true;
    } catch (...) {
        return FailFromException("creating the window and its context failed");
    }
}

bool CreateFromSettings() {
    return CreateWindowAndContext(Framework.Left, Framework.Top, Framework.Width, Framework.Height,
                                  Framework.ColorBits, Framework.Frequency, Framework.FullScreen,
                                  Framework.Popup);
}

bool ReleaseWindowAndContext() {
    if (!Framework.ContextReady)
        return Fail("ReleaseWindowAndContext: no window and context are ready");
    try {
        return ReleaseWhatWasMade();
    } catch (...) {
        return FailFromException("the teardown failed");
    }
}

void ReleaseResources() {
    FreeSelectBuffer();
    DestroyGlobals();
}

} // namespace vyn
