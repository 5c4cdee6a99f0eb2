// A program's globals and exit handlers call the framework after main has returned: the caption
// timer, left running, is stopped at exit, and a global that owns a retained pack forgets it and
// releases the window again. The framework's state must outlive them all: the
// program ends with status 0 only if the last call still says why it failed, and a sanitizer
// build also fails it for any use of state already destroyed, and for any leak.
#include <vyn/testing.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

vyn::GLfloat Corners[12] = {};
vyn::GLfloat TexCoords[8] = {};

struct TPackOwner {
    vyn::TMyPackPA_VT Pack;

    ~TPackOwner() {
        vyn::ForgetRetainedPack(&Pack);
        vyn::ReleaseResources();
        const bool released = vyn::ReleaseWindowAndContext();
        const std::string reason = vyn::LastFailure();
        if (released || reason.find("no window") == std::string::npos) {
            std::printf("after main: %s (%s)\n", released ? "released again" : "refused",
                        reason.c_str());
            std::_Exit(1);
        }
    }
};

// Made before the framework's own state, as this file comes first on the link line, so
// destroyed after it.
TPackOwner Owner;

bool DrawRetainedAndStartTheTimer() {
    Owner.Pack.DrawRoutine = vyn::DrawRetainedPackPA_VT;
    Owner.Pack.VertexSize = 3;
    Owner.Pack.VertexType = vyn::GL_FLOAT;
    Owner.Pack.VertexPointer = Corners;
    Owner.Pack.TexCoordSize = 2;
    Owner.Pack.TexCoordType = vyn::GL_FLOAT;
    Owner.Pack.TexCoordPointer = TexCoords;
    Owner.Pack.Mode = vyn::GL_QUADS;
    Owner.Pack.Count = 4;
    vyn::TMyGLMaterial* material = vyn::CurrentRenderList->AddMaterial(1);
    return material && material->AddPack(&Owner.Pack) && vyn::DrawFrame() && vyn::SetFpsTimer(true);
}

} // namespace

int main() {
    vyn::CallLog log;
    vyn::RecordingGL gl{log};
    vyn::FakePlatform platform{log};
    gl.Strings[vyn::GL_VERSION] = "1.5";
    vyn::CreateGlobals();
    if (!vyn::CreateFromSettings() || !DrawRetainedAndStartTheTimer()) {
        std::printf("cannot set up: %s\n", vyn::LastFailure().c_str());
        return 1;
    }
    platform.Close();
    const bool ran = vyn::RunMainLoop();
    // The loop released everything already: this records a reason, which the end of the main
    // thread must not free from under the calls after main.
    vyn::ReleaseWindowAndContext();
    return ran ? 0 : 1;
}
