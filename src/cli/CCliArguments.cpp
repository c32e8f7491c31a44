#include "cli/CCliArguments.h"

#include "core/model/CFieldTable.h"
#include "core/text/CTextEscape.h"

#include <algorithm>
#include <charconv>

namespace {
bool Contains(const std::vector<std::string_view>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}
} // namespace

std::optional<CCliArguments> CCliArguments::Parse(const std::vector<std::string>& words,
                                                  std::size_t fileCount,
                                                  const std::vector<std::string_view>& flags,
                                                  const std::vector<std::string_view>& valued) {
    CCliArguments arguments;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!word.starts_with("--")) {
            arguments.m_files.push_back(word);
        } else if (Contains(flags, word)) {
            arguments.m_options.emplace_back(word, std::string());
        } else if (Contains(valued, word) && i + 1 < words.size()) {
            arguments.m_options.emplace_back(word, words[++i]);
        } else {
            return std::nullopt;
        }
    }
    if (arguments.m_files.size() != fileCount)
        return std::nullopt;
    return arguments;
}

std::vector<int> CCliArguments::AllFields() {
    std::vector<int> fields(CFieldTable::WORKING_FIELDS);
    for (int field = 0; field < CFieldTable::WORKING_FIELDS; ++field)
        fields[static_cast<std::size_t>(field)] = field;
    return fields;
}

bool CCliArguments::Has(std::string_view name) const {
    return std::any_of(m_options.begin(), m_options.end(),
                       [name](const auto& option) { return option.first == name; });
}

std::optional<std::string> CCliArguments::Get(std::string_view name) const {
    // The last one counts, as usual for repeated options.
    for (auto it = m_options.rbegin(); it != m_options.rend(); ++it) {
        if (it->first == name)
            return it->second;
    }
    return std::nullopt;
}

int CCliArguments::Report(const std::string& message, int code) {
    std::fprintf(stderr, "tarnvale-cli: %s\n", OneLine(message).c_str());
    return code;
}

void CCliArguments::Warn(const std::string& message) {
    if (!message.empty())
        std::fprintf(stderr, "tarnvale-cli: %s\n", OneLine(message).c_str());
}

// Scripts read one line per failure: the line breaks of a message written for a window become
// blanks, and whatever control character is left is shown escaped rather than sent raw.
std::string CCliArguments::OneLine(std::string_view message) {
    std::string line;
    for (const char c : message) {
        if (c == '\n' && !line.empty() && line.back() != ' ')
            line += ' ';
        else if (c != '\n')
            line += c;
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return CTextEscape::ControlCharacters(line);
}

std::vector<std::string> CCliArguments::SplitList(std::string_view list) {
    std::vector<std::string> items;
    for (;;) {
        const std::size_t comma = list.find(',');
        items.emplace_back(list.substr(0, comma));
        if (comma == std::string_view::npos)
            return items;
        list.remove_prefix(comma + 1);
    }
}

std::optional<std::vector<int>> CCliArguments::ParseFieldList(std::string_view list) {
    std::vector<int> fields;
    if (list.empty())
        return fields;
    for (const std::string& item : SplitList(list)) {
        int field = -1;
        const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), field);
        if (error != std::errc() || end != item.data() + item.size() ||
            !CFieldTable::IsWorkingField(field))
            return std::nullopt;
        fields.push_back(field);
    }
    return fields;
}
