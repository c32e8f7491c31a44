#include "gui/dialogs/COkCancelRow.h"

#include "gui/dialogs/CDialogTexts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

COkCancelRow::COkCancelRow(QDialog& dialog)
    : QWidget(&dialog), m_pOk(new QPushButton(QStringLiteral("OK"), this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    m_pOk->setObjectName(QStringLiteral("ok"));
    m_pOk->setDefault(true);
    auto* cancel = new QPushButton(QString::fromUtf8(CDialogTexts::CANCEL), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAutoDefault(false);
    row->addStretch();
    row->addWidget(m_pOk);
    row->addWidget(cancel);
    connect(m_pOk, &QPushButton::clicked, &dialog, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
}
