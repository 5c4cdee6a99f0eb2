/// @file
/// The GLU part of the one list of entry points (vynGLFuncs.h includes it): all of GLU 1.3, the
/// matrix and image helpers, quadrics, the tessellator and NURBS. Their enumerants are in
/// vynGLUConstants.h; the opaque objects and the callback type in vynGLTypes.h.
///
/// X(result, name, (parameters), (arguments)), expanded like VYN_GL_FUNCS. GLU entry points are
/// resolved when the libraries are loaded; one the library lacks throws, naming itself, when
/// called.
#pragma once

/// GLU's matrices, projections, images, mipmaps, errors and strings.
#define VYN_GLU_UTILITY_FUNCS(X)                                                                   \
    X(void, gluPerspective, (GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar),       \
      (fovy, aspect, zNear, zFar))                                                                 \
    X(void, gluOrtho2D, (GLdouble left, GLdouble right, GLdouble bottom, GLdouble top),            \
      (left, right, bottom, top))                                                                  \
    X(void, gluLookAt,                                                                             \
      (GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centerX, GLdouble centerY,            \
       GLdouble centerZ, GLdouble upX, GLdouble upY, GLdouble upZ),                                \
      (eyeX, eyeY, eyeZ, centerX, centerY, centerZ, upX, upY, upZ))                                \
    X(void, gluPickMatrix,                                                                         \
      (GLdouble x, GLdouble y, GLdouble delX, GLdouble delY, GLint * viewport),                    \
      (x, y, delX, delY, viewport))                                                                \
    X(GLint, gluProject,                                                                           \
      (GLdouble objX, GLdouble objY, GLdouble objZ, const GLdouble* model, const GLdouble* proj,   \
       const GLint* view, GLdouble* winX, GLdouble* winY, GLdouble* winZ),                         \
      (objX, objY, objZ, model, proj, view, winX, winY, winZ))                                     \
    X(GLint, gluUnProject,                                                                         \
      (GLdouble winX, GLdouble winY, GLdouble winZ, const GLdouble* model, const GLdouble* proj,   \
       const GLint* view, GLdouble* objX, GLdouble* objY, GLdouble* objZ),                         \
      (winX, winY, winZ, model, proj, view, objX, objY, objZ))                                     \
    X(GLint, gluScaleImage,                                                                        \
      (GLenum format, GLint widthIn, GLint heightIn, GLenum typeIn, const void* dataIn,            \
       GLint widthOut, GLint heightOut, GLenum typeOut, void* dataOut),                            \
      (format, widthIn, heightIn, typeIn, dataIn, widthOut, heightOut, typeOut, dataOut))          \
    X(GLint, gluBuild2DMipmaps,                                                                    \
      (GLenum target, GLint internalFormat, GLsizei width, GLsizei height, GLenum format,          \
       GLenum type, const void* data),                                                             \
      (target, internalFormat, width, height, format, type, data))                                 \
    X(const GLubyte*, gluErrorString, (GLenum error), (error))                                     \
    X(GLint, gluBuild1DMipmaps,                                                                    \
      (GLenum target, GLint internalFormat, GLsizei width, GLenum format, GLenum type,             \
       const void* data),                                                                          \
      (target, internalFormat, width, format, type, data))                                         \
    X(const GLubyte*, gluGetString, (GLenum name), (name))

