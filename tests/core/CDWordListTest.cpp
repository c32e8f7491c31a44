#include "core/model/CDWordList.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {
std::vector<std::uint32_t> Values(const CDWordList& list) {
    return {list.begin(), list.end()};
}

// Lists of every length around the inline capacity, through removals, copies and moves.
TEST(CDWordListTest, KeepsItsValuesInsideAndOutsideThroughCopiesAndMoves) {
    for (std::uint32_t count = 0; count < 7; ++count) {
        CDWordList list;
        std::vector<std::uint32_t> expected;
        for (std::uint32_t value = 1; value <= count; ++value) {
            list.AddTail(value * 10);
            expected.push_back(value * 10);
        }
        if (count > 0) {
            EXPECT_TRUE(list.RemoveValue(10)) << count;
            expected.erase(expected.begin());
        }
        EXPECT_FALSE(list.RemoveValue(999));
        ASSERT_EQ(Values(list), expected) << count;
        EXPECT_EQ(list.GetHead(), expected.empty() ? 0u : expected.front());

        CDWordList copy = list;
        CDWordList moved = std::move(list);
        EXPECT_TRUE(list.IsEmpty());
        list.AddTail(7); // a moved-from list is usable again
        EXPECT_EQ(Values(list), std::vector<std::uint32_t>{7});
        copy = moved;
        moved = std::move(copy);
        EXPECT_EQ(Values(moved), expected) << count;
        moved.RemoveAll();
        EXPECT_EQ(moved.GetCount(), 0);
    }
}
} // namespace
