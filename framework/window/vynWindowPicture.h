/// @file
/// A picture of the window: SaveWindowPicture writes what the window shows as a PNG file.
///
/// The picture is the current render list drawn once more into the back buffer and read back
/// (without a swap), so it is the frame the window shows, whichever buffer the driver would let
/// a program read: a front buffer is often not readable (a covered window, a browser's canvas).
/// Text or anything else drawn by the render list's own draw packs is in it. In the browser the
/// file lands in the program's file system and the page offers it for download (vynFileOffer.h).
/// Main thread only, with a window and its context.
#pragma once

#include <string>

namespace vyn {

/// Writes the window's picture to `path` (UTF-8) as an 8-bit RGB PNG of the client size; false,
/// with the reason, without a window and context or when the file cannot be written.
bool SaveWindowPicture(const std::string& path);

} // namespace vyn
