// libFuzzer target: the bitmap decoder on arbitrary bytes.
//
// Any input must either be refused with std::runtime_error, yield no image (no "BM"), or decode
// into a buffer that holds exactly its padded rows. Anything else -- another exception, a
// sanitizer report, a buffer of the wrong size -- is a finding.
#include "framework/resources/vynBitmapU.h"

#include <cstdlib>
#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::optional<vyn::TBitmapImage> image;
    try {
        image = vyn::DecodeBMP({data, size}, "fuzz.bmp");
    } catch (const std::runtime_error&) {
        return 0;
    }
    if (!image)
        return 0;
    const size_t pixelBytes = image->Format == vyn::GL_RGBA ? 4 : 3;
    const bool sound =
        image->Width > 0 && image->Height > 0 &&
        image->Pixels.size() == vyn::PaddedRowBytes(static_cast<size_t>(image->Width), pixelBytes) *
                                    static_cast<size_t>(image->Height);
    if (!sound)
        std::abort();
    return 0;
}
