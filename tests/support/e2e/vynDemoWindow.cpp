#include "vynDemoWindow.h"

#include "vynCaptionChanges.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <string_view>
#include <thread>

namespace vyn::test {

namespace {

using namespace std::chrono_literals;

// Long enough for a tool on a loaded machine; a hung tool is killed then and fails the test.
constexpr auto ToolTimeout = 15s;
constexpr auto SearchInterval = 100ms;
constexpr auto CaptionPollInterval = 50ms;
// Where no caption timer tells when frames are drawn, two captures this far apart must agree.
constexpr auto StillGap = 3s;

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

} // namespace

std::optional<int> CaptionFrameRate(const std::string& caption, const std::string& name) {
    const std::string opening = name + " [";
    constexpr std::string_view closing = " FPS]";
    if (!caption.starts_with(opening) || !caption.ends_with(closing) ||
        caption.size() < opening.size() + closing.size())
        return std::nullopt;
    const std::string_view digits = std::string_view(caption).substr(
        opening.size(), caption.size() - opening.size() - closing.size());
    const bool plainDecimal =
        !digits.empty() && digits.size() <= 9 && (digits.size() == 1 || digits[0] != '0') &&
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!plainDecimal)
        return std::nullopt;
    int rate = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), rate);
    return rate;
}

std::optional<DemoWindow> DemoWindow::Await(pid_t pid, const std::string& name,
                                            Clock::duration timeout) {
    return AwaitFound({"xdotool", "search", "--all", "--onlyvisible", "--pid", std::to_string(pid),
                       "--name", "^" + name},
                      name, timeout);
}

std::optional<DemoWindow> DemoWindow::AwaitAnyOwner(const std::string& name,
                                                    Clock::duration timeout) {
    return AwaitFound({"xdotool", "search", "--onlyvisible", "--name", "^" + name}, name, timeout);
}

std::optional<DemoWindow> DemoWindow::AwaitClass(const std::string& windowClass,
                                                 Clock::duration timeout) {
    return AwaitFound({"xdotool", "search", "--onlyvisible", "--class", "^" + windowClass + "$"},
                      windowClass, timeout);
}

std::optional<DemoWindow> DemoWindow::AwaitFound(const std::vector<std::string>& search,
                                                 const std::string& name, Clock::duration timeout) {
    std::string id;
    const auto found = [&] {
        // Exit status 1 means none found yet.
        const ToolResult result = RunTool(search, ToolTimeout);
        id = FirstLine(result.Output);
        return ExitedWith(result.Status, 0) && !id.empty();
    };
    if (!PollUntil(found, Clock::now() + timeout, SearchInterval))
        return std::nullopt;
    return DemoWindow(id, name);
}

std::string DemoWindow::Caption() const {
    return FirstLine(ToolOutput({"xdotool", "getwindowname", WindowId}, ToolTimeout));
}

Picture DemoWindow::Capture() const {
    return ParsePpm(
        ToolOutput({"import", "-window", WindowId, "-depth", "8", "ppm:-"}, ToolTimeout));
}

Picture DemoWindow::CaptureSettled(Clock::duration timeout) const {
    const Clock::time_point deadline = Clock::now() + timeout;
    if (!CaptionFrameRate(Caption(), WindowName))
        return CaptureStill(deadline);
    CaptionChanges changes(WindowId);
    // A tick, once a second, counts the frames since the tick before, and the main thread shows
    // it a moment later (the newest tick only, if it missed one). The first change reported may
    // show a tick made before the watch began, the second frames counted from that tick on; each
    // later one shows a tick whose frames were all drawn after the watch began.
    for (int seen = 1;; ++seen) {
        if (!changes.AwaitNext(deadline))
            throw std::runtime_error("window " + WindowId + " drew no frame after the input");
        if (seen >= 3 && CaptionFrameRate(changes.Current(), WindowName).value_or(0) > 0)
            return Capture();
    }
}

Picture DemoWindow::CaptureStill(Clock::time_point deadline) const {
    Picture previous = Capture();
    std::this_thread::sleep_for(StillGap);
    const auto still = [&] {
        Picture current = Capture();
        const bool same = current == previous;
        previous = std::move(current);
        return same;
    };
    if (!PollUntil(still, deadline, StillGap))
        throw std::runtime_error("the picture of window " + WindowId + " did not settle");
    return previous;
}

void DemoWindow::AwaitIdle(Clock::duration timeout) const {
    const Clock::time_point deadline = Clock::now() + timeout;
    CaptionChanges changes(WindowId);
    for (int idleTicks = 0; idleTicks < 2;) {
        if (!changes.AwaitNext(deadline))
            throw std::runtime_error("window " + WindowId + " still draws");
        const bool idle = CaptionFrameRate(changes.Current(), WindowName) == 0;
        idleTicks = idle ? idleTicks + 1 : 0;
    }
}

std::string DemoWindow::AwaitFrameRate(Clock::time_point deadline) const {
    std::string caption;
    const auto drawing = [&] {
        caption = Caption();
        return CaptionFrameRate(caption, WindowName).value_or(0) > 0;
    };
    PollUntil(drawing, deadline, CaptionPollInterval);
    return caption;
}

void DemoWindow::Focus() const {
    ToolOutput({"xdotool", "windowfocus", "--sync", WindowId}, ToolTimeout);
}

void DemoWindow::FocusByPointer() const {
    // A point well inside the window: its frame belongs to the window manager.
    ToolOutput({"xdotool", "mousemove", "--window", WindowId, "10", "10", "click", "1"},
               ToolTimeout);
    const auto focused = [this] {
        return FirstLine(ToolOutput({"xdotool", "getwindowfocus"}, ToolTimeout)) == WindowId;
    };
    if (!PollUntil(focused, Clock::now() + ToolTimeout, SearchInterval))
        throw std::runtime_error("window " + WindowId + " did not get the focus from a click");
}

void DemoWindow::Press(const std::vector<std::string>& keys) const {
    std::vector<std::string> command{"xdotool", "key", "--clearmodifiers"};
    command.insert(command.end(), keys.begin(), keys.end());
    ToolOutput(command, ToolTimeout);
}

void DemoWindow::MovePointer(int x, int y) const {
    ToolOutput({"xdotool", "mousemove", "--window", WindowId, std::to_string(x), std::to_string(y)},
               ToolTimeout);
}

void DemoWindow::Drag(int fromX, int fromY, int toX, int toY) const {
    ToolOutput({"xdotool", "mousemove", "--window", WindowId, std::to_string(fromX),
                std::to_string(fromY), "mousedown", "1", "mousemove", "--window", WindowId,
                std::to_string(toX), std::to_string(toY), "mouseup", "1"},
               ToolTimeout);
}

void DemoWindow::Resize(int width, int height) const {
    ToolOutput({"xdotool", "windowsize", WindowId, std::to_string(width), std::to_string(height)},
               ToolTimeout);
}

void DemoWindow::Close(const std::string& closeTool) const {
    ToolOutput({closeTool, WindowId}, ToolTimeout);
}

} // namespace vyn::test
