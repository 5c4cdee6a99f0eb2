#include "framework/render/vynSettingsU.h"
#include "tests/support/vynTestSupport.h"

#include <string>
#include <vector>

using namespace vyn;
using vyn::test::RecordedGLTest;

namespace {

class Presets : public RecordedGLTest {
  protected:
    void SetUp() override { CurrentHintMode = GL_NICEST; }
    void TearDown() override { CurrentHintMode = GL_NICEST; }
};

std::vector<CallRecord> Hints(GLenum mode) {
    std::vector<CallRecord> calls;
    for (GLenum hint : {GL_PERSPECTIVE_CORRECTION_HINT, GL_POINT_SMOOTH_HINT, GL_LINE_SMOOTH_HINT,
                        GL_POLYGON_SMOOTH_HINT, GL_FOG_HINT, GL_GENERATE_MIPMAP_HINT,
                        GL_TEXTURE_COMPRESSION_HINT})
        calls.push_back(Call("glHint", hint, mode));
    return calls;
}

const std::vector<CallRecord> LightingAndFog = {
    Call("glEnable", GL_COLOR_MATERIAL),
    Call("glColorMaterial", GL_FRONT, GL_DIFFUSE),
    Call("glMaterialfv", GL_FRONT, GL_AMBIENT, &MaterialAmbient[0]),
    Call("glMaterialfv", GL_FRONT, GL_DIFFUSE, &MaterialDiffuse[0]),
    Call("glMaterialfv", GL_FRONT, GL_SPECULAR, &MaterialSpecular[0]),
    Call("glMaterialfv", GL_FRONT, GL_EMISSION, &MaterialEmission[0]),
    Call("glMaterialf", GL_FRONT, GL_SHININESS, 15.0f),
    Call("glEnable", GL_LIGHTING),
    Call("glEnable", GL_LIGHT0),
    Call("glLightfv", GL_LIGHT0, GL_POSITION, &LightPosition[0]),
    Call("glLightModelfv", GL_LIGHT_MODEL_AMBIENT, &LightModelAmbient[0]),
    Call("glEnable", GL_FOG),
    Call("glFogi", GL_FOG_MODE, GL_EXP2),
    Call("glFogfv", GL_FOG_COLOR, &FogColor[0]),
    Call("glFogf", GL_FOG_DENSITY, 0.055f),
    Call("glFogf", GL_FOG_END, 1.0f),
    Call("glFogf", GL_FOG_START, 1.0f),
};

const std::vector<CallRecord> StatePresetsWithoutHints = {
    Call("glDisable", GL_STENCIL_TEST),
    Call("glColorMaterial", GL_FRONT, GL_AMBIENT),
    Call("glColorMaterial", GL_FRONT, GL_SPECULAR),
    Call("glColorMaterial", GL_FRONT, GL_DIFFUSE),
    Call("glColorMaterial", GL_FRONT, GL_EMISSION),
    Call("glEnable", GL_COLOR_MATERIAL),
    Call("glEnable", GL_MULTISAMPLE),
    Call("glEnable", GL_DEPTH_TEST),
    Call("glDepthFunc", GL_LESS),
    Call("glDepthMask", GL_TRUE),
    Call("glClearDepth", 1.0),
    Call("glEnable", GL_CULL_FACE),
    Call("glFrontFace", GL_CW),
    Call("glCullFace", GL_BACK),
    Call("glPolygonMode", GL_FRONT, GL_FILL),
    Call("glPolygonMode", GL_BACK, GL_LINE),
    Call("glEnable", GL_POLYGON_OFFSET_FILL),
    Call("glPolygonOffset", 0.0f, 0.0f),
    Call("glShadeModel", GL_SMOOTH),
    Call("glEnable", GL_POINT_SMOOTH),
    Call("glEnable", GL_LINE_SMOOTH),
    Call("glEnable", GL_POLYGON_SMOOTH),
    Call("glEnableClientState", GL_VERTEX_ARRAY),
    Call("glEnableClientState", GL_TEXTURE_COORD_ARRAY),
};

template <typename... Lists>
std::vector<CallRecord> Concat(const Lists&... lists) {
    std::vector<CallRecord> all;
    (all.insert(all.end(), lists.begin(), lists.end()), ...);
    return all;
}

} // namespace

TEST_F(Presets, ConstantsAreExactlyTheTabledValues) {
    EXPECT_EQ(MaterialEmission[2], 35.35f);
    EXPECT_EQ(MaterialEmission[0], 0.35f);
    EXPECT_EQ(FogDensity, 0.055f);
    EXPECT_EQ(LightPosition[3], 0.95f);
    EXPECT_EQ(MaterialShininess, 15.0f);
    EXPECT_EQ(FogColor[3], 0.5f);
}

