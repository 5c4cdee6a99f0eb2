#include "framework/core/vynAllocation.h"
#include "framework/core/vynFailure.h"
#include "framework/testing/vynFakePlatform.h"
#include "framework/window/vynHelpersU.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

using namespace vyn;

namespace {
// While set, the heap refuses every allocation, as under real exhaustion.
bool HeapRefuses = false;
} // namespace

void* operator new(std::size_t size) {
    void* block = HeapRefuses ? nullptr : std::malloc(size > 0 ? size : 1);
    if (!block)
        throw std::bad_alloc();
    return block;
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

namespace {

TEST(Helpers, FillBufferWritesTheFillByteAndRefusesBadCounts) {
    unsigned char block[8];
    std::memset(block, 0xAB, sizeof block);
    EXPECT_TRUE(FillBuffer(block, 5));
    EXPECT_EQ(block[0], 0);
    EXPECT_EQ(block[4], 0);
    EXPECT_EQ(block[5], 0xAB);

    FillByte = 0x5C;
    EXPECT_TRUE(FillBuffer(block, 2));
    FillByte = 0;
    EXPECT_EQ(block[1], 0x5C);
    EXPECT_EQ(block[2], 0);

    EXPECT_FALSE(FillBuffer(block, -1));
    EXPECT_FALSE(FillBuffer(nullptr, 3));
    EXPECT_TRUE(FillBuffer(nullptr, 0));
    EXPECT_EQ(block[0], 0x5C);
}

TEST(Helpers, AllocZeroedGivesZeroedBlocksAndFailsWithoutChangingTheReference) {
    uint32_t* entries = nullptr;
    ASSERT_TRUE(AllocZeroed(entries, 64 * sizeof(uint32_t)));
    ASSERT_NE(entries, nullptr);
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(entries[i], 0u);
    FreeZeroed(entries);
    EXPECT_EQ(entries, nullptr);

    void* block = &entries;
    EXPECT_TRUE(AllocZeroed(block, 0));
    EXPECT_EQ(block, nullptr);

    void* kept = &entries;
    EXPECT_FALSE(AllocZeroed(kept, -4));
    EXPECT_EQ(kept, &entries);
    InjectAllocationFailures(1);
    EXPECT_FALSE(AllocZeroed(kept, 16));
    EXPECT_EQ(kept, &entries);
    FreeZeroed(block);
}

// The reason is built without the heap: a routine that never throws must not throw there.
TEST(Helpers, AllocZeroedFailsWithItsReasonWhenTheHeapRefusesEverything) {
    RecordFailure(std::string(80, '-')); // room for the reason, kept from the last one
    void* kept = nullptr;
    bool allocated = true;
    bool threw = false;
    HeapRefuses = true;
    try {
        allocated = AllocZeroed(kept, 4096);
    } catch (...) {
        threw = true;
    }
    HeapRefuses = false;
    EXPECT_FALSE(threw);
    EXPECT_FALSE(allocated);
    EXPECT_EQ(kept, nullptr);
    EXPECT_EQ(LastFailure(), "AllocZeroed: 4096 bytes: out of memory");
}

TEST(Helpers, DigitValueReadsOnlyOneToNine) {
    for (int code = 0; code < 256; ++code) {
        const char character = static_cast<char>(code);
        const int expected = (character >= '1' && character <= '9') ? code - '0' : 0;
        EXPECT_EQ(DigitValue(character), expected) << code;
    }
}

TEST(Helpers, IntegerToStringIsPlainDecimal) {
    EXPECT_EQ(IntegerToString(-5), "-5");
    EXPECT_EQ(IntegerToString(0), "0");
    EXPECT_EQ(IntegerToString(60), "60");
    EXPECT_EQ(IntegerToString(1234567), "1234567");
    EXPECT_EQ(IntegerToString(INT32_MAX), "2147483647");
    EXPECT_EQ(IntegerToString(INT32_MIN), "-2147483648");
}

class PlatformHelpersTest : public ::testing::Test {
  protected:
    CallLog Log;
    FakePlatform Fake{Log};
};

TEST_F(PlatformHelpersTest, ChangeDisplayModeAsksOnlyForThePositiveFields) {
    EXPECT_TRUE(ChangeDisplayMode(0, 0, 0, 0));
    EXPECT_TRUE(ChangeDisplayMode(-1, -1, -1, -1));
    EXPECT_EQ(Log.Size(), 0u);

    EXPECT_TRUE(ChangeDisplayMode(800, 600, 32, 0));
    ASSERT_EQ(Fake.ModeRequests.size(), 1u);
    const FakeModeRequest& request = Fake.ModeRequests[0];
    EXPECT_EQ(request.Flags, CDS_FULLSCREEN);
    EXPECT_EQ(request.Mode.dmSize, 156);
    EXPECT_EQ(request.Mode.dmFields, DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL);
    EXPECT_EQ(request.Mode.dmPelsWidth, 800u);
    EXPECT_EQ(request.Mode.dmPelsHeight, 600u);
    EXPECT_EQ(request.Mode.dmBitsPerPel, 32u);
    EXPECT_EQ(request.Mode.dmDisplayFrequency, 0u);
    // Every byte the routine does not fill is zero.
    DEVMODEA expected{};
    expected.dmSize = 156;
    expected.dmFields = request.Mode.dmFields;
    expected.dmPelsWidth = 800;
    expected.dmPelsHeight = 600;
    expected.dmBitsPerPel = 32;
    EXPECT_EQ(std::memcmp(&request.Mode, &expected, sizeof expected), 0);
    EXPECT_EQ(Fake.CurrentMode.dmPelsWidth, 800u);

    EXPECT_TRUE(ChangeDisplayMode(0, 0, 0, 75));
    EXPECT_EQ(Fake.ModeRequests[1].Mode.dmFields, DM_DISPLAYFREQUENCY);
}

TEST_F(PlatformHelpersTest, ChangeDisplayModeIsFalseUnlessTheChangeSucceeded) {
    EXPECT_FALSE(ChangeDisplayMode(801, 600, 32, 60));
    Fake.FailNext("ChangeDisplaySettingsA");
    EXPECT_FALSE(ChangeDisplayMode(800, 600, 32, 60));
    EXPECT_EQ(Fake.CurrentMode.dmPelsWidth, 1024u);
}

TEST_F(PlatformHelpersTest, ShowMessageBoxUsesTheMessageCaption) {
    ShowMessageBox("Не удалось");
    ASSERT_EQ(Fake.MessageBoxes.size(), 1u);
    EXPECT_EQ(Fake.MessageBoxes[0].Owner, nullptr);
    EXPECT_EQ(Fake.MessageBoxes[0].Text, "Не удалось");
    EXPECT_EQ(Fake.MessageBoxes[0].Caption, "Message");
    EXPECT_EQ(Fake.MessageBoxes[0].Type, MB_OK);
    Fake.Fail("MessageBoxA");
    ShowMessageBox("ignored");
    EXPECT_EQ(Fake.MessageBoxes.size(), 1u);
}

} // namespace
