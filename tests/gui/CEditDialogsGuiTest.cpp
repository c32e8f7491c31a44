#include "CBookFixture.h"
#include "CDrivenEditDialogs.h"
#include "core/app/CDocumentEditor.h"
#include "core/dialogs/CPersonalDialogModel.h"
#include "core/text/CTextCodec.h"
#include "core/ui/CCommandRouter.h"
#include "core/ui/CommandIds.h"
#include "gui/dialogs/CGroupListBox.h"
#include "gui/dialogs/CPersonalListBox.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {
// The dialogs as the window opens them: through the document's editor, on a document whose
// tree and list are attached, with a user played by scripts.
class CEditDialogsGuiTest : public CBookFixture {
protected:
    CEditDialogsGuiTest()
        : m_editor(m_doc, m_ui, m_dialogs, [this] { return m_list.GetShownGroup(); }) {
        m_doc.SetRecordEditor(&m_editor);
    }

    std::string Cp932(const QString& text) const {
        return m_codec.FromUtf8(text.toStdString()).text;
    }

    template <typename Widget> static Widget* Find(const QWidget& dialog, const char* name) {
        auto* widget = dialog.findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static QLineEdit* Edit(const QWidget& dialog, const char* name) {
        return Find<QLineEdit>(dialog, name);
    }
    static QString Text(const QWidget& dialog, const char* label) {
        return Find<QLabel>(dialog, label)->text();
    }
    static bool IsEnabled(const QWidget& dialog, const char* button) {
        return Find<QPushButton>(dialog, button)->isEnabled();
    }

    CTextCodec m_codec;
    CDrivenEditDialogs m_dialogs;
    CDocumentEditor m_editor;
};

TEST_F(CEditDialogsGuiTest, NewPersonTypedInAShownGroupWithANewGroupIsUndoneInOneStep) {
    ShowPersons(true);
    CGroup* a = AddGroup("A");
    SelectGroup(a);
    m_dialogs.m_category = [](CCategoryDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "グループの新規作成");
        Edit(dialog, "name")->setText("友達");
        CDrivenEditDialogs::Click(dialog, "ok");
    };
    m_dialogs.m_personal = [](CPersonalDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "個人情報の新規作成");
        EXPECT_EQ(CDrivenEditDialogs::Rows(dialog, "memberGroups"), QStringList{"A"});
        EXPECT_EQ(Text(dialog, "groupCount"), "1個");
        EXPECT_FALSE(IsEnabled(dialog, "ok"));
        EXPECT_TRUE(Find<QRadioButton>(dialog, "male")->isChecked());

        QTest::keyClicks(Edit(dialog, "name"), "Yamada ");
        Edit(dialog, "name")->insert("太郎"); // as an input method commits it
        EXPECT_TRUE(IsEnabled(dialog, "ok"));
        Find<QRadioButton>(dialog, "female")->click();
        CDrivenEditDialogs::Click(dialog, "newGroup");
        EXPECT_EQ(CDrivenEditDialogs::Rows(dialog, "otherGroups"), QStringList{"友達"});
        CDrivenEditDialogs::ClickRows(*Find<CGroupListBox>(dialog, "otherGroups"), {0});
        EXPECT_TRUE(IsEnabled(dialog, "addGroup"));
        CDrivenEditDialogs::Click(dialog, "addGroup");
        EXPECT_EQ(CDrivenEditDialogs::Rows(dialog, "memberGroups"), (QStringList{"A", "友達"}));
        EXPECT_EQ(Text(dialog, "groupCount"), "2個");
        EXPECT_FALSE(IsEnabled(dialog, "addGroup")); // the list it emptied
        Find<QPlainTextEdit>(dialog, "memo")->setPlainText("一行目\n二行目");
        CDrivenEditDialogs::Click(dialog, "ok");
    };
    const CCommand* before = m_doc.GetLastCommand();
    m_editor.OnNewPerson();

    ASSERT_EQ(m_doc.GetPersonList().size(), 1u);
    ASSERT_EQ(m_doc.GetGroupList().size(), 2u);
    const CPersonalData* person = m_doc.GetPersonList().front();
    CGroup* friends = m_doc.GetGroupList().back();
    EXPECT_EQ(person->GetText(EPersonText::Name), Cp932("Yamada 太郎"));
    EXPECT_EQ(person->GetText(EPersonText::Memo), Cp932("一行目\r\n二行目"));
    EXPECT_EQ(person->m_nSex, CPersonalData::SEX_FEMALE);
    EXPECT_THAT(person->m_groupList, ElementsAre(a, friends));
    EXPECT_THAT(ListNames(), ElementsAre(Cp932("Yamada 太郎")));
    EXPECT_THAT(ChildTexts(friends->m_hTreeItem), ElementsAre(Cp932("Yamada 太郎")));

    m_doc.OnEditUndo();
    EXPECT_EQ(m_doc.GetLastCommand(), before);
    EXPECT_THAT(m_doc.GetGroupList(), ElementsAre(a));
    EXPECT_TRUE(m_doc.GetPersonList().empty());
    EXPECT_THAT(ListNames(), IsEmpty());
    EXPECT_THAT(ChildTexts(a->m_hTreeItem), IsEmpty());
}

