// Opening shared libraries and finding entry points in them: the only part of the GL binding
// that differs between operating systems.
#pragma once

#include <string>

namespace vyn {

using LibraryHandle = void*;

// Null when the library cannot be opened; LastLibraryError then says why.
LibraryHandle OpenLibrary(const char* fileName);
// The system's words for the last failed OpenLibrary of this thread.
std::string LastLibraryError();
void CloseLibrary(LibraryHandle library);
// Null when the library has no such symbol.
void* FindLibrarySymbol(LibraryHandle library, const char* name);
// An OpenGL entry point: the library's own lookup (glXGetProcAddressARB, wglGetProcAddress) is
// asked first, then the library's exports.
void* FindGLEntryPoint(LibraryHandle glLibrary, const char* name);

} // namespace vyn
