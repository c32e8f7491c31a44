#include "core/app/CCsvCommands.h"

#include "CBookFixture.h"
#include "CScriptedCsvDialogs.h"
#include "CTempFolder.h"
#include "core/app/CFileController.h"
#include "core/settings/CProfile.h"
#include "core/settings/CRecentFileList.h"
#include "core/ui/CommandIds.h"

namespace {
// Assigns column i to field i for the first `columns` fields and picks the target.
std::function<bool(CCSVImportModel&)> MapColumns(int columns, ECsvTarget target) {
    return [columns, target](CCSVImportModel& model) {
        for (int field = 0; field < columns; ++field) {
            model.SelectField(field);
            model.SelectColumn(field);
            model.Assign();
        }
        model.SetTarget(target);
        return true;
    };
}

class CCsvCommandsTest : public CBookFixture {
protected:
    void Import(const std::string& bytes, int columns, ECsvTarget target) {
        CTempFolder::WriteFile(m_folder / "in.csv", bytes);
        m_dialogs.m_openName = (m_folder / "in.csv").string();
        m_dialogs.m_import = MapColumns(columns, target);
        m_csv.OnCommand(ID_CSV_IMPORT);
    }

    // Exports fields 0 and 10 with the scope the script picks (or the preset).
    std::string Export(std::optional<ECsvScope> scope = std::nullopt) {
        m_dialogs.m_saveName = (m_folder / "out.csv").string();
        m_dialogs.m_export = [scope](CCSVExportModel& model) {
            model.SelectField(0);
            model.Add();
            model.SelectField(10);
            model.Add();
            if (scope)
                model.SetScope(*scope);
            return true;
        };
        m_csv.OnCommand(ID_CSV_EXPORT);
        return CTempFolder::ReadFile(m_folder / "out.csv");
    }

