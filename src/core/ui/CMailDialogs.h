#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class COptionSheetModel;

// Runs the recent-address dialog and the option sheet modally; the window shows them, tests
// script them.
class CMailDialogs {
public:
    virtual ~CMailDialogs() = default;
    // `recent` holds address, label, address, label, ... (CP932). The position of the chosen
    // pair's address text, or nothing when the dialog was closed without writing mail.
    virtual std::optional<std::size_t>
    RunCopiedAddressDialog(const std::vector<std::string>& recent) = 0;
    // True when the sheet ended with OK; the model holds the values either way.
    virtual bool RunOptionSheet(COptionSheetModel& model) = 0;
};
