#pragma once

#include <filesystem>
#include <optional>
#include <string>

// Where an export may write: never over the book it reads or a file beside it (its UIDs, sync
// state, backup), not even through a link, and over
// another file that reads as an address book only when --force asks for it, since a CSV in a
// book's place loses its groups and cannot be opened as a book again.
class CExportTarget {
public:
    CExportTarget() = delete;

    // The message that refuses the output, or nothing when it may be written.
    static std::optional<std::string> Refusal(const std::filesystem::path& book,
                                              const std::filesystem::path& output, bool force);

private:
    static bool IsAddressBook(const std::filesystem::path& path);
};
