#pragma once

#include <ctime>
#include <string>
#include <string_view>

class CPersonalData;
class CTextCodec;

enum class EVCardVersion { V30, V40 };

// Writes persons as vCards in UTF-8 with CR LF line ends, lines folded at 75 octets between
// whole characters and values escaped. Version 3.0 is what most programs read; 4.0 on request.
// N and FN are always written, any other property only when it has a value. The home-town
// address and phone, the second phone and the second e-mail are grouped properties with a
// label, so that the import puts each back in its own field.
class CVCardWriter {
public:
    // `now` is the time REV gives.
    CVCardWriter(EVCardVersion version, const CTextCodec& codec, std::time_t now);

    void WritePerson(const CPersonalData& person);
    const std::string& GetText() const { return m_text; }

    // "\", ",", ";" and line breaks escaped, CR LF taken as one line break; NUL bytes left out.
    static std::string Escape(std::string_view text);
    // The text split at its first blank, ASCII or ideographic: family name and given name.
    static std::pair<std::string, std::string> SplitName(std::string_view utf8);

private:
    void Line(std::string_view name, std::string_view value);
    void Labelled(std::string_view name, std::string_view value, std::string_view label);
    std::string Utf8(std::string_view cp932) const;

    EVCardVersion m_version;
    const CTextCodec& m_codec;
    std::string m_rev;
    std::string m_text;
    int m_nItem = 0; // the last item group of the card being written
};
