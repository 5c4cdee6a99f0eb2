/// @file
/// GLU's enumerants with their standard names and values: every one of GLU 1.3, for the quadrics,
/// the tessellator, NURBS and the error and string queries (vynGLFuncs.h lists the entry points).
/// As with vynGLConstants.h, a source may include <GL/glu.h> as well: each name the system's header
/// defines is its macro, with the same value, and is not declared here again. Windows' header
/// stops at GLU 1.2, so the names GLU 1.3 added are kept apart.
#pragma once

#include "vynGLTypes.h"

namespace vyn {

// GLU 1.2, which every <GL/glu.h> defines whole.
#ifndef GLU_VERSION_1_2
inline constexpr GLboolean GLU_FALSE = 0;
inline constexpr GLboolean GLU_TRUE = 1;
inline constexpr GLenum GLU_VERSION = 100800;
inline constexpr GLenum GLU_EXTENSIONS = 100801;
inline constexpr GLenum GLU_INVALID_ENUM = 100900;
inline constexpr GLenum GLU_INVALID_VALUE = 100901;
inline constexpr GLenum GLU_OUT_OF_MEMORY = 100902;
inline constexpr GLenum GLU_INCOMPATIBLE_GL_VERSION = 100903;
inline constexpr GLenum GLU_OUTLINE_POLYGON = 100240;
inline constexpr GLenum GLU_OUTLINE_PATCH = 100241;
inline constexpr GLenum GLU_ERROR = 100103;
inline constexpr GLenum GLU_NURBS_ERROR1 = 100251;
inline constexpr GLenum GLU_NURBS_ERROR2 = 100252;
inline constexpr GLenum GLU_NURBS_ERROR3 = 100253;
inline constexpr GLenum GLU_NURBS_ERROR4 = 100254;
inline constexpr GLenum GLU_NURBS_ERROR5 = 100255;
inline constexpr GLenum GLU_NURBS_ERROR6 = 100256;
inline constexpr GLenum GLU_NURBS_ERROR7 = 100257;
inline constexpr GLenum GLU_NURBS_ERROR8 = 100258;
inline constexpr GLenum GLU_NURBS_ERROR9 = 100259;
inline constexpr GLenum GLU_NURBS_ERROR10 = 100260;
inline constexpr GLenum GLU_NURBS_ERROR11 = 100261;
inline constexpr GLenum GLU_NURBS_ERROR12 = 100262;
inline constexpr GLenum GLU_NURBS_ERROR13 = 100263;
inline constexpr GLenum GLU_NURBS_ERROR14 = 100264;
inline constexpr GLenum GLU_NURBS_ERROR15 = 100265;
inline constexpr GLenum GLU_NURBS_ERROR16 = 100266;
inline constexpr GLenum GLU_NURBS_ERROR17 = 100267;
inline constexpr GLenum GLU_NURBS_ERROR18 = 100268;
inline constexpr GLenum GLU_NURBS_ERROR19 = 100269;
inline constexpr GLenum GLU_NURBS_ERROR20 = 100270;
inline constexpr GLenum GLU_NURBS_ERROR21 = 100271;
inline constexpr GLenum GLU_NURBS_ERROR22 = 100272;
inline constexpr GLenum GLU_NURBS_ERROR23 = 100273;
inline constexpr GLenum GLU_NURBS_ERROR24 = 100274;
inline constexpr GLenum GLU_NURBS_ERROR25 = 100275;
inline constexpr GLenum GLU_NURBS_ERROR26 = 100276;
inline constexpr GLenum GLU_NURBS_ERROR27 = 100277;
inline constexpr GLenum GLU_NURBS_ERROR28 = 100278;
inline constexpr GLenum GLU_NURBS_ERROR29 = 100279;
inline constexpr GLenum GLU_NURBS_ERROR30 = 100280;
inline constexpr GLenum GLU_NURBS_ERROR31 = 100281;
inline constexpr GLenum GLU_NURBS_ERROR32 = 100282;
inline constexpr GLenum GLU_NURBS_ERROR33 = 100283;
inline constexpr GLenum GLU_NURBS_ERROR34 = 100284;
inline constexpr GLenum GLU_NURBS_ERROR35 = 100285;
inline constexpr GLenum GLU_NURBS_ERROR36 = 100286;
inline constexpr GLenum GLU_NURBS_ERROR37 = 100287;
inline constexpr GLenum GLU_AUTO_LOAD_MATRIX = 100200;
inline constexpr GLenum GLU_CULLING = 100201;
inline constexpr GLenum GLU_SAMPLING_TOLERANCE = 100203;
inline constexpr GLenum GLU_DISPLAY_MODE = 100204;
inline constexpr GLenum GLU_PARAMETRIC_TOLERANCE = 100202;
inline constexpr GLenum GLU_SAMPLING_METHOD = 100205;
inline constexpr GLenum GLU_U_STEP = 100206;
inline constexpr GLenum GLU_V_STEP = 100207;
inline constexpr GLenum GLU_PATH_LENGTH = 100215;
inline constexpr GLenum GLU_PARAMETRIC_ERROR = 100216;
inline constexpr GLenum GLU_DOMAIN_DISTANCE = 100217;
inline constexpr GLenum GLU_MAP1_TRIM_2 = 100210;
inline constexpr GLenum GLU_MAP1_TRIM_3 = 100211;
inline constexpr GLenum GLU_POINT = 100010;
inline constexpr GLenum GLU_LINE = 100011;
inline constexpr GLenum GLU_FILL = 100012;
inline constexpr GLenum GLU_SILHOUETTE = 100013;
inline constexpr GLenum GLU_SMOOTH = 100000;
inline constexpr GLenum GLU_FLAT = 100001;
inline constexpr GLenum GLU_NONE = 100002;
inline constexpr GLenum GLU_OUTSIDE = 100020;
inline constexpr GLenum GLU_INSIDE = 100021;
inline constexpr GLenum GLU_TESS_BEGIN = 100100;
inline constexpr GLenum GLU_BEGIN = 100100;
inline constexpr GLenum GLU_TESS_VERTEX = 100101;
inline constexpr GLenum GLU_VERTEX = 100101;
inline constexpr GLenum GLU_TESS_END = 100102;
inline constexpr GLenum GLU_END = 100102;
inline constexpr GLenum GLU_TESS_ERROR = 100103;
inline constexpr GLenum GLU_TESS_EDGE_FLAG = 100104;
inline constexpr GLenum GLU_EDGE_FLAG = 100104;
inline constexpr GLenum GLU_TESS_COMBINE = 100105;
inline constexpr GLenum GLU_TESS_BEGIN_DATA = 100106;
inline constexpr GLenum GLU_TESS_VERTEX_DATA = 100107;
inline constexpr GLenum GLU_TESS_END_DATA = 100108;
inline constexpr GLenum GLU_TESS_ERROR_DATA = 100109;
inline constexpr GLenum GLU_TESS_EDGE_FLAG_DATA = 100110;
inline constexpr GLenum GLU_TESS_COMBINE_DATA = 100111;
inline constexpr GLenum GLU_CW = 100120;
inline constexpr GLenum GLU_CCW = 100121;
inline constexpr GLenum GLU_INTERIOR = 100122;
inline constexpr GLenum GLU_EXTERIOR = 100123;
inline constexpr GLenum GLU_UNKNOWN = 100124;
inline constexpr GLenum GLU_TESS_WINDING_RULE = 100140;
inline constexpr GLenum GLU_TESS_BOUNDARY_ONLY = 100141;
inline constexpr GLenum GLU_TESS_TOLERANCE = 100142;
inline constexpr GLenum GLU_TESS_ERROR1 = 100151;
inline constexpr GLenum GLU_TESS_ERROR2 = 100152;
inline constexpr GLenum GLU_TESS_ERROR3 = 100153;
inline constexpr GLenum GLU_TESS_ERROR4 = 100154;
inline constexpr GLenum GLU_TESS_ERROR5 = 100155;
inline constexpr GLenum GLU_TESS_ERROR6 = 100156;
inline constexpr GLenum GLU_TESS_ERROR7 = 100157;
inline constexpr GLenum GLU_TESS_ERROR8 = 100158;
inline constexpr GLenum GLU_TESS_MISSING_BEGIN_POLYGON = 100151;
inline constexpr GLenum GLU_TESS_MISSING_BEGIN_CONTOUR = 100152;
inline constexpr GLenum GLU_TESS_MISSING_END_POLYGON = 100153;
inline constexpr GLenum GLU_TESS_MISSING_END_CONTOUR = 100154;
inline constexpr GLenum GLU_TESS_COORD_TOO_LARGE = 100155;
inline constexpr GLenum GLU_TESS_NEED_COMBINE_CALLBACK = 100156;
inline constexpr GLenum GLU_TESS_WINDING_ODD = 100130;
inline constexpr GLenum GLU_TESS_WINDING_NONZERO = 100131;
inline constexpr GLenum GLU_TESS_WINDING_POSITIVE = 100132;
inline constexpr GLenum GLU_TESS_WINDING_NEGATIVE = 100133;
inline constexpr GLenum GLU_TESS_WINDING_ABS_GEQ_TWO = 100134;
inline constexpr GLdouble GLU_TESS_MAX_COORD = 1.0e150;
#endif

// What GLU 1.3 added: NURBS tessellation to callbacks, object-space sampling, the query names.
#ifndef GLU_VERSION_1_3
inline constexpr GLenum GLU_INVALID_OPERATION = 100904;
inline constexpr GLenum GLU_NURBS_ERROR = 100103;
inline constexpr GLenum GLU_NURBS_BEGIN = 100164;
inline constexpr GLenum GLU_NURBS_BEGIN_EXT = 100164;
inline constexpr GLenum GLU_NURBS_VERTEX = 100165;
inline constexpr GLenum GLU_NURBS_VERTEX_EXT = 100165;
inline constexpr GLenum GLU_NURBS_NORMAL = 100166;
inline constexpr GLenum GLU_NURBS_NORMAL_EXT = 100166;
inline constexpr GLenum GLU_NURBS_COLOR = 100167;
inline constexpr GLenum GLU_NURBS_COLOR_EXT = 100167;
inline constexpr GLenum GLU_NURBS_TEXTURE_COORD = 100168;
inline constexpr GLenum GLU_NURBS_TEX_COORD_EXT = 100168;
inline constexpr GLenum GLU_NURBS_END = 100169;
inline constexpr GLenum GLU_NURBS_END_EXT = 100169;
inline constexpr GLenum GLU_NURBS_BEGIN_DATA = 100170;
inline constexpr GLenum GLU_NURBS_BEGIN_DATA_EXT = 100170;
inline constexpr GLenum GLU_NURBS_VERTEX_DATA = 100171;
inline constexpr GLenum GLU_NURBS_VERTEX_DATA_EXT = 100171;
inline constexpr GLenum GLU_NURBS_NORMAL_DATA = 100172;
inline constexpr GLenum GLU_NURBS_NORMAL_DATA_EXT = 100172;
inline constexpr GLenum GLU_NURBS_COLOR_DATA = 100173;
inline constexpr GLenum GLU_NURBS_COLOR_DATA_EXT = 100173;
inline constexpr GLenum GLU_NURBS_TEXTURE_COORD_DATA = 100174;
inline constexpr GLenum GLU_NURBS_TEX_COORD_DATA_EXT = 100174;
inline constexpr GLenum GLU_NURBS_END_DATA = 100175;
inline constexpr GLenum GLU_NURBS_END_DATA_EXT = 100175;
inline constexpr GLenum GLU_NURBS_MODE = 100160;
inline constexpr GLenum GLU_NURBS_MODE_EXT = 100160;
inline constexpr GLenum GLU_NURBS_TESSELLATOR = 100161;
inline constexpr GLenum GLU_NURBS_TESSELLATOR_EXT = 100161;
inline constexpr GLenum GLU_NURBS_RENDERER = 100162;
inline constexpr GLenum GLU_NURBS_RENDERER_EXT = 100162;
inline constexpr GLenum GLU_OBJECT_PARAMETRIC_ERROR = 100208;
inline constexpr GLenum GLU_OBJECT_PARAMETRIC_ERROR_EXT = 100208;
inline constexpr GLenum GLU_OBJECT_PATH_LENGTH = 100209;
inline constexpr GLenum GLU_OBJECT_PATH_LENGTH_EXT = 100209;
#endif

} // namespace vyn
