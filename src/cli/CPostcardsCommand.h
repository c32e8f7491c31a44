#pragma once

class CCommandLine;

// tarnvale-cli postcards: the address sides of postcards as a PDF, the same cards the window's
// preview shows, one page per person with an address.
class CPostcardsCommand {
public:
    CPostcardsCommand() = delete;

    static int Run(const CCommandLine& commandLine);
};
