#pragma once

#include <QWidget>

class QDialog;
class QPushButton;

// The OK and Cancel buttons at the foot of the editing dialogs, wired to accept and reject.
class COkCancelRow : public QWidget {
    Q_OBJECT
public:
    explicit COkCancelRow(QDialog& dialog);
    QPushButton& GetOk() const { return *m_pOk; }

private:
    QPushButton* m_pOk;
};
