#pragma once

#include "core/model/CPersonalData.h"
#include "core/model/CUid.h"
#include "core/vcard/CVCardProperty.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A person a card gives: texts (UTF-8 until encoded, CP932 after), sex, UID and group names.
struct CVCardPerson {
    std::array<std::string, CPersonalData::TEXT_COUNT> texts;
    int sex = CPersonalData::SEX_NONE;
    std::optional<CUid> uid;
    std::vector<std::string> groups;
    std::size_t line = 0; // where the card began
    std::size_t movedToMemo = 0;
    std::size_t skippedValues = 0;
};

// A group card (KIND:group, or the address-book-server form): a group and its members' UIDs.
struct CVCardGroupCard {
    std::string name;
    std::vector<CUid> members;
    std::size_t line = 0;
};

// The mapping of one card's properties to a person's fields, or of a group card to a group:
// every value without a field of its own goes to the memo as "label: value", and binary data
// is skipped and counted.
class CVCardMapper {
public:
    using CTextArray = std::array<std::string, CPersonalData::TEXT_COUNT>;

    explicit CVCardMapper(const CVCard& card);

    bool IsGroupCard() const;
    CVCardGroupCard GroupCard() const;
    CVCardPerson Person();

    // After Person: the text each property filled (by index; an address gives its postal code's
    // text for the pair), so that a card can go back with only the changed texts replaced.
    const std::vector<std::optional<EPersonText>>& GetFilled() const { return m_filled; }
    // After Person: the memo lines made of properties without a field, each with its property.
    const std::vector<std::pair<std::size_t, std::string>>& GetMemoLines() const {
        return m_memoLines;
    }

    // A card's UID as a person's: the text as it is, so that the card goes back with it; only
    // a text no line can hold (too long, or with a control character) is made a UUID by name.
    static std::optional<CUid> UidOf(std::string_view value);
    // A UID made by name, the same each time: for a card that brings none, or one no line can
    // hold.
    static CUid DerivedUid(std::string_view name);

private:
    std::string LabelOf(const CVCardProperty& property) const;
    bool IsUsed(const CVCardProperty* property) const;
    void Use(const CVCardProperty* property, std::optional<EPersonText> filled = std::nullopt);
    std::string Name() const;
    std::string Reading() const;
    bool IsMapped(const CVCardProperty& property) const;
    // Postal code and address: region, locality, street, then the rest after a blank.
    static std::pair<std::string, std::string> Address(const CVCardProperty& property);
    void MapAddresses(CTextArray& texts);
    // Fills the fields of `slots` from the properties named `name`: the home-town label and
    // the label of the second field first, then a preferred value into the first field, then
    // the others in order.
    void MapSlots(std::string_view name, std::string_view secondLabel,
                  const std::vector<EPersonText>& slots, CTextArray& texts);
    static int SexOf(std::string_view value);
    void MapSex(const CVCardProperty& property, CVCardPerson& person);
    // The parts of N no field holds: prefix, middle name and suffix.
    void MapNameParts(const CVCardProperty& property, CVCardPerson& person);
    // `from`, when given, is the property the line stands for, so that a card sent back can
    // turn the line into that property again.
    void AddMemoLine(std::string_view label, const std::string& value, CVCardPerson& person,
                     const CVCardProperty* from = nullptr);
    static void AddGroups(const CVCardProperty& property, std::vector<std::string>& groups);
    static void RemoveRepeats(std::vector<std::string>& groups);
    void Overflow(const CVCardProperty& property, CVCardPerson& person);

    const CVCard& m_card;
    std::vector<std::pair<std::string, std::string>> m_labels; // item group and its label
    std::vector<bool> m_used;                                  // by property, mapped already
    std::vector<std::string> m_overflow;
    std::vector<std::optional<EPersonText>> m_filled;
    std::vector<std::pair<std::size_t, std::string>> m_memoLines;
};
