#include "core/app/CCsvCommands.h"

#include "core/app/CFileController.h"
#include "core/commands/CAddPersonalCommand.h"
#include "core/commands/CCommandGroup.h"
#include "core/csv/CCSVExportModel.h"
#include "core/csv/CCSVReader.h"
#include "core/csv/CCSVWriter.h"
#include "core/csv/CCsvTexts.h"
#include "core/document/CAddressDoc.h"
#include "core/model/CFieldTable.h"
#include "core/settings/CProfile.h"
#include "core/text/CSharedTexts.h"
#include "core/text/CTextCodec.h"
#include "core/text/CTextFormat.h"
#include "core/ui/CCsvDialogs.h"
#include "core/ui/CUserInterface.h"
#include "core/ui/CommandIds.h"
#include "core/views/CFriendListView.h"

#include <algorithm>
#include <array>

namespace {
constexpr const char* SECTION = "CSV";
constexpr const char* KEY_ENCODING = "Encoding";
constexpr const char* KEY_HEADER = "Header";
constexpr const char* KEY_QUOTING = "Quoting";
} // namespace

CCsvCommands::CCsvCommands(CAddressDoc& doc, CUserInterface& ui, CCsvDialogs& dialogs,
                           CFileController& files, const CFriendListView& list, CProfile* profile)
    : m_doc(doc), m_ui(ui), m_dialogs(dialogs), m_files(files), m_list(list), m_pProfile(profile) {}

bool CCsvCommands::HasCommand(int id) const {
    return id == ID_CSV_IMPORT || id == ID_CSV_EXPORT;
}

void CCsvCommands::OnCommand(int id) {
    if (id == ID_CSV_IMPORT)
        OnImport();
    else if (id == ID_CSV_EXPORT)
        OnExport();
}

std::vector<std::string> CCsvCommands::FieldNames() {
    std::vector<std::string> names;
    for (int field = 0; field < CFieldTable::WORKING_FIELDS; ++field)
        names.emplace_back(CFieldTable::GetLabel(field));
    return names;
}

CCsvOptions CCsvCommands::LoadOptions(const CProfile& profile) {
    CCsvOptions options;
    const int encoding = profile.GetProfileInt(SECTION, KEY_ENCODING, 0);
    options.encoding =
        encoding >= 0 && encoding <= 2 ? static_cast<ECsvEncoding>(encoding) : ECsvEncoding::Auto;
    options.header = profile.GetProfileInt(SECTION, KEY_HEADER, 0) != 0;
    options.quoting = profile.GetProfileInt(SECTION, KEY_QUOTING, 0) == 1 ? ECsvQuoting::Rfc4180
                                                                          : ECsvQuoting::Plain;
    return options;
}

void CCsvCommands::SaveOptions(CProfile& profile, const CCsvOptions& options) {
    profile.WriteProfileInt(SECTION, KEY_ENCODING, static_cast<int>(options.encoding));
    profile.WriteProfileInt(SECTION, KEY_HEADER, options.header ? 1 : 0);
    profile.WriteProfileInt(SECTION, KEY_QUOTING, static_cast<int>(options.quoting));
}

void CCsvCommands::ImportRecords(CAddressDoc& doc, CCSVReader& reader, bool record,
                                 const std::function<void(int)>& progress) {
    constexpr int PROGRESS_STEP = 4096; // records between two reports
    auto composite = std::make_unique<CCommandGroup>();
    composite->SetName(CSharedTexts::CSV_IMPORT);
    while (const std::vector<std::string_view>* texts = reader.ReadRecord()) {
        if (progress && composite->GetCount() % PROGRESS_STEP == PROGRESS_STEP - 1)
            progress(reader.GetProgress());
        std::array<std::string_view, CPersonalData::TEXT_COUNT> fileTexts{};
        for (std::size_t field = 0; field < texts->size(); ++field)
            fileTexts[static_cast<std::size_t>(
                CPersonalData::TextOfField(static_cast<int>(field)))] = (*texts)[field];
        CPersonalData* person = doc.NewPerson(fileTexts, CPersonalData::SEX_NONE);
        composite->AddCommand(std::make_unique<CAddPersonalCommand>(person));
    }
    if (progress)
        progress(100);
    if (composite->GetCount() == 0)
        return;
    composite->Do(doc);
    doc.UpdateAllViews(nullptr, EHint::BulkAdded, {composite.get(), nullptr});
    doc.UpdateAllViews(nullptr, EHint::BulkComplete);
    if (record)
        doc.AddCommand(std::move(composite));
}

void CCsvCommands::OnImport() {
    const auto path = m_dialogs.GetOpenCsvFileName();
    if (!path)
        return;
    const CCsvOptions remembered = m_pProfile ? LoadOptions(*m_pProfile) : CCsvOptions();
    CCsvOptions options = remembered;
    CCSVReader reader(FieldNames());
    const bool opened = reader.Open(*path, m_ui, m_dialogs, options);
    if (m_pProfile && options != remembered)
        SaveOptions(*m_pProfile, options);
    if (!opened)
        return;
    // A new file starts as "new" does: the question about unsaved changes, then an untitled
    // book, whose first save asks for a name.
    if (reader.IsNewFile()) {
        if (!m_files.OnFileNew())
            return;
        m_files.SetMadeFrom(*path);
    }
    ImportRecords(m_doc, reader, !reader.IsNewFile(),
                  [this](int percent) { m_dialogs.ShowProgress(percent); });
    if (const auto joined = CCSVReader::JoinedMessage(reader.GetJoinedValues()))
        m_ui.MessageBox(*joined, EMessageButtons::Ok, EMessageIcon::None);
}

ECsvScope CCsvCommands::ScopePreset(const CFriendListView& list) {
    if (list.GetSelectedCount() > 0)
        return ECsvScope::Selected;
    const CGroupInfo* shown = list.GetGroupInfo();
    return shown && shown->IsGroup() ? ECsvScope::Group : ECsvScope::All;
}

std::vector<const CPersonalData*>
CCsvCommands::ScopePersons(const CAddressDoc& doc, const CFriendListView& list, ECsvScope scope) {
    const CGroupInfo* shown = list.GetGroupInfo();
    if (scope == ECsvScope::Group && (!shown || shown->IsAll()))
        scope = ECsvScope::All;
    std::vector<const CPersonalData*> persons;
    switch (scope) {
    case ECsvScope::Selected:
        for (const CPersonalData* person : list.GetSelectedPersons())
            persons.push_back(person);
        break;
    case ECsvScope::Group:
        if (shown->IsGroup() && shown->GetGroup()) {
            for (const CPersonalData* person : shown->GetGroup()->m_memberList)
                persons.push_back(person);
        }
        break;
    default:
        persons.assign(doc.GetPersonList().begin(), doc.GetPersonList().end());
        break;
    }
    return persons;
}

void CCsvCommands::OnExport() {
    CCSVWriter writer(FieldNames());
    writer.m_eScope = GetScopePreset();
    if (!writer.Open(m_dialogs, CTextCodec()))
        return;
    for (const CPersonalData* person : GetScopePersons(writer.m_eScope))
        writer.WritePerson(*person);
    if (const CFileResult written = writer.Close(m_files.GetPathName()); !written.ok)
        m_ui.MessageBox(CTextFormat::Format(CCsvTexts::OPEN_FAILED, {written.message}),
                        EMessageButtons::Ok, EMessageIcon::Warning);
    else if (const auto unsafe = CCSVWriter::UnsafeMessage(writer.GetUnsafeValues()))
        m_ui.MessageBox(*unsafe, EMessageButtons::Ok, EMessageIcon::None);
}
