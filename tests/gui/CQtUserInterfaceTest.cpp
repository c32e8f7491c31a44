#include "gui/app/CQtUserInterface.h"

#include "CMailtoCatcher.h"
#include "CTempFolder.h"

#include <QAbstractButton>
#include <QAbstractProxyModel>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using ::testing::ElementsAre;

namespace {

// The names the dialog lists in `folder`, once its model has read them (it reads in a thread).
std::vector<std::string> ListedNames(QFileDialog& dialog, const QString& folder, int expected) {
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (!model)
        return {};
    dialog.setDirectory(folder);
    const QModelIndex parent = model->index(folder);
    QElapsedTimer waited;
    waited.start();
    while (model->rowCount(parent) < expected && waited.elapsed() < 5000)
        QTest::qWait(20);
    std::vector<std::string> names;
    for (int row = 0; row < model->rowCount(parent); ++row)
        names.push_back(model->index(row, 0, parent).data().toString().toStdString());
    std::sort(names.begin(), names.end());
    return names;
}

// What a person's choice in the filter box sends.
void ChooseFilterInBox(QFileDialog& dialog) {
    auto* box = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(box, nullptr);
    emit box->activated(0);
    emit box->textActivated(box->itemText(0));
}

TEST(CQtUserInterfaceTest, FileChoosersKeepTheFilterNameButListFilesWithoutADot) {
    const CTempFolder folder;
    CTempFolder::WriteFile(folder / "friends", "x");
    CTempFolder::WriteFile(folder / "book.dat", "x");
    QFileDialog dialog;
    CQtUserInterface::ShowAllFiles(dialog);
    EXPECT_EQ(dialog.selectedNameFilter().toStdString(), "すべてのファイル (*.*)");
    const QString path = QString::fromStdString(folder.Path().string());
    EXPECT_THAT(ListedNames(dialog, path, 2), ElementsAre("book.dat", "friends"));
}

TEST(CQtUserInterfaceTest, ChoosingTheFilterInTheBoxDoesNotBringThePatternBack) {
    const CTempFolder folder;
    CTempFolder::WriteFile(folder / "friends", "x");
    CTempFolder::WriteFile(folder / "book.dat", "x");
    QFileDialog dialog;
    CQtUserInterface::ShowAllFiles(dialog);
    ChooseFilterInBox(dialog);
    const QString path = QString::fromStdString(folder.Path().string());
    EXPECT_THAT(ListedNames(dialog, path, 2), ElementsAre("book.dat", "friends"));
}

TEST(CQtUserInterfaceTest, SavingOffersTheDocumentsOwnNameAndTheFilterKeepsItsExtension) {
    const CTempFolder folder;
    CTempFolder::WriteFile(folder / "sample.dat", "x");
    const std::string path = (folder / "sample.dat").string();
    QFileDialog dialog;
    CQtUserInterface::PrepareSaveDialog(dialog, path);
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text().toStdString(), "sample.dat");
    ChooseFilterInBox(dialog);
    EXPECT_EQ(name->text().toStdString(), "sample.dat");
    EXPECT_THAT(dialog.selectedFiles(), ElementsAre(QString::fromStdString(path)));
}

