#include "core/app/CPrintCommands.h"

#include "CBookFixture.h"
#include "CFakeDavServer.h"
#include "CScriptedEditDialogs.h"
#include "CScriptedPrintDialogs.h"
#include "core/app/CDocumentEditor.h"
#include "core/app/CSyncCommands.h"
#include "core/dialogs/CPersonalDialogModel.h"
#include "core/model/CFieldTable.h"
#include "core/print/CPostcardSettings.h"
#include "core/settings/CProfile.h"
#include "core/sync/CSyncState.h"
#include "core/ui/CCommandRouter.h"
#include "core/ui/CommandIds.h"

namespace {
class CPrintCommandsTest : public CBookFixture {
protected:
    CPersonalData* AddAddressed(const std::string& name, const std::string& address,
                                std::vector<CGroup*> groups = {}) {
        CPersonalData* person = AddPerson(name, std::move(groups));
        person->SetText(EPersonText::Address, address);
        person->SetText(EPersonText::Zip, "1000001");
        return person;
    }

    CCommandRouter Router() {
        return CCommandRouter([this] { return std::vector<CCommandTarget*>{&m_print}; });
    }

    CScriptedPrintDialogs m_dialogs;
    CProfile m_profile{{}, ""};
    CPrintCommands m_print{m_doc, m_list, m_dialogs, m_profile};
};

// The cards go to the selected persons, else to everyone the list shows; persons without an
// address are counted in the status line; the choices made in the preview are remembered.
TEST_F(CPrintCommandsTest, PostcardsForTheSelectionOrTheShownGroup) {
    CGroup* friends = AddGroup("friends");
    AddAddressed("a", "Tokyo", {friends});
    AddAddressed("b", "", {friends});
    AddAddressed("c", "Osaka");
    SelectGroup(friends);
    ASSERT_TRUE(Router().Update(ID_POSTCARDS).IsEnabled());
    m_dialogs.m_preview = [](CPostcardPreviewModel& model) {
        model.SetHonorific(2);
        model.SetNumerals(ENumeralStyle::Arabic);
    };
    EXPECT_TRUE(Router().Dispatch(ID_POSTCARDS));
    EXPECT_EQ(m_dialogs.m_nPreviewCards, 1);
    EXPECT_EQ(m_dialogs.m_previewStatus, "1 枚、住所のない 1 人を除きました");
    CPostcardSettings remembered;
    remembered.Load(m_profile);
    EXPECT_EQ(remembered.m_nHonorific, 2);
    EXPECT_EQ(remembered.m_numerals, ENumeralStyle::Arabic);

    Select(m_tree.m_hRootItem);
    m_list.SetSelectedRows({0, 2});
    EXPECT_EQ(m_print.GetPostcardPersons(),
              (std::vector<const CPersonalData*>{m_list.GetRowPerson(0), m_list.GetRowPerson(2)}));

    SelectGroup(AddGroup("empty"));
    EXPECT_FALSE(Router().Update(ID_POSTCARDS).IsEnabled());
}

// The sender is one selected person, found again when the preview opens.
TEST_F(CPrintCommandsTest, SenderIsRememberedForTheNextCards) {
    AddAddressed("a", "Tokyo");
    AddAddressed("me", "Kyoto");
    Select(m_tree.m_hRootItem);
    m_list.SetSelectedRows({0, 1});
    EXPECT_FALSE(Router().Update(ID_SET_SENDER).IsEnabled());
    m_list.SetSelectedRows({m_list.FindRow(m_doc.GetPersonList().back())});
    EXPECT_TRUE(Router().Dispatch(ID_SET_SENDER));
    m_list.SetSelectedRows({});
    EXPECT_TRUE(Router().Dispatch(ID_POSTCARDS));
    EXPECT_EQ(m_dialogs.m_previewSender, "差出人: me");
    EXPECT_EQ(m_dialogs.m_nPreviewCards, 2);

    // The sender stays the sender through an edit in the person dialog and a sync that brings
    // down a change another device made to its card.
    CScriptedEditDialogs edits;
    CDocumentEditor editor(m_doc, m_ui, edits, [this] { return m_list.GetShownGroup(); });
    edits.m_personal = [](CPersonalDialogModel& dialog) {
        dialog.SetText(EPersonText::Address, "Nara");
        return dialog.OnOk() == EOkOutcome::Close;
    };
    editor.EditPerson(m_doc.GetPersonList().back(), -1);
    CFakeDavServer server;
    CSyncState state;
    ASSERT_EQ(CSyncCommands::SyncBook(m_doc, state, server, CFakeDavServer::COLLECTION).error, "");
    const CPersonalData& me = *m_doc.GetPersonList().back();
    server.Write("/book/" + me.GetUid().ToString() + ".vcf",
                 "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:me\r\nADR:;;Sapporo;;;;\r\nUID:" +
                     me.GetUid().ToString() + "\r\nEND:VCARD\r\n");
    ASSERT_EQ(CSyncCommands::SyncBook(m_doc, state, server, CFakeDavServer::COLLECTION).downloaded,
              1u);
    EXPECT_TRUE(Router().Dispatch(ID_POSTCARDS));
    EXPECT_EQ(m_dialogs.m_previewSender, "差出人: me");
}

// The printed list keeps the shown columns in their order and relative widths and the rows in
// theirs, heads every page with the group's name and numbers the pages.
TEST_F(CPrintCommandsTest, ListPrintsAsItIsShown) {
    CGroup* club = AddGroup("club");
    for (int at = 0; at < 100; ++at)
        AddAddressed("p" + std::to_string(at), "x", {club});
    SelectGroup(club);
    m_list.SetColumnWidth(CFieldTable::FIELD_ZIP, 0);
    EXPECT_TRUE(Router().Dispatch(ID_FILE_PRINT_PREVIEW));
    ASSERT_TRUE(m_dialogs.m_printout);
    EXPECT_TRUE(m_dialogs.m_bListPreview);
    const CListPrintout& printout = *m_dialogs.m_printout;
    std::vector<int> shown; // the visible fields in display order
    for (const int field : m_list.GetColumnOrder())
        if (field != CFieldTable::FIELD_ZIP)
            shown.push_back(field);
    const auto& columns = printout.GetColumns();
    ASSERT_EQ(columns.size(), shown.size());
    const auto width = [this](int field) {
        return static_cast<double>(m_list.GetColumnWidths()[static_cast<std::size_t>(field)]);
    };
    for (std::size_t at = 0; at < shown.size(); ++at) {
        EXPECT_EQ(columns[at].m_strTitle, CFieldTable::GetLabel(shown[at]));
        EXPECT_NEAR(columns[at].m_dWidth / columns[0].m_dWidth, width(shown[at]) / width(shown[0]),
                    1e-9);
    }
    EXPECT_NEAR(columns.back().m_dLeft + columns.back().m_dWidth, 210.0 - CListPrintout::MARGIN,
                1e-6);
    EXPECT_EQ(printout.GetHeader().find("club"), 0u);
    EXPECT_GT(printout.GetPageCount(), 1);
    EXPECT_EQ(printout.GetFooter(0), "1 / " + std::to_string(printout.GetPageCount()));
    std::size_t rows = 0;
    for (int page = 0; page < printout.GetPageCount(); ++page) {
        for (const CListPrintRow& row : printout.GetPageRows(page))
            EXPECT_EQ(row.m_nRow, rows++);
    }
    EXPECT_EQ(rows, 100u);
    EXPECT_EQ(printout.GetRows()[99][0],
              std::string(m_list.GetRowPerson(99)->GetFieldText(shown[0])));
    EXPECT_TRUE(Router().Dispatch(ID_FILE_PAGE_SETUP));
    EXPECT_EQ(m_dialogs.m_nPageSetups, 1);
}
} // namespace
