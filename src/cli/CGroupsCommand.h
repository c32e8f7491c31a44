#pragma once

#include <string>

// tarnvale-cli groups (left out of the help): the book's group names, one a line in UTF-8, for
// the shell completion of --group.
class CGroupsCommand {
public:
    CGroupsCommand() = delete;

    // Returns the exit code.
    static int Run(const std::string& file);
};
