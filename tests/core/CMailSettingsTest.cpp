#include "core/mail/CMailSettings.h"

#include "CTempFolder.h"
#include "core/settings/CProfile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(CMailSettingsTest, DefaultsWithoutASettingsFile) {
    const CTempFolder folder;
    CMailSettings settings;
    settings.m_strMailSeparator = "x";
    settings.Load(CProfile(folder / "t.ini"));
    EXPECT_EQ(settings.m_strMailSeparator, ";");
    EXPECT_EQ(settings.m_nRecentCapacity, 10);
    EXPECT_FALSE(settings.m_bMailToClipboard);
}

TEST(CMailSettingsTest, ValuesAreWrittenAsTheyAlwaysWere) {
    const CTempFolder folder;
    CProfile profile(folder / "t.ini");
    CMailSettings settings;
    settings.m_strMailSeparator = std::string("a\\, b");
    settings.m_nRecentCapacity = 3;
    settings.m_bMailToClipboard = true;
    settings.Save(profile);
    EXPECT_EQ(ReadAll(profile.GetPath()), "[CopyEmail]\r\nsep=a\\, b\r\ncapa=3\r\nclipboard=1\r\n");
}

class CSeparatorRoundTripTest : public ::testing::TestWithParam<std::string> {};

TEST_P(CSeparatorRoundTripTest, ReadsBackExactlyAndKeepsTheLinesAfterIt) {
    const CTempFolder folder;
    CProfile profile(folder / "t.ini");
    CMailSettings written;
    written.m_strMailSeparator = GetParam();
    written.m_nRecentCapacity = 7;
    written.Save(profile);
    CMailSettings read;
    read.Load(profile);
    EXPECT_EQ(read.m_strMailSeparator, GetParam());
    EXPECT_EQ(read.m_nRecentCapacity, 7);
}

INSTANTIATE_TEST_SUITE_P(Separators, CSeparatorRoundTripTest,
                         ::testing::Values("\r\n", "\n", " ;\r\n \" ", "\\x41\n\\", "\x83\x5C\r\n",
                                           ", ", " ", "\"x\"", "'y'", " ; ", "\t",
                                           "a\x01"
                                           "b",
                                           "\x1A", ", \\x41"),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(CMailSettingsTest, APlainSeparatorAfterAnEscapedOneIsReadPlain) {
    const CTempFolder folder;
    CProfile profile(folder / "t.ini");
    CMailSettings settings;
    settings.m_strMailSeparator = "\n";
    settings.Save(profile);
    settings.m_strMailSeparator = "\\x41";
    settings.Save(profile);
    CMailSettings read;
    read.Load(profile);
    EXPECT_EQ(read.m_strMailSeparator, "\\x41");
}

} // namespace
