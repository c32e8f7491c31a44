#include "core/dialogs/CPickList.h"

#include "core/dialogs/CPickOrder.h"
#include "core/model/CGroup.h"
#include "core/model/CPersonalData.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <string>
#include <vector>

using ::testing::ElementsAre;

namespace {
// Checks every observable of the list against a plain vector that went through the same edits.
void ExpectSame(const CPickList<int>& list, const std::vector<int*>& expected,
                const std::vector<bool>& selected) {
    ASSERT_EQ(list.GetCount(), static_cast<int>(expected.size()));
    EXPECT_EQ(list.GetRecords(), expected);
    std::vector<int> selectedIndices;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(list.GetAt(static_cast<int>(i)), expected[i]) << "at " << i;
        ASSERT_EQ(list.IndexOf(expected[i]), static_cast<int>(i));
        if (selected[i])
            selectedIndices.push_back(static_cast<int>(i));
    }
    EXPECT_EQ(list.GetSelectedIndices(), selectedIndices);
    EXPECT_EQ(list.HasSelection(), !selectedIndices.empty());
}

TEST(CPickListTest, ManyInsertionsRemovalsAndSelectionsMatchAPlainVector) {
    std::vector<int> values(6000);
    CPickList<int> list;
    std::vector<int*> expected;
    std::vector<bool> selected;
    std::mt19937 random(7);
    for (int& value : values) {
        const int index = static_cast<int>(random() % (expected.size() + 1));
        EXPECT_EQ(list.InsertAt(index, &value), index);
        expected.insert(expected.begin() + index, &value);
        selected.insert(selected.begin() + index, false);
        if (random() % 3 == 0) {
            const std::size_t pick = random() % expected.size();
            list.SetSelected(static_cast<int>(pick), true);
            selected[pick] = true;
        }
        if (random() % 4 == 0) {
            const std::size_t gone = random() % expected.size();
            EXPECT_TRUE(list.Remove(expected[gone]));
            expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(gone));
            selected.erase(selected.begin() + static_cast<std::ptrdiff_t>(gone));
        }
    }
    ExpectSame(list, expected, selected);

    list.RemoveSelected();
    std::vector<int*> kept;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (!selected[i])
            kept.push_back(expected[i]);
    }
    ExpectSame(list, kept, std::vector<bool>(kept.size(), false));

    // Edits after the bulk removal still land in the right blocks.
    int extra = 0;
    list.InsertAt(list.GetCount() / 2, &extra);
    kept.insert(kept.begin() + static_cast<std::ptrdiff_t>(kept.size() / 2), &extra);
    ExpectSame(list, kept, std::vector<bool>(kept.size(), false));
}

TEST(CPickListTest, RecordsNotListedAreReportedAsSuch) {
    int a = 0;
    int b = 0;
    CPickList<int> list;
    list.InsertAt(0, &a);
    EXPECT_FALSE(list.Remove(&b));
    EXPECT_EQ(list.IndexOf(&b), -1);
    EXPECT_TRUE(list.Remove(&a));
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.IndexOf(&a), -1);
}

TEST(CPickListTest, SelectOnlyReplacesTheSelectionAndIgnoresRowsOutside) {
    std::vector<int> values(5);
    CPickList<int> list;
    for (int& value : values)
        list.InsertAt(list.GetCount(), &value);
    list.SelectOnly({0, 3});
    list.SelectOnly({1, 4, 9, -1});
    EXPECT_THAT(list.GetSelectedIndices(), ElementsAre(1, 4));
    EXPECT_THAT(list.GetSelectedRecords(), ElementsAre(&values[1], &values[4]));
    list.ClearSelection();
    EXPECT_FALSE(list.HasSelection());
}

class CPickOrderTest : public ::testing::Test {
protected:
    CPersonalData* Person(const std::string& name, const std::string& initial) {
        CPersonalData& person = m_persons.emplace_back();
        person.SetText(EPersonText::Name, name);
        person.SetText(EPersonText::Initial, initial);
        return &person;
    }
    void InsertByInitial(CPersonalData* person) {
        m_personList.InsertAt(CPickOrder::ByInitial(m_personList, person), person);
    }
    std::vector<std::string> PersonNames() const {
        std::vector<std::string> names;
        for (const CPersonalData* person : m_personList.GetRecords())
            names.emplace_back(person->GetText(EPersonText::Name));
        return names;
    }

    std::deque<CPersonalData> m_persons;
    CPickList<CPersonalData> m_personList;
};

TEST_F(CPickOrderTest, PersonsGoByInitialWithEmptyInitialsFirst) {
    InsertByInitial(Person("Sato", "\x82\xB3")); // さ
    InsertByInitial(Person("Ito", "\x82\xA2"));  // い
    InsertByInitial(Person("Nobody", ""));
    InsertByInitial(Person("Kato", "\x82\xA9")); // か
    EXPECT_THAT(PersonNames(), ElementsAre("Nobody", "Ito", "Kato", "Sato"));
}

TEST_F(CPickOrderTest, EqualInitialsStandWhereTheSearchStopped) {
    // The search inserts before the first equal entry it meets, which is not always the
    // first of the run: the fourth lands in the middle.
    for (const char* name : {"a", "b", "c", "d"})
        InsertByInitial(Person(name, ""));
    EXPECT_THAT(PersonNames(), ElementsAre("c", "d", "b", "a"));
}

TEST_F(CPickOrderTest, InitialsCompareByCharacterNotByName) {
    InsertByInitial(Person("Zed", "\xB1"));     // half-width ｱ
    InsertByInitial(Person("Abe", "\x82\xA0")); // あ
    EXPECT_THAT(PersonNames(), ElementsAre("Zed", "Abe"));
}

TEST(CPickOrderGroupTest, GroupsGoByNameInByteOrderAfterEqualNames) {
    CGroup lower("abc");
    CGroup upper("ABC");
    CGroup first("A");
    CGroup again("A");
    CPickList<CGroup> list;
    for (CGroup* group : {&lower, &upper, &first, &again})
        list.InsertAt(CPickOrder::ByGroupName(list, group), group);
    EXPECT_THAT(list.GetRecords(), ElementsAre(&first, &again, &upper, &lower));
}
} // namespace
