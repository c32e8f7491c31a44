#include "core/text/CShortText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

// Texts on both sides of the inline room keep their bytes through every copy, move and
// assignment, including one from a view of the text itself.
TEST(CShortTextTest, KeepsEveryLengthThroughCopiesMovesAndSelfViews) {
    for (const std::size_t length : {0, 1, 14, 15, 16, 40}) {
        SCOPED_TRACE(length);
        const std::string bytes(length, '\x82');
        CShortText text(bytes);
        EXPECT_EQ(text, bytes);
        CShortText copy(text);
        CShortText moved(std::move(copy));
        EXPECT_EQ(moved, bytes);
        EXPECT_TRUE(copy.empty());
        CShortText other("other text longer than fifteen");
        other = moved;
        EXPECT_EQ(other, bytes);
        other = std::move(moved);
        EXPECT_EQ(other, bytes);
        other = other.View().substr(length / 2);
        EXPECT_EQ(other, bytes.substr(length / 2));
    }
}
