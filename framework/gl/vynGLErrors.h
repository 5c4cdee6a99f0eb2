/// @file
/// The framework's checks of its own GL calls, which leave the program's errors to the program.
///
/// GL keeps one flag per kind of error, and glGetError reads and clears one of them: a check of
/// the framework's own calls would take errors the program left pending, and could leave some of
/// its own behind. HoldProgramGLErrors takes what is pending before the framework's calls, and
/// keeps it; TakeOwnGLErrors takes everything raised since. The program's next glGetError calls
/// (vyn::glGetError) hand the kept errors back, before asking the driver again, so the program
/// sees what it would have seen without the framework's calls. Kept errors belong to their
/// context and dispatch table: they are dropped when either changes. Main thread only.
#pragma once

#include "vynGL.h"

namespace vyn {

/// Takes the errors pending now and keeps them for the program's next glGetError calls.
void HoldProgramGLErrors();

/// Takes every error raised since HoldProgramGLErrors; the first of them, GL_NO_ERROR when
/// there was none.
GLenum TakeOwnGLErrors();

} // namespace vyn
