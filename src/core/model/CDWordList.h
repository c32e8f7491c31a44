#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

// A short list of 32-bit values; a person keeps the handles of the tree items that show it here.
class CDWordList {
public:
    using const_iterator = std::vector<std::uint32_t>::const_iterator;

    void AddTail(std::uint32_t value) { m_values.push_back(value); }
    void RemoveAll() {
        m_values.clear();
        m_values.shrink_to_fit();
    }
    bool Find(std::uint32_t value) const {
        return std::find(m_values.begin(), m_values.end(), value) != m_values.end();
    }
    // Removes the first occurrence; true when there was one.
    bool RemoveValue(std::uint32_t value) {
        const auto it = std::find(m_values.begin(), m_values.end(), value);
        if (it == m_values.end())
            return false;
        m_values.erase(it);
        return true;
    }
    std::uint32_t GetHead() const { return m_values.empty() ? 0 : m_values.front(); }
    int GetCount() const { return static_cast<int>(m_values.size()); }
    bool IsEmpty() const { return m_values.empty(); }
    const_iterator begin() const { return m_values.begin(); }
    const_iterator end() const { return m_values.end(); }

private:
    std::vector<std::uint32_t> m_values;
};
