// The OpenGL enumerants the framework and its tests use, with their standard names and values.
// Kept here rather than taken from the system's GL headers, which differ between platforms.
#pragma once

#include "vynGLTypes.h"

namespace vyn {

// Boolean values and clear bits
inline constexpr GLboolean GL_FALSE = 0;
inline constexpr GLboolean GL_TRUE = 1;
inline constexpr GLbitfield GL_DEPTH_BUFFER_BIT = 0x0100;
inline constexpr GLbitfield GL_ACCUM_BUFFER_BIT = 0x0200;
inline constexpr GLbitfield GL_STENCIL_BUFFER_BIT = 0x0400;
inline constexpr GLbitfield GL_COLOR_BUFFER_BIT = 0x4000;

// Primitives
inline constexpr GLenum GL_POINTS = 0x0000;
inline constexpr GLenum GL_LINES = 0x0001;
inline constexpr GLenum GL_TRIANGLES = 0x0004;
inline constexpr GLenum GL_QUADS = 0x0007;

// Comparison functions and stencil operations
inline constexpr GLenum GL_LESS = 0x0201;
inline constexpr GLenum GL_NOTEQUAL = 0x0205;
inline constexpr GLenum GL_KEEP = 0x1E00;
inline constexpr GLenum GL_INCR = 0x1E02;

// Faces, winding, polygon modes, shading
inline constexpr GLenum GL_FRONT = 0x0404;
inline constexpr GLenum GL_BACK = 0x0405;
inline constexpr GLenum GL_FRONT_AND_BACK = 0x0408;
inline constexpr GLenum GL_CW = 0x0900;
inline constexpr GLenum GL_CCW = 0x0901;
inline constexpr GLenum GL_POINT = 0x1B00;
inline constexpr GLenum GL_LINE = 0x1B01;
inline constexpr GLenum GL_FILL = 0x1B02;
inline constexpr GLenum GL_FLAT = 0x1D00;
inline constexpr GLenum GL_SMOOTH = 0x1D01;

// Capabilities
inline constexpr GLenum GL_POINT_SMOOTH = 0x0B10;
inline constexpr GLenum GL_LINE_SMOOTH = 0x0B20;
inline constexpr GLenum GL_LINE_STIPPLE = 0x0B24;
inline constexpr GLenum GL_POLYGON_SMOOTH = 0x0B41;
inline constexpr GLenum GL_POLYGON_STIPPLE = 0x0B42;
inline constexpr GLenum GL_CULL_FACE = 0x0B44;
inline constexpr GLenum GL_LIGHTING = 0x0B50;
inline constexpr GLenum GL_COLOR_MATERIAL = 0x0B57;
inline constexpr GLenum GL_FOG = 0x0B60;
inline constexpr GLenum GL_DEPTH_TEST = 0x0B71;
inline constexpr GLenum GL_STENCIL_TEST = 0x0B90;
inline constexpr GLenum GL_DITHER = 0x0BD0;
inline constexpr GLenum GL_BLEND = 0x0BE2;
inline constexpr GLenum GL_SCISSOR_TEST = 0x0C11;
inline constexpr GLenum GL_TEXTURE_2D = 0x0DE1;
inline constexpr GLenum GL_LIGHT0 = 0x4000;
inline constexpr GLenum GL_POLYGON_OFFSET_FILL = 0x8037;
inline constexpr GLenum GL_MULTISAMPLE = 0x809D;

// Client-side arrays
inline constexpr GLenum GL_VERTEX_ARRAY = 0x8074;
inline constexpr GLenum GL_NORMAL_ARRAY = 0x8075;
inline constexpr GLenum GL_COLOR_ARRAY = 0x8076;
inline constexpr GLenum GL_INDEX_ARRAY = 0x8077;
inline constexpr GLenum GL_TEXTURE_COORD_ARRAY = 0x8078;

// Hints
inline constexpr GLenum GL_PERSPECTIVE_CORRECTION_HINT = 0x0C50;
inline constexpr GLenum GL_POINT_SMOOTH_HINT = 0x0C51;
inline constexpr GLenum GL_LINE_SMOOTH_HINT = 0x0C52;
inline constexpr GLenum GL_POLYGON_SMOOTH_HINT = 0x0C53;
inline constexpr GLenum GL_FOG_HINT = 0x0C54;
inline constexpr GLenum GL_GENERATE_MIPMAP_HINT = 0x8192;
inline constexpr GLenum GL_TEXTURE_COMPRESSION_HINT = 0x84EF;
inline constexpr GLenum GL_DONT_CARE = 0x1100;
inline constexpr GLenum GL_FASTEST = 0x1101;
inline constexpr GLenum GL_NICEST = 0x1102;

// Lighting and materials
inline constexpr GLenum GL_LIGHT_MODEL_AMBIENT = 0x0B53;
inline constexpr GLenum GL_SHADE_MODEL = 0x0B54;
inline constexpr GLenum GL_COLOR_MATERIAL_FACE = 0x0B55;
inline constexpr GLenum GL_COLOR_MATERIAL_PARAMETER = 0x0B56;
inline constexpr GLenum GL_AMBIENT = 0x1200;
inline constexpr GLenum GL_DIFFUSE = 0x1201;
inline constexpr GLenum GL_SPECULAR = 0x1202;
inline constexpr GLenum GL_POSITION = 0x1203;
inline constexpr GLenum GL_EMISSION = 0x1600;
inline constexpr GLenum GL_SHININESS = 0x1601;

// Fog
inline constexpr GLenum GL_FOG_DENSITY = 0x0B62;
inline constexpr GLenum GL_FOG_START = 0x0B63;
inline constexpr GLenum GL_FOG_END = 0x0B64;
inline constexpr GLenum GL_FOG_MODE = 0x0B65;
inline constexpr GLenum GL_FOG_COLOR = 0x0B66;
inline constexpr GLenum GL_EXP = 0x0800;
inline constexpr GLenum GL_EXP2 = 0x0801;

// State queries
inline constexpr GLenum GL_POLYGON_MODE = 0x0B40;
inline constexpr GLenum GL_CULL_FACE_MODE = 0x0B45;
inline constexpr GLenum GL_FRONT_FACE = 0x0B46;
inline constexpr GLenum GL_DEPTH_FUNC = 0x0B74;
inline constexpr GLenum GL_MATRIX_MODE = 0x0BA0;
inline constexpr GLenum GL_VIEWPORT = 0x0BA2;
inline constexpr GLenum GL_MODELVIEW_MATRIX = 0x0BA6;
inline constexpr GLenum GL_PROJECTION_MATRIX = 0x0BA7;
inline constexpr GLenum GL_UNPACK_ALIGNMENT = 0x0CF5;
inline constexpr GLenum GL_PACK_ALIGNMENT = 0x0D05;
inline constexpr GLenum GL_MAX_NAME_STACK_DEPTH = 0x0D37;
inline constexpr GLenum GL_MAX_TEXTURE_SIZE = 0x0D33;
inline constexpr GLenum GL_DEPTH_BITS = 0x0D56;
inline constexpr GLenum GL_STENCIL_BITS = 0x0D57;
inline constexpr GLenum GL_TEXTURE_BINDING_2D = 0x8069;

// Matrices
inline constexpr GLenum GL_MODELVIEW = 0x1700;
inline constexpr GLenum GL_PROJECTION = 0x1701;

// Strings
inline constexpr GLenum GL_VENDOR = 0x1F00;
inline constexpr GLenum GL_RENDERER = 0x1F01;
inline constexpr GLenum GL_VERSION = 0x1F02;
inline constexpr GLenum GL_EXTENSIONS = 0x1F03;

// Errors
inline constexpr GLenum GL_NO_ERROR = 0;

// Data types
inline constexpr GLenum GL_BYTE = 0x1400;
inline constexpr GLenum GL_UNSIGNED_BYTE = 0x1401;
inline constexpr GLenum GL_SHORT = 0x1402;
inline constexpr GLenum GL_UNSIGNED_SHORT = 0x1403;
inline constexpr GLenum GL_INT = 0x1404;
inline constexpr GLenum GL_UNSIGNED_INT = 0x1405;
inline constexpr GLenum GL_FLOAT = 0x1406;
inline constexpr GLenum GL_DOUBLE = 0x140A;

// Pixel formats and their compressed counterparts
inline constexpr GLenum GL_ALPHA = 0x1906;
inline constexpr GLenum GL_RGB = 0x1907;
inline constexpr GLenum GL_RGBA = 0x1908;
inline constexpr GLenum GL_LUMINANCE = 0x1909;
inline constexpr GLenum GL_LUMINANCE_ALPHA = 0x190A;
inline constexpr GLenum GL_BGR = 0x80E0;
inline constexpr GLenum GL_BGRA = 0x80E1;
inline constexpr GLenum GL_COMPRESSED_ALPHA = 0x84E9;
inline constexpr GLenum GL_COMPRESSED_LUMINANCE = 0x84EA;
inline constexpr GLenum GL_COMPRESSED_LUMINANCE_ALPHA = 0x84EB;
inline constexpr GLenum GL_COMPRESSED_RGB = 0x84ED;
inline constexpr GLenum GL_COMPRESSED_RGBA = 0x84EE;

// Textures
inline constexpr GLenum GL_TEXTURE_WIDTH = 0x1000;
inline constexpr GLenum GL_TEXTURE_HEIGHT = 0x1001;
inline constexpr GLenum GL_TEXTURE_INTERNAL_FORMAT = 0x1003;
inline constexpr GLenum GL_NEAREST = 0x2600;
inline constexpr GLenum GL_LINEAR = 0x2601;
inline constexpr GLenum GL_NEAREST_MIPMAP_NEAREST = 0x2700;
inline constexpr GLenum GL_LINEAR_MIPMAP_NEAREST = 0x2701;
inline constexpr GLenum GL_NEAREST_MIPMAP_LINEAR = 0x2702;
inline constexpr GLenum GL_LINEAR_MIPMAP_LINEAR = 0x2703;
inline constexpr GLenum GL_TEXTURE_MAG_FILTER = 0x2800;
inline constexpr GLenum GL_TEXTURE_MIN_FILTER = 0x2801;
inline constexpr GLenum GL_TEXTURE_WRAP_S = 0x2802;
inline constexpr GLenum GL_TEXTURE_WRAP_T = 0x2803;
inline constexpr GLenum GL_REPEAT = 0x2901;
inline constexpr GLenum GL_GENERATE_MIPMAP = 0x8191;
inline constexpr GLenum GL_TEXTURE_COMPRESSED = 0x86A1;

} // namespace vyn
