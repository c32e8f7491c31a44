#pragma once

#include "core/settings/CProgramFiles.h"
#include "core/ui/CCommandTarget.h"

#include <functional>
#include <string>

class CUserInterface;

// The application's own commands, last in the command chain: the about box, the readme, the
// support page and leaving the program.
class CApplicationCommands : public CCommandTarget {
public:
    static constexpr const char* README_NAME = "readme.txt";
    static constexpr const char* SUPPORT_PAGE_NAME = "support.html";

    CApplicationCommands(CUserInterface& ui, CProgramFiles files);

    // The window shows the about box and closes itself; without them those commands are off.
    void SetAboutHandler(std::function<void()> handler) { m_about = std::move(handler); }
    void SetExitHandler(std::function<void()> handler) { m_exit = std::move(handler); }

    bool HasCommand(int id) const override;
    void OnCommand(int id) override;

    bool OpenReadme();
    bool OpenSupportPage();
    // The support page's address, also where it is missing, so the message can name it.
    std::string GetSupportPageUrl() const;

private:
    CUserInterface& m_ui;
    CProgramFiles m_files;
    std::function<void()> m_about;
    std::function<void()> m_exit;
};
