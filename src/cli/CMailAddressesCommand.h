#pragma once

#include <string>
#include <vector>

// tarnvale-cli mail-addresses: prints the address text that writing mail builds for every
// person or for one group's members, so that a script can hand it to any mail tool.
class CMailAddressesCommand {
public:
    static constexpr int EXIT_OK = 0;
    static constexpr int EXIT_FAILED = 1;
    static constexpr int EXIT_USAGE = 2;

    // `args` follow the command's name: FILE and the options in any order.
    static int Run(const std::vector<std::string>& args);
};
