#include "core/settings/CFontScale.h"

#include <algorithm>
#include <cstdint>

CFontScale::CFontScale(int em) : m_nEm(std::max(em, DEFAULT_EM)) {}

int CFontScale::Apply(int pixels) const {
    return static_cast<int>((static_cast<std::int64_t>(pixels) * m_nEm + DEFAULT_EM / 2) /
                            DEFAULT_EM);
}
