#pragma once

class CCommandLine;

// tarnvale-cli sync: two-way sync of a book with an address-book server; a book that does not
// exist yet is made from the server. Exit 3 when persons were changed on both sides.
class CSyncCommand {
public:
    static constexpr int EXIT_CONFLICT = 3;

    CSyncCommand() = delete;

    static int Run(const CCommandLine& commandLine);
};
