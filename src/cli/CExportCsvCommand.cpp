#include "cli/CExportCsvCommand.h"

#include "cli/CCliArguments.h"
#include "cli/CCliPersons.h"
#include "cli/CCliTexts.h"
#include "cli/CCommandLine.h"
#include "cli/CExportTarget.h"
#include "cli/CStdout.h"
#include "core/csv/CCSVWriter.h"
#include "core/document/CDataFile.h"
#include "core/document/CDataFileReader.h"
#include "core/model/CFieldTable.h"
#include "core/storage/CRecordVisitor.h"
#include "core/text/CTextCodec.h"
#include "core/text/CTextEscape.h"
#include "core/text/CTextFormat.h"

#include <algorithm>
#include <cstdio>

namespace {
// Writes each person the file holds, or only the members of one group, in file order, which
// is the order of the persons and of every group's members once the file is open.
class CCsvExportVisitor : public CRecordVisitor {
public:
    CCsvExportVisitor(CCSVWriter& writer, std::optional<std::string> group)
        : m_writer(writer), m_group(std::move(group)) {}

    void OnGroup(std::string_view name) override {
        if (m_group && m_nGroup < 0 && name == *m_group)
            m_nGroup = m_nGroups;
        ++m_nGroups;
    }

    void OnPerson(const CTexts& texts, int /*sex*/, std::span<const std::int32_t> groups) override {
        if (!m_group || std::find(groups.begin(), groups.end(), m_nGroup) != groups.end())
            m_writer.WriteTexts(texts);
    }

    bool FoundGroup() const { return !m_group || m_nGroup >= 0; }

private:
    CCSVWriter& m_writer;
    std::optional<std::string> m_group;
    std::int32_t m_nGroup = -1;
    std::int32_t m_nGroups = 0;
};

// The converter shows each byte sequence that is not code page 932 as U+FFFD, which code page
// 932 itself never holds.
std::size_t CountReplaced(std::string_view utf8) {
    constexpr std::string_view REPLACEMENT = "\xEF\xBF\xBD";
    std::size_t count = 0;
    for (std::size_t at = utf8.find(REPLACEMENT); at != std::string_view::npos;
         at = utf8.find(REPLACEMENT, at + REPLACEMENT.size()))
        ++count;
    return count;
}

// What the export says beside the file: values the chosen format cannot keep, bytes that were
// no text.
void ReportNotes(const CCSVWriter& writer, std::size_t replaced) {
    if (const auto unsafe = CCSVWriter::UnsafeMessage(writer.GetUnsafeValues()))
        CCliArguments::Report(*unsafe, CCliArguments::EXIT_OK);
    if (replaced > 0)
        CCliArguments::Report(
            CTextFormat::Format(CCliTexts::INVALID_CP932, {std::to_string(replaced)}),
            CCliArguments::EXIT_OK);
}
} // namespace

int CExportCsvCommand::Run(const CCommandLine& commandLine) {
    const auto arguments =
        CCliArguments::Parse(commandLine.GetWords(), 1, {"--rfc4180", "--header", "--force"},
                             {"--fields", "--group", "--encoding", "--output"});
    if (!arguments)
        return CCliArguments::UsageError(CCliTexts::EXPORT_CSV_USAGE);
    const std::string encoding = arguments->Get("--encoding").value_or("cp932");
    if (encoding != "cp932" && encoding != "utf-8")
        return CCliArguments::UsageError(CTextFormat::Format(
            CCliTexts::EXPORT_ENCODING, {CTextEscape::ControlCharacters(encoding)}));
    const auto fields = arguments->Get("--fields")
                            ? CCliArguments::ParseFieldList(*arguments->Get("--fields"))
                            : std::optional(CCliArguments::AllFields());
    if (!fields || fields->empty())
        return CCliArguments::UsageError(CCliTexts::FIELDS_FORMAT);

    const std::string& file = arguments->GetFile(0);
    if (const auto output = arguments->Get("--output")) {
        if (const auto refusal = CExportTarget::Refusal(file, *output, arguments->Has("--force")))
            return CCliArguments::Report(*refusal);
    }

    const CTextCodec codec;
    const std::optional<std::string> group =
        CCliPersons::GroupName(arguments->Get("--group"), codec);

    std::string bytes;
    if (const CFileResult read = CDataFile::ReadBytes(file, bytes); !read.ok)
        return CCliArguments::Report(read.message);
    CCSVWriter writer({});
    writer.SetColumnOrder(*fields);
    writer.SetRfc4180(arguments->Has("--rfc4180"));
    if (arguments->Has("--header"))
        writer.WriteHeader(codec);
    CCsvExportVisitor visitor(writer, group);
    if (const auto error = CDataFileReader::Visit(bytes, visitor))
        return CCliArguments::Report(CDataFile::Damaged(file, *error).message);
    std::string().swap(bytes);
    if (!visitor.FoundGroup())
        return CCliArguments::Report(CTextFormat::Format(
            CCliTexts::NO_GROUP_IN_FILE,
            {CTextEscape::Path(file),
             CTextEscape::ControlCharacters(arguments->Get("--group").value_or(""))}));

    const bool utf8 = encoding == "utf-8";
    const std::string text = utf8 ? codec.ToUtf8(writer.GetText()) : writer.GetText();
    if (const auto output = arguments->Get("--output")) {
        if (const CFileResult written = CCSVWriter::WriteFile(*output, text, file); !written.ok)
            return CCliArguments::Report(written.message);
    } else {
        CStdout out;
        out.Write(text);
        if (const int code = out.Finish(); code != CCliArguments::EXIT_OK)
            return code;
    }
    ReportNotes(writer, utf8 ? CountReplaced(text) : 0);
    return CCliArguments::EXIT_OK;
}
