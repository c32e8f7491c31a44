#include "CAppFixture.h"
#include "CBookFixture.h"
#include "CDialogCheck.h"
#include "CMailtoCatcher.h"
#include "core/app/COptionsCommand.h"
#include "core/dialogs/CDialogModelTexts.h"
#include "core/dialogs/COptionSheetModel.h"
#include "core/mail/CMailer.h"
#include "core/model/CFieldTable.h"
#include "core/ui/CCommandRouter.h"
#include "core/ui/CMailDialogs.h"
#include "core/ui/CommandIds.h"
#include "gui/app/CQtUserInterface.h"
#include "gui/dialogs/CCopiedAddressDialog.h"
#include "gui/dialogs/COptionSheet.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QUrl>

#include <functional>

using ::testing::ElementsAre;

namespace {

// Opens the real dialogs without a modal loop; a script plays the person.
class CDrivenMailDialogs : public CMailDialogs {
public:
    std::optional<std::size_t>
    RunCopiedAddressDialog(const std::vector<std::string>& recent) override {
        CCopiedAddressDialog dialog(recent);
        CDialogCheck::Expect(dialog);
        if (m_recent)
            m_recent(dialog);
        if (dialog.result() != QDialog::Accepted)
            return std::nullopt;
        return dialog.GetChosen();
    }
    bool RunOptionSheet(COptionSheetModel& model) override {
        COptionSheet sheet(model);
        CDialogCheck::Expect(sheet);
        if (m_sheet)
            m_sheet(sheet);
        return sheet.result() == QDialog::Accepted;
    }

