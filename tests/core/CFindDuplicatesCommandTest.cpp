#include "core/app/CFindDuplicatesCommand.h"

#include "CBookFixture.h"
#include "CScriptedEditDialogs.h"
#include "CTempFolder.h"
#include "core/dialogs/CDuplicateDialogModel.h"
#include "core/settings/CProfile.h"
#include "core/text/CTextCodec.h"
#include "core/ui/CCmdUI.h"
#include "core/ui/CommandIds.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {
std::string Cp932(std::string_view utf8) {
    return CTextCodec().FromUtf8(utf8).text;
}

// 山田太郎 twice, written apart, the second with an e-mail address; 佐藤 twice by phone; 田中.
class CFindDuplicatesCommandTest : public CBookFixture {
protected:
    void SetUp() override {
        CBookFixture::SetUp();
        m_pYamada = AddPerson(Cp932("山田太郎"));
        m_pSato = AddPerson(Cp932("佐藤"));
        m_pSato->SetText(EPersonText::Tel1, "03-1111-2222");
        AddPerson(Cp932("田中"));
        m_pYamada2 = AddPerson(Cp932("山田　太郎"));
        m_pYamada2->SetText(EPersonText::Email1, "taro@example.jp");
        CPersonalData* sato2 = AddPerson(Cp932("佐藤一郎"));
        sato2->SetText(EPersonText::Tel2, "+81 3 1111 2222");
    }

    bool IsEnabled(CFindDuplicatesCommand& command) {
        CCmdUI ui;
        command.OnUpdateCommand(ID_FIND_DUPLICATES, ui);
        return ui.IsEnabled();
    }

    CTempFolder m_folder;
    std::filesystem::path m_settings = m_folder.Path() / "tarnvale.ini";
    CProfile m_profile{m_settings};
    CScriptedEditDialogs m_dialogs;
    CPersonalData* m_pYamada = nullptr;
    CPersonalData* m_pYamada2 = nullptr;
    CPersonalData* m_pSato = nullptr;
};

TEST_F(CFindDuplicatesCommandTest, TheChosenSetIsMergedIntoThePersonChosenToStayInOneUndoStep) {
    CFindDuplicatesCommand command(m_doc, m_dialogs, &m_profile);
    ASSERT_TRUE(command.HasCommand(ID_FIND_DUPLICATES));
    EXPECT_TRUE(IsEnabled(command));
    m_dialogs.m_duplicate = [](CDuplicateDialogModel& dialog) {
        EXPECT_EQ(dialog.GetSetCount(), 2u);
        EXPECT_FALSE(dialog.CanMerge());
        EXPECT_EQ(dialog.GetSetCaption(0), "山田太郎 / 山田　太郎（氏名が同じ）");
        EXPECT_EQ(dialog.GetSetCaption(1), "佐藤 / 佐藤一郎（電話番号が同じ）");
        dialog.SelectSet(0);
        EXPECT_EQ(dialog.GetKeep(), 0u);
        dialog.SetKeep(1);
        EXPECT_EQ(dialog.GetMemberName(1), "山田　太郎");
        const auto differences = dialog.GetDifferences();
        EXPECT_EQ(differences.size(), 2u);
        EXPECT_EQ(differences[0].label, "氏名");
        EXPECT_THAT(differences[1].values, ElementsAre("", "taro@example.jp"));
        // The names differ by a blank only, which makes them one name: no memo line.
        const auto merged = dialog.GetMergedResult();
        EXPECT_EQ(merged.size(), 2u); // name and e-mail
        EXPECT_TRUE(!merged.empty() && merged.back().label == "e-mail(1)");
        return true;
    };
    command.OnCommand(ID_FIND_DUPLICATES);
    EXPECT_EQ(m_dialogs.m_nDuplicateRuns, 1);
    EXPECT_EQ(m_doc.GetPersonList().size(), 4u);
    EXPECT_THAT(NamesOf(m_doc.GetDeletedList()), ElementsAre(Cp932("山田太郎")));
    EXPECT_EQ((*std::next(m_doc.GetPersonList().begin(), 2))->GetText(EPersonText::Memo), "");

    m_doc.OnEditUndo();
    EXPECT_EQ(m_doc.GetPersonList().size(), 5u);
    EXPECT_TRUE(m_doc.GetDeletedList().empty());

    m_dialogs.m_duplicate = [](CDuplicateDialogModel& dialog) {
        dialog.SelectSet(1);
        return false; // closed without merging
    };
    command.OnCommand(ID_FIND_DUPLICATES);
    EXPECT_EQ(m_doc.GetPersonList().size(), 5u);
}

TEST_F(CFindDuplicatesCommandTest, APairToldApartIsRememberedInTheSettingsAndNotOfferedAgain) {
    {
        CFindDuplicatesCommand command(m_doc, m_dialogs, &m_profile);
        m_dialogs.m_duplicate = [](CDuplicateDialogModel& dialog) {
            dialog.SelectSet(1);
            EXPECT_TRUE(dialog.OnNotDuplicates());
            EXPECT_EQ(dialog.GetSetCount(), 1u);
            EXPECT_FALSE(dialog.CanMerge());
            return false;
        };
        command.OnCommand(ID_FIND_DUPLICATES);
    }
    // As after a restart: the pairs come from the settings file.
    CProfile reread(m_settings);
    EXPECT_THAT(reread.GetContents(), HasSubstr("[NotDuplicates]"));
    EXPECT_THAT(reread.GetContents(), HasSubstr(m_pSato->GetUid().ToString()));
    CFindDuplicatesCommand command(m_doc, m_dialogs, &reread);
    m_dialogs.m_duplicate = [this](CDuplicateDialogModel& dialog) {
        EXPECT_EQ(dialog.GetSetCount(), 1u);
        dialog.SelectSet(0);
        EXPECT_THAT(dialog.GetMembers(), ElementsAre(m_pYamada, m_pYamada2));
        return false;
    };
    command.OnCommand(ID_FIND_DUPLICATES);
    EXPECT_EQ(m_dialogs.m_nDuplicateRuns, 2);

    for (int i = 0; i < 4; ++i)
        m_doc.OnEditUndo();
    EXPECT_FALSE(IsEnabled(command)) << "one person cannot be twice";
}
} // namespace
