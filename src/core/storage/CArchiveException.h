#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

// A data file that breaks the archive encoding: what is wrong (UTF-8 Japanese) and the byte
// offset of the item that broke it. Only the loaders see it; they turn it into a result.
class CArchiveException : public std::runtime_error {
public:
    CArchiveException(const std::string& message, std::size_t offset)
        : std::runtime_error(message), m_nOffset(offset) {}

    std::size_t GetOffset() const { return m_nOffset; }

private:
    std::size_t m_nOffset;
};
