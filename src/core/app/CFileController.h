#pragma once

#include "core/storage/CFileStamp.h"
#include "core/ui/CCommandTarget.h"

#include <functional>
#include <optional>
#include <string>

class CAddressDoc;
class CBookLock;
class CRecentFileList;
class CUserInterface;

// The file commands (new, open, save, save as, the recent files) around the one open document:
// the question that guards every step that would discard unsaved changes, the file choosers,
// the failure messages, the file's name for the title, and the recent-file list.
class CFileController : public CCommandTarget {
public:
    CFileController(CAddressDoc& doc, CUserInterface& ui, CRecentFileList& recent);

    bool HasCommand(int id) const override;
    void OnUpdateCommand(int id, CCmdUI& ui) override;
    void OnCommand(int id) override;

    // Asks whether to save a modified document; false when the person cancelled or the save
    // failed, so whatever was about to discard it must stop.
    bool SaveModified();
    bool OnFileNew();
    bool OnFileOpen();
    // With the save question first; a failure is shown and leaves an empty, untitled document.
    bool OpenDocumentFile(const std::string& path);
    bool OnFileSave();
    bool OnFileSaveAs();
    bool OnOpenRecentFile(int index);
    // The file named on the command line, or else the newest recent file.
    void OpenAtStartup(const std::optional<std::string>& commandLineFile);

    const std::string& GetPathName() const { return m_strPathName; }
    // The file name, or "無題" for a document never saved.
    std::string GetTitle() const;
    std::string GetWindowTitle() const;
    // Told whenever the file name or the recent-file list changes.
    void SetChangeListener(std::function<void()> listener) {
        m_changeListener = std::move(listener);
    }
    // The untitled book was made from this file (a CSV read into a new book); its first save
    // gets no permission that file lacks.
    void SetMadeFrom(std::string path) { m_strMadeFrom = std::move(path); }
    // "~" in the recent-file menu stands for this folder.
    void SetHomeFolder(std::string home) { m_strHome = std::move(home); }

private:
    bool Load(const std::string& path);
    bool SaveTo(const std::string& path);
    // Whether another copy of the program, or another program, wrote the open file since it was
    // read or saved here; the person then decides whether that version is replaced.
    bool ChangedOnDisk(const std::string& absolute) const;
    // The lock the command line also takes; a book it is saving is not saved over meanwhile.
    bool TakeLock(CBookLock& lock, const std::string& absolute);
    void SetPathName(std::string path);
    void NotifyChange() const;

    CAddressDoc& m_doc;
    CUserInterface& m_ui;
    CRecentFileList& m_recent;
    std::string m_strPathName;
    // The version of the file last read or written here; nothing for an untitled document.
    std::optional<CFileStamp> m_fileStamp;
    std::string m_strMadeFrom;
    std::string m_strHome;
    std::function<void()> m_changeListener;
};
