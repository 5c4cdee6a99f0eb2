/// @file
/// The one list of OpenGL and GLU entry points: the whole of OpenGL 1.1, what an application
/// needs to draw without linking a GL library itself, and all of GLU 1.3 (vynGLUFuncs.h).
///
/// X(result, name, (parameters), (arguments)). vynGL.h expands it into the dispatch table and the
/// inline wrappers, vynGL.cpp into the lazy resolvers, vynGLRecorder.cpp into the recording double,
/// so that none of them can drift from the others. Add an entry point here and only here. Anything
/// later than OpenGL 1.1 (extensions, later versions) is fetched with GetGLProcAddress instead:
/// libraries need not export it (Windows' opengl32 exports nothing later than 1.1).
///
/// VYN_GL_FUNCS joins the groups below, which are there only to keep the list readable.
#pragma once

/// Capabilities, attribute stacks, hints, state queries, errors and synchronisation.
#define VYN_GL_STATE_FUNCS(X)                                                                      \
    X(void, glEnable, (GLenum cap), (cap))                                                         \
    X(void, glDisable, (GLenum cap), (cap))                                                        \
    X(GLboolean, glIsEnabled, (GLenum cap), (cap))                                                 \
    X(void, glEnableClientState, (GLenum array), (array))                                          \
    X(void, glDisableClientState, (GLenum array), (array))                                         \
    X(void, glGetBooleanv, (GLenum pname, GLboolean * params), (pname, params))                    \
    X(void, glGetDoublev, (GLenum pname, GLdouble * params), (pname, params))                      \
    X(void, glGetFloatv, (GLenum pname, GLfloat * params), (pname, params))                        \
    X(void, glGetIntegerv, (GLenum pname, GLint * params), (pname, params))                        \
    X(void, glPushAttrib, (GLbitfield mask), (mask))                                               \
    X(void, glPopAttrib, (), ())                                                                   \
    X(void, glPushClientAttrib, (GLbitfield mask), (mask))                                         \
    X(void, glPopClientAttrib, (), ())                                                             \
    X(GLenum, glGetError, (), ())                                                                  \
    X(const GLubyte*, glGetString, (GLenum name), (name))                                          \
    X(void, glFinish, (), ())                                                                      \
    X(void, glFlush, (), ())                                                                       \
    X(void, glHint, (GLenum target, GLenum mode), (target, mode))

/// The frame buffer: clearing, write masks, depth, stencil, alpha test, blending, logic operation,
/// scissor, accumulation and the draw and read buffers.
#define VYN_GL_BUFFER_FUNCS(X)                                                                     \
    X(void, glClearIndex, (GLfloat c), (c))                                                        \
    X(void, glClearColor, (GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha),           \
      (red, green, blue, alpha))                                                                   \
    X(void, glClear, (GLbitfield mask), (mask))                                                    \
    X(void, glIndexMask, (GLuint mask), (mask))                                                    \
    X(void, glColorMask, (GLboolean red, GLboolean green, GLboolean blue, GLboolean alpha),        \
      (red, green, blue, alpha))                                                                   \
    X(void, glAlphaFunc, (GLenum func, GLclampf ref), (func, ref))                                 \
    X(void, glBlendFunc, (GLenum sfactor, GLenum dfactor), (sfactor, dfactor))                     \
    X(void, glLogicOp, (GLenum opcode), (opcode))                                                  \
    X(void, glScissor, (GLint x, GLint y, GLsizei width, GLsizei height), (x, y, width, height))   \
    X(void, glDrawBuffer, (GLenum mode), (mode))                                                   \
    X(void, glReadBuffer, (GLenum mode), (mode))                                                   \
    X(void, glClearDepth, (GLclampd depth), (depth))                                               \
    X(void, glDepthFunc, (GLenum func), (func))                                                    \
    X(void, glDepthMask, (GLboolean flag), (flag))                                                 \
    X(void, glDepthRange, (GLclampd zNear, GLclampd zFar), (zNear, zFar))                          \
    X(void, glClearAccum, (GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha),               \
      (red, green, blue, alpha))                                                                   \
    X(void, glAccum, (GLenum op, GLfloat value), (op, value))                                      \
    X(void, glStencilFunc, (GLenum func, GLint ref, GLuint mask), (func, ref, mask))               \
    X(void, glStencilMask, (GLuint mask), (mask))                                                  \
    X(void, glStencilOp, (GLenum fail, GLenum zfail, GLenum zpass), (fail, zfail, zpass))          \
    X(void, glClearStencil, (GLint s), (s))

