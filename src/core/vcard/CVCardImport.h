#pragma once

#include "core/model/CPersonalData.h"
#include "core/model/CUuid.h"
#include "core/vcard/CVCardProperty.h"

#include <array>
#include <cstddef>
#include <list>
#include <optional>
#include <string>
#include <vector>

class CGroup;
class CTextCodec;

// A person a card gives: texts (UTF-8 until Encode, CP932 after), sex, UID and group names.
struct CVCardPerson {
    std::array<std::string, CPersonalData::TEXT_COUNT> texts;
    int sex = CPersonalData::SEX_NONE;
    std::optional<CUuid> uid;
    std::vector<std::string> groups;
    std::size_t line = 0; // where the card began
    std::size_t movedToMemo = 0;
    std::size_t skippedValues = 0;
};

// A group card (KIND:group, or the address-book-server form): a group and its members' UIDs.
struct CVCardGroupCard {
    std::string name;
    std::vector<CUuid> members;
    std::size_t line = 0;
};

// What an import did, for the summary.
struct CVCardSummary {
    std::size_t added = 0;
    std::size_t groupsCreated = 0;
    std::size_t movedToMemo = 0;
    std::size_t skippedValues = 0;
    std::size_t alreadyPresent = 0;
};

// Values whose characters code page 932 lacks: how many, and the first of them.
struct CVCardUnencodable {
    std::size_t values = 0;
    std::size_t line = 0;
    std::string characters; // UTF-8, each once
};

// Turns cards into persons and groups: the mapping of properties to fields, with every value
// that has no field of its own kept in the memo as "label: value" and binary data skipped and
// counted. Then Filter leaves out what the book has already, so that importing a file twice
// adds nobody the second time.
class CVCardImport {
public:
    explicit CVCardImport(const std::vector<CVCard>& cards);

    // UTF-8 to CP932. Without `replace` a text with a character CP932 lacks fails the whole
    // import (GetUnencodable says which); with it each such character becomes "〓".
    bool Encode(const CTextCodec& codec, bool replace);
    const CVCardUnencodable& GetUnencodable() const { return m_unencodable; }

    // Drops the persons already in the book: a card with a UID that a person of the book has,
    // and a card without one whose texts and sex equal a person's. A UID twice in the file is
    // added once. Counted as already present.
    void Filter(const std::list<CPersonalData*>& persons);

    const std::vector<CVCardPerson>& GetPersons() const { return m_persons; }
    const std::vector<CVCardGroupCard>& GetGroupCards() const { return m_groupCards; }
    // How many persons Filter left out.
    std::size_t GetAlreadyPresent() const { return m_nAlreadyPresent; }

    // The summary the import ends with, UTF-8.
    static std::string SummaryText(const CVCardSummary& summary);
    // Why nothing was read (the CLI), or the question whether to read it with "〓" (the window).
    static std::string UnencodableText(const CVCardUnencodable& unencodable);
    static std::string UnencodableQuestion(const CVCardUnencodable& unencodable);

    // A card's UID as a person's: a UUID as it is, any other text made one by name.
    static std::optional<CUuid> UidOf(std::string_view value);

private:
    void MapCard(const CVCard& card);
    std::string EncodeText(const std::string& utf8, std::size_t line, const CTextCodec& codec,
                           bool replace);

    std::vector<CVCardPerson> m_persons;
    std::vector<CVCardGroupCard> m_groupCards;
    std::size_t m_nAlreadyPresent = 0;
    CVCardUnencodable m_unencodable;
};
