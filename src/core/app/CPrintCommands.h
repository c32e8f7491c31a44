#pragma once

#include "core/ui/CCommandTarget.h"

#include <string>
#include <vector>

class CAddressDoc;
class CFriendListView;
class CPersonalData;
class CPrintDialogs;
class CProfile;

// Printing: the postcards' address sides for the selected persons (or everyone the list shows)
// through their preview, the sender chosen for them, and the person list on paper through the
// print dialog, its preview and the page setup. The postcard choices are remembered in the
// settings when the preview closes.
class CPrintCommands : public CCommandTarget {
public:
    CPrintCommands(CAddressDoc& doc, const CFriendListView& list, CPrintDialogs& dialogs,
                   CProfile& profile);

    bool HasCommand(int id) const override;
    void OnUpdateCommand(int id, CCmdUI& ui) override;
    void OnCommand(int id) override;

    // The selected persons, else every person the list shows, in the list's order.
    std::vector<const CPersonalData*> GetPostcardPersons() const;
    // Today as the printed list's header gives it.
    static std::string Today();

private:
    void OnPostcards();
    void OnSetSender();
    void OnPrintList(bool preview);

    CAddressDoc& m_doc;
    const CFriendListView& m_list;
    CPrintDialogs& m_dialogs;
    CProfile& m_profile;
};