/// Quadrics: spheres, cylinders, disks and partial disks.
#define VYN_GLU_QUADRIC_FUNCS(X)                                                                   \
    X(GLUquadric*, gluNewQuadric, (), ())                                                          \
    X(void, gluDeleteQuadric, (GLUquadric * quad), (quad))                                         \
    X(void, gluQuadricCallback, (GLUquadric * quad, GLenum which, GLUfuncptr callback),            \
      (quad, which, callback))                                                                     \
    X(void, gluQuadricDrawStyle, (GLUquadric * quad, GLenum draw), (quad, draw))                   \
    X(void, gluQuadricNormals, (GLUquadric * quad, GLenum normal), (quad, normal))                 \
    X(void, gluQuadricOrientation, (GLUquadric * quad, GLenum orientation), (quad, orientation))   \
    X(void, gluQuadricTexture, (GLUquadric * quad, GLboolean texture), (quad, texture))            \
    X(void, gluSphere, (GLUquadric * quad, GLdouble radius, GLint slices, GLint stacks),           \
      (quad, radius, slices, stacks))                                                              \
    X(void, gluCylinder,                                                                           \
      (GLUquadric * quad, GLdouble base, GLdouble top, GLdouble height, GLint slices,              \
       GLint stacks),                                                                              \
      (quad, base, top, height, slices, stacks))                                                   \
    X(void, gluDisk,                                                                               \
      (GLUquadric * quad, GLdouble inner, GLdouble outer, GLint slices, GLint loops),              \
      (quad, inner, outer, slices, loops))                                                         \
    X(void, gluPartialDisk,                                                                        \
      (GLUquadric * quad, GLdouble inner, GLdouble outer, GLint slices, GLint loops,               \
       GLdouble start, GLdouble sweep),                                                            \
      (quad, inner, outer, slices, loops, start, sweep))

/// The polygon tessellator, with the contours of GLU 1.0 (gluBeginPolygon, gluNextContour).
#define VYN_GLU_TESS_FUNCS(X)                                                                      \
    X(GLUtesselator*, gluNewTess, (), ())                                                          \
    X(void, gluDeleteTess, (GLUtesselator * tess), (tess))                                         \
    X(void, gluTessCallback, (GLUtesselator * tess, GLenum which, GLUfuncptr callback),            \
      (tess, which, callback))                                                                     \
    X(void, gluTessProperty, (GLUtesselator * tess, GLenum which, GLdouble data),                  \
      (tess, which, data))                                                                         \
    X(void, gluGetTessProperty, (GLUtesselator * tess, GLenum which, GLdouble * data),             \
      (tess, which, data))                                                                         \
    X(void, gluTessNormal, (GLUtesselator * tess, GLdouble x, GLdouble y, GLdouble z),             \
      (tess, x, y, z))                                                                             \
    X(void, gluTessBeginPolygon, (GLUtesselator * tess, void* data), (tess, data))                 \
    X(void, gluTessBeginContour, (GLUtesselator * tess), (tess))                                   \
    X(void, gluTessVertex, (GLUtesselator * tess, GLdouble * location, void* data),                \
      (tess, location, data))                                                                      \
    X(void, gluTessEndContour, (GLUtesselator * tess), (tess))                                     \
    X(void, gluTessEndPolygon, (GLUtesselator * tess), (tess))                                     \
    X(void, gluBeginPolygon, (GLUtesselator * tess), (tess))                                       \
    X(void, gluNextContour, (GLUtesselator * tess, GLenum type), (tess, type))                     \
    X(void, gluEndPolygon, (GLUtesselator * tess), (tess))

/// NURBS curves, surfaces and trimming curves.
#define VYN_GLU_NURBS_FUNCS(X)                                                                     \
    X(GLUnurbs*, gluNewNurbsRenderer, (), ())                                                      \
    X(void, gluDeleteNurbsRenderer, (GLUnurbs * nurb), (nurb))                                     \
    X(void, gluNurbsCallback, (GLUnurbs * nurb, GLenum which, GLUfuncptr callback),                \
      (nurb, which, callback))                                                                     \
    X(void, gluNurbsProperty, (GLUnurbs * nurb, GLenum property, GLfloat value),                   \
      (nurb, property, value))                                                                     \
    X(void, gluGetNurbsProperty, (GLUnurbs * nurb, GLenum property, GLfloat * data),               \
      (nurb, property, data))                                                                      \
    X(void, gluLoadSamplingMatrices,                                                               \
      (GLUnurbs * nurb, const GLfloat* model, const GLfloat* perspective, const GLint* view),      \
      (nurb, model, perspective, view))                                                            \
    X(void, gluBeginCurve, (GLUnurbs * nurb), (nurb))                                              \
    X(void, gluEndCurve, (GLUnurbs * nurb), (nurb))                                                \
    X(void, gluBeginSurface, (GLUnurbs * nurb), (nurb))                                            \
    X(void, gluEndSurface, (GLUnurbs * nurb), (nurb))                                              \
    X(void, gluBeginTrim, (GLUnurbs * nurb), (nurb))                                               \
    X(void, gluEndTrim, (GLUnurbs * nurb), (nurb))                                                 \
    X(void, gluNurbsCurve,                                                                         \
      (GLUnurbs * nurb, GLint knotCount, GLfloat * knots, GLint stride, GLfloat * control,         \
       GLint order, GLenum type),                                                                  \
      (nurb, knotCount, knots, stride, control, order, type))                                      \
    X(void, gluNurbsSurface,                                                                       \
      (GLUnurbs * nurb, GLint sKnotCount, GLfloat * sKnots, GLint tKnotCount, GLfloat * tKnots,    \
       GLint sStride, GLint tStride, GLfloat * control, GLint sOrder, GLint tOrder, GLenum type),  \
      (nurb, sKnotCount, sKnots, tKnotCount, tKnots, sStride, tStride, control, sOrder, tOrder,    \
       type))                                                                                      \
    X(void, gluPwlCurve,                                                                           \
      (GLUnurbs * nurb, GLint count, GLfloat * data, GLint stride, GLenum type),                   \
      (nurb, count, data, stride, type))

