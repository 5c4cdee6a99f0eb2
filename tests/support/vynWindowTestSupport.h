// A fixture for the window module's suites: the fake window system and the recording GL double
// writing into one log, a driver that reports OpenGL 1.5, the record at its start values and the
// framework's globals made, as an application has them before it creates its window.
#pragma once

#include "framework/testing/vynFakePlatform.h"
#include "framework/testing/vynFrameworkReset.h"
#include "framework/window/vynMainWindow.h"
#include "vynTestSupport.h"

#include <string>
#include <vector>

namespace vyn::test {

class WindowTest : public ::testing::Test {
  protected:
    CallLog Log;
    RecordingGL Recorder{Log};
    FakePlatform Platform{Log};

    void SetUp() override;
    void TearDown() override;

    // CreateFromSettings, asserted to succeed, then the log emptied.
    void CreateWindowFromSettings();
    // The logged calls from the first one named `name` on.
    std::vector<CallRecord> CallsFrom(const std::string& name) const;
};

} // namespace vyn::test
