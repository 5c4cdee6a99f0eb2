// libFuzzer target: the picture reader of every kind on arbitrary bytes. Any input must be refused
// with std::runtime_error, yield no image with a reason, or decode into GL_RGB or GL_RGBA rows
// whose buffer holds exactly its padded rows; anything else is a finding.
#include "framework/core/vynFailure.h"
#include "framework/resources/vynImageFile.h"

#include <cstdlib>
#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::optional<vyn::TBitmapImage> image;
    vyn::ClearFailure();
    try {
        image = vyn::DecodeImage({data, size}, "fuzz");
    } catch (const std::runtime_error&) {
        return 0;
    }
    if (!image) {
        if (vyn::LastFailure().empty())
            std::abort();
        return 0;
    }
    const bool rgba = image->Format == vyn::GL_RGBA;
    const bool sound = (rgba || image->Format == vyn::GL_RGB) && image->Width > 0 &&
                       image->Height > 0 &&
                       image->Pixels.size() ==
                           vyn::PaddedRowBytes(static_cast<size_t>(image->Width), rgba ? 4 : 3) *
                               static_cast<size_t>(image->Height);
    if (!sound)
        std::abort();
    return 0;
}
