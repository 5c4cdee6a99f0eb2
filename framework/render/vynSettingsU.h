/// @file
/// The fixed-function GL state every frame is drawn under.
///
/// SetupGLState runs once on every new context (lighting, material and fog from the constants
/// below, then the state presets); ShutdownGLState switches the state off once before the context
/// is released. Only those two catch failures; the presets let a failing GL call pass to their
/// caller. Main thread only, with the GL context current.
#pragma once

#include "framework/gl/vynGL.h"

namespace vyn {

inline constexpr GLfloat FogColor[4] = {0.0f, 0.0f, 0.0f, 0.5f};
inline constexpr GLfloat FogDensity = 0.055f;
inline constexpr GLfloat LightPosition[4] = {0.5f, 0.75f, 0.5f, 0.95f};
inline constexpr GLfloat LightModelAmbient[4] = {0.9f, 0.6f, 0.5f, 0.95f};
inline constexpr GLfloat MaterialAmbient[4] = {0.95f, 0.1f, 0.7f, 0.95f};
inline constexpr GLfloat MaterialDiffuse[4] = {0.95f, 0.1f, 0.75f, 0.95f};
inline constexpr GLfloat MaterialSpecular[4] = {1.0f, 0.0f, 0.0f, 0.95f};
/// The blue emission is 35.35, not 0.35: the scene's colour depends on it.
///@{
inline constexpr GLfloat MaterialEmission[4] = {0.35f, 0.35f, 35.35f, 0.95f};
inline constexpr GLfloat MaterialShininess = 15.0f;
///@}

/// The mode SetHints last sent to the seven hints. Belongs to the module, not to a context: it
/// starts at GL_NICEST and keeps its value across contexts.
///@{
inline constexpr GLenum DefaultHintMode = GL_NICEST;
extern GLenum CurrentHintMode;
///@}

void SetStencil(bool on);
/// No GL call when mode equals CurrentHintMode; otherwise all seven hints, then the new mode.
void SetHints(GLenum mode);
void SetDepth();
void SetColorMaterial(bool on);
void SetCulling();
void SetSmoothing(bool on);
void ApplyStatePresets();
void SetLightingAndFog();
bool SetupGLState();
void SwitchOffGLState();
bool ShutdownGLState();

} // namespace vyn
