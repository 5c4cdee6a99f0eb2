/// @file
/// What the page cannot draw as the desktop does (docs/web-differences.md), told to the program
/// the first time it draws with it: the failure reason (LastFailure) and one line on the console,
/// never a silent wrong picture. The page watches the GL entry points that set or use such a
/// feature (logic operations, GL_CLAMP's border, glCopyPixels of depth, ...) through wrappers of
/// its own that note the state and call gl4es's entry point.
/// Main thread only, as all of GL.
#pragma once

namespace vyn {

/// The page's wrapper of the GL entry point `name`, which calls `next` (gl4es's), or `next` itself
/// where the page watches nothing.
void* WatchedEntryPoint(const char* name, void* next);

} // namespace vyn
