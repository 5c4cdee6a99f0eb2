/// @file
/// The fixed-function GL state every frame is drawn under.
///
/// SetupGLState runs once on every new context (lighting, material and fog from the constants
/// below, then the state presets; with neutral lighting neither those nor colour material, so that
/// OpenGL's own lighting, material and fog state stays); ShutdownGLState switches the state off
/// once before the context is released. Only those two catch failures; the presets let a failing GL
/// call pass to their caller. Main thread only, with the GL context current.
#pragma once

#include "../gl/vynGL.h"

namespace vyn {

/// Exponential fog (GL_EXP2): black, this dense.
///@{
inline constexpr GLfloat FogColor[4] = {0.0f, 0.0f, 0.0f, 0.5f};
inline constexpr GLfloat FogDensity = 0.055f;
///@}
/// Light 0's position and the light model's ambient colour.
///@{
inline constexpr GLfloat LightPosition[4] = {0.5f, 0.75f, 0.5f, 0.95f};
inline constexpr GLfloat LightModelAmbient[4] = {0.9f, 0.6f, 0.5f, 0.95f};
///@}
/// The front material: ambient, diffuse, specular, emission and shininess. The blue emission is
/// 35.35, not 0.35: the scene's colour depends on it.
///@{
inline constexpr GLfloat MaterialAmbient[4] = {0.95f, 0.1f, 0.7f, 0.95f};
inline constexpr GLfloat MaterialDiffuse[4] = {0.95f, 0.1f, 0.75f, 0.95f};
inline constexpr GLfloat MaterialSpecular[4] = {1.0f, 0.0f, 0.0f, 0.95f};
inline constexpr GLfloat MaterialEmission[4] = {0.35f, 0.35f, 35.35f, 0.95f};
inline constexpr GLfloat MaterialShininess = 15.0f;
///@}

/// Whether the framework leaves OpenGL at its defaults on the current context (the window module
/// sets it from Framework.PlainContext for each new context): no presets, and draws that switch on
/// only what they use, a material's texture and a pack's client arrays, and off again after them.
extern bool PlainGLState;

/// The hint mode a program starts with.
inline constexpr GLenum DefaultHintMode = GL_NICEST;
/// The mode SetHints last sent to the seven hints. Belongs to the module, not to a context: it
/// starts at GL_NICEST and keeps its value across contexts.
extern GLenum CurrentHintMode;

/// On: the stencil test with clear value 0, GL_NOTEQUAL 0 and GL_INCR for every outcome. Off:
/// the test disabled.
void SetStencil(bool on);
/// No GL call when mode equals CurrentHintMode; otherwise all seven hints, then the new mode.
void SetHints(GLenum mode);
/// Multisampling and the depth test with GL_LESS, depth writes on, clear depth 1.
void SetDepth();
/// On: colour tracks the front material's emission (GL_COLOR_MATERIAL). Off: disabled.
void SetColorMaterial(bool on);
/// Back faces culled, clockwise front faces; fronts filled, backs as lines; polygon offset
/// enabled with zero offsets.
void SetCulling();
/// Smooth shading with point, line and polygon smoothing, or flat shading without them.
void SetSmoothing(bool on);
/// Which lighting a new context starts with: the presets' (light 0, the material and light model
/// of the constants above, colour material, fog), or OpenGL's own, in which lighting, colour
/// material and fog are off and a lit model takes the material's and light's default colours.
enum class TLighting { Presets, Neutral };

/// The presets in order: no stencil, nicest hints, colour material (with the presets' lighting
/// only), depth, culling, smoothing, and the vertex and texture-coordinate client arrays enabled.
void ApplyStatePresets(TLighting lighting = TLighting::Presets);
/// The front material, light 0 and the light model, and the fog, from the constants above.
void SetLightingAndFog();
/// SetLightingAndFog (with the presets' lighting only), then ApplyStatePresets; false, with the
/// reason, when a GL call fails.
bool SetupGLState(TLighting lighting = TLighting::Presets);
/// Disables the client arrays and the capabilities the presets use, then clears every buffer.
void SwitchOffGLState();
/// SwitchOffGLState; false, with the reason, when a GL call fails.
bool ShutdownGLState();

} // namespace vyn
