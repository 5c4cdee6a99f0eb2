/// @file
/// The pixel formats a backend may offer, numbered from 1 as Windows numbers them, and the choice
/// of the closest one.
///
/// Windows' ChoosePixelFormat returns the nearest format the display offers rather than refusing a
/// request it cannot meet exactly; GLX refuses (32 depth and 32 stencil bits find no visual on
/// Mesa). The backends therefore rank this fixed table by closeness to the request and take the
/// first entry the display really offers: the SDL backend probes GLX for it, the fake asks a
/// predicate the test controls. DescribePixelFormat reads the same table, so what a caller is told
/// is what it got.
///
/// The table: RGBA formats that draw to a window with OpenGL, for colour 32, 24 and 16 bits, depth
/// 32, 24, 16 and 0, stencil 8 and 0, double- and single-buffered: 48 without an accumulation
/// buffer, then the same 48 with one of 64 bits (16 a channel). Pure data; any thread.
#pragma once

#include "../vynWin32Constants.h"

#include <vector>

namespace vyn {

/// The number of formats; valid indices are 1 to this.
int PixelFormatCount();

/// The descriptor of format `index`; a zeroed descriptor for an index outside the table.
PIXELFORMATDESCRIPTOR PixelFormatAt(int index);

/// Windows' DescribePixelFormat on the table: copies up to `size` bytes of format `index` into
/// `descriptor` and returns the number of formats; 0 for an index outside the table (a null
/// descriptor only asks for the count).
int DescribePixelFormatOfTable(int index, UINT size, PIXELFORMATDESCRIPTOR* descriptor);

/// The formats that can serve `wanted`, closest first: double buffering as asked; then every
/// depth, stencil or accumulation buffer asked for present at all; then colour, depth, stencil and
/// accumulation bits, in that order, each preferring an exact match, then the nearest larger, then
/// the nearest smaller. So 32-bit colour with 32 depth and 32 stencil bits goes 32/8, 24/8, 16/8 at
/// 32-bit colour, then the same at 24- and 16-bit colour, and only then formats without a stencil
/// buffer. A format with an accumulation buffer comes after every one without, unless one was asked
/// for. Empty when `wanted` asks for something no entry has (colour-index pixels, drawing to a
/// bitmap).
std::vector<int> RankPixelFormats(const PIXELFORMATDESCRIPTOR& wanted);

} // namespace vyn
