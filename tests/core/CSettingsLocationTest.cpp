#include "core/settings/CSettingsLocation.h"

#include "CTempFolder.h"
#include "core/settings/CColumnWidth.h"
#include "core/settings/CProfile.h"
#include "core/settings/CRecentFileList.h"
#include "core/settings/CWindowPlacement.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

CSettingsLocation::CWritableTest Writable(bool writable) {
    return [writable](const fs::path&) {
        return writable;
    };
}

TEST(CSettingsLocationTest, LiesBesideAWritableProgramNamedAfterIt) {
    const CSettingsLocation::CEnvironment env{"/home/u/.cfg", "/home/u"};
    EXPECT_EQ(CSettingsLocation::Resolve("/opt/tv/bin/tarnvale", env, Writable(true)),
              fs::path("/opt/tv/bin/tarnvale.ini"));
    EXPECT_EQ(CSettingsLocation::Resolve("/d/ADDR", env, Writable(true)), fs::path("/d/ADDR.ini"));
    // Installed among the system's programs, even root's settings go to the config folder.
    for (const char* program : {"/usr/bin/tarnvale", "/usr/local/bin/../bin/tarnvale"})
        EXPECT_EQ(CSettingsLocation::Resolve(program, env, Writable(true)),
                  fs::path("/home/u/.cfg/tarnvale/tarnvale.ini"));
}

TEST(CSettingsLocationTest, MovesToTheConfigFolderWhenTheProgramFolderIsReadOnly) {
    fs::path asked;
    const auto readOnly = [&asked](const fs::path& folder) {
        asked = folder;
        return false;
    };
    EXPECT_EQ(CSettingsLocation::Resolve("/opt/tv/bin/tarnvale", {"/x/cfg", "/home/u"}, readOnly),
              fs::path("/x/cfg/tarnvale/tarnvale.ini"));
    EXPECT_EQ(asked, fs::path("/opt/tv/bin"));
    EXPECT_EQ(CSettingsLocation::Resolve("/usr/bin/tarnvale", {"", "/home/u"}, Writable(false)),
              fs::path("/home/u/.config/tarnvale/tarnvale.ini"));
}

TEST(CSettingsLocationTest, IgnoresARelativeXdgConfigHome) {
    EXPECT_EQ(
        CSettingsLocation::Resolve("/usr/bin/tarnvale", {"rel/cfg", "/home/u"}, Writable(false)),
        fs::path("/home/u/.config/tarnvale/tarnvale.ini"));
}

TEST(CSettingsLocationTest, StaysBesideTheProgramWithoutAnyHome) {
    EXPECT_EQ(CSettingsLocation::Resolve("/usr/bin/tarnvale", {"", ""}, Writable(false)),
              fs::path("/usr/bin/tarnvale.ini"));
}

TEST(CSettingsLocationTest, FolderWritabilityIsReadFromTheFileSystem) {
    const CTempFolder folder;
    EXPECT_TRUE(CSettingsLocation::IsFolderWritable(folder.Path()));
    EXPECT_FALSE(CSettingsLocation::IsFolderWritable(folder / "missing"));
}

class CRecentFileListTest : public ::testing::Test {
protected:
    CTempFolder m_folder;
    CProfile m_profile{m_folder / "tarnvale.ini"};
    CRecentFileList m_list;

    std::vector<std::string> Entries() const {
        std::vector<std::string> entries;
        for (int i = 0; i < m_list.GetCount(); ++i)
            entries.push_back(m_list.Get(i));
        return entries;
    }
};

TEST_F(CRecentFileListTest, NewestFirstAndAReopenedFileMovesToTheHead) {
    m_list.Add("/a");
    m_list.Add("/b");
    m_list.Add("/c");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"/c", "/b", "/a"}));
    m_list.Add("/a");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"/a", "/c", "/b"}));
}

TEST_F(CRecentFileListTest, KeepsFourAndDropsTheOldest) {
    for (const char* path : {"/1", "/2", "/3", "/4", "/5"})
        m_list.Add(path);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"/5", "/4", "/3", "/2"}));
    EXPECT_EQ(m_list.Get(4), "");
}

TEST_F(CRecentFileListTest, SurvivesTheSettingsFileAndForgetsRemovedEntries) {
    m_list.Add("/home/u/old.dat");
    m_list.Add("/home/u/new.dat");
    ASSERT_TRUE(m_list.Save(m_profile));
    EXPECT_EQ(m_profile.GetProfileString("Recent File List", "File1", ""), "/home/u/new.dat");
    EXPECT_EQ(m_profile.GetProfileString("Recent File List", "File2", ""), "/home/u/old.dat");

    m_list.Remove(0);
    ASSERT_TRUE(m_list.Save(m_profile));
    EXPECT_EQ(m_profile.GetProfileString("Recent File List", "File1", ""), "/home/u/old.dat");
    EXPECT_EQ(m_profile.GetProfileString("Recent File List", "File2", "none"), "none");

    CRecentFileList reread;
    reread.Load(m_profile);
    EXPECT_EQ(reread.GetCount(), 1);
    EXPECT_EQ(reread.Get(0), "/home/u/old.dat");
}

TEST_F(CRecentFileListTest, LoadSkipsEmptyKeysAndKeepsNonAsciiNamesByteForByte) {
    const std::string name = "/home/u/\x83\x41\x83\x68\x83\x8c\x83\x58.dat"; // not UTF-8
    m_profile.WriteProfileString("Recent File List", "File1", "");
    m_profile.WriteProfileString("Recent File List", "file3", name);
    m_list.Load(m_profile);
    EXPECT_EQ(Entries(), std::vector<std::string>{name});
}

