#include "platform/TextEncoding.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace halmora {
namespace {

// GBK of 张三 is D5C5 C8FD.
const std::string kZhangSanGbk = "\xD5\xC5\xC8\xFD";

std::string Repeat(const std::string& s, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += s;
    return out;
}

bool IsValidUtf8(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t n = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
        if (n == 0 || i + n > s.size())
            return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += n;
    }
    return true;
}

TEST(TextEncoding, ChineseNamesConvertBothWays) {
    EXPECT_EQ(Utf8ToGbk("张三"), kZhangSanGbk);
    EXPECT_EQ(GbkToUtf8(kZhangSanGbk), "张三");
    EXPECT_EQ(Utf8ToGbk("€"), "\x80");  // the Windows code page's single-byte euro
    const std::string name = "游戏统计 电脑玩家 初学";
    EXPECT_EQ(GbkToUtf8(Utf8ToGbk(name)), name);
}

TEST(TextEncoding, BytesThatAreNotGbkShowAsReplacementCharacters) {
    EXPECT_EQ(GbkToUtf8("A\xFF"
                        "B"),
              "A\uFFFD"
              "B");
    EXPECT_EQ(GbkToUtf8("\x81 x"), "\uFFFD x");        // lead byte, bad trail byte
    EXPECT_EQ(GbkToUtf8("\xD5\xC5\xC8"), "张\uFFFD");  // cut after a lead byte
    EXPECT_EQ(GbkToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));

    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(random() % 40, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        const std::string text = GbkToUtf8(bytes);
        ASSERT_TRUE(IsValidUtf8(text)) << round;
        ASSERT_LE(text.size(), bytes.size() * 3) << round;
    }
}

TEST(TextEncoding, CharactersGbkLacksAndBadUtf8AreStoredAsQuestionMarks) {
    EXPECT_EQ(Utf8ToGbk("A😀B"), "A?B");
    EXPECT_EQ(Utf8ToGbk("\xF0\x9F\x98"), "???");  // an emoji cut short
    EXPECT_EQ(Utf8ToGbk("\xC0\xAF"
                        "x"),
              "??x");  // overlong '/'
    EXPECT_EQ(GbkNameToUtf8(ToGbkName("😀张三")), "?张三");
}

TEST(TextEncoding, NameFieldHoldsFifteenChineseCharactersAndCutsAtCharacters) {
    const std::string fifteen = Repeat("张", 15);
    GbkName field = ToGbkName(fifteen);
    EXPECT_EQ(GbkNameBytes(field), Repeat("\xD5\xC5", 15));
    EXPECT_EQ(field[30], 0);
    EXPECT_EQ(field[31], 0);
    EXPECT_EQ(GbkNameToUtf8(field), fifteen);

    EXPECT_EQ(GbkNameToUtf8(ToGbkName(Repeat("张", 16))), fifteen);
    EXPECT_EQ(GbkNameToUtf8(ToGbkName(fifteen + "ab")), fifteen + "a");  // 31 bytes
    // After two ASCII bytes only 14 two-byte characters fit; the 15th is not split.
    field = ToGbkName("ab" + fifteen);
    EXPECT_EQ(GbkNameToUtf8(field), "ab" + Repeat("张", 14));
    EXPECT_EQ(field[30], 0);
    EXPECT_EQ(GbkNameToUtf8(ToGbkName(Repeat("😀", 40))), Repeat("?", 31));
}

TEST(TextEncoding, NameFieldIsZeroFilledAndReadUpToItsFirstZero) {
    GbkName field;
    field.fill('x');
    StoreGbkName(std::string("Bo\0b", 4), field);
    EXPECT_EQ(GbkNameBytes(field), "Bo");
    for (std::size_t i = 2; i < field.size(); ++i)
        EXPECT_EQ(field[i], 0) << i;

    field.fill('y');  // no terminating zero: all 32 bytes are the name
    EXPECT_EQ(GbkNameBytes(field), std::string(32, 'y'));
    field[3] = 0;
    field[4] = 0xFF;  // what follows the zero is not part of the name
    EXPECT_EQ(GbkNameToUtf8(field), "yyy");
}

}  // namespace
}  // namespace halmora