/// Rasterisation of points, lines and polygons.
#define VYN_GL_RASTER_FUNCS(X)                                                                     \
    X(void, glCullFace, (GLenum mode), (mode))                                                     \
    X(void, glFrontFace, (GLenum mode), (mode))                                                    \
    X(void, glPointSize, (GLfloat size), (size))                                                   \
    X(void, glLineWidth, (GLfloat width), (width))                                                 \
    X(void, glLineStipple, (GLint factor, GLushort pattern), (factor, pattern))                    \
    X(void, glPolygonMode, (GLenum face, GLenum mode), (face, mode))                               \
    X(void, glPolygonOffset, (GLfloat factor, GLfloat units), (factor, units))                     \
    X(void, glPolygonStipple, (const GLubyte* mask), (mask))                                       \
    X(void, glGetPolygonStipple, (GLubyte * mask), (mask))

/// Matrices, the viewport and clip planes.
#define VYN_GL_TRANSFORM_FUNCS(X)                                                                  \
    X(void, glClipPlane, (GLenum plane, const GLdouble* equation), (plane, equation))              \
    X(void, glGetClipPlane, (GLenum plane, GLdouble * equation), (plane, equation))                \
    X(void, glMatrixMode, (GLenum mode), (mode))                                                   \
    X(void, glOrtho,                                                                               \
      (GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,               \
       GLdouble zFar),                                                                             \
      (left, right, bottom, top, zNear, zFar))                                                     \
    X(void, glFrustum,                                                                             \
      (GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,               \
       GLdouble zFar),                                                                             \
      (left, right, bottom, top, zNear, zFar))                                                     \
    X(void, glViewport, (GLint x, GLint y, GLsizei width, GLsizei height), (x, y, width, height))  \
    X(void, glPushMatrix, (), ())                                                                  \
    X(void, glPopMatrix, (), ())                                                                   \
    X(void, glLoadIdentity, (), ())                                                                \
    X(void, glLoadMatrixd, (const GLdouble* m), (m))                                               \
    X(void, glLoadMatrixf, (const GLfloat* m), (m))                                                \
    X(void, glMultMatrixd, (const GLdouble* m), (m))                                               \
    X(void, glMultMatrixf, (const GLfloat* m), (m))                                                \
    X(void, glRotated, (GLdouble angle, GLdouble x, GLdouble y, GLdouble z), (angle, x, y, z))     \
    X(void, glRotatef, (GLfloat angle, GLfloat x, GLfloat y, GLfloat z), (angle, x, y, z))         \
    X(void, glScaled, (GLdouble x, GLdouble y, GLdouble z), (x, y, z))                             \
    X(void, glScalef, (GLfloat x, GLfloat y, GLfloat z), (x, y, z))                                \
    X(void, glTranslated, (GLdouble x, GLdouble y, GLdouble z), (x, y, z))                         \
    X(void, glTranslatef, (GLfloat x, GLfloat y, GLfloat z), (x, y, z))

