#pragma once

#include "core/model/CPersonalData.h"
#include "core/text/CCp932Utf8Table.h"

#include <array>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

class CTextCodec;
class CUid;

enum class EVCardVersion { V30, V40 };

// Writes persons as vCards in UTF-8 with CR LF line ends, lines folded at 75 octets between
// whole characters and values escaped. Version 3.0 is what most programs read; 4.0 on request.
// N and FN are always written, any other property only when it has a value. The home-town
// address and phone, the second phone and the second e-mail are grouped properties with a
// label, so that the import puts each back in its own field.
class CVCardWriter {
public:
    using CTexts = std::array<std::string_view, CPersonalData::TEXT_COUNT>;
    // About what the card of an everyday person takes, for Reserve.
    static constexpr std::size_t EXPECTED_CARD_BYTES = 640;

    // `now` is the time REV gives.
    CVCardWriter(EVCardVersion version, const CTextCodec& codec, std::time_t now);

    void WritePerson(const CPersonalData& person);
    // The same from a person's texts in file order (CP932), sex, group names (CP932) and UID.
    void Write(const CTexts& texts, int sex, const std::vector<std::string_view>& groups,
               const CUid& uid);
    // Room for so many bytes, when the caller knows roughly how many are coming.
    void Reserve(std::size_t bytes) { m_text.reserve(bytes); }
    const std::string& GetText() const { return m_text; }
    // The cards written, handed over without a copy; the writer is empty afterwards.
    std::string TakeText() { return std::move(m_text); }

private:
    // A content line; the value is appended by the caller between Begin and End.
    void Begin(std::string_view name);
    void End();
    void FoldLine();
    void Line(std::string_view name, std::string_view value);
    // A property whose value is one text, escaped; nothing when the text is empty.
    void TextLine(std::string_view name, std::string_view cp932);
    void LabelledText(std::string_view name, std::string_view cp932, std::string_view label);
    void Label(std::string_view label);
    void AppendEscaped(std::string_view cp932);
    void EscapedLine(std::string_view name, std::string_view utf8);
    std::string_view Utf8(std::string_view cp932);

    EVCardVersion m_version;
    CCp932Utf8Table m_table; // a whole book of texts is converted without a call into iconv each
    std::string m_rev;
    std::string m_utf8;
    std::string m_name;    // the person's name in UTF-8, kept while its lines are written
    std::string m_reading; // likewise the reading
    std::string m_text;
    std::vector<std::size_t> m_cuts;            // where the line being folded breaks
    std::vector<std::string_view> m_groupNames; // the person's, reused from card to card
    std::size_t m_nLineStart = 0;
    int m_nItem = 0; // the last item group of the card being written
};
