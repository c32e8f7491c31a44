#include "CHexBytes.h"
#include "core/storage/CArchiveException.h"
#include "core/storage/CArchiveReader.h"
#include "core/storage/CArchiveWriter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {
const CArchiveClass ALPHA{"CAlpha", 0, false};
const CArchiveClass BETA{"CBeta", 7, true};

std::string Prefix(const std::string& bytes, std::size_t count) {
    return bytes.substr(0, count);
}

// Runs `read` and returns the exception it must throw.
template <typename Read> CArchiveException Failure(Read read) {
    try {
        read();
    } catch (const CArchiveException& e) {
        return e;
    }
    ADD_FAILURE() << "no CArchiveException";
    return CArchiveException("", 0);
}

TEST(CArchiveTest, IntegersAreLittleEndian) {
    CArchiveWriter writer;
    writer.WriteU8(0xAB);
    writer.WriteU16(0x1234);
    writer.WriteU32(0x89ABCDEF);
    writer.WriteI32(-2);
    EXPECT_EQ(writer.GetBytes(), CHexBytes::From("AB | 34 12 | EF CD AB 89 | FE FF FF FF"));

    CArchiveReader reader(writer.GetBytes(), {});
    EXPECT_EQ(reader.ReadU8(), 0xAB);
    EXPECT_EQ(reader.ReadU16(), 0x1234);
    EXPECT_EQ(reader.ReadU32(), 0x89ABCDEFu);
    EXPECT_EQ(reader.ReadI32(), -2);
    EXPECT_TRUE(reader.IsAtEnd());
}

// Each length gets the shortest prefix form that can hold it.
struct CTextCase {
    std::size_t length;
    std::string prefix;
};

class CArchiveTextTest : public ::testing::TestWithParam<CTextCase> {};

TEST_P(CArchiveTextTest, LengthPrefixFormAndRoundTrip) {
    const std::string text(GetParam().length, 'x');
    CArchiveWriter writer;
    writer.WriteText(text);
    const std::string& bytes = writer.GetBytes();
    EXPECT_EQ(Prefix(bytes, GetParam().prefix.size()), GetParam().prefix);
    EXPECT_EQ(bytes.size(), GetParam().prefix.size() + text.size());

    CArchiveReader reader(bytes, {});
    EXPECT_EQ(reader.ReadText(), text);
    EXPECT_TRUE(reader.IsAtEnd());
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, CArchiveTextTest,
    ::testing::Values(CTextCase{0, CHexBytes::From("00")}, CTextCase{254, CHexBytes::From("FE")},
                      CTextCase{255, CHexBytes::From("FF FF 00")},
                      CTextCase{300, CHexBytes::From("FF 2C 01")},
                      CTextCase{65533, CHexBytes::From("FF FD FF")},
                      CTextCase{65534, CHexBytes::From("FF FF FF FE FF 00 00")},
                      CTextCase{70000, CHexBytes::From("FF FF FF 70 11 01 00")}),
    [](const auto& info) { return std::to_string(info.param.length) + "Bytes"; });

TEST(CArchiveTest, ReaderAcceptsLongerPrefixFormsThanNeeded) {
    const std::string bytes = CHexBytes::From("FF 02 00 41 42 | FF FF FF 01 00 00 00 43");
    CArchiveReader reader(bytes, {});
    EXPECT_EQ(reader.ReadText(), "AB");
    EXPECT_EQ(reader.ReadText(), "C");
}

TEST(CArchiveTest, TextFaultsAreReportedAtTheLengthPrefix) {
    const auto tooLong = Failure([] {
        const std::string bytes = CHexBytes::From("00 | 05 41 42");
        CArchiveReader reader(bytes, {});
        reader.ReadText();
        reader.ReadText();
    });
    EXPECT_EQ(tooLong.GetOffset(), 1u);
    EXPECT_THAT(tooLong.what(), HasSubstr("5 バイト"));

    const auto hugeLength = Failure([] {
        const std::string bytes = CHexBytes::From("FF FF FF FF FF FF FF 41");
        CArchiveReader reader(bytes, {});
        reader.ReadText();
    });
    EXPECT_EQ(hugeLength.GetOffset(), 0u);
    EXPECT_THAT(hugeLength.what(), HasSubstr("4294967295"));

    const auto truncatedPrefix = Failure([] {
        const std::string bytes = CHexBytes::From("FF FF FF 01");
        CArchiveReader reader(bytes, {});
        reader.ReadText();
    });
    EXPECT_EQ(truncatedPrefix.GetOffset(), 3u);
    EXPECT_THAT(truncatedPrefix.what(), HasSubstr("途中で終わって"));
}

