#pragma once

#include "core/ui/CCommandTarget.h"

#include <functional>

class CFriendListView;
class CFriendTreeView;
class CMailDialogs;
class CMailer;
class COptionSheetModel;
class CUserInterface;
struct COptionValues;

// The options command: fills the option sheet from the mail settings and both views, shows it
// and, unless it was cancelled, applies what it gives back.
class COptionsCommand : public CCommandTarget {
public:
    // Without a mailer there are no mail settings to show, and the command is off.
    COptionsCommand(CMailer* mailer, CFriendTreeView& tree, CFriendListView& list,
                    CUserInterface& ui, CMailDialogs& dialogs);

    // The sheet's column reset reaches the main window through here.
    void SetCommandSender(std::function<void(int)> sender) { m_sendCommand = std::move(sender); }
    // Told after new colours were applied, so that both panes repaint.
    void SetRepaintHandler(std::function<void()> handler) { m_repaint = std::move(handler); }

    bool HasCommand(int id) const override;
    void OnCommand(int id) override;

    // True when the sheet ended with OK and its values were applied.
    bool OnOptions();
    COptionValues LoadValues() const;
    void ApplyValues(const COptionValues& values);

private:
    CMailer* m_pMailer;
    CFriendTreeView& m_tree;
    CFriendListView& m_list;
    CUserInterface& m_ui;
    CMailDialogs& m_dialogs;
    std::function<void(int)> m_sendCommand;
    std::function<void()> m_repaint;
};
