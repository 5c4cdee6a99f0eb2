// The landscape demo's module: the demo's main routine, its tilt handlers and its texture loader.
//
// LandscapeMain loads "pv.cppa2", "pt.cppa2" and "Ground.bmp" from the working directory, builds
// one draw pack under one material (drawn through a retained pack when started with --retained),
// binds the left and right arrows to a tilt about X and runs the framework's loop until the window
// is closed. A file that cannot be used, a window or context that cannot be made, or a material
// that cannot be added throws std::runtime_error with one line naming the file or the step; the
// program's entry prints it and exits with status 1.
//
// Main thread only; LoadTexture and the tilt handlers need the GL context current.
#pragma once

#include "app/vynLandscapeData.h"
#include "framework/gl/vynGL.h"
#include "framework/render/vynDrawLineU.h"
#include "framework/resources/OpenGLBufferArrays.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace vyn {

inline constexpr const char* LandscapeName = "Ландшафт";
inline constexpr const char* LandscapeMaterialName = "Поверхность ландшафта";
inline constexpr const char* AddPackFailedMessage = "Не удалось добавить риовальную упаковку";
inline constexpr GLfloat TiltDegrees = 1.5f;

// The mesh and the pack that draws it; they live until the process ends, since the pack points
// into the files' payloads for every frame.
extern std::unique_ptr<TMyCPPArray> VertexFile;
extern std::unique_ptr<TMyCPPArray> TexCoordFile;
extern std::unique_ptr<TMyPackPA_VT> LandscapePack;

// Reads the bitmap, scales it to the texture sizes and uploads it; returns the texture name, or
// 0 (no texture, no GL call) for a file that is not a bitmap (no "BM"). A missing or faulty
// bitmap throws std::runtime_error naming the file. A failed rescale is not an error: the buffer
// it leaves is uploaded.
GLuint LoadTexture(const std::string& fileName);

// Loads both array files and checks that the vertex file holds its Count vertices (three floats
// each) and the texture-coordinate file as many coordinates (two floats each); the latter's own
// Count is not looked at.
void LoadLandscapeMesh();
// The pack of the landscape mesh: texture coordinates, vertices, GL_QUADS over Count vertices.
void FillLandscapePack(TMyPackPA_VT& pack);
// Adds the landscape pack to the material; tells the user when the material cannot take it.
void AddLandscapePack(TMyGLMaterial& material);

// Key-down handlers: rotate the model-view matrix by ∓1.5° about X.
void TiltLeft();
void TiltRight();

// How the demo was asked to run: `landscape`, or `landscape --retained`, which keeps the mesh
// on the driver's side (framework/render/vynRetainedPacks.h) and draws the same picture.
struct LandscapeOptions {
    bool Retained = false;
};
inline constexpr const char* LandscapeUsage = "usage: landscape [--retained]";

// The options of the command line; std::invalid_argument with one line naming anything else.
LandscapeOptions ParseLandscapeArguments(int argc, const char* const argv[]);

// The demo from start to the end of the loop, with the options or without any.
void LandscapeMain(const LandscapeOptions& options);
void LandscapeMain();

} // namespace vyn
