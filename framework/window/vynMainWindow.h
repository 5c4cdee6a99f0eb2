/// @file
/// The window module: the one window of the process, its OpenGL context and their lifecycle.
///
/// Calling order for an application: CreateGlobals; optionally set fields of `Framework`;
/// CreateFromSettings; build the scene; then ShowMainWindow, SetFpsTimer(true), DrawFrame,
/// RunMainLoop (vynWindowLoop.h). RunMainLoop releases everything when the loop ends.
///
/// Creation loads GL and GLU once per process, registers the window class, changes the display
/// mode if asked, creates the window, sets the pixel format, creates the context, makes it
/// current, waits 50 ms and initialises it (state presets, without the lighting ones under
/// Framework.NeutralLighting, and client arrays, neither under Framework.PlainContext; texture
/// defaults, selection buffer, driver strings;
/// the swap interval SetSwapInterval kept, if any). A creation that fails at any step releases what
/// it made. Teardown releases in reverse order, restores the display mode and resets the record.
///
/// Operations return true on success and catch every failure inside. Main thread only; the context
/// is current on the main thread only.
#pragma once

#include "../gl/vynGL.h"
#include "vynWindowLoop.h"
#include "vynWindowState.h"

#include <string>

namespace vyn {

/// The default keyboard, mouse and render list, made current; then the default handlers.
void CreateGlobals();
/// Switches the GL state off, then destroys keyboard, mouse and render list.
void DestroyGlobals();
/// No fallback window procedure and no idle routine.
bool ClearHandlers();
/// DefWindowProcA as fallback, IdleNothing as idle routine.
bool InstallDefaultHandlers();

/// Loads GL and GLU once per process, by the record's names when both are set, else the
/// platform's defaults; a failed load is tried again by the next creation.
bool LoadGLLibraries();
/// Registers the window class named after the window, with MainWindowProc.
bool RegisterWindowClass();
/// Registers the class, changes the display mode when full screen or frequency differ from the
/// record (a refused mode is not an error), and creates the window so that its client area is
/// width x height at (left, top); no window unregisters the class again.
bool CreateMainWindow(int32_t left, int32_t top, int32_t width, int32_t height, int32_t colorBits,
                      int32_t frequency, bool fullScreen, bool popup);
/// Chooses the closest double-buffered RGBA format to the record's bits and sets it.
bool SetupPixelFormat(HDC deviceContext);
/// Pixel format, context, made current; a context that cannot be made current is deleted.
bool CreateRenderingContext(HDC deviceContext, HGLRC& context);
/// Makes no context current and deletes `context`; true for no context.
bool ReleaseRenderingContext(HDC deviceContext, HGLRC context);
/// A new context's state: presets, client arrays, texture defaults, selection buffer, driver
/// strings; false when the driver reports a version below 1.0.
bool InitContext();
/// Reads vendor, renderer, version and extensions; true for a version of at least 1.0.
bool ReadGLStrings();
/// glGetString as text; empty for a null answer.
std::string GetGLString(GLenum name);
/// Creates the window and its context, or tears the ready ones down and creates them anew.
bool CreateWindowAndContext(int32_t left, int32_t top, int32_t width, int32_t height,
                            int32_t colorBits, int32_t frequency, bool fullScreen, bool popup);
/// CreateWindowAndContext from the record's settings.
bool CreateFromSettings();
/// The teardown; false (and nothing released) when no context is ready.
bool ReleaseWindowAndContext();
/// Frees the selection buffer, then DestroyGlobals.
void ReleaseResources();

} // namespace vyn
