#include "vynSettingsU.h"

#include "framework/core/vynFailure.h"

#include <initializer_list>

namespace vyn {

GLenum CurrentHintMode = DefaultHintMode;

void SetStencil(bool on) {
    if (!on) {
        glDisable(GL_STENCIL_TEST);
        return;
    }
    glEnable(GL_STENCIL_TEST);
    glClearStencil(0);
    glStencilFunc(GL_NOTEQUAL, 0, 0);
    glStencilOp(GL_INCR, GL_INCR, GL_INCR);
}

void SetHints(GLenum mode) {
    if (mode == CurrentHintMode)
        return;
    for (GLenum hint : {GL_PERSPECTIVE_CORRECTION_HINT, GL_POINT_SMOOTH_HINT, GL_LINE_SMOOTH_HINT,
                        GL_POLYGON_SMOOTH_HINT, GL_FOG_HINT, GL_GENERATE_MIPMAP_HINT,
                        GL_TEXTURE_COMPRESSION_HINT})
        glHint(hint, mode);
    CurrentHintMode = mode;
}

void SetDepth() {
    glEnable(GL_MULTISAMPLE);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glDepthMask(GL_TRUE);
    glClearDepth(1.0);
}

void SetColorMaterial(bool on) {
    if (!on) {
        glDisable(GL_COLOR_MATERIAL);
        return;
    }
    // Each call replaces the last: GL_EMISSION is the mode left in effect.
    for (GLenum mode : {GL_AMBIENT, GL_SPECULAR, GL_DIFFUSE, GL_EMISSION})
        glColorMaterial(GL_FRONT, mode);
    glEnable(GL_COLOR_MATERIAL);
}

void SetCulling() {
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CW);
    glCullFace(GL_BACK);
    glPolygonMode(GL_FRONT, GL_FILL);
    glPolygonMode(GL_BACK, GL_LINE);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(0.0f, 0.0f);
}

bool PlainGLState = false;

void SetSmoothing(bool on) {
    glShadeModel(on ? GL_SMOOTH : GL_FLAT);
    for (GLenum capability : {GL_POINT_SMOOTH, GL_LINE_SMOOTH, GL_POLYGON_SMOOTH}) {
        if (on)
            glEnable(capability);
        else
            glDisable(capability);
    }
}

void ApplyStatePresets(TLighting lighting) {
    SetStencil(false);
    SetHints(GL_NICEST);
    if (lighting == TLighting::Presets)
        SetColorMaterial(true);
    SetDepth();
    SetCulling();
    SetSmoothing(true);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
}

void SetLightingAndFog() {
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT, GL_DIFFUSE);

    glMaterialfv(GL_FRONT, GL_AMBIENT, MaterialAmbient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, MaterialDiffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, MaterialSpecular);
    glMaterialfv(GL_FRONT, GL_EMISSION, MaterialEmission);
    glMaterialf(GL_FRONT, GL_SHININESS, MaterialShininess);

    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glLightfv(GL_LIGHT0, GL_POSITION, LightPosition);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, LightModelAmbient);

    glEnable(GL_FOG);
    glFogi(GL_FOG_MODE, GL_EXP2);
    glFogfv(GL_FOG_COLOR, FogColor);
    glFogf(GL_FOG_DENSITY, FogDensity);
    glFogf(GL_FOG_END, 1.0f);
    glFogf(GL_FOG_START, 1.0f);
}

bool SetupGLState(TLighting lighting) {
    try {
        if (lighting == TLighting::Presets)
            SetLightingAndFog();
        ApplyStatePresets(lighting);
        return true;
    } catch (...) {
        return FailFromException("SetupGLState");
    }
}

void SwitchOffGLState() {
    for (GLenum array : {GL_INDEX_ARRAY, GL_NORMAL_ARRAY, GL_VERTEX_ARRAY, GL_TEXTURE_COORD_ARRAY})
        glDisableClientState(array);
    for (GLenum capability : {GL_DITHER, GL_POLYGON_SMOOTH, GL_POINT_SMOOTH, GL_LINE_SMOOTH,
                              GL_LINE_STIPPLE, GL_DEPTH_TEST, GL_CULL_FACE, GL_POLYGON_STIPPLE,
                              GL_SCISSOR_TEST, GL_STENCIL_TEST, GL_BLEND, GL_MULTISAMPLE})
        glDisable(capability);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT |
            GL_ACCUM_BUFFER_BIT);
}

bool ShutdownGLState() {
    try {
        SwitchOffGLState();
        return true;
    } catch (...) {
        return FailFromException("ShutdownGLState");
    }
}

} // namespace vyn
