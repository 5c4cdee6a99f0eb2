// minimal: one window, one material and one draw pack of four coloured quads, drawn by a draw
// routine of the program's own from a vertex array and a colour array. Escape closes it.
#include <vyn/vyn.h>

#include <cstdio>

using namespace vyn;

namespace {

// A 2 × 2 grid of quads at z = -6, well inside the fixed projection (45°, near 1, far 100). Each
// quad's corners run clockwise as the eye sees them: the framework takes clockwise faces as the
// front and culls the back ones.
constexpr GLfloat Corners[] = {
    -1.9f, 0.1f,  -6, -1.9f, 1.9f,  -6, -0.1f, 1.9f,  -6, -0.1f, 0.1f,  -6, // top left
    0.1f,  0.1f,  -6, 0.1f,  1.9f,  -6, 1.9f,  1.9f,  -6, 1.9f,  0.1f,  -6, // top right
    -1.9f, -1.9f, -6, -1.9f, -0.1f, -6, -0.1f, -0.1f, -6, -0.1f, -1.9f, -6, // bottom left
    0.1f,  -1.9f, -6, 0.1f,  -0.1f, -6, 1.9f,  -0.1f, -6, 1.9f,  -1.9f, -6, // bottom right
};

// One colour for every corner: red, green, blue and yellow quads.
constexpr GLubyte Colours[] = {
    255, 0,   0,   255, 0,   0,   255, 0,   0,   255, 0,   0,   //
    0,   255, 0,   0,   255, 0,   0,   255, 0,   0,   255, 0,   //
    0,   0,   255, 0,   0,   255, 0,   0,   255, 0,   0,   255, //
    255, 255, 0,   255, 255, 0,   255, 255, 0,   255, 255, 0,   //
};

constexpr GLsizei CornerCount = sizeof(Corners) / sizeof(Corners[0]) / 3;

// A draw pack is any record that starts with its draw routine; the material calls the routine
// with the record itself.
struct ColouredQuads : TMyDrawPack {
    ColouredQuads() : TMyDrawPack{Draw} {}

    // Packs are drawn with the vertex and texture-coordinate arrays enabled. These quads have
    // colours instead of texture coordinates, and leave the arrays as they found them.
    static void Draw(TMyDrawPack*) {
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, Corners);
        glColorPointer(3, GL_UNSIGNED_BYTE, 0, Colours);
        glDrawArrays(GL_QUADS, 0, CornerCount);
        glDisableClientState(GL_COLOR_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    }
};

// The render list holds the pack by reference: it must outlive every frame.
ColouredQuads Quads;

void Close() {
    StopMainLoop();
}

} // namespace

int main() {
    CreateGlobals();
    Framework.WindowName = "minimal";
    if (!CreateFromSettings()) {
        std::fprintf(stderr, "minimal: cannot open the window: %s\n", LastFailure().c_str());
        return 1;
    }
    // Every new context starts with the presets' lighting and fog, which would tint the colours.
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);

    TMyGLMaterial* material = CurrentRenderList->AddMaterial(1);
    if (!material || !material->AddPack(&Quads)) {
        std::fprintf(stderr, "minimal: cannot build the scene: %s\n", LastFailure().c_str());
        return 1;
    }
    CurrentKeyboard->SetHandler(VK_ESCAPE, KeyDownTable, Close);

    ShowMainWindow();
    SetFpsTimer(true);
    DrawFrame();
    return RunMainLoop() ? 0 : 1;
}
