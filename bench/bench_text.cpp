// bench-text quads|bitmap: 10,000 glyphs of the built-in font a frame (125 lines of 80), drawn
// uncapped either as the text module draws them (one textured quad a glyph, one glDrawArrays a
// line, from one texture) or the way bitmap fonts are drawn without it: one glBitmap a glyph from
// a raster position a line. compare-text.sh runs both under the swap probe. Escape or SIGTERM
// ends it.
#include <vyn/vyn.h>

#include "framework/render/vynBuiltInFont.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

using namespace vyn;

namespace {

constexpr int Lines = 125;
constexpr int Columns = 80;
constexpr int LinesShown = 37; // of 16 pixels in the window's 600
bool UseBitmaps = false;
std::vector<std::string> Text;
// Each glyph of ASCII as glBitmap's rows, bottom row first, a byte a row (8 pixels wide).
std::array<std::array<GLubyte, BuiltInCellHeight>, 128> Bitmaps{};

void MakeText() {
    for (int line = 0; line < Lines; ++line) {
        std::string text;
        for (int column = 0; column < Columns; ++column)
            text += static_cast<char>('!' + (line * 7 + column) % 94);
        Text.push_back(text);
    }
}

void MakeBitmaps() {
    for (int character = 0x20; character < 0x7F; ++character) {
        const char* glyph = BuiltInGlyph(static_cast<char32_t>(character));
        for (int row = 0; row < BuiltInCellHeight; ++row)
            for (int column = 0; column < BuiltInCellWidth; ++column)
                if (glyph[row * BuiltInCellWidth + column] >= '8')
                    Bitmaps[character][BuiltInCellHeight - 1 - row] |=
                        static_cast<GLubyte>(0x80 >> column);
    }
}

void DrawWithBitmaps() {
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_TRANSFORM_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glDisable(GL_TEXTURE_2D);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, Framework.Width, Framework.Height, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glColor3f(1.0f, 1.0f, 1.0f);
    for (int line = 0; line < Lines; ++line) {
        glRasterPos2i(0, (line % LinesShown + 1) * BuiltInCellHeight);
        for (char character : Text[line])
            glBitmap(BuiltInCellWidth, BuiltInCellHeight, 0, 0, BuiltInCellWidth, 0,
                     Bitmaps[static_cast<unsigned char>(character)].data());
    }
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
}

// As a program draws a page of text: one call a block of the 37 lines that fit the window,
// drawn over each other, so that both ways fill the same pixels.
void DrawWithQuads() {
    for (int first = 0; first < Lines; first += LinesShown) {
        std::string block;
        for (int line = first; line < std::min(Lines, first + LinesShown); ++line)
            block += Text[line] + "\n";
        DrawText(BuiltInFont(), 0, 0, block);
    }
}

struct Glyphs : TMyDrawPack {
    Glyphs() : TMyDrawPack{Draw} {}
    static void Draw(TMyDrawPack*) { UseBitmaps ? DrawWithBitmaps() : DrawWithQuads(); }
};
Glyphs Pack;

} // namespace

int main(int argc, char* argv[]) {
    const std::string way = argc == 2 ? argv[1] : "";
    if (way != "quads" && way != "bitmap") {
        std::fprintf(stderr, "usage: bench-text quads|bitmap\n");
        return 2;
    }
    UseBitmaps = way == "bitmap";
    MakeText();
    MakeBitmaps();
    CreateGlobals();
    Framework.WindowName = "bench-text";
    Framework.Width = 640;
    Framework.Height = 600;
    if (!CreateFromSettings()) {
        std::fprintf(stderr, "bench-text: cannot open the window: %s\n", LastFailure().c_str());
        return 1;
    }
    TMyGLMaterial* material = CurrentRenderList->AddMaterial(1);
    if (!material || !material->AddPack(&Pack))
        return 1;
    CurrentKeyboard->SetHandler(VK_ESCAPE, KeyDownTable, [] { StopMainLoop(); });
    ShowMainWindow();
    SetFpsTimer(true);
    DrawFrame();
    return RunMainLoop() ? 0 : 1;
}
