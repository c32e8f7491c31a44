#include "gui/dialogs/CViewPage.h"

#include "core/dialogs/COptionSheetModel.h"
#include "gui/dialogs/CDialogTexts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CViewPage::CViewPage(COptionSheetModel& model, QWidget* parent) : QWidget(parent), m_model(model) {
    auto* doubleClick = new QCheckBox(QString::fromUtf8(CDialogTexts::VIEW_DOUBLE_CLICK), this);
    doubleClick->setObjectName(QStringLiteral("editByDblClk"));
    doubleClick->setChecked(m_model.GetEditByDblClk());
    auto* reset = new QPushButton(QString::fromUtf8(CDialogTexts::VIEW_RESET), this);
    reset->setObjectName(QStringLiteral("resetColumns"));
    reset->setAutoDefault(false);

    auto* resetRow = new QHBoxLayout;
    resetRow->addWidget(new QLabel(QString::fromUtf8(CDialogTexts::VIEW_RESET_LABEL), this));
    resetRow->addWidget(reset);
    resetRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(doubleClick);
    layout->addLayout(resetRow);
    layout->addStretch();

    connect(doubleClick, &QCheckBox::toggled, this,
            [this](bool on) { m_model.SetEditByDblClk(on); });
    connect(reset, &QPushButton::clicked, this, [this] { m_model.OnResetColumns(); });
}
