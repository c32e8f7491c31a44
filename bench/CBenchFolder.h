#pragma once

#include "CBookGenerator.h"

#include <filesystem>
#include <string>

// A temporary folder of a benchmark's own holding a generated book; the settings file and the
// lock file go beside it. Removed with everything in it when the benchmark ends.
class CBenchFolder {
public:
    CBenchFolder(const std::string& name, const CBookShape& shape);
    CBenchFolder(const CBenchFolder&) = delete;
    CBenchFolder& operator=(const CBenchFolder&) = delete;
    ~CBenchFolder();

    const std::filesystem::path& GetPath() const { return m_path; }
    std::filesystem::path GetBook() const { return m_path / "book.dat"; }
    std::filesystem::path GetSettings() const { return m_path / "tarnvale.ini"; }

private:
    std::filesystem::path m_path;
};
