#include <gtest/gtest.h>

#include <array>
#include <climits>

#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"

namespace halmora {
namespace {

TEST(ByteIO, FieldsAreLittleEndianAndReadBackAsWritten) {
    ByteWriter out;
    out.WriteI32(0x12345678);
    out.WriteI32(-2);
    out.WriteU8(0xAB);
    out.WriteI32(INT32_MIN);
    out.WriteU32(0xFFFFFFFEu);
    const std::array<uint8_t, 3> block{7, 0, 9};
    out.WriteBytes(block);
    const std::vector<uint8_t> bytes = std::move(out).Take();
    ASSERT_EQ(bytes.size(), 4u + 4 + 1 + 4 + 4 + 3);
    EXPECT_EQ((std::vector<uint8_t>(bytes.begin(), bytes.begin() + 9)),
              (std::vector<uint8_t>{0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0xAB}));

    ByteReader in(bytes);
    int32_t a = 0, b = 0, c = 0;
    uint8_t u8 = 0;
    uint32_t u32 = 0;
    std::array<uint8_t, 3> back{};
    EXPECT_TRUE(in.ReadI32(a) && in.ReadI32(b) && in.ReadU8(u8) && in.ReadI32(c) &&
                in.ReadU32(u32) && in.ReadBytes(back));
    EXPECT_EQ(a, 0x12345678);
    EXPECT_EQ(b, -2);
    EXPECT_EQ(u8, 0xAB);
    EXPECT_EQ(c, INT32_MIN);
    EXPECT_EQ(u32, 0xFFFFFFFEu);
    EXPECT_EQ(back, block);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_FALSE(in.Failed());
}

TEST(ByteIO, RunningOutFailsWithoutTouchingTheOutputAndStaysFailed) {
    const std::vector<uint8_t> bytes{1, 2, 3, 4, 5, 6};
    ByteReader in(bytes);
    int32_t v = 0;
    ASSERT_TRUE(in.ReadI32(v));

    int32_t untouched = 42;
    EXPECT_FALSE(in.ReadI32(untouched));  // two bytes left, four wanted
    EXPECT_EQ(untouched, 42);
    EXPECT_TRUE(in.Failed());

    uint8_t small = 9;
    EXPECT_FALSE(in.ReadU8(small));  // a byte is there, but the reader has already failed
    EXPECT_EQ(small, 9);

    ByteReader blocks(bytes);
    std::array<uint8_t, 7> tooBig{};
    EXPECT_FALSE(blocks.ReadBytes(tooBig));
    EXPECT_EQ(tooBig, (std::array<uint8_t, 7>{}));
    EXPECT_EQ(blocks.Position(), 0u);

    ByteReader empty(std::span<const uint8_t>{});
    EXPECT_TRUE(empty.AtEnd());
    EXPECT_FALSE(empty.ReadU8(small));
}

}  // namespace
}  // namespace halmora
