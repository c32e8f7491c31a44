#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

// Finds the files that come with the program (readme, support page): beside the program in a
// build tree, as they always were, or in the shared data folder of an installed program.
class CProgramFiles {
public:
    explicit CProgramFiles(std::filesystem::path programFolder);

    // The places looked at, in order.
    std::vector<std::filesystem::path> GetCandidates(std::string_view name) const;
    std::optional<std::filesystem::path> Find(std::string_view name) const;
    // Where the file is expected when it is missing everywhere: beside the program.
    std::filesystem::path GetExpectedPath(std::string_view name) const;

    // A file:// address with every byte that is not plain in a path percent-encoded.
    static std::string ToFileUrl(const std::filesystem::path& path);

private:
    std::filesystem::path m_programFolder;
};
