#pragma once

#include <cstddef>

// The progress bar of a search over a number of persons. Over a hundred persons the bar runs
// from 0 to 100 in steps of ten, one after every tenth of the persons, so that it and the
// window are touched only about ten times; otherwise it runs from 0 to the number of persons,
// one unit after each.
class CFindProgress {
public:
    static constexpr std::size_t FEW_PERSONS = 100;

    explicit CFindProgress(std::size_t persons);

    int GetRangeMax() const { return m_nRangeMax; }
    std::size_t GetStepInterval() const { return m_nStepInterval; }
    int GetStepIncrement() const { return m_nStepIncrement; }
    // True when the bar moves after the count-th person (counted from 1).
    bool IsStepAfter(std::size_t count) const { return count % m_nStepInterval == 0; }
    // Where the bar stands after `count` persons; never past its end.
    int GetPositionAfter(std::size_t count) const;

private:
    int m_nRangeMax;
    std::size_t m_nStepInterval;
    int m_nStepIncrement;
};
