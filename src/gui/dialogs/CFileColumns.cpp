#include "gui/dialogs/CFileColumns.h"

#include "gui/dialogs/CDialogTexts.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QLocale>

CFileColumns::CFileColumns(QObject* parent) : QIdentityProxyModel(parent) {}

QVariant CFileColumns::data(const QModelIndex& index, int role) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files || index.column() == NAME)
        return QIdentityProxyModel::data(index, role);
    const QFileInfo info = files->fileInfo(mapToSource(index));
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    switch (index.column()) {
    case SIZE:
        return info.isDir() ? QString() : japanese.formattedDataSize(info.size());
    case TYPE:
        return info.isDir() ? QString::fromUtf8(CDialogTexts::FILE_TYPE_FOLDER)
                            : QIdentityProxyModel::data(index, role);
    case MODIFIED:
        return japanese.toString(info.lastModified(), QLocale::ShortFormat);
    default:
        return QIdentityProxyModel::data(index, role);
    }
}

void CFileColumns::Install(QFileDialog& dialog) {
    dialog.setProxyModel(new CFileColumns(&dialog));
}