TEST_F(Presets, StencilOnAndOff) {
    SetStencil(true);
    SetStencil(false);
    EXPECT_EQ(Log.Calls(), (std::vector<CallRecord>{
                               Call("glEnable", GL_STENCIL_TEST),
                               Call("glClearStencil", 0),
                               Call("glStencilFunc", GL_NOTEQUAL, 0, 0u),
                               Call("glStencilOp", GL_INCR, GL_INCR, GL_INCR),
                               Call("glDisable", GL_STENCIL_TEST),
                           }));
}

TEST_F(Presets, HintsAreSentOnlyWhenTheModeChanges) {
    SetHints(GL_NICEST);
    EXPECT_EQ(Log.Size(), 0u);
    SetHints(GL_FASTEST);
    SetHints(GL_FASTEST);
    SetHints(GL_NICEST);
    EXPECT_EQ(Log.Calls(), Concat(Hints(GL_FASTEST), Hints(GL_NICEST)));
    EXPECT_EQ(CurrentHintMode, static_cast<GLenum>(GL_NICEST));
}

TEST_F(Presets, SmoothingOffSelectsFlatShading) {
    SetSmoothing(false);
    EXPECT_EQ(Log.Calls(), (std::vector<CallRecord>{
                               Call("glShadeModel", GL_FLAT),
                               Call("glDisable", GL_POINT_SMOOTH),
                               Call("glDisable", GL_LINE_SMOOTH),
                               Call("glDisable", GL_POLYGON_SMOOTH),
                           }));
}

TEST_F(Presets, SetupOnANewContextIssuesTheWholeSequenceWithoutHints) {
    EXPECT_TRUE(SetupGLState());
    EXPECT_EQ(Log.Calls(), Concat(LightingAndFog, StatePresetsWithoutHints));
    for (GLenum capability : {GL_DEPTH_TEST, GL_CULL_FACE, GL_LIGHTING, GL_LIGHT0, GL_FOG,
                              GL_COLOR_MATERIAL, GL_POLYGON_OFFSET_FILL})
        EXPECT_TRUE(Recorder.Enabled().count(capability)) << capability;
}

// OpenGL's own lighting stays: no light, material, light model, fog or colour-material call, and
// every other preset as before.
TEST_F(Presets, SetupWithNeutralLightingLeavesLightingMaterialAndFogToOpenGLsDefaults) {
    EXPECT_TRUE(SetupGLState(TLighting::Neutral));
    auto presets = StatePresetsWithoutHints;
    presets.erase(presets.begin() + 1, presets.begin() + 6);
    EXPECT_EQ(Log.Calls(), presets);
}

TEST_F(Presets, SetupAfterAnotherHintModeSendsAllSevenHints) {
    SetHints(GL_FASTEST);
    Log.Clear();
    EXPECT_TRUE(SetupGLState());
    auto presets = StatePresetsWithoutHints;
    auto hints = Hints(GL_NICEST);
    presets.insert(presets.begin() + 1, hints.begin(), hints.end());
    EXPECT_EQ(Log.Calls(), Concat(LightingAndFog, presets));
}

TEST_F(Presets, ShutdownSwitchesOffAllButLightingFogAndColourMaterial) {
    SetupGLState();
    Log.Clear();
    EXPECT_TRUE(ShutdownGLState());
    std::vector<CallRecord> expected;
    for (GLenum array : {GL_INDEX_ARRAY, GL_NORMAL_ARRAY, GL_VERTEX_ARRAY, GL_TEXTURE_COORD_ARRAY})
        expected.push_back(Call("glDisableClientState", array));
    for (GLenum capability : {GL_DITHER, GL_POLYGON_SMOOTH, GL_POINT_SMOOTH, GL_LINE_SMOOTH,
                              GL_LINE_STIPPLE, GL_DEPTH_TEST, GL_CULL_FACE, GL_POLYGON_STIPPLE,
                              GL_SCISSOR_TEST, GL_STENCIL_TEST, GL_BLEND, GL_MULTISAMPLE})
        expected.push_back(Call("glDisable", capability));
    expected.push_back(Call("glClear", 0x4700u));
    EXPECT_EQ(Log.Calls(), expected);
    for (GLenum capability : {GL_LIGHTING, GL_LIGHT0, GL_FOG, GL_COLOR_MATERIAL})
        EXPECT_TRUE(Recorder.Enabled().count(capability)) << capability;
}

TEST_F(Presets, FailuresStopAtSetupAndShutdownAndKeepEarlierCalls) {
    Recorder.FailingCalls = {"glLightfv"};
    EXPECT_FALSE(SetupGLState());
    EXPECT_EQ(Log.Calls().back(), Call("glEnable", GL_LIGHT0));
    Recorder.FailingCalls = {"glClear"};
    EXPECT_FALSE(ShutdownGLState());
    // Without the catching routine the failure reaches the caller.
    Recorder.FailingCalls = {"glFrontFace"};
    EXPECT_THROW(SetCulling(), std::runtime_error);
}
