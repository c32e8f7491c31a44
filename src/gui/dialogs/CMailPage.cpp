#include "gui/dialogs/CMailPage.h"

#include "core/dialogs/COptionSheetModel.h"
#include "gui/dialogs/CDialogTexts.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const QString OTHER_LABEL = QString::fromUtf8(CDialogTexts::OTHER);
} // namespace

CMailPage::CMailPage(COptionSheetModel& model, QWidget* parent)
    : QWidget(parent), m_model(model), m_fields(model.GetUserInterface()) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeDeliveryGroup());
    layout->addWidget(MakeSeparatorGroup());
    auto* capacityRow = new QHBoxLayout;
    m_pCapacity = new QLineEdit(QString::fromStdString(m_model.GetCapacityText()), this);
    m_pCapacity->setObjectName(QStringLiteral("capacity"));
    m_pCapacity->setMaximumWidth(80);
    auto* capacityLabel = new QLabel(QString::fromUtf8(CDialogTexts::MAIL_CAPACITY), this);
    capacityLabel->setBuddy(m_pCapacity);
    capacityRow->addWidget(capacityLabel);
    capacityRow->addWidget(m_pCapacity);
    capacityRow->addStretch();
    layout->addLayout(capacityRow);
    layout->addStretch();
    connect(m_pCapacity, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_model.SetCapacityText(text.toStdString()); });
}

QWidget* CMailPage::MakeDeliveryGroup() {
    auto* group = new QGroupBox(QString::fromUtf8(CDialogTexts::MAIL_ACTION), this);
    auto* layout = new QVBoxLayout(group);
    auto* program = new QRadioButton(QString::fromUtf8(CDialogTexts::MAIL_START_PROGRAM), group);
    auto* clipboard = new QRadioButton(QString::fromUtf8(CDialogTexts::MAIL_COPY), group);
    program->setObjectName(QStringLiteral("mailProgram"));
    clipboard->setObjectName(QStringLiteral("clipboard"));
    layout->addWidget(program);
    layout->addWidget(clipboard);
    (m_model.GetDelivery() == EMailDelivery::Clipboard ? clipboard : program)->setChecked(true);
    connect(clipboard, &QRadioButton::toggled, this, [this](bool on) {
        m_model.SetDelivery(on ? EMailDelivery::Clipboard : EMailDelivery::MailProgram);
    });
    return group;
}

QWidget* CMailPage::MakeSeparatorGroup() {
    auto* group = new QGroupBox(QString::fromUtf8(CDialogTexts::MAIL_SEPARATOR), this);
    auto* layout = new QVBoxLayout(group);
    m_pComma = new QRadioButton(QString::fromUtf8(CDialogTexts::MAIL_COMMA), group);
    m_pSemicolon = new QRadioButton(QString::fromUtf8(CDialogTexts::MAIL_SEMICOLON), group);
    m_pOther = new QRadioButton(OTHER_LABEL, group);
    m_pComma->setObjectName(QStringLiteral("comma"));
    m_pSemicolon->setObjectName(QStringLiteral("semicolon"));
    m_pOther->setObjectName(QStringLiteral("other"));
    // Enter inserts a line break: a separator may span lines.
    m_pOtherText = new QPlainTextEdit(group);
    m_pOtherText->setObjectName(QStringLiteral("otherText"));
    m_pOtherText->setTabChangesFocus(true);
    m_pOtherText->setFixedHeight(m_pOtherText->fontMetrics().height() * 3 + 12);
    layout->addWidget(m_pComma);
    layout->addWidget(m_pSemicolon);
    auto* otherRow = new QHBoxLayout;
    otherRow->addWidget(m_pOther);
    otherRow->addWidget(m_pOtherText, 1);
    layout->addLayout(otherRow);

    auto* choices = new QButtonGroup(group);
    choices->addButton(m_pComma, static_cast<int>(ESeparatorChoice::Comma));
    choices->addButton(m_pSemicolon, static_cast<int>(ESeparatorChoice::Semicolon));
    choices->addButton(m_pOther, static_cast<int>(ESeparatorChoice::Other));
    choices->button(static_cast<int>(m_model.GetSeparatorChoice()))->setChecked(true);
    m_fields.Show(*m_pOtherText, m_model.GetOtherSeparator(), OTHER_LABEL);
    ShowSeparatorChoice();
    connect(choices, &QButtonGroup::idClicked, this, [this](int id) {
        m_model.ChooseSeparator(static_cast<ESeparatorChoice>(id));
        ShowSeparatorChoice();
    });
    return group;
}

void CMailPage::ShowSeparatorChoice() {
    const bool other = m_model.IsOtherSeparatorEnabled();
    if (!other)
        m_pOtherText->clear();
    m_pOtherText->setEnabled(other);
}

bool CMailPage::Leave() {
    if (m_model.IsOtherSeparatorEnabled()) {
        std::optional<std::string> text = m_fields.Read(*m_pOtherText);
        if (!text)
            return false;
        m_model.SetOtherSeparator(std::move(*text));
    }
    if (!m_model.ValidateCapacity()) {
        m_pCapacity->setFocus(Qt::OtherFocusReason);
        m_pCapacity->selectAll();
        return false;
    }
    return true;
}
