#pragma once

#include <string>
#include <vector>

// tarnvale-cli export-csv: the persons of an address book as CSV in the program's dialect,
// read straight from the file's records without building a document.
class CExportCsvCommand {
public:
    CExportCsvCommand() = delete;

    // `words` follow the command's name; returns the exit code.
    static int Run(const std::vector<std::string>& words);
};
