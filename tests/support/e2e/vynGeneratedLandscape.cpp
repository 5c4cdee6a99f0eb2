#include "tests/support/e2e/vynGeneratedLandscape.h"

#include "tests/support/e2e/vynChildProcess.h"

namespace vyn::test {

GeneratedLandscape::GeneratedLandscape(const std::string& generator) {
    using namespace std::chrono_literals;
    ToolOutput({generator, Path().string()}, 120s);
}

void GeneratedLandscape::CopyInto(const std::filesystem::path& folder) const {
    std::filesystem::create_directories(folder);
    for (const char* file : LandscapeFiles)
        std::filesystem::copy_file(Path() / file, folder / file);
}

} // namespace vyn::test