/// Immediate mode: glBegin/glEnd, the current vertex attributes, raster position and rectangles.
#define VYN_GL_IMMEDIATE_FUNCS(X)                                                                  \
    X(void, glEdgeFlag, (GLboolean flag), (flag))                                                  \
    X(void, glEdgeFlagv, (const GLboolean* flag), (flag))                                          \
    X(void, glBegin, (GLenum mode), (mode))                                                        \
    X(void, glEnd, (), ())                                                                         \
    X(void, glVertex2d, (GLdouble x, GLdouble y), (x, y))                                          \
    X(void, glVertex2f, (GLfloat x, GLfloat y), (x, y))                                            \
    X(void, glVertex2i, (GLint x, GLint y), (x, y))                                                \
    X(void, glVertex2s, (GLshort x, GLshort y), (x, y))                                            \
    X(void, glVertex3d, (GLdouble x, GLdouble y, GLdouble z), (x, y, z))                           \
    X(void, glVertex3f, (GLfloat x, GLfloat y, GLfloat z), (x, y, z))                              \
    X(void, glVertex3i, (GLint x, GLint y, GLint z), (x, y, z))                                    \
    X(void, glVertex3s, (GLshort x, GLshort y, GLshort z), (x, y, z))                              \
    X(void, glVertex4d, (GLdouble x, GLdouble y, GLdouble z, GLdouble w), (x, y, z, w))            \
    X(void, glVertex4f, (GLfloat x, GLfloat y, GLfloat z, GLfloat w), (x, y, z, w))                \
    X(void, glVertex4i, (GLint x, GLint y, GLint z, GLint w), (x, y, z, w))                        \
    X(void, glVertex4s, (GLshort x, GLshort y, GLshort z, GLshort w), (x, y, z, w))                \
    X(void, glVertex2dv, (const GLdouble* v), (v))                                                 \
    X(void, glVertex2fv, (const GLfloat* v), (v))                                                  \
    X(void, glVertex2iv, (const GLint* v), (v))                                                    \
    X(void, glVertex2sv, (const GLshort* v), (v))                                                  \
    X(void, glVertex3dv, (const GLdouble* v), (v))                                                 \
    X(void, glVertex3fv, (const GLfloat* v), (v))                                                  \
    X(void, glVertex3iv, (const GLint* v), (v))                                                    \
    X(void, glVertex3sv, (const GLshort* v), (v))                                                  \
    X(void, glVertex4dv, (const GLdouble* v), (v))                                                 \
    X(void, glVertex4fv, (const GLfloat* v), (v))                                                  \
    X(void, glVertex4iv, (const GLint* v), (v))                                                    \
    X(void, glVertex4sv, (const GLshort* v), (v))                                                  \
    X(void, glNormal3b, (GLbyte nx, GLbyte ny, GLbyte nz), (nx, ny, nz))                           \
    X(void, glNormal3d, (GLdouble nx, GLdouble ny, GLdouble nz), (nx, ny, nz))                     \
    X(void, glNormal3f, (GLfloat nx, GLfloat ny, GLfloat nz), (nx, ny, nz))                        \
    X(void, glNormal3i, (GLint nx, GLint ny, GLint nz), (nx, ny, nz))                              \
    X(void, glNormal3s, (GLshort nx, GLshort ny, GLshort nz), (nx, ny, nz))                        \
    X(void, glNormal3bv, (const GLbyte* v), (v))                                                   \
    X(void, glNormal3dv, (const GLdouble* v), (v))                                                 \
    X(void, glNormal3fv, (const GLfloat* v), (v))                                                  \
    X(void, glNormal3iv, (const GLint* v), (v))                                                    \
    X(void, glNormal3sv, (const GLshort* v), (v))                                                  \
    X(void, glIndexd, (GLdouble c), (c))                                                           \
    X(void, glIndexf, (GLfloat c), (c))                                                            \
    X(void, glIndexi, (GLint c), (c))                                                              \
    X(void, glIndexs, (GLshort c), (c))                                                            \
    X(void, glIndexub, (GLubyte c), (c))                                                           \
    X(void, glIndexdv, (const GLdouble* c), (c))                                                   \
    X(void, glIndexfv, (const GLfloat* c), (c))                                                    \
    X(void, glIndexiv, (const GLint* c), (c))                                                      \
    X(void, glIndexsv, (const GLshort* c), (c))                                                    \
    X(void, glIndexubv, (const GLubyte* c), (c))                                                   \
    X(void, glColor3b, (GLbyte red, GLbyte green, GLbyte blue), (red, green, blue))                \
    X(void, glColor3d, (GLdouble red, GLdouble green, GLdouble blue), (red, green, blue))          \
    X(void, glColor3f, (GLfloat red, GLfloat green, GLfloat blue), (red, green, blue))             \
    X(void, glColor3i, (GLint red, GLint green, GLint blue), (red, green, blue))                   \
    X(void, glColor3s, (GLshort red, GLshort green, GLshort blue), (red, green, blue))             \
    X(void, glColor3ub, (GLubyte red, GLubyte green, GLubyte blue), (red, green, blue))            \
    X(void, glColor3ui, (GLuint red, GLuint green, GLuint blue), (red, green, blue))               \
    X(void, glColor3us, (GLushort red, GLushort green, GLushort blue), (red, green, blue))         \
    X(void, glColor4b, (GLbyte red, GLbyte green, GLbyte blue, GLbyte alpha),                      \
      (red, green, blue, alpha))                                                                   \
    X(void, glColor4d, (GLdouble red, GLdouble green, GLdouble blue, GLdouble alpha),              \
      (red, green, blue, alpha))                                                                   \
    X(void, glColor4f, (GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha),                  \
      (red, green, blue, alpha))                                                                   \
    X(void, glColor4i, (GLint red, GLint green, GLint blue, GLint alpha),                          \
      (red, green, blue, alpha))                                                                   \
    X(void, glColor4s, (GLshort red, GLshort green, GLshort blue, GLshort alpha),                  \
      (red, green, blue, alpha))                                                                   \
    X(void, glColor4ub, (GLubyte red, GLubyte green, GLubyte blue, GLubyte alpha),                 \
      (red, green, blue, alpha))                                                                   \
    X(void, glColor4ui, (GLuint red, GLuint green, GLuint blue, GLuint alpha),                     \
      (red, green, blue, alpha))                                                                   \
    X(void, glColor4us, (GLushort red, GLushort green, GLushort blue, GLushort alpha),             \
      (red, green, blue, alpha))                                                                   \
    X(void, glColor3bv, (const GLbyte* v), (v))                                                    \
    X(void, glColor3dv, (const GLdouble* v), (v))                                                  \
    X(void, glColor3fv, (const GLfloat* v), (v))                                                   \
    X(void, glColor3iv, (const GLint* v), (v))                                                     \
    X(void, glColor3sv, (const GLshort* v), (v))                                                   \
    X(void, glColor3ubv, (const GLubyte* v), (v))                                                  \
    X(void, glColor3uiv, (const GLuint* v), (v))                                                   \
    X(void, glColor3usv, (const GLushort* v), (v))                                                 \
    X(void, glColor4bv, (const GLbyte* v), (v))                                                    \
    X(void, glColor4dv, (const GLdouble* v), (v))                                                  \
    X(void, glColor4fv, (const GLfloat* v), (v))                                                   \
    X(void, glColor4iv, (const GLint* v), (v))                                                     \
    X(void, glColor4sv, (const GLshort* v), (v))                                                   \
    X(void, glColor4ubv, (const GLubyte* v), (v))                                                  \
    X(void, glColor4uiv, (const GLuint* v), (v))                                                   \
    X(void, glColor4usv, (const GLushort* v), (v))                                                 \
    X(void, glTexCoord1d, (GLdouble s), (s))                                                       \
    X(void, glTexCoord1f, (GLfloat s), (s))                                                        \
    X(void, glTexCoord1i, (GLint s), (s))                                                          \
    X(void, glTexCoord1s, (GLshort s), (s))                                                        \
    X(void, glTexCoord2d, (GLdouble s, GLdouble t), (s, t))                                        \
    X(void, glTexCoord2f, (GLfloat s, GLfloat t), (s, t))                                          \
    X(void, glTexCoord2i, (GLint s, GLint t), (s, t))                                              \
    X(void, glTexCoord2s, (GLshort s, GLshort t), (s, t))                                          \
    X(void, glTexCoord3d, (GLdouble s, GLdouble t, GLdouble r), (s, t, r))                         \
    X(void, glTexCoord3f, (GLfloat s, GLfloat t, GLfloat r), (s, t, r))                            \
    X(void, glTexCoord3i, (GLint s, GLint t, GLint r), (s, t, r))                                  \
    X(void, glTexCoord3s, (GLshort s, GLshort t, GLshort r), (s, t, r))                            \
    X(void, glTexCoord4d, (GLdouble s, GLdouble t, GLdouble r, GLdouble q), (s, t, r, q))          \
    X(void, glTexCoord4f, (GLfloat s, GLfloat t, GLfloat r, GLfloat q), (s, t, r, q))              \
    X(void, glTexCoord4i, (GLint s, GLint t, GLint r, GLint q), (s, t, r, q))                      \
    X(void, glTexCoord4s, (GLshort s, GLshort t, GLshort r, GLshort q), (s, t, r, q))              \
    X(void, glTexCoord1dv, (const GLdouble* v), (v))                                               \
    X(void, glTexCoord1fv, (const GLfloat* v), (v))                                                \
    X(void, glTexCoord1iv, (const GLint* v), (v))                                                  \
    X(void, glTexCoord1sv, (const GLshort* v), (v))                                                \
    X(void, glTexCoord2dv, (const GLdouble* v), (v))                                               \
    X(void, glTexCoord2fv, (const GLfloat* v), (v))                                                \
    X(void, glTexCoord2iv, (const GLint* v), (v))                                                  \
    X(void, glTexCoord2sv, (const GLshort* v), (v))                                                \
    X(void, glTexCoord3dv, (const GLdouble* v), (v))                                               \
    X(void, glTexCoord3fv, (const GLfloat* v), (v))                                                \
    X(void, glTexCoord3iv, (const GLint* v), (v))                                                  \
    X(void, glTexCoord3sv, (const GLshort* v), (v))                                                \
    X(void, glTexCoord4dv, (const GLdouble* v), (v))                                               \
    X(void, glTexCoord4fv, (const GLfloat* v), (v))                                                \
    X(void, glTexCoord4iv, (const GLint* v), (v))                                                  \
    X(void, glTexCoord4sv, (const GLshort* v), (v))                                                \
    X(void, glRasterPos2d, (GLdouble x, GLdouble y), (x, y))                                       \
    X(void, glRasterPos2f, (GLfloat x, GLfloat y), (x, y))                                         \
    X(void, glRasterPos2i, (GLint x, GLint y), (x, y))                                             \
    X(void, glRasterPos2s, (GLshort x, GLshort y), (x, y))                                         \
    X(void, glRasterPos3d, (GLdouble x, GLdouble y, GLdouble z), (x, y, z))                        \
    X(void, glRasterPos3f, (GLfloat x, GLfloat y, GLfloat z), (x, y, z))                           \
    X(void, glRasterPos3i, (GLint x, GLint y, GLint z), (x, y, z))                                 \
    X(void, glRasterPos3s, (GLshort x, GLshort y, GLshort z), (x, y, z))                           \
    X(void, glRasterPos4d, (GLdouble x, GLdouble y, GLdouble z, GLdouble w), (x, y, z, w))         \
    X(void, glRasterPos4f, (GLfloat x, GLfloat y, GLfloat z, GLfloat w), (x, y, z, w))             \
    X(void, glRasterPos4i, (GLint x, GLint y, GLint z, GLint w), (x, y, z, w))                     \
    X(void, glRasterPos4s, (GLshort x, GLshort y, GLshort z, GLshort w), (x, y, z, w))             \
    X(void, glRasterPos2dv, (const GLdouble* v), (v))                                              \
    X(void, glRasterPos2fv, (const GLfloat* v), (v))                                               \
    X(void, glRasterPos2iv, (const GLint* v), (v))                                                 \
    X(void, glRasterPos2sv, (const GLshort* v), (v))                                               \
    X(void, glRasterPos3dv, (const GLdouble* v), (v))                                              \
    X(void, glRasterPos3fv, (const GLfloat* v), (v))                                               \
    X(void, glRasterPos3iv, (const GLint* v), (v))                                                 \
    X(void, glRasterPos3sv, (const GLshort* v), (v))                                               \
    X(void, glRasterPos4dv, (const GLdouble* v), (v))                                              \
    X(void, glRasterPos4fv, (const GLfloat* v), (v))                                               \
    X(void, glRasterPos4iv, (const GLint* v), (v))                                                 \
    X(void, glRasterPos4sv, (const GLshort* v), (v))                                               \
    X(void, glRectd, (GLdouble x1, GLdouble y1, GLdouble x2, GLdouble y2), (x1, y1, x2, y2))       \
    X(void, glRectf, (GLfloat x1, GLfloat y1, GLfloat x2, GLfloat y2), (x1, y1, x2, y2))           \
    X(void, glRecti, (GLint x1, GLint y1, GLint x2, GLint y2), (x1, y1, x2, y2))                   \
    X(void, glRects, (GLshort x1, GLshort y1, GLshort x2, GLshort y2), (x1, y1, x2, y2))           \
    X(void, glRectdv, (const GLdouble* v1, const GLdouble* v2), (v1, v2))                          \
    X(void, glRectfv, (const GLfloat* v1, const GLfloat* v2), (v1, v2))                            \
    X(void, glRectiv, (const GLint* v1, const GLint* v2), (v1, v2))                                \
    X(void, glRectsv, (const GLshort* v1, const GLshort* v2), (v1, v2))

