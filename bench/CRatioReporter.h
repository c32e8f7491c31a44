#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

// The console's report, followed by a line for each pair of benchmarks saying how many times
// the second one's time the first one took ("A ÷ B = ..."), so that one run of the benchmarks
// answers the question. Each side is the median of its runs; a run's processor time is its
// counter "cpuMs" where it has one (a benchmark that times another process), else the library's.
class CRatioReporter : public benchmark::ConsoleReporter {
public:
    using CPair = std::pair<std::string, std::string>;

    // Colours only on a terminal, as the library's own main does.
    explicit CRatioReporter(std::vector<CPair> pairs);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct CTimes {
        double wallMs = 0;
        double cpuMs = 0;
    };

    // The pair's side a run belongs to: its name, or that name followed by "/..." (a run
    // timed by wall clock or by hand carries such a suffix).
    const std::string* SideOf(const std::string& runName) const;
    CTimes Median(const std::string& name) const;

    std::vector<CPair> m_pairs;
    std::map<std::string, std::vector<CTimes>> m_runs;
};
