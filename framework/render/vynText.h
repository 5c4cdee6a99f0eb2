/// @file
/// Text over the scene: a built-in font that needs no file, TrueType fonts through stb_truetype,
/// and DrawText at window pixels.
///
/// A TFont is an atlas (every glyph it has in one alpha picture) and each glyph's place in it:
/// the built-in font's from the table of vynBuiltInFont.h (8 × 16 pixels, ASCII and Latin-1), a
/// TrueType font's baked once at the size asked (Latin-1). The atlas becomes one texture the
/// first time a context draws with the font, and again in each new context. DrawText draws a
/// UTF-8 string as one textured quad per glyph in one glDrawArrays call, at window pixels
/// measured from the top-left corner (as the mouse's X and Y), over whatever the frame holds:
/// depth test, lighting, fog and culling off, blended in the colour given. It puts back every GL
/// state it changes (attributes, client arrays, both matrices, the bound texture). Characters a
/// font lacks are drawn as its U+FFFD, or '?'; malformed UTF-8 as U+FFFD.
///
/// Main thread only, inside a context for DrawText; fonts may be made before any context.
#pragma once

#include "../gl/vynGLTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vyn {

/// A glyph: where it lies in the atlas and where it goes relative to the pen.
struct TGlyph {
    float U0 = 0;      ///< Its left edge in the atlas, as a texture coordinate.
    float V0 = 0;      ///< Its top edge in the atlas.
    float U1 = 0;      ///< Its right edge in the atlas.
    float V1 = 0;      ///< Its bottom edge in the atlas.
    float Left = 0;    ///< Its left edge from the pen, in pixels.
    float Top = 0;     ///< Its top edge from the baseline, in pixels, y down (negative: above).
    float Width = 0;   ///< Its width in pixels; 0 for a glyph without ink (a space): no quad.
    float Height = 0;  ///< Its height in pixels.
    float Advance = 0; ///< How far the pen moves after it.
};

/// A font: its atlas, its glyphs and its line metrics.
class TFont {
  public:
    /// The glyph of a character, or of the font's stand-in for characters it lacks.
    const TGlyph& GlyphOf(char32_t codePoint) const;

    int32_t AtlasWidth = 0;                      ///< The atlas's width: a power of two.
    int32_t AtlasHeight = 0;                     ///< The atlas's height: a power of two.
    std::vector<uint8_t> Atlas;                  ///< Coverage, one byte a pixel, rows from the top.
    std::unordered_map<char32_t, TGlyph> Glyphs; ///< The glyphs the font has.
    char32_t StandIn = U'?';                     ///< Drawn for characters the font lacks.
    float Ascent = 0;           ///< From the top of a line to its baseline, in pixels.
    float LineHeight = 0;       ///< From one baseline to the next.
    mutable GLuint Texture = 0; ///< The atlas's texture in the context of TextureGeneration.
    mutable uint64_t TextureGeneration = 0; ///< The context generation Texture belongs to; 0: none.
};

/// The built-in font (8 × 16 pixels a character), made on first use; never destroyed.
const TFont& BuiltInFont();
/// A TrueType font file baked at `pixelHeight` (from 6 to 200 pixels, ascent to descent); null,
/// with the reason, for a file that cannot be read or is not a font, or a size out of range.
std::unique_ptr<TFont> LoadTrueTypeFont(const std::string& path, float pixelHeight);

/// A colour to draw text in, components from 0 to 1.
struct TTextColor {
    float Red = 1;   ///< Red.
    float Green = 1; ///< Green.
    float Blue = 1;  ///< Blue.
    float Alpha = 1; ///< Opacity: 0 draws nothing, 1 covers what is behind.
};

/// Draws `utf8` with its first line's top-left corner at window pixel (x, y) from the window's
/// top-left corner; '\n' starts a new line. False, with the reason, when the atlas cannot be
/// made into a texture.
bool DrawText(const TFont& font, float x, float y, std::string_view utf8,
              const TTextColor& color = {});
/// How wide the widest line of `utf8` is in pixels, drawn in `font`.
float TextWidth(const TFont& font, std::string_view utf8);

} // namespace vyn
