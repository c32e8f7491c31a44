#include "core/vcard/CVCardPatch.h"

#include "core/text/CTextCodec.h"
#include "core/vcard/CVCardImport.h"
#include "core/vcard/CVCardMapper.h"
#include "core/vcard/CVCardReader.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <utility>

namespace {
constexpr std::string_view CRLF = "\r\n";
constexpr std::size_t FOLD_OCTETS = 75;

// A text of the book and the property that carries it; an address's pair counts as one.
struct CSlot {
    EPersonText key;
    std::array<EPersonText, 2> texts;
};
constexpr std::array<CSlot, 8> SLOTS = {{
    {EPersonText::Zip, {EPersonText::Zip, EPersonText::Address}},
    {EPersonText::HomeZip, {EPersonText::HomeZip, EPersonText::HomeAddress}},
    {EPersonText::Tel1, {EPersonText::Tel1, EPersonText::Tel1}},
    {EPersonText::Tel2, {EPersonText::Tel2, EPersonText::Tel2}},
    {EPersonText::HomeTel, {EPersonText::HomeTel, EPersonText::HomeTel}},
    {EPersonText::Email1, {EPersonText::Email1, EPersonText::Email1}},
    {EPersonText::Email2, {EPersonText::Email2, EPersonText::Email2}},
    {EPersonText::HomePage, {EPersonText::HomePage, EPersonText::HomePage}},
}};

bool IsReading(const CVCardProperty& property) {
    return property.name == "SORT-STRING" || property.name == "X-PHONETIC-LAST-NAME" ||
           property.name == "X-PHONETIC-FIRST-NAME" ||
           (property.name == "SOUND" && property.HasParam("TYPE", "X-IRMC-N"));
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' || c == ',' || c == ';') {
            out += '\\';
            out += c;
        } else if (c == '\r' || c == '\n') {
            out += "\\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

// The logical lines of a card by the physical line each begins on, unfolded as the reader
// unfolds them, so that a property nobody changed goes back exactly as it was spelt.
std::map<std::size_t, std::string> RawLines(std::string_view text) {
    std::map<std::size_t, std::string> lines;
    std::size_t number = 0;
    std::string* current = nullptr;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        const std::string_view line = text.substr(0, end);
        ++number;
        if (current && !line.empty() && (line.front() == ' ' || line.front() == '\t'))
            current->append(line.substr(1));
        else
            current = &(lines[number] = std::string(line));
        std::size_t next = end;
        if (next < text.size() && text[next] == '\r')
            ++next;
        if (next < text.size() && text[next] == '\n')
            ++next;
        text.remove_prefix(next);
    }
    return lines;
}

// Folded at 75 octets between whole UTF-8 characters.
void Fold(const std::string& line, std::string& out) {
    std::size_t start = 0;
    while (line.size() - start > FOLD_OCTETS) {
        std::size_t cut = start + FOLD_OCTETS - (start == 0 ? 0 : 1);
        while (cut > start + 1 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        out.append(line, start, cut - start);
        out += "\r\n ";
        start = cut;
    }
    out.append(line, start);
    out += CRLF;
}

// A content line made anew: the group in the lower case most programs write, parameters
// quoted where their value needs it.
void WriteLine(const CVCardProperty& property, std::string& out) {
    std::string group = property.group;
    std::transform(group.begin(), group.end(), group.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    std::string line = group.empty() ? property.name : group + '.' + property.name;
    for (const auto& [name, value] : property.params) {
        const bool quote = value.find_first_of(":;\"") != std::string::npos;
        std::string plain = value;
        std::erase(plain, '"');
        line += ';' + name + '=' + (quote ? '"' + plain + '"' : plain);
    }
    line += ':' + property.value;
    Fold(line, out);
}

// The texts of a card as the book would hold them.
std::optional<CVCardPerson> Held(const std::vector<CVCard>& cards, const CTextCodec& codec) {
    CVCardImport import(cards);
    import.Encode(codec, true);
    if (import.GetPersons().size() != 1)
        return std::nullopt;
    return import.GetPersons().front();
}

// The edit of one base card towards the fresh one.
class CEdit {
public:
    CEdit(CVCard& base, const CVCard& fresh, std::string_view baseText)
        : m_base(base), m_fresh(fresh), m_baseMap(base), m_freshMap(fresh),
          m_drop(base.properties.size(), false), m_touched(base.properties.size(), false),
          m_raw(RawLines(baseText)) {
        m_baseMap.Person(); // for what each property filled
        m_is = m_freshMap.Person();
        for (const CVCardProperty& property : base.properties)
            m_groups.insert(property.group);
    }

    void Slot(const CSlot& slot) {
        const std::optional<std::size_t> was = Filled(m_baseMap, slot.key);
        const std::optional<std::size_t> is = Filled(m_freshMap, slot.key);
        if (was && is)
            SetValue(*was, m_fresh.properties[*is].value);
        else if (was)
            Drop(*was);
        else if (is)
            Add(m_fresh.properties[*is]);
    }

    void Name() {
        Replace("FN");
        Replace("N");
    }

    void Reading() {
        for (std::size_t i = 0; i < m_base.properties.size(); ++i) {
            if (IsReading(m_base.properties[i]))
                Drop(i);
            if (m_base.properties[i].name == "N") {
                m_touched[i] = true;
                std::erase_if(m_base.properties[i].params,
                              [](const auto& param) { return param.first == "SORT-AS"; });
            }
        }
        for (const CVCardProperty& property : m_fresh.properties) {
            if (IsReading(property))
                Add(property);
        }
    }

    // Every property named so goes, and the fresh card's take their place.
    void Swap(std::initializer_list<std::string_view> names) {
        const auto named = [&](const CVCardProperty& property) {
            return std::find(names.begin(), names.end(), property.name) != names.end();
        };
        for (std::size_t i = 0; i < m_base.properties.size(); ++i) {
            if (named(m_base.properties[i]))
                Drop(i);
        }
        for (const CVCardProperty& property : m_fresh.properties) {
            if (named(property))
                Add(property);
        }
    }

    // Lines another property made stay that property while they stand in the memo; the rest
    // of the memo is the note.
    void Memo() {
        std::string memo = m_is.texts[static_cast<std::size_t>(EPersonText::Memo)];
        for (const auto& [index, line] : m_baseMap.GetMemoLines()) {
            if (!Cut(memo, line))
                Drop(index);
        }
        for (std::size_t i = 0; i < m_base.properties.size(); ++i) {
            if (m_baseMap.GetFilled()[i] == EPersonText::Memo)
                Drop(i);
        }
        if (!memo.empty())
            m_added.push_back({{}, "NOTE", {}, Escaped(memo)});
    }

    void Housekeeping() {
        Replace("UID");
        if (m_base.Find("REV"))
            Replace("REV");
    }

    std::string Text() const {
        std::string out = "BEGIN:VCARD\r\n";
        for (std::size_t i = 0; i < m_base.properties.size(); ++i) {
            if (m_drop[i])
                continue;
            const auto raw = m_raw.find(m_base.properties[i].line);
            if (!m_touched[i] && raw != m_raw.end())
                Fold(raw->second, out);
            else
                WriteLine(m_base.properties[i], out);
        }
        for (const CVCardProperty& property : m_added)
            WriteLine(property, out);
        out += "END:VCARD\r\n";
        return out;
    }

private:
    static std::optional<std::size_t> Filled(const CVCardMapper& mapper, EPersonText text) {
        const auto& filled = mapper.GetFilled();
        const auto found = std::find(filled.begin(), filled.end(), text);
        if (found == filled.end())
            return std::nullopt;
        return static_cast<std::size_t>(found - filled.begin());
    }

    // The first property of the name takes the fresh card's value, or is added.
    void Replace(std::string_view name) {
        const CVCardProperty* fresh = m_fresh.Find(name);
        const auto base = std::find_if(m_base.properties.begin(), m_base.properties.end(),
                                       [&](const auto& property) { return property.name == name; });
        if (base != m_base.properties.end() && fresh)
            SetValue(static_cast<std::size_t>(base - m_base.properties.begin()), fresh->value);
        else if (base != m_base.properties.end())
            Drop(static_cast<std::size_t>(base - m_base.properties.begin()));
        else if (fresh)
            Add(*fresh);
    }

    void SetValue(std::size_t index, const std::string& value) {
        if (m_base.properties[index].value == value)
            return;
        m_base.properties[index].value = value;
        m_touched[index] = true;
    }

    // A property goes with its label, unless another property of its group stays.
    void Drop(std::size_t index) {
        m_drop[index] = true;
        const std::string& group = m_base.properties[index].group;
        if (group.empty())
            return;
        for (std::size_t i = 0; i < m_base.properties.size(); ++i) {
            const CVCardProperty& other = m_base.properties[i];
            if (other.group == group && !m_drop[i] && other.name != "X-ABLABEL")
                return;
        }
        for (std::size_t i = 0; i < m_base.properties.size(); ++i) {
            if (m_base.properties[i].group == group)
                m_drop[i] = true;
        }
    }

    // A grouped property comes with its label, under a group the base card does not use.
    void Add(const CVCardProperty& property) {
        if (property.group.empty()) {
            m_added.push_back(property);
            return;
        }
        std::string group;
        for (int n = 1; group.empty() || m_groups.contains(group); ++n)
            group = "ITEM" + std::to_string(n);
        m_groups.insert(group);
        for (const CVCardProperty& member : m_fresh.properties) {
            if (member.group == property.group &&
                (&member == &property || member.name == "X-ABLABEL")) {
                m_added.push_back(member);
                m_added.back().group = group;
            }
        }
    }

    static bool Cut(std::string& memo, std::string_view line) {
        for (std::size_t at = memo.find(line); at != std::string::npos;
             at = memo.find(line, at + 1)) {
            const std::size_t end = at + line.size();
            const bool starts = at == 0 || memo.compare(at - CRLF.size(), CRLF.size(), CRLF) == 0;
            const bool ends = end == memo.size() || memo.compare(end, CRLF.size(), CRLF) == 0;
            if (!starts || !ends)
                continue;
            const std::size_t from = at == 0 ? 0 : at - CRLF.size();
            const std::size_t to = at == 0 && end < memo.size() ? end + CRLF.size() : end;
            memo.erase(from, to - from);
            return true;
        }
        return false;
    }

    CVCard& m_base;
    const CVCard& m_fresh;
    CVCardMapper m_baseMap;
    CVCardMapper m_freshMap;
    CVCardPerson m_is;
    std::vector<bool> m_drop;
    std::vector<bool> m_touched; // written anew rather than as it came
    std::map<std::size_t, std::string> m_raw;
    std::vector<CVCardProperty> m_added;
    std::set<std::string> m_groups;
};
} // namespace

std::optional<std::string> CVCardPatch::Apply(std::string_view base, std::string_view fresh,
                                              const CTextCodec& codec) {
    CVCardReadResult baseRead = CVCardReader::Read(base, false, true);
    const CVCardReadResult freshRead = CVCardReader::Read(fresh);
    if (!baseRead.error.empty() || !freshRead.error.empty() || baseRead.cards.size() != 1 ||
        freshRead.cards.size() != 1)
        return std::nullopt;
    const CVCardProperty* version = baseRead.cards.front().Find("VERSION");
    if (!version || (version->value != "3.0" && version->value != "4.0"))
        return std::nullopt;
    const std::optional<CVCardPerson> was = Held(baseRead.cards, codec);
    const std::optional<CVCardPerson> is = Held(freshRead.cards, codec);
    if (!was || !is)
        return std::nullopt;
    const auto changed = [&](EPersonText text) {
        const auto i = static_cast<std::size_t>(text);
        return was->texts[i] != is->texts[i];
    };
    CEdit edit(baseRead.cards.front(), freshRead.cards.front(), base);
    for (const CSlot& slot : SLOTS) {
        if (changed(slot.texts[0]) || changed(slot.texts[1]))
            edit.Slot(slot);
    }
    if (changed(EPersonText::Name))
        edit.Name();
    if (changed(EPersonText::Initial))
        edit.Reading();
    if (changed(EPersonText::Memo))
        edit.Memo();
    if (was->sex != is->sex)
        edit.Swap({"GENDER", "X-GENDER"});
    if (std::set<std::string>(was->groups.begin(), was->groups.end()) !=
        std::set<std::string>(is->groups.begin(), is->groups.end()))
        edit.Swap({"CATEGORIES"});
    edit.Housekeeping();
    return edit.Text();
}
