#include "cli/CExportVCardCommand.h"

#include "cli/CCliArguments.h"
#include "cli/CCliPersons.h"
#include "cli/CCliTexts.h"
#include "cli/CCommandLine.h"
#include "cli/CExportTarget.h"
#include "cli/CStdout.h"
#include "core/document/CDataFile.h"
#include "core/document/CDataFileReader.h"
#include "core/document/CIdentityFile.h"
#include "core/storage/CRecordVisitor.h"
#include "core/storage/CSafeFileWriter.h"
#include "core/text/CTextCodec.h"
#include "core/text/CTextEscape.h"
#include "core/text/CTextFormat.h"
#include "core/vcard/CVCardWriter.h"

#include <algorithm>
#include <ctime>

namespace {
// Keeps the records as views into the file's bytes: the UIDs need every person's texts before
// the first card is written. Like export-csv, it reads no document.
class CRecordKeeper : public CRecordVisitor {
public:
    explicit CRecordKeeper(std::optional<std::string> group) : m_group(std::move(group)) {}

    void OnPersonCount(std::uint32_t count) override {
        m_texts.reserve(count);
        m_persons.reserve(count);
    }
    void OnGroup(std::string_view name) override {
        if (m_group && m_nGroup < 0 && name == *m_group)
            m_nGroup = static_cast<std::int32_t>(m_names.size());
        m_names.push_back(name);
    }
    void OnPerson(const CTexts& texts, int sex, std::span<const std::int32_t> groups) override {
        m_texts.push_back(texts);
        m_persons.push_back({sex, {groups.begin(), groups.end()}});
    }

    bool FoundGroup() const { return !m_group || m_nGroup >= 0; }
    const std::vector<CTexts>& GetTexts() const { return m_texts; }

    // The cards of every person, or of the members of the chosen group, in file order.
    void WriteCards(CVCardWriter& writer, const std::vector<CUid>& uids) const {
        std::vector<std::string_view> names;
        for (std::size_t i = 0; i < m_persons.size(); ++i) {
            const auto& groups = m_persons[i].groups;
            if (m_group && std::find(groups.begin(), groups.end(), m_nGroup) == groups.end())
                continue;
            names.clear();
            for (const std::int32_t serial : groups)
                names.push_back(m_names[static_cast<std::size_t>(serial)]);
            writer.Write(m_texts[i], m_persons[i].sex, names, uids[i]);
        }
    }

private:
    struct CPerson {
        int sex = 0;
        std::vector<std::int32_t> groups;
    };

    std::optional<std::string> m_group;
    std::int32_t m_nGroup = -1;
    std::vector<std::string_view> m_names;
    std::vector<CTexts> m_texts;
    std::vector<CPerson> m_persons;
};
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

    const CTextCodec codec;
    const std::optional<std::string> group =
        CCliPersons::GroupName(arguments->Get("--group"), codec);
    std::string bytes;
    if (const CFileResult read = CDataFile::ReadBytes(file, bytes); !read.ok)
        return CCliArguments::Report(read.message);
    CRecordKeeper records(group);
    if (const auto error = CDataFileReader::Visit(bytes, records))
        return CCliArguments::Report(CDataFile::Damaged(file, *error).message);
    if (!records.FoundGroup())
        return CCliArguments::Report(CTextFormat::Format(
            CCliTexts::NO_GROUP_IN_FILE,
            {CTextEscape::Path(file),
             CTextEscape::ControlCharacters(arguments->Get("--group").value_or(""))}));

    CVCardWriter writer(version == "4.0" ? EVCardVersion::V40 : EVCardVersion::V30, codec,
                        std::time(nullptr));
    writer.Reserve(records.GetTexts().size() * CVCardWriter::EXPECTED_CARD_BYTES);
    const CIdentities identities = CIdentityFile::Read(file, bytes, records.GetTexts());
    CCliArguments::Warn(CIdentityFile::Warning(file, identities));
    records.WriteCards(writer, identities.uids);
    if (const auto output = arguments->Get("--output")) {
        if (const CFileResult written = CSafeFileWriter::Write(
                *output, writer.GetText(), ELinkRule::WriteThrough, nullptr, {}, file);
            !written.ok)
            return CCliArguments::Report(written.message);
        return CCliArguments::EXIT_OK;
    }
    CStdout out;
    out.Write(writer.GetText());
    return out.Finish();
}
