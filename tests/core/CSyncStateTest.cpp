#include "core/sync/CSyncState.h"

#include "CTempFolder.h"
#include "core/storage/CFileReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>

namespace {
// A value put into every field of a state, which must come back as it was.
struct CValueCase {
    const char* name;
    std::string value;
};

class CSyncStateValueTest : public ::testing::TestWithParam<CValueCase> {};

TEST_P(CSyncStateValueTest, SurvivesARoundTrip) {
    const std::string& value = GetParam().value;
    CSyncState state;
    state.m_strUrl = "https://x/" + value;
    state.m_strCollection = "https://x/u/" + value;
    state.m_strToken = value;
    state.m_entries[value] = {"/u/" + value, value, "d" + value};
    state.m_entries["11111111-2222-4333-8444-555555555555"] = {"/u/a b.vcf", "\"e 1\"", "d"};
    const std::string text = state.Encode();
    EXPECT_EQ(4u + state.m_entries.size(),
              static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
    EXPECT_EQ(state, CSyncState::Parse(text));
}

const CValueCase VALUE_CASES[] = {
    {"Plain", "http://radicale.org/ns/sync/abc"},
    {"LineBreaks", "a\nb\r\nc"},
    {"Tabs", "\tx\t"},
    {"Backslashes", "\\x41\\\\n\\"},
    {"ControlBytes", std::string("\x01\x1F\x7F", 3)},
    {"HighBytes", "\xFF\xFE\xC3\xA9 \x80"},
};

INSTANTIATE_TEST_SUITE_P(Values, CSyncStateValueTest, ::testing::ValuesIn(VALUE_CASES),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CSyncStateTest, ReadsVersionOneWithAnyUid) {
    const CSyncState state =
        CSyncState::Parse("tarnvale-sync 1\nurl https://x/\ncollection "
                          "https://x/b/\ntoken t\\1\nsome uid@host\td\t\"e\"\t/b/"
                          "1.vcf\n");
    EXPECT_EQ("t\\1", state.m_strToken);
    ASSERT_EQ(1u, state.m_entries.count("some uid@host"));
    EXPECT_EQ("/b/1.vcf", state.m_entries.at("some uid@host").href);
}

TEST(CSyncStateTest, DamageCountsAsNoState) {
    CSyncState state;
    state.m_strUrl = "https://x/";
    state.m_entries["u"] = {"/b/1.vcf", "e", "d"};
    const std::string text = state.Encode();
    EXPECT_EQ(CSyncState(), CSyncState::Parse(text.substr(0, text.size() - 1)));
    EXPECT_EQ(CSyncState(), CSyncState::Parse("tarnvale-sync 3" + text.substr(15)));
    std::string badEscape = text;
    badEscape.replace(badEscape.find("/b/"), 1, "\\q");
    EXPECT_EQ(CSyncState(), CSyncState::Parse(badEscape));
    std::string threeFields = text;
    threeFields.erase(threeFields.find("\te\t"), 2);
    EXPECT_EQ(CSyncState(), CSyncState::Parse(threeFields));
}

class CSyncStateFileTest : public ::testing::Test {
protected:
    std::filesystem::path Book() const { return m_folder / "book.adr"; }
    std::filesystem::path Side() const { return CSyncState::PathFor(Book()); }
    CSyncState Sample() const {
        CSyncState state;
        state.m_strUrl = "https://x/";
        state.m_strCollection = "https://x/b/";
        return state;
    }

    CTempFolder m_folder;
};

TEST_F(CSyncStateFileTest, IsWrittenPrivateEvenOverAnOpenFile) {
    std::ofstream(Side()) << "old";
    std::filesystem::permissions(Side(), std::filesystem::perms(0666));
    ASSERT_TRUE(Sample().Save(Book()).ok);
    struct stat info {};
    ASSERT_EQ(0, ::stat(Side().c_str(), &info));
    EXPECT_EQ(0600u, info.st_mode & 0777);
    CSyncState loaded;
    ASSERT_TRUE(CSyncState::Load(Book(), loaded).ok);
    EXPECT_EQ(Sample(), loaded);
}

TEST_F(CSyncStateFileTest, ALinkInItsPlaceIsReplacedNotFollowed) {
    const std::filesystem::path target = m_folder / "passwd";
    std::ofstream(target) << "root:x:0:0\n";
    std::filesystem::create_symlink(target, Side());
    CSyncState loaded = Sample();
    ASSERT_TRUE(CSyncState::Load(Book(), loaded).ok);
    EXPECT_EQ(CSyncState(), loaded);
    ASSERT_TRUE(Sample().Save(Book()).ok);
    std::string bytes;
    ASSERT_TRUE(CFileReader::Read(target, bytes).ok);
    EXPECT_EQ("root:x:0:0\n", bytes);
    EXPECT_FALSE(std::filesystem::is_symlink(Side()));
}

TEST_F(CSyncStateFileTest, AFileOthersMayWriteIsRefused) {
    ASSERT_TRUE(Sample().Save(Book()).ok);
    std::filesystem::permissions(Side(), std::filesystem::perms(0622));
    CSyncState loaded = Sample();
    const CFileResult result = CSyncState::Load(Book(), loaded);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(std::string::npos, result.message.find("book.adr.sync"));
    EXPECT_EQ(CSyncState(), loaded);
}
} // namespace
