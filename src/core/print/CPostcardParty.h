#pragma once

#include <string>

class CPersonalData;
class CTextCodec;

// The three texts of a person that a postcard shows, in UTF-8: the home-town address is not
// one of them.
struct CPostcardParty {
    std::string m_strName;
    std::string m_strZip;
    std::string m_strAddress;

    static CPostcardParty FromPerson(const CPersonalData& person, const CTextCodec& codec);
    // A card needs somewhere to go: an address of white space alone is none.
    bool HasAddress() const;
};
