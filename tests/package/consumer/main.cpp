// Opens the framework's window, draws ten frames and ends with status 0; any failure ends it
// with status 1 and the framework's reason.
#include <vyn/vyn.h>

#include <cstdio>

namespace {

constexpr int FramesToDraw = 10;
int Frames = 0;

void CountFrame() {
    if (++Frames == FramesToDraw)
        vyn::StopMainLoop();
}

} // namespace

int main() {
    vyn::CreateGlobals();
    if (!vyn::CreateFromSettings()) {
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
