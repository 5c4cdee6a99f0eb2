#include "framework/resources/OpenGLBufferArrays.h"

#include "framework/core/vynAllocation.h"
#include "tests/support/vynBitmapWriter.h"
#include "tests/support/vynTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

using namespace vyn;
using namespace vyn::test;
using ::testing::ThrowsMessage;

namespace {

std::vector<uint8_t> Bytes(const TMyCPPArray& array) {
    const auto* data = static_cast<const uint8_t*>(array.Data());
    return {data, data + array.Size()};
}

class ArrayFile : public ::testing::Test {
  protected:
    TempDir Dir;

    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        WriteBytes(Dir / name, bytes);
        return (Dir / name).string();
    }

    // The loader's message for a file it refuses.
    std::string Refusal(const std::vector<uint8_t>& bytes) {
        const std::string name = Write("bad.cppa2", bytes);
        try {
            TMyCPPArray array(name);
        } catch (const std::runtime_error& error) {
            return error.what();
        }
        return "";
    }
};

} // namespace

TEST_F(ArrayFile, LoadsHeaderAndPayload) {
    const std::vector<float> vertices = {1.5f, -2.0f, 3.25f, 4.0f, 5.0f, 6.0f};
    std::vector<uint8_t> payload(sizeof(float) * vertices.size());
    std::memcpy(payload.data(), vertices.data(), payload.size());
    const TMyCPPArray array(Write("pv.cppa2", MakeArrayFile(77, 24, 2, payload)));
    EXPECT_EQ(array.Header0(), 77);
    EXPECT_EQ(array.Size(), 24);
    EXPECT_EQ(array.Count(), 2);
    ASSERT_NE(array.Data(), nullptr);
    EXPECT_EQ(std::memcmp(array.Data(), vertices.data(), 24), 0);
}

TEST_F(ArrayFile, TakesOnlyThePayloadAndCountAsRead) {
    // Bytes after the payload are ignored; Count need not agree with Size.
    const TMyCPPArray array(Write("a.cppa2", MakeArrayFile(-1, 3, 1000, {9, 8, 7, 6, 5, 4})));
    EXPECT_EQ(Bytes(array), (std::vector<uint8_t>{9, 8, 7}));
    EXPECT_EQ(array.Header0(), -1);
    EXPECT_EQ(array.Count(), 1000);
    // A payload that ends exactly at the end of the file.
    const TMyCPPArray exact(Write("b.cppa2", MakeArrayFile(0, 2, 0, {1, 2})));
    EXPECT_EQ(Bytes(exact), (std::vector<uint8_t>{1, 2}));
}

TEST_F(ArrayFile, EmptyOrNegativePayloadLoadsNothing) {
    TMyCPPArray empty(Write("e.cppa2", MakeArrayFile(5, 0, 12, {1, 2, 3})));
    EXPECT_EQ(empty.Data(), nullptr);
    EXPECT_EQ(empty.Size(), 0);
    EXPECT_EQ(empty.Header0(), 5);
    EXPECT_EQ(empty.Count(), 12);
    empty.Clear(); // nothing to release: the members stay as read
    EXPECT_EQ(empty.Header0(), 5);
    EXPECT_EQ(empty.Count(), 12);

    TMyCPPArray negative(Write("n.cppa2", MakeArrayFile(5, -40, 3, {})));
    EXPECT_EQ(negative.Data(), nullptr);
    EXPECT_EQ(negative.Size(), -40);
    negative.Clear();
    EXPECT_EQ(negative.Size(), -40);
}

TEST_F(ArrayFile, ClearEmptiesTheObjectOnce) {
    TMyCPPArray array(Write("c.cppa2", MakeArrayFile(1, 4, 1, {1, 2, 3, 4})));
    array.Clear();
    EXPECT_EQ(array.Data(), nullptr);
    EXPECT_EQ(array.Size(), 0);
    EXPECT_EQ(array.Header0(), 0);
    EXPECT_EQ(array.Count(), 0);
    array.Clear();
    EXPECT_EQ(array.Data(), nullptr);
}

TEST_F(ArrayFile, TheFileIsFreeOnceConstructionReturns) {
    const std::string name = Write("f.cppa2", MakeArrayFile(1, 4, 1, {1, 2, 3, 4}));
    const TMyCPPArray array(name);
    // Replacing and removing the file leaves the object's copy alone.
    WriteBytes(name, MakeArrayFile(2, 4, 1, {9, 9, 9, 9}));
    std::filesystem::rename(name, Dir / "moved.cppa2");
    std::filesystem::remove(Dir / "moved.cppa2");
    EXPECT_EQ(Bytes(array), (std::vector<uint8_t>{1, 2, 3, 4}));
}

TEST_F(ArrayFile, LargePayloadIsCopiedWhole) {
    std::vector<uint8_t> payload((size_t(6) << 20) + 5);
    for (size_t i = 0; i < payload.size(); ++i)
        payload[i] = static_cast<uint8_t>(i * 7 + i / 4096);
    const TMyCPPArray array(
        Write("big.cppa2", MakeArrayFile(0, static_cast<int32_t>(payload.size()), 1, payload)));
    EXPECT_TRUE(Bytes(array) == payload);
}

TEST_F(ArrayFile, FilesThatCannotBeLoadedThrowNamingFileAndFault) {
    const std::string missing = (Dir / "pv.cppa2").string();
    EXPECT_THAT(
        [&] { TMyCPPArray{missing}; },
        ThrowsMessage<std::runtime_error>(::testing::StartsWith(missing + ": cannot open")));
    const std::string bad = (Dir / "bad.cppa2").string();
    EXPECT_EQ(Refusal({}), bad + ": file is 0 bytes, shorter than its 12-byte header");
    EXPECT_EQ(Refusal({1, 2, 3, 4, 5, 6, 7, 8}),
              bad + ": file is 8 bytes, shorter than its 12-byte header");
    EXPECT_EQ(Refusal(MakeArrayFile(0, 100, 1, std::vector<uint8_t>(99))),
              bad + ": header gives 100 payload bytes, the file holds 99");
    EXPECT_EQ(Refusal(MakeArrayFile(0, INT32_MAX, 1, {1})),
              bad + ": header gives 2147483647 payload bytes, the file holds 1");
}

TEST_F(ArrayFile, FailedPayloadAllocationThrowsOutOfMemory) {
    const std::string name = Write("m.cppa2", MakeArrayFile(0, 4, 1, {1, 2, 3, 4}));
    InjectAllocationFailures(1);
    EXPECT_THROW(TMyCPPArray{name}, std::bad_alloc);
    InjectAllocationFailures(0);
    EXPECT_EQ(TMyCPPArray{name}.Size(), 4);
}
