// model-viewer VERTICES TEXCOORDS PICTURE: a textured model of GL_QUADS from two array files and
// a picture (BMP, PNG, JPEG, TGA or GIF), turned by a drag with the left mouse button, tilted by
// the arrows as in the landscape demo; R brings the first view back. The view survives resizes,
// which reset the model-view matrix. A picture dropped on the window becomes the model's texture.
// Nothing moves unless the user moves it, so the loop draws on demand: a frame for each batch of
// input, none while the model is only looked at (so no caption timer either: it would count no
// frames).
#include <vyn/vyn.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using namespace vyn;

namespace {

constexpr GLfloat TiltDegrees = 1.5f;     // an arrow press
constexpr GLfloat DegreesPerPixel = 0.5f; // of a drag
constexpr GLfloat StartPitch = 40.0f;     // a flat model is seen from above
// Whatever its size, the model is scaled to this radius and shown this far away: well inside the
// projection's near and far planes, and near enough for the presets' fog to leave it visible.
constexpr GLfloat ModelRadius = 3.0f;
constexpr GLfloat ModelDistance = 6.0f;

// The pack points into the arrays' payloads, which must outlive every frame.
std::unique_ptr<TMyCPPArray> Vertices;
std::unique_ptr<TMyCPPArray> TexCoords;
TMyPackPA_VT Pack;
GLfloat Centre[3] = {};
GLfloat Scale = 1.0f;
GLfloat Pitch = StartPitch, Yaw = 0.0f; // the view
TMyGLMaterial* Material = nullptr;
bool Dragging = false;
int32_t LastX = 0, LastY = 0; // the pointer at the last mouse event

// Drawing `count` vertices reads that many elements of `floats` floats from the payload.
void CheckHolds(const TMyCPPArray& array, const std::string& file, int32_t count, int floats) {
    if (count <= 0)
        throw std::runtime_error(file + ": no vertices (count " + std::to_string(count) + ")");
    if (array.Size() / floats / int32_t{sizeof(GLfloat)} < count)
        throw std::runtime_error(file + ": too short for " + std::to_string(count) +
                                 " vertices of " + std::to_string(floats) + " floats");
}

// The bounding box's centre, and the scale that fits its diagonal to 2 × ModelRadius.
void Measure(const GLfloat* xyz, int32_t count) {
    GLfloat low[3] = {xyz[0], xyz[1], xyz[2]};
    GLfloat high[3] = {xyz[0], xyz[1], xyz[2]};
    for (int32_t i = 0; i < 3 * count; ++i) {
        low[i % 3] = std::min(low[i % 3], xyz[i]);
        high[i % 3] = std::max(high[i % 3], xyz[i]);
    }
    for (int axis = 0; axis < 3; ++axis)
        Centre[axis] = (low[axis] + high[axis]) / 2;
    const GLfloat diagonal = std::hypot(high[0] - low[0], high[1] - low[1], high[2] - low[2]);
    Scale = diagonal > 0 ? 2 * ModelRadius / diagonal : 1.0f;
}

void LoadModel(const std::string& vertexFile, const std::string& texCoordFile) {
    Vertices = std::make_unique<TMyCPPArray>(vertexFile);
    CheckHolds(*Vertices, vertexFile, Vertices->Count(), 3);
    TexCoords = std::make_unique<TMyCPPArray>(texCoordFile);
    CheckHolds(*TexCoords, texCoordFile, Vertices->Count(), 2);
    Measure(static_cast<const GLfloat*>(Vertices->Data()), Vertices->Count());
    Pack.TexCoordSize = 2;
    Pack.TexCoordType = GL_FLOAT;
    Pack.TexCoordPointer = TexCoords->Data();
    Pack.VertexSize = 3;
    Pack.VertexType = GL_FLOAT;
    Pack.VertexPointer = Vertices->Data();
    Pack.Mode = GL_QUADS;
    Pack.Count = Vertices->Count();
}

// The model-view matrix of the view, from the identity a resize leaves: the model turned about
// its own centre.
void SetView(GLfloat pitch, GLfloat yaw) {
    Pitch = pitch;
    Yaw = yaw;
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -ModelDistance);
    glRotatef(Pitch, 1.0f, 0.0f, 0.0f);
    glRotatef(Yaw, 0.0f, 1.0f, 0.0f);
    glScalef(Scale, Scale, Scale);
    glTranslatef(-Centre[0], -Centre[1], -Centre[2]);
}

