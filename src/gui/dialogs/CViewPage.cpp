#include "gui/dialogs/CViewPage.h"

#include "core/dialogs/COptionSheetModel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CViewPage::CViewPage(COptionSheetModel& model, QWidget* parent) : QWidget(parent), m_model(model) {
    auto* doubleClick = new QCheckBox(QStringLiteral("セルのダブルクリックでセル編集を開始"), this);
    doubleClick->setObjectName(QStringLiteral("editByDblClk"));
    doubleClick->setChecked(m_model.GetEditByDblClk());
    auto* reset = new QPushButton(QStringLiteral("← 実行"), this);
    reset->setObjectName(QStringLiteral("resetColumns"));
    reset->setAutoDefault(false);

    auto* resetRow = new QHBoxLayout;
    resetRow->addWidget(
        new QLabel(QStringLiteral("個人データ表示領域のヘッダーを初期状態に戻す"), this));
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
