#include "core/vcard/CVCardImport.h"

#include "core/text/CTextCodec.h"
#include "core/text/CTextFormat.h"
#include "core/vcard/CVCardReader.h"
#include "core/vcard/CVCardTexts.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace {
using CTextArray = CVCardMapper::CTextArray;

constexpr std::string_view GETA_CP932 = "\x81\xAC";

std::string KeyOf(const CTextArray& texts, int sex) {
    std::string key = std::to_string(sex);
    for (const std::string& text : texts) {
        key += '\x1F';
        key += std::to_string(text.size());
        key += ':';
        key += text;
    }
    return key;
}

std::string KeyOf(const CPersonalData& person) {
    CTextArray texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = person.GetText(static_cast<EPersonText>(i));
    return KeyOf(texts, person.m_nSex);
}

std::size_t Utf8Length(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return std::min(length, text.size() - pos);
}
} // namespace

CVCardImport::CVCardImport(const std::vector<CVCard>& cards) {
    m_persons.reserve(cards.size());
    for (const CVCard& card : cards)
        MapCard(card);
}

void CVCardImport::MapCard(const CVCard& card) {
    CVCardMapper mapper(card);
    if (mapper.IsGroupCard())
        m_groupCards.push_back(mapper.GroupCard());
    else
        m_persons.push_back(mapper.Person());
}

std::string CVCardImport::EncodeText(const std::string& utf8, std::size_t line,
                                     const CTextCodec& codec, bool replace) {
    CEncodeResult encoded = codec.FromUtf8(utf8);
    if (encoded.ok())
        return std::move(encoded.text);
    if (m_unencodable.values++ == 0) {
        m_unencodable.line = line;
        for (const char32_t c : encoded.unmappable)
            m_unencodable.characters += CTextCodec::EncodeUtf8(c);
    }
    if (!replace)
        return {};
    std::string out;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t length = Utf8Length(utf8, pos);
        const CEncodeResult one = codec.FromUtf8(std::string_view(utf8).substr(pos, length));
        out += one.ok() ? std::string_view(one.text) : GETA_CP932;
        pos += length;
    }
    return out;
}

bool CVCardImport::Encode(const CTextCodec& codec, bool replace) {
    m_unencodable = {};
    for (CVCardPerson& person : m_persons) {
        for (std::string& text : person.texts)
            text = EncodeText(text, person.line, codec, replace);
        for (std::string& group : person.groups)
            group = EncodeText(group, person.line, codec, replace);
    }
    for (CVCardGroupCard& group : m_groupCards)
        group.name = EncodeText(group.name, group.line, codec, replace);
    return replace || m_unencodable.values == 0;
}

void CVCardImport::Filter(const CPersonList& persons, const CPersonList& deleted) {
    std::unordered_map<CUid, std::string> nameOfUid;
    std::unordered_set<std::string> keys;
    for (const CPersonList* list : {&persons, &deleted}) {
        for (const CPersonalData* person : *list) {
            nameOfUid.emplace(person->GetUid(), person->GetText(EPersonText::Name));
            keys.insert(KeyOf(*person));
        }
    }
    std::erase_if(m_persons, [&](CVCardPerson& person) {
        if (!person.uid) {
            const bool present = keys.contains(KeyOf(person.texts, person.sex));
            m_nAlreadyPresent += present ? 1 : 0;
            return present;
        }
        const std::string& name = person.texts[static_cast<std::size_t>(EPersonText::Name)];
        const auto [known, isNew] = nameOfUid.emplace(*person.uid, name);
        if (isNew)
            return false;
        if (known->second == name) {
            ++m_nAlreadyPresent;
            return true;
        }
        person.uid.reset();
        ++m_nGivenNewUid;
        return false;
    });
}

void CVCardSummary::TakeReadCounts(const CVCardReadResult& read) {
    replacedBytes = read.replacedBytes;
    malformedLines = read.malformedLines;
    firstMalformedLine = read.firstMalformedLine;
}

std::string CVCardImport::SummaryText(const CVCardSummary& summary) {
    std::string text = CTextFormat::Format(
        CVCardTexts::SUMMARY,
        {std::to_string(summary.added), std::to_string(summary.groupsCreated),
         std::to_string(summary.movedToMemo), std::to_string(summary.skippedValues),
         std::to_string(summary.alreadyPresent)});
    if (summary.givenNewUid > 0)
        text += CTextFormat::Format(CVCardTexts::SAME_UID_OTHER_NAME,
                                    {std::to_string(summary.givenNewUid)});
    if (summary.malformedLines > 0)
        text += CTextFormat::Format(
            CVCardTexts::MALFORMED_LINES,
            {std::to_string(summary.malformedLines), std::to_string(summary.firstMalformedLine)});
    if (summary.replacedBytes > 0)
        text += CTextFormat::Format(CVCardTexts::REPLACED_BYTES,
                                    {std::to_string(summary.replacedBytes)});
    return text;
}

std::string CVCardImport::UnencodableText(const CVCardUnencodable& unencodable) {
    return CTextFormat::Format(CVCardTexts::UNENCODABLE,
                               {std::to_string(unencodable.values),
                                std::to_string(unencodable.line), unencodable.characters}) +
           CVCardTexts::UNENCODABLE_REFUSED;
}

std::string CVCardImport::UnencodableQuestion(const CVCardUnencodable& unencodable) {
    return CTextFormat::Format(CVCardTexts::UNENCODABLE,
                               {std::to_string(unencodable.values),
                                std::to_string(unencodable.line), unencodable.characters}) +
           "\n" + CVCardTexts::UNENCODABLE_REPLACE;
}
