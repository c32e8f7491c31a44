#include "cli/CCommandLine.h"

#include "cli/CCliTexts.h"

namespace {
struct CCommandForm {
    std::string_view name;
    ECliCommand command;
    std::size_t fileCount; // positional arguments, the search text included
    bool takesOptions = false;
};

constexpr CCommandForm COMMANDS[] = {
    {"dump", ECliCommand::Dump, 1},
    {"copy", ECliCommand::Copy, 2},
    {"find", ECliCommand::Find, 2, true},
    {"mail-addresses", ECliCommand::MailAddresses, 1, true},
    {"export-csv", ECliCommand::ExportCsv, 1, true},
    {"import-csv", ECliCommand::ImportCsv, 2, true},
    {"duplicates", ECliCommand::Duplicates, 1},
    {"merge", ECliCommand::Merge, 1, true},
    {"postcards", ECliCommand::Postcards, 1, true},
    {"import-vcard", ECliCommand::ImportVCard, 2, true},
    {"export-vcard", ECliCommand::ExportVCard, 1, true},
    {"sync", ECliCommand::Sync, 2, true},
    {"set", ECliCommand::Set, 2, true},
    {"delete", ECliCommand::Delete, 2},
};
} // namespace

std::optional<CCommandLine> CCommandLine::Parse(const std::vector<std::string_view>& args) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h"))
        return CCommandLine(ECliCommand::Help, {});
    if (args.empty())
        return std::nullopt;
    for (const CCommandForm& form : COMMANDS) {
        const std::size_t positional = form.fileCount + 1;
        if (args[0] != form.name || args.size() < positional ||
            (args.size() > positional && !form.takesOptions))
            continue;
        const auto options = args.begin() + static_cast<std::ptrdiff_t>(positional);
        return CCommandLine(form.command, std::vector<std::string>(args.begin() + 1, options),
                            std::vector<std::string>(options, args.end()));
    }
    return std::nullopt;
}

std::vector<std::string> CCommandLine::GetWords() const {
    std::vector<std::string> words = m_files;
    words.insert(words.end(), m_options.begin(), m_options.end());
    return words;
}

std::string CCommandLine::Usage() {
    return CCliTexts::USAGE;
}