TEST(CQtUserInterfaceTest, FileChoosersSpeakJapaneseToTheirLastButton) {
    QFileDialog dialog;
    CQtUserInterface::PrepareSaveDialog(dialog, "/tmp/book.dat");
    std::vector<QString> texts;
    for (const char* label : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
        texts.push_back(dialog.findChild<QLabel*>(QLatin1String(label))->text());
    for (const QAbstractButton* button : dialog.findChild<QDialogButtonBox*>()->buttons())
        texts.push_back(button->text());
    ASSERT_EQ(texts.size(), 5U);
    // A mnemonic such as "(&N)" is the only Latin letter left.
    const QRegularExpression english(QStringLiteral("[A-Za-z]{2}"));
    for (const QString& text : texts)
        EXPECT_FALSE(english.match(text).hasMatch()) << text.toStdString();
}

TEST(CQtUserInterfaceTest, FileChoosersShowSizesTypesAndDatesInJapanese) {
    const CTempFolder folder;
    CTempFolder::WriteFile(folder / "book.dat", "x");
    std::filesystem::create_directory(folder.Path() / "sub");
    QFileDialog dialog;
    CQtUserInterface::PrepareSaveDialog(dialog, (folder / "book.dat").string());
    const QString path = QString::fromStdString(folder.Path().string());
    ASSERT_EQ(ListedNames(dialog, path, 2).size(), 2U);
    const auto* files = dialog.findChild<QFileSystemModel*>();
    const QAbstractProxyModel* shown = dialog.proxyModel();
    ASSERT_NE(shown, nullptr);
    const QModelIndex parent = shown->mapFromSource(files->index(path));
    const QRegularExpression english(QStringLiteral("[A-Za-z]{2}"));
    for (int row = 0; row < 2; ++row) {
        for (int column = 1; column <= 3; ++column) {
            const QString text = shown->index(row, column, parent).data().toString();
            EXPECT_FALSE(english.match(text).hasMatch()) << text.toStdString();
        }
    }
}

// A stand-in for xdg-mime (or another tool): `script` is its body; without one there is no such
// tool at all.
class CFakeXdgMime {
public:
    explicit CFakeXdgMime(const std::string& script, const std::string& tool = "xdg-mime")
        : m_oldPath(qgetenv("PATH")) {
        if (!script.empty()) {
            const auto path = m_folder / tool;
            CTempFolder::WriteFile(path, "#!/bin/sh\n" + script + "\n");
            std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        }
        qputenv("PATH", QByteArray::fromStdString(m_folder.Path().string()));
    }
    ~CFakeXdgMime() { qputenv("PATH", m_oldPath); }

private:
    CTempFolder m_folder;
    QByteArray m_oldPath;
};

struct CProbeCase {
    const char* name;
    std::string script;
    std::optional<bool> answer;
};

class CDesktopHandlersTest : public ::testing::TestWithParam<CProbeCase> {};

TEST_P(CDesktopHandlersTest, TellsAMailProgramOnlyFromXdgMimesOwnAnswer) {
    // The stand-in's shell and the commands it uses are built in, so the path holds it alone.
    const CFakeXdgMime fake(GetParam().script);
    EXPECT_EQ(CDesktopHandlers::HasDefaultFor(QStringLiteral("mailto")), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CDesktopHandlersTest,
    ::testing::Values(CProbeCase{"Named",
                                 "[ \"$3\" = x-scheme-handler/mailto ] && echo mail.desktop", true},
                      CProbeCase{"NoneNamed", "exit 0", false},
                      CProbeCase{"BlankLine", "echo", false},
                      CProbeCase{"Failing", "echo mail.desktop; exit 3", std::nullopt},
                      CProbeCase{"Missing", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CQtUserInterfaceTest, AFileNoProgramOpensFailsByXdgOpensExit) {
    CQtUserInterface ui;
    for (const auto& [script, opened] :
         {std::pair{"exit 3", false}, std::pair{"exit 0", true}, std::pair{"", false}}) {
        const CFakeXdgMime fake(script, "xdg-open");
        EXPECT_EQ(ui.OpenUrl("file:///tmp/readme.txt"), opened) << script;
    }
}

TEST(CQtUserInterfaceTest, AMailLinkNoProgramTakesFailsWithoutStartingAnything) {
    CMailtoCatcher catcher;
    CQtUserInterface ui;
    std::optional<bool> answer = false;
    ui.SetHandlerProbe([&answer](const QString& scheme) {
        EXPECT_EQ(scheme, QStringLiteral("mailto"));
        return answer;
    });
    EXPECT_FALSE(ui.OpenUrl("mailto:a@x"));
    EXPECT_TRUE(catcher.m_urls.empty());
    for (const std::optional<bool> told : {std::optional<bool>(true), std::optional<bool>()}) {
        answer = told;
        EXPECT_TRUE(ui.OpenUrl("mailto:a@x"));
    }
    EXPECT_EQ(catcher.m_urls.size(), 2U);
}

} // namespace
