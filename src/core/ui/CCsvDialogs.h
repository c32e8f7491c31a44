#pragma once

#include <optional>
#include <string>

class CCSVExportModel;
class CCSVImportModel;

// The import and export dialogs and their file choosers (CSV files, or every file). Each dialog
// works on its model; the window presents it, tests fill it in. True when the user confirmed;
// a chooser gives nothing when the user cancelled.
class CCsvDialogs {
public:
    virtual ~CCsvDialogs() = default;
    virtual std::optional<std::string> GetOpenCsvFileName() = 0;
    // Asks before replacing an existing file.
    virtual std::optional<std::string> GetSaveCsvFileName() = 0;
    virtual bool RunImportDialog(CCSVImportModel& model) = 0;
    virtual bool RunExportDialog(CCSVExportModel& model) = 0;
    // How far a long import has come, 0 to 100; 100 ends the display. The window shows a
    // progress bar once the import takes a while.
    virtual void ShowProgress(int /*percent*/) {}
};
