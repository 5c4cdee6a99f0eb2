// Helpers of the platform suites: a window procedure that records what it receives, and the
// pixel-format request the framework makes.
#pragma once

#include "framework/platform/vynPlatform.h"

#include <vector>

namespace vyn::test {

// One message as a window procedure received it; fields named as MSG's.
struct Seen {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Seen&) const = default;
};

// Every message RecordingWindowProc received, in order.
extern std::vector<Seen> Received;
// What RecordingWindowProc answers to WM_CREATE; -1 refuses the creation.
extern LRESULT CreateAnswer;

// Records the message, then leaves it to the default window procedure.
LRESULT VYN_WINAPI RecordingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The message kinds of a list of Seen or MSG, in order.
template <typename Message>
std::vector<UINT> MessageKinds(const std::vector<Message>& messages) {
    std::vector<UINT> kinds;
    for (const Message& one : messages)
        kinds.push_back(one.message);
    return kinds;
}

// A double-buffered RGBA window format with OpenGL and these bit counts.
PIXELFORMATDESCRIPTOR PixelRequest(BYTE colour, BYTE depth, BYTE stencil);

// A display mode asking for this size and colour depth, and leaving the frequency alone.
DEVMODEA ModeRequest(DWORD width, DWORD height, DWORD bitsPerPixel);

} // namespace vyn::test
