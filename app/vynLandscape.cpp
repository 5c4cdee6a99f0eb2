#include "vynLandscape.h"

#include "framework/core/vynFailure.h"
#include "framework/input/vynKeyBoardU.h"
#include "framework/render/vynRetainedPacks.h"
#include "framework/resources/vynTextureU.h"
#include "framework/window/vynHelpersU.h"
#include "framework/window/vynMainWindow.h"

#include <cstdint>
#include <new>
#include <stdexcept>

namespace vyn {

std::unique_ptr<TMyCPPArray> VertexFile;
std::unique_ptr<TMyCPPArray> TexCoordFile;
std::unique_ptr<TMyPackPA_VT> LandscapePack;

namespace {

std::unique_ptr<TMyCPPArray> LoadArrayFile(const char* fileName) {
    try {
        return std::make_unique<TMyCPPArray>(fileName);
    } catch (const std::bad_alloc&) {
        throw std::runtime_error(std::string(fileName) + ": not enough memory for its payload");
    }
}

// Drawing Count vertices reads Count × floatsPerVertex floats from the payload.
void CheckHoldsCount(const TMyCPPArray& file, const char* fileName, int32_t count,
                     int floatsPerVertex) {
    if (count < 0)
        throw std::runtime_error(std::string(fileName) + ": negative vertex count " +
                                 std::to_string(count));
    const int64_t needed = int64_t{count} * floatsPerVertex * int64_t{sizeof(GLfloat)};
    if (file.Size() < needed)
        throw std::runtime_error(std::string(fileName) + ": holds " + std::to_string(file.Size()) +
                                 " payload bytes, but " + std::to_string(count) + " vertices of " +
                                 std::to_string(floatsPerVertex) + " floats need " +
                                 std::to_string(needed));
}

// Undoes the window if a later step of the start-up fails, so nothing stays changed behind us.
struct WindowGuard {
    bool Armed = true;
    ~WindowGuard() {
        if (Armed && Framework.ContextReady) {
            ReleaseResources();
            ReleaseWindowAndContext();
        }
    }
};

} // namespace

GLuint LoadTexture(const std::string& fileName) {
    GLint width = 0;
    GLint height = 0;
    GLenum format = 0;
    GLenum type = 0;
    std::optional<std::vector<uint8_t>> pixels = ReadBMP(fileName, width, height, format, type);
    if (!pixels)
        return 0;
    RescaleImage(*pixels, width, height, format, type);
    return UploadTexture(*pixels, width, height, format, type);
}

void LoadLandscapeMesh() {
    VertexFile = LoadArrayFile(VertexFileName);
    TexCoordFile = LoadArrayFile(TexCoordFileName);
    // Only the vertex file's count is drawn, and the coordinates must cover every vertex drawn;
    // the coordinate file's own count is taken as read (a stored file may carry another there).
    CheckHoldsCount(*VertexFile, VertexFileName, VertexFile->Count(), 3);
    CheckHoldsCount(*TexCoordFile, TexCoordFileName, VertexFile->Count(), 2);
}

void FillLandscapePack(TMyPackPA_VT& pack) {
    pack.DrawRoutine = DrawPackPA_VT;
    pack.Name = LandscapeName;
    pack.TagA = 99;
    pack.TagB = 0;
    pack.TexCoordSize = 2;
    pack.TexCoordType = GL_FLOAT;
    pack.TexCoordStride = 0;
    pack.TexCoordPointer = TexCoordFile->Data();
    pack.VertexSize = 3;
    pack.VertexType = GL_FLOAT;
    pack.VertexStride = 0;
    pack.VertexPointer = VertexFile->Data();
    pack.Mode = GL_QUADS;
    pack.First = 0;
    pack.Count = VertexFile->Count();
}

void AddLandscapePack(TMyGLMaterial& material) {
    if (!material.AddPack(LandscapePack.get()))
        ShowMessageBox(AddPackFailedMessage);
}

void TiltLeft() {
    glRotatef(-TiltDegrees, 1.0f, 0.0f, 0.0f);
}

void TiltRight() {
    glRotatef(TiltDegrees, 1.0f, 0.0f, 0.0f);
}

LandscapeOptions ParseLandscapeArguments(int argc, const char* const argv[]) {
    LandscapeOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) != "--retained" || options.Retained)
            throw std::invalid_argument("unexpected argument \"" + std::string(argv[i]) + "\" (" +
                                        LandscapeUsage + ")");
        options.Retained = true;
    }
    return options;
}

void LandscapeMain() {
    LandscapeMain(LandscapeOptions{});
}

void LandscapeMain(const LandscapeOptions& options) {
    LoadLandscapeMesh();
    LandscapePack = std::make_unique<TMyPackPA_VT>();
    FillLandscapePack(*LandscapePack);
    if (options.Retained)
        LandscapePack->DrawRoutine = DrawRetainedPackPA_VT;

    CreateGlobals();
    if (!CreateFromSettings())
        throw std::runtime_error("cannot create the window and its OpenGL context: " +
                                 LastFailure());
    WindowGuard guard;

    TMyGLMaterial* material = CurrentRenderList->AddMaterial(1);
    if (!material)
        throw std::runtime_error("cannot add a material to the render list: " + LastFailure());
    material->Name = LandscapeMaterialName;
    material->Texture = LoadTexture(GroundFileName);
    AddLandscapePack(*material);

    CurrentKeyboard->SetHandler(static_cast<int32_t>(VK_LEFT), KeyDownTable, TiltLeft);
    CurrentKeyboard->SetHandler(static_cast<int32_t>(VK_RIGHT), KeyDownTable, TiltRight);

    guard.Armed = false;
    ShowMainWindow();
    SetFpsTimer(true);
    DrawFrame();
    RunMainLoop();
    StopMainLoop();
}

} // namespace vyn
