// The demo's window seen from outside, as a user at the X display sees it: found by the process
// that owns it, its caption read, its picture captured, keys pressed into it, the mouse dragged
// across it, resized and closed, all through xdotool, ImageMagick's import and vyn-xclose (a
// window manager's close request), and its caption's changes watched through Xlib.
// Needs DISPLAY set (the suite runs under xvfb-run). The test's main thread only.
#pragma once

#include "tests/support/e2e/vynChildProcess.h"
#include "tests/support/e2e/vynPicture.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vyn::test {

// N of a caption that reads exactly "<name> [N FPS]" (N in plain decimal, at most nine digits);
// none for any other caption.
std::optional<int> CaptionFrameRate(const std::string& caption, const std::string& name);

class DemoWindow {
  public:
    // The visible window of process `pid` whose caption starts with `name`, polled until it
    // appears; none if it has not appeared within `timeout`.
    static std::optional<DemoWindow> Await(pid_t pid, const std::string& name,
                                           Clock::duration timeout);
    // The same for a window of any process, for programs that do not tell X their process id
    // (_NET_WM_PID), as X toolkit programs such as xmessage do not.
    static std::optional<DemoWindow> AwaitAnyOwner(const std::string& name,
                                                   Clock::duration timeout);
    // The same for a window found by its class, for programs that name their window only in
    // _NET_WM_NAME, which xdotool's name search does not read (weston's output window).
    static std::optional<DemoWindow> AwaitClass(const std::string& windowClass,
                                                Clock::duration timeout);

    const std::string& Id() const { return WindowId; }
    std::string Caption() const;
    Picture Capture() const;
    // A capture that shows every event sent before the call: taken once the window has drawn a
    // frame since, which the program does only after handling every event it has. Where the
    // caption shows a frame rate, its ticks, watched in the X server's order, tell: frames counted
    // wholly after the call began. Two captures that agree would not: a program starved of the
    // processor draws nothing between them. Only a window without the caption timer is taken as
    // settled when two captures 3 s apart agree. Throws std::runtime_error if no frame is drawn,
    // or the picture still changes, after `timeout`.
    Picture CaptureSettled(Clock::duration timeout) const;
    // Polls the caption until it shows a frame rate above 0 or the deadline passes; returns the
    // caption read last.
    std::string AwaitFrameRate(Clock::time_point deadline) const;
    // Waits until the caption's ticks, watched in the X server's order, show two seconds running
    // without a frame; throws std::runtime_error if the window still draws after `timeout`.
    void AwaitIdle(Clock::duration timeout) const;

    // Gives the window the input focus directly (XSetInputFocus), as no window manager is there to.
    void Focus() const;
    // Points at the window and clicks into it, as a user hands a window the focus where a window
    // manager gives it out, and waits until the window has it; throws std::runtime_error if it
    // does not get it.
    void FocusByPointer() const;
    // Presses and releases each key in turn (xdotool key names) into the focused window.
    void Press(const std::vector<std::string>& keys) const;
    // Moves the pointer to (x, y) in the window's client coordinates.
    void MovePointer(int x, int y) const;
    // Moves the pointer to (fromX, fromY), holds the left button down while it moves to
    // (toX, toY), and lets go there.
    void Drag(int fromX, int fromY, int toX, int toY) const;
    void Resize(int width, int height) const;
    // Asks the window to close as a window manager would (WM_DELETE_WINDOW).
    void Close(const std::string& closeTool) const;

  private:
    DemoWindow(std::string id, std::string name)
        : WindowId(std::move(id)), WindowName(std::move(name)) {}
    static std::optional<DemoWindow> AwaitFound(const std::vector<std::string>& search,
                                                const std::string& name, Clock::duration timeout);
    Picture CaptureStill(Clock::time_point deadline) const;

    std::string WindowId;
    std::string WindowName;
};

} // namespace vyn::test
