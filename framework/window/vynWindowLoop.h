/// @file
/// What runs while the window lives: the window procedure, the main loop, frame presentation,
/// the projection that follows the client size, the frames-per-second caption and the first
/// showing of the window.
///
/// The loop takes one message of the window at a time; when none is waiting it draws a frame if
/// the window is active (when the frame is due, with a frame-rate limit: vynFramePacing.h) and
/// otherwise blocks until a message arrives. A message handler's exception ends the loop with false
/// and no teardown; the loop may then be run again. Before its first pass the loop asks the C
/// library to keep the memory freed between frames (vynHeapPolicy.h), so the GL driver's per-frame
/// scratch is not faulted in anew every frame.
///
/// Threads: everything here runs on the main thread except FpsTimerTick, which runs on the caption
/// timer's thread and only reads the window name and handle, swaps the frame count and hands the
/// caption to the window system. The timer is stopped at program exit if it still runs.
#pragma once

#include "../platform/vynPlatform.h"

#include <cstdint>
#include <string>

namespace vyn {

/// The window procedure of the framework's class: keeps the state record current, applies the
/// projection on resizes, feeds CurrentKeyboard and CurrentMouse, and passes the rest to
/// FallbackWindowProc.
LRESULT VYN_WINAPI MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
/// Runs the loop until LoopRunning is cleared, then releases everything; true if the teardown
/// succeeded. A second call while the loop runs returns true at once; without a window the loop
/// does not start (false).
bool RunMainLoop();
/// Clears LoopRunning; the loop ends after its current pass.
bool StopMainLoop();
/// Draws the current render list, swaps the buffers and counts the frame. Without a context (the
/// messages of CreateWindowExA and of the teardown) nothing is drawn, and a resize applies no
/// projection: no GL call is made then.
void PresentFrame();
/// PresentFrame, with any failure turned into false.
bool DrawFrame();
/// Viewport and a 45° perspective (near 1, far 100) for a client size; resets the model-view
/// matrix. Without GLU the same perspective comes from glFrustum.
void SetProjection(int32_t width, int32_t height);
/// SetProjection for the record's Width and Height; under a plain context (Framework.PlainContext)
/// the viewport alone, leaving the matrices as the program set them.
void ApplyProjection();
/// Starts or stops the once-a-second caption timer.
bool SetFpsTimer(bool on);
/// The caption timer's callback, on the timer's thread: the caption becomes the window name with
/// the frames counted since the last tick, "vynSingleWindow [60 FPS]", and the count restarts.
void VYN_WINAPI FpsTimerTick(UINT timerId, UINT message, DWORD_PTR user, DWORD_PTR reserved1,
                             DWORD_PTR reserved2);
/// Sets the window's caption; any thread (the text is handed to the main thread).
bool SetCaption(const std::string& text);
/// Shows the window for the first time; returns Active.
bool ShowMainWindow();
/// The default idle routine: does nothing.
void IdleNothing();

} // namespace vyn
