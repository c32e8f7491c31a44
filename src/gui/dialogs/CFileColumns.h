#pragma once

#include <QIdentityProxyModel>

class QFileDialog;

// The file choosers' size, type and date columns in Japanese. Qt writes sizes and dates in the
// system's language and has no Japanese word for a folder's type, so a chooser would otherwise
// mix English into a Japanese window.
class CFileColumns : public QIdentityProxyModel {
    Q_OBJECT

public:
    enum EColumn { NAME, SIZE, TYPE, MODIFIED };

    explicit CFileColumns(QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Puts the columns into a chooser, which owns them from then on.
    static void Install(QFileDialog& dialog);
};
