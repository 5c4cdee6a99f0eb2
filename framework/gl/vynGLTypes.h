// OpenGL's scalar types and the calling convention of its entry points.
#pragma once

#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define VYN_GLAPI __stdcall
#else
#define VYN_GLAPI
#endif

namespace vyn {

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

} // namespace vyn
