#include "cli/CFindCommand.h"

#include "cli/CCliArguments.h"
#include "cli/CCliTexts.h"
#include "cli/CCommandLine.h"
#include "cli/CLockedBook.h"
#include "cli/CStdout.h"
#include "core/dialogs/CUnsavableText.h"
#include "core/document/CAddressDoc.h"
#include "core/document/CDataFile.h"
#include "core/document/CJsonDump.h"
#include "core/find/CFindMatcher.h"
#include "core/find/CFindTexts.h"
#include "core/text/CSharedTexts.h"
#include "core/text/CTextCodec.h"

#include <algorithm>

namespace {
// The fields as a set: order and repeats do not change what is found.
std::optional<std::vector<int>> ParseFields(const std::optional<std::string>& list) {
    if (!list)
        return CCliArguments::AllFields();
    std::optional<std::vector<int>> fields = CCliArguments::ParseFieldList(*list);
    if (fields) {
        std::sort(fields->begin(), fields->end());
        fields->erase(std::unique(fields->begin(), fields->end()), fields->end());
    }
    return fields;
}
} // namespace

int CFindCommand::Run(const CCommandLine& commandLine) {
    const auto arguments =
        CCliArguments::Parse(commandLine.GetOptions(), 0, {"--ignore-case-width"}, {"--fields"});
    const auto fields = arguments ? ParseFields(arguments->Get("--fields")) : std::nullopt;
    if (!fields)
        return CCliArguments::UsageError(CCliTexts::USAGE_LINE);
    const std::string& file = commandLine.GetFiles()[0];
    const CEncodeResult text = CTextCodec().FromUtf8(commandLine.GetFiles()[1]);
    if (!text.ok())
        return CCliArguments::Report(
            CUnsavableText::MakeMessage(CSharedTexts::FIND_TEXT, text.unmappable));
    if (text.text.empty())
        return CCliArguments::Report(CFindTexts::NO_TEXT);
    if (fields->empty())
        return CCliArguments::Report(CFindTexts::NO_FIELD);
    CAddressDoc doc;
    if (const CFileResult loaded = CLockedBook::LoadUnlocked(doc, file); !loaded.ok)
        return CCliArguments::Report(loaded.message);
    const CFindMatcher matcher(text.text, *fields, arguments->Has("--ignore-case-width"));
    std::vector<std::size_t> hits;
    std::size_t index = 0;
    for (const CPersonalData* person : doc.GetPersonList()) {
        if (matcher.Matches(*person))
            hits.push_back(index);
        ++index;
    }
    CStdout out;
    CJsonDump::DumpPersons(doc, hits, [&out](std::string_view piece) { out.Write(piece); });
    return out.Finish();
}
