#pragma once

#include <QLineEdit>

// A box for an e-mail address: addresses are typed in plain letters, so the input method stays
// off while the box has the focus.
class CMailAddressEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CMailAddressEdit(QWidget* parent = nullptr);

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    // The input method may ask by this name; the line edit's own answer says it is enabled
    // whatever the widget's attribute says.
    Q_INVOKABLE QVariant inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const;
};
