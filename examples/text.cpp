// text: a lit cube turning under a text overlay: the frame rate, a help line, a pangram in a
// TrueType font (DejaVu Sans, fonts/ beside the program, with its licence) and in the built-in
// font, and what the user types on a line of its own (Backspace erases). F12 saves the window as
// text.png in the working folder; Escape closes it.
#include <vyn/vyn.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

using namespace vyn;

namespace {

constexpr const char* Pangram = "The quick brown fox jumps over the lazy dog 0123456789";
constexpr const char* Help = "Type to write below. Backspace erases, F12 saves text.png, Esc ends.";
constexpr float TrueTypePixels = 24.0f;
constexpr float Margin = 10.0f;
constexpr GLfloat DegreesPerSecond = 45.0f;
constexpr GLfloat LightDirection[4] = {0.3f, 1.0f, 2.0f, 0.0f};

// A cube of side 2: each face's normal, then its corners clockwise as seen from outside.
constexpr GLfloat FaceNormals[6][3] = {{0, 0, 1},  {0, 0, -1}, {1, 0, 0},
                                       {-1, 0, 0}, {0, 1, 0},  {0, -1, 0}};
GLfloat Vertices[24 * 3], Normals[24 * 3], TexCoords[24 * 2];
TMyPackPA_VTN Cube;

std::unique_ptr<TFont> Font;
std::string Typed;
std::string FrameRate = "-- FPS";
int32_t FramesThisSecond = 0;
double SecondStart = 0;

void BuildCube() {
    for (int face = 0; face < 6; ++face) {
        const GLfloat* n = FaceNormals[face];
        // Two axes across the face, the second = normal x first: these corners run clockwise.
        const GLfloat a[3] = {n[1] + n[2] != 0 ? 1.0f : 0.0f, 0, n[0] != 0 ? 1.0f : 0.0f};
        const GLfloat b[3] = {n[1] * a[2] - n[2] * a[1], n[2] * a[0] - n[0] * a[2],
                              n[0] * a[1] - n[1] * a[0]};
        constexpr GLfloat signs[4][2] = {{-1, -1}, {-1, 1}, {1, 1}, {1, -1}};
        for (int corner = 0; corner < 4; ++corner)
            for (int axis = 0; axis < 3; ++axis) {
                const int at = (face * 4 + corner) * 3 + axis;
                Vertices[at] = n[axis] + signs[corner][0] * a[axis] + signs[corner][1] * b[axis];
                Normals[at] = n[axis];
            }
    }
    Cube.VertexSize = 3;
    Cube.VertexType = GL_FLOAT;
    Cube.VertexPointer = Vertices;
    Cube.TexCoordSize = 2;
    Cube.TexCoordType = GL_FLOAT;
    Cube.TexCoordPointer = TexCoords;
    Cube.NormalType = GL_FLOAT;
    Cube.NormalPointer = Normals;
    Cube.Mode = GL_QUADS;
    Cube.Count = 24;
}

// The overlay is a draw pack of its own in the last material: drawn after the scene, each frame.
struct Overlay : TMyDrawPack {
    Overlay() : TMyDrawPack{Draw} {}
    static void Draw(TMyDrawPack*) {
        const TFont& small = BuiltInFont();
        const float bottom = static_cast<float>(Framework.Height);
        DrawText(small, Margin, Margin, FrameRate, {1.0f, 1.0f, 0.4f, 1.0f});
        DrawText(small, Margin, Margin + small.LineHeight, Help, {0.7f, 0.8f, 1.0f, 1.0f});
        DrawText(*Font, Margin, bottom - 4 * small.LineHeight - Font->LineHeight - Margin, Pangram);
        DrawText(small, Margin, bottom - 3 * small.LineHeight - Margin, Pangram);
        DrawText(small, Margin, bottom - small.LineHeight - Margin, "> " + Typed + "_",
                 {0.6f, 1.0f, 0.6f, 1.0f});
    }
};
Overlay TextOverlay;

void Turn() {
    ++FramesThisSecond;
    if (LoopSeconds() - SecondStart >= 1.0) {
        FrameRate = std::to_string(FramesThisSecond) + " FPS";
        FramesThisSecond = 0;
        SecondStart = LoopSeconds();
    }
    glLoadIdentity();
    glTranslatef(0.0f, 0.6f, -8.0f); // clear of the text above and below
    glRotatef(25.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(DegreesPerSecond * static_cast<GLfloat>(LoopSeconds()), 0.0f, 1.0f, 0.0f);
}

void OnCharacter() {
    const char32_t typed = CurrentKeyboard->Char;
    if (typed == U'\b') {
        while (!Typed.empty() && (Typed.back() & 0xC0) == 0x80) // a character's trailing bytes
            Typed.pop_back();
        if (!Typed.empty())
            Typed.pop_back();
    } else if (typed >= U' ' && typed != 0x7F) {
        Typed += EncodeUtf8(typed);
    }
}

void BuildScene(const std::string& fontFile) {
    Font = LoadTrueTypeFont(fontFile, TrueTypePixels);
    if (!Font)
        throw std::runtime_error(LastFailure());
    CreateGlobals();
    Framework.WindowName = "text";
    Framework.Width = 640;
    Framework.Height = 400;
    Framework.NeutralLighting = true;
    SetFrameRateLimit(60);
    if (!CreateFromSettings())
        throw std::runtime_error("cannot open the window: " + LastFailure());
    BuildCube();
    TMyGLMaterial* scene = CurrentRenderList->AddMaterial(1);
    TMyGLMaterial* overlay = CurrentRenderList->AddMaterial(1);
    if (!scene || !overlay || !scene->AddPack(&Cube) || !overlay->AddPack(&TextOverlay))
        throw std::runtime_error("cannot build the scene: " + LastFailure());
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glLightfv(GL_LIGHT0, GL_POSITION, LightDirection);
}

} // namespace

int main(int argc, char* argv[]) {
    try {
        const std::string program = Utf8Arguments(argc, argv).at(0);
        BuildScene(Utf8Path(PathOfUtf8(program).replace_filename("fonts/DejaVuSans.ttf")));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "text: %s\n", error.what());
        return 1;
    }
    CurrentKeyboard->SetHandler(VK_ESCAPE, KeyDownTable, [] { StopMainLoop(); });
    CurrentKeyboard->SetHandler(VK_F12, KeyDownTable, [] {
        if (!SaveWindowPicture("text.png"))
            std::fprintf(stderr, "text: %s\n", LastFailure().c_str());
    });
    CurrentKeyboard->SetCharHandler(OnCharacter);
    IdleRoutine = Turn;
    ShowMainWindow();
    DrawFrame();
    return RunMainLoop() ? 0 : 1;
}
