#pragma once

#include <QIcon>
#include <QStringList>
#include <QTreeWidget>

#include <vector>

// One list of the CSV dialogs: a report list with single full-row selection, rows that may
// carry a mark and show ghosted while in use. The dialog refills it from its model after every
// action and reports the user's row choice back.
class CCsvList : public QTreeWidget {
    Q_OBJECT

public:
    struct CRow {
        QStringList texts;
        QIcon icon;
        bool ghosted = false;
    };

    CCsvList(const QStringList& headers, QWidget* parent);

    void SetRows(const std::vector<CRow>& rows);
    // -1 clears the selection.
    void SelectRow(int row);
    int GetSelectedRow() const;
    // Tall enough to show this many rows without scrolling.
    void FitRows(int rows);
    // The height of every row, marked or not.
    int GetRowHeight() const;

signals:
    // The user chose a row (-1 for none).
    void rowChosen(int row);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitColumns();

    bool m_bFilling = false;
};
