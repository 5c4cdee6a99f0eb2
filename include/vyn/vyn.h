// vyn: a compact OpenGL 1.x viewer framework. Include this one header; link vyn::framework
// (CMake: find_package(vyn CONFIG REQUIRED), or add_subdirectory of the source tree) or use
// `pkg-config --cflags --libs vyn`. C++20. Everything is in namespace vyn.
//
// Calling order, all on the main thread:
//   1. CreateGlobals()          the default keyboard, mouse and render list, made current
//   2. set fields of Framework  optional: size, position, colour bits, full screen, window name
//   3. CreateFromSettings()     the window and its OpenGL context; false: LastFailure() says why
//   4. build the scene          materials on CurrentRenderList, draw packs in them, key and mouse
//                               handlers on CurrentKeyboard and CurrentMouse
//   5. ShowMainWindow(), SetFpsTimer(true), DrawFrame(), RunMainLoop()
// RunMainLoop draws the render list whenever no message waits, and returns once the window is
// closed (or StopMainLoop is called), after releasing the scene, the context and the window.
//
// A complete program, one square closed by Escape:
//
//   #include <vyn/vyn.h>
//   #include <cstdio>
//
//   // A draw pack of the program's own: the draw routine comes first; the material calls it.
//   struct Square : vyn::TMyDrawPack {
//       Square() : vyn::TMyDrawPack{Draw} {}
//       static void Draw(vyn::TMyDrawPack*) {
//           // Clockwise, seen from the eye: the front face (back faces are culled).
//           static const vyn::GLfloat corners[] = {-1, -1, -6, -1, 1, -6, 1, 1, -6, 1, -1, -6};
//           vyn::glVertexPointer(3, vyn::GL_FLOAT, 0, corners);
//           vyn::glDrawArrays(vyn::GL_QUADS, 0, 4);
//       }
//   };
//
//   void Close() { vyn::StopMainLoop(); }
//
//   int main() {
//       vyn::CreateGlobals();
//       if (!vyn::CreateFromSettings()) {
//           std::fprintf(stderr, "cannot open the window: %s\n", vyn::LastFailure().c_str());
//           return 1;
//       }
//       static Square square;
//       vyn::CurrentRenderList->AddMaterial(1)->AddPack(&square);
//       vyn::CurrentKeyboard->SetHandler(vyn::VK_ESCAPE, vyn::KeyDownTable, Close);
//       vyn::ShowMainWindow();
//       vyn::SetFpsTimer(true);
//       vyn::DrawFrame();
//       return vyn::RunMainLoop() ? 0 : 1;
//   }
//
// What a program draws under: the fixed-function presets of vynSettingsU.h (light 0, material,
// exponential fog, depth test, back faces culled with clockwise front faces), a 45° perspective
// with near plane 1 and far plane 100 re-applied on every resize, which also resets the
// model-view matrix (ResizeRoutine runs afterwards to restore a view). GL entry points are
// vyn::glXxx; never link the GL library yourself. docs/guide.md walks through all of it.
#pragma once

#include "framework/core/vynFailure.h"
#include "framework/gl/vynGL.h"
#include "framework/input/vynKeyBoardU.h"
#include "framework/input/vynMouseU.h"
#include "framework/render/vynDrawLineU.h"
#include "framework/render/vynDrawPacks.h"
#include "framework/render/vynSettingsU.h"
#include "framework/resources/OpenGLBufferArrays.h"
#include "framework/resources/vynBitmapU.h"
#include "framework/resources/vynTextureU.h"
#include "framework/window/vynHelpersU.h"
#include "framework/window/vynMainWindow.h"
#include "framework/window/vynWindowLoop.h"
#include "framework/window/vynWindowState.h"
