#include "core/dialogs/COptionSheetModel.h"

#include "CBookFixture.h"
#include "core/app/COptionsCommand.h"
#include "core/dialogs/CDialogModelTexts.h"
#include "core/mail/CMailer.h"
#include "core/ui/CMailDialogs.h"
#include "core/ui/CommandIds.h"

#include <functional>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

COptionValues WithSeparator(const std::string& separator) {
    COptionValues values;
    values.m_strMailSeparator = separator;
    return values;
}

struct CSeparatorCase {
    const char* name;
    const char* separator;
    ESeparatorChoice choice;
    const char* otherText;
};

class CSeparatorInTest : public ::testing::TestWithParam<CSeparatorCase> {};

TEST_P(CSeparatorInTest, ChoosesTheButtonOrTheOtherText) {
    CScriptedUserInterface ui;
    const COptionSheetModel sheet(WithSeparator(GetParam().separator), ui, {});
    EXPECT_EQ(sheet.GetSeparatorChoice(), GetParam().choice);
    EXPECT_EQ(sheet.GetOtherSeparator(), GetParam().otherText);
    EXPECT_EQ(sheet.IsOtherSeparatorEnabled(), GetParam().choice == ESeparatorChoice::Other);
    EXPECT_EQ(sheet.GetValues().m_strMailSeparator, GetParam().separator);
}

