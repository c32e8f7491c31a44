#include "CRatioReporter.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {
double ToMilliseconds(double time, benchmark::TimeUnit unit) {
    return time * 1000.0 / benchmark::GetTimeUnitMultiplier(unit);
}

double MedianOf(std::vector<double> values) {
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}
} // namespace

CRatioReporter::CRatioReporter(std::vector<CPair> pairs)
    : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular),
      m_pairs(std::move(pairs)) {}

void CRatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred)
            continue;
        const std::string* side = SideOf(run.benchmark_name());
        if (!side)
            continue;
        const auto cpu = run.counters.find("cpuMs");
        m_runs[*side].push_back({ToMilliseconds(run.GetAdjustedRealTime(), run.time_unit),
                                 cpu != run.counters.end()
                                     ? cpu->second.value
                                     : ToMilliseconds(run.GetAdjustedCPUTime(), run.time_unit)});
    }
}

void CRatioReporter::Finalize() {
    for (const auto& [numerator, denominator] : m_pairs) {
        if (!m_runs.contains(numerator) || !m_runs.contains(denominator))
            continue;
        const CTimes top = Median(numerator);
        const CTimes bottom = Median(denominator);
        std::printf("%s ÷ %s = %.2f (wall time %.2f ms / %.2f ms), %.2f (processor time %.2f ms "
                    "/ %.2f ms)\n",
                    numerator.c_str(), denominator.c_str(), top.wallMs / bottom.wallMs, top.wallMs,
                    bottom.wallMs, top.cpuMs / bottom.cpuMs, top.cpuMs, bottom.cpuMs);
    }
    ConsoleReporter::Finalize();
}

const std::string* CRatioReporter::SideOf(const std::string& runName) const {
    for (const auto& pair : m_pairs) {
        for (const std::string* name : {&pair.first, &pair.second}) {
            if (runName == *name || runName.starts_with(*name + "/"))
                return name;
        }
    }
    return nullptr;
}

CRatioReporter::CTimes CRatioReporter::Median(const std::string& name) const {
    std::vector<double> wall;
    std::vector<double> cpu;
    for (const CTimes& times : m_runs.at(name)) {
        wall.push_back(times.wallMs);
        cpu.push_back(times.cpuMs);
    }
    return {MedianOf(wall), MedianOf(cpu)};
}
