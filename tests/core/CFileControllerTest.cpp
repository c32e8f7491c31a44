#include "core/app/CFileController.h"

#include "CBookFixture.h"
#include "CTempFolder.h"
#include "core/settings/CRecentFileList.h"
#include "core/storage/CBookLock.h"
#include "core/ui/CCommandRouter.h"
#include "core/ui/CommandIds.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

class CFileControllerTest : public CBookFixture {
protected:
    CFileControllerTest() {
        m_files.SetChangeListener([this] { ++m_nChanges; });
    }

    std::string File(const std::string& name) const { return (m_folder / name).string(); }

    // A saved book with one person, then a fresh untitled document again.
    std::string MakeBookFile(const std::string& name, const std::string& person) {
        AddPerson(person);
        m_ui.m_saveFileNames.push_back(File(name));
        EXPECT_TRUE(m_files.OnFileSaveAs());
        EXPECT_TRUE(m_files.OnFileNew()); // saved, so nothing to ask
        return File(name);
    }

    std::vector<std::string> Persons() const {
        std::vector<std::string> names;
        for (const CPersonalData* person : m_doc.GetPersonList())
            names.emplace_back(person->GetText(EPersonText::Name));
        return names;
    }

    CTempFolder m_folder;
    CRecentFileList m_recent;
    CFileController m_files{m_doc, m_ui, m_recent};
    int m_nChanges = 0;
};

TEST_F(CFileControllerTest, AnUnchangedDocumentIsReplacedWithoutAQuestion) {
    EXPECT_TRUE(m_files.OnFileNew());
    EXPECT_THAT(m_ui.m_asked, IsEmpty());
    EXPECT_EQ(m_files.GetWindowTitle(), "無題 - Tarnvale");
}

TEST_F(CFileControllerTest, CancelKeepsTheModifiedDocument) {
    AddPerson("A");
    m_ui.m_answers.push_back(EMessageResult::Cancel);
    EXPECT_FALSE(m_files.OnFileNew());
    EXPECT_THAT(m_ui.m_asked, ElementsAre("「無題」への変更を保存しますか？"));
    EXPECT_THAT(Persons(), ElementsAre("A"));
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(CFileControllerTest, NoDiscardsTheChanges) {
    AddPerson("A");
    m_ui.m_answers.push_back(EMessageResult::No);
    EXPECT_TRUE(m_files.OnFileNew());
    EXPECT_THAT(Persons(), IsEmpty());
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_FALSE(m_doc.CanUndo());
}

TEST_F(CFileControllerTest, YesOnAnUntitledDocumentAsksForANameAndSavesFirst) {
    AddPerson("A");
    m_ui.m_answers.push_back(EMessageResult::Yes);
    m_ui.m_saveFileNames.push_back(File("first.dat"));
    EXPECT_TRUE(m_files.OnFileNew());
    EXPECT_THAT(m_ui.m_suggestedNames, ElementsAre("無題"));
    EXPECT_TRUE(std::filesystem::exists(File("first.dat")));
    EXPECT_THAT(Persons(), IsEmpty());
    EXPECT_EQ(m_recent.Get(0), File("first.dat"));
}

TEST_F(CFileControllerTest, YesThenCancellingTheFileNameStopsEverything) {
    AddPerson("A");
    m_ui.m_answers.push_back(EMessageResult::Yes);
    m_ui.m_saveFileNames.push_back(std::nullopt);
    EXPECT_FALSE(m_files.OnFileNew());
    EXPECT_THAT(Persons(), ElementsAre("A"));
}

TEST_F(CFileControllerTest, SaveQuestionNamesTheOpenFile) {
    const std::string path = MakeBookFile("friends.dat", "A");
    ASSERT_TRUE(m_files.OpenDocumentFile(path));
    AddPerson("B");
    m_ui.m_asked.clear();
    m_ui.m_answers.push_back(EMessageResult::Cancel);
    EXPECT_FALSE(m_files.OnFileOpen());
    EXPECT_THAT(m_ui.m_asked, ElementsAre("「friends.dat」への変更を保存しますか？"));
    EXPECT_EQ(m_ui.m_nOpenDialogs, 0);
}

TEST_F(CFileControllerTest, OpenLoadsTheChosenFileAndNamesTheWindowAfterIt) {
    const std::string path = MakeBookFile("friends.dat", "A");
    m_ui.m_openFileNames.push_back(path);
    EXPECT_TRUE(m_files.OnFileOpen());
    EXPECT_THAT(Persons(), ElementsAre("A"));
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_FALSE(m_doc.CanUndo());
    EXPECT_EQ(m_files.GetPathName(), path);
    EXPECT_EQ(m_files.GetWindowTitle(), "friends.dat - Tarnvale");
    EXPECT_EQ(m_recent.Get(0), path);
}

TEST_F(CFileControllerTest, CancelledFileDialogChangesNothing) {
    AddPerson("A");
    m_ui.m_answers.push_back(EMessageResult::No);
    EXPECT_FALSE(m_files.OnFileOpen());
    EXPECT_EQ(m_ui.m_nOpenDialogs, 1);
    EXPECT_THAT(Persons(), ElementsAre("A"));
}

TEST_F(CFileControllerTest, FailedOpenNamesTheFileAndLeavesAnEmptyUntitledBook) {
    const std::string path = MakeBookFile("friends.dat", "A");
    ASSERT_TRUE(m_files.OpenDocumentFile(path));
    CTempFolder::WriteFile(File("broken.dat"), std::string("\x05\x00\x00\x00", 4));
    m_ui.m_asked.clear();
    EXPECT_FALSE(m_files.OpenDocumentFile(File("broken.dat")));
    ASSERT_EQ(m_ui.m_asked.size(), 1U);
    EXPECT_THAT(m_ui.m_asked[0], HasSubstr("broken.dat"));
    EXPECT_THAT(Persons(), IsEmpty());
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_files.GetWindowTitle(), "無題 - Tarnvale");
    EXPECT_EQ(m_recent.Get(0), path);
}

