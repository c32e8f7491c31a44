#include "app/CQtUserInterface.h"

#include "CTempFolder.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFileSystemModel>
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

TEST(CQtUserInterfaceTest, FileChoosersKeepTheFilterNameButListFilesWithoutADot) {
    const CTempFolder folder;
    CTempFolder::WriteFile(folder / "friends", "x");
    CTempFolder::WriteFile(folder / "book.dat", "x");
    QFileDialog dialog;
    CQtUserInterface::ShowAllFiles(dialog);
    ASSERT_EQ(dialog.nameFilters().size(), 1);
    EXPECT_EQ(dialog.nameFilters().constFirst().toStdString(), "すべてのファイル (*.*)");
    const QString path = QString::fromStdString(folder.Path().string());
    EXPECT_THAT(ListedNames(dialog, path, 2), ElementsAre("book.dat", "friends"));
}

TEST(CQtUserInterfaceTest, ChoosingTheFilterInTheBoxDoesNotBringThePatternBack) {
    const CTempFolder folder;
    CTempFolder::WriteFile(folder / "friends", "x");
    CTempFolder::WriteFile(folder / "book.dat", "x");
    QFileDialog dialog;
    CQtUserInterface::ShowAllFiles(dialog);
    auto* box = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(box, nullptr);
    // What a person's choice in the box sends.
    emit box->activated(0);
    emit box->textActivated(box->itemText(0));
    const QString path = QString::fromStdString(folder.Path().string());
    EXPECT_THAT(ListedNames(dialog, path, 2), ElementsAre("book.dat", "friends"));
}

} // namespace
