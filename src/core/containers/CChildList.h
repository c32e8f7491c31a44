#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <span>
#include <utility>
#include <vector>

using HTREEITEM = std::uint32_t; // 0 is no item

// One tree item's children in their order, each with its key. Children are kept in blocks of a
// few hundred, so that an insertion or erasure in the middle of 100,000 children moves one
// block's worth of entries rather than everything behind it, and a position is found by a
// binary search over the blocks' first positions. A list without children holds nothing: most
// items are leaves; and a list of one child holds it alone, without blocks: a group shows its
// one person so, a million times over in some books.
class CChildList {
public:
    // What a child is ordered by, kept beside its handle: a sorted search among 100,000
    // children then compares numbers and looks a child's text up only where the first
    // characters agree.
    struct CKey {
        std::uint64_t prefix = 0; // CTreeControl::TextPrefix of the text
    };

private:
    struct CBlock {
        std::vector<HTREEITEM> items;
        std::vector<CKey> keys;
    };
    struct COne {
        HTREEITEM item = 0;
        CKey key;
    };

public:
    // A full block splits; neighbours that fit together in half a block merge, so that splits
    // and merges cannot alternate on every edit.
    static constexpr std::size_t MAX_BLOCK = 256;

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = HTREEITEM;
        using difference_type = std::ptrdiff_t;
        using pointer = const HTREEITEM*;
        using reference = const HTREEITEM&;

        const_iterator() = default;
        reference operator*() const {
            return m_blocks ? (*m_blocks)[m_block].items[m_offset] : m_pOne->item;
        }
        pointer operator->() const { return &**this; }
        const CKey& Key() const {
            return m_blocks ? (*m_blocks)[m_block].keys[m_offset] : m_pOne->key;
        }
        const_iterator& operator++();
        const_iterator operator++(int);
        bool operator==(const const_iterator& other) const {
            return m_block == other.m_block && m_offset == other.m_offset;
        }

    private:
        friend class CChildList;
        const_iterator(const std::vector<CBlock>* blocks, std::size_t block, std::size_t offset)
            : m_blocks(blocks), m_block(block), m_offset(offset) {}
        // The lone child is a block of one.
        const_iterator(const COne* one, std::size_t block) : m_pOne(one), m_block(block) {}

        const std::vector<CBlock>* m_blocks = nullptr;
        const COne* m_pOne = nullptr;
        std::size_t m_block = 0;
        std::size_t m_offset = 0;
    };
    using value_type = HTREEITEM;
    using size_type = std::size_t;
    using difference_type = std::ptrdiff_t;
    using reference = const HTREEITEM&;
    using const_reference = const HTREEITEM&;
    using iterator = const_iterator;

    CChildList() = default;
    CChildList(const CChildList& other);
    CChildList& operator=(const CChildList& other);
    CChildList(CChildList&& other) noexcept : m_bits(std::exchange(other.m_bits, 0)) {}
    CChildList& operator=(CChildList&& other) noexcept;
    ~CChildList() { Clear(); }

    std::size_t size() const;
    bool empty() const { return size() == 0; }
    const HTREEITEM& operator[](std::size_t pos) const;
    const HTREEITEM& at(std::size_t pos) const;
    const HTREEITEM& front() const { return One() ? One()->item : Blocks().front().items.front(); }
    const HTREEITEM& back() const { return One() ? One()->item : Blocks().back().items.back(); }
    const_iterator begin() const;
    const_iterator end() const;
    // The iterator at a position; end() for size().
    const_iterator IteratorAt(std::size_t pos) const;

    const CKey& KeyAt(std::size_t pos) const;
    const CKey& BackKey() const { return One() ? One()->key : Blocks().back().keys.back(); }
    void SetKey(std::size_t pos, const CKey& key);

    void Insert(std::size_t pos, HTREEITEM item, const CKey& key);
    // Many children after the last, as Insert at size() would put them one by one.
    void Append(std::span<const HTREEITEM> items, std::span<const CKey> keys);
    void Erase(std::size_t pos);
    void Clear();

    // The position of the item by a plain walk; size() when it is not a child.
    std::size_t IndexOf(HTREEITEM item) const;
    // The first position whose child fails `holds(item, key)`, for a condition that holds
    // for a leading run of the children and for none after it.
    template <class Condition> std::size_t PartitionPoint(Condition holds) const;

private:
    struct CPlace {
        std::size_t block;
        std::size_t offset;
    };
    CPlace Locate(std::size_t pos) const;
    CPlace PlaceForInsert(std::size_t pos);
    void Split(std::size_t block);
    void ShiftStarts(std::size_t fromBlock, std::ptrdiff_t by);
    void MergeAround(std::size_t block);
    void MergeWithNext(std::size_t block);

    struct CBlockTable {
        std::vector<CBlock> blocks; // never an empty block
        // The position of each block's first child, apart from the blocks so that the search
        // and the shift after an edit run over one short array.
        std::vector<std::size_t> starts;
        std::size_t size = 0;
    };

    // The lowest bit of m_bits tells a lone child from a table.
    static constexpr std::uintptr_t ONE = 1;
    const COne* One() const {
        return (m_bits & ONE) != 0 ? reinterpret_cast<const COne*>(m_bits & ~ONE) : nullptr;
    }
    COne* One() { return const_cast<COne*>(std::as_const(*this).One()); }
    const CBlockTable* Table() const {
        return (m_bits & ONE) == 0 ? reinterpret_cast<const CBlockTable*>(m_bits) : nullptr;
    }
    // The table, made first when there is none and from the lone child when there is one.
    CBlockTable& MakeTable();
    void SetOne(const COne& one);
    // A table left with one child gives it back to a lone child's place.
    void ShrinkToOne();

    const std::vector<CBlock>& Blocks() const;
    std::vector<CBlock>& Blocks() { return MakeTable().blocks; }
    const std::vector<std::size_t>& Starts() const;
    std::vector<std::size_t>& Starts() { return MakeTable().starts; }

    // 0 when there are no children: the list of a leaf costs one pointer. Else the address of
    // a CBlockTable, or that of a COne with the lowest bit set, both owned.
    std::uintptr_t m_bits = 0;
};

template <class Condition> std::size_t CChildList::PartitionPoint(Condition holds) const {
    // A block whose last child holds holds all through; the point is in the first one that
    // does not.
    if (const COne* one = One())
        return holds(one->item, one->key) ? 1 : 0;
    const std::vector<CBlock>& blocks = Blocks();
    std::size_t low = 0;
    std::size_t high = blocks.size();
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        const CBlock& block = blocks[mid];
        if (holds(block.items.back(), block.keys.back()))
            low = mid + 1;
        else
            high = mid;
    }
    if (low == blocks.size())
        return size();
    const CBlock& block = blocks[low];
    std::size_t first = 0;
    std::size_t last = block.items.size() - 1; // known to fail
    while (first < last) {
        const std::size_t mid = first + (last - first) / 2;
        if (holds(block.items[mid], block.keys[mid]))
            first = mid + 1;
        else
            last = mid;
    }
    return Starts()[low] + first;
}
