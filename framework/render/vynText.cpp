#include "vynText.h"

#include "framework/core/vynCodePoints.h"
#include "framework/core/vynFailure.h"
#include "framework/core/vynNeverDestroyed.h"
#include "framework/gl/vynGL.h"
#include "framework/system/vynUtf8.h"
#include "vynBuiltInFont.h"

// stb_truetype's functions stay private to this file.
#define STB_TRUETYPE_IMPLEMENTATION
#define STBTT_STATIC
#include <stb_truetype.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <utility>

namespace vyn {

namespace {

constexpr int32_t AtlasColumns = 16; // built-in glyphs a row of its atlas
constexpr float MinPixelHeight = 6.0f;
constexpr float MaxPixelHeight = 200.0f;
constexpr int32_t MaxAtlasSide = 4096;
constexpr int FirstBaked = 0x20; // TrueType fonts bake U+0020 to U+00FF
constexpr int BakedCount = 0x100 - FirstBaked;

int32_t PowerOfTwoAtLeast(int32_t value) {
    int32_t power = 1;
    while (power < value)
        power *= 2;
    return power;
}

int Level(const char* hex, int32_t x, int32_t y) {
    const char digit = hex[y * BuiltInCellWidth + x];
    return digit <= '9' ? digit - '0' : digit - 'a' + 10;
}

// The glyph's quad covers its ink only, not its whole cell: a third of the pixels to fill.
void PutBuiltInGlyph(TFont& font, char32_t character, int32_t cellX, int32_t cellY) {
    const char* hex = BuiltInGlyph(character);
    int32_t left = BuiltInCellWidth, top = BuiltInCellHeight, right = 0, bottom = 0;
    for (int32_t y = 0; y < BuiltInCellHeight; ++y)
        for (int32_t x = 0; x < BuiltInCellWidth; ++x) {
            const int level = Level(hex, x, y);
            font.Atlas[static_cast<size_t>((cellY + y) * font.AtlasWidth + cellX + x)] =
                static_cast<uint8_t>(level * 17);
            if (level == 0)
                continue;
            left = std::min(left, x), top = std::min(top, y);
            right = std::max(right, x + 1), bottom = std::max(bottom, y + 1);
        }
    TGlyph& glyph = font.Glyphs[character];
    glyph.Advance = BuiltInCellWidth;
    if (right <= left)
        return; // no ink: nothing to draw
    const auto width = static_cast<float>(font.AtlasWidth);
    const auto height = static_cast<float>(font.AtlasHeight);
    glyph.U0 = static_cast<float>(cellX + left) / width;
    glyph.V0 = static_cast<float>(cellY + top) / height;
    glyph.U1 = static_cast<float>(cellX + right) / width;
    glyph.V1 = static_cast<float>(cellY + bottom) / height;
    glyph.Left = static_cast<float>(left);
    glyph.Top = static_cast<float>(top - BuiltInBaseline());
    glyph.Width = static_cast<float>(right - left);
    glyph.Height = static_cast<float>(bottom - top);
}

TFont MakeBuiltInFont() {
    TFont font;
    const std::vector<char32_t> characters = BuiltInCharacters();
    const auto rows = static_cast<int32_t>(characters.size() + AtlasColumns - 1) / AtlasColumns;
    font.AtlasWidth = PowerOfTwoAtLeast(AtlasColumns * BuiltInCellWidth);
    font.AtlasHeight = PowerOfTwoAtLeast(rows * BuiltInCellHeight);
    font.Atlas.assign(static_cast<size_t>(font.AtlasWidth * font.AtlasHeight), 0);
    for (size_t i = 0; i < characters.size(); ++i) {
        const auto index = static_cast<int32_t>(i);
        PutBuiltInGlyph(font, characters[i], index % AtlasColumns * BuiltInCellWidth,
                        index / AtlasColumns * BuiltInCellHeight);
    }
    font.StandIn = ReplacementCharacter;
    font.Ascent = static_cast<float>(BuiltInBaseline());
    font.LineHeight = BuiltInCellHeight;
    return font;
}

// Paths are UTF-8 everywhere: on Windows a narrow path would be read in the ANSI code page.
std::vector<unsigned char> ReadWholeFile(const std::string& path) {
    std::ifstream in(PathOfUtf8(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Bakes into the smallest square atlas that holds every glyph.
bool Bake(TFont& font, const std::vector<unsigned char>& file, float pixelHeight,
          stbtt_bakedchar (&baked)[BakedCount]) {
    for (int32_t side = 128; side <= MaxAtlasSide; side *= 2) {
        font.Atlas.assign(static_cast<size_t>(side) * static_cast<size_t>(side), 0);
        if (stbtt_BakeFontBitmap(file.data(), 0, pixelHeight, font.Atlas.data(), side, side,
                                 FirstBaked, BakedCount, baked) > 0) {
            font.AtlasWidth = font.AtlasHeight = side;
            return true;
        }
    }
    return false;
}

void TakeBakedGlyphs(TFont& font, const stbtt_bakedchar (&baked)[BakedCount]) {
    const auto side = static_cast<float>(font.AtlasWidth);
    for (int i = 0; i < BakedCount; ++i) {
        const char32_t character = static_cast<char32_t>(FirstBaked + i);
        if (character >= 0x7F && character < 0xA0)
            continue; // control characters
        const stbtt_bakedchar& c = baked[i];
        font.Glyphs[character] = TGlyph{c.x0 / side,
                                        c.y0 / side,
                                        c.x1 / side,
                                        c.y1 / side,
                                        c.xoff,
                                        c.yoff,
                                        static_cast<float>(c.x1 - c.x0),
                                        static_cast<float>(c.y1 - c.y0),
                                        c.xadvance};
    }
}

bool MakeTexture(const TFont& font) {
    GLuint name = 0;
    glGenTextures(1, &name);
    if (name == 0)
        return Fail("DrawText: no texture name for the font's atlas");
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, font.AtlasWidth, font.AtlasHeight, 0, GL_ALPHA,
                 GL_UNSIGNED_BYTE, font.Atlas.data());
    font.Texture = name;
    font.TextureGeneration = GLContextGeneration();
    return true;
}

// Four corners a glyph, each x, y, u, v; pen positions rounded so glyphs sit on whole pixels.
std::vector<float> Quads(const TFont& font, float x, float y, std::string_view utf8) {
    std::vector<float> corners;
    corners.reserve(utf8.size() * 16);
    float penX = std::round(x);
    float baseline = std::round(y + font.Ascent);
    for (char32_t character : DecodeUtf8(utf8)) {
        if (character == U'\n') {
            penX = std::round(x);
            baseline += std::round(font.LineHeight);
            continue;
        }
        const TGlyph& g = font.GlyphOf(character);
        const float pen = penX;
        penX += g.Advance;
        if (g.Width <= 0 || g.Height <= 0)
            continue; // a space
        const float left = std::round(pen + g.Left);
        const float top = std::round(baseline + g.Top);
        const float right = left + g.Width, bottom = top + g.Height;
        corners.insert(corners.end(), {left, top, g.U0, g.V0, right, top, g.U1, g.V0, right, bottom,
                                       g.U1, g.V1, left, bottom, g.U0, g.V1});
    }
    return corners;
}

// Window pixels from the top-left corner, drawn over everything, blended in the text's colour.
void EnterOverlay(const TTextColor& color) {
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT | GL_TEXTURE_BIT |
                 GL_TRANSFORM_BIT | GL_POLYGON_BIT);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, viewport[2], viewport[3], 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    for (GLenum capability : {GL_DEPTH_TEST, GL_LIGHTING, GL_FOG, GL_CULL_FACE, GL_ALPHA_TEST})
        glDisable(capability);
    // Glyphs are filled whatever the program draws its faces as (the presets draw back faces as
    // lines, and culling is off here).
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glColor4f(color.Red, color.Green, color.Blue, color.Alpha);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
}

void LeaveOverlay() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopClientAttrib();
    glPopAttrib();
}

std::unique_ptr<TFont> Refuse(std::string reason) {
    Fail(std::move(reason));
    return nullptr;
}

} // namespace

const TGlyph& TFont::GlyphOf(char32_t codePoint) const {
    auto found = Glyphs.find(codePoint);
    if (found == Glyphs.end())
        found = Glyphs.find(StandIn);
    static const TGlyph None{};
    return found == Glyphs.end() ? None : found->second;
}

const TFont& BuiltInFont() {
    static const TNeverDestroyed<TFont> font{MakeBuiltInFont()};
    return font.Value;
}

std::unique_ptr<TFont> LoadTrueTypeFont(const std::string& path, float pixelHeight) {
    if (!(pixelHeight >= MinPixelHeight && pixelHeight <= MaxPixelHeight))
        return Refuse("LoadTrueTypeFont: sizes are 6 to 200 pixels");
    const std::vector<unsigned char> file = ReadWholeFile(path);
    if (file.empty())
        return Refuse(path + ": cannot read the font file");
    stbtt_fontinfo info;
    if (stbtt_GetFontOffsetForIndex(file.data(), 0) < 0 || !stbtt_InitFont(&info, file.data(), 0))
        return Refuse(path + ": not a TrueType font");
    auto font = std::make_unique<TFont>();
    stbtt_bakedchar baked[BakedCount];
    if (!Bake(*font, file, pixelHeight, baked))
        return Refuse(path + ": its glyphs do not fit one texture");
    TakeBakedGlyphs(*font, baked);
    int ascent = 0, descent = 0, gap = 0;
    stbtt_GetFontVMetrics(&info, &ascent, &descent, &gap);
    const float scale = stbtt_ScaleForPixelHeight(&info, pixelHeight);
    font->Ascent = std::round(static_cast<float>(ascent) * scale);
    font->LineHeight = std::ceil(static_cast<float>(ascent - descent + gap) * scale);
    return font;
}

bool DrawText(const TFont& font, float x, float y, std::string_view utf8, const TTextColor& color) {
    try {
        const std::vector<float> corners = Quads(font, x, y, utf8);
        if (corners.empty())
            return true;
        EnterOverlay(color);
        // Inside the overlay: making the texture binds it, and the program's binding comes back.
        if (font.TextureGeneration != GLContextGeneration() && !MakeTexture(font)) {
            LeaveOverlay();
            return false;
        }
        glBindTexture(GL_TEXTURE_2D, font.Texture);
        glVertexPointer(2, GL_FLOAT, 4 * sizeof(float), corners.data());
        glTexCoordPointer(2, GL_FLOAT, 4 * sizeof(float), corners.data() + 2);
        glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(corners.size() / 4));
        LeaveOverlay();
        return true;
    } catch (...) {
        return FailFromException("DrawText");
    }
}

float TextWidth(const TFont& font, std::string_view utf8) {
    float widest = 0, line = 0;
    for (char32_t character : DecodeUtf8(utf8)) {
        line = character == U'\n' ? 0 : line + font.GlyphOf(character).Advance;
        widest = std::max(widest, line);
    }
    return widest;
}

} // namespace vyn
