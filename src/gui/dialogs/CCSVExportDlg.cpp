#include "gui/dialogs/CCSVExportDlg.h"

#include "core/csv/CCSVExportModel.h"
#include "core/text/CSharedTexts.h"
#include "gui/dialogs/CCsvList.h"
#include "gui/dialogs/CDialogIcons.h"
#include "gui/dialogs/CDialogTexts.h"
#include "gui/dialogs/COkCancelRow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CCSVExportDlg::CCSVExportDlg(CCSVExportModel& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
    setWindowTitle(QString::fromUtf8(CSharedTexts::CSV_EXPORT));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeLists(), 1);
    layout->addWidget(MakeScope());
    auto* buttons = new COkCancelRow(*this);
    m_pOk = &buttons->GetOk();
    layout->addWidget(buttons);
    resize(560, 440);
    Refresh();
    m_pFields->FitRows(m_pFields->topLevelItemCount());
}

QPushButton* CCSVExportDlg::MakeButton(const QString& text, const QString& name,
                                       void (CCSVExportModel::*step)()) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, step] {
        (m_model.*step)();
        Refresh();
    });
    return button;
}

QWidget* CCSVExportDlg::MakeLists() {
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    m_pFields = new CCsvList({QString::fromUtf8(CDialogTexts::CSV_FIELD)}, area);
    m_pFields->setObjectName(QStringLiteral("fields"));
    m_pOrder = new CCsvList({QString::fromUtf8(CDialogTexts::CSV_FIELD)}, area);
    m_pOrder->setObjectName(QStringLiteral("order"));
    m_pAdd = MakeButton(QString::fromUtf8(CDialogTexts::CSV_ADD), QStringLiteral("add"),
                        &CCSVExportModel::Add);
    m_pExclude = MakeButton(QString::fromUtf8(CDialogTexts::CSV_EXCLUDE), QStringLiteral("exclude"),
                            &CCSVExportModel::Exclude);
    m_pUp = MakeButton(QString::fromUtf8(CDialogTexts::CSV_MOVE_UP), QStringLiteral("up"),
                       &CCSVExportModel::MoveUp);
    m_pDown = MakeButton(QString::fromUtf8(CDialogTexts::CSV_MOVE_DOWN), QStringLiteral("down"),
                         &CCSVExportModel::MoveDown);

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(m_pAdd);
    middle->addWidget(m_pExclude);
    middle->addStretch();
    auto* moves = new QHBoxLayout;
    moves->addWidget(m_pUp);
    moves->addWidget(m_pDown);
    grid->addWidget(new QLabel(QString::fromUtf8(CDialogTexts::CSV_OWN_DATA), area), 0, 0);
    grid->addWidget(new QLabel(QString::fromUtf8(CDialogTexts::CSV_EXPORT_ORDER), area), 0, 2);
    grid->addWidget(m_pFields, 1, 0);
    grid->addLayout(middle, 1, 1);
    grid->addWidget(m_pOrder, 1, 2);
    grid->addLayout(moves, 2, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);

    connect(m_pFields, &CCsvList::rowChosen, this, [this](int row) {
        m_model.SelectField(row);
        Refresh();
    });
    connect(m_pOrder, &CCsvList::rowChosen, this, [this](int row) {
        m_model.SelectOrder(row);
        Refresh();
    });
    return area;
}

QWidget* CCSVExportDlg::MakeScope() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pScope = new QButtonGroup(area);
    const QString captions[] = {QString::fromUtf8(CDialogTexts::CSV_EXPORT_ALL),
                                QString::fromUtf8(CDialogTexts::CSV_EXPORT_SELECTED),
                                QString::fromUtf8(CDialogTexts::CSV_EXPORT_GROUP)};
    const QString names[] = {QStringLiteral("scopeAll"), QStringLiteral("scopeSelected"),
                             QStringLiteral("scopeGroup")};
    for (int scope = 0; scope < 3; ++scope) {
        auto* button = new QRadioButton(captions[scope], area);
        button->setObjectName(names[scope]);
        m_pScope->addButton(button, scope);
        layout->addWidget(button);
    }
    if (QAbstractButton* preset = m_pScope->button(static_cast<int>(m_model.GetScope())))
        preset->setChecked(true);

    auto* form = new QFormLayout;
    m_pFormat = new QComboBox(area);
    m_pFormat->setObjectName(QStringLiteral("format"));
    m_pFormat->addItems({QString::fromUtf8(CDialogTexts::CSV_QUOTING_OWN),
                         QString::fromUtf8(CDialogTexts::CSV_QUOTING_RFC4180)});
    m_pFormat->setCurrentIndex(m_model.IsRfc4180() ? 1 : 0);
    m_pHeader = new QCheckBox(QString::fromUtf8(CDialogTexts::CSV_EXPORT_HEADER), area);
    m_pHeader->setObjectName(QStringLiteral("header"));
    m_pHeader->setChecked(m_model.HasHeader());
    form->addRow(QString::fromUtf8(CDialogTexts::CSV_EXPORT_FORMAT), m_pFormat);
    form->addRow(QString(), m_pHeader);
    layout->addLayout(form);
    return area;
}

void CCSVExportDlg::Refresh() {
    const QIcon used = CDialogIcons::CsvAssigned();
    const QIcon free = CDialogIcons::CsvFree();
    std::vector<CCsvList::CRow> fields;
    for (int field = 0; field < m_model.GetFieldCount(); ++field) {
        const bool inUse = m_model.GetFieldUses(field) > 0;
        fields.push_back(
            {{QString::fromStdString(m_model.GetFieldName(field))}, inUse ? used : free, inUse});
    }
    std::vector<CCsvList::CRow> order;
    for (const int field : m_model.GetOrder())
        order.push_back({{QString::fromStdString(m_model.GetFieldName(field))}, {}, false});
    m_pFields->SetRows(fields);
    m_pOrder->SetRows(order);
    m_pFields->SelectRow(m_model.GetSelectedField());
    m_pOrder->SelectRow(m_model.GetSelectedOrder());
    m_pAdd->setEnabled(m_model.IsAddEnabled());
    m_pExclude->setEnabled(m_model.IsExcludeEnabled());
    m_pUp->setEnabled(m_model.IsMoveUpEnabled());
    m_pDown->setEnabled(m_model.IsMoveDownEnabled());
    m_pOk->setEnabled(m_model.IsOkEnabled());
}

void CCSVExportDlg::accept() {
    m_model.SetScope(static_cast<ECsvScope>(m_pScope->checkedId()));
    m_model.SetRfc4180(m_pFormat->currentIndex() == 1);
    m_model.SetHeader(m_pHeader->isChecked());
    QDialog::accept();
}
