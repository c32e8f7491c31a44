#include "CAppFixture.h"
#include "core/app/CCsvCommands.h"
#include "core/csv/CCSVImportModel.h"
#include "core/ui/CCsvDialogs.h"
#include "core/ui/CommandIds.h"
#include "gui/dialogs/CCSVExportDlg.h"
#include "gui/dialogs/CCSVImportDlg.h"
#include "gui/dialogs/CCsvList.h"
#include "gui/views/CPersonListWidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace {
// Opens the real CSV dialogs without a modal loop; a script plays the user on each, and the
// dialog counts as confirmed when the script's clicks accepted it.
class CDrivenCsvDialogs : public CCsvDialogs {
public:
    std::optional<std::string> GetOpenCsvFileName() override { return m_file; }
    std::optional<std::string> GetSaveCsvFileName() override { return m_file; }
    bool RunImportDialog(CCSVImportModel& model) override {
        CCSVImportDlg dialog(model);
        m_import(dialog);
        return dialog.result() == QDialog::Accepted;
    }
    bool RunExportDialog(CCSVExportModel& model) override {
        CCSVExportDlg dialog(model);
        m_export(dialog);
        return dialog.result() == QDialog::Accepted;
    }

    std::string m_file;
    std::function<void(CCSVImportDlg&)> m_import;
    std::function<void(CCSVExportDlg&)> m_export;
};

// What a user's click on a row does.
void ClickRow(QWidget& dialog, const char* list, int row) {
    auto* view = dialog.findChild<CCsvList*>(QLatin1String(list));
    view->clearSelection();
    view->topLevelItem(row)->setSelected(true);
}

QPushButton* Button(QWidget& dialog, const char* name) {
    return dialog.findChild<QPushButton*>(QLatin1String(name));
}

class CCsvDialogsGuiTest : public CAppFixture {};

TEST_F(CCsvDialogsGuiTest, ImportThroughTheDialogThenExportInAChosenOrder) {
    CAddressBookApp& app = Start();
    AddPerson("\x8A\xF9\x91\xB6"); // 既存
    CDrivenCsvDialogs dialogs;
    CCsvCommands csv(app.GetDocument(), m_ui, dialogs, app.GetFileController(),
                     Frame()->GetListView(), &app.GetProfile());

    dialogs.m_file = File("in.csv");
    CTempFolder::WriteFile(dialogs.m_file, "\xEF\xBB\xBF山田,100\n佐藤,200\n");
    dialogs.m_import = [](CCSVImportDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "CSVファイルの読み込み");
        EXPECT_FALSE(Button(dialog, "ok")->isEnabled());
        ClickRow(dialog, "fields", 1);
        ClickRow(dialog, "columns", 1);
        Button(dialog, "assign")->click(); // 郵便番号 <- 項目2, then on to 住所 and 項目1
        Button(dialog, "assign")->click(); // 住所 <- 項目1
        ClickRow(dialog, "fields", 0);
        ClickRow(dialog, "columns", 0);
        Button(dialog, "assign")->click(); // 氏名 <- 項目1 too
        auto* fields = dialog.findChild<CCsvList*>(QStringLiteral("fields"));
        EXPECT_EQ(fields->topLevelItem(0)->text(1), "項目1：山田");
        ClickRow(dialog, "fields", 2);
        Button(dialog, "unassign")->click();
        EXPECT_EQ(fields->topLevelItem(2)->text(1), "");
        Button(dialog, "ok")->click();
    };
    csv.OnCommand(ID_CSV_IMPORT);
    CAddressDoc& doc = app.GetDocument();
    ASSERT_EQ(doc.GetPersonList().size(), 3U);
    EXPECT_EQ(doc.GetPersonList().back()->GetText(EPersonText::Zip), "200");
    EXPECT_EQ(Frame()->GetListWidget()->model()->rowCount(), 3);

    dialogs.m_file = File("out.csv");
    dialogs.m_export = [](CCSVExportDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "CSVファイルの書き出し");
        EXPECT_TRUE(dialog.findChild<QRadioButton*>(QStringLiteral("scopeAll"))->isChecked());
        Button(dialog, "add")->click(); // 氏名
        Button(dialog, "add")->click(); // 郵便番号
        EXPECT_TRUE(Button(dialog, "up")->isEnabled());
        EXPECT_FALSE(Button(dialog, "down")->isEnabled());
        Button(dialog, "up")->click();
        Button(dialog, "ok")->click();
    };
    csv.OnCommand(ID_CSV_EXPORT);
    EXPECT_EQ(CTempFolder::ReadFile(File("out.csv")),
              "\"\",\"\x8A\xF9\x91\xB6\"\r\n\"100\",\"\x8E\x52\x93\x63\"\r\n"
              "\"200\",\"\x8D\xB2\x93\xA1\"\r\n");
}

