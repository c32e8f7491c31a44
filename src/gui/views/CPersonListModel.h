#pragma once

#include "core/text/CTextCodec.h"
#include "core/views/CFriendListView.h"
#include "gui/views/CViewIcons.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <array>

// Presents core's person rows to Qt, one column per field in field order. Rows are read from
// core when drawn, so a refill of 100,000 persons costs Qt nothing but the reset.
class CPersonListModel : public QAbstractTableModel, private CListControlObserver {
    Q_OBJECT

public:
    static constexpr int SEX_ICON_COUNT = CViewIcons::SEX_COUNT;

    explicit CPersonListModel(CFriendListView& list, QObject* parent = nullptr);
    ~CPersonListModel() override;
    CPersonListModel(const CPersonListModel&) = delete;
    CPersonListModel& operator=(const CPersonListModel&) = delete;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // True between core's about-to-reset and reset; selection changes then are Qt's own.
    bool IsResetting() const { return m_bResetting; }

signals:
    // Core changed the selection itself (select all); the view shows core's selection again.
    void selectionChangedByCore();
    // Core changed the column layout itself (reset the columns).
    void columnsChangedByCore();

private:
    void OnAboutToReset() override;
    void OnReset() override;
    void OnRowChanged(int row) override;
    void OnSelectionChanged() override;
    void OnColumnsChanged() override;

    QString FieldText(int row, int field) const;

    CFriendListView& m_list;
    CTextCodec m_codec;
    std::array<QIcon, SEX_ICON_COUNT> m_sexIcons;
    bool m_bResetting = false;
};
