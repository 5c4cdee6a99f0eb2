// A fixture for the fake backend's own suites: the fake installed with its log, the messages a
// test window's procedure receives, and windows made ready to draw.
#pragma once

#include "framework/testing/vynFakePlatform.h"
#include "tests/support/vynPlatformTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace vyn::test {

// A window class whose procedure is RecordingWindowProc.
WNDCLASSEXA TestClass(const char* name = "vynTest");

class FakePlatformTest : public ::testing::Test {
  protected:
    FakePlatformTest();

    // A registered class and a window of it with the client area 400 × 300 at (10, 20).
    HWND MakeWindow(DWORD style = WS_OVERLAPPEDWINDOW);
    // A shown window with a device context, a pixel format and a current context.
    HWND MakeReadyWindow();
    // Takes every message waiting for the window (at most 100), answering paint requests.
    std::vector<MSG> Drain(HWND window);

    CallLog Log;
    FakePlatform Fake{Log};
};

} // namespace vyn::test
