#include "framework/core/vynAllocation.h"
#include "framework/core/vynFailure.h"
#include "framework/render/vynDrawLineU.h"
#include "tests/support/vynTestSupport.h"

#include <set>
#include <variant>
#include <vector>

using namespace vyn;
using vyn::test::NormalsPack;
using vyn::test::QuadPack;
using vyn::test::RecordedGLTest;

namespace {

class RenderList : public RecordedGLTest {};

std::vector<CallRecord> PackCalls(const TMyPackPA_VT& pack) {
    return {
        Call("glTexCoordPointer", pack.TexCoordSize, pack.TexCoordType, pack.TexCoordStride,
             pack.TexCoordPointer),
        Call("glVertexPointer", pack.VertexSize, pack.VertexType, pack.VertexStride,
             pack.VertexPointer),
        Call("glDrawArrays", pack.Mode, pack.First, pack.Count),
    };
}

void Append(std::vector<CallRecord>& to, const std::vector<CallRecord>& calls) {
    to.insert(to.end(), calls.begin(), calls.end());
}

} // namespace

TEST_F(RenderList, DrawPackSetsTexCoordsThenVerticesThenDraws) {
    float vertices[12] = {}, texCoords[8] = {};
    TMyPackPA_VT pack = QuadPack(vertices, texCoords, 4);
    pack.Name = "ignored";
    pack.TagA = 99;
    pack.DrawRoutine(&pack);
    EXPECT_EQ(Log.Calls(), PackCalls(pack));
}

// Replaying the client-state calls from the two arrays every pack is drawn with: the arrays
// enabled at the draw are the pack's own, and afterwards the usual two again.
TEST_F(RenderList, APackWithNormalsDrawsWithTheArraysItHasAndLeavesTheUsualOnes) {
    float vertices[12] = {}, texCoords[8] = {}, normals[12] = {};
    GLubyte colours[12] = {};
    const std::set<long long> usual = {GL_VERTEX_ARRAY, GL_TEXTURE_COORD_ARRAY};
    for (const bool coloured : {false, true})
        for (const bool textured : {true, false}) {
            TMyPackPA_VTN pack = NormalsPack(vertices, textured ? texCoords : nullptr, normals, 4);
            pack.ColorSize = 3;
            pack.ColorType = GL_UNSIGNED_BYTE;
            pack.ColorPointer = coloured ? colours : nullptr;
            Log.Clear();
            pack.DrawRoutine(&pack);
            std::set<long long> enabled = usual, atDraw;
            for (const CallRecord& call : Log.Calls()) {
                if (call.Name == "glEnableClientState")
                    enabled.insert(std::get<long long>(call.Args[0]));
                if (call.Name == "glDisableClientState")
                    enabled.erase(std::get<long long>(call.Args[0]));
                if (call.Name == "glDrawArrays")
                    atDraw = enabled;
            }
            std::set<long long> expected = {GL_VERTEX_ARRAY, GL_NORMAL_ARRAY};
            if (textured)
                expected.insert(GL_TEXTURE_COORD_ARRAY);
            if (coloured)
                expected.insert(GL_COLOR_ARRAY);
            EXPECT_EQ(atDraw, expected) << "coloured " << coloured << ", textured " << textured;
            EXPECT_EQ(enabled, usual);
            EXPECT_EQ(Log.Only({"glNormalPointer"}),
                      std::vector{Call("glNormalPointer", GL_FLOAT, 0, &normals[0])});
        }
}

TEST_F(RenderList, DrawOfTwoMaterialsBindsEachTextureAndDrawsPacksInOrder) {
    float vertices[12] = {}, texCoords[8] = {};
    TMyPackPA_VT first = QuadPack(vertices, texCoords, 4);
    TMyPackPA_VT second = QuadPack(vertices + 3, texCoords + 2, 0);
    TMyDrawLine list;
    TMyGLMaterial* withPacks = list.AddMaterial(1);
    TMyGLMaterial* empty = list.AddMaterial(1);
    ASSERT_TRUE(withPacks && empty);
    withPacks->Texture = 7;
    empty->Texture = 0;
    ASSERT_TRUE(withPacks->AddPack(&first));
    ASSERT_TRUE(withPacks->AddPack(&second));
    ASSERT_TRUE(withPacks->AddPack(&first)); // the same pack twice is drawn twice

    list.Draw();

    std::vector<CallRecord> expected = {Call("glClear", 0x4100u), Call("glEnable", GL_TEXTURE_2D),
                                        Call("glBindTexture", GL_TEXTURE_2D, 7u)};
    Append(expected, PackCalls(first));
    Append(expected, PackCalls(second));
    Append(expected, PackCalls(first));
    Append(expected, {Call("glBindTexture", GL_TEXTURE_2D, 0u), Call("glDisable", GL_TEXTURE_2D)});
    EXPECT_EQ(Log.Calls(), expected);
}

