#pragma once

#include "core/csv/CCsvOptions.h"

#include <string>
#include <vector>

// What the export dialog decides: the fields written, in which order (a field may come more
// than once), and which persons. Texts are UTF-8.
class CCSVExportModel {
public:
    explicit CCSVExportModel(std::vector<std::string> fieldNames);

    int GetFieldCount() const { return static_cast<int>(m_fieldNames.size()); }
    const std::string& GetFieldName(int field) const { return m_fieldNames.at(Index(field)); }
    // How often the field is in the order; above 0 it shows as used and ghosted.
    int GetFieldUses(int field) const { return m_fieldUses.at(Index(field)); }
    // The field numbers of the output columns, first to last.
    const std::vector<int>& GetOrder() const { return m_order; }
    int GetOrderCount() const { return static_cast<int>(m_order.size()); }

    // -1 for no selection.
    int GetSelectedField() const { return m_nSelectedField; }
    int GetSelectedOrder() const { return m_nSelectedOrder; }
    void SelectField(int field);
    void SelectOrder(int row);

    bool IsAddEnabled() const { return m_nSelectedField >= 0; }
    bool IsExcludeEnabled() const { return m_nSelectedOrder >= 0; }
    bool IsMoveUpEnabled() const { return m_nSelectedOrder > 0; }
    bool IsMoveDownEnabled() const {
        return m_nSelectedOrder >= 0 && m_nSelectedOrder < GetOrderCount() - 1;
    }
    bool IsOkEnabled() const { return !m_order.empty(); }

    // Appends the selected field to the order and selects it there; the field selection moves
    // on, wrapping to the first field.
    void Add();
    // Removes the selected order row and selects the row now in its place, or the new last one.
    void Exclude();
    void MoveUp() { Move(-1); }
    void MoveDown() { Move(1); }

    ECsvScope GetScope() const { return m_eScope; }
    void SetScope(ECsvScope scope) { m_eScope = scope; }

    // RFC 4180 instead of the program's own format, and a line of labels first.
    bool IsRfc4180() const { return m_bRfc4180; }
    void SetRfc4180(bool rfc4180) { m_bRfc4180 = rfc4180; }
    bool HasHeader() const { return m_bHeader; }
    void SetHeader(bool header) { m_bHeader = header; }

private:
    static std::size_t Index(int index) { return static_cast<std::size_t>(index); }
    void Move(int step);

    std::vector<std::string> m_fieldNames;
    std::vector<int> m_fieldUses;
    std::vector<int> m_order;
    int m_nSelectedField = -1;
    int m_nSelectedOrder = -1;
    ECsvScope m_eScope = ECsvScope::All;
    bool m_bRfc4180 = false;
    bool m_bHeader = false;
};
