#include "gui/dialogs/CUniteGroupDlg.h"

#include "core/dialogs/CUniteGroupModel.h"
#include "gui/dialogs/CDialogFrame.h"
#include "gui/dialogs/CDialogIcons.h"
#include "gui/dialogs/CDialogTexts.h"
#include "gui/dialogs/CGroupListBox.h"
#include "gui/dialogs/COkCancelRow.h"
#include "gui/dialogs/CPickListLayout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString NAME_LABEL = QString::fromUtf8(CDialogTexts::UNITE_NAME);
} // namespace

CUniteGroupDlg::CUniteGroupDlg(CUniteGroupModel& model, QWidget* parent)
    : QDialog(parent, CDialogFrame::FLAGS), m_model(model), m_fields(model.GetUserInterface()) {
    setWindowTitle(QString::fromStdString(m_model.GetTitle()));
    setWindowIcon(CDialogIcons::Group());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeGroupArea(), 1);
    auto* nameRow = new QHBoxLayout;
    m_pName = new QLineEdit(this);
    m_pName->setObjectName(QStringLiteral("name"));
    auto* nameLabel = new QLabel(NAME_LABEL, this);
    nameLabel->setBuddy(m_pName);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_pName, 1);
    layout->addLayout(nameRow);
    layout->addWidget(MakeButtons());

    m_fields.Show(*m_pName, m_model.GetName(), NAME_LABEL);
    connect(m_pName, &QLineEdit::textChanged, this, &CUniteGroupDlg::OnNameChanged);
    OnNameChanged();
    // The user starts by picking the groups.
    m_pOthers->setFocus(Qt::OtherFocusReason);
}

CUniteGroupDlg::~CUniteGroupDlg() = default;

QWidget* CUniteGroupDlg::MakeGroupArea() {
    auto* area = new QWidget(this);
    m_pChosen = new CGroupListBox(area);
    m_pChosen->setObjectName(QStringLiteral("chosen"));
    const auto [add, remove] =
        CPickListLayout::MakeMoveButtons(*area, QStringLiteral("add"), QStringLiteral("remove"));
    m_pOthers = new CGroupListBox(area);
    m_pOthers->setObjectName(QStringLiteral("others"));

    auto& lists = m_model.GetGroupLists();
    m_pChosen->SetList(lists.GetList(EPickSide::Members), m_fields.GetCodec());
    m_pOthers->SetList(lists.GetList(EPickSide::Others), m_fields.GetCodec());

    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    CPickListLayout::Make(*area, QString::fromUtf8(CDialogTexts::UNITE_CHOSEN), *m_pChosen,
                          *buttons, {}, *m_pOthers);

    m_binding =
        std::make_unique<CPickListBinding<CGroup>>(lists, *m_pChosen, *m_pOthers, *add, *remove);
    return area;
}

QWidget* CUniteGroupDlg::MakeButtons() {
    auto* row = new COkCancelRow(*this);
    m_pOk = &row->GetOk();
    return row;
}

void CUniteGroupDlg::accept() {
    if (m_fields.AcceptName(m_model, *m_pName))
        QDialog::accept();
}

void CUniteGroupDlg::OnNameChanged() {
    // Whatever changed the name, the focus goes to it.
    m_pName->setFocus(Qt::OtherFocusReason);
    m_pOk->setEnabled(CUniteGroupModel::IsOkEnabled(m_pName->text().toStdString()));
}
