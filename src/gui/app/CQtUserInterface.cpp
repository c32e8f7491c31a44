#include "gui/app/CQtUserInterface.h"

#include "core/text/CSharedTexts.h"
#include "gui/app/CAppTexts.h"
#include "gui/dialogs/CDialogFrame.h"
#include "gui/dialogs/CFileColumns.h"

#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {
constexpr const char* CAPTION = "Tarnvale";

QMessageBox::Icon ToQtIcon(EMessageIcon icon) {
    switch (icon) {
    case EMessageIcon::Question:
        return QMessageBox::Question;
    case EMessageIcon::Warning:
        return QMessageBox::Warning;
    case EMessageIcon::Error:
        return QMessageBox::Critical;
    case EMessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct CButton {
    EMessageResult m_result;
    const char* m_text;
    QMessageBox::ButtonRole m_role;
};

std::vector<CButton> ButtonsOf(EMessageButtons buttons) {
    const CButton ok{EMessageResult::Ok, "OK", QMessageBox::AcceptRole};
    const CButton cancel{EMessageResult::Cancel, CAppTexts::CANCEL, QMessageBox::RejectRole};
    const CButton yes{EMessageResult::Yes, CAppTexts::YES, QMessageBox::YesRole};
    const CButton no{EMessageResult::No, CAppTexts::NO, QMessageBox::NoRole};
    switch (buttons) {
    case EMessageButtons::OkCancel:
        return {ok, cancel};
    case EMessageButtons::YesNo:
        return {yes, no};
    case EMessageButtons::YesNoCancel:
        return {yes, no, cancel};
    case EMessageButtons::Ok:
        break;
    }
    return {ok};
}

// Closing the box without a button counts as its most cautious answer.
EMessageResult EscapeResult(EMessageButtons buttons) {
    switch (buttons) {
    case EMessageButtons::Ok:
        return EMessageResult::Ok;
    case EMessageButtons::YesNo:
        return EMessageResult::No;
    default:
        return EMessageResult::Cancel;
    }
}

std::optional<std::string> RunFileDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}
} // namespace

// "*.*" means every file where the filter's name comes from; many files here have no dot. The
// dialog filters and renames by the pattern "*", which has no extension, so a saved name keeps
// its own, while the box shows the name people know.
void CQtUserInterface::ShowAllFiles(QFileDialog& dialog) {
    dialog.setWindowFlags(CDialogFrame::FLAGS);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    CFileColumns::Install(dialog);
    dialog.setNameFilter(QString::fromUtf8(CAppTexts::ANY_FILE_FILTER));
    if (auto* box = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
        box->setItemText(0, QString::fromUtf8(CSharedTexts::ALL_FILES_FILTER));
}

void CQtUserInterface::PrepareSaveDialog(QFileDialog& dialog, const std::string& suggested) {
    dialog.setWindowTitle(QString::fromUtf8(CAppTexts::SAVE_AS_TITLE));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    ShowAllFiles(dialog);
    dialog.selectFile(QFile::decodeName(suggested.c_str()));
}

EMessageResult CQtUserInterface::MessageBox(std::string_view text, EMessageButtons buttons,
                                            EMessageIcon icon) {
    QMessageBox box(ToQtIcon(icon), QString::fromUtf8(CAPTION), QString::fromUtf8(text),
                    QMessageBox::NoButton, m_parent, CDialogFrame::FLAGS);
    std::vector<std::pair<QAbstractButton*, EMessageResult>> results;
    for (const CButton& button : ButtonsOf(buttons))
        results.emplace_back(box.addButton(QString::fromUtf8(button.m_text), button.m_role),
                             button.m_result);
    box.exec();
    for (const auto& [button, result] : results) {
        if (box.clickedButton() == button)
            return result;
    }
    return EscapeResult(buttons);
}

std::optional<std::string> CQtUserInterface::GetOpenFileName() {
    QFileDialog dialog(m_parent, QString::fromUtf8(CAppTexts::OPEN_TITLE));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    ShowAllFiles(dialog);
    return RunFileDialog(dialog);
}

std::optional<std::string> CQtUserInterface::GetSaveFileName(const std::string& suggested) {
    QFileDialog dialog(m_parent);
    PrepareSaveDialog(dialog, suggested);
    return RunFileDialog(dialog);
}

bool CQtUserInterface::OpenUrl(const std::string& url) {
    // A mailto: link keeps quotes and angle brackets of its addresses literal, which only the
    // tolerant parser accepts; every other address must be strictly valid.
    const bool mail = url.starts_with("mailto:");
    // A mailto: link that no program takes would start xdg-open all the same and fail unseen,
    // so it fails here and the user is offered the clipboard. Browsers are not asked about:
    // xdg-open finds one on its own where no default is named.
    if (mail && m_handlerProbe(QStringLiteral("mailto")) == false)
        return false;
    const QUrl::ParsingMode mode = mail ? QUrl::TolerantMode : QUrl::StrictMode;
    // A file the desktop has no program for would fail unseen too: xdg-open says so by its exit.
    if (url.starts_with("file:"))
        return CDesktopHandlers::Open(QString::fromUtf8(url));
    return QDesktopServices::openUrl(QUrl(QString::fromUtf8(url), mode));
}

void CQtUserInterface::SetClipboardText(std::string_view text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(QString::fromUtf8(text));
}
