#include "core/text/CTextCodec.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string REPLACEMENT = "\xEF\xBF\xBD"; // U+FFFD in UTF-8

class CTextCodecTest : public ::testing::Test {
protected:
    CTextCodec m_codec;
};

} // namespace

TEST_F(CTextCodecTest, AsciiIsTheSameInBothEncodings) {
    const std::string ascii = "Tanaka <tanaka@example.jp> C:\\dir ~user";
    EXPECT_EQ(m_codec.ToUtf8(ascii), ascii);
    const CEncodeResult encoded = m_codec.FromUtf8(ascii);
    EXPECT_TRUE(encoded.ok());
    EXPECT_EQ(encoded.text, ascii);
}

TEST_F(CTextCodecTest, BackslashAndTildeStayAscii) {
    EXPECT_EQ(m_codec.ToUtf8("\x5C\x7E\x82\xA0"), "\\~\xE3\x81\x82");
    EXPECT_EQ(m_codec.FromUtf8("\\~\xE3\x81\x82").text, "\x5C\x7E\x82\xA0");
}

TEST_F(CTextCodecTest, MicrosoftMappingsOfTildeAndMinus) {
    EXPECT_EQ(m_codec.ToUtf8("\x81\x60"), "\xEF\xBD\x9E"); // U+FF5E
    EXPECT_EQ(m_codec.ToUtf8("\x81\x7C"), "\xEF\xBC\x8D"); // U+FF0D
    EXPECT_EQ(m_codec.FromUtf8("\xEF\xBD\x9E").text, "\x81\x60");
    EXPECT_EQ(m_codec.FromUtf8("\xEF\xBC\x8D").text, "\x81\x7C");
    // Input methods often type the wave dash U+301C for the same character.
    EXPECT_EQ(m_codec.FromUtf8("\xE3\x80\x9C").text, "\x81\x60");
}

TEST_F(CTextCodecTest, HalfWidthKanaAreSingleBytes) {
    EXPECT_EQ(m_codec.ToUtf8("\xB1\xDF"), "\xEF\xBD\xB1\xEF\xBE\x9F"); // ｱﾟ
    EXPECT_EQ(m_codec.FromUtf8("\xEF\xBE\x9A\xEF\xBE\x83\xEF\xBE\x9E\xEF\xBD\xA8").text,
              "\xDA\xC3\xDE\xA8"); // ﾚﾃﾞｨ
}

TEST_F(CTextCodecTest, JapaneseTextRoundTrips) {
    const std::string cp932 = "\x8E\x52\x93\x63\x20\x91\xBE\x98\x59\x81\x40\x81\xA7"
                              "123-4567 \x93\x8C\x8B\x9E\x93\x73"; // 山田 太郎　〒123-4567 東京都
    const std::string utf8 = m_codec.ToUtf8(cp932);
    EXPECT_EQ(utf8, "山田 太郎　〒123-4567 東京都");
    const CEncodeResult back = m_codec.FromUtf8(utf8);
    EXPECT_TRUE(back.ok());
    EXPECT_EQ(back.text, cp932);
}

TEST_F(CTextCodecTest, InvalidBytesBecomeReplacementCharacters) {
    EXPECT_EQ(m_codec.ToUtf8("a\x80"
                             "b"),
              "a" + REPLACEMENT + "b");
    EXPECT_EQ(m_codec.ToUtf8("\xA0\xFD\xFE\xFF"),
              REPLACEMENT + REPLACEMENT + REPLACEMENT + REPLACEMENT);
    EXPECT_EQ(m_codec.ToUtf8("\x82\xA0\x82"), "\xE3\x81\x82" + REPLACEMENT) << "lead byte at end";
}

TEST_F(CTextCodecTest, UnassignedDoubleByteCodeIsOneReplacement) {
    EXPECT_EQ(m_codec.ToUtf8("x\x85\x40y"), "x" + REPLACEMENT + "y");
    // A lead byte before something that cannot be a trail byte spoils only itself.
    EXPECT_EQ(m_codec.ToUtf8("\x81 \x82\xA0"), REPLACEMENT + " \xE3\x81\x82");
}

TEST_F(CTextCodecTest, ConverterIsCleanAfterAnError) {
    EXPECT_EQ(m_codec.ToUtf8("\x82"), REPLACEMENT);
    EXPECT_EQ(m_codec.ToUtf8("\xA0\x82\xA0"), REPLACEMENT + "\xE3\x81\x82");
    EXPECT_FALSE(m_codec.FromUtf8("\xF0\x9F\x98\x80").ok());
    EXPECT_EQ(m_codec.FromUtf8("\xE3\x81\x82").text, "\x82\xA0");
}

TEST_F(CTextCodecTest, UnmappableCharactersAreReportedOnceInOrderAndLeftOut) {
    const std::string grin = "\xF0\x9F\x98\x80"; // U+1F600
    const std::string hangul = "\xEA\xB0\x80";   // U+AC00
    const CEncodeResult result =
        m_codec.FromUtf8("a" + grin + "\xE3\x81\x82" + hangul + "b" + grin + "c");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.text, "a\x82\xA0"
                           "bc");
    const std::vector<char32_t> expected = {0x1F600, 0xAC00};
    EXPECT_EQ(result.unmappable, expected);
}

