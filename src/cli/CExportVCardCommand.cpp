#include "cli/CExportVCardCommand.h"

#include "cli/CCliArguments.h"
#include "cli/CCliTexts.h"
#include "cli/CCommandLine.h"
#include "cli/CExportTarget.h"
#include "cli/CStdout.h"
#include "core/app/CVCardCommands.h"
#include "core/document/CAddressDoc.h"
#include "core/storage/CDataFile.h"
#include "core/storage/CSafeFileWriter.h"
#include "core/text/CTextCodec.h"
#include "core/text/CTextEscape.h"
#include "core/text/CTextFormat.h"

#include <algorithm>

namespace {
// The first group of that name, as export-csv finds it; nothing when the book has none.
const CGroup* FindGroup(const CAddressDoc& doc, const std::string& cp932) {
    const auto& groups = doc.GetGroupList();
    const auto found = std::find_if(groups.begin(), groups.end(), [&](const CGroup* group) {
        return group->m_strGroupName.View() == cp932;
    });
    return found == groups.end() ? nullptr : *found;
}
} // namespace

int CExportVCardCommand::Run(const CCommandLine& commandLine) {
    const auto arguments = CCliArguments::Parse(commandLine.GetWords(), 1, {"--force"},
                                                {"--group", "--version", "--output"});
    if (!arguments)
        return CCliArguments::UsageError(CCliTexts::EXPORT_VCARD_USAGE);
    const std::string version = arguments->Get("--version").value_or("3.0");
    if (version != "3.0" && version != "4.0")
        return CCliArguments::UsageError(CTextFormat::Format(
            CCliTexts::VCARD_VERSION, {CTextEscape::ControlCharacters(version)}));
    const std::string& file = arguments->GetFile(0);
    if (const auto output = arguments->Get("--output")) {
        if (const auto refusal = CExportTarget::Refusal(file, *output, arguments->Has("--force")))
            return CCliArguments::Report(*refusal);
    }
    CAddressDoc doc;
    if (const CFileResult loaded = CDataFile::Load(doc, file); !loaded.ok)
        return CCliArguments::Report(loaded.message);
    std::vector<const CPersonalData*> persons;
    if (const auto name = arguments->Get("--group")) {
        const CEncodeResult encoded = CTextCodec().FromUtf8(*name);
        const CGroup* group = encoded.ok() ? FindGroup(doc, encoded.text) : nullptr;
        if (!group)
            return CCliArguments::Report(CTextFormat::Format(
                CCliTexts::NO_GROUP_IN_FILE,
                {CTextEscape::Path(file), CTextEscape::ControlCharacters(*name)}));
        persons.assign(group->m_memberList.begin(), group->m_memberList.end());
    } else {
        persons.assign(doc.GetPersonList().begin(), doc.GetPersonList().end());
    }
    const std::string text = CVCardCommands::ExportPersons(
        persons, version == "4.0" ? EVCardVersion::V40 : EVCardVersion::V30, std::time(nullptr));
    if (const auto output = arguments->Get("--output")) {
        if (const CFileResult written =
                CSafeFileWriter::Write(*output, text, ELinkRule::WriteThrough, nullptr, {}, file);
            !written.ok)
            return CCliArguments::Report(written.message);
        return CCliArguments::EXIT_OK;
    }
    CStdout out;
    out.Write(text);
    return out.Finish();
}