TEST_F(CEditDialogsGuiTest, EditingFromAPhoneCellFocusesThatBoxAndKeepsUntouchedBytes) {
    CPersonalData* person = AddPerson("Taro", {}, "\x82\xBD");
    person->SetText(EPersonText::Tel2, "03-1234");
    person->SetText(EPersonText::Memo, "a\r\nb\xFF\xFE"); // not CP932 at the end
    person->m_nSex = CPersonalData::SEX_NONE;
    AddPerson("Jiro");
    Select(m_tree.m_hRootItem);
    m_dialogs.m_personal = [](CPersonalDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "個人情報");
        auto* tel2 = Edit(dialog, "tel2");
        EXPECT_EQ(dialog.focusWidget(), tel2);
        EXPECT_EQ(tel2->selectedText(), "03-1234");
        EXPECT_FALSE(Find<QRadioButton>(dialog, "male")->isChecked());
        EXPECT_FALSE(Find<QRadioButton>(dialog, "female")->isChecked());
        CDrivenEditDialogs::Click(dialog, "ok");
    };
    m_list.SetSelectedRows({m_list.FindRow(person)});
    m_list.SetClickedCell(4, 0, 4);
    m_list.OnCommand(ID_MODIFY);

    const CPersonalData* edited = m_doc.GetPersonList().back();
    ASSERT_NE(edited, person);
    for (int slot = 0; slot < CPersonalData::TEXT_COUNT; ++slot) {
        const auto text = static_cast<EPersonText>(slot);
        EXPECT_EQ(edited->GetText(text), person->GetText(text)) << "text " << slot;
    }
    EXPECT_EQ(edited->m_nSex, CPersonalData::SEX_NONE);
    EXPECT_THAT(NamesOf(m_doc.GetPersonList()), ElementsAre("Jiro", "Taro"));
}

TEST_F(CEditDialogsGuiTest, ModifyingWithoutAFieldOpensOnTheNameWithItsTextUnselected) {
    CPersonalData* person = AddPerson("Taro");
    m_dialogs.m_personal = [](CPersonalDialog& dialog) {
        dialog.show();
        auto* name = Edit(dialog, "name");
        EXPECT_EQ(dialog.focusWidget(), name);
        EXPECT_FALSE(name->hasSelectedText());
        EXPECT_EQ(name->cursorPosition(), 4);
        dialog.reject();
    };
    m_list.SetSelectedRows({m_list.FindRow(person)});
    m_list.OnCommand(ID_MODIFY);
}

TEST_F(CEditDialogsGuiTest, ACharacterCp932CannotHoldKeepsTheDialogOpenOnItsBox) {
    m_dialogs.m_personal = [this](CPersonalDialog& dialog) {
        Edit(dialog, "name")->setText("Taro");
        auto* address = Edit(dialog, "address");
        address->setText("東京😀");
        CDrivenEditDialogs::Click(dialog, "ok");
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        ASSERT_EQ(m_ui.m_asked.size(), 1u);
        EXPECT_THAT(m_ui.m_asked.front(), HasSubstr("「住所」"));
        EXPECT_THAT(m_ui.m_asked.front(), HasSubstr("😀 (U+1F600)"));
        EXPECT_EQ(dialog.focusWidget(), address);

        address->setText("東京");
        CDrivenEditDialogs::Click(dialog, "ok");
    };
    m_editor.OnNewPerson();
    ASSERT_EQ(m_doc.GetPersonList().size(), 1u);
    EXPECT_EQ(m_doc.GetPersonList().front()->GetText(EPersonText::Address), Cp932("東京"));
}

TEST_F(CEditDialogsGuiTest, ADuplicateNameAnsweredNoReturnsToTheNameWithItsTextSelected) {
    AddPerson("Hanako");
    m_ui.m_answers = {EMessageResult::No};
    m_dialogs.m_personal = [this](CPersonalDialog& dialog) {
        auto* name = Edit(dialog, "name");
        name->setText("Hanako");
        Edit(dialog, "zip")->setFocus();
        CDrivenEditDialogs::Click(dialog, "ok");
        EXPECT_THAT(m_ui.m_asked, ElementsAre("Hanako氏は既に存在します。続けますか？"));
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.focusWidget(), name);
        EXPECT_EQ(name->selectedText(), "Hanako");
    };
    m_editor.OnNewPerson();
    EXPECT_EQ(m_doc.GetPersonList().size(), 1u);
}