TEST_F(CRecentFileListTest, MenuTextNumbersShortensAndEscapesAmpersands) {
    m_list.Add("/home/u/a&b.dat");
    m_list.Add("/srv/very/long/folder/names/that/go/on/and/on/book/friends.dat");
    EXPECT_EQ(m_list.GetMenuText(0, "/home/u"), "&1 …/book/friends.dat");
    EXPECT_EQ(m_list.GetMenuText(1, "/home/u"), "&2 ~/a&&b.dat");
    EXPECT_EQ(m_list.GetMenuText(1, "/home/us"), "&2 /home/u/a&&b.dat");
}

TEST(CWindowPlacementTest, DefaultsMeanNoRectangleAndAHundredPixelTree) {
    const CTempFolder folder;
    const CWindowPlacement placement = CWindowPlacement::Load(CProfile(folder / "t.ini"));
    EXPECT_FALSE(placement.HasRectangle());
    EXPECT_EQ(placement.m_nSplitter, 100);
}

TEST(CWindowPlacementTest, RoundTripsThroughTheWindowSection) {
    const CTempFolder folder;
    CProfile profile(folder / "t.ini");
    CWindowPlacement placement;
    placement.m_nLeft = 10;
    placement.m_nTop = 0;
    placement.m_nRight = 810;
    placement.m_nBottom = 600;
    placement.m_nSplitter = 250;
    ASSERT_TRUE(placement.Save(profile));
    EXPECT_EQ(profile.GetProfileInt("window", "RIGHT", -1), 810);

    const CWindowPlacement reread = CWindowPlacement::Load(profile);
    EXPECT_TRUE(reread.HasRectangle());
    EXPECT_EQ(reread.GetWidth(), 800);
    EXPECT_EQ(reread.GetHeight(), 600);
    EXPECT_EQ(reread.m_nSplitter, 250);
}

struct CFitCase {
    const char* name;
    CWindowPlacement read;
    CWindowPlacement expected;
    CWindowPlacement::CFrame frame{};
};

// A primary screen of 1920 x 1040 and a second one to its right.
const std::vector<CWindowPlacement::CScreen> SCREENS = {{0, 0, 1920, 1040}, {1920, 0, 3200, 1024}};

const CFitCase FIT_CASES[] = {
    {"OnAScreenStaysPut", {100, 50, 900, 650, 200}, {100, 50, 900, 650, 200}},
    {"OnTheSecondScreenStaysPut", {2000, 10, 2800, 610, 200}, {2000, 10, 2800, 610, 200}},
    {"PartlyOffScreenMovesWhollyOntoIt", {-100, -20, 700, 580, 100}, {0, 0, 800, 600, 100}},
    {"OnePixelOnTheScreenMovesWhollyOntoIt", {-799, 100, 1, 700, 100}, {0, 100, 800, 700, 100}},
    {"ItsFrameStaysOnTheScreenToo",
     {0, 0, 1920, 1080, 100},
     {4, 30, 1916, 1036, 100},
     {4, 30, 4, 4}},
    {"OnNoScreenMovesToThePrimary", {5000, 5000, 5800, 5600, 100}, {0, 0, 800, 600, 100}},
    {"LargerThanItsScreenShrinksToIt", {0, 0, 100000, 100000, 100}, {0, 0, 1920, 1040, 100}},
    {"TallerThanTheSecondScreenShrinksOntoIt",
     {2000, 0, 2400, 5000, 100},
     {2000, 0, 2400, 1024, 100}},
    {"EdgesFarApartDoNotOverflow",
     {-2147483647 - 1, 0, 2147483647, 500, 100},
     {0, 0, 1920, 500, 100}},
    {"AnInvertedRectangleIsForgotten", {900, 600, 100, 50, 100}, {0, 0, 0, 0, 100}},
    {"ATreeWiderThanTheWindowGetsTheDefault", {0, 0, 800, 600, 5000}, {0, 0, 800, 600, 100}},
    {"ATreeOfNoWidthGetsTheDefault", {0, 0, 0, 0, -3}, {0, 0, 0, 0, 100}},
};

class CWindowPlacementFitTest : public ::testing::TestWithParam<CFitCase> {};

TEST_P(CWindowPlacementFitTest, FitsTheScreens) {
    CWindowPlacement placement = GetParam().read;
    placement.FitToScreens(SCREENS, GetParam().frame);
    const CWindowPlacement& expected = GetParam().expected;
    EXPECT_EQ(placement.m_nLeft, expected.m_nLeft);
    EXPECT_EQ(placement.m_nTop, expected.m_nTop);
    EXPECT_EQ(placement.m_nRight, expected.m_nRight);
    EXPECT_EQ(placement.m_nBottom, expected.m_nBottom);
    EXPECT_EQ(placement.m_nSplitter, expected.m_nSplitter);
}

INSTANTIATE_TEST_SUITE_P(Placements, CWindowPlacementFitTest, ::testing::ValuesIn(FIT_CASES),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CColumnWidthTest, WidthsOfNoneOrBeyondAnyScreenFallBackToTheDefault) {
    EXPECT_EQ(CColumnWidth::FromSettings(120, 80), 120);
    EXPECT_EQ(CColumnWidth::FromSettings(CColumnWidth::MAX, 80), CColumnWidth::MAX);
    EXPECT_EQ(CColumnWidth::FromSettings(0, 80), 80);
    EXPECT_EQ(CColumnWidth::FromSettings(-5, 80), 80);
    EXPECT_EQ(CColumnWidth::FromSettings(CColumnWidth::MAX + 1, 80), 80);
}

} // namespace