TEST(CArchiveTest, WideCharacterTextsAreRejected) {
    const auto wide = Failure([] {
        const std::string bytes = CHexBytes::From("41 | FF FE FF 02 41 00 42 00");
        CArchiveReader reader(bytes, {});
        reader.ReadU8();
        reader.ReadText();
    });
    EXPECT_EQ(wide.GetOffset(), 1u);
    EXPECT_THAT(wide.what(), HasSubstr("ワイド文字"));
}

TEST(CArchiveTest, FirstObjectOfAClassIntroducesItAndLaterOnesReferToItsIndex) {
    CArchiveWriter writer;
    writer.WriteObjectStart(ALPHA); // class 1, object 2
    writer.WriteObjectStart(BETA);  // class 3, object 4
    writer.WriteObjectStart(ALPHA); // object 5
    writer.WriteObjectStart(BETA);  // object 6
    EXPECT_EQ(writer.GetBytes(), CHexBytes::From("FF FF 00 00 06 00") + "CAlpha" +
                                     CHexBytes::From("FF FF 07 00 05 00") + "CBeta" +
                                     CHexBytes::From("01 80 | 03 80"));

    CArchiveReader reader(writer.GetBytes(), {ALPHA, BETA});
    EXPECT_EQ(reader.ReadObjectStart("CAlpha"), 0);
    EXPECT_EQ(reader.ReadObjectStart("CBeta"), 7);
    EXPECT_EQ(reader.ReadObjectStart("CAlpha"), 0);
    EXPECT_EQ(reader.ReadObjectStart("CBeta"), 7);
    EXPECT_TRUE(reader.IsAtEnd());
}

TEST(CArchiveTest, ClassIndicesFrom0x7FFFUseTheLongForm) {
    // 0x7FFC objects of CAlpha put CBeta at index 0x7FFE, the last short one; one more
    // object moves the next class to 0x7FFF.
    for (const std::uint32_t alphas : {0x7FFCu, 0x7FFDu, 0x9000u}) {
        CArchiveWriter writer;
        for (std::uint32_t i = 0; i < alphas; ++i)
            writer.WriteObjectStart(ALPHA);
        writer.WriteObjectStart(BETA);
        const std::size_t referenceAt = writer.GetBytes().size();
        writer.WriteObjectStart(BETA);
        const std::uint32_t betaIndex = alphas + 2;
        const std::string reference =
            betaIndex < 0x7FFF ? std::string{static_cast<char>(betaIndex & 0xFF),
                                             static_cast<char>(0x80 | (betaIndex >> 8))}
                               : CHexBytes::From("FF 7F") + CHexBytes::U32(0x80000000u | betaIndex);
        EXPECT_EQ(writer.GetBytes().substr(referenceAt), reference) << alphas;

        CArchiveReader reader(writer.GetBytes(), {ALPHA, BETA});
        for (std::uint32_t i = 0; i < alphas; ++i)
            reader.ReadObjectStart("CAlpha");
        EXPECT_EQ(reader.ReadObjectStart("CBeta"), 7);
        EXPECT_EQ(reader.ReadObjectStart("CBeta"), 7) << alphas;
        EXPECT_TRUE(reader.IsAtEnd());
    }
}

TEST(CArchiveTest, ReaderAcceptsTheLongFormForSmallIndices) {
    const std::string bytes = CHexBytes::From("FF FF 00 00 06 00") + "CAlpha" +
                              CHexBytes::From("FF 7F") + CHexBytes::U32(0x80000001u);
    CArchiveReader reader(bytes, {ALPHA});
    reader.ReadObjectStart("CAlpha");
    reader.ReadObjectStart("CAlpha");
    EXPECT_TRUE(reader.IsAtEnd());
}

struct CTagCase {
    const char* name;
    std::string bytes;
    const char* expected; // the class each object must be
    std::size_t offset;
    const char* message;
};

class CArchiveTagFaultTest : public ::testing::TestWithParam<CTagCase> {};

TEST_P(CArchiveTagFaultTest, IsRejectedWhereTheTagStarts) {
    const CTagCase& fault = GetParam();
    const auto error = Failure([&] {
        CArchiveReader reader(fault.bytes, {ALPHA, BETA});
        for (;;)
            reader.ReadObjectStart(fault.expected);
    });
    EXPECT_EQ(error.GetOffset(), fault.offset);
    EXPECT_THAT(error.what(), HasSubstr(fault.message));
}

