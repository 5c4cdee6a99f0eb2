// Opens the framework's window, draws a triangle kept on the driver's side for ten frames and
// ends with status 0; any failure ends it with status 1 and the framework's reason. Everything
// comes from the one header.
#include <vyn/vyn.h>

#include <cstdio>

// Only <vyn/...> reaches the framework: its source folders are not on a program's include path.
#if __has_include("framework/gl/vynGL.h") || __has_include("gl/vynGL.h")
#error "the framework's source folders are on the include path"
#endif

namespace {

constexpr int FramesToDraw = 10;
int Frames = 0;

const vyn::GLfloat Corners[] = {-1, -1, -6, 0, 1, -6, 1, -1, -6};
const vyn::GLfloat TexCoords[] = {0, 0, 0.5f, 1, 1, 0};
vyn::TMyPackPA_VT Triangle;

bool AddRetainedTriangle() {
    Triangle.DrawRoutine = vyn::DrawRetainedPackPA_VT;
    Triangle.VertexSize = 3;
    Triangle.VertexType = vyn::GL_FLOAT;
    Triangle.VertexPointer = Corners;
    Triangle.TexCoordSize = 2;
    Triangle.TexCoordType = vyn::GL_FLOAT;
    Triangle.TexCoordPointer = TexCoords;
    Triangle.Mode = vyn::GL_TRIANGLES;
    Triangle.Count = 3;
    vyn::TMyGLMaterial* material = vyn::CurrentRenderList->AddMaterial(1);
    return material && material->AddPack(&Triangle);
}

void CountFrame() {
    if (++Frames == FramesToDraw)
        vyn::StopMainLoop();
}

} // namespace

int main() {
    vyn::CreateGlobals();
    if (!vyn::CreateFromSettings() || !AddRetainedTriangle()) {
        std::fprintf(stderr, "consumer: %s\n", vyn::LastFailure().c_str());
        return 1;
    }
    vyn::IdleRoutine = CountFrame;
    vyn::ShowMainWindow();
    if (!vyn::RunMainLoop()) {
        std::fprintf(stderr, "consumer: %s\n", vyn::LastFailure().c_str());
        return 1;
    }
    std::printf("consumer: drew %d frames\n", Frames);
    return Frames == FramesToDraw ? 0 : 1;
}
