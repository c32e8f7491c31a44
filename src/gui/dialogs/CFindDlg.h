#pragma once

#include "core/find/CFindWindow.h"
#include "core/model/CFieldTable.h"
#include "gui/dialogs/CEncodedFields.h"

#include <QDialog>

#include <array>
#include <functional>

class CFindController;
class CUserInterface;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The modeless find dialog: the string, the fields to search, the one button that starts and
// stops, and the progress and result lines. It holds no state of its own beyond the window:
// every opening builds a fresh one from what the controller keeps.
class CFindDlg : public QDialog, public CFindWindow {
    Q_OBJECT

public:
    // Sends a command id to the main window, whose routing delivers it.
    using CCommandSender = std::function<void(int)>;

    CFindDlg(CFindController& controller, CUserInterface& ui, CCommandSender sender,
             QWidget* parent);
    ~CFindDlg() override;
    CFindDlg(const CFindDlg&) = delete;
    CFindDlg& operator=(const CFindDlg&) = delete;

    std::optional<CFindInput> ReadInput() override;
    void ShowInput(const CFindInput& input) override;
    void ShowState(const CFindForm& form) override;
    void FocusText() override;
    void FocusField(int field) override;
    void Destroy() override;

    QLineEdit* GetTextBox() const { return m_pText; }
    QCheckBox* GetFieldBox(int field) const { return m_boxes.at(static_cast<std::size_t>(field)); }
    QPushButton* GetFindButton() const { return m_pFind; }
    QLabel* GetStatusLine() const { return m_pStatus; }
    QLabel* GetHitLine() const { return m_pHits; }
    QProgressBar* GetProgressBar() const { return m_pProgress; }

public slots:
    void done(int result) override;

private:
    QWidget* MakeFieldBoxes();
    QWidget* MakeButtons();
    QLayout* MakeStateRow();
    void OnButton();

    CFindController* m_pController;
    CEncodedFields m_fields;
    CCommandSender m_sender;
    QLineEdit* m_pText = nullptr;
    std::array<QCheckBox*, CFieldTable::WORKING_FIELDS> m_boxes{};
    QCheckBox* m_pIgnore = nullptr;
    QPushButton* m_pFind = nullptr;
    QProgressBar* m_pProgress = nullptr;
    QLabel* m_pStatus = nullptr;
    QLabel* m_pHits = nullptr;
};
