#include "CBookFixture.h"
#include "CDrivenEditDialogs.h"
#include "core/app/CFindDuplicatesCommand.h"
#include "core/text/CTextCodec.h"
#include "core/ui/CommandIds.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>

using ::testing::UnorderedElementsAre;

namespace {
// The dialog as the window opens it, through the command, with a user played by a script.
class CDuplicateDlgTest : public CBookFixture {
protected:
    std::string Cp932(const char* utf8) const { return m_codec.FromUtf8(utf8).text; }

    template <typename Widget> static Widget* Find(const QWidget& dialog, const char* name) {
        auto* widget = dialog.findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static QStringList Column(const QTableWidget& table, int column) {
        QStringList texts;
        for (int row = 0; row < table.rowCount(); ++row)
            texts << (table.item(row, column) ? table.item(row, column)->text() : QString());
        return texts;
    }

    CTextCodec m_codec;
    CDrivenEditDialogs m_dialogs;
    CFindDuplicatesCommand m_command{m_doc, m_dialogs, nullptr};
};

TEST_F(CDuplicateDlgTest, ShowsTheSetsSideBySideAndMergesIntoThePersonChosenToStay) {
    CPersonalData* taro = AddPerson(Cp932("山田太郎"));
    taro->SetText(EPersonText::Email1, "taro@example.jp");
    AddPerson("Sato");
    AddPerson(Cp932("ﾔﾏﾀﾞ ﾀﾛｳ"));
    AddPerson("SATO");
    CPersonalData* kana = AddPerson(Cp932("ヤマダタロウ"));
    kana->SetText(EPersonText::Email1, "Taro@Example.jp");
    m_dialogs.m_duplicate = [](CDuplicateDlg& dialog) {
        auto* sets = Find<QListWidget>(dialog, "sets");
        ASSERT_EQ(sets->count(), 2);
        EXPECT_EQ(sets->item(1)->text(), "Sato / SATO（氏名が同じ）");
        EXPECT_TRUE(Find<QLabel>(dialog, "none")->isHidden());
        sets->setCurrentRow(1);
        CDrivenEditDialogs::Click(dialog, "notDuplicates");
        ASSERT_EQ(sets->count(), 1);
        EXPECT_EQ(sets->currentRow(), 0);

        auto* differences = Find<QTableWidget>(dialog, "differences");
        EXPECT_EQ(differences->columnCount(), 3);
        EXPECT_EQ(differences->horizontalHeaderItem(2)->text(), "ヤマダタロウ");
        EXPECT_EQ(Column(*differences, 1), (QStringList{"ﾔﾏﾀﾞ ﾀﾛｳ", ""}));
        Find<QComboBox>(dialog, "keep")->setCurrentIndex(2);
        const QStringList result = Column(*Find<QTableWidget>(dialog, "result"), 0);
        EXPECT_EQ(result.front(), "ヤマダタロウ");
        // The other address and reading differ only in letter case, width and blanks.
        EXPECT_EQ(result.back(), "氏名: 山田太郎");
        CDrivenEditDialogs::Click(dialog, "merge");
    };
    m_command.OnCommand(ID_FIND_DUPLICATES);
    EXPECT_THAT(ListNames(), UnorderedElementsAre("Sato", "SATO", Cp932("ヤマダタロウ")));
    EXPECT_EQ(m_doc.GetDeletedList().size(), 2u);

    m_dialogs.m_duplicate = [](CDuplicateDlg& dialog) {
        EXPECT_EQ(Find<QListWidget>(dialog, "sets")->count(), 0);
        EXPECT_FALSE(Find<QLabel>(dialog, "none")->isHidden());
        EXPECT_FALSE(Find<QPushButton>(dialog, "merge")->isEnabled());
        CDrivenEditDialogs::Click(dialog, "close");
    };
    m_command.OnCommand(ID_FIND_DUPLICATES);
    EXPECT_EQ(m_doc.GetPersonList().size(), 3u);
}
} // namespace
