// GoogleTest checks on captured pictures, and keeping a capture for the README's screenshots.
#pragma once

#include "tests/support/e2e/vynPicture.h"

#include <string>

namespace vyn::test {

// Expects `actual` to be `expected` pixel for pixel; `when` says in the failure which capture it
// was.
void ExpectSamePicture(const Picture& expected, const Picture& actual, const char* when);

// Writes the picture as <name>.ppm into the folder named by VYN_SCREENSHOT_DIR; nothing when it is
// not set.
void SaveForTheReadme(const Picture& picture, const std::string& name);

} // namespace vyn::test
