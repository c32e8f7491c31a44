#pragma once

#include "core/dialogs/EOkOutcome.h"
#include "core/text/CTextCodec.h"

#include <QLineEdit>
#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CUserInterface;
class QPlainTextEdit;
class QWidget;

// The edit boxes of a dialog and the CP932 texts behind them. A box the user left as it was
// gives back its original bytes, even bytes that are not CP932 and show as a replacement
// character; a changed box is converted, and a character CP932 cannot hold is reported instead
// of being dropped or replaced.
class CEncodedFields {
public:
    explicit CEncodedFields(CUserInterface& ui) : m_ui(ui) {}

    // label is the field's name in messages.
    void Show(QLineEdit& edit, std::string_view cp932, const QString& label);
    // Lines are CR LF in records and LF in the box.
    void Show(QPlainTextEdit& edit, std::string_view cp932, const QString& label);

    // The box's text as CP932, or nothing after telling the user which characters cannot be
    // saved; the box then has the focus.
    std::optional<std::string> Read(QWidget& box) const;

    // The OK step of a dialog whose one text is a name: true when the dialog may close. A name
    // the model refuses leaves the box focused and selected for another try.
    template <typename Model> bool AcceptName(Model& model, QLineEdit& name) const {
        std::optional<std::string> text = Read(name);
        if (!text)
            return false;
        model.SetName(std::move(*text));
        if (model.OnOk() == EOkOutcome::RefocusName) {
            name.setFocus(Qt::OtherFocusReason);
            name.selectAll();
            return false;
        }
        return true;
    }
    const CTextCodec& GetCodec() const { return m_codec; }

private:
    struct CField {
        QWidget* box;
        std::string original;
        QString shown;
        QString label;
        bool multiLine;
    };

    static QString TextOf(const CField& field);
    const CField* Find(const QWidget& box) const;

    CUserInterface& m_ui;
    CTextCodec m_codec;
    std::vector<CField> m_fields;
};
