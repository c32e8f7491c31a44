#include "CAppFixture.h"
#include "core/document/CDataFile.h"
#include "core/settings/CProfile.h"
#include "core/ui/CommandIds.h"
#include "gui/app/CAboutDialog.h"
#include "gui/app/CInstanceLock.h"

#include <QLabel>
#include <QPushButton>

#include <sys/wait.h>
#include <unistd.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

class CAddressBookAppTest : public CAppFixture {
protected:
    // A book with one person, saved through the program's own file code.
    std::string MakeBook(const std::string& name, const std::string& person) {
        CAddressDoc doc;
        CPersonalData* record = doc.NewPerson();
        record->SetText(EPersonText::Name, person);
        CAddPersonalCommand(record).Do(doc);
        EXPECT_TRUE(CDataFile::Save(doc, File(name)).ok);
        return File(name);
    }

    std::vector<std::string> Persons() const {
        std::vector<std::string> names;
        for (const CPersonalData* person : m_app->GetDocument().GetPersonList())
            names.emplace_back(person->GetText(EPersonText::Name));
        return names;
    }

    void WriteRecentFile(const std::string& path) {
        CProfile(m_folder / "tarnvale.ini").WriteProfileString("Recent File List", "File1", path);
    }
};

TEST_F(CAddressBookAppTest, ASecondCopyIsRefusedBeforeAnyWindowAndTheFirstGoesOn) {
    Start();
    CScriptedUserInterface secondUi;
    CAddressBookApp second(secondUi, Paths());
    EXPECT_FALSE(second.InitInstance(std::nullopt));
    EXPECT_EQ(second.GetMainFrame(), nullptr);
    EXPECT_THAT(secondUi.m_asked, ElementsAre("Tarnvaleは既に起動してあります。"));
    EXPECT_TRUE(Frame()->isVisible());

    Stop();
    CScriptedUserInterface thirdUi;
    CAddressBookApp third(thirdUi, Paths());
    EXPECT_TRUE(third.InitInstance(std::nullopt));
    third.ExitInstance();
}

TEST_F(CAddressBookAppTest, OnlyOneLockHolderAtATime) {
    const QString path = Paths().m_lockFile;
    CInstanceLock first(path);
    CInstanceLock second(path);
    EXPECT_TRUE(first.TryLock());
    EXPECT_FALSE(second.TryLock());
}

