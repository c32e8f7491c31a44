#pragma once

#include "core/model/CPersonList.h"
#include "core/model/CPersonalData.h"
#include "core/vcard/CVCardMapper.h"
#include "core/vcard/CVCardProperty.h"

#include <cstddef>
#include <string>
#include <vector>

class CTextCodec;
struct CVCardReadResult;

// What an import did, for the summary.
struct CVCardSummary {
    std::size_t added = 0;
    std::size_t groupsCreated = 0;
    std::size_t movedToMemo = 0;
    std::size_t skippedValues = 0;
    std::size_t alreadyPresent = 0;
    std::size_t givenNewUid = 0; // another person's UID, so another person
    std::size_t replacedBytes = 0;
    std::size_t malformedLines = 0;
    std::size_t firstMalformedLine = 0;

    // What reading the file counted.
    void TakeReadCounts(const CVCardReadResult& read);
};

// Values whose characters code page 932 lacks: how many, and the first of them.
struct CVCardUnencodable {
    std::size_t values = 0;
    std::size_t line = 0;
    std::string characters; // UTF-8, each once
};

// Turns a file's cards into persons and groups (each through CVCardMapper), encodes their texts
// for the book, and with Filter leaves out what the book has already, so that importing a file
// twice adds nobody the second time.
class CVCardImport {
public:
    explicit CVCardImport(const std::vector<CVCard>& cards);

    // UTF-8 to CP932. Without `replace` a text with a character CP932 lacks fails the whole
    // import (GetUnencodable says which); with it each such character becomes "〓".
    bool Encode(const CTextCodec& codec, bool replace);
    const CVCardUnencodable& GetUnencodable() const { return m_unencodable; }

    // Drops the persons already in the book (live or deleted): a card with the UID and the name
    // of a person of the book, and a card without a UID whose texts and sex equal a person's.
    // Counted as already present. A card whose UID a person of another name has (in the book,
    // or earlier in the file) is another person: it loses the UID, so that it gets one of its
    // own, and is counted as given a new UID.
    void Filter(const CPersonList& persons, const CPersonList& deleted);

    const std::vector<CVCardPerson>& GetPersons() const { return m_persons; }
    const std::vector<CVCardGroupCard>& GetGroupCards() const { return m_groupCards; }
    // How many persons Filter left out.
    std::size_t GetAlreadyPresent() const { return m_nAlreadyPresent; }
    std::size_t GetGivenNewUid() const { return m_nGivenNewUid; }

    // The summary the import ends with, UTF-8.
    static std::string SummaryText(const CVCardSummary& summary);
    // Why nothing was read (the CLI), or the question whether to read it with "〓" (the window).
    static std::string UnencodableText(const CVCardUnencodable& unencodable);
    static std::string UnencodableQuestion(const CVCardUnencodable& unencodable);

private:
    void MapCard(const CVCard& card);
    std::string EncodeText(const std::string& utf8, std::size_t line, const CTextCodec& codec,
                           bool replace);

    std::vector<CVCardPerson> m_persons;
    std::vector<CVCardGroupCard> m_groupCards;
    std::size_t m_nAlreadyPresent = 0;
    std::size_t m_nGivenNewUid = 0;
    CVCardUnencodable m_unencodable;
};
