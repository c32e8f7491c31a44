#pragma once

#include "core/commands/CCommandList.h"
#include "core/document/CDocView.h"
#include "core/settings/CFontScale.h"
#include "core/ui/CCommandTarget.h"
#include "core/views/CListCellEditor.h"
#include "core/views/CSortedRows.h"

#include <array>
#include <cstdint>
#include <memory>
#include <unordered_set>
#include <vector>

class CAddressDoc;
class CCommand;
class CMailer;
class CGroup;
class CGroupInfo;
class CPersonalData;
class CProfile;
class CUserInterface;

// Told when rows change, so that a Qt item model can present them. Row edits during one
// notification are bracketed by a reset: the rows are re-sorted at its end anyway.
class CListControlObserver {
public:
    virtual ~CListControlObserver() = default;
    virtual void OnAboutToReset() = 0;
    virtual void OnReset() = 0;
    virtual void OnRowChanged(int row) = 0;
    // The selection changed from core (select all), not from the window.
    virtual void OnSelectionChanged() = 0;
    // The column layout changed from core (reset the columns).
    virtual void OnColumnsChanged() = 0;
};

// The person list without pixels: one row per shown person, kept sorted by reading, the
// selection, the column layout and the person-level commands with their enabling rules.
class CFriendListView : public CDocView, public CCommandTarget, public CCommandList {
public:
    static constexpr int COLUMN_COUNT = 11;

    CFriendListView(CAddressDoc& doc, CUserInterface& ui);
    ~CFriendListView() override;
    CFriendListView(const CFriendListView&) = delete;
    CFriendListView& operator=(const CFriendListView&) = delete;

    void SetObserver(CListControlObserver* observer) { m_observer = observer; }
    void OnUpdate(CDocView* sender, EHint hint, const CHintObject& object) override;
    bool CommitPendingEdit() override;

    bool HasCommand(int id) const override;
    void OnUpdateCommand(int id, CCmdUI& ui) override;
    void OnCommand(int id) override;

    // What the commands change.
    int InsertPersonalRow(CPersonalData* person) override;
    bool DeletePersonalRow(CPersonalData* person) override;
    void UpdatePersonalRow(CPersonalData* person) override;
    CGroup* GetShownGroup() const override;
    const CGroupInfo* GetGroupInfo() const override { return m_pGroupInfo; }
    bool ShowsDeleted() const override;

    int GetRowCount() const { return static_cast<int>(m_rows.Size()); }
    CPersonalData* GetRowPerson(int row) const { return m_rows.At(static_cast<std::size_t>(row)); }
    int FindRow(const CPersonalData* person) const;

    // The selection, which the window reports as the user changes it.
    void SetSelectedRows(const std::vector<int>& rows);
    void SelectAll();
    bool IsSelected(const CPersonalData* person) const { return m_selected.count(person) != 0; }
    int GetSelectedCount() const { return static_cast<int>(m_selected.size()); }
    std::vector<CPersonalData*> GetSelectedPersons() const;

    // The view's commands and their enabling rules.
    bool CanDelete() const;
    bool CanRemoveFromGroup() const;
    bool CanModify() const;
    bool CanRestore() const;
    bool CanWriteMail() const { return GetSelectedCount() > 0; }
    void OnDelete();
    void OnRemoveFromGroup();
    void OnRestore();
    void OnModify();

    // The column last clicked, as a field number; -1 for none.
    int GetClickedColumn() const { return m_nClickedColumn; }
    // Records the cell a click hit: the column's field and display position, and the row; a
    // click below the rows (row -1) counts as one on the last row.
    void SetClickedCell(int field, int row, int position);
    // The cell editor and its cursor.
    CListCellEditor& GetCellEditor() { return m_cellEditor; }
    const CListCellEditor& GetCellEditor() const { return m_cellEditor; }

    // Column layout: the field shown at each display position, and each field's width.
    const std::array<int, COLUMN_COUNT>& GetColumnOrder() const { return m_columnOrder; }
    const std::array<int, COLUMN_COUNT>& GetColumnWidths() const { return m_columnWidths; }
    void SetColumnOrder(const std::array<int, COLUMN_COUNT>& order);
    void SetColumnWidth(int field, int width);
    // The default widths grow with the font; set before the settings are loaded.
    void SetFontScale(const CFontScale& scale) { m_fontScale = scale; }
    int GetDefaultWidth(int field) const;
    void ResetColumns();
    std::uint32_t GetTextColor() const { return m_textColor; }
    std::uint32_t GetBackgroundColor() const { return m_backgroundColor; }
    void SetColors(std::uint32_t text, std::uint32_t background);
    // Mail is written through the program's mailer; without one its commands are off.
    void SetMailer(CMailer* mailer) { m_pMailer = mailer; }
    bool UsesFlatScrollBars() const { return m_bFlatScrollBars; }
    void LoadSettings(const CProfile& profile);
    void SaveSettings(CProfile& profile) const;

private:
    void Refill(const CSelectionHint& selection);
    void ApplyCommand(CCommand& command, bool undo);
    void BeginUpdate();
    void EndUpdate();
    void Execute(std::unique_ptr<CCommand> command);
    static bool IsValidOrder(const std::array<int, COLUMN_COUNT>& order);

    CAddressDoc& m_doc;
    CMailer* m_pMailer = nullptr;
    CUserInterface& m_ui;
    CListControlObserver* m_observer = nullptr;
    const CGroupInfo* m_pGroupInfo = nullptr;
    int m_nClickedColumn = -1;
    // Sorted at the end of each notification.
    CSortedRows m_rows;
    std::unordered_set<const CPersonalData*> m_selected;
    // The command during whose hints the rows were last refilled, 0 for none.
    std::uint64_t m_nRefillDispatch = 0;
    std::array<int, COLUMN_COUNT> m_columnOrder{};
    std::array<int, COLUMN_COUNT> m_columnWidths{};
    CFontScale m_fontScale;
    std::uint32_t m_textColor = 0;
    std::uint32_t m_backgroundColor = 0xFFFFFF;
    bool m_bFlatScrollBars = false;
    CListCellEditor m_cellEditor;
};