/// Client-side vertex arrays.
#define VYN_GL_ARRAY_FUNCS(X)                                                                      \
    X(void, glVertexPointer, (GLint size, GLenum type, GLsizei stride, const void* pointer),       \
      (size, type, stride, pointer))                                                               \
    X(void, glNormalPointer, (GLenum type, GLsizei stride, const void* pointer),                   \
      (type, stride, pointer))                                                                     \
    X(void, glColorPointer, (GLint size, GLenum type, GLsizei stride, const void* pointer),        \
      (size, type, stride, pointer))                                                               \
    X(void, glIndexPointer, (GLenum type, GLsizei stride, const void* pointer),                    \
      (type, stride, pointer))                                                                     \
    X(void, glTexCoordPointer, (GLint size, GLenum type, GLsizei stride, const void* pointer),     \
      (size, type, stride, pointer))                                                               \
    X(void, glEdgeFlagPointer, (GLsizei stride, const void* pointer), (stride, pointer))           \
    X(void, glGetPointerv, (GLenum pname, void** params), (pname, params))                         \
    X(void, glArrayElement, (GLint i), (i))                                                        \
    X(void, glDrawArrays, (GLenum mode, GLint first, GLsizei count), (mode, first, count))         \
    X(void, glDrawElements, (GLenum mode, GLsizei count, GLenum type, const void* indices),        \
      (mode, count, type, indices))                                                                \
    X(void, glInterleavedArrays, (GLenum format, GLsizei stride, const void* pointer),             \
      (format, stride, pointer))

