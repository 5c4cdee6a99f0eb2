// The demo's three data files as the generator (tools/make-landscape) makes them, in a temporary
// folder of their own, made once and copied into each test's folder where the test may damage them.
#pragma once

#include "app/vynLandscapeData.h"
#include "tests/support/vynTestSupport.h"

#include <filesystem>
#include <string>

namespace vyn::test {

inline constexpr const char* LandscapeFiles[] = {VertexFileName, TexCoordFileName, GroundFileName};

class GeneratedLandscape : public TempDir {
  public:
    // Runs the generator into the folder; throws when it fails or takes over two minutes.
    explicit GeneratedLandscape(const std::string& generator);
    // Copies the three files into `folder`, making it first when it does not exist.
    void CopyInto(const std::filesystem::path& folder) const;
};

} // namespace vyn::test
