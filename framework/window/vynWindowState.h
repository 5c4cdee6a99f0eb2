/// @file
/// The framework state record: everything the window module knows about the one window of the
/// process — the settings the next window is made from, the window's handles, the loop's flags,
/// the caption timer's state and what the GL driver reported.
///
/// There is one record, `Framework`, alive for the whole process. Callers may write the settings
/// (Left, Top, Width, Height, ColorBits, StencilBits, DepthBits, AccumBits, Frequency, FullScreen,
/// Popup, WindowName, NeutralLighting, PlainContext, and before the first creation GLLibraryName
/// and GLULibraryName) before asking for a window; the window module maintains the rest. Start
/// values and reset values differ: a window made from the start values is 400 × 300, one made after
/// a teardown 800 × 600.
///
/// Threads: everything belongs to the main thread except what the caption timer reads from its own
/// thread — WindowHandle and FrameCount (atomic) and WindowName (guarded by a lock).
#pragma once

#include "../platform/vynPlatform.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

namespace vyn {

/// A text one thread may replace while another reads it.
class TSharedText {
  public:
    /// The text to begin with.
    explicit TSharedText(const char* text) : Text(text) {}
    /// Replaces the text.
    TSharedText& operator=(const std::string& text);
    /// A copy of the text as it is now.
    std::string Get() const;

  private:
    mutable std::mutex Mutex;
    std::string Text;
};

/// The window's name, class name and first caption until the application sets another.
inline constexpr const char* DefaultWindowName = "vynSingleWindow";
/// The client size of the first window of a program, and of any window made after a teardown.
///@{
inline constexpr int32_t StartWidth = 400;
inline constexpr int32_t StartHeight = 300;
inline constexpr int32_t ResetWidth = 800;
inline constexpr int32_t ResetHeight = 600;
///@}
/// Colour, depth and stencil bits asked of a new window's pixel format.
inline constexpr int32_t DefaultBufferBits = 32;
/// The caption timer's id before it first runs, and its period in milliseconds.
///@{
inline constexpr UINT StartTimerId = 1;
inline constexpr int32_t CaptionTimerPeriod = 1000;
///@}

/// The framework state record: the settings the next window is made from, the window's handles,
/// the loop's flags, the caption timer's state and what the driver reported.
struct TFrameworkState {
    std::atomic<HWND> WindowHandle{nullptr}; ///< The window; null while there is none.
    HDC DeviceContext = nullptr;             ///< The window's device context.
    float GLVersion = 0.0f;                  ///< Major.minor of the driver's version text.
    HGLRC RenderingContext = nullptr;        ///< The OpenGL context.
    int32_t ColorBits = DefaultBufferBits;   ///< Colour bits asked of the pixel format.
    int32_t StencilBits = DefaultBufferBits; ///< Stencil bits asked (the closest are taken).
    int32_t DepthBits = DefaultBufferBits;   ///< Depth bits asked (the closest are taken).
    int32_t AccumBits = 0; ///< Accumulation bits asked (the closest are taken); 0: none.
    /// The GL and GLU library files to load; both must be set to be used, before the first
    /// creation. Empty: the platform's defaults.
    ///@{
    std::string GLLibraryName;
    std::string GLULibraryName;
    ///@}
    bool GLLoaded = false;            ///< Whether the libraries are loaded (once per process).
    int32_t SelectBufferSize = 0;     ///< Entries of SelectBuffer: the name-stack depth.
    uint32_t* SelectBuffer = nullptr; ///< The selection buffer given to glSelectBuffer.
    UINT TimerId = StartTimerId;      ///< The caption timer's id while it runs.
    int32_t TimerPeriod = CaptionTimerPeriod; ///< The caption timer's period in milliseconds.
    std::atomic<int32_t> FrameCount{0};       ///< Frames presented since the caption's last tick.
    bool TimerRunning = false;                ///< Whether the caption timer runs.
    bool LoopRunning = false;                 ///< The main loop runs while it is set.
    int32_t Left = 0;                         ///< The client area's left edge on the screen.
    int32_t Top = 0;                          ///< The client area's top edge on the screen.
    int32_t Width = StartWidth;               ///< The client area's width, as the last resize said.
    int32_t Height = StartHeight; ///< The client area's height, as the last resize said.
    int32_t Frequency = 0;        ///< The refresh rate asked of a full-screen mode; 0: any.
    bool Popup = false;           ///< A full-screen window without a frame.
    bool FullScreen = false;      ///< Whether the display mode was changed for the window.
    bool Active = false;          ///< Whether the loop draws (the window is shown and focused).
    bool ModeChanged = false;     ///< Whether the teardown must put the display mode back.
    TSharedText WindowName{DefaultWindowName}; ///< Class name and first caption of the window.
    bool ContextReady = false; ///< Whether a window with an initialised context exists.
    /// Whether a new context starts with OpenGL's own lighting, material and fog state (lighting,
    /// colour material and fog off) instead of the presets' (vynSettingsU.h). Kept through
    /// teardowns, so that a window made anew gets the same.
    bool NeutralLighting = false;
    /// Whether a new context is left at OpenGL's defaults, for a program that brings its own
    /// state: no presets at creation (NeutralLighting then means nothing), no texture enabled or
    /// bound and no client array left on by a frame (a material with a texture, a pack's arrays
    /// are switched on for their draw alone), and a resize that sets the viewport only (the
    /// program's projection stays). Kept through teardowns, as NeutralLighting.
    bool PlainContext = false;
};

/// The one state record of the process; never destroyed, so that a global's destructor may still
/// call the framework.
extern TFrameworkState& Framework;

/// What the last initialised context reported; emptied by ResetState.
///@{
extern std::string& GLVendor;
extern std::string& GLRenderer;
extern std::string& GLVersionText;
extern std::string& GLExtensions;
///@}
/// Shared by every BeginPaint/EndPaint pair of frame presentation.
extern PAINTSTRUCT PaintRecord;
/// The main loop's message buffer.
extern MSG MessageRecord;
/// Receives every message the window procedure does not handle.
extern WNDPROC FallbackWindowProc;
/// Runs before each idle-time frame.
extern void (*IdleRoutine)();
/// Runs after a resize has applied the projection for the new client size (which leaves the
/// model-view matrix selected and reset to identity; under Framework.PlainContext, after the
/// viewport alone), so that an application can restore its view;
/// none unless the application sets one. CreateGlobals leaves it as it is.
extern void (*ResizeRoutine)(int32_t width, int32_t height);

/// Puts the record back to its reset values (not its start values); leaves the libraries, the
/// GL version, the selection buffer and the caption timer alone. False if anything raised.
bool ResetState();

} // namespace vyn