    std::function<void(CCopiedAddressDialog&)> m_recent;
    std::function<void(COptionSheet&)> m_sheet;
};

template <typename Widget> Widget* Find(const QWidget& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void Click(const QWidget& dialog, const char* button) {
    Find<QAbstractButton>(dialog, button)->click();
}

class CMailDialogsGuiTest : public CBookFixture {
protected:
    CMailDialogsGuiTest()
        : m_mailer(m_qtUi, {}), m_options(&m_mailer, m_tree, m_list, m_ui, m_dialogs) {
        // The catcher stands for the desktop's mail program, whatever this machine has.
        m_qtUi.SetHandlerProbe([](const QString&) { return std::optional<bool>(); });
        m_list.SetMailer(&m_mailer);
        m_tree.SetMailer(&m_mailer);
        m_mailer.SetDialogs(&m_dialogs);
        m_options.SetCommandSender([this](int id) {
            CCommandRouter([this] { return std::vector<CCommandTarget*>{&m_list}; }).Dispatch(id);
        });
    }

    CQtUserInterface m_qtUi;
    CMailtoCatcher m_catcher;
    CDrivenMailDialogs m_dialogs;
    CMailer m_mailer;
    COptionsCommand m_options;
};

TEST_F(CMailDialogsGuiTest, ChoosingTheThirdPairWritesItAndMovesItToTheTop) {
    for (const char* address : {"c@x", "b@x", "\"A a\" <a@x>?%#"})
        m_mailer.RememberAddresses(address, std::string("to ") + address);
    m_dialogs.m_recent = [](CCopiedAddressDialog& dialog) {
        auto* list = Find<QListWidget>(dialog, "list");
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(list->item(2)->text(), "to c@x");
        const QString tip = list->item(0)->toolTip();
        EXPECT_EQ(QTextDocumentFragment::fromHtml(tip).toPlainText(), list->item(0)->text());
        EXPECT_FALSE(Find<QPushButton>(dialog, "write")->isEnabled());
        list->setCurrentRow(2);
        EXPECT_TRUE(Find<QPushButton>(dialog, "write")->isEnabled());
        Click(dialog, "write");
    };
    m_mailer.OnRecentAddresses();
    EXPECT_EQ(m_mailer.GetRecentAddresses().GetStrings().front(), "c@x");
    ASSERT_EQ(m_catcher.m_urls.size(), 1U);
    EXPECT_EQ(m_catcher.m_urls[0].path(QUrl::FullyDecoded), "c@x");
}

TEST_F(CMailDialogsGuiTest, TheMailProgramReceivesExactlyTheJoinedAddresses) {
    const std::string address = "\"A a\" <a@x>?%#";
    m_mailer.DeliverAddresses(address);
    ASSERT_EQ(m_catcher.m_urls.size(), 1U);
    EXPECT_EQ(m_catcher.m_urls[0].scheme(), "mailto");
    EXPECT_EQ(m_catcher.m_urls[0].path(QUrl::FullyDecoded).toStdString(), address);
}

TEST_F(CMailDialogsGuiTest, TheClipboardChoiceCopiesTheAddressesAsText) {
    m_mailer.GetSettings().m_bMailToClipboard = true;
    m_mailer.DeliverAddresses("\x8E\x52\x93\x63<p@x>");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("山田<p@x>"));
    EXPECT_TRUE(m_catcher.m_urls.empty());
}

TEST_F(CMailDialogsGuiTest, OptionSheetRoundTrip) {
    m_dialogs.m_sheet = [](COptionSheet& sheet) {
        EXPECT_EQ(sheet.GetTabs()->tabText(0), "メール関係");
        EXPECT_TRUE(Find<QRadioButton>(sheet, "semicolon")->isChecked());
        EXPECT_FALSE(Find<QPlainTextEdit>(sheet, "otherText")->isEnabled());
        Click(sheet, "other");
        Find<QPlainTextEdit>(sheet, "otherText")->setPlainText(", \n");
        Click(sheet, "clipboard");
        Find<QLineEdit>(sheet, "capacity")->setText("1001");
        Click(sheet, "ok");
        EXPECT_NE(sheet.result(), QDialog::Accepted);
        Find<QLineEdit>(sheet, "capacity")->setText("2");
        sheet.GetTabs()->setCurrentIndex(2);
        Click(sheet, "editByDblClk");
        Click(sheet, "ok");
    };
    for (const char* address : {"a", "b", "c"})
        m_mailer.RememberAddresses(address, address);
    EXPECT_TRUE(m_options.OnOptions());
    EXPECT_THAT(m_ui.m_asked, ElementsAre(CDialogModelTexts::CAPACITY_MESSAGE));
    EXPECT_EQ(m_mailer.GetSettings().m_strMailSeparator, ", \r\n");
    EXPECT_EQ(m_mailer.GetSettings().m_nRecentCapacity, 2);
    EXPECT_TRUE(m_mailer.GetSettings().m_bMailToClipboard);
    EXPECT_FALSE(m_list.GetCellEditor().GetEditByDblClk());
    EXPECT_EQ(m_mailer.GetRecentAddresses().GetPairCount(), 2U);
}

TEST_F(CMailDialogsGuiTest, ColumnResetStaysWhenTheSheetIsCancelled) {
    m_list.SetColumnOrder({1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    m_list.SetColors(0x11, 0x22);
    m_ui.m_answers = {EMessageResult::Cancel, EMessageResult::Ok};
    m_dialogs.m_sheet = [this](COptionSheet& sheet) {
        Click(sheet, "resetColumns");
        EXPECT_EQ(m_list.GetColumnOrder()[0], 1);
        Click(sheet, "resetColumns");
        EXPECT_EQ(m_list.GetColumnOrder()[0], 0);
        Click(sheet, "treeMatch");
        Click(sheet, "cancel");
    };
    EXPECT_FALSE(m_options.OnOptions());
    EXPECT_EQ(m_list.GetColumnOrder()[0], 0);
    EXPECT_EQ(m_tree.GetTextColor(), 0U);
    EXPECT_EQ(m_list.GetTextColor(), 0x11U);
}

class CMailAppTest : public CAppFixture {};

TEST_F(CMailAppTest, TheNextRunShowsWhatThisRunRemembered) {
    Start();
    OpenMenu(1);
    OpenMenu(3);
    EXPECT_FALSE(Action(ID_RECENT_ADDRESSES)->isEnabled());
    EXPECT_TRUE(Action(ID_OPTIONS)->isEnabled());
    m_app->GetMailer().RememberAddresses("b", "2");
    m_app->GetMailer().RememberAddresses("a", "1");
    m_app->GetMailer().GetSettings().m_strMailSeparator = "\r\n";
    OpenMenu(1);
    EXPECT_TRUE(Action(ID_RECENT_ADDRESSES)->isEnabled());
    Stop();
    Start();
    EXPECT_THAT(m_app->GetMailer().GetRecentAddresses().GetStrings(),
                ElementsAre("a", "1", "b", "2"));
    EXPECT_EQ(m_app->GetMailer().GetSettings().m_strMailSeparator, "\r\n");
    EXPECT_TRUE(std::filesystem::exists(m_folder / "tarnvale.cal"));
}

} // namespace
