#include "vynGLLibrary.h"

#if defined(_WIN32)
#include "framework/platform/win32/vynWin32Native.h"
#include "framework/system/win32/vynWin32Text.h"
#else
#include <dlfcn.h>
#endif

#include <bit>
#include <cstdint>

namespace vyn {

#if defined(_WIN32)

LibraryHandle OpenLibrary(const char* fileName) {
    if (!fileName)
        return nullptr;
    // File names are UTF-8 inside the program.
    const std::wstring wideName = win32::Widen(fileName);
    return reinterpret_cast<LibraryHandle>(LoadLibraryW(wideName.c_str()));
}

void CloseLibrary(LibraryHandle library) {
    if (library)
        FreeLibrary(reinterpret_cast<HMODULE>(library));
}

std::string LastLibraryError() {
    return win32::ErrorText(GetLastError());
}

void* FindLibrarySymbol(LibraryHandle library, const char* name) {
    if (!library)
        return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(library), name));
}

void* FindGLEntryPoint(LibraryHandle glLibrary, const char* name) {
    // The library's own wglGetProcAddress (not whichever opengl32 the program was linked with)
    // answers extension and post-1.1 entry points for the current context; OpenGL 1.1 entry
    // points are plain exports, for which it answers null or, on some drivers, a small sentinel.
    using GetProcAddressFunction = PROC(WINAPI*)(LPCSTR);
    const auto getProcAddress = win32::FunctionCast<GetProcAddressFunction>(
        GetProcAddress(reinterpret_cast<HMODULE>(glLibrary), "wglGetProcAddress"));
    const auto address =
        getProcAddress ? reinterpret_cast<uintptr_t>(getProcAddress(name)) : uintptr_t(0);
    if (address > 3 && address != static_cast<uintptr_t>(-1))
        return reinterpret_cast<void*>(address);
    return FindLibrarySymbol(glLibrary, name);
}

#else

LibraryHandle OpenLibrary(const char* fileName) {
    return dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
}

void CloseLibrary(LibraryHandle library) {
    if (library)
        dlclose(library);
}

std::string LastLibraryError() {
    const char* error = dlerror();
    return error ? error : "no reason given";
}

void* FindLibrarySymbol(LibraryHandle library, const char* name) {
    return dlsym(library, name);
}

namespace {

using GLXProc = void (*)();
using GLXGetProcAddressFunction = GLXProc (*)(const unsigned char*);

// The library's own lookup, not whichever libGL the program was linked with: every Linux libGL has
// glXGetProcAddressARB; its later name glXGetProcAddress stands in where a library lacks it.
GLXGetProcAddressFunction GLXLookup(LibraryHandle glLibrary) {
    void* lookup = FindLibrarySymbol(glLibrary, "glXGetProcAddressARB");
    if (!lookup)
        lookup = FindLibrarySymbol(glLibrary, "glXGetProcAddress");
    return std::bit_cast<GLXGetProcAddressFunction>(lookup);
}

} // namespace

void* FindGLEntryPoint(LibraryHandle glLibrary, const char* name) {
    // GLX answers extension and post-1.1 entry points, which the library need not export.
    if (const GLXGetProcAddressFunction lookup = GLXLookup(glLibrary))
        if (const GLXProc entry = lookup(reinterpret_cast<const unsigned char*>(name)))
            return std::bit_cast<void*>(entry);
    return FindLibrarySymbol(glLibrary, name);
}

#endif

} // namespace vyn
