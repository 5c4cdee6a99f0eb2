/// @file
/// Draw packs: the smallest unit a frame draws.
///
/// A draw pack is any record whose first member is its draw routine; a material knows nothing
/// else of it and calls that routine with the record itself. TMyPackPA_VT is the pack of a
/// vertex array and a texture-coordinate array drawn with glDrawArrays; TMyPackPA_VTN adds a
/// normal for every vertex, for lighting, and optionally a colour.
///
/// A pack owns only its Name. The arrays belong to whoever loaded them and must outlive every
/// frame that draws the pack; the record belongs to whoever allocated it. Main thread only, with
/// the GL context current.
#pragma once

#include "../gl/vynGL.h"

#include <cstdint>
#include <string>

namespace vyn {

struct TMyDrawPack;
/// A draw routine: draws the pack it is given, which starts with this routine.
using TMyDrawRoutine = void (*)(TMyDrawPack* pack);

/// What every draw pack starts with.
struct TMyDrawPack {
    TMyDrawRoutine DrawRoutine; ///< Called by the material with the pack itself.
};

/// Sets the texture-coordinate pointer, then the vertex pointer, then draws; touches no other
/// state. Expects both client arrays enabled and the material's texture bound. Under a plain
/// context (PlainGLState, vynSettingsU.h) it enables the arrays the pack has around the draw and
/// disables them after it.
void DrawPackPA_VT(TMyDrawPack* pack);

/// A pack of a vertex array and a texture-coordinate array, drawn by DrawPackPA_VT with
/// glDrawArrays(Mode, First, Count). Both arrays must hold at least First + Count entries.
struct TMyPackPA_VT : TMyDrawPack {
    TMyPackPA_VT() : TMyDrawPack{DrawPackPA_VT} {}

    std::string Name;                      ///< A display name; not read when drawing.
    int32_t TagA = 0;                      ///< The owner's; not read when drawing.
    int32_t TagB = 0;                      ///< The owner's; not read when drawing.
    GLint TexCoordSize = 0;                ///< Components per texture coordinate.
    GLenum TexCoordType = 0;               ///< Their type, e.g. GL_FLOAT.
    GLsizei TexCoordStride = 0;            ///< Bytes between coordinates; 0: tightly packed.
    const void* TexCoordPointer = nullptr; ///< The first texture coordinate; not owned.
    GLint VertexSize = 0;                  ///< Components per vertex position.
    GLenum VertexType = 0;                 ///< Their type, e.g. GL_FLOAT.
    GLsizei VertexStride = 0;              ///< Bytes between positions; 0: tightly packed.
    const void* VertexPointer = nullptr;   ///< The first vertex position; not owned.
    GLenum Mode = 0;                       ///< The primitive, e.g. GL_QUADS.
    GLint First = 0;                       ///< The first vertex drawn.
    GLsizei Count = 0;                     ///< How many vertices are drawn.
};

/// Enables the normal array, and the colour array for a pack with colours, sets their pointers,
/// draws as DrawPackPA_VT does (without texture coordinates for a pack without them), then leaves
/// the client arrays as it found them. Same needs as DrawPackPA_VT; under a plain context every
/// array the pack has is enabled for the draw alone.
void DrawPackPA_VTN(TMyDrawPack* pack);

/// A TMyPackPA_VT with a normal (three components) for every vertex, and optionally a colour,
/// drawn by DrawPackPA_VTN. Every array given must hold at least First + Count entries. Without
/// TexCoordPointer the pack is drawn untextured; without ColorPointer, in the current colour.
/// Lit, a colour counts only where GL_COLOR_MATERIAL makes it the material's.
struct TMyPackPA_VTN : TMyPackPA_VT {
    TMyPackPA_VTN() { DrawRoutine = DrawPackPA_VTN; }

    GLenum NormalType = 0;               ///< The normals' type, e.g. GL_FLOAT.
    GLsizei NormalStride = 0;            ///< Bytes between normals; 0: tightly packed.
    const void* NormalPointer = nullptr; ///< The first normal; not owned.
    GLint ColorSize = 0;                 ///< Components per colour: 3 or 4.
    GLenum ColorType = 0;                ///< Their type, e.g. GL_UNSIGNED_BYTE.
    GLsizei ColorStride = 0;             ///< Bytes between colours; 0: tightly packed.
    const void* ColorPointer = nullptr;  ///< The first colour; null: no colours. Not owned.
};

} // namespace vyn
