#include "core/containers/CChildList.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

CChildList::CChildList(const CChildList& other)
    : m_pData(other.m_pData ? std::make_unique<CBlockTable>(*other.m_pData) : nullptr) {}

CChildList& CChildList::operator=(const CChildList& other) {
    CChildList copy(other);
    std::swap(m_pData, copy.m_pData);
    return *this;
}

const std::vector<CChildList::CBlock>& CChildList::Blocks() const {
    static const std::vector<CBlock> none;
    return m_pData ? m_pData->blocks : none;
}

std::vector<CChildList::CBlock>& CChildList::Blocks() {
    if (!m_pData)
        m_pData = std::make_unique<CBlockTable>();
    return m_pData->blocks;
}

const std::vector<std::size_t>& CChildList::Starts() const {
    static const std::vector<std::size_t> none;
    return m_pData ? m_pData->starts : none;
}

std::vector<std::size_t>& CChildList::Starts() {
    if (!m_pData)
        m_pData = std::make_unique<CBlockTable>();
    return m_pData->starts;
}

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
    const auto after = std::upper_bound(Starts().begin(), Starts().end(), pos);
    const auto block = static_cast<std::size_t>(after - Starts().begin()) - 1;
    return {block, pos - Starts()[block]};
}

const HTREEITEM& CChildList::operator[](std::size_t pos) const {
    const CPlace place = Locate(pos);
    return Blocks()[place.block].items[place.offset];
}

const HTREEITEM& CChildList::at(std::size_t pos) const {
    if (pos >= size())
        throw std::out_of_range("CChildList::at");
    return (*this)[pos];
}

CChildList::const_iterator CChildList::IteratorAt(std::size_t pos) const {
    if (pos >= size())
        return end();
    const CPlace place = Locate(pos);
    return {&Blocks(), place.block, place.offset};
}

const CChildList::CKey& CChildList::KeyAt(std::size_t pos) const {
    const CPlace place = Locate(pos);
    return Blocks()[place.block].keys[place.offset];
}

void CChildList::SetKey(std::size_t pos, const CKey& key) {
    const CPlace place = Locate(pos);
    Blocks()[place.block].keys[place.offset] = key;
}

void CChildList::ShiftStarts(std::size_t fromBlock, std::ptrdiff_t by) {
    const auto delta = static_cast<std::size_t>(by); // wraps round for a negative shift
    for (std::size_t block = fromBlock; block < Starts().size(); ++block)
        Starts()[block] += delta;
}

void CChildList::Split(std::size_t block) {
    CBlock& full = Blocks()[block];
    const auto half = static_cast<std::ptrdiff_t>(full.items.size() / 2);
    CBlock upper;
    upper.items.assign(full.items.begin() + half, full.items.end());
    upper.keys.assign(full.keys.begin() + half, full.keys.end());
    full.items.erase(full.items.begin() + half, full.items.end());
    full.keys.erase(full.keys.begin() + half, full.keys.end());
    const auto after = static_cast<std::ptrdiff_t>(block) + 1;
    Starts().insert(Starts().begin() + after, Starts()[block] + static_cast<std::size_t>(half));
    Blocks().insert(Blocks().begin() + after, std::move(upper));
}

CChildList::CPlace CChildList::PlaceForInsert(std::size_t pos) {
    if (pos == size()) {
        // Children that arrive in order fill a block and then start the next, never split.
        if (Blocks().empty() || Blocks().back().items.size() >= MAX_BLOCK) {
            Starts().push_back(size());
            Blocks().emplace_back();
        }
        return {Blocks().size() - 1, Blocks().back().items.size()};
    }
    CPlace place = Locate(pos);
    const std::size_t count = Blocks()[place.block].items.size();
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
    if (pos > size())
        throw std::out_of_range("CChildList::Insert");
    const CPlace place = PlaceForInsert(pos);
    CBlock& block = Blocks()[place.block];
    const auto at = static_cast<std::ptrdiff_t>(place.offset);
    block.items.insert(block.items.begin() + at, item);
    block.keys.insert(block.keys.begin() + at, key);
    ++m_pData->size;
    ShiftStarts(place.block + 1, 1);
}

void CChildList::Erase(std::size_t pos) {
    if (pos >= size())
        throw std::out_of_range("CChildList::Erase");
    const CPlace place = Locate(pos);
    CBlock& block = Blocks()[place.block];
    const auto at = static_cast<std::ptrdiff_t>(place.offset);
    block.items.erase(block.items.begin() + at);
    block.keys.erase(block.keys.begin() + at);
    --m_pData->size;
    ShiftStarts(place.block + 1, -1);
    if (m_pData->size == 0) {
        m_pData.reset();
    } else if (block.items.empty()) {
        Blocks().erase(Blocks().begin() + static_cast<std::ptrdiff_t>(place.block));
        Starts().erase(Starts().begin() + static_cast<std::ptrdiff_t>(place.block));
    } else {
        MergeAround(place.block);
    }
}

void CChildList::MergeWithNext(std::size_t block) {
    CBlock& into = Blocks()[block];
    CBlock& next = Blocks()[block + 1];
    into.items.insert(into.items.end(), next.items.begin(), next.items.end());
    into.keys.insert(into.keys.end(), next.keys.begin(), next.keys.end());
    Blocks().erase(Blocks().begin() + static_cast<std::ptrdiff_t>(block) + 1);
    Starts().erase(Starts().begin() + static_cast<std::ptrdiff_t>(block) + 1);
}

void CChildList::MergeAround(std::size_t block) {
    const auto fits = [this](std::size_t left) {
        return Blocks()[left].items.size() + Blocks()[left + 1].items.size() <= MAX_BLOCK / 2;
    };
    if (block + 1 < Blocks().size() && fits(block))
        MergeWithNext(block);
    if (block > 0 && fits(block - 1))
        MergeWithNext(block - 1);
}

void CChildList::Clear() {
    m_pData.reset();
}

std::size_t CChildList::IndexOf(HTREEITEM item) const {
    for (std::size_t block = 0; block < Blocks().size(); ++block) {
        const std::vector<HTREEITEM>& items = Blocks()[block].items;
        const auto found = std::find(items.begin(), items.end(), item);
        if (found != items.end())
            return Starts()[block] + static_cast<std::size_t>(found - items.begin());
    }
    return size();
}
