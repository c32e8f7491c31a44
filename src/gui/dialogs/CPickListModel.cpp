#include "gui/dialogs/CPickListModel.h"

CPickListModel::CPickListModel(CCount count, CText text, QObject* parent)
    : QAbstractListModel(parent), m_count(std::move(count)), m_text(std::move(text)) {}

int CPickListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_count();
}

QVariant CPickListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    return m_text(index.row());
}

void CPickListModel::Reload() {
    beginResetModel();
    endResetModel();
}
