#include "vynDrawPacks.h"

#include "vynSettingsU.h"

namespace vyn {

namespace {

void SetClientArray(GLenum array, bool on) {
    if (on)
        glEnableClientState(array);
    else
        glDisableClientState(array);
}

void DrawArrays(const TMyPackPA_VT& p) {
    glTexCoordPointer(p.TexCoordSize, p.TexCoordType, p.TexCoordStride, p.TexCoordPointer);
    glVertexPointer(p.VertexSize, p.VertexType, p.VertexStride, p.VertexPointer);
    glDrawArrays(p.Mode, p.First, p.Count);
}

// Under a plain context every array a draw uses is switched on for it and off after it: the
// vertices, and whichever of the others the pack has.
void SwitchPlainArrays(const TMyPackPA_VT& pack, bool normals, bool colors, bool drawing) {
    SetClientArray(GL_VERTEX_ARRAY, drawing);
    if (pack.TexCoordPointer)
        SetClientArray(GL_TEXTURE_COORD_ARRAY, drawing);
    if (normals)
        SetClientArray(GL_NORMAL_ARRAY, drawing);
    if (colors)
        SetClientArray(GL_COLOR_ARRAY, drawing);
}

// The client arrays a pack's draw needs other than those every pack is drawn with: switched for
// the draw, or back to the usual ones after it.
void SwitchArraysFor(const TMyPackPA_VTN& pack, bool drawing) {
    if (PlainGLState) {
        SwitchPlainArrays(pack, true, pack.ColorPointer != nullptr, drawing);
        return;
    }
    SetClientArray(GL_NORMAL_ARRAY, drawing);
    if (pack.ColorPointer)
        SetClientArray(GL_COLOR_ARRAY, drawing);
    if (!pack.TexCoordPointer)
        SetClientArray(GL_TEXTURE_COORD_ARRAY, !drawing);
}

} // namespace

void DrawPackPA_VT(TMyDrawPack* pack) {
    const auto& p = *static_cast<TMyPackPA_VT*>(pack);
    if (PlainGLState)
        SwitchPlainArrays(p, false, false, true);
    DrawArrays(p);
    if (PlainGLState)
        SwitchPlainArrays(p, false, false, false);
}

void DrawPackPA_VTN(TMyDrawPack* pack) {
    const auto& p = *static_cast<TMyPackPA_VTN*>(pack);
    SwitchArraysFor(p, true);
    glNormalPointer(p.NormalType, p.NormalStride, p.NormalPointer);
    if (p.ColorPointer)
        glColorPointer(p.ColorSize, p.ColorType, p.ColorStride, p.ColorPointer);
    DrawArrays(p);
    SwitchArraysFor(p, false);
}

} // namespace vyn
