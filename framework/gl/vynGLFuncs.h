// The one list of OpenGL and GLU entry points the framework uses.
//
// X(result, name, (parameters), (arguments)). vynGL.h expands it into the dispatch table and the
// inline wrappers, vynGL.cpp into the lazy resolvers, vynGLRecorder.cpp into the recording double,
// so that none of them can drift from the others. Add an entry point here and only here.
#pragma once

// Entry points of the OpenGL library, each resolved on its first call.
#define VYN_GL_FUNCS(X)                                                                            \
    X(void, glEnable, (GLenum cap), (cap))                                                         \
    X(void, glDisable, (GLenum cap), (cap))                                                        \
    X(GLboolean, glIsEnabled, (GLenum cap), (cap))                                                 \
    X(void, glHint, (GLenum target, GLenum mode), (target, mode))                                  \
    X(void, glDepthFunc, (GLenum func), (func))                                                    \
    X(void, glDepthMask, (GLboolean flag), (flag))                                                 \
    X(void, glClearDepth, (GLclampd depth), (depth))                                               \
    X(void, glStencilFunc, (GLenum func, GLint ref, GLuint mask), (func, ref, mask))               \
    X(void, glStencilOp, (GLenum fail, GLenum zfail, GLenum zpass), (fail, zfail, zpass))          \
    X(void, glClearStencil, (GLint s), (s))                                                        \
    X(void, glFrontFace, (GLenum mode), (mode))                                                    \
    X(void, glCullFace, (GLenum mode), (mode))                                                     \
    X(void, glPolygonMode, (GLenum face, GLenum mode), (face, mode))                               \
    X(void, glPolygonOffset, (GLfloat factor, GLfloat units), (factor, units))                     \
    X(void, glShadeModel, (GLenum mode), (mode))                                                   \
    X(void, glColorMaterial, (GLenum face, GLenum mode), (face, mode))                             \
    X(void, glMaterialfv, (GLenum face, GLenum pname, const GLfloat* params),                      \
      (face, pname, params))                                                                       \
    X(void, glMaterialf, (GLenum face, GLenum pname, GLfloat param), (face, pname, param))         \
    X(void, glLightfv, (GLenum light, GLenum pname, const GLfloat* params),                        \
      (light, pname, params))                                                                      \
    X(void, glLightModelfv, (GLenum pname, const GLfloat* params), (pname, params))                \
    X(void, glFogi, (GLenum pname, GLint param), (pname, param))                                   \
    X(void, glFogf, (GLenum pname, GLfloat param), (pname, param))                                 \
    X(void, glFogfv, (GLenum pname, const GLfloat* params), (pname, params))                       \
    X(void, glClear, (GLbitfield mask), (mask))                                                    \
    X(void, glEnableClientState, (GLenum array), (array))                                          \
    X(void, glDisableClientState, (GLenum array), (array))                                         \
    X(void, glTexCoordPointer, (GLint size, GLenum type, GLsizei stride, const void* pointer),     \
      (size, type, stride, pointer))                                                               \
    X(void, glVertexPointer, (GLint size, GLenum type, GLsizei stride, const void* pointer),       \
      (size, type, stride, pointer))                                                               \
    X(void, glDrawArrays, (GLenum mode, GLint first, GLsizei count), (mode, first, count))         \
    X(void, glGenTextures, (GLsizei n, GLuint * textures), (n, textures))                          \
    X(void, glBindTexture, (GLenum target, GLuint texture), (target, texture))                     \
    X(void, glTexParameteri, (GLenum target, GLenum pname, GLint param), (target, pname, param))   \
    X(void, glTexImage2D,                                                                          \
      (GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,            \
       GLint border, GLenum format, GLenum type, const void* pixels),                              \
      (target, level, internalFormat, width, height, border, format, type, pixels))                \
    X(void, glGetTexLevelParameteriv, (GLenum target, GLint level, GLenum pname, GLint * params),  \
      (target, level, pname, params))                                                              \
    X(void, glViewport, (GLint x, GLint y, GLsizei width, GLsizei height), (x, y, width, height))  \
    X(void, glMatrixMode, (GLenum mode), (mode))                                                   \
    X(void, glLoadIdentity, (), ())                                                                \
    X(void, glRotatef, (GLfloat angle, GLfloat x, GLfloat y, GLfloat z), (angle, x, y, z))         \
    X(const GLubyte*, glGetString, (GLenum name), (name))                                          \
    X(void, glGetIntegerv, (GLenum pname, GLint * params), (pname, params))                        \
    X(void, glGetFloatv, (GLenum pname, GLfloat * params), (pname, params))                        \
    X(GLenum, glGetError, (), ())                                                                  \
    X(void, glSelectBuffer, (GLsizei size, GLuint * buffer), (size, buffer))                       \
    X(void, glReadPixels,                                                                          \
      (GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type, void* pixels), \
      (x, y, width, height, format, type, pixels))                                                 \
    X(void, glFinish, (), ())

// Entry points of the GLU library, resolved when the libraries are loaded.
#define VYN_GLU_FUNCS(X)                                                                           \
    X(void, gluPerspective, (GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar),       \
      (fovy, aspect, zNear, zFar))                                                                 \
    X(GLint, gluScaleImage,                                                                        \
      (GLenum format, GLint widthIn, GLint heightIn, GLenum typeIn, const void* dataIn,            \
       GLint widthOut, GLint heightOut, GLenum typeOut, void* dataOut),                            \
      (format, widthIn, heightIn, typeIn, dataIn, widthOut, heightOut, typeOut, dataOut))