/// What GLU 1.3 added. Windows' GLU is 1.2 and has none of them: there each throws, naming itself,
/// when called (GLUAvailable() does not ask for them).
#define VYN_GLU_1_3_FUNCS(X)                                                                       \
    X(GLint, gluBuild1DMipmapLevels,                                                               \
      (GLenum target, GLint internalFormat, GLsizei width, GLenum format, GLenum type,             \
       GLint level, GLint base, GLint max, const void* data),                                      \
      (target, internalFormat, width, format, type, level, base, max, data))                       \
    X(GLint, gluBuild2DMipmapLevels,                                                               \
      (GLenum target, GLint internalFormat, GLsizei width, GLsizei height, GLenum format,          \
       GLenum type, GLint level, GLint base, GLint max, const void* data),                         \
      (target, internalFormat, width, height, format, type, level, base, max, data))               \
    X(GLint, gluBuild3DMipmaps,                                                                    \
      (GLenum target, GLint internalFormat, GLsizei width, GLsizei height, GLsizei depth,          \
       GLenum format, GLenum type, const void* data),                                              \
      (target, internalFormat, width, height, depth, format, type, data))                          \
    X(GLint, gluBuild3DMipmapLevels,                                                               \
      (GLenum target, GLint internalFormat, GLsizei width, GLsizei height, GLsizei depth,          \
       GLenum format, GLenum type, GLint level, GLint base, GLint max, const void* data),          \
      (target, internalFormat, width, height, depth, format, type, level, base, max, data))        \
    X(GLboolean, gluCheckExtension, (const GLubyte* extName, const GLubyte* extString),            \
      (extName, extString))                                                                        \
    X(void, gluNurbsCallbackData, (GLUnurbs * nurb, void* userData), (nurb, userData))             \
    X(GLint, gluUnProject4,                                                                        \
      (GLdouble winX, GLdouble winY, GLdouble winZ, GLdouble clipW, const GLdouble* model,         \
       const GLdouble* proj, const GLint* view, GLdouble nearVal, GLdouble farVal, GLdouble* objX, \
       GLdouble* objY, GLdouble* objZ, GLdouble* objW),                                            \
      (winX, winY, winZ, clipW, model, proj, view, nearVal, farVal, objX, objY, objZ, objW))

/// GLU 1.2's entry points, which every GLU library has (Windows' GLU32.dll among them).
#define VYN_GLU_1_2_FUNCS(X)                                                                       \
    VYN_GLU_UTILITY_FUNCS(X)                                                                       \
    VYN_GLU_QUADRIC_FUNCS(X)                                                                       \
    VYN_GLU_TESS_FUNCS(X)                                                                          \
    VYN_GLU_NURBS_FUNCS(X)

/// Entry points of the GLU library, all of GLU 1.3, resolved when the libraries are loaded.
#define VYN_GLU_FUNCS(X)                                                                           \
    VYN_GLU_1_2_FUNCS(X)                                                                           \
    VYN_GLU_1_3_FUNCS(X)