TEST_F(CAddressBookAppTest, ALockLeftByACrashedCopyDoesNotBlock) {
    const QString path = Paths().m_lockFile;
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        // Takes the lock and dies without giving it back.
        CInstanceLock crashed(path);
        ::_exit(crashed.TryLock() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(std::filesystem::exists(path.toStdString()));

    CInstanceLock next(path);
    EXPECT_TRUE(next.TryLock());
}

TEST_F(CAddressBookAppTest, StartUpOpensTheCommandLineFileRatherThanTheLastOne) {
    const std::string last = MakeBook("last.dat", "Last");
    const std::string named = MakeBook("named.dat", "Named");
    WriteRecentFile(last);
    Start(named);
    EXPECT_THAT(Persons(), ElementsAre("Named"));
    EXPECT_EQ(Frame()->windowTitle().toStdString(), "named.dat - Tarnvale");
}

TEST_F(CAddressBookAppTest, StartUpWithoutAFileReopensTheLastOne) {
    WriteRecentFile(MakeBook("last.dat", "Last"));
    Start();
    EXPECT_THAT(Persons(), ElementsAre("Last"));
    EXPECT_THAT(m_ui.m_asked, IsEmpty());
}

TEST_F(CAddressBookAppTest, AMissingFileAtStartUpIsReportedAndLeavesAnEmptyBook) {
    WriteRecentFile(File("gone.dat"));
    Start();
    ASSERT_EQ(m_ui.m_asked.size(), 1U);
    EXPECT_THAT(m_ui.m_asked[0], HasSubstr("gone.dat"));
    EXPECT_THAT(Persons(), IsEmpty());
    EXPECT_EQ(Frame()->windowTitle().toStdString(), "無題 - Tarnvale");
}

TEST_F(CAddressBookAppTest, RecentFilesAreListedInTheMenuAndKeptInTheSettingsFile) {
    const std::string a = MakeBook("a.dat", "A");
    const std::string b = MakeBook("b.dat", "B");
    Start(a);
    m_ui.m_openFileNames.push_back(b);
    Action(ID_FILE_OPEN)->trigger();
    EXPECT_THAT(Persons(), ElementsAre("B"));

    OpenMenu(0);
    EXPECT_TRUE(Action(ID_FILE_MRU_FILE1)->isVisible());
    EXPECT_TRUE(Action(ID_FILE_MRU_FILE1)->text().endsWith("/b.dat"));
    EXPECT_TRUE(Action(ID_FILE_MRU_FILE1 + 1)->text().endsWith("/a.dat"));
    EXPECT_FALSE(Action(ID_FILE_MRU_FILE1 + 2)->isVisible());
    const CProfile profile(m_folder / "tarnvale.ini");
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File1", ""), b);
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File2", ""), a);

    Action(ID_FILE_MRU_FILE1 + 1)->trigger();
    EXPECT_THAT(Persons(), ElementsAre("A"));
    EXPECT_EQ(CProfile(m_folder / "tarnvale.ini").GetProfileString("Recent File List", "File1", ""),
              a);
}

TEST_F(CAddressBookAppTest, WithoutRecentFilesTheMenuShowsOneGreyEntry) {
    Start();
    OpenMenu(0);
    EXPECT_FALSE(Action(ID_FILE_MRU_FILE1)->isEnabled());
    EXPECT_EQ(Action(ID_FILE_MRU_FILE1)->text().toStdString(), "最新のﾌｧｲﾙ");
    EXPECT_FALSE(Action(ID_FILE_MRU_FILE4)->isVisible());
}

TEST_F(CAddressBookAppTest, ClosingAModifiedBookAsksAndCancelKeepsTheWindow) {
    Start();
    AddPerson("A");
    m_ui.m_answers = {EMessageResult::Cancel};
    EXPECT_FALSE(Frame()->close());
    EXPECT_TRUE(Frame()->isVisible());
    EXPECT_THAT(m_ui.m_asked, ElementsAre("「無題」への変更を保存しますか？"));

    m_ui.m_answers = {EMessageResult::Yes};
    m_ui.m_saveFileNames.push_back(File("kept.dat"));
    EXPECT_TRUE(Frame()->close());
    EXPECT_TRUE(std::filesystem::exists(File("kept.dat")));
}

TEST_F(CAddressBookAppTest, ExitAsksLikeClosingAndNoDiscards) {
    Start();
    AddPerson("A");
    m_ui.m_answers = {EMessageResult::No};
    Action(ID_APP_EXIT)->trigger();
    EXPECT_FALSE(Frame()->isVisible());
    EXPECT_EQ(m_ui.m_asked.size(), 1U);
}

TEST_F(CAddressBookAppTest, OpeningAnotherFileAsksAboutTheModifiedOne) {
    const std::string b = MakeBook("b.dat", "B");
    Start();
    AddPerson("A");
    m_ui.m_answers = {EMessageResult::Cancel};
    Action(ID_FILE_OPEN)->trigger();
    EXPECT_EQ(m_ui.m_nOpenDialogs, 0);
    m_ui.m_answers = {EMessageResult::No};
    m_ui.m_openFileNames.push_back(b);
    Action(ID_FILE_OPEN)->trigger();
    EXPECT_THAT(Persons(), ElementsAre("B"));
}

TEST_F(CAddressBookAppTest, ReadmeAndSupportPageOpenBesideTheProgram) {
    CTempFolder::WriteFile(m_folder / "readme.txt", "x");
    CTempFolder::WriteFile(m_folder / "support.html", "x");
    Start();
    Action(ID_README)->trigger();
    Action(ID_SUPPORT_PAGE)->trigger();
    EXPECT_THAT(m_ui.m_openedUrls,
                ElementsAre("file://" + File("readme.txt"), "file://" + File("support.html")));
    EXPECT_THAT(m_ui.m_asked, IsEmpty());
}

TEST_F(CAddressBookAppTest, AboutBoxShowsVersionAndCloseOnAHatchWithoutACaption) {
    CAboutDialog about;
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowTitleHint));
    std::vector<std::string> texts;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            texts.push_back(label->text().toStdString());
    }
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts.at(0), "Tarnvale  ﾊﾞｰｼﾞｮﾝ " TARNVALE_VERSION);
    const auto buttons = about.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons.at(0)->text().toStdString(), "閉じる");
    EXPECT_FALSE(about.findChild<QLabel*>("icon")->pixmap().isNull());

    const QImage image = about.grab().toImage();
    bool hatched = false;
    for (int x = 0; x < image.width() && !hatched; ++x)
        hatched = QColor(image.pixel(x, 2)) == QColor(CAboutDialog::HATCH_COLOR);
    EXPECT_TRUE(hatched);
}

} // namespace
