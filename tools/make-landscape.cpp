// make-landscape OUTDIR [QUADS_PER_SIDE]: writes the landscape demo's data files (pv.cppa2,
// pt.cppa2 and Ground.bmp) into OUTDIR, byte for byte the same on every run; the mesh has 253
// quads a side unless another size is given (the scaling benchmark's larger and smaller meshes).
#include "tools/vynLandscapeFiles.h"

#include <iostream>

int main(int argc, char* argv[]) {
    return vyn::RunMakeLandscape(argc, argv, std::cerr);
}
