#include "core/containers/CChildList.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

CChildList::CChildList(const CChildList& other) {
    if (const COne* one = other.One())
        SetOne(*one);
    else if (const CBlockTable* table = other.Table())
        m_bits = reinterpret_cast<std::uintptr_t>(std::make_unique<CBlockTable>(*table).release());
}

CChildList& CChildList::operator=(const CChildList& other) {
    CChildList copy(other);
    std::swap(m_bits, copy.m_bits);
    return *this;
}

CChildList& CChildList::operator=(CChildList&& other) noexcept {
    if (this != &other) {
        Clear();
        m_bits = std::exchange(other.m_bits, 0);
    }
    return *this;
}

std::size_t CChildList::size() const {
    if (One())
        return 1;
    const CBlockTable* table = Table();
    return table ? table->size : 0;
}

void CChildList::SetOne(const COne& one) {
    m_bits = reinterpret_cast<std::uintptr_t>(std::make_unique<COne>(one).release()) | ONE;
}

CChildList::CBlockTable& CChildList::MakeTable() {
    if (m_bits == 0) {
        m_bits = reinterpret_cast<std::uintptr_t>(std::make_unique<CBlockTable>().release());
    } else if (const COne* one = One()) {
        auto table = std::make_unique<CBlockTable>();
        table->blocks.push_back({{one->item}, {one->key}});
        table->starts.push_back(0);
        table->size = 1;
        // Freed only once the table that takes its place is whole, so that a failed
        // allocation leaves the lone child where it was.
        std::unique_ptr<const COne>{one}.reset();
        m_bits = reinterpret_cast<std::uintptr_t>(table.release());
    }
    return *reinterpret_cast<CBlockTable*>(m_bits);
}

void CChildList::ShrinkToOne() {
    // Blocks are never empty, so the one child is the first block's first.
    const CBlock& block = MakeTable().blocks.front();
    const COne one{block.items.front(), block.keys.front()};
    Clear();
    SetOne(one);
}

const std::vector<CChildList::CBlock>& CChildList::Blocks() const {
    static const std::vector<CBlock> none;
    const CBlockTable* table = Table();
    return table ? table->blocks : none;
}

const std::vector<std::size_t>& CChildList::Starts() const {
    static const std::vector<std::size_t> none;
    const CBlockTable* table = Table();
    return table ? table->starts : none;
}

CChildList::const_iterator CChildList::begin() const {
    if (const COne* one = One())
        return {one, 0};
    return {&Blocks(), 0, 0};
}

CChildList::const_iterator CChildList::end() const {
    if (const COne* one = One())
        return {one, 1};
    return {&Blocks(), Blocks().size(), 0};
}

CChildList::const_iterator& CChildList::const_iterator::operator++() {
    if (++m_offset == (m_blocks ? (*m_blocks)[m_block].items.size() : 1)) {
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
    if (const COne* one = One())
        return one->item;
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
    if (One())
        return begin();
    const CPlace place = Locate(pos);
    return {&Blocks(), place.block, place.offset};
}

const CChildList::CKey& CChildList::KeyAt(std::size_t pos) const {
    if (const COne* one = One())
        return one->key;
    const CPlace place = Locate(pos);
    return Blocks()[place.block].keys[place.offset];
}

void CChildList::SetKey(std::size_t pos, const CKey& key) {
    if (COne* one = One()) {
        one->key = key;
        return;
    }
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
    if (m_bits == 0) {
        SetOne({item, key});
        return;
    }
    MakeTable(); // a lone child becomes a block of its own first
    const CPlace place = PlaceForInsert(pos);
    CBlock& block = Blocks()[place.block];
    const auto at = static_cast<std::ptrdiff_t>(place.offset);
    block.items.insert(block.items.begin() + at, item);
    block.keys.insert(block.keys.begin() + at, key);
    ++MakeTable().size;
    ShiftStarts(place.block + 1, 1);
}

void CChildList::Append(std::span<const HTREEITEM> items, std::span<const CKey> keys) {
    if (items.empty())
        return;
    if (m_bits == 0 && items.size() == 1) {
        SetOne({items.front(), keys.front()});
        return;
    }
    CBlockTable& table = MakeTable();
    for (std::size_t done = 0; done < items.size();) {
        if (table.blocks.empty() || table.blocks.back().items.size() >= MAX_BLOCK) {
            table.starts.push_back(table.size);
            table.blocks.emplace_back();
        }
        CBlock& block = table.blocks.back();
        const std::size_t take = std::min(MAX_BLOCK - block.items.size(), items.size() - done);
        const auto from = static_cast<std::ptrdiff_t>(done);
        const auto to = static_cast<std::ptrdiff_t>(done + take);
        block.items.insert(block.items.end(), items.begin() + from, items.begin() + to);
        block.keys.insert(block.keys.end(), keys.begin() + from, keys.begin() + to);
        table.size += take;
        done += take;
    }
}

void CChildList::Erase(std::size_t pos) {
    if (pos >= size())
        throw std::out_of_range("CChildList::Erase");
    if (One()) {
        Clear();
        return;
    }
    const CPlace place = Locate(pos);
    CBlock& block = Blocks()[place.block];
    const auto at = static_cast<std::ptrdiff_t>(place.offset);
    block.items.erase(block.items.begin() + at);
    block.keys.erase(block.keys.begin() + at);
    --MakeTable().size;
    ShiftStarts(place.block + 1, -1);
    if (block.items.empty()) {
        Blocks().erase(Blocks().begin() + static_cast<std::ptrdiff_t>(place.block));
        Starts().erase(Starts().begin() + static_cast<std::ptrdiff_t>(place.block));
    } else {
        MergeAround(place.block);
    }
    if (size() == 1)
        ShrinkToOne();
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
    // The address is the list's own, whichever it is; unique_ptr frees it.
    if (One() != nullptr)
        std::unique_ptr<const COne>{One()}.reset();
    else
        std::unique_ptr<const CBlockTable>{Table()}.reset();
    m_bits = 0;
}

std::size_t CChildList::IndexOf(HTREEITEM item) const {
    if (const COne* one = One())
        return one->item == item ? 0 : 1;
    for (std::size_t block = 0; block < Blocks().size(); ++block) {
        const std::vector<HTREEITEM>& items = Blocks()[block].items;
        const auto found = std::find(items.begin(), items.end(), item);
        if (found != items.end())
            return Starts()[block] + static_cast<std::size_t>(found - items.begin());
    }
    return size();
}
