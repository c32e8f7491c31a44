#include "CRatioReporter.h"

#include <benchmark/benchmark.h>

// The library's main, with the ratios the issues' targets are stated in printed at the end.
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    CRatioReporter reporter(
        std::vector<CRatioReporter::CPair>{{"Walk/NoMatch", "Grep"}, {"ExportVCard", "ExportCsv"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