const std::string ALPHA_TAG = CHexBytes::From("FF FF 00 00 06 00") + "CAlpha";

INSTANTIATE_TEST_SUITE_P(
    Tags, CArchiveTagFaultTest,
    ::testing::Values(
        CTagCase{"UnknownClass", CHexBytes::From("FF FF 00 00 06 00") + "CGamma", "CAlpha", 0,
                 "未知のクラス「CGamma」"},
        CTagCase{"UnprintableClassName", CHexBytes::From("FF FF 00 00 02 00 82 A0"), "CAlpha", 0,
                 "\\x82\\xA0"},
        CTagCase{"WrongNewClass", CHexBytes::From("FF FF 07 00 05 00") + "CBeta", "CAlpha", 0,
                 "CAlpha のオブジェクトが必要ですが、CBeta"},
        CTagCase{"NullReference", CHexBytes::From("00 00"), "CAlpha", 0, "null"},
        CTagCase{"NullReferenceLongForm", CHexBytes::From("FF 7F 00 00 00 00"), "CAlpha", 0,
                 "null"},
        CTagCase{"ObjectReference", ALPHA_TAG + CHexBytes::From("02 00"), "CAlpha", 12,
                 "参照（番号 2）"},
        CTagCase{"ObjectReferenceLongForm", ALPHA_TAG + CHexBytes::From("FF 7F 02 00 00 00"),
                 "CAlpha", 12, "参照（番号 2）"},
        CTagCase{"ClassIndexNamingAnObject", ALPHA_TAG + CHexBytes::From("02 80"), "CAlpha", 12,
                 "オブジェクトを指して"},
        CTagCase{"ClassIndexNotYetSeen", ALPHA_TAG + CHexBytes::From("03 80"), "CAlpha", 12,
                 "クラス番号 3 はまだ"},
        CTagCase{"ClassIndexZero", CHexBytes::From("00 80"), "CAlpha", 0, "クラス番号 0"},
        CTagCase{"NonVersionableSchemaDiffers", CHexBytes::From("FF FF 01 00 06 00") + "CAlpha",
                 "CAlpha", 0, "CAlpha のスキーマ番号 1"},
        CTagCase{"VersionableSchemaNewer", CHexBytes::From("FF FF 08 00 05 00") + "CBeta", "CBeta",
                 0, "新しい形式"},
        CTagCase{"TruncatedClassName", CHexBytes::From("FF FF 00 00 06 00") + "CAlp", "CAlpha", 6,
                 "途中で終わって"},
        CTagCase{"TruncatedTag", ALPHA_TAG + CHexBytes::From("01"), "CAlpha", 12,
                 "途中で終わって"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CArchiveTest, AReferenceToAnotherKnownClassIsTheWrongClass) {
    const std::string bytes = ALPHA_TAG + CHexBytes::From("01 80");
    const auto error = Failure([&] {
        CArchiveReader reader(bytes, {ALPHA, BETA});
        reader.ReadObjectStart("CAlpha");
        reader.ReadObjectStart("CBeta");
    });
    EXPECT_EQ(error.GetOffset(), 12u);
    EXPECT_THAT(error.what(), HasSubstr("CBeta のオブジェクトが必要ですが、CAlpha"));
}

TEST(CArchiveTest, OlderSchemaOfAVersionableClassIsReadAndReported) {
    const std::string bytes =
        CHexBytes::From("FF FF 03 00 05 00") + "CBeta" + CHexBytes::From("01 80");
    CArchiveReader reader(bytes, {BETA});
    EXPECT_EQ(reader.ReadObjectStart("CBeta"), 3);
    // Later objects of the class share the schema stored with its tag.
    EXPECT_EQ(reader.ReadObjectStart("CBeta"), 3);
}

TEST(CArchiveTest, CountsThatCannotFitAreRejectedBeforeAnythingIsRead) {
    const std::string bytes = CHexBytes::U32(4) + std::string(11, '\0');
    const auto error = Failure([&] {
        CArchiveReader reader(bytes, {});
        reader.ReadCount(3, "グループ");
    });
    EXPECT_EQ(error.GetOffset(), 0u);
    EXPECT_THAT(error.what(), HasSubstr("グループの数 4"));

    const std::string enough = CHexBytes::U32(4) + std::string(12, '\0');
    CArchiveReader fits(enough, {});
    EXPECT_EQ(fits.ReadCount(3, "グループ"), 4u);
}
} // namespace