/// Lighting, materials and fog.
#define VYN_GL_LIGHTING_FUNCS(X)                                                                   \
    X(void, glShadeModel, (GLenum mode), (mode))                                                   \
    X(void, glLightf, (GLenum light, GLenum pname, GLfloat param), (light, pname, param))          \
    X(void, glLighti, (GLenum light, GLenum pname, GLint param), (light, pname, param))            \
    X(void, glLightfv, (GLenum light, GLenum pname, const GLfloat* params),                        \
      (light, pname, params))                                                                      \
    X(void, glLightiv, (GLenum light, GLenum pname, const GLint* params), (light, pname, params))  \
    X(void, glGetLightfv, (GLenum light, GLenum pname, GLfloat * params), (light, pname, params))  \
    X(void, glGetLightiv, (GLenum light, GLenum pname, GLint * params), (light, pname, params))    \
    X(void, glLightModelf, (GLenum pname, GLfloat param), (pname, param))                          \
    X(void, glLightModeli, (GLenum pname, GLint param), (pname, param))                            \
    X(void, glLightModelfv, (GLenum pname, const GLfloat* params), (pname, params))                \
    X(void, glLightModeliv, (GLenum pname, const GLint* params), (pname, params))                  \
    X(void, glMaterialf, (GLenum face, GLenum pname, GLfloat param), (face, pname, param))         \
    X(void, glMateriali, (GLenum face, GLenum pname, GLint param), (face, pname, param))           \
    X(void, glMaterialfv, (GLenum face, GLenum pname, const GLfloat* params),                      \
      (face, pname, params))                                                                       \
    X(void, glMaterialiv, (GLenum face, GLenum pname, const GLint* params), (face, pname, params)) \
    X(void, glGetMaterialfv, (GLenum face, GLenum pname, GLfloat * params), (face, pname, params)) \
    X(void, glGetMaterialiv, (GLenum face, GLenum pname, GLint * params), (face, pname, params))   \
    X(void, glColorMaterial, (GLenum face, GLenum mode), (face, mode))                             \
    X(void, glFogf, (GLenum pname, GLfloat param), (pname, param))                                 \
    X(void, glFogi, (GLenum pname, GLint param), (pname, param))                                   \
    X(void, glFogfv, (GLenum pname, const GLfloat* params), (pname, params))                       \
    X(void, glFogiv, (GLenum pname, const GLint* params), (pname, params))

