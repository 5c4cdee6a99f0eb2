// texture-viewer PICTURE | FOLDER: shows a picture (BMP, PNG, JPEG, TGA or GIF) on a quad at its
// own aspect ratio, with the file's name in the caption. Right and Left step to the next and the
// previous file of the folder that the reader accepts; the files it refuses are skipped. A
// picture dropped on the window is shown, and its folder becomes the one stepped through. A still
// picture needs no frames between key presses: the loop draws on demand and otherwise sleeps.
#include <vyn/vyn.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

using namespace vyn;

namespace {

namespace fs = std::filesystem;

// The quad sits this far away and fills this share of the view's height or width. The view's
// half-height there follows from the framework's fixed 45° field of view: tan 22.5° = 0.4142.
constexpr GLfloat Distance = 3.0f;
constexpr GLfloat Fill = 0.9f;
constexpr GLfloat HalfViewHeight = Distance * 0.41421356f;

std::vector<fs::path> Files; // the folder's files, by name
size_t Shown = 0;
GLfloat PictureAspect = 1.0f; // width / height
TMyGLMaterial* Material = nullptr;

// The largest quad of the picture's aspect ratio that fits the share of the window; corners
// clockwise as the eye sees them, the picture's bottom row at the bottom.
struct PictureQuad : TMyDrawPack {
    PictureQuad() : TMyDrawPack{Draw} {}

    static void Draw(TMyDrawPack*) {
        const GLfloat windowAspect = static_cast<GLfloat>(Framework.Width) /
                                     static_cast<GLfloat>(std::max(Framework.Height, 1));
        const GLfloat h = Fill * HalfViewHeight * std::min(1.0f, windowAspect / PictureAspect);
        const GLfloat w = h * PictureAspect;
        const GLfloat corners[] = {-w, -h, -Distance, -w, h,  -Distance,
                                   w,  h,  -Distance, w,  -h, -Distance};
        static const GLfloat texCoords[] = {0, 0, 0, 1, 1, 1, 1, 0};
        glTexCoordPointer(2, GL_FLOAT, 0, texCoords);
        glVertexPointer(3, GL_FLOAT, 0, corners);
        glDrawArrays(GL_QUADS, 0, 4);
    }
};

PictureQuad Quad;

// The picture of `file` as the material's texture, in place of the one shown before; false, with
// nothing changed, for a file the reader refuses.
bool Show(const fs::path& file) {
    TBitmapImage image;
    try {
        auto pixels =
            ReadImage(Utf8Path(file), image.Width, image.Height, image.Format, image.Type);
        if (!pixels)
            return false;
        image.Pixels = std::move(*pixels);
    } catch (const std::exception&) {
        return false;
    }
    PictureAspect = static_cast<GLfloat>(image.Width) / static_cast<GLfloat>(image.Height);
    RescaleImage(image.Pixels, image.Width, image.Height, image.Format, image.Type);
    glDeleteTextures(1, &Material->Texture);
    Material->Texture =
        UploadTexture(image.Pixels, image.Width, image.Height, image.Format, image.Type);
    SetCaption(Utf8Path(file.filename()));
    return true;
}

// Shows the first file the reader accepts from Files[start] on, going forward or back round the
// folder; false when there is none.
bool ShowFrom(size_t start, bool forward) {
    const size_t count = Files.size();
    for (size_t tried = 0; tried < count; ++tried) {
        const size_t at = forward ? (start + tried) % count : (start + count - tried) % count;
        if (Show(Files[at])) {
            Shown = at;
            return true;
        }
    }
    return false;
}

// The folder's files by name, and where the named one (or the folder's first) stands among them.
size_t ListFolder(const fs::path& argument) {
    const fs::path folder = fs::is_directory(argument) ? argument : argument.parent_path();
    for (const fs::directory_entry& entry : fs::directory_iterator(folder.empty() ? "." : folder))
        if (entry.is_regular_file())
            Files.push_back(entry.path());
    std::sort(Files.begin(), Files.end());
    const auto named = std::find_if(Files.begin(), Files.end(), [&](const fs::path& file) {
        return file.filename() == argument.filename();
    });
    return named == Files.end() ? 0 : static_cast<size_t>(named - Files.begin());
}

// The first dropped file the reader accepts, with its folder; a refused one changes nothing.
void OpenDropped(const std::vector<std::string>& dropped) {
    std::vector<fs::path> previous = std::move(Files);
    for (const std::string& name : dropped) {
        Files.clear();
        try {
            const size_t at = ListFolder(PathOfUtf8(name));
            if (at < Files.size() && Show(Files[at])) {
                Shown = at;
                return;
            }
        } catch (const std::exception&) { // an unreadable folder: try the next file
        }
        std::fprintf(stderr, "texture-viewer: %s: not a picture the readers accept\n",
                     name.c_str());
    }
    Files = std::move(previous);
}

WNDPROC OtherMessages = nullptr;

LRESULT VYN_WINAPI TakeDrops(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_DROPFILES)
        return OtherMessages(window, message, wParam, lParam);
    OpenDropped(TakeDroppedFiles(wParam));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments = Utf8Arguments(argc, argv);
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: texture-viewer PICTURE | FOLDER\n");
        return 2;
    }
    try {
        const size_t first = ListFolder(PathOfUtf8(arguments[1]));
        CreateGlobals();
        if (!CreateFromSettings())
            throw std::runtime_error("cannot open the window: " + LastFailure());
        // Pictures as they are: unlit, unfogged, full size, sharp pixels.
        glDisable(GL_LIGHTING);
        glDisable(GL_FOG);
        SetTextureSettings(GL_NEAREST, GL_NEAREST, 1, 20, false, false);
        Material = CurrentRenderList->AddMaterial(1);
        if (!Material || !Material->AddPack(&Quad))
            throw std::runtime_error("cannot build the scene: " + LastFailure());
        if (Files.empty() || !ShowFrom(first, true))
            throw std::runtime_error(arguments[1] + ": no picture the readers accept");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "texture-viewer: %s\n", error.what());
        return 1;
    }
    CurrentKeyboard->SetHandler(VK_RIGHT, KeyDownTable,
                                [] { ShowFrom((Shown + 1) % Files.size(), true); });
    CurrentKeyboard->SetHandler(VK_LEFT, KeyDownTable,
                                [] { ShowFrom((Shown + Files.size() - 1) % Files.size(), false); });
    OtherMessages = FallbackWindowProc;
    FallbackWindowProc = TakeDrops;
    DragAcceptFiles(Framework.WindowHandle, TRUE);
    // No caption timer: it would write "<window name> [N FPS]" over the file's name.
    SetDrawOnDemand(true);
    ShowMainWindow();
    DrawFrame();
    return RunMainLoop() ? 0 : 1;
}
