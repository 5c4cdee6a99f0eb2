/// @file
/// The built-in font's glyphs: DejaVu Sans Mono rasterised into 8 × 16 cells (by
/// tools/make-font-table, once; the table is part of the source), so that text needs no font file.
/// Printable ASCII and Latin-1; every other character is drawn as U+FFFD. Pure data; any thread.
#pragma once

#include <cstdint>
#include <iterator>
#include <vector>

namespace vyn {

/// The cell every glyph fills, in pixels; the advance is the cell's width.
///@{
inline constexpr int32_t BuiltInCellWidth = 8;
inline constexpr int32_t BuiltInCellHeight = 16;
///@}

/// The characters the table holds, in its order: printable ASCII, printable Latin-1, U+FFFD.
inline std::vector<char32_t> BuiltInCharacters() {
    std::vector<char32_t> characters;
    for (char32_t c = 0x20; c <= 0x7E; ++c)
        characters.push_back(c);
    for (char32_t c = 0xA0; c <= 0xFF; ++c)
        characters.push_back(c);
    characters.push_back(0xFFFD);
    return characters;
}

/// The glyph of a character: 128 hex digits, row by row from the top, each a pixel's coverage
/// from 0 (none) to f (full). Characters the table lacks get U+FFFD's.
const char* BuiltInGlyph(char32_t codePoint);
/// The baseline's row in the cell, counted from the top.
int32_t BuiltInBaseline();

} // namespace vyn
