#include "app/CQtUserInterface.h"

#include "CQtPrinters.h"
#include "CTempFolder.h"

#include <QFileSystemModel>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

QStringList ListedNames(QFileDialog& dialog, const QString& folder) {
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (!model)
        return {};
    const QModelIndex parent = model->index(folder);
    QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
    dialog.setDirectory(folder);
    if (model->rowCount(parent) == 0)
        loaded.wait(5000);
    QStringList names;
    for (int row = 0; row < model->rowCount(parent); ++row)
        names << model->index(row, 0, parent).data().toString();
    names.sort();
    return names;
}

TEST(CQtUserInterfaceTest, FileChoosersKeepTheFilterNameButListFilesWithoutADot) {
    const CTempFolder folder;
    CTempFolder::WriteFile(folder / "friends", "x");
    CTempFolder::WriteFile(folder / "book.dat", "x");
    QFileDialog dialog;
    CQtUserInterface::ShowAllFiles(dialog);
    EXPECT_EQ(dialog.nameFilters(), QStringList({"すべてのファイル (*.*)"}));
    const QString path = QString::fromStdString(folder.Path().string());
    EXPECT_EQ(ListedNames(dialog, path), QStringList({"book.dat", "friends"}));

    // Choosing the filter again in the box does not bring the pattern back.
    dialog.selectNameFilter(dialog.nameFilters().constFirst());
    EXPECT_EQ(ListedNames(dialog, path), QStringList({"book.dat", "friends"}));
}

} // namespace