    CTempFolder m_folder;
    CScriptedCsvDialogs m_dialogs;
    CRecentFileList m_recent;
    CFileController m_files{m_doc, m_ui, m_recent};
    CProfile m_profile{m_folder / "tarnvale.ini"};
    CCsvCommands m_csv{m_doc, m_ui, m_dialogs, m_files, m_list, &m_profile};
};

TEST_F(CCsvCommandsTest, ImportIntoTheOpenFileIsOneUndoableCommand) {
    AddPerson("既存");
    Import("a,1\nb,2\nc,3", 2, ECsvTarget::OpenFile);
    EXPECT_EQ(NamesOf(m_doc.GetPersonList()), (std::vector<std::string>{"既存", "a", "b", "c"}));
    EXPECT_EQ(ListNames(), (std::vector<std::string>{"a", "b", "c", "既存"}));
    EXPECT_EQ(m_doc.GetUndoMenuText(), "元に戻す(&U) － CSVファイルの読み込み\tCtrl+Z");
    m_doc.OnEditUndo();
    EXPECT_EQ(NamesOf(m_doc.GetPersonList()), (std::vector<std::string>{"既存"}));
    EXPECT_EQ(ListNames(), (std::vector<std::string>{"既存"}));
}

TEST_F(CCsvCommandsTest, ImportIntoANewFileAsksAboutChangesAndLeavesNoUndo) {
    AddPerson("既存");
    m_ui.m_answers = {EMessageResult::No};
    Import("a\n\n", 1, ECsvTarget::NewFile);
    EXPECT_EQ(m_ui.m_asked.size(), 1U);
    EXPECT_EQ(NamesOf(m_doc.GetPersonList()), (std::vector<std::string>{"a", ""}));
    EXPECT_FALSE(m_doc.CanUndo());
    EXPECT_TRUE(m_doc.IsModified());
    // The first save asks for a name rather than writing "無題" wherever the program runs.
    m_files.OnFileSave();
    EXPECT_EQ(m_ui.m_suggestedNames, (std::vector<std::string>{"無題"}));
}

TEST_F(CCsvCommandsTest, CancelledQuestionsAndDialogsChangeNothing) {
    AddPerson("既存");
    m_ui.m_answers = {EMessageResult::Cancel};
    Import("a", 1, ECsvTarget::NewFile);
    m_dialogs.m_import = nullptr;
    m_csv.OnImport();
    Import("", 1, ECsvTarget::OpenFile);
    EXPECT_EQ(NamesOf(m_doc.GetPersonList()), (std::vector<std::string>{"既存"}));
}

TEST_F(CCsvCommandsTest, UnencodableTextIsReplacedOnlyAfterTheUserAgrees) {
    const std::string text = "\xE5\xB1\xB1\xF0\x9F\x98\x80\n";
    m_ui.m_answers = {EMessageResult::Cancel};
    Import(text, 1, ECsvTarget::OpenFile);
    EXPECT_TRUE(m_doc.GetPersonList().empty());
    EXPECT_THAT(m_ui.m_asked.at(0), ::testing::HasSubstr("1 行目: \xF0\x9F\x98\x80"));
    m_ui.m_answers = {EMessageResult::Ok};
    Import(text, 1, ECsvTarget::OpenFile);
    EXPECT_EQ(NamesOf(m_doc.GetPersonList()), (std::vector<std::string>{"\x8E\x52\x81\xAC"}));
}

TEST_F(CCsvCommandsTest, ChoicesOfReadingAreRemembered) {
    CTempFolder::WriteFile(m_folder / "in.csv", "name,memo\n\"a,b\",x\n");
    m_dialogs.m_openName = (m_folder / "in.csv").string();
    m_dialogs.m_import = [](CCSVImportModel& model) {
        model.SetOptions({ECsvEncoding::Cp932, true, ECsvQuoting::Rfc4180});
        model.Assign();
        return true;
    };
    m_csv.OnImport();
    EXPECT_EQ(NamesOf(m_doc.GetPersonList()), (std::vector<std::string>{"a,b"}));
    EXPECT_EQ(CCsvCommands::LoadOptions(m_profile),
              (CCsvOptions{ECsvEncoding::Cp932, true, ECsvQuoting::Rfc4180}));
}

TEST_F(CCsvCommandsTest, AWebExportImportsAsPresetAndTheSummaryCountsJoinedValues) {
    CTempFolder::WriteFile(m_folder / "in.csv", "Notes,Name\n\"a\nb\",\"Ya\nmada\"\n");
    m_dialogs.m_openName = (m_folder / "in.csv").string();
    m_dialogs.m_import = [](CCSVImportModel&) {
        return true;
    };
    m_csv.OnImport();
    ASSERT_EQ(m_doc.GetPersonList().size(), 1U);
    const CPersonalData* person = m_doc.GetPersonList().front();
    EXPECT_EQ(person->GetText(EPersonText::Name), "Ya mada");
    EXPECT_EQ(person->GetText(EPersonText::Memo), "a\r\nb");
    ASSERT_EQ(m_ui.m_asked.size(), 1U);
    EXPECT_THAT(m_ui.m_asked[0], ::testing::HasSubstr("1 個"));
}

TEST_F(CCsvCommandsTest, OwnFormatExportCountsValuesItCannotKeepAndRfc4180KeepsThem) {
    CPersonalData* person = AddPerson("a,b");
    person->ReplaceField(10, "m1\r\nm2");
    EXPECT_EQ(Export(), "\"a,b\",\"m1\"\r\n");
    ASSERT_EQ(m_ui.m_asked.size(), 1U);
    EXPECT_THAT(m_ui.m_asked[0], ::testing::HasSubstr("2 個"));
    m_dialogs.m_export = [](CCSVExportModel& model) {
        model.Add();
        model.SetRfc4180(true);
        model.SetHeader(true);
        return true;
    };
    m_csv.OnExport();
    EXPECT_EQ(CTempFolder::ReadFile(m_folder / "out.csv"), "\"\x8E\x81\x96\xBC\"\r\n\"a,b\"\r\n");
    EXPECT_EQ(m_ui.m_asked.size(), 1U);
}

TEST_F(CCsvCommandsTest, ScopePresetFollowsSelectionThenShownGroup) {
    CGroup* group = AddGroup("g");
    AddPerson("a", {group});
    Export();
    EXPECT_EQ(m_dialogs.m_presetScope, ECsvScope::All);
    SelectGroup(group);
    Export();
    EXPECT_EQ(m_dialogs.m_presetScope, ECsvScope::Group);
    m_list.SetSelectedRows({0});
    Export();
    EXPECT_EQ(m_dialogs.m_presetScope, ECsvScope::Selected);
}

TEST_F(CCsvCommandsTest, GroupScopeOnAllExportsEveryoneAndOnDeletedNothing) {
    CGroup* group = AddGroup("g");
    CPersonalData* member = AddPerson("m", {group});
    member->ReplaceField(10, "line1\r\nline2");
    AddPerson("n");
    EXPECT_EQ(Export(ECsvScope::Group), "\"m\",\"line1\"\r\n\"n\",\"\"\r\n");
    SelectGroup(group);
    EXPECT_EQ(Export(ECsvScope::Group), "\"m\",\"line1\"\r\n");
    Select(m_tree.m_hDeletedItem);
    EXPECT_EQ(Export(ECsvScope::Group), "");
}

TEST_F(CCsvCommandsTest, AFileThatCannotBeWrittenIsReported) {
    m_dialogs.m_saveName = (m_folder / "missing" / "out.csv").string();
    m_dialogs.m_export = [](CCSVExportModel& model) {
        model.Add();
        return true;
    };
    m_csv.OnExport();
    ASSERT_EQ(m_ui.m_asked.size(), 1U);
    EXPECT_THAT(m_ui.m_asked[0], ::testing::StartsWith("ファイルを開くのに失敗しました。"));
}

TEST_F(CCsvCommandsTest, FilesMadeFromAPrivateBookOrCsvArePrivate) {
    AddPerson("a");
    m_ui.m_saveFileNames.push_back((m_folder / "book.dat").string());
    ASSERT_TRUE(m_files.OnFileSaveAs());
    const auto privateMode =
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
    std::filesystem::permissions(m_folder / "book.dat", privateMode);
    Export();
    EXPECT_EQ(std::filesystem::status(m_folder / "out.csv").permissions(), privateMode);

    // A private CSV read into a new book makes a private book.
    std::filesystem::permissions(m_folder / "out.csv", privateMode);
    m_dialogs.m_openName = (m_folder / "out.csv").string();
    m_dialogs.m_import = MapColumns(2, ECsvTarget::NewFile);
    m_csv.OnImport();
    m_ui.m_saveFileNames.push_back((m_folder / "imported.dat").string());
    ASSERT_TRUE(m_files.OnFileSave());
    EXPECT_EQ(std::filesystem::status(m_folder / "imported.dat").permissions(), privateMode);
}

TEST_F(CCsvCommandsTest, ExportedFileImportsBackEveryLine) {
    AddPerson("a");
    AddPerson("b");
    Export();
    m_dialogs.m_openName = (m_folder / "out.csv").string();
    m_dialogs.m_import = MapColumns(2, ECsvTarget::OpenFile);
    m_csv.OnImport();
    EXPECT_EQ(NamesOf(m_doc.GetPersonList()), (std::vector<std::string>{"a", "b", "a", "b"}));
}
} // namespace
