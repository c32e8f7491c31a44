#pragma once

#include "CRatioReporter.h"

#include <vector>

// The start of a benchmark program that needs widgets: a QApplication, offscreen unless a
// platform is chosen, around Google Benchmark's own steps, with the ratio line of each pair.
class CGuiBench {
public:
    static int Main(int argc, char** argv, std::vector<CRatioReporter::CPair> ratios = {});
};
