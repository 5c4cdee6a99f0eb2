#include "vynPixelFormats.h"

#include <algorithm>
#include <cstring>
#include <tuple>

namespace vyn {

namespace {

constexpr DWORD OfferedFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
constexpr BYTE ColourChoices[] = {32, 24, 16};
constexpr BYTE DepthChoices[] = {32, 24, 16, 0};
constexpr BYTE StencilChoices[] = {8, 0};
// Accumulation: none, or 16 bits a channel (what Mesa's visuals offer); the formats with one come
// after all those without, so that the first 48 keep their numbers.
constexpr BYTE AccumChoices[] = {0, 64};

void SetColourChannels(PIXELFORMATDESCRIPTOR& format, BYTE colourBits) {
    if (colourBits == 16) {
        format.cRedBits = 5, format.cGreenBits = 6, format.cBlueBits = 5;
        format.cRedShift = 11, format.cGreenShift = 5, format.cBlueShift = 0;
        return;
    }
    format.cRedBits = format.cGreenBits = format.cBlueBits = 8;
    format.cRedShift = 16, format.cGreenShift = 8, format.cBlueShift = 0;
    if (colourBits == 32)
        format.cAlphaBits = 8, format.cAlphaShift = 24;
}

PIXELFORMATDESCRIPTOR MakeFormat(BYTE colour, BYTE depth, BYTE stencil, BYTE accum,
                                 bool doubleBuffered) {
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof(PIXELFORMATDESCRIPTOR);
    format.nVersion = 1;
    format.dwFlags = OfferedFlags | (doubleBuffered ? PFD_DOUBLEBUFFER : 0);
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = colour;
    SetColourChannels(format, colour);
    format.cDepthBits = depth;
    format.cStencilBits = stencil;
    format.cAccumBits = accum;
    format.cAccumRedBits = format.cAccumGreenBits = format.cAccumBlueBits = format.cAccumAlphaBits =
        static_cast<BYTE>(accum / 4);
    format.iLayerType = PFD_MAIN_PLANE;
    return format;
}

const std::vector<PIXELFORMATDESCRIPTOR>& Table() {
    static const std::vector<PIXELFORMATDESCRIPTOR> table = [] {
        std::vector<PIXELFORMATDESCRIPTOR> built;
        for (BYTE accum : AccumChoices)
            for (bool doubleBuffered : {true, false})
                for (BYTE colour : ColourChoices)
                    for (BYTE depth : DepthChoices)
                        for (BYTE stencil : StencilChoices)
                            built.push_back(
                                MakeFormat(colour, depth, stencil, accum, doubleBuffered));
        return built;
    }();
    return table;
}

// Exact first, then the nearest larger, then the nearest smaller.
std::tuple<int, int> Closeness(int offered, int wanted) {
    return offered >= wanted ? std::tuple{0, offered - wanted} : std::tuple{1, wanted - offered};
}

// A depth, stencil or accumulation buffer that was asked for and is missing altogether.
int LostBuffers(const PIXELFORMATDESCRIPTOR& offered, const PIXELFORMATDESCRIPTOR& wanted) {
    return (wanted.cDepthBits > 0 && offered.cDepthBits == 0 ? 1 : 0) +
           (wanted.cStencilBits > 0 && offered.cStencilBits == 0 ? 1 : 0) +
           (wanted.cAccumBits > 0 && offered.cAccumBits == 0 ? 1 : 0);
}

auto RankKey(const PIXELFORMATDESCRIPTOR& offered, const PIXELFORMATDESCRIPTOR& wanted) {
    const bool bufferingDiffers =
        (offered.dwFlags & PFD_DOUBLEBUFFER) != (wanted.dwFlags & PFD_DOUBLEBUFFER);
    // An accumulation buffer no one asked for costs memory on every frame: the last resort.
    const bool unaskedAccum = wanted.cAccumBits == 0 && offered.cAccumBits > 0;
    return std::tuple{unaskedAccum,
                      bufferingDiffers,
                      LostBuffers(offered, wanted),
                      Closeness(offered.cColorBits, wanted.cColorBits),
                      Closeness(offered.cDepthBits, wanted.cDepthBits),
                      Closeness(offered.cStencilBits, wanted.cStencilBits),
                      Closeness(offered.cAccumBits, wanted.cAccumBits)};
}

bool CanServe(const PIXELFORMATDESCRIPTOR& wanted) {
    constexpr DWORD unsupported = ~(OfferedFlags | PFD_DOUBLEBUFFER);
    return wanted.iPixelType == PFD_TYPE_RGBA && (wanted.dwFlags & unsupported) == 0;
}

} // namespace

int PixelFormatCount() {
    return static_cast<int>(Table().size());
}

PIXELFORMATDESCRIPTOR PixelFormatAt(int index) {
    if (index < 1 || index > PixelFormatCount())
        return PIXELFORMATDESCRIPTOR{};
    return Table()[static_cast<size_t>(index - 1)];
}

int DescribePixelFormatOfTable(int index, UINT size, PIXELFORMATDESCRIPTOR* descriptor) {
    if (descriptor == nullptr)
        return PixelFormatCount();
    if (index < 1 || index > PixelFormatCount())
        return 0;
    const PIXELFORMATDESCRIPTOR format = PixelFormatAt(index);
    std::memcpy(descriptor, &format, std::min<size_t>(size, sizeof format));
    return PixelFormatCount();
}

std::vector<int> RankPixelFormats(const PIXELFORMATDESCRIPTOR& wanted) {
    std::vector<int> ranked;
    if (!CanServe(wanted))
        return ranked;
    for (int index = 1; index <= PixelFormatCount(); ++index)
        ranked.push_back(index);
    std::stable_sort(ranked.begin(), ranked.end(), [&wanted](int a, int b) {
        return RankKey(PixelFormatAt(a), wanted) < RankKey(PixelFormatAt(b), wanted);
    });
    return ranked;
}

} // namespace vyn
