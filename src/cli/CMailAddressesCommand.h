#pragma once

class CCommandLine;

// tarnvale-cli mail-addresses: prints the address text that writing mail builds for every
// person or for one group's members, so that a script can hand it to any mail tool.
class CMailAddressesCommand {
public:
    CMailAddressesCommand() = delete;

    // The file and the options may come in any order; returns the exit code.
    static int Run(const CCommandLine& commandLine);
};
