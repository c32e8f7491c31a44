#pragma once

class CCommandLine;

// tarnvale-cli duplicates: the sets of persons of a file that may be one person, by their
// positions in the person order, written as JSON.
class CDuplicatesCommand {
public:
    CDuplicatesCommand() = delete;

    // Returns the exit code.
    static int Run(const CCommandLine& commandLine);
};