TEST_F(CFileControllerTest, SaveWritesToTheOpenFileWithoutAskingForAName) {
    const std::string path = MakeBookFile("friends.dat", "A");
    ASSERT_TRUE(m_files.OpenDocumentFile(path));
    AddPerson("B");
    EXPECT_TRUE(m_files.OnFileSave());
    EXPECT_THAT(m_ui.m_suggestedNames, ElementsAre("無題")); // only the one MakeBookFile used
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetStatusText(), "保存しました");
    EXPECT_TRUE(std::filesystem::exists(path + ".bak"));
}

TEST_F(CFileControllerTest, SavingOverAFileChangedSinceItWasReadAsksFirst) {
    const std::string path = MakeBookFile("friends.dat", "A");
    ASSERT_TRUE(m_files.OpenDocumentFile(path));
    AddPerson("B");
    CTempFolder::WriteFile(path, "saved by a copy on another machine");
    m_ui.m_answers.push_back(EMessageResult::No);
    EXPECT_FALSE(m_files.OnFileSave());
    EXPECT_THAT(m_ui.m_asked,
                ElementsAre("ファイルが他のプログラムによって変更されています。上書きしますか？"));
    EXPECT_EQ(CTempFolder::ReadFile(path), "saved by a copy on another machine");
    EXPECT_THAT(Persons(), ElementsAre("A", "B"));
    EXPECT_TRUE(m_doc.IsModified());

    m_ui.m_answers.push_back(EMessageResult::Yes);
    EXPECT_TRUE(m_files.OnFileSave());
    EXPECT_FALSE(m_doc.IsModified());
    // The program's own save is no change by another.
    AddPerson("C");
    EXPECT_TRUE(m_files.OnFileSave());
    EXPECT_EQ(m_ui.m_asked.size(), 2U);
}

// A command-line run that holds the book is saving it; the window neither waits nor writes over
// it, and says so.
TEST_F(CFileControllerTest, SavingABookThatTheCommandLineHoldsIsRefusedUntilItLetsGo) {
    const std::string path = MakeBookFile("friends.dat", "A");
    ASSERT_TRUE(m_files.OpenDocumentFile(path));
    AddPerson("B");
    const std::string before = CTempFolder::ReadFile(path);
    CBookLock commandLine;
    ASSERT_TRUE(commandLine.Lock(path, ELockWait::UntilFree).ok);
    EXPECT_FALSE(m_files.OnFileSave());
    ASSERT_EQ(m_ui.m_asked.size(), 1U);
    EXPECT_THAT(m_ui.m_asked[0], HasSubstr("他のプログラムが保存中です"));
    EXPECT_EQ(CTempFolder::ReadFile(path), before);
    EXPECT_TRUE(m_doc.IsModified());

    commandLine.Unlock();
    EXPECT_TRUE(m_files.OnFileSave());
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(CFileControllerTest, FailedSaveNamesTheFileAndKeepsTheDocumentModified) {
    AddPerson("A");
    const std::string path = File("no-such-folder/book.dat");
    m_ui.m_saveFileNames.push_back(path);
    EXPECT_FALSE(m_files.OnFileSaveAs());
    ASSERT_EQ(m_ui.m_asked.size(), 1U);
    EXPECT_THAT(m_ui.m_asked[0], HasSubstr("book.dat"));
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_files.GetTitle(), "無題");
    EXPECT_TRUE(m_recent.IsEmpty());
}

TEST_F(CFileControllerTest, SaveAsSuggestsTheCurrentNameAndRenamesTheDocument) {
    const std::string path = MakeBookFile("friends.dat", "A");
    ASSERT_TRUE(m_files.OpenDocumentFile(path));
    m_ui.m_saveFileNames.push_back(File("copy.dat"));
    EXPECT_TRUE(m_files.OnFileSaveAs());
    EXPECT_EQ(m_ui.m_suggestedNames.back(), path);
    EXPECT_EQ(m_files.GetTitle(), "copy.dat");
    EXPECT_EQ(m_recent.Get(0), File("copy.dat"));
    EXPECT_EQ(m_recent.Get(1), path);
}

