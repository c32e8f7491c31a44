#include "gui/dialogs/CFindDlg.h"

#include "core/find/CFindController.h"
#include "core/find/CFindTexts.h"
#include "core/model/CFieldTable.h"
#include "core/text/CSharedTexts.h"
#include "core/text/CTextFormat.h"
#include "gui/dialogs/CDialogTexts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {
const QString TITLE = QString::fromUtf8(CDialogTexts::FIND_TITLE);
const QString TEXT_LABEL = QString::fromUtf8(CDialogTexts::FIND_TEXT_LABEL);
const QString TEXT_NAME = QString::fromUtf8(CSharedTexts::FIND_TEXT);
const QString FIELDS_TITLE = QString::fromUtf8(CDialogTexts::FIND_FIELDS);
const QString IGNORE_LABEL = QString::fromUtf8(CDialogTexts::FIND_IGNORE_CASE_WIDTH);
const QString CLOSE_LABEL = QString::fromUtf8(CSharedTexts::CLOSE);
constexpr int BOXES_PER_COLUMN = 4;

// Lines that come and go keep their room, so the window does not jump as a search runs.
void KeepRoomWhenHidden(QWidget& widget) {
    QSizePolicy policy = widget.sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget.setSizePolicy(policy);
}
} // namespace

CFindDlg::CFindDlg(CFindController& controller, CUserInterface& ui, CCommandSender sender,
                   QWidget* parent)
    : QDialog(parent), m_pController(&controller), m_fields(ui), m_sender(std::move(sender)) {
    setWindowTitle(TITLE);
    setModal(false);

    auto* textRow = new QHBoxLayout;
    m_pText = new QLineEdit(this);
    m_pText->setObjectName(QStringLiteral("text"));
    auto* textLabel = new QLabel(TEXT_LABEL, this);
    textLabel->setBuddy(m_pText);
    textRow->addWidget(textLabel);
    textRow->addWidget(m_pText, 1);

    auto* left = new QVBoxLayout;
    left->addLayout(textRow);
    left->addWidget(MakeFieldBoxes());
    m_pIgnore = new QCheckBox(IGNORE_LABEL, this);
    m_pIgnore->setObjectName(QStringLiteral("ignoreCaseWidth"));
    left->addWidget(m_pIgnore);
    left->addLayout(MakeStateRow());

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(MakeButtons(), 0, Qt::AlignTop);

    connect(m_pIgnore, &QCheckBox::toggled, this, [this](bool checked) {
        if (m_pController)
            m_pController->SetIgnoreCaseWidth(checked);
    });
}

CFindDlg::~CFindDlg() {
    if (CFindController* controller = std::exchange(m_pController, nullptr))
        controller->OnWindowClosed(*this);
}

QWidget* CFindDlg::MakeFieldBoxes() {
    auto* group = new QGroupBox(FIELDS_TITLE, this);
    auto* grid = new QGridLayout(group);
    for (int field = 0; field < CFieldTable::WORKING_FIELDS; ++field) {
        const std::string_view label = CFieldTable::GetLabel(field);
        auto* box = new QCheckBox(QString::fromUtf8(label), group);
        box->setObjectName(QStringLiteral("field%1").arg(field));
        grid->addWidget(box, field % BOXES_PER_COLUMN, field / BOXES_PER_COLUMN);
        m_boxes[static_cast<std::size_t>(field)] = box;
    }
    return group;
}

// One line under the boxes: the status, then the progress while searching or the hit count
// after it, in the same place. The line has its full size from the start, so the window
// neither shows an empty band nor grows when a search first fills it.
QLayout* CFindDlg::MakeStateRow() {
    auto* row = new QGridLayout;
    m_pStatus = new QLabel(this);
    m_pStatus->setObjectName(QStringLiteral("status"));
    const QString widest = QString::fromUtf8(
        CTextFormat::Format(CFindTexts::SEARCHING, {std::to_string(CFieldTable::WORKING_FIELDS)}));
    m_pStatus->setMinimumWidth(m_pStatus->fontMetrics().horizontalAdvance(widest));
    m_pProgress = new QProgressBar(this);
    m_pProgress->setTextVisible(false);
    KeepRoomWhenHidden(*m_pProgress);
    m_pHits = new QLabel(this);
    m_pHits->setObjectName(QStringLiteral("hits"));
    KeepRoomWhenHidden(*m_pHits);
    row->addWidget(m_pStatus, 0, 0);
    row->addWidget(m_pProgress, 0, 1);
    row->addWidget(m_pHits, 0, 1);
    row->setColumnStretch(1, 1);
    return row;
}

QWidget* CFindDlg::MakeButtons() {
    auto* column = new QWidget(this);
    auto* buttons = new QVBoxLayout(column);
    buttons->setContentsMargins(0, 0, 0, 0);
    m_pFind = new QPushButton(column);
    m_pFind->setObjectName(QStringLiteral("find"));
    m_pFind->setDefault(true);
    auto* close = new QPushButton(CLOSE_LABEL, column);
    close->setObjectName(QStringLiteral("close"));
    close->setAutoDefault(false);
    buttons->addWidget(m_pFind);
    buttons->addWidget(close);
    connect(m_pFind, &QPushButton::clicked, this, &CFindDlg::OnButton);
    connect(close, &QPushButton::clicked, this, &CFindDlg::reject);
    return column;
}

void CFindDlg::OnButton() {
    // The search runs inside this call; the window may be closed meanwhile, so nothing of it is
    // touched afterwards.
    if (m_pController)
        m_sender(m_pController->GetButtonCommand());
}

std::optional<CFindInput> CFindDlg::ReadInput() {
    std::optional<std::string> text = m_fields.Read(*m_pText);
    if (!text)
        return std::nullopt;
    CFindInput input;
    input.m_strText = std::move(*text);
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        input.m_ticked[i] = m_boxes[i]->isChecked();
    input.m_bIgnoreCaseWidth = m_pIgnore->isChecked();
    return input;
}

void CFindDlg::ShowInput(const CFindInput& input) {
    m_fields.Show(*m_pText, input.m_strText, TEXT_NAME);
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        m_boxes[i]->setChecked(input.m_ticked[i]);
    const QSignalBlocker quiet(m_pIgnore);
    m_pIgnore->setChecked(input.m_bIgnoreCaseWidth);
}

void CFindDlg::ShowState(const CFindForm& form) {
    m_pFind->setText(QString::fromUtf8(form.m_strButton));
    m_pStatus->setText(QString::fromUtf8(form.m_strStatus));
    m_pHits->setText(QString::fromUtf8(form.m_strHits));
    m_pHits->setVisible(form.m_bHitsVisible);
    m_pProgress->setRange(0, form.m_nProgressMax);
    m_pProgress->setValue(form.m_nProgressPos);
    m_pProgress->setVisible(form.m_bProgressVisible);
}

void CFindDlg::FocusText() {
    m_pText->setFocus(Qt::OtherFocusReason);
    m_pText->selectAll();
}

void CFindDlg::FocusField(int field) {
    GetFieldBox(field)->setFocus(Qt::OtherFocusReason);
}

void CFindDlg::Destroy() {
    m_pController = nullptr;
    hide();
    deleteLater();
}

void CFindDlg::done(int result) {
    if (CFindController* controller = std::exchange(m_pController, nullptr))
        controller->OnWindowClosed(*this);
    QDialog::done(result);
    deleteLater();
}
