#include "vynDrawPacks.h"

namespace vyn {

void DrawPackPA_VT(TMyDrawPack* pack) {
    const auto& p = *static_cast<TMyPackPA_VT*>(pack);
    glTexCoordPointer(p.TexCoordSize, p.TexCoordType, p.TexCoordStride, p.TexCoordPointer);
    glVertexPointer(p.VertexSize, p.VertexType, p.VertexStride, p.VertexPointer);
    glDrawArrays(p.Mode, p.First, p.Count);
}

} // namespace vyn
