#pragma once

#include "core/dialogs/CPickListPair.h"
#include "gui/dialogs/CPickListBox.h"

#include <QAbstractButton>
#include <QObject>

#include <functional>

// Wires two list boxes and the "<< 追加" / "削除 >>" buttons to core's pair of lists: user actions
// go to core, core's decisions come back as entries, selections and enabled buttons. It is the
// receiver of its connections, so they end with it.
template <typename T> class CPickListBinding : public QObject {
public:
    CPickListBinding(CPickListPair<T>& pair, CPickListBox& members, CPickListBox& others,
                     QAbstractButton& add, QAbstractButton& remove,
                     std::function<void()> moved = {})
        : m_pair(pair), m_members(members), m_others(others), m_add(add), m_remove(remove),
          m_moved(std::move(moved)) {
        Connect(m_members, EPickSide::Members, m_others);
        Connect(m_others, EPickSide::Others, m_members);
        QObject::connect(&m_add, &QAbstractButton::clicked, this, [this] {
            m_pair.OnAdd();
            Refresh();
        });
        QObject::connect(&m_remove, &QAbstractButton::clicked, this, [this] {
            m_pair.OnRemove();
            Refresh();
        });
        UpdateButtons();
    }

    // Shows both lists again after core changed them.
    void Refresh() {
        m_members.Reload();
        m_others.Reload();
        UpdateButtons();
        if (m_moved)
            m_moved();
    }

private:
    void Connect(CPickListBox& box, EPickSide side, CPickListBox& other) {
        QObject::connect(&box, &CPickListBox::focusEntered, this, [this, side, &other] {
            m_pair.OnFocus(side);
            other.SyncSelection();
        });
        QObject::connect(&box, &CPickListBox::selectionEdited, this,
                         [this, side](const std::vector<int>& rows) {
                             m_pair.OnSelectionChanged(side, rows);
                             UpdateButtons();
                         });
    }

    void UpdateButtons() {
        m_add.setEnabled(m_pair.IsAddEnabled());
        m_remove.setEnabled(m_pair.IsRemoveEnabled());
    }

    CPickListPair<T>& m_pair;
    CPickListBox& m_members;
    CPickListBox& m_others;
    QAbstractButton& m_add;
    QAbstractButton& m_remove;
    std::function<void()> m_moved;
};