INSTANTIATE_TEST_SUITE_P(
    Separators, CSeparatorInTest,
    ::testing::Values(CSeparatorCase{"Comma", ",", ESeparatorChoice::Comma, ""},
                      CSeparatorCase{"Semicolon", ";", ESeparatorChoice::Semicolon, ""},
                      CSeparatorCase{"CommaBlank", ", ", ESeparatorChoice::Other, ", "},
                      CSeparatorCase{"Empty", "", ESeparatorChoice::Other, ""},
                      CSeparatorCase{"OtherCharacter", ":", ESeparatorChoice::Other, ":"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(COptionSheetModelTest, SeparatorOutFollowsTheChoice) {
    CScriptedUserInterface ui;
    COptionSheetModel sheet(WithSeparator(", "), ui, {});
    sheet.ChooseSeparator(ESeparatorChoice::Comma);
    EXPECT_EQ(sheet.GetOtherSeparator(), "");
    EXPECT_FALSE(sheet.IsOtherSeparatorEnabled());
    EXPECT_EQ(sheet.GetValues().m_strMailSeparator, ",");
    sheet.ChooseSeparator(ESeparatorChoice::Other);
    EXPECT_EQ(sheet.GetValues().m_strMailSeparator, "");
    sheet.SetOtherSeparator("\r\n");
    EXPECT_EQ(sheet.GetValues().m_strMailSeparator, "\r\n");
}

TEST(COptionSheetModelTest, CapacityMustBeAWholeNumberFrom0To1000) {
    for (const char* good : {"0", "1000", " 12 ", "+5"})
        EXPECT_TRUE(COptionSheetModel::ParseCapacity(good).has_value()) << good;
    for (const char* bad : {"1001", "-1", "", "abc", "12x", "99999999999"})
        EXPECT_FALSE(COptionSheetModel::ParseCapacity(bad).has_value()) << bad;
    CScriptedUserInterface ui;
    COptionSheetModel sheet(COptionValues{}, ui, {});
    sheet.SetCapacityText("1001");
    EXPECT_FALSE(sheet.ValidateCapacity());
    EXPECT_THAT(ui.m_asked, ElementsAre(CDialogModelTexts::CAPACITY_MESSAGE));
    sheet.SetCapacityText("3");
    EXPECT_TRUE(sheet.ValidateCapacity());
    EXPECT_EQ(sheet.GetValues().m_nRecentCapacity, 3);
}

TEST(COptionSheetModelTest, MatchButtonsCopyBothColoursOfTheOtherPane) {
    CScriptedUserInterface ui;
    COptionValues values;
    values.m_listBackground = 1;
    values.m_listText = 2;
    values.m_treeBackground = 3;
    values.m_treeText = 4;
    COptionSheetModel sheet(values, ui, {});
    sheet.MatchTreeToList();
    EXPECT_EQ(sheet.GetColor(EOptionColor::TreeBackground), 1U);
    EXPECT_EQ(sheet.GetColor(EOptionColor::TreeText), 2U);
    sheet.SetColor(EOptionColor::TreeText, 9);
    sheet.MatchListToTree();
    EXPECT_EQ(sheet.GetColor(EOptionColor::ListText), 9U);
}

TEST(COptionSheetModelTest, ColumnResetAsksAndSendsCommand102OnlyOnOk) {
    CScriptedUserInterface ui;
    std::vector<int> sent;
    COptionSheetModel sheet(COptionValues{}, ui, [&sent](int id) { sent.push_back(id); });
    ui.m_answers = {EMessageResult::Cancel, EMessageResult::Ok};
    sheet.OnResetColumns();
    sheet.OnResetColumns();
    EXPECT_THAT(ui.m_asked,
                ElementsAre(CDialogModelTexts::RESET_QUESTION, CDialogModelTexts::RESET_QUESTION));
    EXPECT_THAT(sent, ElementsAre(ID_RESET_COLUMNS));
}

// Runs the sheet by a script: it edits the model, then OK or cancel.
class CScriptedSheet : public CMailDialogs {
public:
    std::optional<std::size_t> RunCopiedAddressDialog(const std::vector<std::string>&) override {
        return std::nullopt;
    }
    bool RunOptionSheet(COptionSheetModel& model) override {
        m_loaded = model.GetValues();
        if (m_edit)
            m_edit(model);
        return m_bOk;
    }

    std::function<void(COptionSheetModel&)> m_edit;
    bool m_bOk = true;
    COptionValues m_loaded;
};

class COptionsCommandTest : public CBookFixture {
protected:
    COptionsCommandTest()
        : m_mailer(m_ui, {}), m_options(&m_mailer, m_tree, m_list, m_ui, m_sheet) {
        m_list.SetColors(0x11, 0x22);
        m_tree.SetColors(0x33, 0x44);
        for (const char* address : {"a", "b", "c", "d"})
            m_mailer.RememberAddresses(address, address);
    }

    CScriptedSheet m_sheet;
    CMailer m_mailer;
    COptionsCommand m_options;
    int m_nRepaints = 0;
};

TEST_F(COptionsCommandTest, OkAppliesEveryValue) {
    m_options.SetRepaintHandler([this] { ++m_nRepaints; });
    m_sheet.m_edit = [](COptionSheetModel& sheet) {
        sheet.ChooseSeparator(ESeparatorChoice::Comma);
        sheet.SetEditByDblClk(false);
        sheet.SetColor(EOptionColor::ListText, 0xAA);
        sheet.MatchTreeToList();
        sheet.SetCapacityText("2");
        EXPECT_TRUE(sheet.ValidateCapacity());
        sheet.SetDelivery(EMailDelivery::Clipboard);
    };
    EXPECT_TRUE(m_options.OnOptions());
    EXPECT_EQ(m_sheet.m_loaded.m_strMailSeparator, ";");
    EXPECT_EQ(m_sheet.m_loaded.m_listText, 0x11U);
    EXPECT_EQ(m_sheet.m_loaded.m_treeBackground, 0x44U);
    EXPECT_EQ(m_sheet.m_loaded.m_nRecentCapacity, 10);
    const CMailSettings& mail = m_mailer.GetSettings();
    EXPECT_EQ(mail.m_strMailSeparator, ",");
    EXPECT_FALSE(m_list.GetCellEditor().GetEditByDblClk());
    EXPECT_EQ(m_list.GetTextColor(), 0xAAU);
    EXPECT_EQ(m_tree.GetTextColor(), 0xAAU);
    EXPECT_EQ(m_tree.GetBackgroundColor(), 0x22U);
    EXPECT_EQ(mail.m_nRecentCapacity, 2);
    EXPECT_THAT(m_mailer.GetRecentAddresses().GetStrings(), ElementsAre("d", "d", "c", "c"));
    EXPECT_TRUE(mail.m_bMailToClipboard);
    EXPECT_EQ(m_nRepaints, 1);
}

TEST_F(COptionsCommandTest, CancelChangesNothing) {
    const COptionValues before = m_options.LoadValues();
    m_sheet.m_bOk = false;
    m_sheet.m_edit = [](COptionSheetModel& sheet) {
        sheet.ChooseSeparator(ESeparatorChoice::Comma);
        sheet.SetColor(EOptionColor::ListText, 0xAA);
        sheet.SetCapacityText("1");
        sheet.SetDelivery(EMailDelivery::Clipboard);
    };
    EXPECT_FALSE(m_options.OnOptions());
    EXPECT_EQ(m_options.LoadValues(), before);
    EXPECT_EQ(m_mailer.GetRecentAddresses().GetPairCount(), 4U);
}

} // namespace
