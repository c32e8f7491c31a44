#include "gui/views/CPersonListModel.h"

#include "core/model/CFieldTable.h"
#include "core/model/CPersonalData.h"
#include "gui/views/CColorRef.h"

#include <QBrush>

CPersonListModel::CPersonListModel(CFriendListView& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list) {
    for (int sex = 0; sex < SEX_ICON_COUNT; ++sex)
        m_sexIcons[static_cast<std::size_t>(sex)] = CViewIcons::SexIcon(sex);
    m_list.SetObserver(this);
}

CPersonListModel::~CPersonListModel() {
    m_list.SetObserver(nullptr);
}

int CPersonListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_list.GetRowCount();
}

int CPersonListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : CFriendListView::COLUMN_COUNT;
}

QString CPersonListModel::FieldText(int row, int field) const {
    const std::string utf8 = m_codec.ToUtf8(m_list.GetRowPerson(row)->GetFieldText(field));
    return QString::fromUtf8(utf8);
}

QVariant CPersonListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return FieldText(index.row(), index.column());
    case Qt::DecorationRole: {
        if (index.column() != CFieldTable::FIELD_NAME)
            return {};
        const int sex = m_list.GetRowPerson(index.row())->m_nSex;
        if (sex < 0 || sex >= SEX_ICON_COUNT)
            return {};
        return m_sexIcons[static_cast<std::size_t>(sex)];
    }
    case Qt::ForegroundRole:
        return QBrush(CColorRef::ToQColor(m_list.GetTextColor()));
    case Qt::BackgroundRole:
        return QBrush(CColorRef::ToQColor(m_list.GetBackgroundColor()));
    default:
        return {};
    }
}

QVariant CPersonListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole ||
        !CFieldTable::IsWorkingField(section))
        return QAbstractTableModel::headerData(section, orientation, role);
    const std::string_view label = CFieldTable::GetLabel(section);
    return QString::fromUtf8(label);
}

Qt::ItemFlags CPersonListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren |
           Qt::ItemIsDragEnabled;
}

void CPersonListModel::OnAboutToReset() {
    m_bResetting = true;
    beginResetModel();
}

void CPersonListModel::OnReset() {
    endResetModel();
    m_bResetting = false;
}

void CPersonListModel::OnRowChanged(int row) {
    // Inside a command's update the reset that ends it redraws every row anyway.
    if (m_bResetting)
        return;
    emit dataChanged(index(row, 0), index(row, CFriendListView::COLUMN_COUNT - 1));
}

void CPersonListModel::OnSelectionChanged() {
    emit selectionChangedByCore();
}

void CPersonListModel::OnColumnsChanged() {
    emit columnsChangedByCore();
}
