#include "core/app/CApplicationCommands.h"

#include "core/text/CTextFormat.h"
#include "core/ui/CUiTexts.h"
#include "core/ui/CUserInterface.h"
#include "core/ui/CommandIds.h"

CApplicationCommands::CApplicationCommands(CUserInterface& ui, CProgramFiles files)
    : m_ui(ui), m_files(std::move(files)) {}

bool CApplicationCommands::HasCommand(int id) const {
    switch (id) {
    case ID_README:
    case ID_SUPPORT_PAGE:
        return true;
    case ID_APP_ABOUT:
        return static_cast<bool>(m_about);
    case ID_APP_EXIT:
        return static_cast<bool>(m_exit);
    default:
        return false;
    }
}

void CApplicationCommands::OnCommand(int id) {
    switch (id) {
    case ID_README:
        OpenReadme();
        break;
    case ID_SUPPORT_PAGE:
        OpenSupportPage();
        break;
    case ID_APP_ABOUT:
        if (m_about)
            m_about();
        break;
    case ID_APP_EXIT:
        if (m_exit)
            m_exit();
        break;
    default:
        break;
    }
}

bool CApplicationCommands::OpenReadme() {
    const auto readme = m_files.Find(README_NAME);
    if (readme && m_ui.OpenUrl(CProgramFiles::ToFileUrl(*readme)))
        return true;
    const std::string path = (readme ? *readme : m_files.GetExpectedPath(README_NAME)).string();
    m_ui.MessageBox(CTextFormat::Format(CUiTexts::README_FAILED, {path}), EMessageButtons::Ok,
                    EMessageIcon::Warning);
    return false;
}

bool CApplicationCommands::OpenSupportPage() {
    const bool found = m_files.Find(SUPPORT_PAGE_NAME).has_value();
    const std::string url = GetSupportPageUrl();
    if (found && m_ui.OpenUrl(url))
        return true;
    m_ui.MessageBox(CTextFormat::Format(CUiTexts::SUPPORT_FAILED, {url}), EMessageButtons::Ok,
                    EMessageIcon::Warning);
    return false;
}

std::string CApplicationCommands::GetSupportPageUrl() const {
    const auto page = m_files.Find(SUPPORT_PAGE_NAME);
    return CProgramFiles::ToFileUrl(page ? *page : m_files.GetExpectedPath(SUPPORT_PAGE_NAME));
}
