#include "core/views/CSortedRows.h"

#include "core/model/CPersonalData.h"
#include "core/text/CSortPrefix.h"
#include "core/text/CTextOrder.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace {
// A row with its sort key read and prefixed once, so that comparisons rarely touch the person.
struct CKeyedRow {
    CSortPrefix prefix;
    std::string_view key;
    CPersonalData* person;
};

CKeyedRow KeyOf(CPersonalData* person) {
    const std::string_view key = person->GetSortKey();
    return {CSortPrefix(key), key, person};
}

bool Before(const CKeyedRow& a, const CKeyedRow& b) {
    return CSortPrefix::Compare(a.prefix, a.key, b.prefix, b.key) < 0;
}

using CRowIterator = std::vector<CPersonalData*>::iterator;

// The first ordered row after `from` that is greater than `row`. The search gallops from
// `from` before it bisects, so that inserted rows close together cost a few key reads each
// rather than a search of all the rows left: keys lie scattered in memory.
CRowIterator GallopPast(CRowIterator from, CRowIterator end, const CKeyedRow& row) {
    const auto greater = [&row](CPersonalData* person) {
        return Before(row, KeyOf(person));
    };
    std::ptrdiff_t step = 1;
    CRowIterator low = from;
    while (end - low > step && !greater(low[step - 1])) {
        low += step;
        step *= 2;
    }
    const CRowIterator high = end - low > step ? low + step : end;
    return std::partition_point(low, high, [&](CPersonalData* person) { return !greater(person); });
}
} // namespace

void CSortedRows::Assign(std::vector<CPersonalData*> rows) {
    m_rows = std::move(rows);
    m_nOrderedRows = m_rows.size();
    m_nHoles = 0;
    m_bSorted = false;
}

std::size_t CSortedRows::Insert(CPersonalData* person) {
    // Appended after the ordered rows; the next sort merges it in.
    if (m_nIndexedRows == m_rows.size()) {
        m_rowOf.Set(person, m_rows.size());
        ++m_nIndexedRows;
    }
    m_rows.push_back(person);
    return m_rows.size() - 1;
}

bool CSortedRows::Erase(const CPersonalData* person) {
    const int row = Find(person);
    if (row < 0)
        return false;
    // A hole keeps the other rows where they are until the next sort closes it.
    m_rows[static_cast<std::size_t>(row)] = nullptr;
    ++m_nHoles;
    m_rowOf.Erase(person);
    return true;
}

int CSortedRows::Find(const CPersonalData* person) const {
    IndexRows();
    const std::size_t row = m_rowOf.Find(person);
    return row == CPointerIndex::NOT_FOUND ? -1 : static_cast<int>(row);
}

void CSortedRows::Sort() {
    DropRepeatedRows();
    if (m_bSorted) {
        const std::size_t firstClosed = CompactRows();
        const std::size_t firstMoved = std::min(firstClosed, MergeInsertedRows());
        m_nIndexedRows = std::min(m_nIndexedRows, firstMoved);
    } else {
        CompactRows();
        SortAllRows();
        ForgetIndex();
        m_bSorted = true;
    }
    m_nOrderedRows = m_rows.size();
}

void CSortedRows::DropRepeatedRows() {
    if (m_nOrderedRows == m_rows.size())
        return;
    CPointerIndex appended;
    appended.Reserve(m_rows.size() - m_nOrderedRows);
    bool dropped = false;
    const auto drop = [&](std::size_t row) {
        m_rows[row] = nullptr;
        ++m_nHoles;
        dropped = true;
    };
    for (std::size_t row = m_nOrderedRows; row < m_rows.size(); ++row) {
        if (m_rows[row] == nullptr)
            continue;
        if (appended.Contains(m_rows[row]))
            drop(row);
        else
            appended.Set(m_rows[row], row);
    }
    for (std::size_t row = 0; row < m_nOrderedRows; ++row) {
        const std::size_t copy =
            m_rows[row] ? appended.Find(m_rows[row]) : CPointerIndex::NOT_FOUND;
        if (copy != CPointerIndex::NOT_FOUND) {
            appended.Erase(m_rows[row]);
            drop(copy);
        }
    }
    // A dropped copy may have taken its person's place in the row index.
    if (dropped)
        ForgetIndex();
}

std::size_t CSortedRows::CompactRows() {
    if (m_nHoles == 0)
        return m_rows.size();
    const auto firstHole = std::find(m_rows.begin(), m_rows.end(), nullptr);
    const auto orderedEnd = m_rows.begin() + static_cast<std::ptrdiff_t>(m_nOrderedRows);
    // The first hole may lie among the appended rows, past the ordered ones.
    m_nOrderedRows -=
        static_cast<std::size_t>(std::count(std::min(firstHole, orderedEnd), orderedEnd, nullptr));
    m_rows.erase(std::remove(firstHole, m_rows.end(), nullptr), m_rows.end());
    m_nHoles = 0;
    return static_cast<std::size_t>(firstHole - m_rows.begin());
}

std::size_t CSortedRows::MergeInsertedRows() {
    if (m_nOrderedRows == m_rows.size())
        return m_rows.size();
    std::vector<CKeyedRow> inserted;
    inserted.reserve(m_rows.size() - m_nOrderedRows);
    for (std::size_t row = m_nOrderedRows; row < m_rows.size(); ++row)
        inserted.push_back(KeyOf(m_rows[row]));
    std::stable_sort(inserted.begin(), inserted.end(), Before);
    // Each inserted row goes after the ordered rows that are not greater, so equal keys keep
    // the rows that were there first in front.
    std::vector<CPersonalData*> merged;
    merged.reserve(m_rows.size());
    std::size_t firstMoved = m_rows.size();
    auto from = m_rows.begin();
    const auto orderedEnd = m_rows.begin() + static_cast<std::ptrdiff_t>(m_nOrderedRows);
    for (const CKeyedRow& row : inserted) {
        const auto to = GallopPast(from, orderedEnd, row);
        merged.insert(merged.end(), from, to);
        firstMoved = std::min(firstMoved, merged.size());
        merged.push_back(row.person);
        from = to;
    }
    merged.insert(merged.end(), from, orderedEnd);
    m_rows = std::move(merged);
    return firstMoved;
}

void CSortedRows::SortAllRows() {
    std::vector<std::string_view> keys;
    keys.reserve(m_rows.size());
    for (const CPersonalData* person : m_rows)
        keys.push_back(person->GetSortKey());
    const std::vector<CPersonalData*> unsorted = m_rows;
    const std::vector<std::uint32_t> order = CTextOrder::Of(keys);
    for (std::size_t row = 0; row < order.size(); ++row)
        m_rows[row] = unsorted[order[row]];
}

void CSortedRows::IndexRows() const {
    if (m_nIndexedRows == m_rows.size())
        return;
    m_rowOf.Reserve(m_rows.size());
    for (std::size_t row = m_nIndexedRows; row < m_rows.size(); ++row)
        m_rowOf.Set(m_rows[row], row);
    m_nIndexedRows = m_rows.size();
}

void CSortedRows::ForgetIndex() {
    m_rowOf.Clear();
    m_nIndexedRows = 0;
}
