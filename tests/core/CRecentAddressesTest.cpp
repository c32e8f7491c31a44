#include "core/mail/CRecentAddresses.h"

#include "CHexBytes.h"
#include "CTempFolder.h"
#include "core/mail/CRecentAddressFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// The file's opening: new-class tag, schema 0 and the class name.
const std::string HEADER = CHexBytes::From("FFFF 0000 0B00") + "CStringList";

TEST(CRecentAddressesTest, TheSameAddressTextMovesToTheTopWithTheNewerLabel) {
    CRecentAddresses recent;
    recent.Remember("P;Q", "old", 10);
    recent.Remember("R", "r", 10);
    recent.Remember("P;Q", "new", 10);
    EXPECT_THAT(recent.GetStrings(), ElementsAre("P;Q", "new", "R", "r"));
}

TEST(CRecentAddressesTest, AddressTextsAreComparedAsWholeStrings) {
    CRecentAddresses recent;
    recent.Remember("P;Q", "pq", 10);
    recent.Remember("Q;P", "qp", 10);
    EXPECT_EQ(recent.GetPairCount(), 2U);
}

TEST(CRecentAddressesTest, ALabelThatReadsLikeTheAddressIsNoMatch) {
    CRecentAddresses recent;
    recent.Remember("A", "X", 10);
    recent.Remember("X", "x", 10);
    EXPECT_THAT(recent.GetStrings(), ElementsAre("X", "x", "A", "X"));
}

TEST(CRecentAddressesTest, CapacityDropsTheOldestPairs) {
    CRecentAddresses recent;
    for (const char* address : {"a", "b", "c", "d"})
        recent.Remember(address, address, 3);
    EXPECT_THAT(recent.GetStrings(), ElementsAre("d", "d", "c", "c", "b", "b"));
    recent.Trim(10);
    EXPECT_EQ(recent.GetPairCount(), 3U);
    recent.Trim(2);
    EXPECT_THAT(recent.GetStrings(), ElementsAre("d", "d", "c", "c"));
    recent.Remember("e", "e", 0);
    EXPECT_TRUE(recent.IsEmpty());
}

TEST(CRecentAddressesTest, OnlyThePositionOfAnAddressTextMovesAPair) {
    CRecentAddresses recent;
    recent.SetStrings({"a", "1", "b", "2", "c"});
    EXPECT_EQ(recent.GetPairCount(), 2U);
    EXPECT_FALSE(recent.MoveToHead(1));
    EXPECT_FALSE(recent.MoveToHead(4));
    EXPECT_TRUE(recent.MoveToHead(2));
    EXPECT_THAT(recent.GetStrings(), ElementsAre("b", "2", "a", "1"));
}

TEST(CRecentAddressFileTest, SmallListBytes) {
    EXPECT_EQ(CRecentAddressFile::Encode({"P;Q", "y[P]"}),
              HEADER + CHexBytes::From("0200 03") + "P;Q" + CHexBytes::From("04") + "y[P]");
    EXPECT_EQ(CRecentAddressFile::Encode({}), HEADER + CHexBytes::From("0000"));
}

struct CLengthCase {
    const char* name;
    std::size_t length;
    const char* prefix;
};

class CRecentAddressLengthTest : public ::testing::TestWithParam<CLengthCase> {};

TEST_P(CRecentAddressLengthTest, LengthFormsRoundTrip) {
    const std::string text(GetParam().length, 'x');
    const std::string bytes = CRecentAddressFile::Encode({text, "l"});
    EXPECT_EQ(bytes.substr(HEADER.size() + 2, std::string_view(GetParam().prefix).size() / 2),
              CHexBytes::From(GetParam().prefix));
    EXPECT_THAT(CRecentAddressFile::Decode(bytes), ElementsAre(text, "l"));
}

