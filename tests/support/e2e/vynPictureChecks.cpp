#include "tests/support/e2e/vynPictureChecks.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace vyn::test {

void ExpectSamePicture(const Picture& expected, const Picture& actual, const char* when) {
    const PictureDifference difference = Compare(expected, actual, 0);
    EXPECT_TRUE(difference.SameSize) << when << ": " << actual.Width << "x" << actual.Height
                                     << " against " << expected.Width << "x" << expected.Height;
    EXPECT_EQ(difference.PixelsOverTolerance, 0u)
        << when << ": largest channel step " << difference.LargestChannelStep;
}

void SaveForTheReadme(const Picture& picture, const std::string& name) {
    const char* folder = std::getenv("VYN_SCREENSHOT_DIR");
    if (!folder)
        return;
    std::ofstream out(std::filesystem::path(folder) / (name + ".ppm"), std::ios::binary);
    const std::string bytes = EncodePpm(picture);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace vyn::test
