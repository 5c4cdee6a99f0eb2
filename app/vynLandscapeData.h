// The demo's three data files: read from the working directory by the demo, written by the
// landscape generator (tools/make-landscape).
#pragma once

namespace vyn {

inline constexpr const char* VertexFileName = "pv.cppa2";
inline constexpr const char* TexCoordFileName = "pt.cppa2";
inline constexpr const char* GroundFileName = "Ground.bmp";

} // namespace vyn
