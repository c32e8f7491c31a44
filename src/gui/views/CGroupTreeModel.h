#pragma once

#include "core/text/CTextCodec.h"
#include "core/views/CTreeControl.h"
#include "gui/views/CViewIcons.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <QString>

#include <array>
#include <unordered_map>

// Presents core's tree items to Qt: every change core reports becomes the matching begin/end
// call, and the caret and expansion are passed on to the view.
class CGroupTreeModel : public QAbstractItemModel, private CTreeControlObserver {
    Q_OBJECT

public:
    static constexpr int IMAGE_COUNT = TREE_IMAGE_COUNT;

    explicit CGroupTreeModel(CTreeControl& tree, QObject* parent = nullptr);
    ~CGroupTreeModel() override;
    CGroupTreeModel(const CGroupTreeModel&) = delete;
    CGroupTreeModel& operator=(const CGroupTreeModel&) = delete;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    HTREEITEM ItemOf(const QModelIndex& index) const;
    QModelIndex IndexOf(HTREEITEM item) const;
    // The image an item shows now: its selected image while it is the caret.
    ETreeImage ShownImage(HTREEITEM item) const;
    // True while core is between an about-to and a done notification; the view must not move
    // core's caret from the signals Qt sends meanwhile.
    bool IsChanging() const { return m_nChanging > 0; }

signals:
    void caretChanged(const QModelIndex& caret);
    void expansionChanged(const QModelIndex& item, bool expanded);

private:
    void OnAboutToInsert(HTREEITEM parent, int row) override;
    void OnInserted(HTREEITEM item) override;
    void OnAboutToRemove(HTREEITEM item, int row) override;
    void OnRemoved(HTREEITEM item) override;
    void OnChanged(HTREEITEM item) override;
    void OnAboutToReset() override;
    void OnReset() override;
    void OnCaretChanged(HTREEITEM item) override;
    void OnExpandChanged(HTREEITEM item, bool expanded) override;

    const QString& TextOf(HTREEITEM item) const;
    void ForgetTexts(HTREEITEM item);
    void EmitChanged(HTREEITEM item);

    CTreeControl& m_tree;
    CTextCodec m_codec;
    std::array<QIcon, IMAGE_COUNT> m_images;
    // Converted texts of the items drawn so far; a tree of 100,000 persons is drawn a screen
    // at a time, and each item is converted once.
    mutable std::unordered_map<HTREEITEM, QString> m_texts;
    HTREEITEM m_caret = TVI_NONE;
    int m_nChanging = 0;
};
