#include "vynGL.h"

#include "vynGLLibrary.h"

#include "framework/core/vynFailure.h"

#include <stdexcept>
#include <string>

namespace vyn {

namespace {

LibraryHandle GLLibrary = nullptr;
LibraryHandle GLULibrary = nullptr;

[[noreturn]] void ThrowMissing(const char* library, const char* name) {
    throw std::runtime_error(std::string(library) + " entry point " + name + " is not available");
}

void* FindInLoadedGL(const char* name) {
    return GLLibrary ? FindGLEntryPoint(GLLibrary, name) : nullptr;
}

void* ResolveGL(const char* name) {
    // The library is loaded by the first window's creation: before it, the call is the program's
    // mistake, not the driver's.
    if (!GLLibrary)
        throw std::runtime_error(
            std::string(name) + ": no window and OpenGL context exist yet (make the window first)");
    void* address = FindInLoadedGL(name);
    if (!address)
        ThrowMissing("OpenGL", name);
    return address;
}

// Each slot starts at its resolver, which stores the real entry point and forwards the call.
#define VYN_GL_RESOLVER(ret, name, params, args)                                                   \
    ret VYN_GLAPI Resolve_##name params {                                                          \
        GL.name = std::bit_cast<decltype(GL.name)>(ResolveGL(#name));                              \
        return GL.name args;                                                                       \
    }
VYN_GL_FUNCS(VYN_GL_RESOLVER)
#undef VYN_GL_RESOLVER

// GLU slots hold these until a GLU library provides the entry points.
struct MissingGLU {
    const char* Name;
    template <typename... Args>
    [[noreturn]] void operator()(const Args&...) const {
        ThrowMissing("GLU", Name);
    }
};

#define VYN_GLU_MISSING(ret, name, params, args)                                                   \
    ret VYN_GLAPI Missing_##name params {                                                          \
        MissingGLU{#name} args;                                                                    \
    }
VYN_GLU_FUNCS(VYN_GLU_MISSING)
#undef VYN_GLU_MISSING

// GLU 1.2's entry points, which every GLU library has; GLU 1.3's additions answer for themselves.
bool EveryGLUSlotResolved() {
    bool resolved = true;
#define VYN_GLU_CHECK(ret, name, params, args) resolved = resolved && GL.name != Missing_##name;
    VYN_GLU_1_2_FUNCS(VYN_GLU_CHECK)
#undef VYN_GLU_CHECK
    return resolved;
}

void ResetGLSlots() {
#define VYN_GL_RESET(ret, name, params, args) GL.name = Resolve_##name;
    VYN_GL_FUNCS(VYN_GL_RESET)
#undef VYN_GL_RESET
}

void ResetGLUSlots() {
#define VYN_GLU_RESET(ret, name, params, args) GL.name = Missing_##name;
    VYN_GLU_FUNCS(VYN_GLU_RESET)
#undef VYN_GLU_RESET
}

void ResolveGLUSlots() {
#define VYN_GLU_RESOLVE(ret, name, params, args)                                                   \
    if (void* address = FindLibrarySymbol(GLULibrary, #name))                                      \
        GL.name = std::bit_cast<decltype(GL.name)>(address);
    VYN_GLU_FUNCS(VYN_GLU_RESOLVE)
#undef VYN_GLU_RESOLVE
}

bool LoadLibrariesFromFiles(const char* glLibrary, const char* gluLibrary) {
    LibraryHandle gl = OpenLibrary(glLibrary);
    if (!gl)
        return Fail(std::string("cannot load the OpenGL library ") + (glLibrary ? glLibrary : "") +
                    ": " + LastLibraryError());
    LibraryHandle glu = OpenLibrary(gluLibrary);
    CloseLibrary(GLLibrary);
    CloseLibrary(GLULibrary);
    GLLibrary = gl;
    GLULibrary = glu;
    ResetGLSlots();
    ResetGLUSlots();
    if (GLULibrary)
        ResolveGLUSlots();
    return true;
}

constexpr GLDispatch DefaultDispatch() {
    GLDispatch dispatch{};
#define VYN_GL_DEFAULT(ret, name, params, args) dispatch.name = Resolve_##name;
    VYN_GL_FUNCS(VYN_GL_DEFAULT)
#undef VYN_GL_DEFAULT
#define VYN_GLU_DEFAULT(ret, name, params, args) dispatch.name = Missing_##name;
    VYN_GLU_FUNCS(VYN_GLU_DEFAULT)
#undef VYN_GLU_DEFAULT
    dispatch.LoadLibraries = LoadLibrariesFromFiles;
    dispatch.FindProcAddress = FindInLoadedGL;
    dispatch.GLUEntryPointsAvailable = EveryGLUSlotResolved;
    return dispatch;
}

} // namespace

constinit GLDispatch GL = DefaultDispatch();

#if defined(_WIN32)
const char* DefaultGLLibraryName() {
    return "OpenGL32.dll";
}
const char* DefaultGLULibraryName() {
    return "GLU32.dll";
}
#else
const char* DefaultGLLibraryName() {
    return "libGL.so.1";
}
const char* DefaultGLULibraryName() {
    return "libGLU.so.1";
}
#endif

bool LoadGLBinding(const char* glLibrary, const char* gluLibrary) {
    return GL.LoadLibraries(glLibrary, gluLibrary);
}

void* GetGLProcAddress(const char* name) {
    if (!name) {
        RecordFailure("GetGLProcAddress: no name given");
        return nullptr;
    }
    void* address = GL.FindProcAddress(name);
    if (!address)
        RecordFailure(std::string("GetGLProcAddress: no entry point ") + name + ": " +
                      (GLLibrary ? "the OpenGL library has none by that name"
                                 : "no OpenGL library is loaded"));
    return address;
}

bool GLUAvailable() {
    return GL.GLUEntryPointsAvailable();
}

void ResetGLDispatch() {
    GL = DefaultDispatch();
    if (GLULibrary)
        ResolveGLUSlots();
}

namespace {
uint64_t ContextGeneration = 0;
} // namespace

uint64_t GLContextGeneration() {
    return ContextGeneration;
}

void AdvanceGLContextGeneration() {
    ++ContextGeneration;
}

} // namespace vyn