TEST_F(CTextCodecTest, CharactersThatWouldTurnIntoOthersAreUnmappable) {
    const CEncodeResult yen = m_codec.FromUtf8("\xC2\xA5"
                                               "100");
    EXPECT_EQ(yen.text, "100");
    EXPECT_EQ(yen.unmappable, std::vector<char32_t>{0xA5});
    EXPECT_EQ(m_codec.FromUtf8("\xE2\x80\xBE").unmappable, std::vector<char32_t>{0x203E});
    const CEncodeResult tag = m_codec.FromUtf8("x\xF3\xA0\x80\x81");
    EXPECT_EQ(tag.text, "x");
    EXPECT_EQ(tag.unmappable, std::vector<char32_t>{0xE0001});
}

TEST_F(CTextCodecTest, MalformedUtf8CountsAsReplacementCharacter) {
    const std::vector<std::string> malformed = {
        "\x80",             // stray continuation byte
        "\xC0\xAF",         // overlong slash
        "\xED\xA0\x80",     // surrogate
        "\xF4\x90\x80\x80", // past U+10FFFF
        "\xE3\x81",         // cut short
    };
    for (const std::string& bad : malformed) {
        const CEncodeResult result = m_codec.FromUtf8("a" + bad + "\xE3\x81\x82" + "z");
        EXPECT_EQ(result.text, "a\x82\xA0z") << testing::PrintToString(bad);
        EXPECT_EQ(result.unmappable, std::vector<char32_t>{0xFFFD}) << testing::PrintToString(bad);
    }
}

// Every character the codec accepts must come back as itself, apart from the few that CP932
// holds under a sibling code point; anything else would change the user's text unnoticed.
TEST_F(CTextCodecTest, AcceptedCharactersComeBackUnchanged) {
    const std::set<char32_t> siblings = {0x00A2, 0x00A3, 0x00AC, 0x2014, 0x2016, 0x2212, 0x301C};
    int accepted = 0;
    for (char32_t c = 0x80; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) {
            continue;
        }
        const std::string utf8 = CTextCodec::EncodeUtf8(c);
        const CEncodeResult result = m_codec.FromUtf8(utf8);
        if (!result.ok()) {
            EXPECT_EQ(result.unmappable, std::vector<char32_t>{c})
                << std::hex << static_cast<unsigned>(c);
            EXPECT_EQ(result.text, "") << std::hex << static_cast<unsigned>(c);
            continue;
        }
        ++accepted;
        if (siblings.count(c) == 0) {
            EXPECT_EQ(m_codec.ToUtf8(result.text), utf8) << std::hex << static_cast<unsigned>(c);
        }
    }
    EXPECT_GT(accepted, 7000) << "CP932 holds about 7,900 non-ASCII characters";
}

TEST_F(CTextCodecTest, MovedCodecStillConverts) {
    CTextCodec moved(std::move(m_codec));
    EXPECT_EQ(moved.ToUtf8("\x82\xA0"), "\xE3\x81\x82");
    CTextCodec assigned;
    assigned = std::move(moved);
    EXPECT_EQ(assigned.FromUtf8("\xE3\x81\x82").text, "\x82\xA0");
}

TEST(CTextCodecEncodeTest, EncodesEachUtf8Length) {
    EXPECT_EQ(CTextCodec::EncodeUtf8(U'A'), "A");
    EXPECT_EQ(CTextCodec::EncodeUtf8(0xE9), "\xC3\xA9");
    EXPECT_EQ(CTextCodec::EncodeUtf8(0x3042), "\xE3\x81\x82");
    EXPECT_EQ(CTextCodec::EncodeUtf8(0x1F600), "\xF0\x9F\x98\x80");
    EXPECT_EQ(CTextCodec::EncodeUtf8(0xD800), REPLACEMENT);
    EXPECT_EQ(CTextCodec::EncodeUtf8(0x110000), REPLACEMENT);
}

// Long texts are converted piece by piece; a character cut by a piece's end, and a refused one
// anywhere, must come out as if the text were converted one character at a time.
TEST_F(CTextCodecTest, LongTextsConvertAsTheirCharactersDoAtEveryOffset) {
    for (std::size_t offset = 0; offset < 4; ++offset) {
        SCOPED_TRACE(offset);
        std::string utf8(offset, 'a');
        std::string cp932(offset, 'a');
        std::string back(offset, 'a');
        for (int i = 0; i < 20000; ++i) {
            const bool refused = i % 7 == 3;
            utf8 += refused ? "\xC3\xA9" : "\xE5\xB1\xB1"; // "é" that CP932 lacks, or "山"
            cp932 += refused ? "\xFD" : "\x8E\x52";        // a byte no CP932, or "山"
            back += refused ? REPLACEMENT : "\xE5\xB1\xB1";
        }
        const CEncodeResult encoded = m_codec.FromUtf8(utf8 + "\xE3\x81");
        EXPECT_EQ(encoded.unmappable, (std::vector<char32_t>{0xE9, 0xFFFD}));
        std::string expected(offset, 'a');
        for (int i = 0; i < 20000; ++i)
            expected += i % 7 == 3 ? "" : "\x8E\x52";
        EXPECT_EQ(encoded.text, expected);
        EXPECT_EQ(m_codec.ToUtf8(cp932 + "\x8E"), back + REPLACEMENT);
    }
}
