#include "vynDrawLineU.h"

#include "vynSettingsU.h"

#include "framework/core/vynAllocation.h"
#include "framework/core/vynFailure.h"
#include "framework/core/vynNeverDestroyed.h"

#include <algorithm>
#include <initializer_list>

namespace vyn {

namespace {
TNeverDestroyed<TChunkedList<TMyDrawLine*>> RenderListStorage{ModuleListGrowthStep};
} // namespace

TChunkedList<TMyDrawLine*>& RenderLists = RenderListStorage.Value;
TMyDrawLine* DefaultRenderList = nullptr;
TMyDrawLine* CurrentRenderList = nullptr;

// ---- TMyGLMaterial

TMyGLMaterial::TMyGLMaterial(int32_t kind) {
    Init();
    Clear();
    Kind = kind;
}

TMyGLMaterial::~TMyGLMaterial() {
    Clear();
}

bool TMyGLMaterial::Init() {
    try {
        Switch1 = Switch2 = Switch3 = Switch4 = false;
        Scalar1 = DefaultColorComponent;
        for (GLfloat* color : {Color1, Color2, Color3, Color4, Color5})
            std::fill_n(color, 4, DefaultColorComponent);
        Color1Ptr = Color1;
        Color2Ptr = Color2;
        Color3Ptr = Color3;
        Color4Ptr = Color4;
        Color5Ptr = Color5;
        Texture = 0;
        Text.clear();
        Scalar2 = 64.0f;
        Value = 0;
        Index = 0;
        Kind = 0;
        Name.clear();
        Packs = TChunkedList<TMyDrawPack*>(MaterialGrowthStep);
        return Packs.SetCapacity(MaterialGrowthStep);
    } catch (...) {
        return FailFromException("a material's defaults could not be set");
    }
}

bool TMyGLMaterial::AddPack(TMyDrawPack* pack) {
    if (!pack)
        return Fail("AddPack: no pack given");
    return Packs.Add(pack);
}

bool TMyGLMaterial::SetCount(uint32_t n) {
    return Packs.SetCount(n);
}

bool TMyGLMaterial::SetCapacity(uint32_t n) {
    return Packs.SetCapacity(n);
}

bool TMyGLMaterial::Clear() {
    return SetCount(0);
}

void TMyGLMaterial::DrawPacks() {
    for (TMyDrawPack* pack : Packs)
        if (pack && pack->DrawRoutine)
            pack->DrawRoutine(pack);
}

// ---- TMyDrawLine

TMyDrawLine::TMyDrawLine() {
    SetCapacity(RenderListGrowthStep);
    Clear();
}

TMyDrawLine::~TMyDrawLine() {
    Clear();
}

TMyGLMaterial* TMyDrawLine::AddMaterial(int32_t kind) {
    if (kind != 1) {
        Fail("AddMaterial: a render list makes materials of kind 1 only, not " +
             std::to_string(kind));
        return nullptr;
    }
    if (!SetCount(Materials.Count + 1))
        return nullptr;
    uint32_t slot = Materials.Count - 1;
    try {
        Materials.Slots[slot] = std::make_unique<TMyGLMaterial>(kind);
    } catch (...) {
        FailFromException("AddMaterial: the material could not be made");
        SetCount(slot); // a reduction: the empty slot falls out of the count again
        return nullptr;
    }
    Materials.Slots[slot]->Index = slot;
    return Materials.Slots[slot].get();
}

bool TMyDrawLine::SetCount(uint32_t n) {
    if (n == Materials.Count)
        return true;
    if (n > Materials.Count) {
        // Materials a reduction left past the count are destroyed before their slots are reused.
        uint32_t end = std::min<uint64_t>(n, Materials.Slots.size());
        for (uint32_t slot = Materials.Count; slot < end; ++slot)
            Materials.Slots[slot].reset();
    }
    return Materials.SetCount(n);
}

bool TMyDrawLine::SetCapacity(uint32_t n) {
    return Materials.SetCapacity(n);
}

bool TMyDrawLine::Clear() {
    return SetCount(0);
}

namespace {

// Under a plain context, texturing is on only for a material with a texture, and off (with no
// texture bound) after it.
void DrawPlainMaterial(TMyGLMaterial& material) {
    if (material.Texture == 0) {
        material.DrawPacks();
        return;
    }
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, material.Texture);
    material.DrawPacks();
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
}

} // namespace

void TMyDrawLine::Draw() {
    glClear(ClearMask);
    if (PlainGLState) {
        for (const auto& material : Materials)
            if (material)
                DrawPlainMaterial(*material);
        return;
    }
    glEnable(GL_TEXTURE_2D);
    for (const auto& material : Materials) {
        if (!material)
            continue;
        glBindTexture(GL_TEXTURE_2D, material->Texture);
        material->DrawPacks();
    }
    glDisable(GL_TEXTURE_2D);
}

// ---- Module routines

bool CreateRenderLists() {
    return ReplaceWithNew(DefaultRenderList, "cannot make the default render list") &&
           ResetRenderLists();
}

bool ResetRenderLists() {
    RenderLists.SetCount(0);
    CurrentRenderList = DefaultRenderList;
    return true;
}

bool DestroyRenderLists() {
    bool result = ResetRenderLists();
    delete DefaultRenderList;
    DefaultRenderList = nullptr;
    CurrentRenderList = nullptr;
    return result;
}

bool EnableDrawArrays() {
    try {
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        return true;
    } catch (...) {
        return FailFromException("EnableDrawArrays");
    }
}

} // namespace vyn
