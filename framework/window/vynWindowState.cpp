#include "vynWindowState.h"

#include "framework/core/vynFailure.h"
#include "framework/core/vynNeverDestroyed.h"

namespace vyn {

TSharedText& TSharedText::operator=(const std::string& text) {
    std::lock_guard lock(Mutex);
    Text = text;
    return *this;
}

std::string TSharedText::Get() const {
    std::lock_guard lock(Mutex);
    return Text;
}

namespace {
TNeverDestroyed<TFrameworkState> FrameworkStorage;
TNeverDestroyed<std::string> Vendor;
TNeverDestroyed<std::string> Renderer;
TNeverDestroyed<std::string> VersionText;
TNeverDestroyed<std::string> Extensions;
} // namespace

TFrameworkState& Framework = FrameworkStorage.Value;
std::string& GLVendor = Vendor.Value;
std::string& GLRenderer = Renderer.Value;
std::string& GLVersionText = VersionText.Value;
std::string& GLExtensions = Extensions.Value;
PAINTSTRUCT PaintRecord{};
MSG MessageRecord{};
WNDPROC FallbackWindowProc = nullptr;
void (*IdleRoutine)() = nullptr;
void (*ResizeRoutine)(int32_t width, int32_t height) = nullptr;

bool ResetState() {
    try {
        GLVendor.clear();
        GLRenderer.clear();
        GLVersionText.clear();
        GLExtensions.clear();
        Framework.RenderingContext = nullptr;
        Framework.WindowHandle = nullptr;
        Framework.DeviceContext = nullptr;
        Framework.LoopRunning = false;
        Framework.Left = 0;
        Framework.Top = 0;
        Framework.Width = ResetWidth;
        Framework.Height = ResetHeight;
        Framework.ColorBits = DefaultBufferBits;
        Framework.StencilBits = DefaultBufferBits;
        Framework.AccumBits = 0;
        Framework.DepthBits = DefaultBufferBits;
        Framework.Frequency = 0;
        Framework.Popup = false;
        Framework.FullScreen = false;
        Framework.Active = false;
        Framework.ModeChanged = false;
        Framework.WindowName = DefaultWindowName;
        Framework.GLLibraryName.clear();
        Framework.GLULibraryName.clear();
        Framework.ContextReady = false;
        return true;
    } catch (...) {
        return FailFromException("ResetState");
    }
}

} // namespace vyn
