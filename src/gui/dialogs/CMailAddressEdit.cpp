#include "gui/dialogs/CMailAddressEdit.h"

#include <utility>

CMailAddressEdit::CMailAddressEdit(QWidget* parent) : QLineEdit(parent) {
    setInputMethodHints(Qt::ImhLatinOnly | Qt::ImhEmailCharactersOnly | Qt::ImhNoPredictiveText);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

QVariant CMailAddressEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    return inputMethodQuery(query, QVariant());
}

QVariant CMailAddressEdit::inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const {
    if (query == Qt::ImEnabled)
        return false;
    return QLineEdit::inputMethodQuery(query, std::move(argument));
}
