// The feature sweep's cases: each a name and a drawing of one OpenGL 1.1 or GLU feature in a cell
// of CellSize × CellSize pixels at the window's lower left corner. Before each drawing the
// viewport is the cell, every matrix the identity and GL at its defaults (RestoreDefaults), the
// colour, depth and stencil buffers cleared; the runner reads the cell back after it.
#pragma once

#include <vyn/vyn.h>

#include <span>

namespace sweep {

using namespace vyn;

inline constexpr int CellSize = 64;

struct SweepCase {
    const char* Name;
    void (*Draw)();
};

// GL as a context starts, whatever the framework's presets or an earlier case left.
void RestoreDefaults();

// A projection in the cell's pixels: (0, 0) is its lower left corner, z from -1 (far) to 1.
void PixelProjection();

// An axis-aligned rectangle in the current projection, with the current colour and normal.
void Rectangle(GLfloat left, GLfloat bottom, GLfloat right, GLfloat top);

// A sphere of radius 1 at the origin as `rings` × `segments` quads with unit normals and texture
// coordinates; coarse on purpose where lighting is judged per vertex.
void Sphere(int rings, int segments);

// A size × size RGB checkerboard of `block`-texel squares in two colours, bound to GL_TEXTURE_2D
// with nearest filtering; returns the texture's name.
GLuint CheckerTexture(int size, int block, const GLubyte (&first)[3], const GLubyte (&second)[3]);

// The cases of each topic.
std::span<const SweepCase> GeometryCases();
std::span<const SweepCase> RasterCases();
std::span<const SweepCase> LightingCases();
std::span<const SweepCase> TextureCases();
std::span<const SweepCase> FragmentCases();
std::span<const SweepCase> PixelCases();
std::span<const SweepCase> EvaluationCases();
std::span<const SweepCase> GluCases();

} // namespace sweep
