#pragma once

#include "core/dialogs/COptionValues.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class CUserInterface;

enum class ESeparatorChoice : int { Comma = 0, Semicolon = 1, Other = 2 };
enum class EOptionColor { ListBackground, TreeBackground, ListText, TreeText };

// The option sheet's three pages without pixels: the colours with their match buttons, the
// mail page's separator choice and capacity check, and the other page's column reset. The
// window shows it and forwards input; the caller applies the values it gives back.
class COptionSheetModel {
public:
    // `sendCommand` reaches the main window at once (the column reset, command 102).
    COptionSheetModel(const COptionValues& values, CUserInterface& ui,
                      std::function<void(int)> sendCommand);

    CUserInterface& GetUserInterface() const { return m_ui; }
    // Everything back as the pages hold it, the separator by its choice.
    COptionValues GetValues() const;

    // Colour page.
    std::uint32_t GetColor(EOptionColor which) const;
    void SetColor(EOptionColor which, std::uint32_t color);
    // The list takes both colours of the tree, or the tree those of the list.
    void MatchListToTree();
    void MatchTreeToList();

    // Mail page.
    ESeparatorChoice GetSeparatorChoice() const { return m_separatorChoice; }
    // Comma and semicolon empty the other text; only "other" lets it be typed.
    void ChooseSeparator(ESeparatorChoice choice);
    bool IsOtherSeparatorEnabled() const { return m_separatorChoice == ESeparatorChoice::Other; }
    const std::string& GetOtherSeparator() const { return m_strOtherSeparator; }
    void SetOtherSeparator(std::string text);
    EMailDelivery GetDelivery() const { return m_values.m_eDelivery; }
    void SetDelivery(EMailDelivery delivery) { m_values.m_eDelivery = delivery; }
    // The capacity as typed; it counts only once it passes the check.
    std::string GetCapacityText() const { return m_strCapacity; }
    void SetCapacityText(std::string text) { m_strCapacity = std::move(text); }
    // The check made on leaving the page: true and the capacity taken, or false after the
    // person was told; the page stays open then.
    bool ValidateCapacity();
    // A whole number from 0 to 1000, blanks around it allowed.
    static std::optional<int> ParseCapacity(std::string_view text);

    // Other page.
    bool GetEditByDblClk() const { return m_values.m_bEditByDblClk; }
    void SetEditByDblClk(bool edit) { m_values.m_bEditByDblClk = edit; }
    // Asks first; on OK the person list's columns are reset at once, whatever the sheet's end.
    void OnResetColumns();

private:
    COptionValues m_values;
    CUserInterface& m_ui;
    std::function<void(int)> m_sendCommand;
    ESeparatorChoice m_separatorChoice = ESeparatorChoice::Other;
    std::string m_strOtherSeparator;
    std::string m_strCapacity;
};
