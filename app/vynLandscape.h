// The landscape demo's module: for now its texture loader.
//
// LoadTexture turns a bitmap file into a GL texture with the texture module's current settings.
// Main thread only, with the GL context current.
#pragma once

#include "framework/gl/vynGL.h"

#include <string>

namespace vyn {

// Reads the bitmap, scales it to the texture sizes and uploads it; returns the texture name, or
// 0 (no texture, no GL call) for a file that is not a bitmap (no "BM"). A missing or faulty
// bitmap throws std::runtime_error naming the file. A failed rescale is not an error: the buffer
// it leaves is uploaded.
GLuint LoadTexture(const std::string& fileName);

} // namespace vyn
