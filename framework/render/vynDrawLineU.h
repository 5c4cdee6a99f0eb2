/// @file
/// Materials and render lists: what one frame draws.
///
/// A render list (TMyDrawLine) holds materials in drawing order and clears the buffers with its
/// ClearMask before drawing. A material (TMyGLMaterial) holds draw packs by reference, in the order
/// they were added, and the texture they are drawn with. Draw clears, switches texturing on, binds
/// each material's texture and draws its packs, then switches texturing off.
///
/// Ownership: a render list creates its materials and is their only holder; it destroys them when
/// it is destroyed (those a reduction of the count left in their slots included) and when a later
/// growth reuses their slots. A material never owns its packs. The module owns the default render
/// list; CurrentRenderList is the one frame presentation draws.
///
/// Storage that cannot grow makes AddPack and AddMaterial fail and leaves the count as it was.
/// Main thread only; Draw and EnableDrawArrays need the GL context current.
#pragma once

#include "../core/vynChunkedList.h"
#include "../gl/vynGL.h"
#include "vynDrawPacks.h"

#include <cstdint>
#include <memory>
#include <string>

namespace vyn {

inline constexpr GLfloat DefaultColorComponent =
    0.5f;                                            ///< Every colour component of a new material.
inline constexpr uint32_t MaterialGrowthStep = 32;   ///< Growth step of a material's packs.
inline constexpr uint32_t RenderListGrowthStep = 32; ///< Growth step of a render list's materials.
inline constexpr uint32_t ModuleListGrowthStep = 16; ///< Growth step of RenderLists.

/// A material: the draw packs drawn with one texture, in the order they were added.
class TMyGLMaterial {
  public:
    /// Create: Init, Clear, then Kind := kind.
    explicit TMyGLMaterial(int32_t kind);
    /// Destroy: Clear; the packs are not released.
    ~TMyGLMaterial();
    /// Five fields point into the object itself.
    TMyGLMaterial(const TMyGLMaterial&) = delete;
    TMyGLMaterial& operator=(const TMyGLMaterial&) = delete;

    /// Every field to its value after creation; false if the pack storage could not be made.
    bool Init();
    /// Appends a pack; false (nothing stored) for no pack or when the storage cannot grow.
    bool AddPack(TMyDrawPack* pack);
    /// The chunked-list count change of Packs; nothing is released.
    bool SetCount(uint32_t n);
    /// Resizes the pack storage to n slots; false (nothing changed) when it cannot.
    bool SetCapacity(uint32_t n);
    /// Empties the pack list; the storage stays.
    bool Clear();
    /// Calls each pack's draw routine in order.
    void DrawPacks();

    /// Settings that nothing in the framework reads; they keep their defaults (switches off,
    /// colours and Scalar1 0.5, Scalar2 64, Text empty, Value 0) unless an owner changes them.
    /// Each ColorNPtr points at its own ColorN.
    ///@{
    bool Switch1 = false;
    GLfloat Scalar1 = DefaultColorComponent;
    bool Switch2 = false;
    GLfloat Color1[4] = {};
    GLfloat* Color1Ptr = Color1;
    bool Switch3 = false;
    ///@}
    /// Bound to GL_TEXTURE_2D before this material's packs are drawn; 0 binds no texture.
    GLuint Texture = 0;
    /// More settings nothing reads, as above.
    ///@{
    std::string Text;
    bool Switch4 = false;
    GLfloat Color2[4] = {};
    GLfloat* Color2Ptr = Color2;
    GLfloat Color3[4] = {};
    GLfloat* Color3Ptr = Color3;
    GLfloat Color4[4] = {};
    GLfloat* Color4Ptr = Color4;
    GLfloat Color5[4] = {};
    GLfloat* Color5Ptr = Color5;
    GLfloat Scalar2 = 64.0f;
    int32_t Value = 0;
    ///@}
    uint32_t Index = 0; ///< The material's slot in its render list, set by AddMaterial.
    int32_t Kind = 0;   ///< The material's kind; a render list makes kind 1 only.
    std::string Name;   ///< A display name; nothing reads it.
    /// The draw packs in drawing order, not owned, with their Count, LastIndex, Capacity and
    /// GrowthStep.
    TChunkedList<TMyDrawPack*> Packs{MaterialGrowthStep};
};

/// A render list: the materials one frame draws, in order, and the mask the frame is cleared with.
class TMyDrawLine {
  public:
    /// Create: an empty list of RenderListGrowthStep slots.
    TMyDrawLine();
    /// Destroy: Clear, then the materials still held in any slot are destroyed.
    ~TMyDrawLine();
    TMyDrawLine(const TMyDrawLine&) = delete;
    TMyDrawLine& operator=(const TMyDrawLine&) = delete;

    /// A new material of kind 1 appended to the list; none for any other kind or when the storage
    /// cannot grow. The list keeps holding it.
    TMyGLMaterial* AddMaterial(int32_t kind);
    /// The count change; a growth first destroys materials left in the slots it reuses.
    bool SetCount(uint32_t n);
    /// Resizes the material storage to n slots; false (nothing changed) when it cannot.
    bool SetCapacity(uint32_t n);
    /// Empties the list; the materials stay in their slots until a growth reuses them.
    bool Clear();
    /// Clears with ClearMask, then draws every material under its texture. Under a plain context
    /// (PlainGLState) only a material with a texture (not 0) enables and binds it, for its packs.
    void Draw();

    /// What Draw clears first: colour and depth.
    GLbitfield ClearMask = GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT;
    /// The materials in drawing order; LastIndex wraps to all ones once the list is emptied.
    TChunkedList<std::unique_ptr<TMyGLMaterial>> Materials{RenderListGrowthStep, 0,
                                                           EmptyLastIndex::Wrap};
};

/// The module-wide list of render lists; the framework only ever resets it to empty.
extern TChunkedList<TMyDrawLine*>& RenderLists;
/// The render list made by CreateRenderLists; owned by the module.
extern TMyDrawLine* DefaultRenderList;
/// The render list frame presentation draws; not owned.
extern TMyDrawLine* CurrentRenderList;

/// Makes a new default render list (destroying one made before) and makes it current; false, with
/// nothing changed, when it cannot be allocated.
bool CreateRenderLists();
/// Empties RenderLists and makes the default render list current.
bool ResetRenderLists();
/// Destroys the default render list; both references are left null.
bool DestroyRenderLists();
/// Enables the vertex and texture-coordinate client arrays every draw pack uses.
bool EnableDrawArrays();

} // namespace vyn
