#include "core/csv/CCsvHeaderMap.h"

#include "core/csv/CCsvRecordCursor.h"
#include "core/csv/CCsvTexts.h"
#include "core/model/CFieldTable.h"

#include <algorithm>
#include <optional>

namespace {
// One known column name. Part 0 holds the whole value; parts 1 and up are joined in their
// order when the file has no whole column for the field.
struct CKnownColumn {
    std::string_view name; // ASCII in lower case, or Japanese as written
    int field;
    int part;
};

constexpr int NAME = CFieldTable::FIELD_NAME;
constexpr int ZIP = CFieldTable::FIELD_ZIP;
constexpr int ADDRESS = CFieldTable::FIELD_ADDRESS;
constexpr int TEL1 = CFieldTable::FIELD_TEL1;
constexpr int TEL2 = CFieldTable::FIELD_TEL2;
constexpr int EMAIL1 = CFieldTable::FIELD_EMAIL1;
constexpr int EMAIL2 = CFieldTable::FIELD_EMAIL2;
constexpr int HOME_ZIP = CFieldTable::FIELD_HOME_ZIP;
constexpr int HOME_ADDRESS = CFieldTable::FIELD_HOME_ADDRESS;
constexpr int HOME_TEL = CFieldTable::FIELD_HOME_TEL;
constexpr int MEMO = CFieldTable::FIELD_MEMO;
// A whole value written for people, used only when the file has no parts of the field: the parts
// give the Japanese order, without the postal code and the country.
constexpr int FORMATTED = 100;

// Earlier names win among whole columns of one field.
constexpr CKnownColumn KNOWN_COLUMNS[] = {
    {"name", NAME, 0},
    {"display name", NAME, 0},
    {"full name", NAME, 0},
    {CCsvTexts::HEADER_NAME, NAME, 0},
    {CCsvTexts::HEADER_NAME_2, NAME, 0},
    {"family name", NAME, 1},
    {"last name", NAME, 1},
    {"surname", NAME, 1},
    {CCsvTexts::HEADER_FAMILY_NAME, NAME, 1},
    {"given name", NAME, 2},
    {"first name", NAME, 2},
    {CCsvTexts::HEADER_GIVEN_NAME, NAME, 2},
    {"additional name", NAME, 3},
    {"middle name", NAME, 3},
    {"address 1 - postal code", ZIP, 0},
    {"home postal code", ZIP, 0},
    {"home zipcode", ZIP, 0},
    {"postal code", ZIP, 0},
    {"zip", ZIP, 0},
    {CCsvTexts::HEADER_ZIP, ZIP, 0},
    {CCsvTexts::HEADER_HOME_ZIP_OUTLOOK, ZIP, 0},
    {"address 1 - formatted", ADDRESS, FORMATTED},
    {"address", ADDRESS, 0},
    {CCsvTexts::HEADER_ADDRESS, ADDRESS, 0},
    {"address 1 - region", ADDRESS, 1},
    {"home state", ADDRESS, 1},
    {CCsvTexts::HEADER_PREFECTURE, ADDRESS, 1},
    {CCsvTexts::HEADER_HOME_PREFECTURE_OUTLOOK, ADDRESS, 1},
    {"address 1 - city", ADDRESS, 2},
    {"home city", ADDRESS, 2},
    {CCsvTexts::HEADER_CITY, ADDRESS, 2},
    {CCsvTexts::HEADER_HOME_CITY_OUTLOOK, ADDRESS, 2},
    {"address 1 - street", ADDRESS, 3},
    {"home street", ADDRESS, 3},
    {"home address", ADDRESS, 3},
    {CCsvTexts::HEADER_STREET, ADDRESS, 3},
    {CCsvTexts::HEADER_HOME_STREET_OUTLOOK, ADDRESS, 3},
    {"address 1 - extended address", ADDRESS, 4},
    {"home street 2", ADDRESS, 4},
    {"home address 2", ADDRESS, 4},
    {CCsvTexts::HEADER_BUILDING, ADDRESS, 4},
    {"home street 3", ADDRESS, 5},
    {"phone 1 - value", TEL1, 0},
    {"home phone", TEL1, 0},
    {"primary phone", TEL1, 0},
    {"phone", TEL1, 0},
    {CCsvTexts::HEADER_PHONE, TEL1, 0},
    {CCsvTexts::HEADER_PHONE_2, TEL1, 0},
    {CCsvTexts::HEADER_HOME_PHONE_OUTLOOK, TEL1, 0},
    {"work phone", TEL1, 0},
    {"business phone", TEL1, 0},
    {"phone 2 - value", TEL2, 0},
    {"mobile phone", TEL2, 0},
    {"mobile number", TEL2, 0},
    {CCsvTexts::HEADER_MOBILE, TEL2, 0},
    {CCsvTexts::HEADER_MOBILE_2, TEL2, 0},
    {"e-mail 1 - value", EMAIL1, 0},
    {"e-mail address", EMAIL1, 0},
    {"primary email", EMAIL1, 0},
    {"email", EMAIL1, 0},
    {"e-mail", EMAIL1, 0},
    {CCsvTexts::HEADER_EMAIL, EMAIL1, 0},
    {CCsvTexts::HEADER_EMAIL_2, EMAIL1, 0},
    {CCsvTexts::HEADER_EMAIL_OUTLOOK, EMAIL1, 0},
    {"e-mail 2 - value", EMAIL2, 0},
    {"e-mail 2 address", EMAIL2, 0},
    {"secondary email", EMAIL2, 0},
    {CCsvTexts::HEADER_EMAIL_2_OUTLOOK, EMAIL2, 0},
    {CCsvTexts::HEADER_HOME_ZIP, HOME_ZIP, 0},
    {CCsvTexts::HEADER_HOME_ADDRESS, HOME_ADDRESS, 0},
    {CCsvTexts::HEADER_HOME_PHONE, HOME_TEL, 0},
    {"notes", MEMO, 0},
    {"note", MEMO, 0},
    {"memo", MEMO, 0},
    {CCsvTexts::HEADER_NOTE, MEMO, 0},
    {CCsvTexts::HEADER_MEMO, MEMO, 0},
};

constexpr std::size_t MAX_SNIFFED_BYTES = 64 * 1024;

std::string Normalized(std::string_view cell) {
    const std::size_t begin = cell.find_first_not_of(" \t");
    if (begin == std::string_view::npos)
        return {};
    cell = cell.substr(begin, cell.find_last_not_of(" \t") - begin + 1);
    std::string name(cell);
    std::transform(name.begin(), name.end(), name.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return name;
}

struct CMatch {
    int field;
    int part;
    std::size_t rank; // position in the table
};

std::optional<CMatch> Find(std::string_view cell) {
    const std::string name = Normalized(cell);
    // The program's own labels, as an export with a header line writes them.
    for (int field = 0; field < CFieldTable::WORKING_FIELDS; ++field) {
        if (name == CFieldTable::GetLabel(field))
            return CMatch{field, 0, 0};
    }
    for (std::size_t rank = 0; rank < std::size(KNOWN_COLUMNS); ++rank) {
        if (name == KNOWN_COLUMNS[rank].name)
            return CMatch{KNOWN_COLUMNS[rank].field, KNOWN_COLUMNS[rank].part, rank + 1};
    }
    return std::nullopt;
}

bool IsDigitsOnly(std::string_view cell) {
    const std::string name = Normalized(cell);
    return !name.empty() &&
           std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}
} // namespace

CCsvColumnMap CCsvHeaderMap::Map(const std::vector<std::string>& header) {
    struct CFound {
        int column;
        CMatch match;
    };
    std::vector<CFound> found;
    for (std::size_t column = 0; column < header.size(); ++column) {
        if (const auto match = Find(header[column]))
            found.push_back({static_cast<int>(column), *match});
    }
    CCsvColumnMap map(CFieldTable::WORKING_FIELDS);
    for (int field = 0; field < CFieldTable::WORKING_FIELDS; ++field) {
        std::vector<CFound> mine;
        std::copy_if(found.begin(), found.end(), std::back_inserter(mine),
                     [field](const CFound& f) { return f.match.field == field; });
        const bool hasParts = std::any_of(mine.begin(), mine.end(), [](const CFound& f) {
            return f.match.part > 0 && f.match.part != FORMATTED;
        });
        for (CFound& f : mine) {
            if (f.match.part == FORMATTED)
                f.match.part = hasParts ? FORMATTED : 0;
        }
        std::erase_if(mine, [](const CFound& f) { return f.match.part == FORMATTED; });
        const auto whole =
            std::min_element(mine.begin(), mine.end(), [](const CFound& a, const CFound& b) {
                return std::pair(a.match.part, a.match.rank) <
                       std::pair(b.match.part, b.match.rank);
            });
        std::vector<int>& columns = map[static_cast<std::size_t>(field)];
        if (whole == mine.end())
            continue;
        if (whole->match.part == 0) {
            columns.push_back(whole->column);
            continue;
        }
        std::stable_sort(mine.begin(), mine.end(), [](const CFound& a, const CFound& b) {
            return a.match.part < b.match.part;
        });
        for (const CFound& part : mine)
            columns.push_back(part.column);
    }
    return map;
}

bool CCsvHeaderMap::HasAnyColumn(const CCsvColumnMap& map) {
    return std::any_of(map.begin(), map.end(),
                       [](const std::vector<int>& columns) { return !columns.empty(); });
}

bool CCsvHeaderMap::LooksLikeHeader(const std::vector<std::string>& cells) {
    return std::none_of(cells.begin(), cells.end(), IsDigitsOnly) &&
           std::any_of(cells.begin(), cells.end(),
                       [](const std::string& cell) { return Find(cell).has_value(); });
}

bool CCsvHeaderMap::HasRfcQuoting(std::string_view text) {
    text = text.substr(0, MAX_SNIFFED_BYTES);
    std::vector<std::string_view> fields;
    // A comma or line break inside a field can only come from quotes.
    CCsvRecordCursor rfc(text, ECsvQuoting::Rfc4180);
    while (rfc.Next(fields)) {
        for (const std::string_view field : fields) {
            if (field.find_first_of(",\r\n") != std::string_view::npos)
                return true;
        }
    }
    // The program's own files quote every value, but never double a quote.
    CCsvRecordCursor plain(text, ECsvQuoting::Plain);
    while (plain.Next(fields)) {
        for (const std::string_view field : fields) {
            if (field.find("\"\"") != std::string_view::npos)
                return true;
        }
    }
    return false;
}
