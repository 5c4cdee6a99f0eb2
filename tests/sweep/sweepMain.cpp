// gl-sweep: draws every case of the feature sweep, one after the other, in the lower left corner
// of one window, reads each back and writes them side by side, ten to a row in the order of the
// table, as FOLDER/sweep.ppm, with the cases' names one to a line in FOLDER/sweep.txt (written
// last: a reader waits for it). Natively under Xvfb and in a page, so that a test can compare the
// two. Exits with 1 and names them when a case leaves its cell blank.
//
//     gl-sweep [FOLDER]        (default: the current folder)
#include "sweepCases.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using namespace sweep;

namespace {

constexpr int Columns = 10;
// A dark blue-grey that no case draws with, so that a blank cell shows.
constexpr GLfloat Background[] = {0.15f, 0.15f, 0.25f, 1};

std::vector<SweepCase> AllCases() {
    std::vector<SweepCase> cases;
    for (auto topic : {GeometryCases, RasterCases, LightingCases, TextureCases, FragmentCases,
                       PixelCases, EvaluationCases, GluCases})
        for (const SweepCase& each : topic())
            cases.push_back(each);
    return cases;
}

// The cell as RGB rows from the top; whether any pixel differs from the background.
bool ReadCell(std::vector<GLubyte>& rgb) {
    std::vector<GLubyte> rgba(CellSize * CellSize * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, CellSize, CellSize, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    rgb.clear();
    bool drawn = false;
    for (int row = CellSize - 1; row >= 0; --row)
        for (int column = 0; column < CellSize; ++column) {
            const GLubyte* pixel = &rgba[(row * CellSize + column) * 4];
            rgb.insert(rgb.end(), pixel, pixel + 3);
            drawn = drawn || pixel[0] != rgba[0] || pixel[1] != rgba[1] || pixel[2] != rgba[2];
        }
    return drawn;
}

void PlaceCell(std::vector<GLubyte>& atlas, int index, const std::vector<GLubyte>& rgb) {
    const int width = Columns * CellSize, left = index % Columns * CellSize;
    const int top = index / Columns * CellSize;
    for (int row = 0; row < CellSize; ++row)
        std::copy_n(&rgb[row * CellSize * 3], CellSize * 3,
                    &atlas[((top + row) * width + left) * 3]);
}

bool WriteResults(const std::string& folder, const std::vector<SweepCase>& cases,
                  const std::vector<GLubyte>& atlas) {
    const int rows = int(cases.size() + Columns - 1) / Columns;
    std::ofstream picture(folder + "/sweep.ppm", std::ios::binary);
    picture << "P6\n" << Columns * CellSize << ' ' << rows * CellSize << "\n255\n";
    picture.write(reinterpret_cast<const char*>(atlas.data()), std::streamsize(atlas.size()));
    std::ofstream names(folder + "/sweep.txt.part");
    for (const SweepCase& each : cases)
        names << each.Name << '\n';
    names.close();
    return picture.good() && names.good() &&
           std::rename((folder + "/sweep.txt.part").c_str(), (folder + "/sweep.txt").c_str()) == 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : ".";
    CreateGlobals();
    Framework.WindowName = "gl-sweep";
    Framework.PlainContext = true;
    // An accumulation buffer where there is one: without it, glAccum's case draws differently.
    Framework.AccumBits = 64;
    if (!CreateFromSettings()) {
        std::printf("gl-sweep: no accumulation buffer: %s\n", LastFailure().c_str());
        Framework.AccumBits = 0;
    }
    if ((Framework.WindowHandle == nullptr && !CreateFromSettings()) || !ShowMainWindow()) {
        std::fprintf(stderr, "gl-sweep: cannot open the window: %s\n", LastFailure().c_str());
        return 1;
    }
    const std::vector<SweepCase> cases = AllCases();
    const int rows = int(cases.size() + Columns - 1) / Columns;
    std::vector<GLubyte> atlas(size_t(rows) * CellSize * Columns * CellSize * 3), rgb;
    int blank = 0;
    for (size_t index = 0; index < cases.size(); ++index) {
        RestoreDefaults();
        glClearColor(Background[0], Background[1], Background[2], Background[3]);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        cases[index].Draw();
        RestoreDefaults(); // pixel transfer applies to glReadPixels too
        if (!ReadCell(rgb)) {
            std::fprintf(stderr, "gl-sweep: %s draws nothing\n", cases[index].Name);
            ++blank;
        }
        PlaceCell(atlas, int(index), rgb);
    }
    if (!WriteResults(folder, cases, atlas)) {
        std::fprintf(stderr, "gl-sweep: cannot write the pictures into %s\n", folder.c_str());
        return 1;
    }
    std::printf("gl-sweep: %zu cases, %d blank\n", cases.size(), blank);
    ReleaseWindowAndContext();
    return blank == 0 ? 0 : 1;
}
