#pragma once

#include <string>
#include <string_view>

class CPersonList;
class CPersonalData;

// How the settings file names the person chosen as the sender, so that the choice survives
// edits of the book and a restart.
class CPostcardSender {
public:
    CPostcardSender() = delete;

    // The person's UID; empty for a person without one, who cannot be remembered.
    static std::string KeyOf(const CPersonalData& person);
    // Nothing when no person of the list has the key (the sender was deleted, or another book
    // is open); an empty key names nobody.
    static const CPersonalData* Find(const CPersonList& persons, std::string_view key);
};
