#include "core/vcard/CVCardMapper.h"

#include "core/text/CHalfWidthKana.h"
#include "core/text/CTextFormat.h"
#include "core/vcard/CVCardReader.h"
#include "core/vcard/CVCardTexts.h"

#include <algorithm>
#include <map>
#include <unordered_set>

namespace {
using CTextArray = CVCardMapper::CTextArray;

constexpr std::string_view CRLF = "\r\n";
constexpr std::string_view MEMBER_PREFIX = "urn:uuid:";
// The namespace of UIDs made from a card's UID that cannot be kept as it is.
constexpr CUuid::CBytes CARD_UID_NAMESPACE = {0x3b, 0x8e, 0x51, 0x0c, 0x7d, 0x26, 0x4f, 0x90,
                                              0xb1, 0x47, 0x62, 0xa8, 0x0e, 0xd3, 0x95, 0x2c};

// Properties that say how the card is made rather than what it holds, or that another
// property of the mapping reads.
const std::unordered_set<std::string_view> HOUSEKEEPING = {"VERSION",
                                                           "PRODID",
                                                           "REV",
                                                           "UID",
                                                           "KIND",
                                                           "X-ADDRESSBOOKSERVER-KIND",
                                                           "MEMBER",
                                                           "X-ADDRESSBOOKSERVER-MEMBER",
                                                           "X-ABLABEL",
                                                           "FN",
                                                           "N",
                                                           "SORT-STRING",
                                                           "X-PHONETIC-LAST-NAME",
                                                           "X-PHONETIC-FIRST-NAME",
                                                           "LABEL",
                                                           "CLIENTPIDMAP",
                                                           "X-ABUID",
                                                           "X-ABADR"};

const std::map<std::string_view, const char*> LABELS = {
    {"ORG", CVCardTexts::LABEL_ORG},
    {"TITLE", CVCardTexts::LABEL_TITLE},
    {"ROLE", CVCardTexts::LABEL_ROLE},
    {"BDAY", CVCardTexts::LABEL_BDAY},
    {"ANNIVERSARY", CVCardTexts::LABEL_ANNIVERSARY},
    {"NICKNAME", CVCardTexts::LABEL_NICKNAME},
    {"TEL", CVCardTexts::LABEL_TEL},
    {"EMAIL", CVCardTexts::LABEL_EMAIL},
    {"URL", CVCardTexts::LABEL_URL},
    {"ADR", CVCardTexts::LABEL_ADR},
    {"IMPP", CVCardTexts::LABEL_IMPP}};

std::string& Text(CTextArray& texts, EPersonText which) {
    return texts[static_cast<std::size_t>(which)];
}

std::string JoinNonEmpty(const std::vector<std::string>& parts, std::string_view separator) {
    std::string joined;
    for (const std::string& part : parts) {
        if (part.empty())
            continue;
        if (!joined.empty())
            joined += separator;
        joined += part;
    }
    return joined;
}

std::vector<std::string> Components(const CVCardProperty& property, std::size_t count) {
    std::vector<std::string> parts = CVCardReader::Split(property.value, ';');
    parts.resize(std::max(parts.size(), count));
    return parts;
}

bool IsAsciiAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Japanese address parts follow each other without a blank; Latin words get one.
std::string JoinAddress(const std::string& address, const std::string& part) {
    if (address.empty() || part.empty())
        return address + part;
    const bool blank = IsAsciiAlnum(address.back()) && IsAsciiAlnum(part.front());
    return address + (blank ? " " : "") + part;
}

bool IsJapan(std::string country) {
    for (char& c : country) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    }
    return country == "JP" || country == "JAPAN" || country == CVCardTexts::COUNTRY_JAPAN;
}

bool StartsWithNoCase(std::string_view text, std::string_view lower) {
    return text.size() >= lower.size() &&
           std::equal(lower.begin(), lower.end(), text.begin(), [](char l, char t) {
               return l == (t >= 'A' && t <= 'Z' ? static_cast<char>(t + 32) : t);
           });
}

// A phone number as a tel: URI (4.0) is the number after the scheme.
std::string PhoneNumber(const CVCardProperty& property) {
    std::string value = CVCardReader::Unescape(property.value);
    if (StartsWithNoCase(value, "tel:"))
        value.erase(0, 4);
    return value;
}

// The kind a phone number keeps when it goes to the memo, where no field says it.
const char* PhoneLabel(const CVCardProperty& property) {
    if (property.HasParam("TYPE", "fax"))
        return CVCardTexts::LABEL_FAX;
    if (property.HasParam("TYPE", "pager"))
        return CVCardTexts::LABEL_PAGER;
    return CVCardTexts::LABEL_TEL;
}

