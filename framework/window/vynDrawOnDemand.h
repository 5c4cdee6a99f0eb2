/// @file
/// Drawing only when asked: an opt-in mode of the main loop for programs whose picture changes
/// only when something happens (a viewer showing a still picture).
///
/// In the mode, the loop draws a frame (the idle routine, then the render list) only after a
/// reason to: input (key, character and mouse messages, files dropped), a resize, an expose or
/// InvalidateRect (WM_PAINT, which the mode answers by asking for the frame rather than drawing it
/// at once), the window's activation or a WM_TIMER. Otherwise it waits in WaitMessage without the
/// processor, as it does for an inactive window. Reasons that arrive together make one frame, drawn
/// once the waiting messages are taken, so a drag draws a frame for every batch of moves, as fast
/// as the loop draws without the mode. A program that wants another frame (an animation running for
/// a while) calls InvalidateRect on the window, from the idle routine or a handler.
///
/// Without the mode, as a program starts, the loop makes exactly the calls it makes without this
/// module. Main thread only.
#pragma once

#include "../platform/vynPlatform.h"

namespace vyn {

/// Turns the mode on or off; off draws again at once (the next pass draws a frame). True.
bool SetDrawOnDemand(bool on);
/// Whether the mode is on.
bool DrawOnDemand();

/// For the window module: marks a frame wanted when `message` gives a reason to draw.
void NoteReasonToDraw(UINT message);
/// For the window module: whether the loop is to draw now: always without the mode; with it,
/// when a reason has come since the last frame.
bool FrameWanted();
/// For the window module: the frame a reason asked for is being drawn.
void FrameTaken();
/// Back to how a program starts: the mode off.
void ResetDrawOnDemand();

} // namespace vyn
