#include "vynCaptionChanges.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>

#include <chrono>
#include <stdexcept>

namespace vyn::test {

CaptionChanges::CaptionChanges(const std::string& windowId)
    : Connection(XOpenDisplay(nullptr)), Target(std::stoul(windowId)) {
    if (!Connection)
        throw std::runtime_error("cannot open the X display to watch window " + windowId);
    XSelectInput(Connection, Target, PropertyChangeMask);
    // Once the server has the request, it reports every later change.
    XSync(Connection, False);
}

CaptionChanges::~CaptionChanges() {
    XCloseDisplay(Connection);
}

bool CaptionChanges::AwaitNext(Clock::time_point deadline) {
    while (true) {
        while (XPending(Connection) > 0) {
            XEvent event;
            XNextEvent(Connection, &event);
            if (event.type == PropertyNotify && event.xproperty.atom == XA_WM_NAME)
                return true;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        pollfd readable{ConnectionNumber(Connection), POLLIN, 0};
        poll(&readable, 1, static_cast<int>(left.count()));
    }
}

std::string CaptionChanges::Current() const {
    char* name = nullptr;
    XFetchName(Connection, Target, &name);
    const std::string caption = name ? name : "";
    XFree(name);
    return caption;
}

} // namespace vyn::test
