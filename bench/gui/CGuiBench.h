#pragma once

// The start of a benchmark program that needs widgets: a QApplication, offscreen unless a
// platform is chosen, around Google Benchmark's own steps.
class CGuiBench {
public:
    static int Main(int argc, char** argv);
};
