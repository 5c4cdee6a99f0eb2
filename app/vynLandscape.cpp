#include "vynLandscape.h"

#include "framework/resources/vynTextureU.h"

namespace vyn {

GLuint LoadTexture(const std::string& fileName) {
    GLint width = 0;
    GLint height = 0;
    GLenum format = 0;
    GLenum type = 0;
    std::optional<std::vector<uint8_t>> pixels = ReadBMP(fileName, width, height, format, type);
    if (!pixels)
        return 0;
    RescaleImage(*pixels, width, height, format, type);
    return UploadTexture(*pixels, width, height, format, type);
}

} // namespace vyn
