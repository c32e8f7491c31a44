#pragma once

#include <array>
#include <string_view>

// The shared table of person fields: every module that shows, maps or searches person fields
// addresses them by number and takes labels and default column widths from here.
class CFieldTable {
public:
    static constexpr int FIELD_COUNT = 12;    // entries of the table, home page included
    static constexpr int WORKING_FIELDS = 11; // numbers 0-10 are shown, mapped and searched
    static constexpr int FIELD_NAME = 0;
    static constexpr int FIELD_ZIP = 1;
    static constexpr int FIELD_ADDRESS = 2;
    static constexpr int FIELD_TEL1 = 3;
    static constexpr int FIELD_TEL2 = 4;
    static constexpr int FIELD_EMAIL1 = 5;
    static constexpr int FIELD_EMAIL2 = 6;
    static constexpr int FIELD_HOME_ZIP = 7;
    static constexpr int FIELD_HOME_ADDRESS = 8;
    static constexpr int FIELD_HOME_TEL = 9;
    static constexpr int FIELD_MEMO = 10;
    static constexpr int FIELD_HOME_PAGE = 11;

    // Labels are user-interface texts and so UTF-8, like every message of the program; record
    // texts stay CP932.
    static std::string_view GetLabel(int field);
    static int GetDefaultWidth(int field);
    static bool IsWorkingField(int field) { return field >= 0 && field < WORKING_FIELDS; }
};
