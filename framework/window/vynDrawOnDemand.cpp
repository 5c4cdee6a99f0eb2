#include "vynDrawOnDemand.h"

namespace vyn {

namespace {

bool OnDemand = false;
// A reason came since the last frame; set to begin with, so that the mode's first pass draws.
bool Wanted = true;

bool IsInput(UINT message) {
    return (message >= WM_KEYDOWN && message <= WM_SYSCHAR) ||
           (message >= WM_MOUSEMOVE && message <= WM_MOUSEHWHEEL) || message == WM_DROPFILES;
}

} // namespace

bool SetDrawOnDemand(bool on) {
    OnDemand = on;
    Wanted = true;
    return true;
}

bool DrawOnDemand() {
    return OnDemand;
}

void NoteReasonToDraw(UINT message) {
    if (IsInput(message) || message == WM_SIZE || message == WM_PAINT || message == WM_TIMER ||
        message == WM_ACTIVATE || message == WM_SETFOCUS)
        Wanted = true;
}

bool FrameWanted() {
    return !OnDemand || Wanted;
}

void FrameTaken() {
    Wanted = false;
}

void ResetDrawOnDemand() {
    SetDrawOnDemand(false);
}

} // namespace vyn
