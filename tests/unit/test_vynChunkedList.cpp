#include "framework/core/vynAllocation.h"
#include "framework/core/vynChunkedList.h"

#include <gtest/gtest.h>

#include <memory>

using namespace vyn;

TEST(ChunkedList, CapacityIsComputedFromTheCountBeforeTheChange) {
    EXPECT_EQ(TChunkedList<int*>::CapacityAfter(0, 32), 32u);
    EXPECT_EQ(TChunkedList<int*>::CapacityAfter(31, 32), 32u);
    EXPECT_EQ(TChunkedList<int*>::CapacityAfter(32, 32), 64u);
    EXPECT_EQ(TChunkedList<int*>::CapacityAfter(40, 32), 64u);

    TChunkedList<int*> list(32, 32);
    int values[40] = {};
    for (int& value : values)
        ASSERT_TRUE(list.Add(&value));
    EXPECT_EQ(list.Count, 40u);
    EXPECT_EQ(list.Capacity, 64u);
    // A reduction computes 64 from the old count and keeps the storage.
    ASSERT_TRUE(list.Clear());
    EXPECT_EQ(list.Capacity, 64u);
    EXPECT_EQ(list.Slots.size(), 64u);
    EXPECT_EQ(list.Count, 0u);
}

TEST(ChunkedList, GrowthByOneAlwaysFindsRoomAndKeepsEntries) {
    TChunkedList<int*> list(16);
    int values[100] = {};
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(list.Add(&values[i]));
        ASSERT_LT(list.LastIndex, list.Slots.size());
        EXPECT_EQ(list.Capacity % 16, 0u);
    }
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(list.Slots[i], &values[i]);
    EXPECT_EQ(list.Capacity, 112u);
}

TEST(ChunkedList, LastIndexOfAnEmptyListFollowsTheOwnersRule) {
    TChunkedList<int*> zero(4, 4, EmptyLastIndex::Zero);
    TChunkedList<int*> wrap(4, 4, EmptyLastIndex::Wrap);
    int value = 0;
    zero.Add(&value);
    wrap.Add(&value);
    EXPECT_EQ(zero.LastIndex, 0u);
    EXPECT_EQ(wrap.LastIndex, 0u);
    zero.Clear();
    wrap.Clear();
    EXPECT_EQ(zero.LastIndex, 0u);
    EXPECT_EQ(wrap.LastIndex, 0xFFFFFFFFu);
}

TEST(ChunkedList, FailedResizeLeavesCountAndEntriesUnchanged) {
    TChunkedList<int*> list(2, 2);
    int a = 1, b = 2, c = 3;
    ASSERT_TRUE(list.Add(&a));
    ASSERT_TRUE(list.Add(&b));
    InjectAllocationFailures(1);
    EXPECT_FALSE(list.Add(&c));
    EXPECT_EQ(list.Count, 2u);
    EXPECT_EQ(list.LastIndex, 1u);
    EXPECT_EQ(list.Capacity, 2u);
    EXPECT_EQ(list.Slots[1], &b);
    // The next attempt succeeds.
    EXPECT_TRUE(list.Add(&c));
    EXPECT_EQ(list.Count, 3u);
    EXPECT_EQ(list.Slots[2], &c);
}

TEST(ChunkedList, CountNeverCoversSlotsThatDoNotExist) {
    TChunkedList<int*> list(8);
    // A jump past the rule's capacity enlarges the storage to cover it.
    ASSERT_TRUE(list.SetCount(20));
    EXPECT_GE(list.Slots.size(), 20u);
    EXPECT_EQ(list.Capacity % 8, 0u);
    // A capacity that does not fit in 32 bits is refused.
    EXPECT_FALSE(list.SetCount(0xFFFFFFFFu));
    EXPECT_EQ(list.Count, 20u);
}

TEST(ChunkedList, OwningSlotsReleaseTheirObjects) {
    auto tracked = std::make_shared<int>(7);
    {
        TChunkedList<std::shared_ptr<int>> list(4);
        list.Add(tracked);
        list.Add(tracked);
        EXPECT_EQ(tracked.use_count(), 3);
    }
    EXPECT_EQ(tracked.use_count(), 1);
}
