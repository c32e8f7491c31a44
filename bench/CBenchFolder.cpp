#include "CBenchFolder.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

CBenchFolder::CBenchFolder(const std::string& name, const CBookShape& shape) {
    std::string pattern = (fs::temp_directory_path() / ("tarnvale-" + name + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern;
    const std::string bytes = CBookGenerator().MakeFile(shape);
    std::ofstream(GetBook(), std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

CBenchFolder::~CBenchFolder() {
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}
