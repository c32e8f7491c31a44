#include "views/CChildList.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

CChildList::const_iterator& CChildList::const_iterator::operator++() {
    if (++m_offset == (*m_blocks)[m_block].items.size()) {
        ++m_block;
        m_offset = 0;
    }
    return *this;
}

CChildList::const_iterator CChildList::const_iterator::operator++(int) {
    const const_iterator before = *this;
    ++*this;
    return before;
}

CChildList::CPlace CChildList::Locate(std::size_t pos) const {
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), pos);
    const auto block = static_cast<std::size_t>(after - m_starts.begin()) - 1;
    return {block, pos - m_starts[block]};
}

const HTREEITEM& CChildList::operator[](std::size_t pos) const {
    const CPlace place = Locate(pos);
    return m_blocks[place.block].items[place.offset];
}

const HTREEITEM& CChildList::at(std::size_t pos) const {
    if (pos >= m_size)
        throw std::out_of_range("CChildList::at");
    return (*this)[pos];
}

CChildList::const_iterator CChildList::IteratorAt(std::size_t pos) const {
    if (pos >= m_size)
        return end();
    const CPlace place = Locate(pos);
    return {&m_blocks, place.block, place.offset};
}

const CChildList::CKey& CChildList::KeyAt(std::size_t pos) const {
    const CPlace place = Locate(pos);
    return m_blocks[place.block].keys[place.offset];
}

void CChildList::SetKey(std::size_t pos, const CKey& key) {
    const CPlace place = Locate(pos);
    m_blocks[place.block].keys[place.offset] = key;
}

void CChildList::ShiftStarts(std::size_t fromBlock, std::ptrdiff_t by) {
    const auto delta = static_cast<std::size_t>(by); // wraps round for a negative shift
    for (std::size_t block = fromBlock; block < m_starts.size(); ++block)
        m_starts[block] += delta;
}

void CChildList::Split(std::size_t block) {
    CBlock& full = m_blocks[block];
    const auto half = static_cast<std::ptrdiff_t>(full.items.size() / 2);
    CBlock upper;
    upper.items.assign(full.items.begin() + half, full.items.end());
    upper.keys.assign(full.keys.begin() + half, full.keys.end());
    full.items.erase(full.items.begin() + half, full.items.end());
    full.keys.erase(full.keys.begin() + half, full.keys.end());
    const auto after = static_cast<std::ptrdiff_t>(block) + 1;
    m_starts.insert(m_starts.begin() + after, m_starts[block] + static_cast<std::size_t>(half));
    m_blocks.insert(m_blocks.begin() + after, std::move(upper));
}

CChildList::CPlace CChildList::PlaceForInsert(std::size_t pos) {
    if (pos == m_size) {
        // Children that arrive in order fill a block and then start the next, never split.
        if (m_blocks.empty() || m_blocks.back().items.size() >= MAX_BLOCK) {
            m_blocks.emplace_back();
            m_starts.push_back(m_size);
        }
        return {m_blocks.size() - 1, m_blocks.back().items.size()};
    }
    CPlace place = Locate(pos);
    const std::size_t count = m_blocks[place.block].items.size();
    if (count >= MAX_BLOCK) {
        Split(place.block);
        if (place.offset >= count / 2) {
            ++place.block;
            place.offset -= count / 2;
        }
    }
    return place;
}

void CChildList::Insert(std::size_t pos, HTREEITEM item, const CKey& key) {
    if (pos > m_size)
        throw std::out_of_range("CChildList::Insert");
    const CPlace place = PlaceForInsert(pos);
    CBlock& block = m_blocks[place.block];
    const auto at = static_cast<std::ptrdiff_t>(place.offset);
    block.items.insert(block.items.begin() + at, item);
    block.keys.insert(block.keys.begin() + at, key);
    ++m_size;
    ShiftStarts(place.block + 1, 1);
}

void CChildList::Erase(std::size_t pos) {
    if (pos >= m_size)
        throw std::out_of_range("CChildList::Erase");
    const CPlace place = Locate(pos);
    CBlock& block = m_blocks[place.block];
    const auto at = static_cast<std::ptrdiff_t>(place.offset);
    block.items.erase(block.items.begin() + at);
    block.keys.erase(block.keys.begin() + at);
    --m_size;
    ShiftStarts(place.block + 1, -1);
    if (block.items.empty()) {
        m_blocks.erase(m_blocks.begin() + static_cast<std::ptrdiff_t>(place.block));
        m_starts.erase(m_starts.begin() + static_cast<std::ptrdiff_t>(place.block));
    } else {
        MergeAround(place.block);
    }
}

void CChildList::MergeWithNext(std::size_t block) {
    CBlock& into = m_blocks[block];
    CBlock& next = m_blocks[block + 1];
    into.items.insert(into.items.end(), next.items.begin(), next.items.end());
    into.keys.insert(into.keys.end(), next.keys.begin(), next.keys.end());
    m_blocks.erase(m_blocks.begin() + static_cast<std::ptrdiff_t>(block) + 1);
    m_starts.erase(m_starts.begin() + static_cast<std::ptrdiff_t>(block) + 1);
}

void CChildList::MergeAround(std::size_t block) {
    const auto fits = [this](std::size_t left) {
        return m_blocks[left].items.size() + m_blocks[left + 1].items.size() <= MAX_BLOCK / 2;
    };
    if (block + 1 < m_blocks.size() && fits(block))
        MergeWithNext(block);
    if (block > 0 && fits(block - 1))
        MergeWithNext(block - 1);
}

void CChildList::Clear() {
    m_blocks.clear();
    m_starts.clear();
    m_size = 0;
}

std::size_t CChildList::IndexOf(HTREEITEM item) const {
    for (std::size_t block = 0; block < m_blocks.size(); ++block) {
        const std::vector<HTREEITEM>& items = m_blocks[block].items;
        const auto found = std::find(items.begin(), items.end(), item);
        if (found != items.end())
            return m_starts[block] + static_cast<std::size_t>(found - items.begin());
    }
    return m_size;
}
