#pragma once

#include "core/containers/CPointerIndex.h"

#include <cstddef>
#include <vector>

class CPersonalData;

// The person list's rows, kept in reading order and found by person. Between two calls of Sort
// the rows change cheaply: a deleted row leaves a null hole and an inserted row is appended, and
// Sort then closes the holes and merges the new rows in, sorting everything only after an edit.
class CSortedRows {
public:
    std::size_t Size() const { return m_rows.size(); }
    CPersonalData* At(std::size_t row) const { return m_rows.at(row); }
    // Between two sorts the rows may hold holes and appended rows.
    const std::vector<CPersonalData*>& GetRows() const { return m_rows; }

    // Takes rows in any order, none repeated; Sort orders them.
    void Assign(std::vector<CPersonalData*> rows);
    // Appends a row and returns where it is until Sort.
    std::size_t Insert(CPersonalData* person);
    // Leaves a hole where the person's row was; false when the person has no row.
    bool Erase(const CPersonalData* person);
    // The person's sort key changed: the next sort orders every row.
    void MarkUnsorted() { m_bSorted = false; }
    // -1 when the person has no row.
    int Find(const CPersonalData* person) const;
    // Brings the rows back in order: closes the holes, keeps one row for each person, and
    // merges the appended rows in, or sorts everything after an edit or an Assign.
    void Sort();

private:
    // A person has one row at most, whatever the commands of a notification asked: a row
    // appended for a person who has one already goes before the rows are merged.
    void DropRepeatedRows();
    void SortAllRows();
    // Each returns the first row that moved, or the row count.
    std::size_t CompactRows();
    std::size_t MergeInsertedRows();
    // Brings m_rowOf up to date for every row.
    void IndexRows() const;
    void ForgetIndex();

    // A deleted row is a null hole and inserted rows are appended after the first
    // m_nOrderedRows, which stay in order.
    std::vector<CPersonalData*> m_rows;
    std::size_t m_nOrderedRows = 0;
    std::size_t m_nHoles = 0;
    // Where each person's row is, right for the first m_nIndexedRows rows: rows that moved are
    // looked at again only when a row is searched, as most notifications search none.
    mutable CPointerIndex m_rowOf;
    mutable std::size_t m_nIndexedRows = 0;
    // False when an edit or an Assign left rows out of order: only a full sort helps then.
    bool m_bSorted = true;
};
