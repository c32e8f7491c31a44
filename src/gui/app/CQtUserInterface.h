#pragma once

#include "core/ui/CUserInterface.h"
#include "gui/app/CDesktopHandlers.h"

#include <QFileDialog>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

// Core's questions as Qt message boxes, its file choosers as file dialogs and its addresses
// handed to the desktop. Buttons speak Japanese whatever the desktop's language is.
class CQtUserInterface : public CUserInterface {
public:
    // Whether the desktop has a program for a scheme; nothing when that cannot be told.
    using CHandlerProbe = std::function<std::optional<bool>(const QString& scheme)>;

    // Boxes and dialogs are centred on this window once it exists.
    void SetParentWidget(QWidget* parent) { m_parent = parent; }
    void SetHandlerProbe(CHandlerProbe probe) { m_handlerProbe = std::move(probe); }

    EMessageResult MessageBox(std::string_view text, EMessageButtons buttons,
                              EMessageIcon icon) override;
    std::optional<std::string> GetOpenFileName() override;
    std::optional<std::string> GetSaveFileName(const std::string& suggested) override;
    bool OpenUrl(const std::string& url) override;
    void SetClipboardText(std::string_view text) override;

    // Names the filter as the program always did while listing every file, dot or not.
    static void ShowAllFiles(QFileDialog& dialog);
    // The save chooser, in the folder of `suggested` with its file name typed in.
    static void PrepareSaveDialog(QFileDialog& dialog, const std::string& suggested);

private:
    QPointer<QWidget> m_parent;
    CHandlerProbe m_handlerProbe = &CDesktopHandlers::HasDefaultFor;
};
