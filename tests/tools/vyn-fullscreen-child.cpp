// vyn-fullscreen-child HOW: a full-screen framework program that changes the display mode and
// then ends as HOW says, for the tests of the display-mode guard on the SDL backend.
//
// It makes the framework's window and context full screen (a 640 × 480 popup, which changes the
// display mode through ChangeDisplaySettingsA on SDL), shows it and prints "ready: full screen"
// (or "ready: windowed" when SDL did not make the window full screen). Then, by HOW:
//   loop   runs the main loop until the window is closed (SIGINT and SIGTERM close it through
//          SDL's quit request), prints "loop ended" and exits 0;
//   stall  takes no messages and waits for signals for ever;
//   segv   writes to a page that may not be written;
//   abort  calls std::abort;
//   throw  lets an exception leave main;
//   exit   calls std::exit(3) without the teardown.
// Every ChangeDisplaySettingsA goes through a probe in front of the SDL backend: a successful
// restore prints "mode restored", and "window left full screen" while the window still exists.
// Standard output is unbuffered single writes, so that the lines survive a dying process.
// Exit status 2 on bad usage or when the window cannot be made.
#include "framework/platform/vynPlatform.h"
#include "framework/window/vynMainWindow.h"
#include "framework/window/vynWindowLoop.h"

#include <SDL.h>

#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string_view>

namespace vyn {

namespace {

void Say(const char* line) {
    const ssize_t written = ::write(STDOUT_FILENO, line, std::strlen(line));
    (void)written;
}

bool FullScreen(SDL_Window* window) {
    return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
}

LONG VYN_WINAPI ProbedChangeDisplaySettingsA(DEVMODEA* mode, DWORD flags) {
    const LONG result = NativePlatformBackend().ChangeDisplaySettingsA(mode, flags);
    if (mode == nullptr && result == DISP_CHANGE_SUCCESSFUL) {
        Say("mode restored\n");
        // The context is current on the framework's window until the teardown releases it.
        if (SDL_Window* window = SDL_GL_GetCurrentWindow(); window && !FullScreen(window))
            Say("window left full screen\n");
    }
    return result;
}

PlatformBackend ProbedBackend() {
    PlatformBackend probed = NativePlatformBackend();
    probed.Name = "sdl2 with a display-mode probe";
    probed.ChangeDisplaySettingsA = ProbedChangeDisplaySettingsA;
    return probed;
}

void WriteToAProtectedPage() {
    void* page = mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (page != MAP_FAILED)
        *static_cast<volatile char*>(page) = 1;
}

// A sanitizer's own fault handler would report the fault before the default action: take the
// default, so that every build ends the same way.
void DefaultFaultAction() {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(SIGSEGV, &action, nullptr);
}

bool MakeFullScreenWindow() {
    CreateGlobals();
    if (!CreateWindowAndContext(0, 0, 640, 480, 32, 0, true, true))
        return false;
    ShowMainWindow();
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    Say(window && FullScreen(window) ? "ready: full screen\n" : "ready: windowed\n");
    return true;
}

int EndAs(std::string_view how) {
    if (how == "loop") {
        RunMainLoop();
        Say("loop ended\n");
        return 0;
    }
    if (how == "stall")
        for (;;)
            pause();
    if (how == "segv")
        WriteToAProtectedPage();
    else if (how == "abort")
        std::abort();
    else if (how == "throw")
        throw std::runtime_error("not caught");
    else if (how == "exit")
        std::exit(3);
    return 2;
}

bool Known(std::string_view how) {
    for (std::string_view known : {"loop", "stall", "segv", "abort", "throw", "exit"})
        if (how == known)
            return true;
    return false;
}

} // namespace

} // namespace vyn

int main(int argc, char** argv) {
    if (argc != 2 || !vyn::Known(argv[1])) {
        std::fputs("usage: vyn-fullscreen-child loop|stall|segv|abort|throw|exit\n", stderr);
        return 2;
    }
    vyn::DefaultFaultAction();
    static const vyn::PlatformBackend probed = vyn::ProbedBackend();
    vyn::UsePlatformBackend(probed);
    if (!vyn::MakeFullScreenWindow()) {
        std::fputs("vyn-fullscreen-child: cannot make the full-screen window\n", stderr);
        return 2;
    }
    return vyn::EndAs(argv[1]);
}
