// The landscape demo's entry: reads its one option, runs the demo and reports a failure as one
// line on standard error (status 2 for a bad command line, before any window; 1 for the rest).
#include "vynLandscape.h"

#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    vyn::LandscapeOptions options;
    try {
        options = vyn::ParseLandscapeArguments(argc, argv);
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "landscape: %s\n", error.what());
        return 2;
    }
    try {
        vyn::LandscapeMain(options);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "landscape: %s\n", error.what());
        return 1;
    }
}
