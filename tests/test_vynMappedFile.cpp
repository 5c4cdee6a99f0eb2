#include "framework/platform/vynMappedFile.h"

#include "support/vynBitmapWriter.h"
#include "support/vynTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace vyn;
using namespace vyn::test;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

namespace {

size_t OpenDescriptors() {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                             std::filesystem::directory_iterator()));
}

} // namespace

TEST(MappedFile, ViewsTheWholeFileWithoutHoldingItOpen) {
    TempDir dir;
    const std::vector<uint8_t> content = {1, 2, 3, 250, 0, 7};
    WriteBytes(dir / "data.bin", content);
    const size_t before = OpenDescriptors();
    const MappedFile file((dir / "data.bin").string());
    EXPECT_EQ(OpenDescriptors(), before);
    EXPECT_EQ(std::vector<uint8_t>(file.Bytes().begin(), file.Bytes().end()), content);
    // The file may go while the view lives; the view keeps the bytes it showed.
    std::filesystem::remove(dir / "data.bin");
    EXPECT_EQ(file.Bytes()[3], 250);
}

TEST(MappedFile, EmptyFileGivesAnEmptyView) {
    TempDir dir;
    WriteBytes(dir / "empty.bin", {});
    const MappedFile file((dir / "empty.bin").string());
    EXPECT_TRUE(file.Bytes().empty());
}

TEST(MappedFile, FilesThatCannotBeMappedThrowNamingFileAndReason) {
    TempDir dir;
    const std::string missing = (dir / "missing.bin").string();
    EXPECT_THAT([&] { MappedFile{missing}; },
                ThrowsMessage<std::runtime_error>(
                    HasSubstr(missing + ": cannot open: No such file or directory")));
    EXPECT_THAT([&] { MappedFile{dir.Path().string()}; },
                ThrowsMessage<std::runtime_error>(HasSubstr(": not a regular file")));
    // A named pipe without a writer must neither block nor be read.
    const std::string pipe = (dir / "pipe").string();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_THAT([&] { MappedFile{pipe}; },
                ThrowsMessage<std::runtime_error>(HasSubstr(pipe + ": not a regular file")));
}

TEST(MappedFile, LargePageAdviceKeepsContent) {
    std::vector<uint8_t> buffer((size_t(5) << 20) + 123, 0x3C);
    AdviseLargePages(buffer.data() + 1, buffer.size() - 1);
    AdviseLargePages(buffer.data(), 10); // too small to matter: ignored
    EXPECT_EQ(std::count(buffer.begin(), buffer.end(), 0x3C), static_cast<long>(buffer.size()));
}
