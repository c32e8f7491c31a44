#pragma once

#include "core/document/CDocView.h"
#include "core/mail/CMailSettings.h"
#include "core/mail/CRecentAddresses.h"
#include "core/text/CTextCodec.h"
#include "core/ui/CCommandTarget.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CAddressDoc;
class CMailDialogs;
class CPersonalData;
class CProfile;
class CUserInterface;

// Writes mail: joins the chosen persons' addresses, remembers the use and hands the addresses
// to the mail program or the clipboard. It also keeps the recent-address list, which belongs
// to the running program rather than to any address book, and runs its dialog.
class CMailer : public CCommandTarget, public CDocView {
public:
    // Beyond this many bytes a mailto: link may not reach the mail program whole.
    static constexpr std::size_t LONG_LINK_BYTES = 32000;

    // An empty `recentFile` keeps the list in memory only.
    CMailer(CUserInterface& ui, std::filesystem::path recentFile);
    ~CMailer() override;
    CMailer(const CMailer&) = delete;
    CMailer& operator=(const CMailer&) = delete;

    // The recent addresses outlive every address book: they are kept whenever `doc` lets one
    // go. Null stops listening.
    void ListenTo(CAddressDoc* doc);
    void OnUpdate(CDocView* sender, EHint hint, const CHintObject& object) override;

    // The window runs the recent-address dialog; without it command 32811 is off.
    void SetDialogs(CMailDialogs* dialogs) { m_pDialogs = dialogs; }

    bool HasCommand(int id) const override;
    void OnUpdateCommand(int id, CCmdUI& ui) override;
    void OnCommand(int id) override;

    // The settings, then the list, as at start.
    void Load(const CProfile& profile);
    void SaveSettings(CProfile& profile) const;
    void LoadRecentAddresses();
    // Silent: a list that cannot be written is simply not kept. A list the file already holds
    // is not written again, so opening address books costs no writes.
    void SaveRecentAddresses();

    // Field e-mail (2) for command 32810, e-mail (1) for 32809.
    static int FieldOfCommand(int id);
    // `field` is the field number of e-mail (1) or e-mail (2).
    void WriteMail(const std::vector<CPersonalData*>& persons, int field);
    void RememberAddresses(std::string_view address, std::string_view label);
    void TrimRecentAddresses();
    void DeliverAddresses(const std::string& address);
    // A clipboard that refuses the text is not reported: the user sees what is on it.
    void CopyTextToClipboard(std::string_view address);
    void OnRecentAddresses();

    CMailSettings& GetSettings() { return m_settings; }
    const CMailSettings& GetSettings() const { return m_settings; }
    CRecentAddresses& GetRecentAddresses() { return m_recent; }
    const CRecentAddresses& GetRecentAddresses() const { return m_recent; }

private:
    CUserInterface& m_ui;
    CAddressDoc* m_pDoc = nullptr;
    std::filesystem::path m_recentFile;
    CMailDialogs* m_pDialogs = nullptr;
    CMailSettings m_settings;
    CRecentAddresses m_recent;
    // What the file holds as far as this run knows; nothing before the first load or save.
    std::optional<std::vector<std::string>> m_fileStrings;
    CTextCodec m_codec;
};
