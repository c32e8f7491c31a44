#include "cli/CMailAddressesCommand.h"

#include "cli/CCliArguments.h"
#include "cli/CCliTexts.h"
#include "core/text/CTextFormat.h"

#include "core/document/CAddressDoc.h"
#include "core/mail/CMailAddressText.h"
#include "core/model/CFieldTable.h"
#include "core/storage/CDataFile.h"
#include "core/text/CTextCodec.h"
#include "core/text/CTextEscape.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {
struct COptions {
    std::string file;
    std::optional<std::string> group;
    int field = CFieldTable::FIELD_EMAIL1;
    std::string separator = ";";
    bool label = false;
};

std::optional<COptions> ParseOptions(const std::vector<std::string>& args) {
    COptions options;
    bool haveFile = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--label") {
            options.label = true;
        } else if (arg == "--group" && hasValue) {
            options.group = args[++i];
        } else if (arg == "--separator" && hasValue) {
            options.separator = args[++i];
        } else if (arg == "--field" && hasValue && (args[i + 1] == "1" || args[i + 1] == "2")) {
            options.field =
                args[++i] == "2" ? CFieldTable::FIELD_EMAIL2 : CFieldTable::FIELD_EMAIL1;
        } else if (!arg.starts_with("--") && !haveFile) {
            options.file = arg;
            haveFile = true;
        } else {
            return std::nullopt;
        }
    }
    if (!haveFile)
        return std::nullopt;
    return options;
}

int Fail(const std::string& message) {
    return CCliArguments::Report(message, CMailAddressesCommand::EXIT_FAILED);
}

// Texts from the command line are UTF-8; the address book keeps CP932.
std::optional<std::string> ToCp932(const CTextCodec& codec, const std::string& utf8) {
    CEncodeResult encoded = codec.FromUtf8(utf8);
    if (!encoded.ok())
        return std::nullopt;
    return std::move(encoded.text);
}

const CGroup* FindGroup(const CAddressDoc& doc, const std::string& name) {
    const auto& groups = doc.GetGroupList();
    const auto it = std::find_if(groups.begin(), groups.end(), [&name](const CGroup* group) {
        return group->m_strGroupName == name;
    });
    return it != groups.end() ? *it : nullptr;
}
} // namespace

int CMailAddressesCommand::Run(const std::vector<std::string>& args) {
    const auto options = ParseOptions(args);
    if (!options)
        return CCliArguments::UsageError(CCliTexts::USAGE_LINE);
    const CTextCodec codec;
    const auto separator = ToCp932(codec, options->separator);
    if (!separator)
        return Fail(CCliTexts::SEPARATOR_UNENCODABLE);
    CAddressDoc doc;
    const CFileResult loaded = CDataFile::Load(doc, options->file);
    if (!loaded.ok)
        return Fail(loaded.message);

    std::vector<CPersonalData*> persons;
    if (options->group) {
        const auto name = ToCp932(codec, *options->group);
        const CGroup* group = name ? FindGroup(doc, *name) : nullptr;
        if (!group)
            return Fail(CTextFormat::Format(CCliTexts::NO_GROUP,
                                            {CTextEscape::ControlCharacters(*options->group)}));
        persons.assign(group->m_memberList.begin(), group->m_memberList.end());
    } else {
        persons.assign(doc.GetPersonList().begin(), doc.GetPersonList().end());
    }

    const auto text = CMailAddressText::Build(persons, options->field, *separator);
    if (!text)
        return EXIT_OK;
    const std::string out =
        codec.ToUtf8(options->label ? text->m_strLabel : text->m_strAddress) + "\n";
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0)
        return Fail(CCliTexts::STDOUT_FAILED);
    return EXIT_OK;
}
