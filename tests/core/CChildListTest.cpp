#include "core/containers/CChildList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {
// The same operations on a plain vector say what the list must hold.
class CChildListTest : public ::testing::Test {
protected:
    struct CEntry {
        HTREEITEM item;
        std::uint64_t prefix;
    };

    void Insert(std::size_t pos, std::uint64_t prefix) {
        const HTREEITEM item = m_nextItem++;
        m_list.Insert(pos, item, {prefix});
        m_model.insert(m_model.begin() + static_cast<std::ptrdiff_t>(pos), {item, prefix});
    }

    void Append(std::size_t count) {
        std::vector<HTREEITEM> items;
        std::vector<CChildList::CKey> keys;
        for (std::size_t i = 0; i < count; ++i) {
            items.push_back(m_nextItem++);
            keys.push_back({42 + items.back() / 64}); // in order, as PartitionPoint needs
            m_model.push_back({items.back(), keys.back().prefix});
        }
        m_list.Append(items, keys);
    }

    void Erase(std::size_t pos) {
        m_list.Erase(pos);
        m_model.erase(m_model.begin() + static_cast<std::ptrdiff_t>(pos));
    }

    std::size_t RandomPosition(std::size_t end) {
        return std::uniform_int_distribution<std::size_t>(0, end)(m_random);
    }

    // Every way of reading the list agrees with the model.
    void ExpectMatchesModel() {
        ASSERT_EQ(m_list.size(), m_model.size());
        EXPECT_EQ(m_list.empty(), m_model.empty());
        std::vector<HTREEITEM> walked;
        for (auto it = m_list.begin(); it != m_list.end(); ++it) {
            ASSERT_LT(walked.size(), m_model.size());
            EXPECT_EQ(it.Key().prefix, m_model[walked.size()].prefix);
            walked.push_back(*it);
        }
        ASSERT_EQ(walked.size(), m_model.size());
        for (std::size_t pos = 0; pos < m_model.size(); ++pos) {
            EXPECT_EQ(walked[pos], m_model[pos].item) << "at " << pos;
            EXPECT_EQ(m_list[pos], m_model[pos].item) << "at " << pos;
            EXPECT_EQ(m_list.KeyAt(pos).prefix, m_model[pos].prefix) << "at " << pos;
            EXPECT_EQ(*m_list.IteratorAt(pos), m_model[pos].item) << "at " << pos;
            if (pos % 13 == 0) {
                EXPECT_EQ(m_list.IndexOf(m_model[pos].item), pos);
            }
        }
        EXPECT_EQ(m_list.IndexOf(m_nextItem), m_model.size());
        if (!m_model.empty()) {
            EXPECT_EQ(m_list.front(), m_model.front().item);
            EXPECT_EQ(m_list.back(), m_model.back().item);
            EXPECT_EQ(m_list.BackKey().prefix, m_model.back().prefix);
        }
        EXPECT_TRUE(m_list.IteratorAt(m_model.size()) == m_list.end());
    }

    CChildList m_list;
    std::vector<CEntry> m_model;
    HTREEITEM m_nextItem = 1;
    std::mt19937 m_random{20240611};
};

TEST_F(CChildListTest, RandomInsertionsAndErasuresMatchAVector) {
    // Growing well past one block splits blocks, shrinking to nothing merges and drops them,
    // and growing again reuses the emptied list.
    const std::size_t phases[] = {3000, 40, 1500, 0, 700};
    for (const std::size_t target : phases) {
        while (m_model.size() != target) {
            if (m_model.size() < target)
                Insert(RandomPosition(m_model.size()), m_nextItem % 7);
            else
                Erase(RandomPosition(m_model.size() - 1));
            if (m_model.size() % 97 == 0)
                ExpectMatchesModel();
        }
        ExpectMatchesModel();
    }
}

TEST_F(CChildListTest, EditsAtBothEndsAndAtBlockBoundariesKeepPositions) {
    for (int i = 0; i < 2 * static_cast<int>(CChildList::MAX_BLOCK) + 3; ++i)
        Insert(m_model.size(), 0); // appends fill whole blocks
    for (int i = 0; i < 50; ++i)
        Insert(0, 1);
    const std::size_t boundaries[] = {CChildList::MAX_BLOCK - 1, CChildList::MAX_BLOCK,
                                      CChildList::MAX_BLOCK + 1, 2 * CChildList::MAX_BLOCK};
    for (const std::size_t pos : boundaries) {
        Insert(pos, 2);
        Erase(pos + 1);
    }
    // A new key stays with its child alone.
    const std::size_t renamedAt = CChildList::MAX_BLOCK;
    const CChildList::CKey original = m_list.KeyAt(renamedAt);
    m_list.SetKey(renamedAt, {99});
    EXPECT_EQ(m_list.KeyAt(renamedAt).prefix, 99u);
    EXPECT_EQ(m_list.KeyAt(renamedAt + 1).prefix, m_model[renamedAt + 1].prefix);
    m_list.SetKey(renamedAt, original);
    ExpectMatchesModel();
    while (!m_model.empty()) {
        Erase(m_model.size() - 1);
        if (!m_model.empty())
            Erase(0);
    }
    ExpectMatchesModel();
}

