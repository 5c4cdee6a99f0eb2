#include "vynDrawPacks.h"

namespace vyn {

void DrawPackPA_VT(TMyDrawPack* pack) {
    const auto& p = *static_cast<TMyPackPA_VT*>(pack);
    glTexCoordPointer(p.TexCoordSize, p.TexCoordType, p.TexCoordStride, p.TexCoordPointer);
    glVertexPointer(p.VertexSize, p.VertexType, p.VertexStride, p.VertexPointer);
    glDrawArrays(p.Mode, p.First, p.Count);
}

namespace {

void SetClientArray(GLenum array, bool on) {
    if (on)
        glEnableClientState(array);
    else
        glDisableClientState(array);
}

// The client arrays a pack's draw needs other than those every pack is drawn with: switched for
// the draw, or back to the usual ones after it.
void SwitchArraysFor(const TMyPackPA_VTN& pack, bool drawing) {
    SetClientArray(GL_NORMAL_ARRAY, drawing);
    if (pack.ColorPointer)
        SetClientArray(GL_COLOR_ARRAY, drawing);
    if (!pack.TexCoordPointer)
        SetClientArray(GL_TEXTURE_COORD_ARRAY, !drawing);
}

} // namespace

void DrawPackPA_VTN(TMyDrawPack* pack) {
    const auto& p = *static_cast<TMyPackPA_VTN*>(pack);
    SwitchArraysFor(p, true);
    glNormalPointer(p.NormalType, p.NormalStride, p.NormalPointer);
    if (p.ColorPointer)
        glColorPointer(p.ColorSize, p.ColorType, p.ColorStride, p.ColorPointer);
    DrawPackPA_VT(pack);
    SwitchArraysFor(p, false);
}

} // namespace vyn