INSTANTIATE_TEST_SUITE_P(Forms, CRecentAddressLengthTest,
                         ::testing::Values(CLengthCase{"Byte254", 254, "FE"},
                                           CLengthCase{"Word255", 255, "FFFF00"},
                                           CLengthCase{"Word65533", 65533, "FFFDFF"},
                                           CLengthCase{"Long65534", 65534, "FFFFFFFEFF0000"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CRecentAddressFileTest, CountsFromFFFFTakeTheLongForm) {
    const std::vector<std::string> below(0xFFFE, "a");
    const std::vector<std::string> at(0xFFFF + 1, "a");
    EXPECT_EQ(CRecentAddressFile::Encode(below).substr(HEADER.size(), 2), CHexBytes::From("FEFF"));
    const std::string bytes = CRecentAddressFile::Encode(at);
    EXPECT_EQ(bytes.substr(HEADER.size(), 6), CHexBytes::From("FFFF") + CHexBytes::U32(0x10000));
    EXPECT_EQ(CRecentAddressFile::Decode(bytes).size(), at.size());
}

struct CDamageCase {
    const char* name;
    std::string bytes;
    std::size_t strings;
};

class CRecentAddressDamageTest : public ::testing::TestWithParam<CDamageCase> {};

TEST_P(CRecentAddressDamageTest, ReadsWholePairsUpToTheDamage) {
    EXPECT_EQ(CRecentAddressFile::Decode(GetParam().bytes).size(), GetParam().strings);
}

const std::string GOOD = CRecentAddressFile::Encode({"a", "1", "b", "2"});

INSTANTIATE_TEST_SUITE_P(
    Files, CRecentAddressDamageTest,
    ::testing::Values(
        CDamageCase{"Empty", "", 0}, CDamageCase{"HeaderOnly", HEADER, 0},
        CDamageCase{"WrongClass",
                    CHexBytes::From("FFFF 0000 0B00") + "CStringLisX" + CHexBytes::From("0000"), 0},
        CDamageCase{"WrongSchema",
                    CHexBytes::From("FFFF 0100 0B00") + "CStringList" + CHexBytes::From("0000"), 0},
        CDamageCase{"CutInTheLastText", GOOD.substr(0, GOOD.size() - 1), 2},
        CDamageCase{"CountBeyondTheEnd", HEADER + CHexBytes::From("FFFF FFFFFFFF 0161 0131"), 2},
        CDamageCase{"OddCount", CRecentAddressFile::Encode({"a", "1", "b"}), 2},
        CDamageCase{"LengthBeyondTheEnd", HEADER + CHexBytes::From("0200 0161 FF1000"), 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CRecentAddressFileTest, SitsBesideTheSettingsFileWithTheExtensionCal) {
    EXPECT_EQ(CRecentAddressFile::PathFor("/d/x.y/Tarnvale.INI"), "/d/x.y/Tarnvale.cal");
    EXPECT_EQ(CRecentAddressFile::PathFor("/d/x.y/tarnvale"), "/d/x.y/tarnvale.cal");
}

TEST(CRecentAddressFileTest, WhatOneRunWritesTheNextReads) {
    const CTempFolder folder;
    const auto path = folder / "tarnvale.cal";
    EXPECT_THAT(CRecentAddressFile::Load(path), IsEmpty());
    ASSERT_TRUE(CRecentAddressFile::Save(path, {"b", "2", "a", "1"}).ok);
    EXPECT_THAT(CRecentAddressFile::Load(path), ElementsAre("b", "2", "a", "1"));
}

TEST(CRecentAddressFileTest, ReadsNoMorePairsThanTheListKeepsAndIgnoresAnOversizedFile) {
    const CTempFolder folder;
    const auto path = folder / "tarnvale.cal";
    ASSERT_TRUE(CRecentAddressFile::Save(path, {"c", "3", "b", "2", "a", "1"}).ok);
    EXPECT_THAT(CRecentAddressFile::Load(path, 2), ElementsAre("c", "3", "b", "2"));
    const std::string padding(CRecentAddressFile::MAX_FILE_SIZE, 'x');
    ASSERT_TRUE(CRecentAddressFile::Save(path, {"c", "3", padding, "2"}).ok);
    EXPECT_THAT(CRecentAddressFile::Load(path), IsEmpty());
}

} // namespace