TEST_F(CChildListTest, PartitionPointAgreesWithUpperBoundOverSortedKeys) {
    // Insertion after equal prefixes, as the tree sorts, found by the list itself.
    std::uniform_int_distribution<std::uint64_t> prefixes(0, 60);
    for (int i = 0; i < 2000; ++i) {
        const std::uint64_t prefix = prefixes(m_random);
        const std::size_t pos = m_list.PartitionPoint(
            [prefix](HTREEITEM, const CChildList::CKey& key) { return key.prefix <= prefix; });
        const auto expected = std::upper_bound(
            m_model.begin(), m_model.end(), prefix,
            [](std::uint64_t value, const CEntry& entry) { return value < entry.prefix; });
        ASSERT_EQ(pos, static_cast<std::size_t>(expected - m_model.begin()));
        Insert(pos, prefix);
    }
    ExpectMatchesModel();
    EXPECT_EQ(m_list.PartitionPoint([](HTREEITEM, const CChildList::CKey&) { return true; }),
              m_list.size());
    EXPECT_EQ(m_list.PartitionPoint([](HTREEITEM, const CChildList::CKey&) { return false; }), 0u);
}

TEST_F(CChildListTest, PositionsOutsideTheListThrowAndClearEmpties) {
    EXPECT_THROW(m_list.at(0), std::out_of_range);
    EXPECT_THROW(m_list.Erase(0), std::out_of_range);
    EXPECT_THROW(m_list.Insert(1, 1, {}), std::out_of_range);
    Insert(0, 0);
    Insert(1, 0);
    EXPECT_EQ(m_list.at(1), m_model[1].item);
    EXPECT_THROW(m_list.at(2), std::out_of_range);
    m_list.Clear();
    m_model.clear();
    ExpectMatchesModel();
    EXPECT_TRUE(m_list.begin() == m_list.end());
}

// A list of one child holds it alone; these walk it across the border between one and more.
struct CSmallCase {
    const char* name;
    // "i2" inserts a child at position 2, "e2" erases the child there, "a9" appends nine
    const char* steps;
};

class CChildListSmallTest : public CChildListTest,
                            public ::testing::WithParamInterface<CSmallCase> {};

TEST_P(CChildListSmallTest, MatchesAVectorAndSurvivesCopyAndMove) {
    std::istringstream steps(GetParam().steps);
    std::string step;
    while (steps >> step) {
        const std::size_t pos = std::stoul(step.substr(1));
        if (step[0] == 'i')
            Insert(pos, m_nextItem % 3);
        else if (step[0] == 'a')
            Append(pos);
        else
            Erase(pos);
        ExpectMatchesModel();
    }
    if (!m_model.empty()) {
        m_list.SetKey(0, {42});
        m_model[0].prefix = 42;
    }
    const std::uint64_t last = m_model.empty() ? 0 : m_model.back().prefix;
    EXPECT_EQ(m_list.PartitionPoint(
                  [last](HTREEITEM, const CChildList::CKey& key) { return key.prefix < last; }),
              static_cast<std::size_t>(
                  std::count_if(m_model.begin(), m_model.end(),
                                [last](const CEntry& entry) { return entry.prefix < last; })));
    CChildList copy = m_list;
    CChildList moved = std::move(m_list);
    m_list = std::move(copy);
    ExpectMatchesModel();
    m_list = moved;
    ExpectMatchesModel();
    EXPECT_TRUE(copy.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CChildListSmallTest,
    ::testing::Values(
        CSmallCase{"Empty", ""}, CSmallCase{"One", "i0"}, CSmallCase{"OneErased", "i0 e0"},
        CSmallCase{"SecondBefore", "i0 i0"}, CSmallCase{"SecondAfter", "i0 i1"},
        CSmallCase{"FirstOfTwoErased", "i0 i1 e0"}, CSmallCase{"LastOfTwoErased", "i0 i1 e1"},
        CSmallCase{"DownToOneAndUp", "i0 i1 i2 e1 e0 i0 i2 e2"}, CSmallCase{"AppendNone", "a0"},
        CSmallCase{"AppendOne", "a1 a1"}, CSmallCase{"AppendToOne", "i0 a300 e0 e5"},
        CSmallCase{"AppendPastFullBlocks", "a256 a1 a600 e300"}),
    [](const ::testing::TestParamInfo<CSmallCase>& info) { return std::string(info.param.name); });
} // namespace
