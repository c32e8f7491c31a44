#include "core/app/CFileController.h"

#include "core/document/CAddressDoc.h"
#include "core/document/CDataFile.h"
#include "core/document/CDocumentTexts.h"
#include "core/settings/CRecentFileList.h"
#include "core/storage/CBookLock.h"
#include "core/text/CSharedTexts.h"
#include "core/text/CTextFormat.h"
#include "core/ui/CCmdUI.h"
#include "core/ui/CUserInterface.h"
#include "core/ui/CommandIds.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {
constexpr const char* APP_TITLE = "Tarnvale";

bool IsRecentFileId(int id) {
    return id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE4;
}

// The list keeps absolute names so that a file opened from a relative command-line argument is
// the same entry as the one chosen in the dialog.
std::string Absolute(const std::string& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}
} // namespace

CFileController::CFileController(CAddressDoc& doc, CUserInterface& ui, CRecentFileList& recent)
    : m_doc(doc), m_ui(ui), m_recent(recent) {}

bool CFileController::HasCommand(int id) const {
    switch (id) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
        return true;
    default:
        return IsRecentFileId(id);
    }
}

void CFileController::OnUpdateCommand(int id, CCmdUI& ui) {
    if (!IsRecentFileId(id))
        return;
    // Unused entries have no caption, which hides them; an empty list shows one greyed entry.
    const int index = id - ID_FILE_MRU_FILE1;
    if (index < m_recent.GetCount()) {
        ui.SetText(m_recent.GetMenuText(index, m_strHome));
        return;
    }
    ui.Enable(false);
    ui.SetText(index == 0 ? CSharedTexts::NO_RECENT_FILE : "");
}

void CFileController::OnCommand(int id) {
    // A save takes the text typed into a cell, and so does the question before a book closes.
    if (!m_doc.CommitViewEdits())
        return;
    switch (id) {
    case ID_FILE_NEW:
        OnFileNew();
        break;
    case ID_FILE_OPEN:
        OnFileOpen();
        break;
    case ID_FILE_SAVE:
        OnFileSave();
        break;
    case ID_FILE_SAVE_AS:
        OnFileSaveAs();
        break;
    default:
        if (IsRecentFileId(id))
            OnOpenRecentFile(id - ID_FILE_MRU_FILE1);
        break;
    }
}

bool CFileController::SaveModified() {
    if (!m_doc.IsModified())
        return true;
    const std::string question = CTextFormat::Format(CDocumentTexts::SAVE_CHANGES, {GetTitle()});
    switch (m_ui.MessageBox(question, EMessageButtons::YesNoCancel, EMessageIcon::Question)) {
    case EMessageResult::Yes:
        return OnFileSave();
    case EMessageResult::No:
        return true;
    default:
        return false;
    }
}

bool CFileController::OnFileNew() {
    if (!SaveModified())
        return false;
    m_doc.OnNewDocument();
    SetPathName({});
    return true;
}

bool CFileController::OnFileOpen() {
    if (!SaveModified())
        return false;
    const std::optional<std::string> path = m_ui.GetOpenFileName();
    return path && Load(*path);
}

bool CFileController::OpenDocumentFile(const std::string& path) {
    return SaveModified() && Load(path);
}

bool CFileController::OnFileSave() {
    return m_strPathName.empty() ? OnFileSaveAs() : SaveTo(m_strPathName);
}

bool CFileController::OnFileSaveAs() {
    const std::optional<std::string> path =
        m_ui.GetSaveFileName(m_strPathName.empty() ? CDocumentTexts::UNTITLED : m_strPathName);
    return path && SaveTo(*path);
}

bool CFileController::OnOpenRecentFile(int index) {
    const std::string path = m_recent.Get(index);
    if (path.empty() || !SaveModified())
        return false;
    if (Load(path))
        return true;
    // A file that is gone leaves the list, as it would after every later attempt anyway.
    m_recent.Remove(index);
    NotifyChange();
    return false;
}

void CFileController::OpenAtStartup(const std::optional<std::string>& commandLineFile) {
    if (commandLineFile && !commandLineFile->empty()) {
        Load(*commandLineFile);
        return;
    }
    const std::string newest = m_recent.Get(0);
    if (!newest.empty())
        Load(newest);
}

std::string CFileController::GetTitle() const {
    return m_strPathName.empty() ? CDocumentTexts::UNTITLED
                                 : fs::path(m_strPathName).filename().string();
}

std::string CFileController::GetWindowTitle() const {
    return GetTitle() + " - " + APP_TITLE;
}

bool CFileController::Load(const std::string& path) {
    const std::string absolute = Absolute(path);
    CFileStamp stamp;
    const CFileResult result = CDataFile::Load(m_doc, absolute, &stamp);
    if (!result.ok) {
        m_ui.MessageBox(result.message, EMessageButtons::Ok, EMessageIcon::Warning);
        // Whatever was open has been given up already; what stays is an empty book.
        m_doc.OnNewDocument();
        SetPathName({});
        return false;
    }
    m_recent.Add(absolute);
    SetPathName(absolute);
    m_fileStamp = stamp;
    if (!result.warning.empty())
        m_doc.SetStatusText(result.warning);
    return true;
}

bool CFileController::ChangedOnDisk(const std::string& absolute) const {
    if (absolute != m_strPathName || !m_fileStamp)
        return false;
    const std::optional<CFileStamp> current = CFileStamp::Of(absolute);
    return current && *current != *m_fileStamp;
}

bool CFileController::TakeLock(CBookLock& lock, const std::string& absolute) {
    const CFileResult locked = lock.Lock(absolute, ELockWait::Never);
    if (!locked.ok)
        m_ui.MessageBox(locked.message, EMessageButtons::Ok, EMessageIcon::Warning);
    return locked.ok;
}

bool CFileController::SaveTo(const std::string& path) {
    const std::string absolute = Absolute(path);
    CBookLock lock;
    if (!TakeLock(lock, absolute))
        return false;
    if (ChangedOnDisk(absolute)) {
        // No run of the command line waits on the lock while the person decides.
        lock.Unlock();
        if (m_ui.MessageBox(CDocumentTexts::CHANGED_ON_DISK, EMessageButtons::YesNo,
                            EMessageIcon::Warning) != EMessageResult::Yes ||
            !TakeLock(lock, absolute))
            return false;
    }
    CFileStamp stamp;
    // Saved under another name, the book is a copy and stays as private as its original.
    const std::string& origin = m_strPathName.empty() ? m_strMadeFrom : m_strPathName;
    const std::string madeFrom = absolute == m_strPathName ? std::string() : origin;
    const CFileResult result = CDataFile::Save(m_doc, absolute, &stamp, madeFrom);
    lock.Unlock();
    if (!result.ok) {
        m_ui.MessageBox(result.message, EMessageButtons::Ok, EMessageIcon::Warning);
        return false;
    }
    m_recent.Add(absolute);
    SetPathName(absolute);
    m_fileStamp = stamp;
    return true;
}

void CFileController::SetPathName(std::string path) {
    m_fileStamp.reset();
    m_strMadeFrom.clear();
    m_strPathName = std::move(path);
    NotifyChange();
}

void CFileController::NotifyChange() const {
    if (m_changeListener)
        m_changeListener();
}
