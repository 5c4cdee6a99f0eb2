// make-landscape OUTDIR: writes the landscape demo's data files (pv.cppa2, pt.cppa2 and
// Ground.bmp) into OUTDIR, byte for byte the same on every run.
#include "tools/vynLandscapeFiles.h"

#include <iostream>

int main(int argc, char* argv[]) {
    return vyn::RunMakeLandscape(argc, argv, std::cerr);
}
