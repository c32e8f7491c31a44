#pragma once

#include "core/ui/CCommandTarget.h"
#include "core/vcard/CVCardImport.h"
#include "core/vcard/CVCardWriter.h"

#include <ctime>
#include <string>
#include <vector>

class CAddressDoc;
class CFileController;
class CFriendListView;
class CPersonalData;
class CUserInterface;

// The document's vCard commands: the import, which adds the persons and groups of a vCard
// file to the open book as one undo step or makes a new book of them, and the export, which
// writes the persons the CSV export would (the selected rows, else the shown group, else all).
class CVCardCommands : public CCommandTarget {
public:
    CVCardCommands(CAddressDoc& doc, CUserInterface& ui, CFileController& files,
                   const CFriendListView& list);

    bool HasCommand(int id) const override;
    void OnCommand(int id) override;

    void OnImport();
    void OnExport();

    // Leaves out what the book has already, then adds the rest with the groups they need, done
    // as one composite and, when `record`, recorded so that one undo takes it all back.
    static CVCardSummary ImportCards(CAddressDoc& doc, CVCardImport& import, bool record);
    static std::string ExportPersons(const std::vector<const CPersonalData*>& persons,
                                     EVCardVersion version, std::time_t now);

private:
    CAddressDoc& m_doc;
    CUserInterface& m_ui;
    CFileController& m_files;
    const CFriendListView& m_list;
};
