// vyn-xclose WINDOW: asks an X window to close the way a window manager does when the user clicks
// its close button: a WM_PROTOCOLS client message carrying WM_DELETE_WINDOW. The program that owns
// the window decides what to do (SDL turns it into a close request). Destroying the window
// instead, as `xdotool windowclose` does, pulls the drawable from under the program's GL context.
//
// WINDOW is the X window id, decimal or 0x-hexadecimal, as xdotool prints it. Exit status 0 once
// the message is delivered to the server; 1 with one line on standard error when the display
// cannot be opened, the window does not exist or does not take WM_DELETE_WINDOW; 2 on bad usage.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace vyn {

namespace {

int LastXError = Success;

int RecordXError(Display*, XErrorEvent* error) {
    LastXError = error->error_code;
    return 0;
}

std::optional<Window> ParseWindowId(const char* text) {
    errno = 0;
    char* end = nullptr;
    const unsigned long id = std::strtoul(text, &end, 0);
    if (errno != 0 || end == text || *end != '\0' || id == 0 || text[0] == '-')
        return std::nullopt;
    return static_cast<Window>(id);
}

bool TakesDeleteWindow(Display* display, Window window, Atom deleteWindow) {
    Atom* protocols = nullptr;
    int count = 0;
    if (!XGetWMProtocols(display, window, &protocols, &count))
        return false;
    bool found = false;
    for (int i = 0; i < count; ++i)
        found = found || protocols[i] == deleteWindow;
    XFree(protocols);
    return found;
}

void SendDeleteWindow(Display* display, Window window, Atom deleteWindow) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(deleteWindow);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
}

// Returns the process's exit status.
int CloseWindow(Display* display, Window window) {
    XSetErrorHandler(RecordXError);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    const bool takesIt = TakesDeleteWindow(display, window, deleteWindow);
    XSync(display, False);
    if (LastXError != Success) {
        std::fprintf(stderr, "vyn-xclose: window 0x%lx does not exist\n", window);
        return 1;
    }
    if (!takesIt) {
        std::fprintf(stderr, "vyn-xclose: window 0x%lx does not take WM_DELETE_WINDOW\n", window);
        return 1;
    }
    SendDeleteWindow(display, window, deleteWindow);
    XSync(display, False);
    if (LastXError != Success) {
        std::fprintf(stderr, "vyn-xclose: the close request to 0x%lx failed\n", window);
        return 1;
    }
    return 0;
}

} // namespace

int RunXClose(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vyn-xclose WINDOW\n");
        return 2;
    }
    const std::optional<Window> window = ParseWindowId(argv[1]);
    if (!window) {
        std::fprintf(stderr, "vyn-xclose: '%s' is not a window id\n", argv[1]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "vyn-xclose: cannot open the display\n");
        return 1;
    }
    const int status = CloseWindow(display, *window);
    XCloseDisplay(display);
    return status;
}

} // namespace vyn

int main(int argc, char** argv) {
    return vyn::RunXClose(argc, argv);
}
