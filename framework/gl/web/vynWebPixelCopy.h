/// @file
/// The page's glCopyPixels. gl4es has none (its entry point does nothing), so the page reads the
/// rectangle into memory and draws it back at the raster position with glDrawPixels, which
/// applies the pixel zoom and transfer as a copy does. Colours only: WebGL reads no depth or
/// stencil. Main thread only, as all of GL.
#pragma once

#include "../vynGLTypes.h"

namespace vyn {

/// glCopyPixels through gl4es's glReadPixels and glDrawPixels. A copy of depth or stencil, or one
/// compiled into a display list (gl4es reads nothing there), draws nothing; vynWebLimits tells
/// the program.
void CopyPixelsThroughMemory(GLint x, GLint y, GLsizei width, GLsizei height, GLenum type);

} // namespace vyn
