#pragma once

#include <cstddef>
#include <string>
#include <vector>

class CGroup;
class CPersonalData;

// What reading a data file gave: its records in file order, or what is wrong and where.
struct CReadResult {
    bool ok = false;
    std::vector<CGroup*> groups;
    std::vector<CPersonalData*> persons;
    std::string message; // UTF-8
    std::size_t offset = 0;
};
