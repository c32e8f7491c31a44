#pragma once

class CCommandLine;

// tarnvale-cli find: the persons of a file whose chosen fields hold a text, matched as the
// find dialog matches, written as JSON.
class CFindCommand {
public:
    CFindCommand() = delete;

    // Returns the exit code. The text stands where the command line puts it, so a text that
    // begins with "--" is searched for, not taken for an option.
    static int Run(const CCommandLine& commandLine);
};
