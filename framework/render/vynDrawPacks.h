/// @file
/// Draw packs: the smallest unit a frame draws.
///
/// A draw pack is any record whose first member is its draw routine; a material knows nothing
/// else of it and calls that routine with the record itself. TMyPackPA_VT is the pack of a
/// vertex array and a texture-coordinate array drawn with glDrawArrays.
///
/// A pack owns only its Name. The arrays belong to whoever loaded them and must outlive every
/// frame that draws the pack; the record belongs to whoever allocated it. Main thread only, with
/// the GL context current.
#pragma once

#include "framework/gl/vynGL.h"

#include <cstdint>
#include <string>

namespace vyn {

struct TMyDrawPack;
using TMyDrawRoutine = void (*)(TMyDrawPack* pack);

/// What every draw pack starts with.
struct TMyDrawPack {
    TMyDrawRoutine DrawRoutine;
};

/// Sets the texture-coordinate pointer, then the vertex pointer, then draws; touches no other
/// state. Expects both client arrays enabled and the material's texture bound.
void DrawPackPA_VT(TMyDrawPack* pack);

struct TMyPackPA_VT : TMyDrawPack {
    TMyPackPA_VT() : TMyDrawPack{DrawPackPA_VT} {}

    std::string Name;
    int32_t TagA = 0;
    int32_t TagB = 0;
    GLint TexCoordSize = 0;
    GLenum TexCoordType = 0;
    GLsizei TexCoordStride = 0;
    const void* TexCoordPointer = nullptr;
    GLint VertexSize = 0;
    GLenum VertexType = 0;
    GLsizei VertexStride = 0;
    const void* VertexPointer = nullptr;
    GLenum Mode = 0;
    GLint First = 0;
    GLsizei Count = 0;
};

} // namespace vyn
