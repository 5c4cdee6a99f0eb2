// MappedFile on Windows: an exclusive open (share mode 0), one read-only view, no handle kept.
#include "framework/system/vynMappedFile.h"

#include "tests/support/vynBitmapWriter.h"
#include "tests/support/vynTestSupport.h"

#include "framework/platform/win32/vynWin32Native.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

using ::testing::HasSubstr;
using ::testing::ThrowsMessage;
using vyn::MappedFile;
using vyn::test::TempDir;
using vyn::test::WriteBytes;

namespace {

DWORD HandleCount() {
    DWORD count = 0;
    GetProcessHandleCount(GetCurrentProcess(), &count);
    return count;
}

// A handle opened the way another program might hold the file; closed with the object.
class HeldFile {
  public:
    HeldFile(const std::filesystem::path& path, DWORD access, DWORD share)
        : Handle(CreateFileW(path.wstring().c_str(), access, share, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldFile() {
        if (IsOpen())
            CloseHandle(Handle);
    }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool IsOpen() const { return Handle != INVALID_HANDLE_VALUE; }

  private:
    HANDLE Handle;
};

std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace

TEST(Win32MappedFile, ViewsTheWholeFileAndKeepsNoHandle) {
    TempDir dir;
    const std::vector<uint8_t> content = {1, 2, 3, 250, 0, 7};
    WriteBytes(dir / "data.bin", content);
    const DWORD before = HandleCount();
    const MappedFile file((dir / "data.bin").string());
    EXPECT_EQ(HandleCount(), before);
    EXPECT_EQ(std::vector<uint8_t>(file.Bytes().begin(), file.Bytes().end()), content);
    // The exclusive open ended with the constructor: others may open the file again.
    EXPECT_TRUE(HeldFile(dir / "data.bin", GENERIC_READ, FILE_SHARE_READ).IsOpen());
}

TEST(Win32MappedFile, CopyOutCopiesRangesOfAFileThatCannotShrinkMeanwhile) {
    TempDir dir;
    // Several pages, each byte telling its page and place apart.
    std::vector<uint8_t> bytes(5 * 4096 + 7);
    std::iota(bytes.begin(), bytes.end(), uint8_t{1});
    WriteBytes(dir / "pages.bin", bytes);
    const MappedFile view((dir / "pages.bin").string());

    std::vector<uint8_t> middle(2 * 4096);
    view.CopyOut(4000, middle.size(), middle.data());
    EXPECT_TRUE(std::equal(middle.begin(), middle.end(), bytes.begin() + 4000));
    uint8_t last = 0;
    view.CopyOut(bytes.size() - 1, 1, &last);
    EXPECT_EQ(last, bytes.back());
    view.CopyOut(bytes.size(), 0, nullptr);
    EXPECT_THAT([&] { view.CopyOut(bytes.size() - 1, 2, middle.data()); },
                ThrowsMessage<std::out_of_range>(HasSubstr("pages.bin: copy outside the file")));

    // Windows refuses another program that would cut the file short while the view lives.
    std::error_code refused;
    std::filesystem::resize_file(dir / "pages.bin", 100, refused);
    EXPECT_TRUE(refused);
    EXPECT_EQ(std::filesystem::file_size(dir / "pages.bin"), bytes.size());
    std::vector<uint8_t> whole(bytes.size());
    view.CopyOut(0, whole.size(), whole.data());
    EXPECT_EQ(whole, bytes);
}

TEST(Win32MappedFile, Utf8NamesReachTheWideCall) {
    TempDir dir;
    // "Земля.bmp", written through the wide path, opened through the program's UTF-8 text.
    const auto path = dir.Path() / std::filesystem::path(L"\u0417\u0435\u043C\u043B\u044F.bmp");
    WriteBytes(path, {66, 77});
    const MappedFile file(Utf8(path));
    ASSERT_EQ(file.Bytes().size(), 2u);
    EXPECT_EQ(file.Bytes()[1], 77);
}

TEST(Win32MappedFile, EmptyFileGivesAnEmptyView) {
    TempDir dir;
    WriteBytes(dir / "empty.bin", {});
    const MappedFile file((dir / "empty.bin").string());
    EXPECT_TRUE(file.Bytes().empty());
}

TEST(Win32MappedFile, FilesThatCannotBeMappedThrowNamingFileAndReason) {
    TempDir dir;
    const std::string missing = (dir / "missing.bin").string();
    EXPECT_THAT([&] { MappedFile{missing}; },
                ThrowsMessage<std::runtime_error>(HasSubstr(missing + ": cannot open: ")));
    EXPECT_THAT([&] { MappedFile{missing}; },
                ThrowsMessage<std::runtime_error>(HasSubstr("(error 2)")));
    // Windows does not open a folder as a file at all.
    EXPECT_THAT([&] { MappedFile{dir.Path().string()}; },
                ThrowsMessage<std::runtime_error>(HasSubstr(": cannot open: ")));
    // Devices are not files: the null device reads as empty forever, a console would block.
    EXPECT_THAT([] { MappedFile{"NUL"}; },
                ThrowsMessage<std::runtime_error>(HasSubstr("NUL: not a regular file")));
}

TEST(Win32MappedFile, APipeIsRefusedWithoutBlocking) {
    const wchar_t* name = L"\\\\.\\pipe\\vyn-mapped-file-test";
    const HANDLE server =
        CreateNamedPipeW(name, PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 64, 64, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    EXPECT_THAT([] { MappedFile{"\\\\.\\pipe\\vyn-mapped-file-test"}; },
                ThrowsMessage<std::runtime_error>(HasSubstr(": not a regular file")));
    CloseHandle(server);
}

TEST(Win32MappedFile, AFileAnotherProgramHoldsOpenIsRefused) {
    TempDir dir;
    WriteBytes(dir / "busy.bin", {1, 2, 3});
    const HeldFile writer(dir / "busy.bin", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(writer.IsOpen());
    const std::string busy = (dir / "busy.bin").string();
    // No sharing: a file being written elsewhere is not read half-written.
    EXPECT_THAT([&] { MappedFile{busy}; },
                ThrowsMessage<std::runtime_error>(HasSubstr(busy + ": cannot open: ")));
    EXPECT_THAT([&] { MappedFile{busy}; },
                ThrowsMessage<std::runtime_error>(HasSubstr("(error 32)")));
}
