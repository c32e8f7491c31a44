#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The files beside a book that belong to it: its persons' UIDs, its sync state and its
// backup. A command that writes a file never writes one of them, nor the book itself: an
// export over NAME.ids would silently take every person's UID with it.
class CBookFiles {
public:
    static constexpr std::array<std::string_view, 3> SIDE_SUFFIXES = {".ids", ".sync", ".bak"};

    CBookFiles() = delete;

    // Whether `output` is one of the book's side files, by name or as the same file under
    // another name.
    static bool IsSideFile(const std::filesystem::path& book, const std::filesystem::path& output);
    // The same, or the book itself.
    static bool BelongTo(const std::filesystem::path& book, const std::filesystem::path& output);
    // The message that refuses `output`, or nothing when it is no file of the book's.
    static std::optional<std::string> Refusal(const std::filesystem::path& book,
                                              const std::filesystem::path& output);
};
