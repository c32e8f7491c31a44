#pragma once

#include "core/document/CAddressDoc.h"
#include "core/text/CTextCodec.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

// The size and shape of a generated address book.
struct CBookShape {
    std::size_t persons = 0;
    std::size_t groups = 0;
    // The first this many persons also join the first group, to make one big group.
    std::size_t bigGroupMembers = 0;
    // Every person joins every group, and the groups have the shortest distinct names: the
    // book that costs the most memory for its size.
    bool everyoneInEveryGroup = false;
    // With that, the groups have no names at all: the smallest file of that many groups.
    bool unnamedGroups = false;
};

// A realistic Japanese address book for benchmarks and fuzz seeds: names with kana readings,
// addresses, phones, e-mail addresses and memos of everyday lengths, in CP932. The same seed
// always gives the same book.
class CBookGenerator {
public:
    using CTexts = std::array<std::string, CPersonalData::TEXT_COUNT>;

    explicit CBookGenerator(std::uint32_t seed = 1);

    // Fills an empty document as loading would leave it, without commands or views.
    void Fill(CAddressDoc& doc, const CBookShape& shape);
    // The bytes of the data file of such a book.
    std::string MakeFile(const CBookShape& shape);

    // A CSV file of that many persons, every field in field-number order, as the program
    // exports it.
    std::string MakeCsv(std::size_t persons);

    // A book of that many persons for writing mail: six in ten have an e-mail (1) address, four
    // have none. The persons in stored order.
    std::vector<CPersonalData*> FillForMail(CAddressDoc& doc, std::size_t persons);

    // One person's texts in file order.
    CTexts MakePersonTexts();
    std::string MakeGroupName(std::size_t index);
    // "0", "1", ... "z", "10", ...: a user's short tags, one to four characters for millions.
    static std::string MakeShortGroupName(std::size_t index);

private:
    struct CName {
        std::string kanji;
        std::string kana;
        std::string latin;
    };

    std::size_t Pick(std::size_t count) { return m_random() % count; }
    bool Chance(unsigned percent) { return Pick(100) < percent; }
    std::string Digits(std::size_t count);
    std::string Cp932(std::string_view utf8) const;
    std::vector<std::string> Cp932List(std::initializer_list<const char*> utf8) const;
    std::string MakeZip();
    std::string MakePhone(bool mobile);
    std::string MakeAddress();
    std::string MakeMemo();
    std::vector<CGroup*> PickGroups(const std::vector<CGroup*>& groups);

    CTextCodec m_codec;
    std::mt19937 m_random;
    std::vector<CName> m_familyNames;
    std::vector<CName> m_givenNames;
    std::vector<std::string> m_places;
    std::vector<std::string> m_towns;
    std::vector<std::string> m_buildings;
    std::vector<std::string> m_memoPhrases;
    std::vector<std::string> m_groupWords;
    std::vector<std::string> m_domains;
    std::string m_space;
    std::string m_chome;
};
