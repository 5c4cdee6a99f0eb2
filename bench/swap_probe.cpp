// The swap probe: a library preloaded (LD_PRELOAD) into a program to measure it from outside, the
// same way whichever program it is. It wraps SDL_GL_SwapWindow, which both the landscape demo
// and its baseline call once per presented frame, timestamps every frame, reads the framebuffer's
// make-up once with the context current, and writes a report at exit (vynSwapTally.h): swaps,
// time from launch to the first frame, frame rate, frame-time percentile and processor time per
// frame and per second after a warm-up, peak resident memory. It also wraps SDL_Delay, through
// which a frame-rate limit sleeps, to tell a frame's own processor time from the sleep's.
//
// SDL_GL_SwapWindow rather than glXSwapBuffers: SDL looks glXSwapBuffers up with dlsym in the GL
// library it opened itself, so a preloaded definition of it would never be called.
//
// Environment: VYN_PROBE_REPORT names the report file (standard error without it);
// VYN_PROBE_LAUNCH is the launch time in seconds since the epoch with a fractional part (bash's
// $EPOCHREALTIME just before exec); without it the time this library was loaded stands in.
// Called on the thread that presents frames; the report is written by the exiting thread.
#include "bench/vynSwapTally.h"

#include <GL/gl.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <string>

struct SDL_Window;

namespace vyn {

namespace {

double ClockSeconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double RealtimeSeconds() {
    return ClockSeconds(CLOCK_REALTIME);
}

double LaunchSeconds() {
    const char* text = std::getenv("VYN_PROBE_LAUNCH");
    char* end = nullptr;
    const double launch = text ? std::strtod(text, &end) : 0.0;
    return text && end != text && *end == '\0' && launch > 0 ? launch : RealtimeSeconds();
}

SwapTally& Tally() {
    static SwapTally tally(LaunchSeconds());
    return tally;
}

// Never destroyed: the report is written after the exit handlers that destroy statics have run.
std::optional<FramebufferBits>& Framebuffer() {
    static auto* const framebuffer = new std::optional<FramebufferBits>();
    return *framebuffer;
}

// An entry point of the GL library the program has already loaded; null when there is none.
void* LoadedGLEntry(const char* name) {
    void* library = dlopen("libGL.so.1", RTLD_LAZY | RTLD_NOLOAD);
    return library ? dlsym(library, name) : nullptr;
}

std::optional<FramebufferBits> ReadFramebuffer() {
    using GetIntegerv = void (*)(GLenum, GLint*);
    using GetString = const GLubyte* (*)(GLenum);
    const auto getIntegerv = reinterpret_cast<GetIntegerv>(LoadedGLEntry("glGetIntegerv"));
    const auto getString = reinterpret_cast<GetString>(LoadedGLEntry("glGetString"));
    if (getIntegerv == nullptr || getString == nullptr)
        return std::nullopt;
    FramebufferBits bits;
    getIntegerv(GL_RED_BITS, &bits.Red);
    getIntegerv(GL_GREEN_BITS, &bits.Green);
    getIntegerv(GL_BLUE_BITS, &bits.Blue);
    getIntegerv(GL_ALPHA_BITS, &bits.Alpha);
    getIntegerv(GL_DEPTH_BITS, &bits.Depth);
    getIntegerv(GL_STENCIL_BITS, &bits.Stencil);
    GLint viewport[4] = {};
    getIntegerv(GL_VIEWPORT, viewport);
    bits.ViewportWidth = viewport[2];
    bits.ViewportHeight = viewport[3];
    const GLubyte* renderer = getString(GL_RENDERER);
    bits.Renderer = renderer ? reinterpret_cast<const char*>(renderer) : "unknown";
    return bits;
}

// VmHWM of /proc/self/status, in KiB; 0 when it cannot be read.
long PeakResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmHWM:" && status >> value)
            return value;
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

void WriteReport() {
    const char* path = std::getenv("VYN_PROBE_REPORT");
    if (path == nullptr) {
        Tally().Write(std::cerr, Framebuffer(), PeakResidentKiB());
        return;
    }
    std::ofstream report(path);
    Tally().Write(report, Framebuffer(), PeakResidentKiB());
    if (!report)
        std::fprintf(stderr, "swap probe: cannot write %s\n", path);
}

[[gnu::constructor]] void StartTally() {
    Tally();
}

[[gnu::destructor]] void EndTally() {
    WriteReport();
}

} // namespace

} // namespace vyn

// The framework sleeps between frames through SDL_Delay when a frame-rate limit is set.
extern "C" void SDL_Delay(uint32_t milliseconds) {
    using Delay = void (*)(uint32_t);
    static const auto realDelay = reinterpret_cast<Delay>(dlsym(RTLD_NEXT, "SDL_Delay"));
    if (realDelay != nullptr)
        realDelay(milliseconds);
    vyn::Tally().Woke(vyn::ClockSeconds(CLOCK_PROCESS_CPUTIME_ID));
}

extern "C" void SDL_GL_SwapWindow(SDL_Window* window) {
    using Swap = void (*)(SDL_Window*);
    static const auto realSwap = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "SDL_GL_SwapWindow"));
    if (realSwap == nullptr)
        return;
    if (vyn::Tally().SwapCount() == 0)
        vyn::Framebuffer() = vyn::ReadFramebuffer();
    realSwap(window);
    // Every thread of the process: the driver's rasteriser threads work for the frame too.
    vyn::Tally().Swapped(vyn::RealtimeSeconds(), vyn::ClockSeconds(CLOCK_PROCESS_CPUTIME_ID));
}
