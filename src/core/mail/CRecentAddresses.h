#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The mail recently written, newest first: pairs of strings, the address text as it was
// delivered and then its label. Each address text appears in one pair at most.
class CRecentAddresses {
public:
    static constexpr int MAX_CAPACITY = 1000;

    // Puts the pair at the head, drops an older pair of the same address text and keeps at
    // most `capacity` pairs.
    void Remember(std::string_view address, std::string_view label, int capacity);
    // Drops the oldest pairs beyond `capacity`.
    void Trim(int capacity);
    // Moves the pair whose address text is at `position` to the head; false for a position
    // that starts no pair.
    bool MoveToHead(std::size_t position);

    bool IsEmpty() const { return m_strings.empty(); }
    // Address, label, address, label, ...: always whole pairs.
    const std::vector<std::string>& GetStrings() const { return m_strings; }
    // Whole pairs are kept; a last string without its partner is dropped.
    void SetStrings(std::vector<std::string> strings);
    std::size_t GetPairCount() const { return m_strings.size() / 2; }

private:
    std::vector<std::string> m_strings;
};
