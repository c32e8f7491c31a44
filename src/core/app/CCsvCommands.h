#pragma once

#include "core/csv/CCsvOptions.h"
#include "core/ui/CCommandTarget.h"

#include <functional>
#include <string>
#include <vector>

class CAddressDoc;
class CCSVReader;
class CCsvDialogs;
class CFileController;
class CFriendListView;
class CPersonalData;
class CProfile;
class CUserInterface;

// The document's CSV commands: the import (32812), which makes every line of a file a person in
// a new file or in the open one, and the export (32813), which writes the chosen persons' chosen
// fields. The import's choices of how to read a file are remembered in the settings.
class CCsvCommands : public CCommandTarget {
public:
    CCsvCommands(CAddressDoc& doc, CUserInterface& ui, CCsvDialogs& dialogs, CFileController& files,
                 const CFriendListView& list, CProfile* profile);

    bool HasCommand(int id) const override;
    void OnCommand(int id) override;

    void OnImport();
    void OnExport();

    // The persons the import adds, done as one composite and, for the open file, recorded so
    // that one undo takes them all back.
    // `progress` hears how far the reading has come (0 to 100) now and then.
    static void ImportRecords(CAddressDoc& doc, CCSVReader& reader, bool record,
                              const std::function<void(int)>& progress = {});
    // The scope the export dialog opens with: the selected rows, else the shown group, else all.
    ECsvScope GetScopePreset() const { return ScopePreset(m_list); }
    // The persons a scope writes, in the order they are written.
    std::vector<const CPersonalData*> GetScopePersons(ECsvScope scope) const {
        return ScopePersons(m_doc, m_list, scope);
    }
    // The same for any export of the persons the list shows.
    static ECsvScope ScopePreset(const CFriendListView& list);
    static std::vector<const CPersonalData*>
    ScopePersons(const CAddressDoc& doc, const CFriendListView& list, ECsvScope scope);

    static std::vector<std::string> FieldNames();
    static CCsvOptions LoadOptions(const CProfile& profile);
    static void SaveOptions(CProfile& profile, const CCsvOptions& options);

private:
    CAddressDoc& m_doc;
    CUserInterface& m_ui;
    CCsvDialogs& m_dialogs;
    CFileController& m_files;
    const CFriendListView& m_list;
    CProfile* m_pProfile;
};
