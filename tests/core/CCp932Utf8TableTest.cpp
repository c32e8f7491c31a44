#include "core/text/CCp932Utf8Table.h"

#include "core/text/CTextCodec.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {
class CCp932Utf8TableTest : public ::testing::Test {
protected:
    std::string Convert(std::string_view cp932) const {
        std::string out(cp932.size() * CCp932Utf8Table::MAX_UTF8_PER_BYTE, '\0');
        out.resize(static_cast<std::size_t>(m_table.Convert(cp932, out.data()) - out.data()));
        return out;
    }

    CTextCodec m_codec;
    CCp932Utf8Table m_table{m_codec};
};

TEST_F(CCp932Utf8TableTest, EverySingleByteAndPairAgreesWithTheCodec) {
    for (int first = 0; first < 256; ++first) {
        const std::string single(1, static_cast<char>(first));
        ASSERT_EQ(Convert(single), m_codec.ToUtf8(single)) << first;
        for (int second = 0; second < 256; ++second) {
            const std::string pair = {static_cast<char>(first), static_cast<char>(second)};
            ASSERT_EQ(Convert(pair), m_codec.ToUtf8(pair)) << first << " " << second;
        }
    }
}

TEST_F(CCp932Utf8TableTest, RandomTextsAgreeWithTheCodec) {
    // Bytes drawn mostly from the lead and trail ranges, so that pairs, broken pairs and stray
    // bytes follow each other in every order.
    std::mt19937 random(932);
    for (int round = 0; round < 2000; ++round) {
        std::string text(random() % 40, '\0');
        for (char& c : text)
            c = static_cast<char>(random() % 4 == 0 ? random() % 0x80 : 0x80 + random() % 0x80);
        ASSERT_EQ(Convert(text), m_codec.ToUtf8(text)) << ::testing::PrintToString(text);
    }
}

TEST_F(CCp932Utf8TableTest, JapaneseTextAndItsBackslashTrailByte) {
    // ソ ends in 0x5C, which must not be taken for a backslash.
    EXPECT_EQ(Convert("\x83\x5c\x95\x5c 9\\"), "ソ表 9\\");
}
} // namespace
