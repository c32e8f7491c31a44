#include "core/storage/CSystemMessage.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <set>

namespace {

TEST(CSystemMessageTest, CommonCausesHaveTextsOfTheirOwnAndARareOneKeepsItsNumber) {
    std::set<std::string> texts;
    for (const int error : {ENOENT, EACCES, EROFS, ENOSPC, EISDIR, ENAMETOOLONG}) {
        const std::string text = CSystemMessage::Describe(error);
        EXPECT_TRUE(std::none_of(text.begin(), text.end(), [](unsigned char c) {
            return std::isalpha(c) != 0;
        })) << text;
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), 6U);
    EXPECT_THAT(CSystemMessage::Describe(EIO),
                ::testing::StartsWith("システムエラー " + std::to_string(EIO) + ": "));
}

} // namespace