/// Pixel storage, transfer and maps; bitmaps; drawing, reading and copying pixels.
#define VYN_GL_PIXEL_FUNCS(X)                                                                      \
    X(void, glPixelZoom, (GLfloat xfactor, GLfloat yfactor), (xfactor, yfactor))                   \
    X(void, glPixelStoref, (GLenum pname, GLfloat param), (pname, param))                          \
    X(void, glPixelStorei, (GLenum pname, GLint param), (pname, param))                            \
    X(void, glPixelTransferf, (GLenum pname, GLfloat param), (pname, param))                       \
    X(void, glPixelTransferi, (GLenum pname, GLint param), (pname, param))                         \
    X(void, glPixelMapfv, (GLenum map, GLsizei mapsize, const GLfloat* values),                    \
      (map, mapsize, values))                                                                      \
    X(void, glPixelMapuiv, (GLenum map, GLsizei mapsize, const GLuint* values),                    \
      (map, mapsize, values))                                                                      \
    X(void, glPixelMapusv, (GLenum map, GLsizei mapsize, const GLushort* values),                  \
      (map, mapsize, values))                                                                      \
    X(void, glGetPixelMapfv, (GLenum map, GLfloat * values), (map, values))                        \
    X(void, glGetPixelMapuiv, (GLenum map, GLuint * values), (map, values))                        \
    X(void, glGetPixelMapusv, (GLenum map, GLushort * values), (map, values))                      \
    X(void, glBitmap,                                                                              \
      (GLsizei width, GLsizei height, GLfloat xorig, GLfloat yorig, GLfloat xmove, GLfloat ymove,  \
       const GLubyte* bitmap),                                                                     \
      (width, height, xorig, yorig, xmove, ymove, bitmap))                                         \
    X(void, glReadPixels,                                                                          \
      (GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type, void* pixels), \
      (x, y, width, height, format, type, pixels))                                                 \
    X(void, glDrawPixels,                                                                          \
      (GLsizei width, GLsizei height, GLenum format, GLenum type, const void* pixels),             \
      (width, height, format, type, pixels))                                                       \
    X(void, glCopyPixels, (GLint x, GLint y, GLsizei width, GLsizei height, GLenum type),          \
      (x, y, width, height, type))

