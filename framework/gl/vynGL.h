/// @file
/// The OpenGL binding.
///
/// GL and GLU are loaded at run time by file name. LoadGLBinding loads both libraries and resolves
/// the GLU entry points at once; every GL entry point is resolved on its first call, and only once
/// (the dispatch slot starts at a resolver that replaces itself). A call made before the libraries
/// are loaded (no window has been made yet), or to an entry point the library lacks, throws
/// std::runtime_error naming it and saying which.
///
/// The binding holds the whole of OpenGL 1.1 and all of GLU 1.3 (vynGLFuncs.h, vynGLUFuncs.h), with
/// every enumerant of both (vynGLConstants.h, vynGLUConstants.h). The framework and applications
/// alike call vyn::glColor3f(...) and friends, thin inline wrappers over the dispatch table, and
/// never link the GL library or include the system's GL headers themselves. Anything later
/// (extensions, later versions) comes from GetGLProcAddress. A test replaces the whole table with
/// the recording double (framework/testing/vynGLRecorder.h).
///
/// Main thread only: the table is written by the loader and by the resolvers without a lock.
#pragma once

#include "vynGLConstants.h"
#include "vynGLFuncs.h"
#include "vynGLTypes.h"
#include "vynGLUConstants.h"

#include <bit>
#include <cstdint>

namespace vyn {

/// The default library names of this platform.
///@{
const char* DefaultGLLibraryName();
const char* DefaultGLULibraryName();
///@}

/// The dispatch table: one function pointer per GL and GLU entry point of vynGLFuncs.h, with the
/// two loader functions behind them.
struct GLDispatch {
/// Declares the slot of one entry point of the list (undefined right after use).
#define VYN_GL_SLOT(ret, name, params, args) ret(VYN_GLAPI* name) params;
    VYN_GL_FUNCS(VYN_GL_SLOT)
    VYN_GLU_FUNCS(VYN_GL_SLOT)
#undef VYN_GL_SLOT
    /// Loads the two libraries; true when the GL library was loaded.
    bool (*LoadLibraries)(const char* glLibrary, const char* gluLibrary);
    /// Finds an entry point of the loaded GL library by name; null when there is none.
    void* (*FindProcAddress)(const char* name);
    /// Whether every GLU entry point can be called.
    bool (*GLUEntryPointsAvailable)();
};

/// The table every wrapper calls through: the seam a test double plugs into (vyntesting's
/// RecordingGL replaces every slot while it lives).
extern GLDispatch GL;

/// Loads (or reloads) the GL and GLU libraries and resets every GL entry point to be resolved on
/// its next call. A missing GLU library does not make it fail; GLU calls then throw.
bool LoadGLBinding(const char* glLibrary, const char* gluLibrary);

/// Any further entry point by name (an extension, a later OpenGL version), through the platform's
/// own lookup (glXGetProcAddressARB, wglGetProcAddress) and then the library's exports. Null, with
/// the reason recorded (LastFailure), when the library has no such entry point or the libraries
/// are not loaded. Ask with the context
/// current, as WGL answers for the current context only; GLX answers a stub for any name starting
/// with "gl", so check the version or extension string before calling what it gives.
void* GetGLProcAddress(const char* name);

/// The same, as a function pointer type:
///   using ActiveTexture = void(VYN_GLAPI*)(GLenum);
///   const auto activeTexture = GetGLProcAddress<ActiveTexture>("glActiveTexture");
template <typename Function>
Function GetGLProcAddress(const char* name) {
    return std::bit_cast<Function>(GetGLProcAddress(name));
}

/// Whether the GLU entry points can be called: false when no GLU library (or one without them)
/// was loaded, so that a caller can do without GLU instead of catching its calls' failures. It asks
/// for GLU 1.2's, which every GLU library has; of GLU 1.3's additions (VYN_GLU_1_3_FUNCS), one the
/// library lacks (Windows' GLU32.dll lacks all seven) throws, naming itself, when called.
bool GLUAvailable();

/// Puts the default table back: the real loader, lazy GL resolvers, GLU not loaded.
void ResetGLDispatch();

/// Which context the GL calls go to, as a number that changes whenever a context is made or
/// released (the window module advances it; it never repeats). Whatever is kept on the driver's
/// side (display lists, buffer objects) dies with its context: compare the generation it was made
/// in with this one before using it.
uint64_t GLContextGeneration();
/// Moves to a new generation: called by the window module when it makes or releases a context.
void AdvanceGLContextGeneration();

/// Defines the inline wrapper of one entry point of the list, calling through GL (undefined right
/// after use).
#define VYN_GL_WRAPPER(ret, name, params, args)                                                    \
    inline ret name params {                                                                       \
        return GL.name args;                                                                       \
    }
VYN_GL_FUNCS(VYN_GL_WRAPPER)
VYN_GLU_FUNCS(VYN_GL_WRAPPER)
#undef VYN_GL_WRAPPER

} // namespace vyn
