// lit-cube [--full-screen] [PICTURE]: a textured cube lit by one light, spinning a quarter turn
// every two seconds whatever the frame rate, drawn at most 60 times a second. The picture is
// lit-cube.png beside the program (a checkerboard of orange and cream in a blue frame, made for
// this example) or any picture file named. Escape closes it. Full screen is a popup window at the
// display mode of the window's size; in a browser page, where the mode cannot change, the canvas
// fills the screen from the visitor's next key or click.
#include <vyn/vyn.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

using namespace vyn;

namespace {

constexpr GLfloat DegreesPerSecond = 45.0f;
constexpr GLfloat StartTurn = 35.0f; // two sides show from the first frame
constexpr GLfloat Tilt = 25.0f;      // and the top
constexpr GLfloat Distance = 6.0f;
// Directional (w = 0), from above and in front of the eye, a little to the right; eye
// coordinates, as it is set while the model-view matrix is the identity.
constexpr GLfloat LightDirection[4] = {0.3f, 1.0f, 2.0f, 0.0f};

// Each face of the cube from -1 to 1: its outward normal, and the directions right and up as one
// sees it from outside (right x up = normal).
struct Face {
    std::array<GLfloat, 3> Normal, Right, Up;
};
constexpr Face Faces[6] = {
    {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},  {{0, 0, -1}, {-1, 0, 0}, {0, 1, 0}},
    {{1, 0, 0}, {0, 0, -1}, {0, 1, 0}}, {{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
    {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}}, {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}},
};
constexpr int Corners = 24;

// Corners clockwise as seen from outside, the framework's front faces: bottom left, top left, top
// right, bottom right, with the picture upright on each face.
struct Mesh {
    std::array<GLfloat, Corners * 3> Vertices{}, Normals{};
    std::array<GLfloat, Corners * 2> TexCoords{};

    Mesh() {
        constexpr GLfloat across[4][2] = {{-1, -1}, {-1, 1}, {1, 1}, {1, -1}};
        for (int face = 0; face < 6; ++face)
            for (int corner = 0; corner < 4; ++corner) {
                const int at = face * 4 + corner;
                const Face& f = Faces[face];
                const GLfloat right = across[corner][0], up = across[corner][1];
                for (int axis = 0; axis < 3; ++axis) {
                    Vertices[at * 3 + axis] =
                        f.Normal[axis] + right * f.Right[axis] + up * f.Up[axis];
                    Normals[at * 3 + axis] = f.Normal[axis];
                }
                TexCoords[at * 2] = (right + 1) / 2;
                TexCoords[at * 2 + 1] = (up + 1) / 2;
            }
    }
};

const Mesh Cube;
TMyPackPA_VTN Pack; // the render list holds it by reference

// The model-view matrix of the moment, from scratch: the frame clock turns the cube.
void ApplyView() {
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -Distance);
    glRotatef(Tilt, 1.0f, 0.0f, 0.0f);
    glRotatef(StartTurn + DegreesPerSecond * static_cast<GLfloat>(LoopSeconds()), 0.0f, 1.0f, 0.0f);
}

TBitmapImage ReadPicture(const std::string& file) {
    TBitmapImage image;
    auto pixels = ReadImage(file, image.Width, image.Height, image.Format, image.Type);
    if (!pixels)
        throw std::runtime_error(LastFailure());
    image.Pixels = std::move(*pixels);
    return image;
}

// OpenGL's own lighting (Framework.NeutralLighting) with light 0 turned on: white light on the
// default grey material, which modulates the texture.
void Light() {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glLightfv(GL_LIGHT0, GL_POSITION, LightDirection);
}

void BuildScene(TBitmapImage& picture) {
    Pack.VertexSize = 3;
    Pack.VertexType = GL_FLOAT;
    Pack.VertexPointer = Cube.Vertices.data();
    Pack.TexCoordSize = 2;
    Pack.TexCoordType = GL_FLOAT;
    Pack.TexCoordPointer = Cube.TexCoords.data();
    Pack.NormalType = GL_FLOAT;
    Pack.NormalPointer = Cube.Normals.data();
    Pack.Mode = GL_QUADS;
    Pack.Count = Corners;
    TMyGLMaterial* material = CurrentRenderList->AddMaterial(1);
    if (!material || !material->AddPack(&Pack))
        throw std::runtime_error("cannot build the scene: " + LastFailure());
    SetTextureSettings(GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR, 1, 20, false, true);
    RescaleImage(picture.Pixels, picture.Width, picture.Height, picture.Format, picture.Type);
    material->Texture =
        UploadTexture(picture.Pixels, picture.Width, picture.Height, picture.Format, picture.Type);
    Light();
}

bool OpenWindow(bool fullScreen) {
    if (!fullScreen)
        return CreateFromSettings();
    return CreateWindowAndContext(0, 0, Framework.Width, Framework.Height, Framework.ColorBits, 0,
                                  true, true);
}

} // namespace

int main(int argc, char* argv[]) {
    // In UTF-8, and the program's folder read whole: on Windows argv spells only names its code
    // page has.
    std::vector<std::string> arguments = Utf8Arguments(argc, argv);
    const std::filesystem::path program = PathOfUtf8(arguments.empty() ? "" : arguments.front());
    if (!arguments.empty())
        arguments.erase(arguments.begin());
    const bool fullScreen = !arguments.empty() && arguments.front() == "--full-screen";
    if (fullScreen)
        arguments.erase(arguments.begin());
    if (arguments.size() > 1) {
        std::fprintf(stderr, "usage: lit-cube [--full-screen] [PICTURE]\n");
        return 2;
    }
    try {
        const std::string file =
            !arguments.empty()
                ? arguments.front()
                : Utf8Path(std::filesystem::path(program).replace_filename("lit-cube.png"));
        TBitmapImage picture = ReadPicture(file); // before the window: a bad file opens none
        CreateGlobals();
        Framework.WindowName = "lit-cube";
        Framework.NeutralLighting = true;
        SetFrameRateLimit(60);
        if (!OpenWindow(fullScreen))
            throw std::runtime_error("cannot open the window: " + LastFailure());
        BuildScene(picture);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "lit-cube: %s\n", error.what());
        return 1;
    }
    CurrentKeyboard->SetHandler(VK_ESCAPE, KeyDownTable, [] { StopMainLoop(); });
    IdleRoutine = ApplyView;
    ResizeRoutine = [](int32_t, int32_t) { ApplyView(); };
    ShowMainWindow();
    SetFpsTimer(true);
    DrawFrame();
    return RunMainLoop() ? 0 : 1;
}