TEST_F(CCsvDialogsGuiTest, AWebExportOpensPresetWithRowsInLineAndAssignmentsUncut) {
    CAddressBookApp& app = Start();
    CDrivenCsvDialogs dialogs;
    CCsvCommands csv(app.GetDocument(), m_ui, dialogs, app.GetFileController(),
                     Frame()->GetListView(), &app.GetProfile());
    dialogs.m_file = File("google.csv");
    CTempFolder::WriteFile(
        dialogs.m_file, "Name,Address 1 - Formatted,E-mail 1 - Value\n"
                        "\"山田, 太郎\",東京都千代田区千代田一丁目一番一号 千代田ビル 101,t@x\n");
    dialogs.m_import = [](CCSVImportDlg& dialog) {
        dialog.show();
        QApplication::processEvents();
        auto* quoting = dialog.findChild<QComboBox*>(QStringLiteral("quoting"));
        EXPECT_EQ(quoting->currentText(), "表計算ソフトや Web のアドレス帳の形式（RFC 4180）");
        EXPECT_EQ(quoting->itemText(0), "Tarnvale の形式（値をそのまま \"\" で囲む）");
        EXPECT_TRUE(dialog.findChild<QCheckBox*>(QStringLiteral("header"))->isChecked());
        auto* fields = dialog.findChild<CCsvList*>(QStringLiteral("fields"));
        auto* columns = dialog.findChild<CCsvList*>(QStringLiteral("columns"));
        EXPECT_EQ(fields->topLevelItem(2)->text(1), "項目2：Address 1 - Formatted");
        EXPECT_EQ(fields->visualItemRect(fields->topLevelItem(0)).height(),
                  columns->visualItemRect(columns->topLevelItem(0)).height());
        const QString longest = fields->topLevelItem(2)->text(1);
        EXPECT_GT(fields->columnWidth(1), fields->fontMetrics().horizontalAdvance(longest));
        EXPECT_GE(fields->columnWidth(0) + fields->columnWidth(1), fields->viewport()->width());
        Button(dialog, "ok")->click();
    };
    csv.OnCommand(ID_CSV_IMPORT);
    ASSERT_EQ(app.GetDocument().GetPersonList().size(), 1U);
    EXPECT_EQ(app.GetDocument().GetPersonList().front()->GetText(EPersonText::Email1), "t@x");

    dialogs.m_file = File("out.csv");
    dialogs.m_export = [](CCSVExportDlg& dialog) {
        Button(dialog, "add")->click(); // 氏名
        dialog.findChild<QComboBox*>(QStringLiteral("format"))->setCurrentIndex(1);
        dialog.findChild<QCheckBox*>(QStringLiteral("header"))->setChecked(true);
        Button(dialog, "ok")->click();
    };
    csv.OnCommand(ID_CSV_EXPORT);
    EXPECT_EQ(CTempFolder::ReadFile(File("out.csv")),
              "\"\x8E\x81\x96\xBC\"\r\n\"\x8E\x52\x93\x63, \x91\xBE\x98\x59\"\r\n");
}
} // namespace
