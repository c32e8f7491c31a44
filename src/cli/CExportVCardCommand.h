#pragma once

class CCommandLine;

// tarnvale-cli export-vcard: the persons of a book, or of one of its groups, as vCards on
// standard output or in a file.
class CExportVCardCommand {
public:
    CExportVCardCommand() = delete;

    // Returns the exit code.
    static int Run(const CCommandLine& commandLine);
};