TEST_F(RenderList, AnEmptyListClearsAndSwitchesTexturingOnAndOff) {
    TMyDrawLine list;
    list.ClearMask = GL_COLOR_BUFFER_BIT;
    list.Draw();
    EXPECT_EQ(Log.Calls(),
              (std::vector<CallRecord>{Call("glClear", 0x4000u), Call("glEnable", GL_TEXTURE_2D),
                                       Call("glDisable", GL_TEXTURE_2D)}));
}

TEST_F(RenderList, ClearedListDrawsNoMaterialAndKeepsItsStorage) {
    TMyDrawLine list;
    for (int i = 0; i < 40; ++i)
        ASSERT_NE(list.AddMaterial(1), nullptr);
    ASSERT_TRUE(list.Clear());
    EXPECT_EQ(list.Materials.Count, 0u);
    EXPECT_EQ(list.Materials.Capacity, 64u);
    EXPECT_EQ(list.Materials.LastIndex, 0xFFFFFFFFu);
    list.Draw();
    EXPECT_EQ(Log.Names(), (std::vector<std::string>{"glClear", "glEnable", "glDisable"}));
}

TEST(Material, CreationGivesTheTabledDefaults) {
    TMyGLMaterial material(5);
    EXPECT_EQ(material.Kind, 5);
    EXPECT_EQ(material.Scalar1, 0.5f);
    EXPECT_EQ(material.Scalar2, 64.0f);
    EXPECT_EQ(material.Texture, 0u);
    EXPECT_EQ(material.Packs.Capacity, 32u);
    EXPECT_EQ(material.Packs.GrowthStep, 32u);
    EXPECT_EQ(material.Packs.Count, 0u);
    EXPECT_EQ(material.Packs.LastIndex, 0u);
    const GLfloat* blocks[] = {material.Color1, material.Color2, material.Color3, material.Color4,
                               material.Color5};
    const GLfloat* pointers[] = {material.Color1Ptr, material.Color2Ptr, material.Color3Ptr,
                                 material.Color4Ptr, material.Color5Ptr};
    for (int block = 0; block < 5; ++block) {
        EXPECT_EQ(pointers[block], blocks[block]);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(blocks[block][i], 0.5f);
    }
}

TEST(Material, GrowsAtThe33rdPackAndKeepsEarlierSlots) {
    TMyGLMaterial material(1);
    std::vector<TMyPackPA_VT> packs(33);
    for (int i = 0; i < 32; ++i)
        ASSERT_TRUE(material.AddPack(&packs[i]));
    EXPECT_EQ(material.Packs.Capacity, 32u);
    ASSERT_TRUE(material.AddPack(&packs[32]));
    EXPECT_EQ(material.Packs.Capacity, 64u);
    EXPECT_EQ(material.Packs.LastIndex, 32u);
    for (int i = 0; i < 33; ++i)
        EXPECT_EQ(material.Packs.Slots[i], &packs[i]);
}

TEST(Material, RefusesNoPackAndAFailedGrowthKeepsTheCount) {
    TMyGLMaterial material(1);
    EXPECT_FALSE(material.AddPack(nullptr));
    EXPECT_EQ(material.Packs.Count, 0u);

    std::vector<TMyPackPA_VT> packs(33);
    for (int i = 0; i < 32; ++i)
        material.AddPack(&packs[i]);
    InjectAllocationFailures(1);
    EXPECT_FALSE(material.AddPack(&packs[32]));
    EXPECT_EQ(material.Packs.Count, 32u);
    EXPECT_EQ(material.Packs.LastIndex, 31u);
    EXPECT_EQ(material.Packs.Capacity, 32u);
}

