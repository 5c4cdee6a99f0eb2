#include "framework/platform/emulation/vynPixelFormats.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace vyn;

namespace {

PIXELFORMATDESCRIPTOR Wanted(BYTE colour, BYTE depth, BYTE stencil, bool doubleBuffered = true) {
    PIXELFORMATDESCRIPTOR wanted{};
    wanted.nSize = sizeof wanted;
    wanted.nVersion = 1;
    wanted.dwFlags =
        PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | (doubleBuffered ? PFD_DOUBLEBUFFER : 0);
    wanted.cColorBits = colour;
    wanted.cDepthBits = depth;
    wanted.cStencilBits = stencil;
    return wanted;
}

std::tuple<int, int, int, bool> Shape(int index) {
    const PIXELFORMATDESCRIPTOR format = PixelFormatAt(index);
    return {format.cColorBits, format.cDepthBits, format.cStencilBits,
            (format.dwFlags & PFD_DOUBLEBUFFER) != 0};
}

TEST(PixelFormats, TableDescribesWindowGLFormatsNumberedFromOne) {
    ASSERT_EQ(PixelFormatCount(), 96);
    for (int index = 1; index <= PixelFormatCount(); ++index) {
        const PIXELFORMATDESCRIPTOR format = PixelFormatAt(index);
        EXPECT_EQ(format.nSize, sizeof(PIXELFORMATDESCRIPTOR));
        EXPECT_EQ(format.dwFlags & (PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL),
                  PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL);
        EXPECT_EQ(format.iPixelType, PFD_TYPE_RGBA);
        EXPECT_EQ(format.cRedBits + format.cGreenBits + format.cBlueBits + format.cAlphaBits,
                  format.cColorBits);
    }
    EXPECT_EQ(PixelFormatAt(0).nSize, 0);
    EXPECT_EQ(PixelFormatAt(97).nSize, 0);
}

TEST(PixelFormats, DescribeCopiesAtMostTheGivenSizeAndCountsTheTable) {
    PIXELFORMATDESCRIPTOR described{};
    EXPECT_EQ(DescribePixelFormatOfTable(1, 0, nullptr), 96);
    EXPECT_EQ(DescribePixelFormatOfTable(0, sizeof described, &described), 0);
    EXPECT_EQ(DescribePixelFormatOfTable(97, sizeof described, &described), 0);
    EXPECT_EQ(described.nSize, 0);
    EXPECT_EQ(DescribePixelFormatOfTable(5, 2, &described), 96);
    EXPECT_EQ(described.nSize, sizeof described);
    EXPECT_EQ(described.nVersion, 0) << "only two bytes were asked for";
    EXPECT_EQ(DescribePixelFormatOfTable(5, sizeof described, &described), 96);
    EXPECT_EQ(described.cDepthBits, PixelFormatAt(5).cDepthBits);
}

TEST(PixelFormats, ThirtyTwoBitDepthAndStencilFallBackKeepingBothBuffers) {
    const std::vector<int> ranked = RankPixelFormats(Wanted(32, 32, 32));
    ASSERT_EQ(ranked.size(), 96u);
    using S = std::tuple<int, int, int, bool>;
    EXPECT_EQ(Shape(ranked[0]), (S{32, 32, 8, true}));
    EXPECT_EQ(Shape(ranked[1]), (S{32, 24, 8, true}));
    EXPECT_EQ(Shape(ranked[2]), (S{32, 16, 8, true}));
    // Colour is kept before depth precision, and both buffers before either.
    EXPECT_EQ(Shape(ranked[3]), (S{24, 32, 8, true}));
    EXPECT_EQ(Shape(ranked[9]), (S{32, 32, 0, true}));
    // Every double-buffered format comes before any single-buffered one, and all of those before
    // any with an accumulation buffer no one asked for.
    for (size_t i = 0; i < 24; ++i)
        EXPECT_TRUE(std::get<3>(Shape(ranked[i])));
    for (size_t i = 0; i < ranked.size(); ++i)
        EXPECT_EQ(PixelFormatAt(ranked[i]).cAccumBits, i < 48 ? 0 : 64) << i;
}

// Accumulation bits are matched as depth and stencil are: the formats with every buffer asked for
// come first (the nine double-buffered ones with depth, stencil and accumulation), in the order
// colour, depth and stencil give them without accumulation.
TEST(PixelFormats, AskedAccumulationIsMatchedLikeDepthAndStencil) {
    PIXELFORMATDESCRIPTOR wanted = Wanted(32, 32, 32);
    const std::vector<int> plain = RankPixelFormats(wanted);
    wanted.cAccumBits = 32;
    const std::vector<int> accum = RankPixelFormats(wanted);
    ASSERT_EQ(accum.size(), 96u);
    for (size_t i = 0; i < 9; ++i) {
        const PIXELFORMATDESCRIPTOR format = PixelFormatAt(accum[i]);
        EXPECT_EQ(format.cAccumBits, 64) << i;
        EXPECT_EQ(format.cAccumRedBits + format.cAccumGreenBits + format.cAccumBlueBits +
                      format.cAccumAlphaBits,
                  64);
        EXPECT_EQ(Shape(accum[i]), Shape(plain[i])) << i;
    }
    EXPECT_EQ(PixelFormatAt(accum[9]).cAccumBits, 0) << "all three buffers before any two";
}

TEST(PixelFormats, ExactMatchesComeFirstThenLargerThenSmaller) {
    using S = std::tuple<int, int, int, bool>;
    EXPECT_EQ(Shape(RankPixelFormats(Wanted(16, 16, 0))[0]), (S{16, 16, 0, true}));
    EXPECT_EQ(Shape(RankPixelFormats(Wanted(24, 20, 0))[0]), (S{24, 24, 0, true}));
    EXPECT_EQ(Shape(RankPixelFormats(Wanted(24, 0, 0, false))[0]), (S{24, 0, 0, false}));
    EXPECT_EQ(Shape(RankPixelFormats(Wanted(8, 24, 8))[0]), (S{16, 24, 8, true}));
}

TEST(PixelFormats, RequestsNoEntryCanServeRankNothing) {
    PIXELFORMATDESCRIPTOR colourIndex = Wanted(8, 16, 0);
    colourIndex.iPixelType = 1;
    EXPECT_TRUE(RankPixelFormats(colourIndex).empty());
    PIXELFORMATDESCRIPTOR bitmap = Wanted(24, 16, 0);
    bitmap.dwFlags |= 0x00000008; // PFD_DRAW_TO_BITMAP
    EXPECT_TRUE(RankPixelFormats(bitmap).empty());
}

} // namespace
