// The caption changes of an X window as the X server orders them, through a connection of its own:
// every change made after the watch began is reported, none made before. Xlib stays inside the
// source, its macros (Status, Bool, None) away from the suites. Needs DISPLAY set. The test's main
// thread only.
#pragma once

#include "tests/support/e2e/vynPolling.h"

#include <string>

struct _XDisplay;

namespace vyn::test {

class CaptionChanges {
  public:
    // Begins the watch of the window `windowId` (as xdotool prints it); throws std::runtime_error
    // when the display cannot be opened.
    explicit CaptionChanges(const std::string& windowId);
    ~CaptionChanges();
    CaptionChanges(const CaptionChanges&) = delete;
    CaptionChanges& operator=(const CaptionChanges&) = delete;

    // Waits for the next change; false when the deadline passes first.
    bool AwaitNext(Clock::time_point deadline);
    // The caption now.
    std::string Current() const;

  private:
    _XDisplay* Connection;
    unsigned long Target;
};

} // namespace vyn::test
