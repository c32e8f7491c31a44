#include "core/text/CCompactText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

// Texts on both sides of the inline room keep their bytes through every copy, move and
// assignment, including one from a view of the text itself.
TEST(CCompactTextTest, KeepsEveryLengthThroughCopiesMovesAndSelfViews) {
    for (const std::size_t length : {0, 1, 6, 7, 8, 300}) {
        SCOPED_TRACE(length);
        std::string bytes;
        for (std::size_t i = 0; i < length; ++i)
            bytes += static_cast<char>('\x81' + i % 50);
        CCompactText text(bytes);
        EXPECT_EQ(text, bytes);
        EXPECT_EQ(text.empty(), bytes.empty());
        CCompactText copy(text);
        CCompactText moved(std::move(copy));
        EXPECT_EQ(moved, bytes);
        EXPECT_TRUE(copy.empty());
        CCompactText other("a text longer than seven");
        other = moved;
        EXPECT_EQ(other, bytes);
        other = std::move(moved);
        EXPECT_EQ(other, bytes);
        EXPECT_TRUE(moved.empty());
        other = other.View().substr(length / 2);
        EXPECT_EQ(other, bytes.substr(length / 2));
        const CCompactText& same = other;
        other = same;
        EXPECT_EQ(other, bytes.substr(length / 2));
    }
}
