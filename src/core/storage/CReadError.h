#pragma once

#include <cstddef>
#include <string>

// Why a data file could not be read: what is wrong (UTF-8) and the byte offset where.
struct CReadError {
    std::string message;
    std::size_t offset = 0;
};
