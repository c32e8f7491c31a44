#include "core/app/CApplicationCommands.h"

#include "CScriptedUserInterface.h"
#include "CTempFolder.h"
#include "core/ui/CCommandRouter.h"
#include "core/ui/CKeyboardLocks.h"
#include "core/ui/CommandIds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace fs = std::filesystem;

namespace {

class CApplicationCommandsTest : public ::testing::Test {
protected:
    CApplicationCommandsTest() { fs::create_directories(m_bin); }

    CCommandRouter Router() {
        return CCommandRouter([this] { return std::vector<CCommandTarget*>{&m_commands}; });
    }

    CTempFolder m_folder;
    fs::path m_bin = m_folder / "bin";
    CScriptedUserInterface m_ui;
    CApplicationCommands m_commands{m_ui, CProgramFiles(m_bin)};
};

TEST_F(CApplicationCommandsTest, ReadmeBesideTheProgramOpensAsAFileAddress) {
    CTempFolder::WriteFile(m_bin / "readme.txt", "x");
    EXPECT_TRUE(Router().Dispatch(ID_README));
    EXPECT_THAT(m_ui.m_openedUrls, ElementsAre("file://" + (m_bin / "readme.txt").string()));
    EXPECT_THAT(m_ui.m_asked, IsEmpty());
}

TEST_F(CApplicationCommandsTest, AnInstalledReadmeIsFoundInTheSharedDataFolder) {
    fs::create_directories(m_folder / "share/tarnvale");
    CTempFolder::WriteFile(m_folder / "share/tarnvale/readme.txt", "x");
    EXPECT_TRUE(m_commands.OpenReadme());
    EXPECT_THAT(m_ui.m_openedUrls,
                ElementsAre("file://" + (m_folder / "share/tarnvale/readme.txt").string()));
}

TEST_F(CApplicationCommandsTest, MissingOrRefusedReadmeApologises) {
    EXPECT_FALSE(m_commands.OpenReadme());
    EXPECT_THAT(m_ui.m_openedUrls, IsEmpty());
    CTempFolder::WriteFile(m_bin / "readme.txt", "x");
    m_ui.m_bOpenUrlSucceeds = false;
    EXPECT_FALSE(m_commands.OpenReadme());
    const std::string said = "readme.txtを開けませんでした。ごめんなさい。\n ファイル： " +
                             (m_bin / "readme.txt").string();
    EXPECT_THAT(m_ui.m_asked, ElementsAre(said + " ", said + " "));
}

TEST_F(CApplicationCommandsTest, RefusedSupportPageNamesItsAddress) {
    CTempFolder::WriteFile(m_bin / "support.html", "<html></html>");
    m_ui.m_bOpenUrlSucceeds = false;
    EXPECT_TRUE(Router().Dispatch(ID_SUPPORT_PAGE));
    const std::string url = "file://" + (m_bin / "support.html").string();
    EXPECT_THAT(m_ui.m_openedUrls, ElementsAre(url));
    EXPECT_THAT(m_ui.m_asked,
                ElementsAre("Web上のサポートページを開けませんでした。ごめんなさい。\n"
                            " サポートページ： " +
                            url + " "));
}

TEST_F(CApplicationCommandsTest, MissingSupportPageIsNotOpenedAndTheMessageSaysWhereItBelongs) {
    EXPECT_FALSE(m_commands.OpenSupportPage());
    EXPECT_THAT(m_ui.m_openedUrls, IsEmpty());
    ASSERT_EQ(m_ui.m_asked.size(), 1U);
    EXPECT_THAT(m_ui.m_asked[0],
                ::testing::HasSubstr("file://" + (m_bin / "support.html").string() + " "));
}

TEST_F(CApplicationCommandsTest, AddressesEscapeWhatAUrlCannotHold) {
    EXPECT_EQ(CProgramFiles::ToFileUrl("/a b/#c%/読.txt"), "file:///a%20b/%23c%25/%E8%AA%AD.txt");
}

TEST_F(CApplicationCommandsTest, AboutAndExitNeedTheWindow) {
    EXPECT_FALSE(Router().Update(ID_APP_ABOUT).IsEnabled());
    EXPECT_FALSE(Router().Update(ID_APP_EXIT).IsEnabled());
    int exits = 0;
    m_commands.SetExitHandler([&exits] { ++exits; });
    EXPECT_TRUE(Router().Dispatch(ID_APP_EXIT));
    EXPECT_EQ(exits, 1);
}

TEST(CKeyboardLocksTest, LocksAreReadFromTheKeyboardLeds) {
    const CTempFolder folder;
    for (const char* led : {"input3::capslock", "input3::numlock", "input7::numlock"}) {
        fs::create_directories(folder / led);
        CTempFolder::WriteFile(folder / led / "brightness", "0\n");
    }
    CTempFolder::WriteFile(folder / "input7::numlock" / "brightness", "1\n");
    const CKeyboardLocks locks(folder.Path());
    EXPECT_EQ(locks.IsOn(ELockKey::Caps), false);
    EXPECT_EQ(locks.IsOn(ELockKey::Num), true);
    EXPECT_FALSE(locks.IsKnown(ELockKey::Scroll));
    EXPECT_EQ(locks.IsOn(ELockKey::Kana), std::nullopt);
}

TEST(CKeyboardLocksTest, NoLedFolderMeansEveryLockIsUnknown) {
    const CKeyboardLocks locks("/nonexistent/leds");
    EXPECT_FALSE(locks.IsKnown(ELockKey::Caps));
}

} // namespace
