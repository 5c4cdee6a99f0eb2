// The browser's GL and GLU: vynGLLibrary.h's calls over the entry points linked into the program
// (gl4es, which draws OpenGL 1.x through WebGL, and SGI's GLU on top of it) instead of libraries
// opened by name; a web page has no shared libraries to open.
//
// gl4es's <GL/gl.h> renames every entry point it defines (glEnable is gl4es_glEnable), and GLU's
// header renames some of its own, so each table entry pairs the name the framework asks for with
// whatever symbol the headers give that name (qualified: the framework's own wrappers of the same
// names are in scope).
#include "framework/gl/vynGL.h"
#include "framework/gl/vynGLLibrary.h"
#include "framework/gl/web/vynWebLimits.h"
#include "framework/gl/web/vynWebPixelCopy.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gl4esinit.h>

#include <cstring>
#include <span>

namespace vyn {

namespace {

struct LinkedEntry {
    const char* Name;
    void* Address;
};

struct LinkedLibrary {
    const char* FileName;
    std::span<const LinkedEntry> Entries;
};

#define VYN_LINKED_ENTRY(ret, name, params, args) {#name, reinterpret_cast<void*>(&::name)},
const LinkedEntry GLEntries[] = {VYN_GL_FUNCS(VYN_LINKED_ENTRY)};
const LinkedEntry GLUEntries[] = {VYN_GLU_FUNCS(VYN_LINKED_ENTRY)};
#undef VYN_LINKED_ENTRY

const LinkedLibrary Libraries[] = {{DefaultGLLibraryName(), GLEntries},
                                   {DefaultGLULibraryName(), GLUEntries}};

std::string LastError;

} // namespace

LibraryHandle OpenLibrary(const char* fileName) {
    for (const LinkedLibrary& library : Libraries)
        if (fileName != nullptr && std::strcmp(fileName, library.FileName) == 0)
            return const_cast<LinkedLibrary*>(&library);
    LastError = std::string("no such library in the page: only ") + DefaultGLLibraryName() +
                " and " + DefaultGLULibraryName() + " are linked in";
    return nullptr;
}

std::string LastLibraryError() {
    return LastError;
}

void CloseLibrary(LibraryHandle) {}

void* FindLibrarySymbol(LibraryHandle library, const char* name) {
    if (library == nullptr || name == nullptr)
        return nullptr;
    for (const LinkedEntry& entry : static_cast<const LinkedLibrary*>(library)->Entries)
        if (std::strcmp(entry.Name, name) == 0)
            return entry.Address;
    return nullptr;
}

void* FindGLEntryPoint(LibraryHandle glLibrary, const char* name) {
    // Later entry points and extensions are gl4es's to answer, as glXGetProcAddress would.
    void* address = FindLibrarySymbol(glLibrary, name);
    if (address == nullptr && glLibrary != nullptr)
        address = gl4es_GetProcAddress(name);
    // gl4es's glCopyPixels does nothing: the page has its own.
    if (address != nullptr && std::strcmp(name, "glCopyPixels") == 0)
        address = reinterpret_cast<void*>(&CopyPixelsThroughMemory);
    // What the page cannot draw as the desktop does is told where a program draws with it.
    return WatchedEntryPoint(name, address);
}

} // namespace vyn
