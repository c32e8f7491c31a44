#pragma once

#include <QDialog>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

// The recently used mail addresses: one line per remembered use, showing its label; "メールを
// 書く" writes mail again to the chosen one.
class CCopiedAddressDialog : public QDialog {
    Q_OBJECT
public:
    // `recent` holds address, label, address, label, ... in CP932.
    CCopiedAddressDialog(const std::vector<std::string>& recent, QWidget* parent = nullptr);

    // The position of the chosen pair's address text in `recent`.
    std::optional<std::size_t> GetChosen() const { return m_chosen; }

private:
    void OnSelectionChanged();

    QListWidget* m_pList;
    QPushButton* m_pWrite;
    std::optional<std::size_t> m_chosen;
};
