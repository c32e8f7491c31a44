#pragma once

#include "core/model/CDWordList.h"
#include "core/model/CUid.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CByteArena;
class CGroup;
class CGroupInfo;
class CPersonList;

// Which of the document's two person lists holds a person, if either.
enum class EPersonPlace : std::uint8_t { None, Live, Deleted };

// The thirteen texts of a person, in the order the data file stores them.
enum class EPersonText : std::uint8_t {
    Name,        // m_strName
    Address,     // m_strAddress
    Tel1,        // m_strTel1
    Zip,         // m_strZip
    Email1,      // m_strEmail1
    HomeAddress, // m_strHomeAddress
    Tel2,        // m_strTel2
    HomeZip,     // m_strHomeZip
    Email2,      // m_strEmail2
    HomeTel,     // m_strHomeTel
    Memo,        // m_strMemo
    Initial,     // m_strInitial
    HomePage,    // m_strHomePage
};

// One entry of the address book. The document, groups, views and commands all hold the same
// record by pointer, and the file knows them only by their order; the UID is for the world
// outside (vCards) and lives in a file beside the book.
// The texts are CP932 bytes kept in one buffer, so that 100,000 persons cost little memory.
class CPersonalData {
public:
    static constexpr int SEX_MALE = 0;
    static constexpr int SEX_FEMALE = 1;
    static constexpr int SEX_NONE = 2;
    static constexpr int TEXT_COUNT = 13;

    CPersonalData();
    // All texts in file order, as the loader reads them.
    CPersonalData(const std::array<std::string_view, TEXT_COUNT>& texts, int sex);
    // The same with the texts in `arena`, which outlives the person: the persons a store makes
    // together then cost no block each. A later edit gives the person a block of its own.
    CPersonalData(const std::array<std::string_view, TEXT_COUNT>& texts, int sex,
                  CByteArena& arena);
    // A copy shares the group pointers, tree items and UID but sits in no list.
    CPersonalData(const CPersonalData& other);
    CPersonalData& operator=(const CPersonalData&) = delete;
    ~CPersonalData();

    std::string_view GetText(EPersonText text) const;
    // All thirteen texts as they lie in memory, one after another in file order, and which of
    // them holds the byte at `offset` there: a search looks over them all at once.
    std::string_view GetAllTexts() const { return {m_pTexts, m_ends.back()}; }
    EPersonText TextAt(std::size_t offset) const;
    void SetText(EPersonText text, std::string_view value);

    // The text that holds field `field` of the field table; throws std::out_of_range for
    // a number outside it.
    static EPersonText TextOfField(int field);

    // Field numbers 0-10 of the field table; the memo shows only its first line.
    std::string GetFieldText(int field) const;
    std::string GetFieldFullText(int field) const;
    // The same without a copy: a search reads every field of every person.
    std::string_view GetFieldView(int field) const;
    std::string ReplaceField(int field, std::string_view text);

    // The person list orders by reading: the kana initial, or the name when it has none.
    std::string_view GetSortKey() const;

    const CUid& GetUid() const { return m_uid; }
    void SetUid(CUid uid) { m_uid = std::move(uid); }

    bool IsMemberOf(const CGroup* group) const;
    bool IsShownIn(const CGroupInfo& info) const;

    int m_nSex = SEX_NONE;
    // Set by the list that holds the person.
    EPersonPlace m_place = EPersonPlace::None;
    std::vector<CGroup*> m_groupList;
    CDWordList m_treeItems;

private:
    friend class CPersonList;

    std::size_t Begin(EPersonText text) const;
    void PutTexts(const std::array<std::string_view, TEXT_COUNT>& texts, char* block);
    void ReplaceBlock(char* block);
    void FreeOwnTexts();

    // The neighbours in the list m_place names, null at its ends; beside the texts' place,
    // which a walk along the list reads next.
    CPersonalData* m_pPrevPerson = nullptr;
    CPersonalData* m_pNextPerson = nullptr;
    // One block of exactly the texts' size, which the last end gives: the person's own, to be
    // freed with it, or the arena's.
    char* m_pTexts = nullptr;
    std::array<std::uint32_t, TEXT_COUNT> m_ends{};
    CUid m_uid;
    bool m_bOwnsTexts = true;
};
