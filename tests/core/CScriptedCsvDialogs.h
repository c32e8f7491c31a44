#pragma once

#include "core/csv/CCSVExportModel.h"
#include "core/csv/CCSVImportModel.h"
#include "core/ui/CCsvDialogs.h"

#include <functional>
#include <optional>
#include <string>

// Plays the user of the CSV dialogs: the choosers answer the given names, each dialog runs its
// script on the model and is confirmed when the script says so. No script cancels.
class CScriptedCsvDialogs : public CCsvDialogs {
public:
    std::optional<std::string> GetOpenCsvFileName() override { return m_openName; }
    std::optional<std::string> GetSaveCsvFileName() override { return m_saveName; }
    bool RunImportDialog(CCSVImportModel& model) override { return m_import && m_import(model); }
    bool RunExportDialog(CCSVExportModel& model) override {
        m_presetScope = model.GetScope();
        return m_export && m_export(model);
    }

    std::optional<std::string> m_openName;
    std::optional<std::string> m_saveName;
    std::function<bool(CCSVImportModel&)> m_import;
    std::function<bool(CCSVExportModel&)> m_export;
    std::optional<ECsvScope> m_presetScope;
};
