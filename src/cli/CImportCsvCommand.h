#pragma once

class CCommandLine;

// tarnvale-cli import-csv: every record of a CSV file becomes a person of a new address book,
// or joins an existing one, saved through the program's own save.
class CImportCsvCommand {
public:
    CImportCsvCommand() = delete;

    // Returns the exit code.
    static int Run(const CCommandLine& commandLine);
};
