#pragma once

#include <QAbstractListModel>

#include <functional>

// Presents one list box of an editing dialog. The entries live in core; this only reads them,
// and is reset whenever core has moved entries, since every move re-sorts both lists anyway.
class CPickListModel : public QAbstractListModel {
public:
    using CCount = std::function<int()>;
    using CText = std::function<QString(int)>;

    CPickListModel(CCount count, CText text, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void Reload();

private:
    CCount m_count;
    CText m_text;
};
