#include "gui/views/CGroupTreeModel.h"

CGroupTreeModel::CGroupTreeModel(CTreeControl& tree, QObject* parent)
    : QAbstractItemModel(parent), m_tree(tree), m_caret(tree.GetCaret()) {
    for (int image = 0; image < IMAGE_COUNT; ++image)
        m_images[static_cast<std::size_t>(image)] =
            CViewIcons::TreeImage(static_cast<ETreeImage>(image));
    m_tree.SetObserver(this);
}

CGroupTreeModel::~CGroupTreeModel() {
    m_tree.SetObserver(nullptr);
}

HTREEITEM CGroupTreeModel::ItemOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<HTREEITEM>(index.internalId()) : TVI_NONE;
}

QModelIndex CGroupTreeModel::IndexOf(HTREEITEM item) const {
    if (!m_tree.Exists(item))
        return {};
    return createIndex(m_tree.GetRow(item), 0, static_cast<quintptr>(item));
}

QModelIndex CGroupTreeModel::index(int row, int column, const QModelIndex& parent) const {
    const HTREEITEM parentItem = ItemOf(parent);
    if (column != 0 || row < 0 || (parentItem != TVI_NONE && !m_tree.Exists(parentItem)))
        return {};
    const CChildList& children = m_tree.GetChildren(parentItem);
    if (static_cast<std::size_t>(row) >= children.size())
        return {};
    return createIndex(row, 0, static_cast<quintptr>(children[static_cast<std::size_t>(row)]));
}

QModelIndex CGroupTreeModel::parent(const QModelIndex& child) const {
    return IndexOf(m_tree.GetParent(ItemOf(child)));
}

int CGroupTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    const HTREEITEM item = ItemOf(parent);
    if (item != TVI_NONE && !m_tree.Exists(item))
        return 0;
    return static_cast<int>(m_tree.GetChildren(item).size());
}

int CGroupTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool CGroupTreeModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

ETreeImage CGroupTreeModel::ShownImage(HTREEITEM item) const {
    const CTreeControl::CItem& entry = m_tree.Get(item);
    return item == m_tree.GetCaret() ? entry.selectedImage : entry.image;
}

QVariant CGroupTreeModel::data(const QModelIndex& index, int role) const {
    const HTREEITEM item = ItemOf(index);
    if (!m_tree.Exists(item))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return TextOf(item);
    case Qt::DecorationRole: {
        const int image = static_cast<int>(ShownImage(item));
        if (image < 0 || image >= IMAGE_COUNT)
            return {};
        return m_images[static_cast<std::size_t>(image)];
    }
    default:
        return {};
    }
}

Qt::ItemFlags CGroupTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

const QString& CGroupTreeModel::TextOf(HTREEITEM item) const {
    const auto found = m_texts.find(item);
    if (found != m_texts.end())
        return found->second;
    const std::string utf8 = m_codec.ToUtf8(m_tree.Get(item).Text());
    return m_texts.emplace(item, QString::fromUtf8(utf8)).first->second;
}

void CGroupTreeModel::ForgetTexts(HTREEITEM item) {
    m_texts.erase(item);
    for (const HTREEITEM child : m_tree.GetChildren(item))
        ForgetTexts(child);
}

void CGroupTreeModel::EmitChanged(HTREEITEM item) {
    const QModelIndex index = IndexOf(item);
    if (index.isValid())
        emit dataChanged(index, index);
}

void CGroupTreeModel::OnAboutToInsert(HTREEITEM parent, int row) {
    ++m_nChanging;
    beginInsertRows(IndexOf(parent), row, row);
}

void CGroupTreeModel::OnInserted(HTREEITEM) {
    endInsertRows();
    --m_nChanging;
}

void CGroupTreeModel::OnAboutToRemove(HTREEITEM item, int row) {
    ++m_nChanging;
    if (m_texts.size() != 0)
        ForgetTexts(item);
    beginRemoveRows(IndexOf(m_tree.GetParent(item)), row, row);
}

void CGroupTreeModel::OnRemoved(HTREEITEM) {
    endRemoveRows();
    --m_nChanging;
}

void CGroupTreeModel::OnChanged(HTREEITEM item) {
    m_texts.erase(item);
    EmitChanged(item);
}

void CGroupTreeModel::OnAboutToReset() {
    ++m_nChanging;
    beginResetModel();
}

void CGroupTreeModel::OnReset() {
    m_texts.clear();
    m_caret = m_tree.GetCaret();
    endResetModel();
    --m_nChanging;
}

void CGroupTreeModel::OnCaretChanged(HTREEITEM item) {
    // Both items change their image: the caret shows its selected one.
    const HTREEITEM previous = m_caret;
    m_caret = item;
    if (previous != item)
        EmitChanged(previous);
    EmitChanged(item);
    emit caretChanged(IndexOf(item));
}

void CGroupTreeModel::OnExpandChanged(HTREEITEM item, bool expanded) {
    emit expansionChanged(IndexOf(item), expanded);
}
