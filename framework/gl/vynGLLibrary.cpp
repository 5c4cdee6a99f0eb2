#include "vynGLLibrary.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace vyn {

#if defined(_WIN32)

LibraryHandle OpenLibrary(const char* fileName) {
    return reinterpret_cast<LibraryHandle>(LoadLibraryA(fileName));
}

void CloseLibrary(LibraryHandle library) {
    if (library)
        FreeLibrary(reinterpret_cast<HMODULE>(library));
}

void* FindLibrarySymbol(LibraryHandle library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(library), name));
}

void* FindGLEntryPoint(LibraryHandle glLibrary, const char* name) {
    // wglGetProcAddress answers extension and post-1.1 entry points; some drivers return small
    // sentinel values instead of null for the ones it does not know.
    auto address = reinterpret_cast<uintptr_t>(wglGetProcAddress(name));
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

void* FindLibrarySymbol(LibraryHandle library, const char* name) {
    return dlsym(library, name);
}

void* FindGLEntryPoint(LibraryHandle glLibrary, const char* name) {
    return FindLibrarySymbol(glLibrary, name);
}

#endif

} // namespace vyn
