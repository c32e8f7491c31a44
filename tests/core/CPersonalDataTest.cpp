#include "core/model/CPersonalData.h"

#include "core/containers/CByteArena.h"
#include "core/model/CFieldTable.h"
#include "core/model/CGroup.h"
#include "core/model/CGroupInfo.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

using ::testing::ElementsAre;

namespace {
TEST(CPersonalDataTest, TheMemoShowsOnlyItsFirstLineButSearchSeesItWhole) {
    CPersonalData person;
    person.SetText(EPersonText::Memo, "abc\r\ndef");
    EXPECT_EQ(person.GetFieldText(CFieldTable::FIELD_MEMO), "abc");
    EXPECT_EQ(person.GetFieldFullText(CFieldTable::FIELD_MEMO), "abc\r\ndef");
    person.SetText(EPersonText::Memo, "whole");
    EXPECT_EQ(person.GetFieldText(CFieldTable::FIELD_MEMO), "whole");
    person.SetText(EPersonText::Memo, "\nrest");
    EXPECT_EQ(person.GetFieldText(CFieldTable::FIELD_MEMO), "");
    person.SetText(EPersonText::Memo, "ab\ncd"); // LF alone, as other programs write
    EXPECT_EQ(person.GetFieldText(CFieldTable::FIELD_MEMO), "ab");
}

TEST(CPersonalDataTest, FieldNumbersMapToTheirTextsAndReplaceReturnsThePrevious) {
    CPersonalData person;
    const std::array<EPersonText, 11> texts = {
        EPersonText::Name,        EPersonText::Zip,     EPersonText::Address, EPersonText::Tel1,
        EPersonText::Tel2,        EPersonText::Email1,  EPersonText::Email2,  EPersonText::HomeZip,
        EPersonText::HomeAddress, EPersonText::HomeTel, EPersonText::Memo};
    for (int field = 0; field < CFieldTable::WORKING_FIELDS; ++field)
        EXPECT_EQ(person.ReplaceField(field, "v" + std::to_string(field)), "");
    for (int field = 0; field < CFieldTable::WORKING_FIELDS; ++field)
        EXPECT_EQ(person.GetText(texts[static_cast<std::size_t>(field)]),
                  "v" + std::to_string(field));
    EXPECT_EQ(person.ReplaceField(CFieldTable::FIELD_ADDRESS, "new"), "v2");
    EXPECT_EQ(person.GetText(EPersonText::Tel1), "v3"); // neighbours keep their texts
    EXPECT_EQ(person.GetText(EPersonText::Zip), "v1");
}

TEST(CPersonalDataTest, ACopySharesGroupsButKeepsItsOwnList) {
    CGroup a("A");
    CGroup b("B");
    CPersonalData person;
    person.SetText(EPersonText::HomePage, std::string(300, 'x'));
    person.m_groupList = {&a};
    person.m_nSex = CPersonalData::SEX_FEMALE;
    CPersonalData copy(person);
    copy.m_groupList.push_back(&b);
    EXPECT_THAT(person.m_groupList, ElementsAre(&a));
    EXPECT_THAT(copy.m_groupList, ElementsAre(&a, &b));
    EXPECT_EQ(copy.GetText(EPersonText::HomePage), std::string(300, 'x'));
    EXPECT_EQ(copy.m_nSex, CPersonalData::SEX_FEMALE);
    EXPECT_EQ(copy.m_place, EPersonPlace::None);
}

// Persons made together keep their texts in one arena, side by side: pieces that cross the end
// of a block, or are large, never overlap, and an edit or a copy leaves the arena alone.
TEST(CPersonalDataTest, PersonsInAnArenaKeepTheirTextsApartThroughEditsAndCopies) {
    CByteArena arena;
    std::vector<std::unique_ptr<CPersonalData>> persons;
    const std::vector<std::size_t> sizes = {0, 16000, 16000, 16000, 16000, 9, 16000, 40000};
    for (const std::size_t size : sizes) {
        std::array<std::string_view, CPersonalData::TEXT_COUNT> texts{};
        const std::string memo(size, static_cast<char>('a' + persons.size()));
        texts[static_cast<std::size_t>(EPersonText::Memo)] = memo;
        persons.push_back(std::make_unique<CPersonalData>(texts, CPersonalData::SEX_NONE, arena));
    }
    const CPersonalData copy(*persons[5]);
    persons[5]->SetText(EPersonText::Name, "edited");
    for (std::size_t i = 0; i < persons.size(); ++i) {
        const std::string_view memo = persons[i]->GetText(EPersonText::Memo);
        EXPECT_EQ(memo.size(), sizes[i]);
        EXPECT_EQ(memo.find_first_not_of(static_cast<char>('a' + i)), std::string_view::npos) << i;
    }
    EXPECT_EQ(persons[5]->GetText(EPersonText::Name), "edited");
    EXPECT_EQ(copy.GetAllTexts(), std::string(9, 'f'));
}

TEST(CPersonalDataTest, SortKeyIsTheInitialWhenThereIsOne) {
    CPersonalData person;
    person.SetText(EPersonText::Name, "name");
    EXPECT_EQ(person.GetSortKey(), "name");
    person.SetText(EPersonText::Initial, "kana");
    EXPECT_EQ(person.GetSortKey(), "kana");
}

TEST(CPersonalDataTest, MembershipAndShownIn) {
    CGroup a("A");
    CGroup b("B");
    CPersonalData person;
    person.m_groupList = {&a};
    EXPECT_TRUE(person.IsMemberOf(nullptr));
    EXPECT_TRUE(person.IsMemberOf(&a));
    EXPECT_FALSE(person.IsMemberOf(&b));
    CGroupInfo info;
    EXPECT_TRUE(person.IsShownIn(info));
    info.SetDeleted();
    EXPECT_FALSE(person.IsShownIn(info));
    info.SetGroup(&b);
    EXPECT_FALSE(person.IsShownIn(info));
    info.SetGroup(&a);
    EXPECT_TRUE(person.IsShownIn(info));
}

TEST(CFieldTableTest, LabelsFitTheirNineteenByteSlotsInCp932) {
    // Each label was a 20-byte zero-padded CP932 array; UTF-8 is longer, so a CP932 length
    // of at most 19 bytes is what matters: two bytes per non-ASCII character here.
    for (int field = 0; field < CFieldTable::FIELD_COUNT; ++field) {
        const std::string_view label = CFieldTable::GetLabel(field);
        std::size_t cp932 = 0;
        for (std::size_t i = 0; i < label.size();) {
            const auto c = static_cast<unsigned char>(label[i]);
            const std::size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
            cp932 += length == 1 ? 1 : 2;
            i += length;
        }
        EXPECT_LE(cp932, 19u) << label;
    }
    EXPECT_EQ(CFieldTable::GetDefaultWidth(CFieldTable::FIELD_HOME_PAGE), 200);
    EXPECT_EQ(CFieldTable::GetLabel(CFieldTable::FIELD_HOME_ZIP), "帰省先〒");
}
} // namespace
