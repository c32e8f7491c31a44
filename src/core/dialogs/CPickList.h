#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <memory>
#include <unordered_map>
#include <vector>

// The entries of one list box of an editing dialog: records in display order, each selected or
// not. A dialog may list every person of a large address book and insert them one by one at
// searched places, so entries live in blocks: inserting, removing and finding the entry of a
// record stay cheap instead of moving the whole list each time.
template <typename T> class CPickList {
public:
    CPickList() = default;
    CPickList(const CPickList&) = delete;
    CPickList& operator=(const CPickList&) = delete;
    ~CPickList() = default;

    int GetCount() const { return m_nCount; }
    bool IsEmpty() const { return m_nCount == 0; }
    T* GetAt(int index) const { return Entry(index).record; }
    bool IsSelected(int index) const { return Entry(index).selected; }
    bool HasSelection() const { return m_nSelected > 0; }
    bool Contains(const T* record) const { return m_blockOf.count(record) != 0; }

    // Inserts before the entry at index (at the end for GetCount()); returns the index. A
    // record is listed at most once.
    int InsertAt(int index, T* record);
    // Removes the entry of that record; false when it is not listed.
    bool Remove(const T* record);
    void RemoveSelected();
    // The entry's index, or -1.
    int IndexOf(const T* record) const;

    void SetSelected(int index, bool selected);
    void ClearSelection();
    // Exactly these indices become selected.
    void SelectOnly(const std::vector<int>& indices);
    std::vector<int> GetSelectedIndices() const;
    std::vector<T*> GetSelectedRecords() const;
    std::vector<T*> GetRecords() const;

private:
    static constexpr std::size_t BLOCK_SIZE = 512; // a block splits at twice this

    struct CEntry {
        T* record;
        bool selected;
    };
    struct CBlock {
        std::vector<CEntry> entries;
        std::size_t index = 0; // where the block stands in m_blocks
    };

    std::size_t FindBlock(int index) const;
    const CEntry& Entry(int index) const;
    CEntry& Entry(int index);
    void SplitBlock(std::size_t block);
    void EraseBlock(std::size_t block);
    void Renumber(std::size_t fromBlock);
    void Rebuild(const std::vector<CEntry>& entries);

    std::vector<std::unique_ptr<CBlock>> m_blocks;
    // Index of the first entry of each block.
    std::vector<int> m_starts;
    std::unordered_map<const T*, CBlock*> m_blockOf;
    int m_nCount = 0;
    int m_nSelected = 0;
};

template <typename T> std::size_t CPickList<T>::FindBlock(int index) const {
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), index);
    return static_cast<std::size_t>(std::distance(m_starts.begin(), after)) - 1;
}

template <typename T> auto CPickList<T>::Entry(int index) const -> const CEntry& {
    const std::size_t block = FindBlock(index);
    return m_blocks[block]->entries.at(static_cast<std::size_t>(index - m_starts[block]));
}

template <typename T> auto CPickList<T>::Entry(int index) -> CEntry& {
    const std::size_t block = FindBlock(index);
    return m_blocks[block]->entries.at(static_cast<std::size_t>(index - m_starts[block]));
}

template <typename T> int CPickList<T>::InsertAt(int index, T* record) {
    if (Contains(record))
        Remove(record);
    index = std::clamp(index, 0, m_nCount);
    if (m_blocks.empty()) {
        m_blocks.push_back(std::make_unique<CBlock>());
        m_starts.push_back(0);
    }
    // An index at the end belongs to the last block.
    const std::size_t block = index == m_nCount ? m_blocks.size() - 1 : FindBlock(index);
    auto& entries = m_blocks[block]->entries;
    entries.insert(entries.begin() + (index - m_starts[block]), CEntry{record, false});
    m_blockOf[record] = m_blocks[block].get();
    ++m_nCount;
    if (entries.size() >= 2 * BLOCK_SIZE)
        SplitBlock(block);
    Renumber(block);
    return index;
}

template <typename T> bool CPickList<T>::Remove(const T* record) {
    const auto found = m_blockOf.find(record);
    if (found == m_blockOf.end())
        return false;
    CBlock& block = *found->second;
    const auto entry = std::find_if(block.entries.begin(), block.entries.end(),
                                    [record](const CEntry& e) { return e.record == record; });
    if (entry->selected)
        --m_nSelected;
    block.entries.erase(entry);
    m_blockOf.erase(found);
    --m_nCount;
    const std::size_t index = block.index;
    if (block.entries.empty())
        EraseBlock(index);
    Renumber(index);
    return true;
}

