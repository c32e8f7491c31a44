#include "core/dialogs/COptionSheetModel.h"

#include "core/dialogs/CDialogModelTexts.h"
#include "core/ui/CUserInterface.h"
#include "core/ui/CommandIds.h"

#include <charconv>

namespace {
constexpr int MAX_CAPACITY = 1000;

std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t';
    };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

template <typename Values> auto& ColorOf(Values& values, EOptionColor which) {
    switch (which) {
    case EOptionColor::ListBackground:
        return values.m_listBackground;
    case EOptionColor::TreeBackground:
        return values.m_treeBackground;
    case EOptionColor::ListText:
        return values.m_listText;
    case EOptionColor::TreeText:
        break;
    }
    return values.m_treeText;
}
} // namespace

COptionSheetModel::COptionSheetModel(const COptionValues& values, CUserInterface& ui,
                                     std::function<void(int)> sendCommand)
    : m_values(values), m_ui(ui), m_sendCommand(std::move(sendCommand)),
      m_strCapacity(std::to_string(values.m_nRecentCapacity)) {
    // Exactly "," or ";" picks its button; anything else, empty too, is the other text.
    if (values.m_strMailSeparator == ",")
        m_separatorChoice = ESeparatorChoice::Comma;
    else if (values.m_strMailSeparator == ";")
        m_separatorChoice = ESeparatorChoice::Semicolon;
    else
        m_strOtherSeparator = values.m_strMailSeparator;
}

COptionValues COptionSheetModel::GetValues() const {
    COptionValues values = m_values;
    switch (m_separatorChoice) {
    case ESeparatorChoice::Comma:
        values.m_strMailSeparator = ",";
        break;
    case ESeparatorChoice::Semicolon:
        values.m_strMailSeparator = ";";
        break;
    case ESeparatorChoice::Other:
        values.m_strMailSeparator = m_strOtherSeparator;
        break;
    }
    return values;
}

std::uint32_t COptionSheetModel::GetColor(EOptionColor which) const {
    return ColorOf(m_values, which);
}

void COptionSheetModel::SetColor(EOptionColor which, std::uint32_t color) {
    ColorOf(m_values, which) = color;
}

void COptionSheetModel::MatchListToTree() {
    m_values.m_listBackground = m_values.m_treeBackground;
    m_values.m_listText = m_values.m_treeText;
}

void COptionSheetModel::MatchTreeToList() {
    m_values.m_treeBackground = m_values.m_listBackground;
    m_values.m_treeText = m_values.m_listText;
}

void COptionSheetModel::ChooseSeparator(ESeparatorChoice choice) {
    m_separatorChoice = choice;
    if (choice != ESeparatorChoice::Other)
        m_strOtherSeparator.clear();
}

void COptionSheetModel::SetOtherSeparator(std::string text) {
    if (IsOtherSeparatorEnabled())
        m_strOtherSeparator = std::move(text);
}

std::optional<int> COptionSheetModel::ParseCapacity(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0 ||
        value > MAX_CAPACITY)
        return std::nullopt;
    return value;
}

bool COptionSheetModel::ValidateCapacity() {
    const auto capacity = ParseCapacity(m_strCapacity);
    if (!capacity) {
        m_ui.MessageBox(CDialogModelTexts::CAPACITY_MESSAGE, EMessageButtons::Ok,
                        EMessageIcon::Warning);
        return false;
    }
    m_values.m_nRecentCapacity = *capacity;
    return true;
}

void COptionSheetModel::OnResetColumns() {
    if (m_ui.MessageBox(CDialogModelTexts::RESET_QUESTION, EMessageButtons::OkCancel,
                        EMessageIcon::Question) == EMessageResult::Ok &&
        m_sendCommand)
        m_sendCommand(ID_RESET_COLUMNS);
}
