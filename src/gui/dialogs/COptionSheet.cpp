#include "gui/dialogs/COptionSheet.h"

#include "gui/app/CAppIcons.h"
#include "gui/dialogs/CColorPage.h"
#include "gui/dialogs/CDialogFrame.h"
#include "gui/dialogs/CDialogTexts.h"
#include "gui/dialogs/CMailPage.h"
#include "gui/dialogs/COkCancelRow.h"
#include "gui/dialogs/CViewPage.h"

#include <QTabWidget>
#include <QVBoxLayout>

COptionSheet::COptionSheet(COptionSheetModel& model, QWidget* parent)
    : QDialog(parent, CDialogFrame::FLAGS), m_pTabs(new QTabWidget(this)),
      m_pMailPage(new CMailPage(model, m_pTabs)), m_pColorPage(new CColorPage(model, m_pTabs)),
      m_pViewPage(new CViewPage(model, m_pTabs)) {
    setWindowTitle(QString::fromUtf8(CDialogTexts::OPTIONS_TITLE));
    setWindowIcon(CAppIcons::Application());
    m_pTabs->setObjectName(QStringLiteral("pages"));
    m_pTabs->addTab(m_pMailPage, QString::fromUtf8(CDialogTexts::OPTIONS_MAIL_PAGE));
    m_pTabs->addTab(m_pColorPage, QString::fromUtf8(CDialogTexts::OPTIONS_COLOR_PAGE));
    m_pTabs->addTab(m_pViewPage, QString::fromUtf8(CDialogTexts::OTHER));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTabs, 1);
    layout->addWidget(new COkCancelRow(*this));
    connect(m_pTabs, &QTabWidget::currentChanged, this, &COptionSheet::OnPageChanged);
}

void COptionSheet::accept() {
    if (m_pTabs->currentWidget() == m_pMailPage && !m_pMailPage->Leave())
        return;
    QDialog::accept();
}

// The mail page checks its entries when the person turns to another page.
void COptionSheet::OnPageChanged(int index) {
    const int left = m_nCurrentPage;
    m_nCurrentPage = index;
    if (m_pTabs->widget(left) != m_pMailPage || m_pMailPage->Leave())
        return;
    const QSignalBlocker quiet(m_pTabs);
    m_pTabs->setCurrentIndex(left);
    m_nCurrentPage = left;
}
