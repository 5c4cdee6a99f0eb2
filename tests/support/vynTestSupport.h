// Shared helpers of the test suites.
#pragma once

#include "framework/render/vynDrawLineU.h"
#include "framework/testing/vynCallLog.h"
#include "framework/testing/vynGLRecorder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace vyn::test {

// A function's address as a plain pointer, to compare with a library's symbol or a logged argument.
template <typename Function>
void* Address(Function function) {
    void* address;
    std::memcpy(&address, &function, sizeof address);
    return address;
}

// A pack of `count` vertices drawn as GL_QUADS by the plain draw routine: three floats a vertex,
// two a texture coordinate, tightly packed.
TMyPackPA_VT QuadPack(const void* vertices, const void* texCoords, GLsizei count);
// The same with a float normal for every vertex and no colours, drawn by DrawPackPA_VTN.
TMyPackPA_VTN NormalsPack(const void* vertices, const void* texCoords, const void* normals,
                          GLsizei count);

// The suites' data in the repository (tests/data).
std::filesystem::path TestDataDir();

// Everything a file holds; empty when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);

// A fresh temporary folder, removed with everything in it when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return Root; }
    std::filesystem::path operator/(const std::string& name) const { return Root / name; }

  private:
    std::filesystem::path Root;
};

// A fixture whose GL calls go to the recording double.
class RecordedGLTest : public ::testing::Test {
  protected:
    CallLog Log;
    RecordingGL Recorder{Log};
};

} // namespace vyn::test
