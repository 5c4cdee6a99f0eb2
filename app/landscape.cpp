// The landscape demo's entry: runs the demo and reports a failure as one line on standard error.
#include "vynLandscape.h"

#include <cstdio>
#include <exception>

int main() {
    try {
        vyn::LandscapeMain();
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "landscape: %s\n", error.what());
        return 1;
    }
}
