/// @file
/// OpenGL's scalar types and the calling convention of its entry points.
#pragma once

#include <cstdint>

/// The calling convention of GL and GLU entry points: __stdcall on 32-bit Windows, the default
/// elsewhere.
#if defined(_WIN32) && !defined(_WIN64)
#define VYN_GLAPI __stdcall
#else
#define VYN_GLAPI
#endif

// GLU's objects are opaque classes of the global namespace, declared as <GL/glu.h> declares them,
// so that a source including that header as well sees the same types.
class GLUnurbs;
class GLUquadric;
class GLUtesselator;

namespace vyn {

/// OpenGL's scalar types, with the sizes OpenGL gives them.
///@{
using GLenum = uint32_t;
using GLbitfield = uint32_t;
using GLuint = uint32_t;
using GLint = int32_t;
using GLsizei = int32_t;
using GLboolean = uint8_t;
using GLbyte = int8_t;
using GLubyte = uint8_t;
using GLshort = int16_t;
using GLushort = uint16_t;
using GLfloat = float;
using GLclampf = float;
using GLdouble = double;
using GLclampd = double;
///@}

/// GLU's objects (gluNewQuadric, gluNewTess, gluNewNurbsRenderer), with their older names.
///@{
using GLUquadric = ::GLUquadric;
using GLUquadricObj = ::GLUquadric;
using GLUtesselator = ::GLUtesselator;
using GLUtesselatorObj = ::GLUtesselator;
using GLUtriangulatorObj = ::GLUtesselator;
using GLUnurbs = ::GLUnurbs;
using GLUnurbsObj = ::GLUnurbs;
///@}

/// The type GLU's callbacks are passed as (gluTessCallback, gluQuadricCallback, gluNurbsCallback):
/// a callback of another type is cast to it, and GLU calls it with the parameters its kind has.
using GLUfuncptr = void(VYN_GLAPI*)();

} // namespace vyn