TEST_F(CEditDialogsGuiTest, TheInputMethodIsToldItIsOffInTheMailBoxesOnly) {
    CPersonalDialogModel model(m_doc, m_ui, m_dialogs, nullptr);
    CPersonalDialog dialog(model);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    // Asked of the focused box, as an input method asks: by the query and by its event.
    const auto enabled = [&dialog](const char* box) {
        Edit(dialog, box)->setFocus();
        EXPECT_EQ(QGuiApplication::focusObject(), Edit(dialog, box)) << box;
        QInputMethodQueryEvent event(Qt::ImEnabled);
        QCoreApplication::sendEvent(Edit(dialog, box), &event);
        return std::pair{
            QGuiApplication::inputMethod()->queryFocusObject(Qt::ImEnabled, {}).toBool(),
            event.value(Qt::ImEnabled).toBool()};
    };
    EXPECT_EQ(enabled("email1"), std::pair(false, false));
    EXPECT_EQ(enabled("email2"), std::pair(false, false));
    EXPECT_EQ(enabled("name"), std::pair(true, true));
    EXPECT_TRUE(Edit(dialog, "email1")->inputMethodHints() & Qt::ImhLatinOnly);
}

TEST_F(CEditDialogsGuiTest, MailButtonsAskTheWindowAndHomePageOpensInTheBrowser) {
    CPersonalDialogModel model(m_doc, m_ui, m_dialogs, nullptr);
    CPersonalDialog dialog(model);
    std::vector<int> commands;
    QObject::connect(&dialog, &CPersonalDialog::commandRequested,
                     [&commands](int id) { commands.push_back(id); });
    CDrivenEditDialogs::Click(dialog, "mail1");
    CDrivenEditDialogs::Click(dialog, "mail2");
    EXPECT_THAT(commands, ElementsAre(ID_MAIL_EMAIL1, ID_MAIL_EMAIL2));

    CDrivenEditDialogs::Click(dialog, "openHomePage");
    EXPECT_THAT(m_ui.m_openedUrls, IsEmpty());
    Edit(dialog, "homePage")->setText("www.example.jp");
    CDrivenEditDialogs::Click(dialog, "openHomePage");
    EXPECT_THAT(m_ui.m_openedUrls, ElementsAre("http://www.example.jp"));
    m_ui.m_bOpenUrlSucceeds = false;
    CDrivenEditDialogs::Click(dialog, "openHomePage");
    EXPECT_THAT(m_ui.m_asked, ElementsAre("ブラウザの起動に失敗しました。"));
}

TEST_F(CEditDialogsGuiTest, ChangingAGroupFromTheTreeListsPersonsByKanaAndReplacesTheGroup) {
    CPersonalData* sato = AddPerson(Cp932("佐藤"), {}, Cp932("さとう"));
    AddPerson(Cp932("阿部"), {}, Cp932("あべ"));
    AddPerson(Cp932("名無し"));
    AddGroup(Cp932("家族"));
    CGroup* friends = AddGroup(Cp932("友達"));
    m_doc.LinkPersonToGroup(sato, friends);
    SelectGroup(friends);
    m_dialogs.m_category = [this](CCategoryDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "グループ情報");
        EXPECT_EQ(Edit(dialog, "name")->text(), "友達");
        EXPECT_EQ(CDrivenEditDialogs::Rows(dialog, "members"), QStringList{"佐藤"});
        EXPECT_EQ(CDrivenEditDialogs::Rows(dialog, "others"), (QStringList{"名無し", "阿部"}));
        EXPECT_EQ(Text(dialog, "count"), "1人");

        CDrivenEditDialogs::ClickRows(*Find<CPersonalListBox>(dialog, "members"), {0});
        EXPECT_TRUE(IsEnabled(dialog, "remove"));
        EXPECT_FALSE(IsEnabled(dialog, "add"));
        CDrivenEditDialogs::Click(dialog, "remove");
        EXPECT_FALSE(IsEnabled(dialog, "remove"));
        EXPECT_EQ(CDrivenEditDialogs::Rows(dialog, "others"),
                  (QStringList{"名無し", "阿部", "佐藤"}));
        CDrivenEditDialogs::ClickRows(*Find<CPersonalListBox>(dialog, "others"), {1});
        CDrivenEditDialogs::Click(dialog, "add");
        EXPECT_EQ(Text(dialog, "count"), "1人");

        Edit(dialog, "name")->setText("家族");
        CDrivenEditDialogs::Click(dialog, "ok");
        EXPECT_THAT(m_ui.m_asked, ElementsAre("家族は既に存在します。別の名前にしてください。"));
        EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "name"));
        Edit(dialog, "name")->setText("仲間");
        CDrivenEditDialogs::Click(dialog, "ok");
    };
    m_tree.OnCommand(ID_MODIFY);

    ASSERT_EQ(m_doc.GetGroupList().size(), 2u);
    const CGroup* renamed = m_doc.GetGroupList().back();
    EXPECT_EQ(renamed->m_strGroupName, Cp932("仲間"));
    EXPECT_THAT(NamesOf(renamed->m_memberList), ElementsAre(Cp932("阿部")));
    EXPECT_TRUE(sato->m_groupList.empty());

    m_doc.OnEditUndo();
    EXPECT_EQ(m_doc.GetGroupList().back(), friends);
    EXPECT_THAT(sato->m_groupList, ElementsAre(friends));
}

