// KeepHeapForFrames: scratch memory freed at the end of a frame stays in the heap, so the next
// frame reuses it without page faults. The scratch shapes are those llvmpipe uses for the demo:
// one block of tens of megabytes, and hundreds of 64 KiB blocks.
#include "framework/system/vynHeapPolicy.h"

#include <gtest/gtest.h>

#include <malloc.h>
#include <sys/resource.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace vyn {
namespace {

constexpr size_t ScratchBytes = 24u << 20;
constexpr size_t PageBytes = 4096;

long MinorFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// One frame's worth of scratch: allocated in blocks, every byte written, all of it freed.
void RunFrame(size_t blockBytes) {
    std::vector<void*> blocks;
    for (size_t done = 0; done < ScratchBytes; done += blockBytes) {
        void* block = std::malloc(blockBytes);
        ASSERT_NE(block, nullptr);
        std::memset(block, 0x5A, blockBytes);
        blocks.push_back(block);
    }
    for (void* block : blocks)
        std::free(block);
}

// Minor page faults of the second of two frames; the first one brings the heap up to size.
long FaultsOfRepeatedFrame(size_t blockBytes) {
    RunFrame(blockBytes);
    const long before = MinorFaults();
    RunFrame(blockBytes);
    return MinorFaults() - before;
}

class KeepHeapForFramesTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(KeepHeapForFrames()); }
};

TEST_F(KeepHeapForFramesTest, OneLargeBlockIsTakenFromTheHeapAndKeptThere) {
    const long faults = FaultsOfRepeatedFrame(ScratchBytes);
    // A block given back to the system (unmapped or trimmed) faults in every one of its pages.
    EXPECT_LT(faults, static_cast<long>(ScratchBytes / PageBytes / 20));
}

TEST_F(KeepHeapForFramesTest, ManySmallBlocksFreedTogetherAreNotTrimmed) {
    const long faults = FaultsOfRepeatedFrame(64u << 10);
    EXPECT_LT(faults, static_cast<long>(ScratchBytes / PageBytes / 20));
}

TEST_F(KeepHeapForFramesTest, BlocksAboveTheLimitStillGetTheirOwnMapping) {
    const size_t bytes = static_cast<size_t>(HeapBlockLimitBytes) + (1u << 20);
    const size_t mappedBefore = mallinfo2().hblkhd;
    void* block = std::malloc(bytes);
    ASSERT_NE(block, nullptr);
    EXPECT_GE(mallinfo2().hblkhd, mappedBefore + bytes);
    std::free(block);
    EXPECT_EQ(mallinfo2().hblkhd, mappedBefore);
}

} // namespace
} // namespace vyn