// A drag turns by how far the pointer moved since the last event (CurrentMouse holds where it is).
void Drag() {
    if (Dragging)
        SetView(Pitch + DegreesPerPixel * (CurrentMouse->Y - LastY),
                Yaw + DegreesPerPixel * (CurrentMouse->X - LastX));
    LastX = CurrentMouse->X;
    LastY = CurrentMouse->Y;
}

void BindInput() {
    CurrentKeyboard->SetHandler(VK_LEFT, KeyDownTable, [] { SetView(Pitch - TiltDegrees, Yaw); });
    CurrentKeyboard->SetHandler(VK_RIGHT, KeyDownTable, [] { SetView(Pitch + TiltDegrees, Yaw); });
    CurrentKeyboard->SetHandler('R', KeyDownTable, [] { SetView(StartPitch, 0.0f); });
    CurrentMouse->SetHandler(TMouseEvent::LeftDown, [] { Dragging = true; });
    CurrentMouse->SetHandler(TMouseEvent::LeftUp, [] { Dragging = false; });
    CurrentMouse->SetHandler(TMouseEvent::Move, Drag);
    ResizeRoutine = [](int32_t, int32_t) { SetView(Pitch, Yaw); };
}

// The picture of `file` as the model's texture; a file the reader refuses changes nothing.
void UseTexture(const std::string& file) {
    GLint width = 0, height = 0;
    GLenum format = 0, type = 0;
    auto pixels = ReadImage(file, width, height, format, type);
    if (!pixels) {
        std::fprintf(stderr, "model-viewer: %s\n", LastFailure().c_str());
        return;
    }
    RescaleImage(*pixels, width, height, format, type);
    glDeleteTextures(1, &Material->Texture);
    Material->Texture = UploadTexture(*pixels, width, height, format, type);
}

WNDPROC OtherMessages = nullptr;

LRESULT VYN_WINAPI TakeDrops(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_DROPFILES)
        return OtherMessages(window, message, wParam, lParam);
    for (const std::string& file : TakeDroppedFiles(wParam))
        UseTexture(file);
    return 0;
}

// The picture is read before the window opens, so that a bad file opens none.
void BuildScene(const std::string& pictureFile) {
    GLint width = 0, height = 0;
    GLenum format = 0, type = 0;
    auto pixels = ReadImage(pictureFile, width, height, format, type);
    if (!pixels)
        throw std::runtime_error(LastFailure());
    CreateGlobals();
    Framework.WindowName = "model-viewer";
    if (!CreateFromSettings())
        throw std::runtime_error("cannot open the window: " + LastFailure());
    Material = CurrentRenderList->AddMaterial(1);
    if (!Material || !Material->AddPack(&Pack))
        throw std::runtime_error("cannot build the scene: " + LastFailure());
    RescaleImage(*pixels, width, height, format, type);
    Material->Texture = UploadTexture(*pixels, width, height, format, type);
}

} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments = Utf8Arguments(argc, argv);
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: model-viewer VERTICES TEXCOORDS PICTURE\n");
        return 2;
    }
    try {
        LoadModel(arguments[1], arguments[2]);
        BuildScene(arguments[3]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "model-viewer: %s\n", error.what());
        return 1;
    }
    BindInput();
    OtherMessages = FallbackWindowProc;
    FallbackWindowProc = TakeDrops;
    DragAcceptFiles(Framework.WindowHandle, TRUE);
    SetDrawOnDemand(true);
    ShowMainWindow();
    DrawFrame();
    return RunMainLoop() ? 0 : 1;
}
