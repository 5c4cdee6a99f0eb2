// Files dropped on a window: only a window that accepts them hears of them, DragQueryFileA answers
// as Windows' does (count, lengths, copies cut to the buffer), and TakeDroppedFiles reads a drop
// and releases it.
#include "framework/platform/emulation/vynDroppedFiles.h"
#include "framework/window/vynHelpersU.h"
#include "tests/support/vynFakePlatformTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vyn;
using namespace vyn::test;

namespace {

class DroppedFilesTest : public FakePlatformTest {
  protected:
    // The WM_DROPFILES messages that were waiting for the window.
    std::vector<MSG> Drops(HWND window) {
        std::vector<MSG> taken = Drain(window);
        std::erase_if(taken, [](const MSG& message) { return message.message != WM_DROPFILES; });
        return taken;
    }
};

TEST_F(DroppedFilesTest, OnlyAWindowThatAcceptsFilesHearsOfADrop) {
    const HWND window = MakeReadyWindow();
    EXPECT_FALSE(Fake.DropFiles({"a.bmp"}));
    vyn::DragAcceptFiles(window, TRUE);
    EXPECT_FALSE(Fake.DropFiles({}));
    EXPECT_TRUE(Fake.DropFiles({"a.bmp"}));
    EXPECT_EQ(Drops(window).size(), 1u);
    vyn::DragAcceptFiles(window, FALSE);
    EXPECT_FALSE(Fake.DropFiles({"b.bmp"}));
    EXPECT_TRUE(Drops(window).empty());
    EXPECT_EQ(Fake.DropsHeld(), 1u) << "the first drop stays held until DragFinish";
}

TEST_F(DroppedFilesTest, DragQueryFileAAnswersAsWindowsDoes) {
    const HWND window = MakeReadyWindow();
    vyn::DragAcceptFiles(window, TRUE);
    Fake.DropFiles({"pictures/a.bmp", "b \xC3\xA9.png"});
    const std::vector<MSG> drops = Drops(window);
    ASSERT_EQ(drops.size(), 1u);
    const auto drop = reinterpret_cast<HDROP>(drops[0].wParam);
    struct Case {
        HDROP Drop;
        UINT Index;
        UINT Size; // of the buffer; 0 with no buffer at all when Buffer is false
        bool Buffer;
        UINT Answer;
        std::string Copied;
    };
    const HDROP unknown = reinterpret_cast<HDROP>(drops[0].wParam + 1);
    const Case cases[] = {
        {drop, DropFileCount, 0, false, 2, ""},    // the count
        {drop, 0, 0, false, 14, ""},               // the length, without its zero
        {drop, 1, 0, false, 8, ""},                // in UTF-8 bytes
        {drop, 0, 64, true, 14, "pictures/a.bmp"}, // the whole name
        {drop, 0, 15, true, 14, "pictures/a.bmp"}, // exactly room for it and its zero
        {drop, 0, 4, true, 3, "pic"},              // cut to the buffer, still terminated
        {drop, 0, 0, true, 0, "untouched"},        // no room at all
        {drop, 2, 64, true, 0, "untouched"},       // no such file
        {unknown, 0, 64, true, 0, "untouched"},    // no such drop
    };
    for (const Case& c : cases) {
        char buffer[64] = "untouched";
        EXPECT_EQ(vyn::DragQueryFileA(c.Drop, c.Index, c.Buffer ? buffer : nullptr, c.Size),
                  c.Answer)
            << "index " << c.Index << ", size " << c.Size;
        if (c.Buffer)
            EXPECT_EQ(std::string(buffer), c.Copied) << "index " << c.Index << ", size " << c.Size;
    }
}

TEST_F(DroppedFilesTest, TakeDroppedFilesReadsEveryNameInOrderAndReleasesTheDrop) {
    const HWND window = MakeReadyWindow();
    vyn::DragAcceptFiles(window, TRUE);
    const std::vector<std::string> dropped = {"one.bmp", "dossier/deux \xC3\xA9t\xC3\xA9.png"};
    Fake.DropFiles(dropped);
    const std::vector<MSG> drops = Drops(window);
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(TakeDroppedFiles(drops[0].wParam), dropped);
    EXPECT_EQ(Fake.DropsHeld(), 0u);
    EXPECT_TRUE(TakeDroppedFiles(drops[0].wParam).empty()) << "a released drop has no files";
}

} // namespace
