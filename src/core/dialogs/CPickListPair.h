#pragma once

#include "core/dialogs/CPickList.h"

#include <algorithm>
#include <vector>

// The left list box holds what the record will have (members, chosen groups); the right one
// holds the rest.
enum class EPickSide { Members, Others };

// How a list's selection sets the buttons. The person and group dialogs keep exactly one of the
// two buttons enabled, the one that acts on the list last touched; the unite dialog lets each
// list drive only its own button.
enum class EPickButtonRule { OneOfTwo, EachOwn };

// Two list boxes with "<< 追加" and "削除 >>" between them: moving the selected entries across,
// which button is enabled, and the selection that remains. Added entries go where the order
// function places them.
template <typename T> class CPickListPair {
public:
    using COrder = int (*)(const CPickList<T>&, const T*);

    CPickListPair(COrder order, EPickButtonRule rule) : m_order(order), m_rule(rule) {}

    CPickList<T>& GetList(EPickSide side) {
        return side == EPickSide::Members ? m_members : m_others;
    }
    const CPickList<T>& GetList(EPickSide side) const {
        return side == EPickSide::Members ? m_members : m_others;
    }
    int Insert(EPickSide side, T* record) {
        CPickList<T>& list = GetList(side);
        return list.InsertAt(m_order(list, record), record);
    }

    // "<< 追加" moves from the others to the members, "削除 >>" back.
    bool IsAddEnabled() const { return m_bAddEnabled; }
    bool IsRemoveEnabled() const { return m_bRemoveEnabled; }
    void OnAdd() { Move(EPickSide::Others, m_bAddEnabled); }
    void OnRemove() { Move(EPickSide::Members, m_bRemoveEnabled); }

    // The user changed a list's selection; rows are the entries now selected. A list left with
    // no selection counts as a cancelled selection.
    void OnSelectionChanged(EPickSide side, const std::vector<int>& rows);
    // Focus in one list deselects the other, so that a button never acts on a selection the
    // user no longer sees as current.
    void OnFocus(EPickSide side) { GetList(Other(side)).ClearSelection(); }

private:
    static EPickSide Other(EPickSide side) {
        return side == EPickSide::Members ? EPickSide::Others : EPickSide::Members;
    }
    void Move(EPickSide from, bool& buttonEnabled);

    CPickList<T> m_members;
    CPickList<T> m_others;
    COrder m_order;
    EPickButtonRule m_rule;
    bool m_bAddEnabled = false;
    bool m_bRemoveEnabled = false;
};

template <typename T>
void CPickListPair<T>::OnSelectionChanged(EPickSide side, const std::vector<int>& rows) {
    GetList(side).SelectOnly(rows);
    const bool selected = GetList(side).HasSelection();
    bool& own = side == EPickSide::Members ? m_bRemoveEnabled : m_bAddEnabled;
    bool& other = side == EPickSide::Members ? m_bAddEnabled : m_bRemoveEnabled;
    own = selected;
    if (m_rule == EPickButtonRule::OneOfTwo)
        other = !selected;
}

template <typename T> void CPickListPair<T>::Move(EPickSide from, bool& buttonEnabled) {
    CPickList<T>& source = GetList(from);
    const std::vector<int> selected = source.GetSelectedIndices();
    if (selected.empty())
        return;
    for (T* record : source.GetSelectedRecords())
        Insert(Other(from), record);
    source.RemoveSelected();
    if (source.IsEmpty())
        buttonEnabled = false;
    else
        source.SetSelected(std::min(selected.front(), source.GetCount() - 1), true);
}