// Some address books write their built-in labels as "_$!<Anniversary>!$_".
std::string CleanLabel(std::string label) {
    if (label.starts_with("_$!<") && label.ends_with(">!$_"))
        label = label.substr(4, label.size() - 8);
    return label;
}

} // namespace

CVCardMapper::CVCardMapper(const CVCard& card)
    : m_card(card), m_used(card.properties.size(), false), m_filled(card.properties.size()) {
    for (const CVCardProperty& property : card.properties) {
        if (property.name == "X-ABLABEL" && !property.group.empty())
            m_labels.emplace_back(property.group,
                                  CleanLabel(CVCardReader::Unescape(property.value)));
    }
}

bool CVCardMapper::IsGroupCard() const {
    const CVCardProperty* kind = m_card.Find("KIND");
    const CVCardProperty* serverKind = m_card.Find("X-ADDRESSBOOKSERVER-KIND");
    const auto isGroup = [](const CVCardProperty* property) {
        if (!property)
            return false;
        std::string value = CVCardReader::Unescape(property->value);
        std::transform(value.begin(), value.end(), value.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
        return value == "group";
    };
    return isGroup(kind) || isGroup(serverKind);
}

CVCardGroupCard CVCardMapper::GroupCard() const {
    CVCardGroupCard group;
    group.name = Name();
    group.line = m_card.line;
    for (const CVCardProperty& property : m_card.properties) {
        if (property.name != "MEMBER" && property.name != "X-ADDRESSBOOKSERVER-MEMBER")
            continue;
        // A member is named by the URN of its card's UID, whatever text that UID is.
        std::string member = CVCardReader::Unescape(property.value);
        if (member.starts_with(MEMBER_PREFIX))
            member.erase(0, MEMBER_PREFIX.size());
        if (const auto uid = UidOf(member))
            group.members.push_back(*uid);
    }
    return group;
}

CVCardPerson CVCardMapper::Person() {
    CVCardPerson person;
    person.line = m_card.line;
    Text(person.texts, EPersonText::Name) = Name();
    Text(person.texts, EPersonText::Initial) = CHalfWidthKana::ToFullWidth(Reading());
    MapAddresses(person.texts);
    MapSlots("TEL", CVCardTexts::TEL2_LABEL,
             {EPersonText::Tel1, EPersonText::Tel2, EPersonText::HomeTel}, person.texts);
    MapSlots("EMAIL", CVCardTexts::EMAIL2_LABEL, {EPersonText::Email1, EPersonText::Email2},
             person.texts);
    std::vector<std::string> notes;
    for (const CVCardProperty& property : m_card.properties) {
        if (property.binary) {
            ++person.skippedValues;
            continue;
        }
        if (property.name == "NOTE") {
            notes.push_back(CTextFormat::WithCrLf(CVCardReader::Unescape(property.value)));
            Use(&property, EPersonText::Memo);
        } else if (property.name == "URL" && Text(person.texts, EPersonText::HomePage).empty()) {
            Text(person.texts, EPersonText::HomePage) = CVCardReader::Unescape(property.value);
            Use(&property, EPersonText::HomePage);
        } else if (property.name == "GENDER" || property.name == "X-GENDER")
            MapSex(property, person);
        else if (property.name == "FN" && &property != m_card.Find("FN"))
            AddMemoLine(CVCardTexts::LABEL_NAME, CVCardReader::Unescape(property.value), person);
        else if (property.name == "N" && &property == m_card.Find("N"))
            MapNameParts(property, person);
        else if (property.name == "CATEGORIES")
            AddGroups(property, person.groups);
        else if (property.name == "UID")
            person.uid = UidOf(CVCardReader::Unescape(property.value));
        else if (!IsMapped(property))
            Overflow(property, person);
    }
    RemoveRepeats(person.groups);
    notes.insert(notes.end(), m_overflow.begin(), m_overflow.end());
    Text(person.texts, EPersonText::Memo) = JoinNonEmpty(notes, CRLF);
    return person;
}

std::string CVCardMapper::LabelOf(const CVCardProperty& property) const {
    if (property.group.empty())
        return {};
    const auto found = std::find_if(m_labels.begin(), m_labels.end(), [&](const auto& label) {
        return label.first == property.group;
    });
    return found == m_labels.end() ? std::string() : found->second;
}

bool CVCardMapper::IsUsed(const CVCardProperty* property) const {
    return m_used[static_cast<std::size_t>(property - m_card.properties.data())];
}

void CVCardMapper::Use(const CVCardProperty* property, std::optional<EPersonText> filled) {
    const auto index = static_cast<std::size_t>(property - m_card.properties.data());
    m_used[index] = true;
    m_filled[index] = filled;
}

std::string CVCardMapper::Name() const {
    if (const CVCardProperty* fn = m_card.Find("FN")) {
        if (std::string name = CVCardReader::Unescape(fn->value); !name.empty())
            return name;
    }
    if (const CVCardProperty* n = m_card.Find("N")) {
        const std::vector<std::string> parts = Components(*n, 2);
        return JoinNonEmpty({parts[0], parts[1]}, " ");
    }
    return {};
}

std::string CVCardMapper::Reading() const {
    if (const CVCardProperty* sort = m_card.Find("SORT-STRING"))
        return CVCardReader::Unescape(sort->value);
    if (const CVCardProperty* n = m_card.Find("N")) {
        if (const auto sortAs = n->Param("SORT-AS"))
            return JoinNonEmpty(CVCardReader::Split(*sortAs, ','), " ");
    }
    const CVCardProperty* last = m_card.Find("X-PHONETIC-LAST-NAME");
    const CVCardProperty* first = m_card.Find("X-PHONETIC-FIRST-NAME");
    // Phones write these in katakana, often half-width; the book's readings are hiragana.
    const auto asReading = [](const std::string& kana) {
        return CHalfWidthKana::ToHiragana(CHalfWidthKana::ToFullWidth(kana));
    };
    if (last || first)
        return asReading(
            JoinNonEmpty({last ? CVCardReader::Unescape(last->value) : std::string(),
                          first ? CVCardReader::Unescape(first->value) : std::string()},
                         " "));
    for (const CVCardProperty& property : m_card.properties) {
        if (property.name == "SOUND" && property.HasParam("TYPE", "X-IRMC-N")) {
            const std::vector<std::string> parts = Components(property, 2);
            return asReading(JoinNonEmpty({parts[0], parts[1]}, " "));
        }
    }
    return {};
}

bool CVCardMapper::IsMapped(const CVCardProperty& property) const {
    return HOUSEKEEPING.contains(property.name) || IsUsed(&property) ||
           (property.name == "SOUND" && property.HasParam("TYPE", "X-IRMC-N"));
}

std::pair<std::string, std::string> CVCardMapper::Address(const CVCardProperty& property) {
    const std::vector<std::string> c = Components(property, 7);
    std::string address;
    for (const std::size_t part : {4, 3, 2})
        address = JoinAddress(address, c[part]);
    for (const std::size_t part : {1, 0})
        address = JoinNonEmpty({address, c[part]}, " ");
    if (!IsJapan(c[6]))
        address = JoinNonEmpty({address, c[6]}, " ");
    return {c[5], address};
}

void CVCardMapper::MapAddresses(CTextArray& texts) {
    std::vector<const CVCardProperty*> plain;
    const CVCardProperty* home = nullptr;
    for (const CVCardProperty& property : m_card.properties) {
        if (property.name != "ADR" || property.binary)
            continue;
        if (!home && LabelOf(property) == CVCardTexts::HOME_LABEL)
            home = &property;
        else
            plain.push_back(&property);
    }
    const auto preferred =
        std::find_if(plain.begin(), plain.end(), [](const auto* p) { return p->IsPreferred(); });
    const CVCardProperty* main = preferred != plain.end() ? *preferred
                                 : plain.empty()          ? nullptr
                                                          : plain.front();
    if (!home) {
        const auto other =
            std::find_if(plain.begin(), plain.end(), [main](const auto* p) { return p != main; });
        home = other == plain.end() ? nullptr : *other;
    }
    if (main) {
        std::tie(Text(texts, EPersonText::Zip), Text(texts, EPersonText::Address)) = Address(*main);
        Use(main, EPersonText::Zip);
    }
    if (home) {
        std::tie(Text(texts, EPersonText::HomeZip), Text(texts, EPersonText::HomeAddress)) =
            Address(*home);
        Use(home, EPersonText::HomeZip);
    }
}

int CVCardMapper::SexOf(std::string_view value) {
    if (value == "M" || value == "m" || value == "Male" || value == "male")
        return CPersonalData::SEX_MALE;
    if (value == "F" || value == "f" || value == "Female" || value == "female")
        return CPersonalData::SEX_FEMALE;
    return CPersonalData::SEX_NONE;
}

void CVCardMapper::MapSex(const CVCardProperty& property, CVCardPerson& person) {
    const std::vector<std::string> parts = Components(property, 2);
    const int sex = SexOf(parts[0]);
    if (sex != CPersonalData::SEX_NONE)
        person.sex = sex;
    // Other kinds (O, N, U) and the words of the identity have no field but the memo.
    AddMemoLine(
        CVCardTexts::LABEL_SEX,
        JoinNonEmpty({sex == CPersonalData::SEX_NONE ? parts[0] : std::string(), parts[1]}, " "),
        person);
}

void CVCardMapper::MapNameParts(const CVCardProperty& property, CVCardPerson& person) {
    const std::vector<std::string> parts = Components(property, 5);
    AddMemoLine(CVCardTexts::LABEL_NAME_PREFIX, parts[3], person);
    AddMemoLine(CVCardTexts::LABEL_MIDDLE_NAME, parts[2], person);
    AddMemoLine(CVCardTexts::LABEL_NAME_SUFFIX, parts[4], person);
}

void CVCardMapper::AddMemoLine(std::string_view label, const std::string& value,
                               CVCardPerson& person, const CVCardProperty* from) {
    if (value.empty())
        return;
    m_overflow.push_back(CTextFormat::Format(CVCardTexts::MEMO_LINE,
                                             {std::string(label), CTextFormat::WithCrLf(value)}));
    if (from)
        m_memoLines.emplace_back(static_cast<std::size_t>(from - m_card.properties.data()),
                                 m_overflow.back());
    ++person.movedToMemo;
}

void CVCardMapper::AddGroups(const CVCardProperty& property, std::vector<std::string>& groups) {
    for (std::string& name : CVCardReader::Split(property.value, ',')) {
        const std::size_t begin = name.find_first_not_of(' ');
        if (begin == std::string::npos)
            continue;
        groups.push_back(name.substr(begin, name.find_last_not_of(' ') + 1 - begin));
    }
}

// Repeats are taken out once all names are in, so that a card of many categories costs no more
// than a hash lookup for each.
void CVCardMapper::RemoveRepeats(std::vector<std::string>& groups) {
    std::unordered_set<std::string_view> seen;
    std::vector<std::string> unique;
    unique.reserve(groups.size());
    for (std::string& name : groups) {
        if (seen.contains(name))
            continue;
        unique.push_back(std::move(name));
        seen.insert(unique.back()); // `unique` never grows past its reserve, so this stays
    }
    groups = std::move(unique);
}

void CVCardMapper::Overflow(const CVCardProperty& property, CVCardPerson& person) {
    std::string value = JoinNonEmpty(CVCardReader::Split(property.value, ';'), " ");
    if (property.name == "ADR") {
        const auto [zip, address] = Address(property);
        value = JoinNonEmpty({zip, address}, " ");
    } else if (property.name == "TEL") {
        value = PhoneNumber(property);
    }
    std::string label = LabelOf(property);
    if (label.empty() && property.name == "TEL") {
        label = PhoneLabel(property);
    } else if (label.empty()) {
        const auto known = LABELS.find(property.name);
        label = known == LABELS.end() ? property.name : known->second;
    }
    AddMemoLine(label, value, person, &property);
}

void CVCardMapper::MapSlots(std::string_view name, std::string_view secondLabel,
                            const std::vector<EPersonText>& slots, CTextArray& texts) {
    std::vector<const CVCardProperty*> rest;
    auto fill = [&](EPersonText slot, const CVCardProperty* property) {
        std::string& text = Text(texts, slot);
        if (!text.empty())
            return false;
        text = name == "TEL" ? PhoneNumber(*property) : CVCardReader::Unescape(property->value);
        Use(property, slot);
        return true;
    };
    for (const CVCardProperty& property : m_card.properties) {
        if (property.name != name || property.binary)
            continue;
        const std::string label = LabelOf(property);
        const bool placed =
            (label == CVCardTexts::HOME_LABEL && slots.size() > 2 && fill(slots[2], &property)) ||
            (label == secondLabel && fill(slots[1], &property));
        if (!placed)
            rest.push_back(&property);
    }
    for (const CVCardProperty* property : rest) {
        if (property->IsPreferred() && fill(slots[0], property))
            break;
    }
    for (const CVCardProperty* property : rest) {
        if (IsUsed(property))
            continue;
        for (const EPersonText slot : slots) {
            if (fill(slot, property))
                break;
        }
    }
}

std::optional<CUid> CVCardMapper::UidOf(std::string_view value) {
    if (value.empty())
        return std::nullopt;
    if (auto uid = CUid::FromText(value))
        return uid;
    return DerivedUid(value);
}

CUid CVCardMapper::DerivedUid(std::string_view name) {
    return CUid(CUuid::NameBased(CUuid(CARD_UID_NAMESPACE), name));
}
