#pragma once

class CCommandLine;

// tarnvale-cli export-csv: the persons of an address book as CSV in the program's dialect,
// read straight from the file's records without building a document.
class CExportCsvCommand {
public:
    CExportCsvCommand() = delete;

    // Returns the exit code.
    static int Run(const CCommandLine& commandLine);
};
