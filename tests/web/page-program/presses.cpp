// presses: counts the left button's presses on its window and shows in the caption the count,
// the last press's client position and the client size: "presses N at X,Y of WxH". Its window is
// made, released and made again first, as a program switching to full screen does, so that the
// count shows whether the input reaches a window made after the first.
#include <vyn/vyn.h>

#include <cstdio>
#include <string>

using namespace vyn;

namespace {

int Presses = 0;
int32_t PressX = 0, PressY = 0;
int32_t ClientWidth = 0, ClientHeight = 0;

void ShowCount() {
    SetCaption("presses " + std::to_string(Presses) + " at " + std::to_string(PressX) + "," +
               std::to_string(PressY) + " of " + std::to_string(ClientWidth) + "x" +
               std::to_string(ClientHeight));
}

// At 400 x 300 CSS pixels each time: Framework.Width and Height hold the client size in the
// canvas's drawing-buffer pixels, twice as many on a screen of pixel ratio 2.
bool OpenWindow() {
    return CreateWindowAndContext(0, 0, 400, 300, Framework.ColorBits, 0, false, false);
}

void Pressed() {
    ++Presses;
    PressX = CurrentMouse->X;
    PressY = CurrentMouse->Y;
    ShowCount();
}

} // namespace

int main() {
    CreateGlobals();
    Framework.WindowName = "presses";
    if (!OpenWindow() || !ReleaseWindowAndContext() || !OpenWindow()) {
        std::fprintf(stderr, "presses: cannot open the window: %s\n", LastFailure().c_str());
        return 1;
    }
    CurrentMouse->Handlers[MouseLeftDownSlot] = Pressed;
    CurrentMouse->Enabled[MouseLeftDownSlot] = true;
    ResizeRoutine = [](int32_t width, int32_t height) {
        ClientWidth = width;
        ClientHeight = height;
        ShowCount();
    };
    ShowMainWindow();
    DrawFrame();
    return RunMainLoop() ? 0 : 1;
}
