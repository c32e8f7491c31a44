#include "core/dialogs/CPickListPair.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
// Plain integers stand for records; they are listed in value order.
int ByValue(const CPickList<int>& list, const int* value) {
    int index = 0;
    while (index < list.GetCount() && *list.GetAt(index) < *value)
        ++index;
    return index;
}

class CPickListPairTest : public ::testing::Test {
protected:
    explicit CPickListPairTest(EPickButtonRule rule = EPickButtonRule::OneOfTwo)
        : m_pair(&ByValue, rule) {
        for (int& value : m_values)
            m_pair.Insert(EPickSide::Others, &value);
    }

    std::vector<int> Values(EPickSide side) const {
        std::vector<int> values;
        for (const int* value : m_pair.GetList(side).GetRecords())
            values.push_back(*value);
        return values;
    }

    std::vector<int> m_values{0, 1, 2, 3, 4};
    CPickListPair<int> m_pair;
};

TEST_F(CPickListPairTest, AddingMovesTheSelectedEntriesAndSelectsWhereTheFirstStood) {
    m_pair.OnSelectionChanged(EPickSide::Others, {1, 3});
    m_pair.OnAdd();
    EXPECT_THAT(Values(EPickSide::Members), ElementsAre(1, 3));
    EXPECT_THAT(Values(EPickSide::Others), ElementsAre(0, 2, 4));
    EXPECT_THAT(m_pair.GetList(EPickSide::Others).GetSelectedIndices(), ElementsAre(1));
    EXPECT_THAT(m_pair.GetList(EPickSide::Members).GetSelectedIndices(), IsEmpty());
    EXPECT_TRUE(m_pair.IsAddEnabled());
}

TEST_F(CPickListPairTest, MovingTheTailSelectsTheNewLastEntry) {
    m_pair.OnSelectionChanged(EPickSide::Others, {3, 4});
    m_pair.OnAdd();
    EXPECT_THAT(m_pair.GetList(EPickSide::Others).GetSelectedIndices(), ElementsAre(2));
}

TEST_F(CPickListPairTest, EmptyingTheSourceDisablesTheButtonUsed) {
    m_pair.OnSelectionChanged(EPickSide::Others, {0, 1, 2, 3, 4});
    m_pair.OnAdd();
    EXPECT_FALSE(m_pair.IsAddEnabled());
    EXPECT_THAT(Values(EPickSide::Members), ElementsAre(0, 1, 2, 3, 4));

    m_pair.OnSelectionChanged(EPickSide::Members, {0, 1, 2, 3, 4});
    EXPECT_TRUE(m_pair.IsRemoveEnabled());
    m_pair.OnRemove();
    EXPECT_FALSE(m_pair.IsRemoveEnabled());
    EXPECT_THAT(Values(EPickSide::Others), ElementsAre(0, 1, 2, 3, 4));
}

TEST_F(CPickListPairTest, AButtonWithoutSelectionMovesNothing) {
    m_pair.OnSelectionChanged(EPickSide::Others, {});
    m_pair.OnAdd();
    m_pair.OnRemove();
    EXPECT_THAT(Values(EPickSide::Members), IsEmpty());
    EXPECT_EQ(m_pair.GetList(EPickSide::Others).GetCount(), 5);
}

TEST_F(CPickListPairTest, SelectionInOneListEnablesItsButtonAndDisablesTheOther) {
    EXPECT_FALSE(m_pair.IsAddEnabled());
    EXPECT_FALSE(m_pair.IsRemoveEnabled());
    m_pair.OnSelectionChanged(EPickSide::Others, {0});
    EXPECT_TRUE(m_pair.IsAddEnabled());
    EXPECT_FALSE(m_pair.IsRemoveEnabled());
    m_pair.OnAdd();
    m_pair.OnSelectionChanged(EPickSide::Members, {0});
    EXPECT_FALSE(m_pair.IsAddEnabled());
    EXPECT_TRUE(m_pair.IsRemoveEnabled());
}

TEST_F(CPickListPairTest, ACancelledSelectionSwapsTheButtons) {
    m_pair.OnSelectionChanged(EPickSide::Others, {0});
    m_pair.OnSelectionChanged(EPickSide::Others, {});
    EXPECT_FALSE(m_pair.IsAddEnabled());
    EXPECT_TRUE(m_pair.IsRemoveEnabled());
    m_pair.OnSelectionChanged(EPickSide::Members, {});
    EXPECT_TRUE(m_pair.IsAddEnabled());
    EXPECT_FALSE(m_pair.IsRemoveEnabled());
}

TEST_F(CPickListPairTest, FocusInOneListDeselectsTheOther) {
    m_pair.OnSelectionChanged(EPickSide::Others, {0, 1});
    m_pair.OnAdd();
    m_pair.OnSelectionChanged(EPickSide::Members, {1});
    m_pair.OnFocus(EPickSide::Members);
    EXPECT_FALSE(m_pair.GetList(EPickSide::Others).HasSelection());
    EXPECT_TRUE(m_pair.GetList(EPickSide::Members).HasSelection());
}

class CPickListPairEachOwnTest : public CPickListPairTest {
protected:
    CPickListPairEachOwnTest() : CPickListPairTest(EPickButtonRule::EachOwn) {}
};

TEST_F(CPickListPairEachOwnTest, EachListDrivesOnlyItsOwnButton) {
    m_pair.OnSelectionChanged(EPickSide::Others, {0, 1});
    m_pair.OnAdd();
    m_pair.OnSelectionChanged(EPickSide::Members, {0});
    EXPECT_TRUE(m_pair.IsAddEnabled());
    EXPECT_TRUE(m_pair.IsRemoveEnabled());
    m_pair.OnSelectionChanged(EPickSide::Members, {});
    EXPECT_FALSE(m_pair.IsRemoveEnabled());
    EXPECT_TRUE(m_pair.IsAddEnabled());
    m_pair.OnSelectionChanged(EPickSide::Others, {});
    EXPECT_FALSE(m_pair.IsAddEnabled());
    EXPECT_FALSE(m_pair.IsRemoveEnabled());
}
} // namespace
