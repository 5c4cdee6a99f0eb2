#include "framework/system/vynMappedFile.h"

#include "tests/support/vynBitmapWriter.h"
#include "tests/support/vynTestSupport.h"

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

TEST(MappedFile, CopyOutCopiesARangeAndReportsAFileShortenedMeanwhile) {
    TempDir dir;
    std::vector<uint8_t> content(size_t(3) << 20);
    for (size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<uint8_t>(i / 4096 + i);
    WriteBytes(dir / "data.bin", content);
    const std::string name = (dir / "data.bin").string();
    const MappedFile file(name);
    std::vector<uint8_t> copy(content.size() - 100);
    file.CopyOut(100, copy.size(), copy.data());
    EXPECT_TRUE(std::equal(copy.begin(), copy.end(), content.begin() + 100));
    EXPECT_THROW(file.CopyOut(100, content.size(), copy.data()), std::out_of_range);
    EXPECT_THROW(file.CopyOut(content.size() + 1, 0, copy.data()), std::out_of_range);

    // Another program cuts the file short: an error, not SIGBUS.
    std::filesystem::resize_file(dir / "data.bin", 4096);
    EXPECT_THAT(
        [&] { file.CopyOut(0, copy.size(), copy.data()); },
        ThrowsMessage<std::runtime_error>(HasSubstr(name + ": file changed while it was read")));
}
