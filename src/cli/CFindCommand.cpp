#include "cli/CFindCommand.h"
#include "cli/CCliArguments.h"

#include "core/dialogs/CUnsavableText.h"
#include "core/document/CAddressDoc.h"
#include "core/find/CFindMatcher.h"
#include "core/find/CFindTexts.h"
#include "core/storage/CDataFile.h"
#include "core/text/CSharedTexts.h"
#include "core/text/CTextCodec.h"

#include <algorithm>

namespace {
constexpr std::string_view FIELDS_OPTION = "--fields";
constexpr std::string_view IGNORE_OPTION = "--ignore-case-width";

CFileResult Failure(std::string message) {
    return {false, std::move(message), 0};
}
} // namespace

std::optional<CFindCommand> CFindCommand::Parse(std::string file, std::string text,
                                                const std::vector<std::string>& options) {
    CFindCommand command(std::move(file), std::move(text));
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options[i] == IGNORE_OPTION) {
            command.m_bIgnoreCaseWidth = true;
        } else if (options[i] == FIELDS_OPTION && i + 1 < options.size()) {
            std::optional<std::vector<int>> fields = ParseFields(options[++i]);
            if (!fields)
                return std::nullopt;
            command.m_fields = std::move(*fields);
        } else {
            return std::nullopt;
        }
    }
    return command;
}

// The fields as a set: order and repeats do not change what is found.
std::optional<std::vector<int>> CFindCommand::ParseFields(const std::string& list) {
    std::optional<std::vector<int>> fields = CCliArguments::ParseFieldList(list);
    if (fields) {
        std::sort(fields->begin(), fields->end());
        fields->erase(std::unique(fields->begin(), fields->end()), fields->end());
    }
    return fields;
}

CFileResult CFindCommand::Run(const CJsonDump::CSink& sink) const {
    const CEncodeResult text = CTextCodec().FromUtf8(m_strText);
    if (!text.ok())
        return Failure(CUnsavableText::MakeMessage(CSharedTexts::FIND_TEXT, text.unmappable));
    if (text.text.empty())
        return Failure(CFindTexts::NO_TEXT);
    if (m_fields.empty())
        return Failure(CFindTexts::NO_FIELD);
    CAddressDoc doc;
    if (CFileResult loaded = CDataFile::Load(doc, m_strFile); !loaded.ok)
        return loaded;
    const CFindMatcher matcher(text.text, m_fields, m_bIgnoreCaseWidth);
    std::vector<std::size_t> hits;
    std::size_t index = 0;
    for (const CPersonalData* person : doc.GetPersonList()) {
        if (matcher.Matches(*person))
            hits.push_back(index);
        ++index;
    }
    CJsonDump::DumpPersons(doc, hits, sink);
    return {true, {}, 0};
}
