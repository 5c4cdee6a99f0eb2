#include "vynTestSupport.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace vyn::test {

TMyPackPA_VT QuadPack(const void* vertices, const void* texCoords, GLsizei count) {
    TMyPackPA_VT pack;
    pack.TexCoordSize = 2;
    pack.TexCoordType = GL_FLOAT;
    pack.TexCoordPointer = texCoords;
    pack.VertexSize = 3;
    pack.VertexType = GL_FLOAT;
    pack.VertexPointer = vertices;
    pack.Mode = GL_QUADS;
    pack.Count = count;
    return pack;
}

TMyPackPA_VTN NormalsPack(const void* vertices, const void* texCoords, const void* normals,
                          GLsizei count) {
    TMyPackPA_VTN pack;
    static_cast<TMyPackPA_VT&>(pack) = QuadPack(vertices, texCoords, count);
    pack.DrawRoutine = DrawPackPA_VTN;
    pack.NormalType = GL_FLOAT;
    pack.NormalPointer = normals;
    return pack;
}

std::filesystem::path TestDataDir() {
    return std::filesystem::path(VYN_TEST_DATA_DIR);
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    Root = std::filesystem::temp_directory_path() /
           ("vyn-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(Root);
    std::filesystem::create_directories(Root);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(Root, ignored);
}

} // namespace vyn::test
