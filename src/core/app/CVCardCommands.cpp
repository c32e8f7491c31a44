#include "core/app/CVCardCommands.h"

#include "core/app/CCsvCommands.h"
#include "core/app/CFileController.h"
#include "core/commands/CAddPersonalCommand.h"
#include "core/commands/CAddPersonalToGroupCommand.h"
#include "core/commands/CCommandGroup.h"
#include "core/commands/CGroupFinder.h"
#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"
#include "core/storage/CFileReader.h"
#include "core/storage/CSafeFileWriter.h"
#include "core/text/CTextCodec.h"
#include "core/text/CTextFormat.h"
#include "core/ui/CUserInterface.h"
#include "core/ui/CommandIds.h"
#include "core/vcard/CVCardReader.h"
#include "core/vcard/CVCardTexts.h"

#include <algorithm>
#include <set>
#include <unordered_map>

CVCardCommands::CVCardCommands(CAddressDoc& doc, CUserInterface& ui, CFileController& files,
                               const CFriendListView& list)
    : m_doc(doc), m_ui(ui), m_files(files), m_list(list) {}

bool CVCardCommands::HasCommand(int id) const {
    return id == ID_VCARD_IMPORT || id == ID_VCARD_EXPORT;
}

void CVCardCommands::OnCommand(int id) {
    if (id == ID_VCARD_IMPORT)
        OnImport();
    else if (id == ID_VCARD_EXPORT)
        OnExport();
}

CVCardSummary CVCardCommands::ImportCards(CAddressDoc& doc, CVCardImport& import, bool record) {
    import.Filter(doc.GetPersonList(), doc.GetDeletedList());
    CVCardSummary summary;
    summary.alreadyPresent = import.GetAlreadyPresent();
    summary.givenNewUid = import.GetGivenNewUid();
    auto composite = std::make_unique<CCommandGroup>();
    composite->SetName(CUndoTexts::VCARD_IMPORT);
    CGroupFinder groups(doc, *composite, summary.groupsCreated);
    std::vector<CPersonalData*> added;
    for (const CVCardPerson& card : import.GetPersons()) {
        std::array<std::string_view, CPersonalData::TEXT_COUNT> texts;
        std::copy(card.texts.begin(), card.texts.end(), texts.begin());
        CPersonalData* person = doc.NewPerson(texts, card.sex);
        if (card.uid)
            person->SetUid(*card.uid);
        groups.JoinAll(*person, card.groups);
        added.push_back(person);
        summary.movedToMemo += card.movedToMemo;
        summary.skippedValues += card.skippedValues;
    }
    // Members of group cards join their group: a person of this import before it is added, a
    // person of the book through a command of its own.
    std::vector<std::unique_ptr<CCommand>> joins;
    if (!import.GetGroupCards().empty()) {
        std::unordered_map<CUid, std::pair<CPersonalData*, bool>> byUid; // the person, if new
        for (CPersonalData* person : doc.GetPersonList())
            byUid.emplace(person->GetUid(), std::pair(person, false));
        for (CPersonalData* person : added)
            byUid.emplace(person->GetUid(), std::pair(person, true));
        std::set<std::pair<CPersonalData*, CGroup*>> joined;
        for (const CVCardGroupCard& card : import.GetGroupCards()) {
            CGroup* group = groups.Get(card.name);
            for (const CUid& uid : card.members) {
                const auto found = byUid.find(uid);
                if (found == byUid.end())
                    continue;
                const auto [person, isNew] = found->second;
                if (isNew)
                    CGroupFinder::Join(*person, group);
                else if (!person->IsMemberOf(group) && joined.emplace(person, group).second)
                    joins.push_back(std::make_unique<CAddPersonalToGroupCommand>(person, group));
            }
        }
    }
    for (CPersonalData* person : added)
        composite->AddCommand(std::make_unique<CAddPersonalCommand>(person));
    for (auto& join : joins)
        composite->AddCommand(std::move(join));
    summary.added = added.size();
    if (composite->GetCount() == 0)
        return summary;
    composite->Do(doc);
    doc.UpdateAllViews(nullptr, EHint::BulkAdded, {composite.get(), nullptr});
    doc.UpdateAllViews(nullptr, EHint::BulkComplete);
    if (record)
        doc.AddCommand(std::move(composite));
    return summary;
}

std::string CVCardCommands::ExportPersons(const std::vector<const CPersonalData*>& persons,
                                          EVCardVersion version, std::time_t now) {
    const CTextCodec codec;
    CVCardWriter writer(version, codec, now);
    writer.Reserve(persons.size() * CVCardWriter::EXPECTED_CARD_BYTES);
    for (const CPersonalData* person : persons)
        writer.WritePerson(*person);
    return writer.TakeText();
}

void CVCardCommands::OnImport() {
    const auto path = m_ui.GetOpenFileName();
    if (!path)
        return;
    std::string bytes;
    if (const CFileResult read = CFileReader::Read(*path, bytes); !read.ok) {
        m_ui.MessageBox(read.message, EMessageButtons::Ok, EMessageIcon::Warning);
        return;
    }
    CVCardReadResult read = CVCardReader::Read(bytes);
    if (read.badBytes) {
        if (m_ui.MessageBox(read.replaceQuestion, EMessageButtons::OkCancel,
                            EMessageIcon::Question) != EMessageResult::Ok)
            return;
        read = CVCardReader::Read(bytes, true);
    }
    if (!read.error.empty()) {
        m_ui.MessageBox(read.error, EMessageButtons::Ok, EMessageIcon::Warning);
        return;
    }
    const CTextCodec codec;
    CVCardImport import(read.cards);
    if (!import.Encode(codec, false)) {
        if (m_ui.MessageBox(CVCardImport::UnencodableQuestion(import.GetUnencodable()),
                            EMessageButtons::OkCancel,
                            EMessageIcon::Question) != EMessageResult::Ok)
            return;
        import = CVCardImport(read.cards);
        import.Encode(codec, true);
    }
    const EMessageResult where = m_ui.MessageBox(
        CVCardTexts::ADD_TO_OPEN_BOOK, EMessageButtons::YesNoCancel, EMessageIcon::Question);
    if (where == EMessageResult::Cancel)
        return;
    // A new book starts as "new" does, and stays untitled until its first save asks for a name.
    const bool newBook = where == EMessageResult::No;
    if (newBook) {
        if (!m_files.OnFileNew())
            return;
        m_files.SetMadeFrom(*path);
    }
    CVCardSummary summary = ImportCards(m_doc, import, !newBook);
    summary.TakeReadCounts(read);
    m_ui.MessageBox(CVCardImport::SummaryText(summary), EMessageButtons::Ok, EMessageIcon::None);
}

void CVCardCommands::OnExport() {
    const auto path = m_ui.GetSaveFileName(CVCardTexts::SUGGESTED_NAME);
    if (!path)
        return;
    const auto persons =
        CCsvCommands::ScopePersons(m_doc, m_list, CCsvCommands::ScopePreset(m_list));
    const std::string text = ExportPersons(persons, EVCardVersion::V30, std::time(nullptr));
    if (const CFileResult written = CSafeFileWriter::Write(*path, text, ELinkRule::WriteThrough,
                                                           nullptr, {}, m_files.GetPathName());
        !written.ok)
        m_ui.MessageBox(CTextFormat::Format(CVCardTexts::WRITE_FAILED, {written.message}),
                        EMessageButtons::Ok, EMessageIcon::Warning);
}
