#include "cli/CMailAddressesCommand.h"

#include "cli/CCliArguments.h"
#include "cli/CCliPersons.h"
#include "cli/CCliTexts.h"
#include "cli/CCommandLine.h"
#include "cli/CLockedBook.h"
#include "cli/CStdout.h"
#include "core/document/CAddressDoc.h"
#include "core/document/CDataFile.h"
#include "core/mail/CMailAddressText.h"
#include "core/model/CFieldTable.h"
#include "core/text/CTextCodec.h"
#include "core/text/CTextEscape.h"
#include "core/text/CTextFormat.h"

#include <optional>

namespace {
struct COptions {
    std::string file;
    std::optional<std::string> group;
    int field = CFieldTable::FIELD_EMAIL1;
    std::string separator = ";";
    bool label = false;
};

std::optional<COptions> ParseOptions(const CCommandLine& commandLine) {
    const auto arguments = CCliArguments::Parse(commandLine.GetWords(), 1, {"--label"},
                                                {"--group", "--separator", "--field"});
    const std::string field = arguments ? arguments->Get("--field").value_or("1") : "";
    if (field != "1" && field != "2")
        return std::nullopt;
    COptions options;
    options.file = arguments->GetFile(0);
    options.group = arguments->Get("--group");
    options.field = field == "2" ? CFieldTable::FIELD_EMAIL2 : CFieldTable::FIELD_EMAIL1;
    options.separator = arguments->Get("--separator").value_or(";");
    options.label = arguments->Has("--label");
    return options;
}

int Fail(const std::string& message) {
    return CCliArguments::Report(message);
}

// Texts from the command line are UTF-8; the address book keeps CP932.
std::optional<std::string> ToCp932(const CTextCodec& codec, const std::string& utf8) {
    CEncodeResult encoded = codec.FromUtf8(utf8);
    if (!encoded.ok())
        return std::nullopt;
    return std::move(encoded.text);
}

} // namespace

int CMailAddressesCommand::Run(const CCommandLine& commandLine) {
    const auto options = ParseOptions(commandLine);
    if (!options)
        return CCliArguments::UsageError(CCliTexts::USAGE_LINE);
    const CTextCodec codec;
    const auto separator = ToCp932(codec, options->separator);
    if (!separator)
        return Fail(CCliTexts::SEPARATOR_UNENCODABLE);
    CAddressDoc doc;
    const CFileResult loaded = CLockedBook::LoadUnlocked(doc, options->file);
    if (!loaded.ok)
        return Fail(loaded.message);

    const auto persons = CCliPersons::Select(doc, codec, options->group);
    if (!persons)
        return Fail(CTextFormat::Format(CCliTexts::NO_GROUP,
                                        {CTextEscape::ControlCharacters(*options->group)}));

    const auto text = CMailAddressText::Build(*persons, options->field, *separator);
    if (!text)
        return CCliArguments::EXIT_OK;
    CStdout out;
    out.Write(codec.ToUtf8(options->label ? text->m_strLabel : text->m_strAddress) + "\n");
    return out.Finish();
}