TEST_F(RenderList, MaterialWithoutPacksDrawsNothingAlsoAfterClear) {
    float vertices[12] = {}, texCoords[8] = {};
    TMyPackPA_VT pack = QuadPack(vertices, texCoords, 4);
    TMyGLMaterial material(1);
    material.AddPack(&pack);
    material.Clear();
    material.DrawPacks();
    EXPECT_EQ(Log.Size(), 0u);
    EXPECT_EQ(material.Packs.Capacity, 32u);
}

TEST(RenderListGrowth, OnlyKindOneMaterialsAreMade) {
    TMyDrawLine list;
    EXPECT_EQ(list.AddMaterial(0), nullptr);
    EXPECT_EQ(list.AddMaterial(2), nullptr);
    EXPECT_EQ(list.Materials.Count, 0u);
    TMyGLMaterial* material = list.AddMaterial(1);
    ASSERT_NE(material, nullptr);
    EXPECT_EQ(material->Kind, 1);
    EXPECT_EQ(list.Materials.Count, 1u);
}

TEST(RenderListGrowth, GrowsAtThe33rdMaterialKeepingSlotsAndIndices) {
    TMyDrawLine list;
    std::vector<TMyGLMaterial*> made;
    for (int i = 0; i < 33; ++i) {
        made.push_back(list.AddMaterial(1));
        EXPECT_EQ(list.Materials.Capacity, i < 32 ? 32u : 64u);
    }
    for (uint32_t i = 0; i < 33; ++i) {
        EXPECT_EQ(list.Materials.Slots[i].get(), made[i]);
        EXPECT_EQ(made[i]->Index, i);
    }
}

TEST(RenderListGrowth, AFailedGrowthMakesNoMaterialAndKeepsTheCount) {
    TMyDrawLine list;
    for (int i = 0; i < 32; ++i)
        list.AddMaterial(1);
    InjectAllocationFailures(1);
    EXPECT_EQ(list.AddMaterial(1), nullptr);
    EXPECT_EQ(list.Materials.Count, 32u);
    EXPECT_EQ(list.Materials.LastIndex, 31u);
    EXPECT_NE(list.AddMaterial(1), nullptr);
}

TEST(RenderListGrowth, MaterialsLeftPastTheCountAreReplacedOnRegrowth) {
    TMyDrawLine list;
    TMyGLMaterial* first = list.AddMaterial(1);
    first->Name = "kept until reuse";
    list.Clear();
    // The reduction destroyed nothing: the material still sits in its slot.
    EXPECT_EQ(list.Materials.Slots[0].get(), first);
    TMyGLMaterial* second = list.AddMaterial(1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Name, "");
    EXPECT_EQ(list.Materials.Count, 1u);
}

TEST(RenderListModule, CreateResetAndDestroy) {
    ASSERT_TRUE(CreateRenderLists());
    ASSERT_NE(DefaultRenderList, nullptr);
    EXPECT_EQ(CurrentRenderList, DefaultRenderList);
    TMyDrawLine other;
    CurrentRenderList = &other;
    EXPECT_TRUE(ResetRenderLists());
    EXPECT_EQ(CurrentRenderList, DefaultRenderList);
    EXPECT_EQ(RenderLists.Count, 0u);
    DefaultRenderList->AddMaterial(1);
    EXPECT_TRUE(DestroyRenderLists());
    EXPECT_EQ(DefaultRenderList, nullptr);
    EXPECT_EQ(CurrentRenderList, nullptr);
}

// As the keyboard's and the mouse's: false, nothing changed and a reason, never an exception.
TEST(RenderListModule, ACreationThatCannotAllocateChangesNothing) {
    ASSERT_TRUE(CreateRenderLists());
    TMyDrawLine* before = DefaultRenderList;
    InjectAllocationFailures(1);
    EXPECT_FALSE(CreateRenderLists());
    EXPECT_EQ(DefaultRenderList, before);
    EXPECT_EQ(CurrentRenderList, before);
    EXPECT_NE(LastFailure().find("render list"), std::string::npos) << LastFailure();
    DestroyRenderLists();
}

TEST_F(RenderList, EnableDrawArraysEnablesBothClientArraysAndCatchesFailures) {
    EXPECT_TRUE(EnableDrawArrays());
    EXPECT_EQ(Log.Calls(),
              (std::vector<CallRecord>{Call("glEnableClientState", GL_VERTEX_ARRAY),
                                       Call("glEnableClientState", GL_TEXTURE_COORD_ARRAY)}));
    Recorder.FailingCalls = {"glEnableClientState"};
    EXPECT_FALSE(EnableDrawArrays());
}
