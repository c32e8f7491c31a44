#include "gui/dialogs/CCategoryDialog.h"

#include "core/dialogs/CCategoryDialogModel.h"
#include "gui/dialogs/CDialogFrame.h"
#include "gui/dialogs/CDialogIcons.h"
#include "gui/dialogs/CDialogTexts.h"
#include "gui/dialogs/COkCancelRow.h"
#include "gui/dialogs/CPersonalListBox.h"
#include "gui/dialogs/CPickListLayout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString NAME_LABEL = QString::fromUtf8(CDialogTexts::GROUP_NAME);
} // namespace

CCategoryDialog::CCategoryDialog(CCategoryDialogModel& model, QWidget* parent)
    : QDialog(parent, CDialogFrame::FLAGS), m_model(model), m_fields(model.GetUserInterface()) {
    setWindowTitle(QString::fromStdString(m_model.GetTitle()));
    setWindowIcon(CDialogIcons::Group());

    auto* layout = new QVBoxLayout(this);
    auto* nameRow = new QHBoxLayout;
    m_pName = new QLineEdit(this);
    m_pName->setObjectName(QStringLiteral("name"));
    auto* nameLabel = new QLabel(NAME_LABEL, this);
    nameLabel->setBuddy(m_pName);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_pName, 1);
    layout->addLayout(nameRow);
    layout->addWidget(MakeMemberArea(), 1);
    layout->addWidget(MakeButtons());

    m_fields.Show(*m_pName, m_model.GetName(), NAME_LABEL);
    connect(m_pName, &QLineEdit::textChanged, this, &CCategoryDialog::OnNameChanged);
    OnNameChanged();
    UpdateCount();
    m_pName->setFocus(Qt::OtherFocusReason);
}

CCategoryDialog::~CCategoryDialog() = default;

QWidget* CCategoryDialog::MakeMemberArea() {
    auto* area = new QWidget(this);
    m_pMembers = new CPersonalListBox(area);
    m_pMembers->setObjectName(QStringLiteral("members"));
    m_pCount = new QLabel(area);
    m_pCount->setObjectName(QStringLiteral("count"));
    m_pCount->setAlignment(Qt::AlignCenter);
    const auto [add, remove] =
        CPickListLayout::MakeMoveButtons(*area, QStringLiteral("add"), QStringLiteral("remove"));
    m_pOthers = new CPersonalListBox(area);
    m_pOthers->setObjectName(QStringLiteral("others"));

    auto& lists = m_model.GetPersonLists();
    m_pMembers->SetList(lists.GetList(EPickSide::Members), m_fields.GetCodec());
    m_pOthers->SetList(lists.GetList(EPickSide::Others), m_fields.GetCodec());

    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pCount);
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    CPickListLayout::Make(*area, QString::fromUtf8(CDialogTexts::GROUP_MEMBERS), *m_pMembers,
                          *buttons, {}, *m_pOthers);

    m_binding = std::make_unique<CPickListBinding<CPersonalData>>(
        lists, *m_pMembers, *m_pOthers, *add, *remove, [this] { UpdateCount(); });
    return area;
}

QWidget* CCategoryDialog::MakeButtons() {
    auto* row = new COkCancelRow(*this);
    m_pOk = &row->GetOk();
    return row;
}

void CCategoryDialog::accept() {
    if (m_fields.AcceptName(m_model, *m_pName))
        QDialog::accept();
}

void CCategoryDialog::OnNameChanged() {
    m_pOk->setEnabled(CCategoryDialogModel::IsOkEnabled(m_pName->text().toStdString()));
}

void CCategoryDialog::UpdateCount() {
    m_pCount->setText(QString::fromStdString(m_model.GetCountText()));
}
