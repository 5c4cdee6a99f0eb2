/// @file
/// vyn: a compact OpenGL 1.x viewer framework. Include this one header; link vyn::framework
/// (CMake: find_package(vyn CONFIG REQUIRED), or add_subdirectory of the source tree) or use
/// `pkg-config --cflags --libs vyn`. C++20. Everything is in namespace vyn.
///
/// Calling order, all on the main thread:
///   1. CreateGlobals()          the default keyboard, mouse and render list, made current
///   2. set fields of Framework  optional: size, position, colour bits, full screen, window name,
///                               OpenGL's own lighting (NeutralLighting); SetFrameRateLimit
///   3. CreateFromSettings()     the window and its OpenGL context; false: LastFailure() says why
///   4. build the scene          materials on CurrentRenderList, draw packs in them, key and mouse
///                               handlers on CurrentKeyboard and CurrentMouse
///   5. ShowMainWindow(), SetFpsTimer(true), DrawFrame(), RunMainLoop()
/// RunMainLoop draws the render list whenever no message waits, and returns once the window is
/// closed (or StopMainLoop is called), after releasing the scene, the context and the window.
/// LoopSeconds and LastFrameSeconds (vynFramePacing.h) tell an idle routine how far to move.
/// SetDrawOnDemand(true) (vynDrawOnDemand.h) draws only after input, a resize, an expose or
/// InvalidateRect instead, and waits without the processor in between.
///
/// A complete program, one quad coloured from a colour array and closed by Escape
/// (examples/minimal.cpp draws four):
///
/// @code{.cpp}
///   #include <vyn/vyn.h>
///   #include <cstdio>
///
///   // At z = -6, inside the fixed projection; corners clockwise as the eye sees them (the front
///   // face: back faces are culled), red, green, blue and yellow.
///   const vyn::GLfloat Corners[] = {-1, -1, -6, -1, 1, -6, 1, 1, -6, 1, -1, -6};
///   const vyn::GLubyte Colours[] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0};
///
///   // A draw pack of the program's own: the draw routine comes first; the material calls it.
///   // Packs are drawn with the vertex and texture-coordinate arrays on; this one uses colours.
///   struct Quad : vyn::TMyDrawPack {
///       Quad() : vyn::TMyDrawPack{Draw} {}
///       static void Draw(vyn::TMyDrawPack*) {
///           vyn::glDisableClientState(vyn::GL_TEXTURE_COORD_ARRAY);
///           vyn::glEnableClientState(vyn::GL_COLOR_ARRAY);
///           vyn::glVertexPointer(3, vyn::GL_FLOAT, 0, Corners);
///           vyn::glColorPointer(3, vyn::GL_UNSIGNED_BYTE, 0, Colours);
///           vyn::glDrawArrays(vyn::GL_QUADS, 0, 4);
///           vyn::glDisableClientState(vyn::GL_COLOR_ARRAY);
///           vyn::glEnableClientState(vyn::GL_TEXTURE_COORD_ARRAY);
///       }
///   };
///
///   void Close() { vyn::StopMainLoop(); }
///
///   int main() {
///       vyn::CreateGlobals();
///       if (!vyn::CreateFromSettings()) {
///           std::fprintf(stderr, "cannot open the window: %s\n", vyn::LastFailure().c_str());
///           return 1;
///       }
///       vyn::glDisable(vyn::GL_LIGHTING); // the presets' lighting and fog would tint the colours
///       vyn::glDisable(vyn::GL_FOG);
///       static Quad quad;
///       vyn::CurrentRenderList->AddMaterial(1)->AddPack(&quad);
///       vyn::CurrentKeyboard->SetHandler(vyn::VK_ESCAPE, vyn::KeyDownTable, Close);
///       vyn::ShowMainWindow();
///       vyn::SetFpsTimer(true);
///       vyn::DrawFrame();
///       return vyn::RunMainLoop() ? 0 : 1;
///   }
/// @endcode
///
/// What a program draws under: the fixed-function presets of vynSettingsU.h (light 0, material,
/// exponential fog, depth test, back faces culled with clockwise front faces), a 45° perspective
/// with near plane 1 and far plane 100 re-applied on every resize, which also resets the
/// model-view matrix (ResizeRoutine runs afterwards to restore a view). GL entry points are
/// vyn::glXxx; never link the GL library yourself. docs/guide.md walks through all of it.
#pragma once

#include "framework/core/vynFailure.h"
#include "framework/gl/vynGL.h"
#include "framework/input/vynKeyBoardU.h"
#include "framework/input/vynMouseU.h"
#include "framework/render/vynDrawLineU.h"
#include "framework/render/vynDrawPacks.h"
#include "framework/render/vynRetainedPacks.h"
#include "framework/render/vynSettingsU.h"
#include "framework/render/vynText.h"
#include "framework/resources/OpenGLBufferArrays.h"
#include "framework/resources/vynBitmapU.h"
#include "framework/resources/vynImageFile.h"
#include "framework/resources/vynTextureU.h"
#include "framework/system/vynFileOffer.h"
#include "framework/system/vynUtf8.h"
#include "framework/window/vynDrawOnDemand.h"
#include "framework/window/vynFramePacing.h"
#include "framework/window/vynHelpersU.h"
#include "framework/window/vynMainWindow.h"
#include "framework/window/vynWindowLoop.h"
#include "framework/window/vynWindowPicture.h"
#include "framework/window/vynWindowState.h"
