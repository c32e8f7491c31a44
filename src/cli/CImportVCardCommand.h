#pragma once

class CCommandLine;

// tarnvale-cli import-vcard: the cards of a vCard file become persons and groups of a new
// address book, or join an existing one, saved through the program's own save; the summary goes
// to standard error.
class CImportVCardCommand {
public:
    CImportVCardCommand() = delete;

    // Returns the exit code.
    static int Run(const CCommandLine& commandLine);
};