/// Textures: coordinate generation, environment, parameters, images, sub-images, copies and texture
/// objects.
#define VYN_GL_TEXTURE_FUNCS(X)                                                                    \
    X(void, glTexGend, (GLenum coord, GLenum pname, GLdouble param), (coord, pname, param))        \
    X(void, glTexGenf, (GLenum coord, GLenum pname, GLfloat param), (coord, pname, param))         \
    X(void, glTexGeni, (GLenum coord, GLenum pname, GLint param), (coord, pname, param))           \
    X(void, glTexGendv, (GLenum coord, GLenum pname, const GLdouble* params),                      \
      (coord, pname, params))                                                                      \
    X(void, glTexGenfv, (GLenum coord, GLenum pname, const GLfloat* params),                       \
      (coord, pname, params))                                                                      \
    X(void, glTexGeniv, (GLenum coord, GLenum pname, const GLint* params), (coord, pname, params)) \
    X(void, glGetTexGendv, (GLenum coord, GLenum pname, GLdouble * params),                        \
      (coord, pname, params))                                                                      \
    X(void, glGetTexGenfv, (GLenum coord, GLenum pname, GLfloat * params), (coord, pname, params)) \
    X(void, glGetTexGeniv, (GLenum coord, GLenum pname, GLint * params), (coord, pname, params))   \
    X(void, glTexEnvf, (GLenum target, GLenum pname, GLfloat param), (target, pname, param))       \
    X(void, glTexEnvi, (GLenum target, GLenum pname, GLint param), (target, pname, param))         \
    X(void, glTexEnvfv, (GLenum target, GLenum pname, const GLfloat* params),                      \
      (target, pname, params))                                                                     \
    X(void, glTexEnviv, (GLenum target, GLenum pname, const GLint* params),                        \
      (target, pname, params))                                                                     \
    X(void, glGetTexEnvfv, (GLenum target, GLenum pname, GLfloat * params),                        \
      (target, pname, params))                                                                     \
    X(void, glGetTexEnviv, (GLenum target, GLenum pname, GLint * params), (target, pname, params)) \
    X(void, glTexParameterf, (GLenum target, GLenum pname, GLfloat param), (target, pname, param)) \
    X(void, glTexParameteri, (GLenum target, GLenum pname, GLint param), (target, pname, param))   \
    X(void, glTexParameterfv, (GLenum target, GLenum pname, const GLfloat* params),                \
      (target, pname, params))                                                                     \
    X(void, glTexParameteriv, (GLenum target, GLenum pname, const GLint* params),                  \
      (target, pname, params))                                                                     \
    X(void, glGetTexParameterfv, (GLenum target, GLenum pname, GLfloat * params),                  \
      (target, pname, params))                                                                     \
    X(void, glGetTexParameteriv, (GLenum target, GLenum pname, GLint * params),                    \
      (target, pname, params))                                                                     \
    X(void, glGetTexLevelParameterfv,                                                              \
      (GLenum target, GLint level, GLenum pname, GLfloat * params),                                \
      (target, level, pname, params))                                                              \
    X(void, glGetTexLevelParameteriv, (GLenum target, GLint level, GLenum pname, GLint * params),  \
      (target, level, pname, params))                                                              \
    X(void, glTexImage1D,                                                                          \
      (GLenum target, GLint level, GLint internalFormat, GLsizei width, GLint border,              \
       GLenum format, GLenum type, const void* pixels),                                            \
      (target, level, internalFormat, width, border, format, type, pixels))                        \
    X(void, glTexImage2D,                                                                          \
      (GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,            \
       GLint border, GLenum format, GLenum type, const void* pixels),                              \
      (target, level, internalFormat, width, height, border, format, type, pixels))                \
    X(void, glGetTexImage, (GLenum target, GLint level, GLenum format, GLenum type, void* pixels), \
      (target, level, format, type, pixels))                                                       \
    X(void, glGenTextures, (GLsizei n, GLuint * textures), (n, textures))                          \
    X(void, glDeleteTextures, (GLsizei n, const GLuint* textures), (n, textures))                  \
    X(void, glBindTexture, (GLenum target, GLuint texture), (target, texture))                     \
    X(void, glPrioritizeTextures, (GLsizei n, const GLuint* textures, const GLclampf* priorities), \
      (n, textures, priorities))                                                                   \
    X(GLboolean, glAreTexturesResident,                                                            \
      (GLsizei n, const GLuint* textures, GLboolean* residences), (n, textures, residences))       \
    X(GLboolean, glIsTexture, (GLuint texture), (texture))                                         \
    X(void, glTexSubImage1D,                                                                       \
      (GLenum target, GLint level, GLint xoffset, GLsizei width, GLenum format, GLenum type,       \
       const void* pixels),                                                                        \
      (target, level, xoffset, width, format, type, pixels))                                       \
    X(void, glTexSubImage2D,                                                                       \
      (GLenum target, GLint level, GLint xoffset, GLint yoffset, GLsizei width, GLsizei height,    \
       GLenum format, GLenum type, const void* pixels),                                            \
      (target, level, xoffset, yoffset, width, height, format, type, pixels))                      \
    X(void, glCopyTexImage1D,                                                                      \
      (GLenum target, GLint level, GLenum internalFormat, GLint x, GLint y, GLsizei width,         \
       GLint border),                                                                              \
      (target, level, internalFormat, x, y, width, border))                                        \
    X(void, glCopyTexImage2D,                                                                      \
      (GLenum target, GLint level, GLenum internalFormat, GLint x, GLint y, GLsizei width,         \
       GLsizei height, GLint border),                                                              \
      (target, level, internalFormat, x, y, width, height, border))                                \
    X(void, glCopyTexSubImage1D,                                                                   \
      (GLenum target, GLint level, GLint xoffset, GLint x, GLint y, GLsizei width),                \
      (target, level, xoffset, x, y, width))                                                       \
    X(void, glCopyTexSubImage2D,                                                                   \
      (GLenum target, GLint level, GLint xoffset, GLint yoffset, GLint x, GLint y, GLsizei width,  \
       GLsizei height),                                                                            \
      (target, level, xoffset, yoffset, x, y, width, height))

/// Display lists.
#define VYN_GL_LIST_FUNCS(X)                                                                       \
    X(GLboolean, glIsList, (GLuint list), (list))                                                  \
    X(void, glDeleteLists, (GLuint list, GLsizei range), (list, range))                            \
    X(GLuint, glGenLists, (GLsizei range), (range))                                                \
    X(void, glNewList, (GLuint list, GLenum mode), (list, mode))                                   \
    X(void, glEndList, (), ())                                                                     \
    X(void, glCallList, (GLuint list), (list))                                                     \
    X(void, glCallLists, (GLsizei n, GLenum type, const void* lists), (n, type, lists))            \
    X(void, glListBase, (GLuint base), (base))

