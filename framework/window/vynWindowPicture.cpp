#include "vynWindowPicture.h"

#include "framework/core/vynFailure.h"
#include "framework/gl/vynGL.h"
#include "framework/render/vynDrawLineU.h"
#include "framework/system/vynFileOffer.h"
#include "framework/system/vynUtf8.h"
#include "vynWindowState.h"

// stb_image_write's functions stay private to this file; it writes into memory, the file is
// written here, so that paths are UTF-8 everywhere and a failure has its reason.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

namespace vyn {

namespace {

constexpr int Channels = 3;

// The frame drawn anew and read back as RGB, rows from the top. Read as RGBA, the one format
// every driver reads (WebGL's readPixels among them), with its alpha dropped.
std::vector<uint8_t> ReadFrame(int32_t width, int32_t height) {
    if (CurrentRenderList)
        CurrentRenderList->Draw();
    const auto pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
    std::vector<uint8_t> bottomUp(pixels * 4);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    glPopClientAttrib();
    std::vector<uint8_t> topDown(pixels * Channels);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            const uint8_t* from = &bottomUp[(static_cast<size_t>(height - 1 - y) * width + x) * 4];
            std::memcpy(&topDown[(static_cast<size_t>(y) * width + x) * Channels], from, Channels);
        }
    return topDown;
}

void AppendBytes(void* context, void* data, int size) {
    auto* bytes = static_cast<std::vector<uint8_t>*>(context);
    const auto* first = static_cast<const uint8_t*>(data);
    bytes->insert(bytes->end(), first, first + size);
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(PathOfUtf8(path), std::ios::binary | std::ios::trunc);
    if (out)
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    if (out.flush())
        return true;
    const int error = errno;
    return Fail("SaveWindowPicture: " + path + ": " +
                (error ? std::strerror(error) : "cannot write the file"));
}

} // namespace

bool SaveWindowPicture(const std::string& path) {
    if (!Framework.ContextReady || !Framework.RenderingContext)
        return Fail("SaveWindowPicture: there is no window with a context to take a picture of");
    try {
        const int32_t width = Framework.Width > 0 ? Framework.Width : 1;
        const int32_t height = Framework.Height > 0 ? Framework.Height : 1;
        const std::vector<uint8_t> pixels = ReadFrame(width, height);
        std::vector<uint8_t> png;
        if (!stbi_write_png_to_func(AppendBytes, &png, width, height, Channels, pixels.data(),
                                    width * Channels))
            return Fail("SaveWindowPicture: the PNG could not be encoded");
        if (!WriteFile(path, png))
            return false;
        return OfferFile(path) || Fail("SaveWindowPicture: " + path + ": the page cannot offer it");
    } catch (...) {
        return FailFromException("SaveWindowPicture");
    }
}

} // namespace vyn
