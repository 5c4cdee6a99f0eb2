// The landscape the demo shows: a terrain mesh shaped to the demo's fixed camera, and the ground
// picture painted from the same terrain.
//
// The camera sits at the origin looking down -Z (45 degree vertical field of view, near plane 1,
// aspect 4:3) under black exponential fog. The mesh is a grid whose rows run from just past the
// near plane deep into the fog and whose columns fan out with the view, so every quad lands on
// screen. Each quad's four vertices run clockwise as the camera sees them; the terrain stays below
// the eye and rises toward the horizon row by row, so no quad faces away. GL lighting is flat in
// the demo (no normals, emission saturates), so relief is baked into the picture: height colours
// and hill shading from a fixed sun.
//
// Building is deterministic: the same bytes on every run and machine. Pure functions; any thread.
#pragma once

#include <cstdint>
#include <vector>

namespace vyn {

// The fixed dimensions of the landscape; the mesh's quads per side are the default, which other
// sizes of the same terrain may replace (the scaling benchmark's).
struct LandscapeShape {
    static constexpr int QuadsPerSide = 253;
    // The largest mesh whose array files fit their 32-bit payload sizes (48 bytes of positions a
    // quad), with room to spare.
    static constexpr int MostQuadsPerSide = 4096;
    static constexpr int PictureSize = 1024;
    static constexpr double NearDistance = 1.1;
    static constexpr double FarDistance = 50.0;
};

// Vertices of GL_QUADS, four per quad.
struct LandscapeMesh {
    std::vector<float> Positions; // x, y, z per vertex
    std::vector<float> TexCoords; // s, t per vertex, in the same order
    std::int32_t VertexCount() const { return static_cast<std::int32_t>(Positions.size() / 3); }
};

// An RGB picture, three bytes per pixel, rows tightly packed. Row 0 is the bottom of the picture
// (texture coordinate t = 0), which lies along the terrain's near edge.
struct GroundPicture {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::vector<std::uint8_t> Rgb;
};

// The terrain as a grid of quadsPerSide × quadsPerSide quads (1 to MostQuadsPerSide).
LandscapeMesh BuildLandscapeMesh(int quadsPerSide = LandscapeShape::QuadsPerSide);
GroundPicture PaintGroundPicture();

} // namespace vyn
