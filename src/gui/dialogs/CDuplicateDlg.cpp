#include "gui/dialogs/CDuplicateDlg.h"

#include "core/dialogs/CDuplicateDialogModel.h"
#include "core/text/CSharedTexts.h"
#include "gui/dialogs/CDialogFrame.h"
#include "gui/dialogs/CDialogTexts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}
QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QTableWidget* MakeTable(QWidget* parent, const QString& name) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setWordWrap(true);
    return table;
}

// One row a text, its label at the side; one column a person.
void Fill(QTableWidget& table, const std::vector<CDuplicateDialogModel::CFieldRow>& rows,
          const QStringList& columns) {
    table.clear();
    table.setRowCount(static_cast<int>(rows.size()));
    table.setColumnCount(static_cast<int>(columns.size()));
    table.setHorizontalHeaderLabels(columns);
    QStringList labels;
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const auto& field = rows[static_cast<std::size_t>(row)];
        labels << Text(field.label);
        for (int column = 0; column < static_cast<int>(field.values.size()); ++column)
            table.setItem(
                row, column,
                new QTableWidgetItem(Text(field.values[static_cast<std::size_t>(column)])));
    }
    table.setVerticalHeaderLabels(labels);
}
} // namespace

CDuplicateDlg::CDuplicateDlg(CDuplicateDialogModel& model, QWidget* parent)
    : QDialog(parent, CDialogFrame::FLAGS), m_model(model) {
    setWindowTitle(Text(CDialogTexts::DUPLICATES_TITLE));
    auto* layout = new QVBoxLayout(this);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(MakeSetArea());
    splitter->addWidget(MakeDetailArea());
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);
    layout->addWidget(MakeButtons());
    resize(900, 480);
    FillSets();
}

QWidget* CDuplicateDlg::MakeSetArea() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pSets = new QListWidget(area);
    m_pSets->setObjectName(QStringLiteral("sets"));
    auto* label = new QLabel(Text(CDialogTexts::DUPLICATES_SETS), area);
    label->setBuddy(m_pSets);
    m_pNone = new QLabel(Text(CDialogTexts::DUPLICATES_NONE), area);
    m_pNone->setObjectName(QStringLiteral("none"));
    layout->addWidget(label);
    layout->addWidget(m_pSets, 1);
    layout->addWidget(m_pNone);
    connect(m_pSets, &QListWidget::currentRowChanged, this, &CDuplicateDlg::OnSetChosen);
    return area;
}

QWidget* CDuplicateDlg::MakeDetailArea() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* keepRow = new QHBoxLayout;
    m_pKeep = new QComboBox(area);
    m_pKeep->setObjectName(QStringLiteral("keep"));
    auto* keepLabel = new QLabel(Text(CDialogTexts::DUPLICATES_KEEP), area);
    keepLabel->setBuddy(m_pKeep);
    keepRow->addWidget(keepLabel);
    keepRow->addWidget(m_pKeep, 1);
    layout->addLayout(keepRow);
    layout->addWidget(new QLabel(Text(CDialogTexts::DUPLICATES_DIFFERENCES), area));
    m_pDifferences = MakeTable(area, QStringLiteral("differences"));
    layout->addWidget(m_pDifferences, 1);
    layout->addWidget(new QLabel(Text(CDialogTexts::DUPLICATES_RESULT), area));
    m_pResult = MakeTable(area, QStringLiteral("result"));
    m_pResult->horizontalHeader()->hide();
    layout->addWidget(m_pResult, 1);
    connect(m_pKeep, &QComboBox::currentIndexChanged, this, &CDuplicateDlg::OnKeepChosen);
    return area;
}

QWidget* CDuplicateDlg::MakeButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pMerge = new QPushButton(Text(CDialogTexts::DUPLICATES_MERGE), row);
    m_pMerge->setObjectName(QStringLiteral("merge"));
    m_pNotDuplicates = new QPushButton(Text(CDialogTexts::DUPLICATES_NOT_DUPLICATES), row);
    m_pNotDuplicates->setObjectName(QStringLiteral("notDuplicates"));
    auto* close = new QPushButton(Text(CSharedTexts::CLOSE), row);
    close->setObjectName(QStringLiteral("close"));
    layout->addStretch();
    layout->addWidget(m_pMerge);
    layout->addWidget(m_pNotDuplicates);
    layout->addWidget(close);
    connect(m_pMerge, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pNotDuplicates, &QPushButton::clicked, this, &CDuplicateDlg::OnNotDuplicates);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    return row;
}

void CDuplicateDlg::FillSets() {
    {
        const QSignalBlocker blocker(m_pSets);
        m_pSets->clear();
        for (std::size_t set = 0; set < m_model.GetSetCount(); ++set)
            m_pSets->addItem(Text(m_model.GetSetCaption(set)));
    }
    m_pNone->setVisible(m_model.GetSetCount() == 0);
    if (m_model.GetSetCount() > 0)
        m_pSets->setCurrentRow(0);
    else
        ShowSet();
}

void CDuplicateDlg::OnSetChosen() {
    if (m_pSets->currentRow() >= 0)
        m_model.SelectSet(static_cast<std::size_t>(m_pSets->currentRow()));
    ShowSet();
}

void CDuplicateDlg::OnKeepChosen(int member) {
    if (member < 0)
        return;
    m_model.SetKeep(static_cast<std::size_t>(member));
    Fill(*m_pResult, m_model.GetMergedResult(), {QString()});
}

void CDuplicateDlg::ShowSet() {
    QStringList names;
    for (std::size_t member = 0; member < m_model.GetMembers().size(); ++member)
        names << Text(m_model.GetMemberName(member));
    {
        const QSignalBlocker blocker(m_pKeep);
        m_pKeep->clear();
        m_pKeep->addItems(names);
        m_pKeep->setCurrentIndex(static_cast<int>(m_model.GetKeep()));
    }
    Fill(*m_pDifferences, m_model.GetDifferences(), names);
    Fill(*m_pResult, m_model.GetMergedResult(), {QString()});
    m_pMerge->setEnabled(m_model.CanMerge());
    m_pNotDuplicates->setEnabled(m_model.CanMerge());
    m_pKeep->setEnabled(m_model.CanMerge());
}

void CDuplicateDlg::OnNotDuplicates() {
    m_model.OnNotDuplicates();
    FillSets();
}
