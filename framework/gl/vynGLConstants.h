/// @file
/// OpenGL's enumerants with their standard names and values: every one of OpenGL 1.1, and the few
/// later ones the framework uses. Kept here rather than taken from the system's GL headers, which
/// differ between platforms. A source file may include <GL/gl.h> (or <GL/glu.h>, which includes
/// it) as well, before or after: each name that the system's header defines is its macro, with
/// the same value, and is not declared here again (docs/guide.md: system headers).
#pragma once

#include "vynGLTypes.h"

namespace vyn {

// Every <GL/gl.h> defines the whole of OpenGL 1.1 but for the name after this block.
#ifndef GL_VERSION_1_1

/// Boolean values
///@{
inline constexpr GLboolean GL_FALSE = 0;
inline constexpr GLboolean GL_TRUE = 1;
///@}

/// Attribute bits (glPushAttrib), the buffer bits among them also for glClear
///@{
inline constexpr GLbitfield GL_CURRENT_BIT = 0x00000001;
inline constexpr GLbitfield GL_POINT_BIT = 0x00000002;
inline constexpr GLbitfield GL_LINE_BIT = 0x00000004;
inline constexpr GLbitfield GL_POLYGON_BIT = 0x00000008;
inline constexpr GLbitfield GL_POLYGON_STIPPLE_BIT = 0x00000010;
inline constexpr GLbitfield GL_PIXEL_MODE_BIT = 0x00000020;
inline constexpr GLbitfield GL_LIGHTING_BIT = 0x00000040;
inline constexpr GLbitfield GL_FOG_BIT = 0x00000080;
inline constexpr GLbitfield GL_DEPTH_BUFFER_BIT = 0x00000100;
inline constexpr GLbitfield GL_ACCUM_BUFFER_BIT = 0x00000200;
inline constexpr GLbitfield GL_STENCIL_BUFFER_BIT = 0x00000400;
inline constexpr GLbitfield GL_VIEWPORT_BIT = 0x00000800;
inline constexpr GLbitfield GL_TRANSFORM_BIT = 0x00001000;
inline constexpr GLbitfield GL_ENABLE_BIT = 0x00002000;
inline constexpr GLbitfield GL_COLOR_BUFFER_BIT = 0x00004000;
inline constexpr GLbitfield GL_HINT_BIT = 0x00008000;
inline constexpr GLbitfield GL_EVAL_BIT = 0x00010000;
inline constexpr GLbitfield GL_LIST_BIT = 0x00020000;
inline constexpr GLbitfield GL_TEXTURE_BIT = 0x00040000;
inline constexpr GLbitfield GL_SCISSOR_BIT = 0x00080000;
inline constexpr GLbitfield GL_ALL_ATTRIB_BITS = 0xFFFFFFFF;
///@}

/// Client attribute bits (glPushClientAttrib)
///@{
inline constexpr GLbitfield GL_CLIENT_PIXEL_STORE_BIT = 0x00000001;
inline constexpr GLbitfield GL_CLIENT_VERTEX_ARRAY_BIT = 0x00000002;
inline constexpr GLbitfield GL_CLIENT_ALL_ATTRIB_BITS = 0xFFFFFFFF;
///@}

/// Data types
///@{
inline constexpr GLenum GL_BYTE = 0x1400;
inline constexpr GLenum GL_UNSIGNED_BYTE = 0x1401;
inline constexpr GLenum GL_SHORT = 0x1402;
inline constexpr GLenum GL_UNSIGNED_SHORT = 0x1403;
inline constexpr GLenum GL_INT = 0x1404;
inline constexpr GLenum GL_UNSIGNED_INT = 0x1405;
inline constexpr GLenum GL_FLOAT = 0x1406;
inline constexpr GLenum GL_2_BYTES = 0x1407;
inline constexpr GLenum GL_3_BYTES = 0x1408;
inline constexpr GLenum GL_4_BYTES = 0x1409;
inline constexpr GLenum GL_DOUBLE = 0x140A;
///@}

/// Primitives
///@{
inline constexpr GLenum GL_POINTS = 0x0000;
inline constexpr GLenum GL_LINES = 0x0001;
inline constexpr GLenum GL_LINE_LOOP = 0x0002;
inline constexpr GLenum GL_LINE_STRIP = 0x0003;
inline constexpr GLenum GL_TRIANGLES = 0x0004;
inline constexpr GLenum GL_TRIANGLE_STRIP = 0x0005;
inline constexpr GLenum GL_TRIANGLE_FAN = 0x0006;
inline constexpr GLenum GL_QUADS = 0x0007;
inline constexpr GLenum GL_QUAD_STRIP = 0x0008;
inline constexpr GLenum GL_POLYGON = 0x0009;
///@}

/// Client-side vertex arrays and interleaved array formats
///@{
inline constexpr GLenum GL_V2F = 0x2A20;
inline constexpr GLenum GL_V3F = 0x2A21;
inline constexpr GLenum GL_C4UB_V2F = 0x2A22;
inline constexpr GLenum GL_C4UB_V3F = 0x2A23;
inline constexpr GLenum GL_C3F_V3F = 0x2A24;
inline constexpr GLenum GL_N3F_V3F = 0x2A25;
inline constexpr GLenum GL_C4F_N3F_V3F = 0x2A26;
inline constexpr GLenum GL_T2F_V3F = 0x2A27;
inline constexpr GLenum GL_T4F_V4F = 0x2A28;
inline constexpr GLenum GL_T2F_C4UB_V3F = 0x2A29;
inline constexpr GLenum GL_T2F_C3F_V3F = 0x2A2A;
inline constexpr GLenum GL_T2F_N3F_V3F = 0x2A2B;
inline constexpr GLenum GL_T2F_C4F_N3F_V3F = 0x2A2C;
inline constexpr GLenum GL_T4F_C4F_N3F_V4F = 0x2A2D;
inline constexpr GLenum GL_VERTEX_ARRAY = 0x8074;
inline constexpr GLenum GL_NORMAL_ARRAY = 0x8075;
inline constexpr GLenum GL_COLOR_ARRAY = 0x8076;
inline constexpr GLenum GL_INDEX_ARRAY = 0x8077;
inline constexpr GLenum GL_TEXTURE_COORD_ARRAY = 0x8078;
inline constexpr GLenum GL_EDGE_FLAG_ARRAY = 0x8079;
inline constexpr GLenum GL_VERTEX_ARRAY_SIZE = 0x807A;
inline constexpr GLenum GL_VERTEX_ARRAY_TYPE = 0x807B;
inline constexpr GLenum GL_VERTEX_ARRAY_STRIDE = 0x807C;
inline constexpr GLenum GL_NORMAL_ARRAY_TYPE = 0x807E;
inline constexpr GLenum GL_NORMAL_ARRAY_STRIDE = 0x807F;
inline constexpr GLenum GL_COLOR_ARRAY_SIZE = 0x8081;
inline constexpr GLenum GL_COLOR_ARRAY_TYPE = 0x8082;
inline constexpr GLenum GL_COLOR_ARRAY_STRIDE = 0x8083;
inline constexpr GLenum GL_INDEX_ARRAY_TYPE = 0x8085;
inline constexpr GLenum GL_INDEX_ARRAY_STRIDE = 0x8086;
inline constexpr GLenum GL_TEXTURE_COORD_ARRAY_SIZE = 0x8088;
inline constexpr GLenum GL_TEXTURE_COORD_ARRAY_TYPE = 0x8089;
inline constexpr GLenum GL_TEXTURE_COORD_ARRAY_STRIDE = 0x808A;
inline constexpr GLenum GL_EDGE_FLAG_ARRAY_STRIDE = 0x808C;
inline constexpr GLenum GL_VERTEX_ARRAY_POINTER = 0x808E;
inline constexpr GLenum GL_NORMAL_ARRAY_POINTER = 0x808F;
inline constexpr GLenum GL_COLOR_ARRAY_POINTER = 0x8090;
inline constexpr GLenum GL_INDEX_ARRAY_POINTER = 0x8091;
inline constexpr GLenum GL_TEXTURE_COORD_ARRAY_POINTER = 0x8092;
inline constexpr GLenum GL_EDGE_FLAG_ARRAY_POINTER = 0x8093;
///@}

/// Matrices
///@{
inline constexpr GLenum GL_MATRIX_MODE = 0x0BA0;
inline constexpr GLenum GL_MODELVIEW = 0x1700;
inline constexpr GLenum GL_PROJECTION = 0x1701;
inline constexpr GLenum GL_TEXTURE = 0x1702;
///@}

/// Points, lines and polygons
///@{
inline constexpr GLenum GL_FRONT = 0x0404;
inline constexpr GLenum GL_BACK = 0x0405;
inline constexpr GLenum GL_CW = 0x0900;
inline constexpr GLenum GL_CCW = 0x0901;
inline constexpr GLenum GL_POINT_SMOOTH = 0x0B10;
inline constexpr GLenum GL_POINT_SIZE = 0x0B11;
inline constexpr GLenum GL_POINT_SIZE_RANGE = 0x0B12;
inline constexpr GLenum GL_POINT_SIZE_GRANULARITY = 0x0B13;
inline constexpr GLenum GL_LINE_SMOOTH = 0x0B20;
inline constexpr GLenum GL_LINE_WIDTH = 0x0B21;
inline constexpr GLenum GL_LINE_WIDTH_RANGE = 0x0B22;
inline constexpr GLenum GL_LINE_WIDTH_GRANULARITY = 0x0B23;
inline constexpr GLenum GL_LINE_STIPPLE = 0x0B24;
inline constexpr GLenum GL_LINE_STIPPLE_PATTERN = 0x0B25;
inline constexpr GLenum GL_LINE_STIPPLE_REPEAT = 0x0B26;
inline constexpr GLenum GL_POLYGON_MODE = 0x0B40;
inline constexpr GLenum GL_POLYGON_SMOOTH = 0x0B41;
inline constexpr GLenum GL_POLYGON_STIPPLE = 0x0B42;
inline constexpr GLenum GL_EDGE_FLAG = 0x0B43;
inline constexpr GLenum GL_CULL_FACE = 0x0B44;
inline constexpr GLenum GL_CULL_FACE_MODE = 0x0B45;
inline constexpr GLenum GL_FRONT_FACE = 0x0B46;
inline constexpr GLenum GL_POINT = 0x1B00;
inline constexpr GLenum GL_LINE = 0x1B01;
inline constexpr GLenum GL_FILL = 0x1B02;
inline constexpr GLenum GL_POLYGON_OFFSET_UNITS = 0x2A00;
inline constexpr GLenum GL_POLYGON_OFFSET_POINT = 0x2A01;
inline constexpr GLenum GL_POLYGON_OFFSET_LINE = 0x2A02;
inline constexpr GLenum GL_POLYGON_OFFSET_FILL = 0x8037;
inline constexpr GLenum GL_POLYGON_OFFSET_FACTOR = 0x8038;
///@}

/// Display lists
///@{
inline constexpr GLenum GL_LIST_MODE = 0x0B30;
inline constexpr GLenum GL_LIST_BASE = 0x0B32;
inline constexpr GLenum GL_LIST_INDEX = 0x0B33;
inline constexpr GLenum GL_COMPILE = 0x1300;
inline constexpr GLenum GL_COMPILE_AND_EXECUTE = 0x1301;
///@}

/// Depth and stencil buffers
///@{
inline constexpr GLenum GL_NEVER = 0x0200;
inline constexpr GLenum GL_LESS = 0x0201;
inline constexpr GLenum GL_EQUAL = 0x0202;
inline constexpr GLenum GL_LEQUAL = 0x0203;
inline constexpr GLenum GL_GREATER = 0x0204;
inline constexpr GLenum GL_NOTEQUAL = 0x0205;
inline constexpr GLenum GL_GEQUAL = 0x0206;
inline constexpr GLenum GL_ALWAYS = 0x0207;
inline constexpr GLenum GL_DEPTH_RANGE = 0x0B70;
inline constexpr GLenum GL_DEPTH_TEST = 0x0B71;
inline constexpr GLenum GL_DEPTH_WRITEMASK = 0x0B72;
inline constexpr GLenum GL_DEPTH_CLEAR_VALUE = 0x0B73;
inline constexpr GLenum GL_DEPTH_FUNC = 0x0B74;
inline constexpr GLenum GL_STENCIL_TEST = 0x0B90;
inline constexpr GLenum GL_STENCIL_CLEAR_VALUE = 0x0B91;
inline constexpr GLenum GL_STENCIL_FUNC = 0x0B92;
inline constexpr GLenum GL_STENCIL_VALUE_MASK = 0x0B93;
inline constexpr GLenum GL_STENCIL_FAIL = 0x0B94;
inline constexpr GLenum GL_STENCIL_PASS_DEPTH_FAIL = 0x0B95;
inline constexpr GLenum GL_STENCIL_PASS_DEPTH_PASS = 0x0B96;
inline constexpr GLenum GL_STENCIL_REF = 0x0B97;
inline constexpr GLenum GL_STENCIL_WRITEMASK = 0x0B98;
inline constexpr GLenum GL_DEPTH_BITS = 0x0D56;
inline constexpr GLenum GL_STENCIL_BITS = 0x0D57;
inline constexpr GLenum GL_STENCIL_INDEX = 0x1901;
inline constexpr GLenum GL_DEPTH_COMPONENT = 0x1902;
inline constexpr GLenum GL_KEEP = 0x1E00;
inline constexpr GLenum GL_REPLACE = 0x1E01;
inline constexpr GLenum GL_INCR = 0x1E02;
inline constexpr GLenum GL_DECR = 0x1E03;
///@}

/// Alpha test, blending, logic operations, scissor and accumulation
///@{
inline constexpr GLenum GL_ZERO = 0;
inline constexpr GLenum GL_ONE = 1;
inline constexpr GLenum GL_ACCUM = 0x0100;
inline constexpr GLenum GL_LOAD = 0x0101;
inline constexpr GLenum GL_RETURN = 0x0102;
inline constexpr GLenum GL_MULT = 0x0103;
inline constexpr GLenum GL_ADD = 0x0104;
inline constexpr GLenum GL_SRC_COLOR = 0x0300;
inline constexpr GLenum GL_ONE_MINUS_SRC_COLOR = 0x0301;
inline constexpr GLenum GL_SRC_ALPHA = 0x0302;
inline constexpr GLenum GL_ONE_MINUS_SRC_ALPHA = 0x0303;
inline constexpr GLenum GL_DST_ALPHA = 0x0304;
inline constexpr GLenum GL_ONE_MINUS_DST_ALPHA = 0x0305;
inline constexpr GLenum GL_DST_COLOR = 0x0306;
inline constexpr GLenum GL_ONE_MINUS_DST_COLOR = 0x0307;
inline constexpr GLenum GL_SRC_ALPHA_SATURATE = 0x0308;
inline constexpr GLenum GL_ACCUM_CLEAR_VALUE = 0x0B80;
inline constexpr GLenum GL_ALPHA_TEST = 0x0BC0;
inline constexpr GLenum GL_ALPHA_TEST_FUNC = 0x0BC1;
inline constexpr GLenum GL_ALPHA_TEST_REF = 0x0BC2;
inline constexpr GLenum GL_BLEND_DST = 0x0BE0;
inline constexpr GLenum GL_BLEND_SRC = 0x0BE1;
inline constexpr GLenum GL_BLEND = 0x0BE2;
inline constexpr GLenum GL_LOGIC_OP_MODE = 0x0BF0;
inline constexpr GLenum GL_INDEX_LOGIC_OP = 0x0BF1;
inline constexpr GLenum GL_LOGIC_OP = 0x0BF1;
inline constexpr GLenum GL_COLOR_LOGIC_OP = 0x0BF2;
inline constexpr GLenum GL_SCISSOR_BOX = 0x0C10;
inline constexpr GLenum GL_SCISSOR_TEST = 0x0C11;
inline constexpr GLenum GL_ACCUM_RED_BITS = 0x0D58;
inline constexpr GLenum GL_ACCUM_GREEN_BITS = 0x0D59;
inline constexpr GLenum GL_ACCUM_BLUE_BITS = 0x0D5A;
inline constexpr GLenum GL_ACCUM_ALPHA_BITS = 0x0D5B;
inline constexpr GLenum GL_CLEAR = 0x1500;
inline constexpr GLenum GL_AND = 0x1501;
inline constexpr GLenum GL_AND_REVERSE = 0x1502;
inline constexpr GLenum GL_COPY = 0x1503;
inline constexpr GLenum GL_AND_INVERTED = 0x1504;
inline constexpr GLenum GL_NOOP = 0x1505;
inline constexpr GLenum GL_XOR = 0x1506;
inline constexpr GLenum GL_OR = 0x1507;
inline constexpr GLenum GL_NOR = 0x1508;
inline constexpr GLenum GL_EQUIV = 0x1509;
inline constexpr GLenum GL_INVERT = 0x150A;
inline constexpr GLenum GL_OR_REVERSE = 0x150B;
inline constexpr GLenum GL_COPY_INVERTED = 0x150C;
inline constexpr GLenum GL_OR_INVERTED = 0x150D;
inline constexpr GLenum GL_NAND = 0x150E;
inline constexpr GLenum GL_SET = 0x150F;
///@}

/// Lighting and materials
///@{
inline constexpr GLenum GL_FRONT_AND_BACK = 0x0408;
inline constexpr GLenum GL_LIGHTING = 0x0B50;
inline constexpr GLenum GL_LIGHT_MODEL_LOCAL_VIEWER = 0x0B51;
inline constexpr GLenum GL_LIGHT_MODEL_TWO_SIDE = 0x0B52;
inline constexpr GLenum GL_LIGHT_MODEL_AMBIENT = 0x0B53;
inline constexpr GLenum GL_SHADE_MODEL = 0x0B54;
inline constexpr GLenum GL_COLOR_MATERIAL_FACE = 0x0B55;
inline constexpr GLenum GL_COLOR_MATERIAL_PARAMETER = 0x0B56;
inline constexpr GLenum GL_COLOR_MATERIAL = 0x0B57;
inline constexpr GLenum GL_NORMALIZE = 0x0BA1;
inline constexpr GLenum GL_AMBIENT = 0x1200;
inline constexpr GLenum GL_DIFFUSE = 0x1201;
inline constexpr GLenum GL_SPECULAR = 0x1202;
inline constexpr GLenum GL_POSITION = 0x1203;
inline constexpr GLenum GL_SPOT_DIRECTION = 0x1204;
inline constexpr GLenum GL_SPOT_EXPONENT = 0x1205;
inline constexpr GLenum GL_SPOT_CUTOFF = 0x1206;
inline constexpr GLenum GL_CONSTANT_ATTENUATION = 0x1207;
inline constexpr GLenum GL_LINEAR_ATTENUATION = 0x1208;
inline constexpr GLenum GL_QUADRATIC_ATTENUATION = 0x1209;
inline constexpr GLenum GL_EMISSION = 0x1600;
inline constexpr GLenum GL_SHININESS = 0x1601;
inline constexpr GLenum GL_AMBIENT_AND_DIFFUSE = 0x1602;
inline constexpr GLenum GL_COLOR_INDEXES = 0x1603;
inline constexpr GLenum GL_FLAT = 0x1D00;
inline constexpr GLenum GL_SMOOTH = 0x1D01;
inline constexpr GLenum GL_LIGHT0 = 0x4000;
inline constexpr GLenum GL_LIGHT1 = 0x4001;
inline constexpr GLenum GL_LIGHT2 = 0x4002;
inline constexpr GLenum GL_LIGHT3 = 0x4003;
inline constexpr GLenum GL_LIGHT4 = 0x4004;
inline constexpr GLenum GL_LIGHT5 = 0x4005;
inline constexpr GLenum GL_LIGHT6 = 0x4006;
inline constexpr GLenum GL_LIGHT7 = 0x4007;
///@}

/// Clip planes
///@{
inline constexpr GLenum GL_CLIP_PLANE0 = 0x3000;
inline constexpr GLenum GL_CLIP_PLANE1 = 0x3001;
inline constexpr GLenum GL_CLIP_PLANE2 = 0x3002;
inline constexpr GLenum GL_CLIP_PLANE3 = 0x3003;
inline constexpr GLenum GL_CLIP_PLANE4 = 0x3004;
inline constexpr GLenum GL_CLIP_PLANE5 = 0x3005;
///@}

/// Fog
///@{
inline constexpr GLenum GL_EXP = 0x0800;
inline constexpr GLenum GL_EXP2 = 0x0801;
inline constexpr GLenum GL_FOG = 0x0B60;
inline constexpr GLenum GL_FOG_INDEX = 0x0B61;
inline constexpr GLenum GL_FOG_DENSITY = 0x0B62;
inline constexpr GLenum GL_FOG_START = 0x0B63;
inline constexpr GLenum GL_FOG_END = 0x0B64;
inline constexpr GLenum GL_FOG_MODE = 0x0B65;
inline constexpr GLenum GL_FOG_COLOR = 0x0B66;
inline constexpr GLenum GL_LINEAR = 0x2601;
///@}

/// Render modes, feedback and selection
///@{
inline constexpr GLenum GL_2D = 0x0600;
inline constexpr GLenum GL_3D = 0x0601;
inline constexpr GLenum GL_3D_COLOR = 0x0602;
inline constexpr GLenum GL_3D_COLOR_TEXTURE = 0x0603;
inline constexpr GLenum GL_4D_COLOR_TEXTURE = 0x0604;
inline constexpr GLenum GL_PASS_THROUGH_TOKEN = 0x0700;
inline constexpr GLenum GL_POINT_TOKEN = 0x0701;
inline constexpr GLenum GL_LINE_TOKEN = 0x0702;
inline constexpr GLenum GL_POLYGON_TOKEN = 0x0703;
inline constexpr GLenum GL_BITMAP_TOKEN = 0x0704;
inline constexpr GLenum GL_DRAW_PIXEL_TOKEN = 0x0705;
inline constexpr GLenum GL_COPY_PIXEL_TOKEN = 0x0706;
inline constexpr GLenum GL_LINE_RESET_TOKEN = 0x0707;
inline constexpr GLenum GL_FEEDBACK_BUFFER_POINTER = 0x0DF0;
inline constexpr GLenum GL_FEEDBACK_BUFFER_SIZE = 0x0DF1;
inline constexpr GLenum GL_FEEDBACK_BUFFER_TYPE = 0x0DF2;
inline constexpr GLenum GL_SELECTION_BUFFER_POINTER = 0x0DF3;
inline constexpr GLenum GL_SELECTION_BUFFER_SIZE = 0x0DF4;
inline constexpr GLenum GL_RENDER = 0x1C00;
inline constexpr GLenum GL_FEEDBACK = 0x1C01;
inline constexpr GLenum GL_SELECT = 0x1C02;
///@}

/// Colour buffers and pixel formats
///@{
inline constexpr GLenum GL_NONE = 0;
inline constexpr GLenum GL_FRONT_LEFT = 0x0400;
inline constexpr GLenum GL_FRONT_RIGHT = 0x0401;
inline constexpr GLenum GL_BACK_LEFT = 0x0402;
inline constexpr GLenum GL_BACK_RIGHT = 0x0403;
inline constexpr GLenum GL_LEFT = 0x0406;
inline constexpr GLenum GL_RIGHT = 0x0407;
inline constexpr GLenum GL_AUX0 = 0x0409;
inline constexpr GLenum GL_AUX1 = 0x040A;
inline constexpr GLenum GL_AUX2 = 0x040B;
inline constexpr GLenum GL_AUX3 = 0x040C;
inline constexpr GLenum GL_DITHER = 0x0BD0;
inline constexpr GLenum GL_AUX_BUFFERS = 0x0C00;
inline constexpr GLenum GL_DRAW_BUFFER = 0x0C01;
inline constexpr GLenum GL_READ_BUFFER = 0x0C02;
inline constexpr GLenum GL_DOUBLEBUFFER = 0x0C32;
inline constexpr GLenum GL_STEREO = 0x0C33;
inline constexpr GLenum GL_SUBPIXEL_BITS = 0x0D50;
inline constexpr GLenum GL_INDEX_BITS = 0x0D51;
inline constexpr GLenum GL_RED_BITS = 0x0D52;
inline constexpr GLenum GL_GREEN_BITS = 0x0D53;
inline constexpr GLenum GL_BLUE_BITS = 0x0D54;
inline constexpr GLenum GL_ALPHA_BITS = 0x0D55;
inline constexpr GLenum GL_COLOR = 0x1800;
inline constexpr GLenum GL_DEPTH = 0x1801;
inline constexpr GLenum GL_STENCIL = 0x1802;
inline constexpr GLenum GL_COLOR_INDEX = 0x1900;
inline constexpr GLenum GL_RED = 0x1903;
inline constexpr GLenum GL_GREEN = 0x1904;
inline constexpr GLenum GL_BLUE = 0x1905;
inline constexpr GLenum GL_ALPHA = 0x1906;
inline constexpr GLenum GL_RGB = 0x1907;
inline constexpr GLenum GL_RGBA = 0x1908;
inline constexpr GLenum GL_LUMINANCE = 0x1909;
inline constexpr GLenum GL_LUMINANCE_ALPHA = 0x190A;
inline constexpr GLenum GL_BITMAP = 0x1A00;
///@}

/// Pixel storage, transfer, zoom and maps
///@{
inline constexpr GLenum GL_PIXEL_MAP_I_TO_I = 0x0C70;
inline constexpr GLenum GL_PIXEL_MAP_S_TO_S = 0x0C71;
inline constexpr GLenum GL_PIXEL_MAP_I_TO_R = 0x0C72;
inline constexpr GLenum GL_PIXEL_MAP_I_TO_G = 0x0C73;
inline constexpr GLenum GL_PIXEL_MAP_I_TO_B = 0x0C74;
inline constexpr GLenum GL_PIXEL_MAP_I_TO_A = 0x0C75;
inline constexpr GLenum GL_PIXEL_MAP_R_TO_R = 0x0C76;
inline constexpr GLenum GL_PIXEL_MAP_G_TO_G = 0x0C77;
inline constexpr GLenum GL_PIXEL_MAP_B_TO_B = 0x0C78;
inline constexpr GLenum GL_PIXEL_MAP_A_TO_A = 0x0C79;
inline constexpr GLenum GL_PIXEL_MAP_I_TO_I_SIZE = 0x0CB0;
inline constexpr GLenum GL_PIXEL_MAP_S_TO_S_SIZE = 0x0CB1;
inline constexpr GLenum GL_PIXEL_MAP_I_TO_R_SIZE = 0x0CB2;
inline constexpr GLenum GL_PIXEL_MAP_I_TO_G_SIZE = 0x0CB3;
inline constexpr GLenum GL_PIXEL_MAP_I_TO_B_SIZE = 0x0CB4;
inline constexpr GLenum GL_PIXEL_MAP_I_TO_A_SIZE = 0x0CB5;
inline constexpr GLenum GL_PIXEL_MAP_R_TO_R_SIZE = 0x0CB6;
inline constexpr GLenum GL_PIXEL_MAP_G_TO_G_SIZE = 0x0CB7;
inline constexpr GLenum GL_PIXEL_MAP_B_TO_B_SIZE = 0x0CB8;
inline constexpr GLenum GL_PIXEL_MAP_A_TO_A_SIZE = 0x0CB9;
inline constexpr GLenum GL_UNPACK_SWAP_BYTES = 0x0CF0;
inline constexpr GLenum GL_UNPACK_LSB_FIRST = 0x0CF1;
inline constexpr GLenum GL_UNPACK_ROW_LENGTH = 0x0CF2;
inline constexpr GLenum GL_UNPACK_SKIP_ROWS = 0x0CF3;
inline constexpr GLenum GL_UNPACK_SKIP_PIXELS = 0x0CF4;
inline constexpr GLenum GL_UNPACK_ALIGNMENT = 0x0CF5;
inline constexpr GLenum GL_PACK_SWAP_BYTES = 0x0D00;
inline constexpr GLenum GL_PACK_LSB_FIRST = 0x0D01;
inline constexpr GLenum GL_PACK_ROW_LENGTH = 0x0D02;
inline constexpr GLenum GL_PACK_SKIP_ROWS = 0x0D03;
inline constexpr GLenum GL_PACK_SKIP_PIXELS = 0x0D04;
inline constexpr GLenum GL_PACK_ALIGNMENT = 0x0D05;
inline constexpr GLenum GL_MAP_COLOR = 0x0D10;
inline constexpr GLenum GL_MAP_STENCIL = 0x0D11;
inline constexpr GLenum GL_INDEX_SHIFT = 0x0D12;
inline constexpr GLenum GL_INDEX_OFFSET = 0x0D13;
inline constexpr GLenum GL_RED_SCALE = 0x0D14;
inline constexpr GLenum GL_RED_BIAS = 0x0D15;
inline constexpr GLenum GL_ZOOM_X = 0x0D16;
inline constexpr GLenum GL_ZOOM_Y = 0x0D17;
inline constexpr GLenum GL_GREEN_SCALE = 0x0D18;
inline constexpr GLenum GL_GREEN_BIAS = 0x0D19;
inline constexpr GLenum GL_BLUE_SCALE = 0x0D1A;
inline constexpr GLenum GL_BLUE_BIAS = 0x0D1B;
inline constexpr GLenum GL_ALPHA_SCALE = 0x0D1C;
inline constexpr GLenum GL_ALPHA_BIAS = 0x0D1D;
inline constexpr GLenum GL_DEPTH_SCALE = 0x0D1E;
inline constexpr GLenum GL_DEPTH_BIAS = 0x0D1F;
///@}

/// Textures
///@{
inline constexpr GLenum GL_TEXTURE_GEN_S = 0x0C60;
inline constexpr GLenum GL_TEXTURE_GEN_T = 0x0C61;
inline constexpr GLenum GL_TEXTURE_GEN_R = 0x0C62;
inline constexpr GLenum GL_TEXTURE_GEN_Q = 0x0C63;
inline constexpr GLenum GL_TEXTURE_1D = 0x0DE0;
inline constexpr GLenum GL_TEXTURE_2D = 0x0DE1;
inline constexpr GLenum GL_TEXTURE_WIDTH = 0x1000;
inline constexpr GLenum GL_TEXTURE_HEIGHT = 0x1001;
inline constexpr GLenum GL_TEXTURE_COMPONENTS = 0x1003;
inline constexpr GLenum GL_TEXTURE_INTERNAL_FORMAT = 0x1003;
inline constexpr GLenum GL_TEXTURE_BORDER_COLOR = 0x1004;
inline constexpr GLenum GL_TEXTURE_BORDER = 0x1005;
inline constexpr GLenum GL_S = 0x2000;
inline constexpr GLenum GL_T = 0x2001;
inline constexpr GLenum GL_R = 0x2002;
inline constexpr GLenum GL_Q = 0x2003;
inline constexpr GLenum GL_MODULATE = 0x2100;
inline constexpr GLenum GL_DECAL = 0x2101;
inline constexpr GLenum GL_TEXTURE_ENV_MODE = 0x2200;
inline constexpr GLenum GL_TEXTURE_ENV_COLOR = 0x2201;
inline constexpr GLenum GL_TEXTURE_ENV = 0x2300;
inline constexpr GLenum GL_EYE_LINEAR = 0x2400;
inline constexpr GLenum GL_OBJECT_LINEAR = 0x2401;
inline constexpr GLenum GL_SPHERE_MAP = 0x2402;
inline constexpr GLenum GL_TEXTURE_GEN_MODE = 0x2500;
inline constexpr GLenum GL_OBJECT_PLANE = 0x2501;
inline constexpr GLenum GL_EYE_PLANE = 0x2502;
inline constexpr GLenum GL_NEAREST = 0x2600;
inline constexpr GLenum GL_NEAREST_MIPMAP_NEAREST = 0x2700;
inline constexpr GLenum GL_LINEAR_MIPMAP_NEAREST = 0x2701;
inline constexpr GLenum GL_NEAREST_MIPMAP_LINEAR = 0x2702;
inline constexpr GLenum GL_LINEAR_MIPMAP_LINEAR = 0x2703;
inline constexpr GLenum GL_TEXTURE_MAG_FILTER = 0x2800;
inline constexpr GLenum GL_TEXTURE_MIN_FILTER = 0x2801;
inline constexpr GLenum GL_TEXTURE_WRAP_S = 0x2802;
inline constexpr GLenum GL_TEXTURE_WRAP_T = 0x2803;
inline constexpr GLenum GL_CLAMP = 0x2900;
inline constexpr GLenum GL_REPEAT = 0x2901;
inline constexpr GLenum GL_TEXTURE_RED_SIZE = 0x805C;
inline constexpr GLenum GL_TEXTURE_GREEN_SIZE = 0x805D;
inline constexpr GLenum GL_TEXTURE_BLUE_SIZE = 0x805E;
inline constexpr GLenum GL_TEXTURE_ALPHA_SIZE = 0x805F;
inline constexpr GLenum GL_TEXTURE_LUMINANCE_SIZE = 0x8060;
inline constexpr GLenum GL_TEXTURE_INTENSITY_SIZE = 0x8061;
inline constexpr GLenum GL_PROXY_TEXTURE_1D = 0x8063;
inline constexpr GLenum GL_PROXY_TEXTURE_2D = 0x8064;
inline constexpr GLenum GL_TEXTURE_PRIORITY = 0x8066;
inline constexpr GLenum GL_TEXTURE_RESIDENT = 0x8067;
inline constexpr GLenum GL_TEXTURE_BINDING_1D = 0x8068;
inline constexpr GLenum GL_TEXTURE_BINDING_2D = 0x8069;
///@}

/// Texture internal formats
///@{
inline constexpr GLenum GL_R3_G3_B2 = 0x2A10;
inline constexpr GLenum GL_ALPHA4 = 0x803B;
inline constexpr GLenum GL_ALPHA8 = 0x803C;
inline constexpr GLenum GL_ALPHA12 = 0x803D;
inline constexpr GLenum GL_ALPHA16 = 0x803E;
inline constexpr GLenum GL_LUMINANCE4 = 0x803F;
inline constexpr GLenum GL_LUMINANCE8 = 0x8040;
inline constexpr GLenum GL_LUMINANCE12 = 0x8041;
inline constexpr GLenum GL_LUMINANCE16 = 0x8042;
inline constexpr GLenum GL_LUMINANCE4_ALPHA4 = 0x8043;
inline constexpr GLenum GL_LUMINANCE6_ALPHA2 = 0x8044;
inline constexpr GLenum GL_LUMINANCE8_ALPHA8 = 0x8045;
inline constexpr GLenum GL_LUMINANCE12_ALPHA4 = 0x8046;
inline constexpr GLenum GL_LUMINANCE12_ALPHA12 = 0x8047;
inline constexpr GLenum GL_LUMINANCE16_ALPHA16 = 0x8048;
inline constexpr GLenum GL_INTENSITY = 0x8049;
inline constexpr GLenum GL_INTENSITY4 = 0x804A;
inline constexpr GLenum GL_INTENSITY8 = 0x804B;
inline constexpr GLenum GL_INTENSITY12 = 0x804C;
inline constexpr GLenum GL_INTENSITY16 = 0x804D;
inline constexpr GLenum GL_RGB4 = 0x804F;
inline constexpr GLenum GL_RGB5 = 0x8050;
inline constexpr GLenum GL_RGB8 = 0x8051;
inline constexpr GLenum GL_RGB10 = 0x8052;
inline constexpr GLenum GL_RGB12 = 0x8053;
inline constexpr GLenum GL_RGB16 = 0x8054;
inline constexpr GLenum GL_RGBA2 = 0x8055;
inline constexpr GLenum GL_RGBA4 = 0x8056;
inline constexpr GLenum GL_RGB5_A1 = 0x8057;
inline constexpr GLenum GL_RGBA8 = 0x8058;
inline constexpr GLenum GL_RGB10_A2 = 0x8059;
inline constexpr GLenum GL_RGBA12 = 0x805A;
inline constexpr GLenum GL_RGBA16 = 0x805B;
///@}

/// Evaluators
///@{
inline constexpr GLenum GL_COEFF = 0x0A00;
inline constexpr GLenum GL_ORDER = 0x0A01;
inline constexpr GLenum GL_DOMAIN = 0x0A02;
inline constexpr GLenum GL_AUTO_NORMAL = 0x0D80;
inline constexpr GLenum GL_MAP1_COLOR_4 = 0x0D90;
inline constexpr GLenum GL_MAP1_INDEX = 0x0D91;
inline constexpr GLenum GL_MAP1_NORMAL = 0x0D92;
inline constexpr GLenum GL_MAP1_TEXTURE_COORD_1 = 0x0D93;
inline constexpr GLenum GL_MAP1_TEXTURE_COORD_2 = 0x0D94;
inline constexpr GLenum GL_MAP1_TEXTURE_COORD_3 = 0x0D95;
inline constexpr GLenum GL_MAP1_TEXTURE_COORD_4 = 0x0D96;
inline constexpr GLenum GL_MAP1_VERTEX_3 = 0x0D97;
inline constexpr GLenum GL_MAP1_VERTEX_4 = 0x0D98;
inline constexpr GLenum GL_MAP2_COLOR_4 = 0x0DB0;
inline constexpr GLenum GL_MAP2_INDEX = 0x0DB1;
inline constexpr GLenum GL_MAP2_NORMAL = 0x0DB2;
inline constexpr GLenum GL_MAP2_TEXTURE_COORD_1 = 0x0DB3;
inline constexpr GLenum GL_MAP2_TEXTURE_COORD_2 = 0x0DB4;
inline constexpr GLenum GL_MAP2_TEXTURE_COORD_3 = 0x0DB5;
inline constexpr GLenum GL_MAP2_TEXTURE_COORD_4 = 0x0DB6;
inline constexpr GLenum GL_MAP2_VERTEX_3 = 0x0DB7;
inline constexpr GLenum GL_MAP2_VERTEX_4 = 0x0DB8;
inline constexpr GLenum GL_MAP1_GRID_DOMAIN = 0x0DD0;
inline constexpr GLenum GL_MAP1_GRID_SEGMENTS = 0x0DD1;
inline constexpr GLenum GL_MAP2_GRID_DOMAIN = 0x0DD2;
inline constexpr GLenum GL_MAP2_GRID_SEGMENTS = 0x0DD3;
///@}

/// Hints
///@{
inline constexpr GLenum GL_PERSPECTIVE_CORRECTION_HINT = 0x0C50;
inline constexpr GLenum GL_POINT_SMOOTH_HINT = 0x0C51;
inline constexpr GLenum GL_LINE_SMOOTH_HINT = 0x0C52;
inline constexpr GLenum GL_POLYGON_SMOOTH_HINT = 0x0C53;
inline constexpr GLenum GL_FOG_HINT = 0x0C54;
inline constexpr GLenum GL_DONT_CARE = 0x1100;
inline constexpr GLenum GL_FASTEST = 0x1101;
inline constexpr GLenum GL_NICEST = 0x1102;
///@}

/// Implementation limits
///@{
inline constexpr GLenum GL_MAX_LIST_NESTING = 0x0B31;
inline constexpr GLenum GL_MAX_EVAL_ORDER = 0x0D30;
inline constexpr GLenum GL_MAX_LIGHTS = 0x0D31;
inline constexpr GLenum GL_MAX_CLIP_PLANES = 0x0D32;
inline constexpr GLenum GL_MAX_TEXTURE_SIZE = 0x0D33;
inline constexpr GLenum GL_MAX_PIXEL_MAP_TABLE = 0x0D34;
inline constexpr GLenum GL_MAX_ATTRIB_STACK_DEPTH = 0x0D35;
inline constexpr GLenum GL_MAX_MODELVIEW_STACK_DEPTH = 0x0D36;
inline constexpr GLenum GL_MAX_NAME_STACK_DEPTH = 0x0D37;
inline constexpr GLenum GL_MAX_PROJECTION_STACK_DEPTH = 0x0D38;
inline constexpr GLenum GL_MAX_TEXTURE_STACK_DEPTH = 0x0D39;
inline constexpr GLenum GL_MAX_VIEWPORT_DIMS = 0x0D3A;
inline constexpr GLenum GL_MAX_CLIENT_ATTRIB_STACK_DEPTH = 0x0D3B;
///@}

/// State queries
///@{
inline constexpr GLenum GL_CURRENT_COLOR = 0x0B00;
inline constexpr GLenum GL_CURRENT_INDEX = 0x0B01;
inline constexpr GLenum GL_CURRENT_NORMAL = 0x0B02;
inline constexpr GLenum GL_CURRENT_TEXTURE_COORDS = 0x0B03;
inline constexpr GLenum GL_CURRENT_RASTER_COLOR = 0x0B04;
inline constexpr GLenum GL_CURRENT_RASTER_INDEX = 0x0B05;
inline constexpr GLenum GL_CURRENT_RASTER_TEXTURE_COORDS = 0x0B06;
inline constexpr GLenum GL_CURRENT_RASTER_POSITION = 0x0B07;
inline constexpr GLenum GL_CURRENT_RASTER_POSITION_VALID = 0x0B08;
inline constexpr GLenum GL_CURRENT_RASTER_DISTANCE = 0x0B09;
inline constexpr GLenum GL_VIEWPORT = 0x0BA2;
inline constexpr GLenum GL_MODELVIEW_STACK_DEPTH = 0x0BA3;
inline constexpr GLenum GL_PROJECTION_STACK_DEPTH = 0x0BA4;
inline constexpr GLenum GL_TEXTURE_STACK_DEPTH = 0x0BA5;
inline constexpr GLenum GL_MODELVIEW_MATRIX = 0x0BA6;
inline constexpr GLenum GL_PROJECTION_MATRIX = 0x0BA7;
inline constexpr GLenum GL_TEXTURE_MATRIX = 0x0BA8;
inline constexpr GLenum GL_ATTRIB_STACK_DEPTH = 0x0BB0;
inline constexpr GLenum GL_CLIENT_ATTRIB_STACK_DEPTH = 0x0BB1;
inline constexpr GLenum GL_INDEX_CLEAR_VALUE = 0x0C20;
inline constexpr GLenum GL_INDEX_WRITEMASK = 0x0C21;
inline constexpr GLenum GL_COLOR_CLEAR_VALUE = 0x0C22;
inline constexpr GLenum GL_COLOR_WRITEMASK = 0x0C23;
inline constexpr GLenum GL_INDEX_MODE = 0x0C30;
inline constexpr GLenum GL_RGBA_MODE = 0x0C31;
inline constexpr GLenum GL_RENDER_MODE = 0x0C40;
inline constexpr GLenum GL_NAME_STACK_DEPTH = 0x0D70;
///@}

/// Strings
///@{
inline constexpr GLenum GL_VENDOR = 0x1F00;
inline constexpr GLenum GL_RENDERER = 0x1F01;
inline constexpr GLenum GL_VERSION = 0x1F02;
inline constexpr GLenum GL_EXTENSIONS = 0x1F03;
///@}

/// Errors
///@{
inline constexpr GLenum GL_NO_ERROR = 0;
inline constexpr GLenum GL_INVALID_ENUM = 0x0500;
inline constexpr GLenum GL_INVALID_VALUE = 0x0501;
inline constexpr GLenum GL_INVALID_OPERATION = 0x0502;
inline constexpr GLenum GL_STACK_OVERFLOW = 0x0503;
inline constexpr GLenum GL_STACK_UNDERFLOW = 0x0504;
inline constexpr GLenum GL_OUT_OF_MEMORY = 0x0505;
///@}

#endif // GL_VERSION_1_1

/// glPushClientAttrib's bits together, by the name Windows' <GL/gl.h> lacks.
#ifndef GL_ALL_CLIENT_ATTRIB_BITS
inline constexpr GLbitfield GL_ALL_CLIENT_ATTRIB_BITS = 0xFFFFFFFF;
#endif

// Later than OpenGL 1.1: what the framework asks for where the driver has it, each declared
// unless a system header (<GL/gl.h>, <GL/glext.h>) has defined it already. Any other enumerant of
// a later version or an extension is the application's to define.

/// OpenGL 1.2
///@{
#ifndef GL_BGR
inline constexpr GLenum GL_BGR = 0x80E0;
#endif
#ifndef GL_BGRA
inline constexpr GLenum GL_BGRA = 0x80E1;
#endif
///@}

/// OpenGL 1.3
///@{
#ifndef GL_MULTISAMPLE
inline constexpr GLenum GL_MULTISAMPLE = 0x809D;
#endif
#ifndef GL_TEXTURE_COMPRESSION_HINT
inline constexpr GLenum GL_TEXTURE_COMPRESSION_HINT = 0x84EF;
#endif
#ifndef GL_COMPRESSED_ALPHA
inline constexpr GLenum GL_COMPRESSED_ALPHA = 0x84E9;
#endif
#ifndef GL_COMPRESSED_LUMINANCE
inline constexpr GLenum GL_COMPRESSED_LUMINANCE = 0x84EA;
#endif
#ifndef GL_COMPRESSED_LUMINANCE_ALPHA
inline constexpr GLenum GL_COMPRESSED_LUMINANCE_ALPHA = 0x84EB;
#endif
#ifndef GL_COMPRESSED_RGB
inline constexpr GLenum GL_COMPRESSED_RGB = 0x84ED;
#endif
#ifndef GL_COMPRESSED_RGBA
inline constexpr GLenum GL_COMPRESSED_RGBA = 0x84EE;
#endif
#ifndef GL_TEXTURE_COMPRESSED
inline constexpr GLenum GL_TEXTURE_COMPRESSED = 0x86A1;
#endif
///@}

/// OpenGL 1.4
///@{
#ifndef GL_GENERATE_MIPMAP
inline constexpr GLenum GL_GENERATE_MIPMAP = 0x8191;
#endif
#ifndef GL_GENERATE_MIPMAP_HINT
inline constexpr GLenum GL_GENERATE_MIPMAP_HINT = 0x8192;
#endif
///@}

} // namespace vyn
