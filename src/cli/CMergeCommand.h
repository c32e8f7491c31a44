#pragma once

class CCommandLine;

// tarnvale-cli merge: merges persons of a file, named by their positions in the person order,
// into the first of them as the window's merge does, and saves the book.
class CMergeCommand {
public:
    CMergeCommand() = delete;

    // Returns the exit code.
    static int Run(const CCommandLine& commandLine);
};
