#include "core/find/CFindProgress.h"

#include <algorithm>

namespace {
constexpr int PERCENT = 100;
constexpr int STEPS = 10;
} // namespace

CFindProgress::CFindProgress(std::size_t persons)
    : m_nRangeMax(persons > FEW_PERSONS ? PERCENT : static_cast<int>(persons)),
      m_nStepInterval(persons > FEW_PERSONS ? persons / STEPS : 1),
      m_nStepIncrement(persons > FEW_PERSONS ? PERCENT / STEPS : 1) {}

int CFindProgress::GetPositionAfter(std::size_t count) const {
    const std::size_t steps = count / m_nStepInterval;
    const std::size_t position = steps * static_cast<std::size_t>(m_nStepIncrement);
    return static_cast<int>(std::min(position, static_cast<std::size_t>(m_nRangeMax)));
}
