#include "gui/dialogs/CCSVImportDlg.h"

#include "core/csv/CCSVImportModel.h"
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

CCSVImportDlg::CCSVImportDlg(CCSVImportModel& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
    setWindowTitle(QString::fromUtf8(CSharedTexts::CSV_IMPORT));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeLists(), 1);
    layout->addWidget(MakeChoices());
    auto* buttons = new COkCancelRow(*this);
    m_pOk = &buttons->GetOk();
    layout->addWidget(buttons);
    resize(760, 460);
    Refresh();
    m_pFields->FitRows(m_pFields->topLevelItemCount());
}

QWidget* CCSVImportDlg::MakeLists() {
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    m_pFields = new CCsvList({QString::fromUtf8(CDialogTexts::CSV_FIELD),
                              QString::fromUtf8(CDialogTexts::CSV_ASSIGNED_FIELD)},
                             area);
    m_pFields->setObjectName(QStringLiteral("fields"));
    m_pColumns = new CCsvList(
        {QString::fromUtf8(CDialogTexts::CSV_FIELD), QString::fromUtf8(CDialogTexts::CSV_EXAMPLE)},
        area);
    m_pColumns->setObjectName(QStringLiteral("columns"));
    m_pAssign = new QPushButton(QString::fromUtf8(CDialogTexts::CSV_ASSIGN), area);
    m_pAssign->setObjectName(QStringLiteral("assign"));
    m_pUnassign = new QPushButton(QString::fromUtf8(CDialogTexts::CSV_UNASSIGN), area);
    m_pUnassign->setObjectName(QStringLiteral("unassign"));
    for (QPushButton* button : {m_pAssign, m_pUnassign})
        button->setAutoDefault(false);

    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pAssign);
    buttons->addWidget(m_pUnassign);
    buttons->addStretch();
    grid->addWidget(new QLabel(QString::fromUtf8(CDialogTexts::CSV_OWN_DATA), area), 0, 0);
    grid->addWidget(new QLabel(QString::fromUtf8(CDialogTexts::CSV_FILE_DATA), area), 0, 2);
    grid->addWidget(m_pFields, 1, 0);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(m_pColumns, 1, 2);
    // The assignments name a column and its example, so the field list gets the larger share.
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(2, 2);

    connect(m_pFields, &CCsvList::rowChosen, this, [this](int row) {
        m_model.SelectField(row);
        Refresh();
    });
    connect(m_pColumns, &CCsvList::rowChosen, this, [this](int row) {
        m_model.SelectColumn(row);
        Refresh();
    });
    connect(m_pAssign, &QPushButton::clicked, this, [this] {
        m_model.Assign();
        Refresh();
    });
    connect(m_pUnassign, &QPushButton::clicked, this, [this] {
        m_model.Unassign();
        Refresh();
    });
    return area;
}

QWidget* CCSVImportDlg::MakeChoices() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pTarget = new QButtonGroup(area);
    auto* newFile = new QRadioButton(QString::fromUtf8(CDialogTexts::CSV_NEW_FILE), area);
    newFile->setObjectName(QStringLiteral("newFile"));
    auto* openFile = new QRadioButton(QString::fromUtf8(CDialogTexts::CSV_ADD_TO_OPEN_FILE), area);
    openFile->setObjectName(QStringLiteral("openFile"));
    m_pTarget->addButton(newFile, static_cast<int>(ECsvTarget::NewFile));
    m_pTarget->addButton(openFile, static_cast<int>(ECsvTarget::OpenFile));
    m_pTarget->button(static_cast<int>(m_model.GetTarget()))->setChecked(true);
    layout->addWidget(newFile);
    layout->addWidget(openFile);

    // How a file from another program is read.
    auto* form = new QFormLayout;
    m_pEncoding = new QComboBox(area);
    m_pEncoding->setObjectName(QStringLiteral("encoding"));
    m_pEncoding->addItems({QString::fromUtf8(CDialogTexts::CSV_ENCODING_AUTO),
                           QString::fromUtf8(CDialogTexts::CSV_ENCODING_CP932),
                           QStringLiteral("UTF-8")});
    m_pHeader = new QCheckBox(QString::fromUtf8(CDialogTexts::CSV_HEADER_ROW), area);
    m_pHeader->setObjectName(QStringLiteral("header"));
    m_pQuoting = new QComboBox(area);
    m_pQuoting->setObjectName(QStringLiteral("quoting"));
    m_pQuoting->addItems({QString::fromUtf8(CDialogTexts::CSV_QUOTING_OWN),
                          QString::fromUtf8(CDialogTexts::CSV_QUOTING_RFC4180)});
    const CCsvOptions& options = m_model.GetOptions();
    m_pEncoding->setCurrentIndex(static_cast<int>(options.encoding));
    m_pHeader->setChecked(options.header);
    m_pQuoting->setCurrentIndex(static_cast<int>(options.quoting));
    form->addRow(QString::fromUtf8(CDialogTexts::CSV_ENCODING), m_pEncoding);
    form->addRow(QString(), m_pHeader);
    form->addRow(QString::fromUtf8(CDialogTexts::CSV_QUOTING), m_pQuoting);
    layout->addLayout(form);

    connect(m_pEncoding, &QComboBox::currentIndexChanged, this, &CCSVImportDlg::OnOptionsChanged);
    connect(m_pHeader, &QCheckBox::toggled, this, &CCSVImportDlg::OnOptionsChanged);
    connect(m_pQuoting, &QComboBox::currentIndexChanged, this, &CCSVImportDlg::OnOptionsChanged);
    return area;
}

void CCSVImportDlg::OnOptionsChanged() {
    CCsvOptions options;
    options.encoding = static_cast<ECsvEncoding>(m_pEncoding->currentIndex());
    options.header = m_pHeader->isChecked();
    options.quoting = static_cast<ECsvQuoting>(m_pQuoting->currentIndex());
    m_model.SetOptions(options);
    Refresh();
}

void CCSVImportDlg::Refresh() {
    std::vector<CCsvList::CRow> fields;
    for (int field = 0; field < m_model.GetFieldCount(); ++field)
        fields.push_back({{QString::fromUtf8(m_model.GetFieldName(field)),
                           QString::fromUtf8(m_model.GetFieldAssignment(field))},
                          {},
                          false});
    const QIcon assigned = CDialogIcons::CsvAssigned();
    const QIcon free = CDialogIcons::CsvFree();
    std::vector<CCsvList::CRow> columns;
    for (int column = 0; column < m_model.GetColumnCount(); ++column) {
        const bool used = m_model.GetColumnUses(column) > 0;
        columns.push_back({{QString::fromUtf8(CCSVImportModel::GetColumnName(column)),
                            QString::fromUtf8(m_model.GetExample(column))},
                           used ? assigned : free,
                           used});
    }
    m_pFields->SetRows(fields);
    m_pColumns->SetRows(columns);
    m_pFields->SelectRow(m_model.GetSelectedField());
    m_pColumns->SelectRow(m_model.GetSelectedColumn());
    m_pAssign->setEnabled(m_model.IsAssignEnabled());
    m_pUnassign->setEnabled(m_model.IsUnassignEnabled());
    m_pOk->setEnabled(m_model.IsOkEnabled());
}

void CCSVImportDlg::accept() {
    m_model.SetTarget(static_cast<ECsvTarget>(m_pTarget->checkedId()));
    QDialog::accept();
}