TEST_F(CEditDialogsGuiTest, UnitingThroughTheRouterLeavesOneGroupWithEveryMember) {
    CGroup* a = AddGroup("A");
    CGroup* b = AddGroup("B");
    AddGroup("C");
    AddPerson("p", {a});
    AddPerson("q", {b});
    m_dialogs.m_unite = [](CUniteGroupDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "グループの統合");
        EXPECT_FALSE(IsEnabled(dialog, "ok"));
        EXPECT_FALSE(IsEnabled(dialog, "add"));
        CDrivenEditDialogs::ClickRows(*Find<CGroupListBox>(dialog, "others"), {0, 1});
        CDrivenEditDialogs::Click(dialog, "add");
        EXPECT_EQ(CDrivenEditDialogs::Rows(dialog, "chosen"), (QStringList{"A", "B"}));
        EXPECT_EQ(CDrivenEditDialogs::Rows(dialog, "others"), QStringList{"C"});
        EXPECT_FALSE(IsEnabled(dialog, "remove")); // moving does not select in the target
        QTest::keyClicks(Edit(dialog, "name"), "A");
        EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "name"));
        CDrivenEditDialogs::Click(dialog, "ok");
    };
    CCommandRouter router([this] {
        return std::vector<CCommandTarget*>{&m_list, &m_doc, &m_editor};
    });
    EXPECT_TRUE(router.Dispatch(ID_UNITE_GROUPS));

    EXPECT_THAT(m_ui.m_asked, IsEmpty());
    ASSERT_EQ(m_doc.GetGroupList().size(), 2u);
    EXPECT_EQ(m_doc.GetGroupList().back()->m_strGroupName, "A");
    EXPECT_THAT(NamesOf(m_doc.GetGroupList().back()->m_memberList), ElementsAre("p", "q"));
    EXPECT_EQ(m_doc.GetUndoMenuText(), "元に戻す(&U) － グループの統合\tCtrl+Z");
}
} // namespace

namespace {
TEST_F(CEditDialogsGuiTest, FocusInOneListClearsTheOtherAndAnUnsavableGroupNameIsRefused) {
    AddPerson("p");
    AddPerson("q");
    m_dialogs.m_category = [this](CCategoryDialog& dialog) {
        auto* members = Find<CPersonalListBox>(dialog, "members");
        auto* others = Find<CPersonalListBox>(dialog, "others");
        CDrivenEditDialogs::ClickRows(*others, {0});
        CDrivenEditDialogs::Click(dialog, "add");
        EXPECT_EQ(others->GetSelectedRows(), std::vector<int>{0}); // where the moved one stood
        CDrivenEditDialogs::ClickRows(*members, {0});
        EXPECT_TRUE(others->GetSelectedRows().empty());
        EXPECT_TRUE(IsEnabled(dialog, "remove"));
        EXPECT_FALSE(IsEnabled(dialog, "add"));

        Edit(dialog, "name")->setText("友😀");
        CDrivenEditDialogs::Click(dialog, "ok");
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        ASSERT_EQ(m_ui.m_asked.size(), 1u);
        EXPECT_THAT(m_ui.m_asked.front(), HasSubstr("「グループ名」"));
        EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "name"));
        Edit(dialog, "name")->setText("友");
        CDrivenEditDialogs::Click(dialog, "ok");
    };
    m_editor.OnNewGroup();
    ASSERT_EQ(m_doc.GetGroupList().size(), 1u);
    EXPECT_EQ(m_doc.GetGroupList().front()->m_strGroupName, Cp932("友"));
    EXPECT_EQ(m_doc.GetGroupList().front()->m_memberList.GetCount(), 1u);
}
} // namespace
