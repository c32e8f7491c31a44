#include "gui/dialogs/CCopiedAddressDialog.h"

#include "core/text/CSharedTexts.h"
#include "core/text/CTextCodec.h"
#include "core/ui/CommandIds.h"
#include "gui/app/CAppIcons.h"
#include "gui/dialogs/CDialogFrame.h"
#include "gui/dialogs/CDialogTexts.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {
constexpr int EXTRA_LINE_HEIGHT = 4;
constexpr int POSITION_ROLE = Qt::UserRole;
} // namespace

CCopiedAddressDialog::CCopiedAddressDialog(const std::vector<std::string>& recent, QWidget* parent)
    : QDialog(parent, CDialogFrame::FLAGS), m_pList(new QListWidget(this)),
      m_pWrite(new QPushButton(QString::fromUtf8(CDialogTexts::RECENT_WRITE_MAIL), this)) {
    setWindowTitle(QString::fromUtf8(CDialogTexts::RECENT_TITLE));
    setWindowIcon(CAppIcons::ForCommand(ID_RECENT_ADDRESSES));
    m_pList->setObjectName(QStringLiteral("list"));
    m_pList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int lineHeight = m_pList->fontMetrics().height() + EXTRA_LINE_HEIGHT;
    const CTextCodec codec;
    for (std::size_t position = 0; position + 1 < recent.size(); position += 2) {
        const QString label = QString::fromStdString(codec.ToUtf8(recent[position + 1]));
        auto* line = new QListWidgetItem(label, m_pList);
        // A long list of names is cut at the list's edge; the tip shows it whole, wrapped.
        line->setToolTip(Qt::convertFromPlainText(label, Qt::WhiteSpaceNormal));
        line->setData(POSITION_ROLE, static_cast<qulonglong>(position));
        line->setSizeHint(QSize(0, lineHeight));
    }

    m_pWrite->setObjectName(QStringLiteral("write"));
    m_pWrite->setDefault(true);
    m_pWrite->setEnabled(false);
    auto* close = new QPushButton(QString::fromUtf8(CSharedTexts::CLOSE), this);
    close->setObjectName(QStringLiteral("close"));
    close->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pWrite);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pList, 1);
    layout->addLayout(buttons);
    resize(440, 260);

    connect(m_pList, &QListWidget::itemSelectionChanged, this,
            &CCopiedAddressDialog::OnSelectionChanged);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, [this] {
        OnSelectionChanged();
        if (m_chosen)
            accept();
    });
    connect(m_pWrite, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void CCopiedAddressDialog::OnSelectionChanged() {
    const QListWidgetItem* line = m_pList->currentItem();
    if (!line || !line->isSelected())
        return;
    m_chosen = static_cast<std::size_t>(line->data(POSITION_ROLE).toULongLong());
    m_pWrite->setEnabled(true);
}
