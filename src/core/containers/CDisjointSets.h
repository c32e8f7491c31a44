#pragma once

#include <cstdint>
#include <vector>

// Items 0..n-1 gathered into sets by joining pairs, so that joining A with B and B with C puts
// all three in one set without comparing every pair. Near-constant time a step: paths are
// halved as they are walked and the smaller set goes under the larger.
class CDisjointSets {
public:
    explicit CDisjointSets(std::size_t count);

    std::uint32_t Find(std::uint32_t item);
    void Join(std::uint32_t a, std::uint32_t b);

private:
    std::vector<std::uint32_t> m_parent;
    std::vector<std::uint32_t> m_size;
};