TEST_F(CFileControllerTest, SaveAsOfAPrivateBookMakesAPrivateCopy) {
    const std::string path = MakeBookFile("friends.dat", "A");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write);
    ASSERT_TRUE(m_files.OpenDocumentFile(path));
    m_ui.m_saveFileNames.push_back(File("copy.dat"));
    EXPECT_TRUE(m_files.OnFileSaveAs());
    EXPECT_EQ(std::filesystem::status(File("copy.dat")).permissions(),
              std::filesystem::status(path).permissions());
}

TEST_F(CFileControllerTest, RecentFileOpensAndAMissingOneLeavesTheList) {
    const std::string a = MakeBookFile("a.dat", "A");
    const std::string b = MakeBookFile("b.dat", "B");
    ASSERT_EQ(m_recent.Get(0), b);
    EXPECT_TRUE(m_files.OnOpenRecentFile(1));
    EXPECT_THAT(Persons(), ElementsAre("A"));
    EXPECT_EQ(m_recent.Get(0), a);

    std::filesystem::remove(b);
    m_ui.m_asked.clear();
    EXPECT_FALSE(m_files.OnOpenRecentFile(1));
    EXPECT_EQ(m_ui.m_asked.size(), 1U);
    EXPECT_EQ(m_recent.GetCount(), 1);
    EXPECT_EQ(m_recent.Get(0), a);
}

TEST_F(CFileControllerTest, StartUpPrefersTheCommandLineOverTheNewestRecentFile) {
    const std::string a = MakeBookFile("a.dat", "A");
    const std::string b = MakeBookFile("b.dat", "B");
    ASSERT_EQ(m_recent.Get(0), b);
    m_files.OpenAtStartup(a);
    EXPECT_THAT(Persons(), ElementsAre("A"));
    EXPECT_EQ(m_files.GetPathName(), a);
}

TEST_F(CFileControllerTest, StartUpWithoutACommandLineReopensTheNewestFile) {
    const std::string a = MakeBookFile("a.dat", "A");
    m_files.OpenAtStartup(std::nullopt);
    EXPECT_THAT(Persons(), ElementsAre("A"));
    EXPECT_EQ(m_files.GetPathName(), a);
}

TEST_F(CFileControllerTest, StartUpWithoutAnyFileStaysUntitledAndSilent) {
    m_files.OpenAtStartup(std::nullopt);
    EXPECT_THAT(m_ui.m_asked, IsEmpty());
    EXPECT_EQ(m_files.GetTitle(), "無題");
}

TEST_F(CFileControllerTest, RelativeNamesAreRememberedAbsolute) {
    AddPerson("A");
    const std::filesystem::path old = std::filesystem::current_path();
    std::filesystem::current_path(m_folder.Path());
    m_ui.m_saveFileNames.push_back("rel.dat");
    const bool saved = m_files.OnFileSaveAs();
    std::filesystem::current_path(old);
    EXPECT_TRUE(saved);
    EXPECT_EQ(m_files.GetPathName(), File("rel.dat"));
}

TEST_F(CFileControllerTest, RecentEntriesShowTheirNamesAndUnusedOnesHide) {
    const CCommandRouter router([this] { return std::vector<CCommandTarget*>{&m_files}; });
    const CCmdUI empty = router.Update(ID_FILE_MRU_FILE1);
    EXPECT_FALSE(empty.IsEnabled());
    EXPECT_EQ(empty.GetText(), "最新のﾌｧｲﾙ");

    MakeBookFile("a.dat", "A");
    m_files.SetHomeFolder(m_folder.Path().string());
    const CCmdUI first = router.Update(ID_FILE_MRU_FILE1);
    EXPECT_TRUE(first.IsEnabled());
    EXPECT_EQ(first.GetText(), "&1 ~/a.dat");
    const CCmdUI second = router.Update(ID_FILE_MRU_FILE1 + 1);
    EXPECT_FALSE(second.IsEnabled());
    EXPECT_EQ(second.GetText(), "");
}

TEST_F(CFileControllerTest, CommandsGoThroughTheRouter) {
    const CCommandRouter router([this] { return std::vector<CCommandTarget*>{&m_files}; });
    AddPerson("A");
    m_ui.m_saveFileNames.push_back(File("routed.dat"));
    const int before = m_nChanges;
    EXPECT_TRUE(router.Dispatch(ID_FILE_SAVE));
    EXPECT_TRUE(std::filesystem::exists(File("routed.dat")));
    EXPECT_GT(m_nChanges, before);
    EXPECT_TRUE(router.Update(ID_FILE_NEW).IsEnabled());
    EXPECT_FALSE(router.Update(ID_FILE_PRINT).IsEnabled());
}

} // namespace
