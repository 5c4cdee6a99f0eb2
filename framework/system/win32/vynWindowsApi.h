// <windows.h> as the framework's Windows sources take it: the lean set, without the min and max
// macros that would break the standard library's. Included only by .cpp files, after the
// framework's own headers.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