/// Evaluators.
#define VYN_GL_EVALUATOR_FUNCS(X)                                                                  \
    X(void, glMap1d,                                                                               \
      (GLenum target, GLdouble u1, GLdouble u2, GLint stride, GLint order,                         \
       const GLdouble* points),                                                                    \
      (target, u1, u2, stride, order, points))                                                     \
    X(void, glMap1f,                                                                               \
      (GLenum target, GLfloat u1, GLfloat u2, GLint stride, GLint order, const GLfloat* points),   \
      (target, u1, u2, stride, order, points))                                                     \
    X(void, glMap2d,                                                                               \
      (GLenum target, GLdouble u1, GLdouble u2, GLint ustride, GLint uorder, GLdouble v1,          \
       GLdouble v2, GLint vstride, GLint vorder, const GLdouble* points),                          \
      (target, u1, u2, ustride, uorder, v1, v2, vstride, vorder, points))                          \
    X(void, glMap2f,                                                                               \
      (GLenum target, GLfloat u1, GLfloat u2, GLint ustride, GLint uorder, GLfloat v1, GLfloat v2, \
       GLint vstride, GLint vorder, const GLfloat* points),                                        \
      (target, u1, u2, ustride, uorder, v1, v2, vstride, vorder, points))                          \
    X(void, glGetMapdv, (GLenum target, GLenum query, GLdouble * v), (target, query, v))           \
    X(void, glGetMapfv, (GLenum target, GLenum query, GLfloat * v), (target, query, v))            \
    X(void, glGetMapiv, (GLenum target, GLenum query, GLint * v), (target, query, v))              \
    X(void, glEvalCoord1d, (GLdouble u), (u))                                                      \
    X(void, glEvalCoord1f, (GLfloat u), (u))                                                       \
    X(void, glEvalCoord1dv, (const GLdouble* u), (u))                                              \
    X(void, glEvalCoord1fv, (const GLfloat* u), (u))                                               \
    X(void, glEvalCoord2d, (GLdouble u, GLdouble v), (u, v))                                       \
    X(void, glEvalCoord2f, (GLfloat u, GLfloat v), (u, v))                                         \
    X(void, glEvalCoord2dv, (const GLdouble* u), (u))                                              \
    X(void, glEvalCoord2fv, (const GLfloat* u), (u))                                               \
    X(void, glMapGrid1d, (GLint un, GLdouble u1, GLdouble u2), (un, u1, u2))                       \
    X(void, glMapGrid1f, (GLint un, GLfloat u1, GLfloat u2), (un, u1, u2))                         \
    X(void, glMapGrid2d, (GLint un, GLdouble u1, GLdouble u2, GLint vn, GLdouble v1, GLdouble v2), \
      (un, u1, u2, vn, v1, v2))                                                                    \
    X(void, glMapGrid2f, (GLint un, GLfloat u1, GLfloat u2, GLint vn, GLfloat v1, GLfloat v2),     \
      (un, u1, u2, vn, v1, v2))                                                                    \
    X(void, glEvalPoint1, (GLint i), (i))                                                          \
    X(void, glEvalPoint2, (GLint i, GLint j), (i, j))                                              \
    X(void, glEvalMesh1, (GLenum mode, GLint i1, GLint i2), (mode, i1, i2))                        \
    X(void, glEvalMesh2, (GLenum mode, GLint i1, GLint i2, GLint j1, GLint j2),                    \
      (mode, i1, i2, j1, j2))

/// Render modes, selection and feedback.
#define VYN_GL_SELECTION_FUNCS(X)                                                                  \
    X(GLint, glRenderMode, (GLenum mode), (mode))                                                  \
    X(void, glFeedbackBuffer, (GLsizei size, GLenum type, GLfloat * buffer), (size, type, buffer)) \
    X(void, glPassThrough, (GLfloat token), (token))                                               \
    X(void, glSelectBuffer, (GLsizei size, GLuint * buffer), (size, buffer))                       \
    X(void, glInitNames, (), ())                                                                   \
    X(void, glLoadName, (GLuint name), (name))                                                     \
    X(void, glPushName, (GLuint name), (name))                                                     \
    X(void, glPopName, (), ())

/// Entry points of the OpenGL library, each resolved on its first call.
#define VYN_GL_FUNCS(X)                                                                            \
    VYN_GL_STATE_FUNCS(X)                                                                          \
    VYN_GL_BUFFER_FUNCS(X)                                                                         \
    VYN_GL_RASTER_FUNCS(X)                                                                         \
    VYN_GL_TRANSFORM_FUNCS(X)                                                                      \
    VYN_GL_IMMEDIATE_FUNCS(X)                                                                      \
    VYN_GL_ARRAY_FUNCS(X)                                                                          \
    VYN_GL_LIGHTING_FUNCS(X)                                                                       \
    VYN_GL_PIXEL_FUNCS(X)                                                                          \
    VYN_GL_TEXTURE_FUNCS(X)                                                                        \
    VYN_GL_LIST_FUNCS(X)                                                                           \
    VYN_GL_EVALUATOR_FUNCS(X)                                                                      \
    VYN_GL_SELECTION_FUNCS(X)

#include "vynGLUFuncs.h"