template <typename T> void CPickList<T>::RemoveSelected() {
    std::vector<CEntry> kept;
    kept.reserve(static_cast<std::size_t>(m_nCount - m_nSelected));
    for (const auto& block : m_blocks) {
        for (const CEntry& entry : block->entries) {
            if (!entry.selected)
                kept.push_back(entry);
        }
    }
    Rebuild(kept);
}

template <typename T> int CPickList<T>::IndexOf(const T* record) const {
    const auto found = m_blockOf.find(record);
    if (found == m_blockOf.end())
        return -1;
    const CBlock& block = *found->second;
    const auto entry = std::find_if(block.entries.begin(), block.entries.end(),
                                    [record](const CEntry& e) { return e.record == record; });
    return m_starts[block.index] + static_cast<int>(std::distance(block.entries.begin(), entry));
}

template <typename T> void CPickList<T>::SetSelected(int index, bool selected) {
    CEntry& entry = Entry(index);
    if (entry.selected != selected)
        m_nSelected += selected ? 1 : -1;
    entry.selected = selected;
}

template <typename T> void CPickList<T>::ClearSelection() {
    if (m_nSelected == 0)
        return;
    for (const auto& block : m_blocks) {
        for (CEntry& entry : block->entries)
            entry.selected = false;
    }
    m_nSelected = 0;
}

template <typename T> void CPickList<T>::SelectOnly(const std::vector<int>& indices) {
    ClearSelection();
    for (const int index : indices) {
        if (index >= 0 && index < m_nCount)
            SetSelected(index, true);
    }
}

template <typename T> std::vector<int> CPickList<T>::GetSelectedIndices() const {
    std::vector<int> indices;
    indices.reserve(static_cast<std::size_t>(m_nSelected));
    int index = 0;
    for (const auto& block : m_blocks) {
        for (const CEntry& entry : block->entries) {
            if (entry.selected)
                indices.push_back(index);
            ++index;
        }
    }
    return indices;
}

template <typename T> std::vector<T*> CPickList<T>::GetSelectedRecords() const {
    std::vector<T*> records;
    records.reserve(static_cast<std::size_t>(m_nSelected));
    for (const auto& block : m_blocks) {
        for (const CEntry& entry : block->entries) {
            if (entry.selected)
                records.push_back(entry.record);
        }
    }
    return records;
}

template <typename T> std::vector<T*> CPickList<T>::GetRecords() const {
    std::vector<T*> records;
    records.reserve(static_cast<std::size_t>(m_nCount));
    for (const auto& block : m_blocks) {
        for (const CEntry& entry : block->entries)
            records.push_back(entry.record);
    }
    return records;
}

template <typename T> void CPickList<T>::SplitBlock(std::size_t block) {
    auto& entries = m_blocks[block]->entries;
    auto tail = std::make_unique<CBlock>();
    const auto middle = entries.begin() + static_cast<std::ptrdiff_t>(entries.size() / 2);
    tail->entries.assign(middle, entries.end());
    entries.erase(middle, entries.end());
    for (const CEntry& entry : tail->entries)
        m_blockOf[entry.record] = tail.get();
    m_blocks.insert(m_blocks.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(tail));
    m_starts.push_back(0); // renumbered by the caller
}

template <typename T> void CPickList<T>::EraseBlock(std::size_t block) {
    m_blocks.erase(m_blocks.begin() + static_cast<std::ptrdiff_t>(block));
    m_starts.pop_back();
}

template <typename T> void CPickList<T>::Renumber(std::size_t fromBlock) {
    int start = fromBlock == 0 ? 0
                               : m_starts[fromBlock - 1] +
                                     static_cast<int>(m_blocks[fromBlock - 1]->entries.size());
    for (std::size_t block = fromBlock; block < m_blocks.size(); ++block) {
        m_blocks[block]->index = block;
        m_starts[block] = start;
        start += static_cast<int>(m_blocks[block]->entries.size());
    }
}

template <typename T> void CPickList<T>::Rebuild(const std::vector<CEntry>& entries) {
    m_blocks.clear();
    m_starts.clear();
    m_blockOf.clear();
    m_nCount = static_cast<int>(entries.size());
    m_nSelected = 0;
    for (std::size_t first = 0; first < entries.size(); first += BLOCK_SIZE) {
        auto block = std::make_unique<CBlock>();
        const std::size_t last = std::min(entries.size(), first + BLOCK_SIZE);
        block->entries.assign(entries.begin() + static_cast<std::ptrdiff_t>(first),
                              entries.begin() + static_cast<std::ptrdiff_t>(last));
        for (const CEntry& entry : block->entries) {
            m_blockOf[entry.record] = block.get();
            m_nSelected += entry.selected ? 1 : 0;
        }
        block->index = m_blocks.size();
        m_starts.push_back(static_cast<int>(first));
        m_blocks.push_back(std::move(block));
    }
}
