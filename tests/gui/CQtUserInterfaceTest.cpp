#include "gui/app/CQtUserInterface.h"

#include "CTempFolder.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

} // namespace
