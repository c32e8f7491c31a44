#pragma once

#include <QListView>

#include <functional>
#include <vector>

class CPickListModel;

// A list box with extended selection whose entries and selection belong to core. It reports
// what the user does (focus, selection) and shows what core decided, without reporting that
// back: core's own selection changes are no user actions.
class CPickListBox : public QListView {
    Q_OBJECT

public:
    explicit CPickListBox(QWidget* parent = nullptr);

    // Shows core's entries and selection again.
    void Reload();
    // Applies core's selection without a reload.
    void SyncSelection();
    std::vector<int> GetSelectedRows() const;

signals:
    void focusEntered();
    void selectionEdited(const std::vector<int>& rows);

protected:
    // count, text and selection state of the entries as core holds them.
    void Present(std::function<int()> count, std::function<QString(int)> text,
                 std::function<bool(int)> selected);
    void focusInEvent(QFocusEvent* event) override;

private:
    void OnSelectionChanged();

    CPickListModel* m_model = nullptr;
    std::function<bool(int)> m_selected;
    bool m_bSyncing = false;
};
