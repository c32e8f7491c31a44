#include "gui/dialogs/CEncodedFields.h"

#include "core/dialogs/CUnsavableText.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <limits>

void CEncodedFields::Show(QLineEdit& edit, std::string_view cp932, const QString& label) {
    // Records have no length limit, and a line edit would cut a longer text.
    edit.setMaxLength(std::numeric_limits<int>::max());
    const QString shown = QString::fromStdString(m_codec.ToUtf8(cp932));
    edit.setText(shown);
    m_fields.push_back({&edit, std::string(cp932), edit.text(), label, false});
}

void CEncodedFields::Show(QPlainTextEdit& edit, std::string_view cp932, const QString& label) {
    QString shown = QString::fromStdString(m_codec.ToUtf8(cp932));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    edit.setPlainText(shown);
    m_fields.push_back({&edit, std::string(cp932), edit.toPlainText(), label, true});
}

QString CEncodedFields::TextOf(const CField& field) {
    if (field.multiLine)
        return static_cast<const QPlainTextEdit*>(field.box)->toPlainText();
    return static_cast<const QLineEdit*>(field.box)->text();
}

const CEncodedFields::CField* CEncodedFields::Find(const QWidget& box) const {
    for (const CField& field : m_fields) {
        if (field.box == &box)
            return &field;
    }
    return nullptr;
}

std::optional<std::string> CEncodedFields::Read(QWidget& box) const {
    const CField* field = Find(box);
    if (!field)
        return std::nullopt;
    QString text = TextOf(*field);
    if (text == field->shown)
        return field->original;
    if (field->multiLine)
        text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    CEncodeResult result = m_codec.FromUtf8(text.toStdString());
    if (!result.ok()) {
        CUnsavableText::Report(m_ui, field->label.toStdString(), result.unmappable);
        box.setFocus(Qt::OtherFocusReason);
        return std::nullopt;
    }
    return std::move(result.text);
}
