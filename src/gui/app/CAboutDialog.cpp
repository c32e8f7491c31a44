#include "gui/app/CAboutDialog.h"

#include "core/text/CSharedTexts.h"
#include "core/text/CTextFormat.h"
#include "gui/app/CAppIcons.h"
#include "gui/app/CAppTexts.h"
#include "gui/dialogs/CDialogFrame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int ICON_SIZE = 32;

QLabel* MakeText(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    // The hatch shows through behind the words.
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    return label;
}
} // namespace

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent, CDialogFrame::CAPTIONLESS_FLAGS) {
    setWindowTitle(QString::fromUtf8(CAppTexts::ABOUT_TITLE));
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(CAppIcons::Application().pixmap(ICON_SIZE, ICON_SIZE));

    auto* texts = new QVBoxLayout;
    texts->addWidget(MakeText(
        QString::fromUtf8(CTextFormat::Format(CAppTexts::ABOUT_VERSION, {TARNVALE_VERSION})),
        this));
    texts->addWidget(MakeText(QString::fromUtf8(CAppTexts::ABOUT_DESCRIPTION), this));

    auto* close = new QPushButton(QString::fromUtf8(CSharedTexts::CLOSE), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout(this);
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addSpacing(8);
    row->addLayout(texts, 1);
    row->addSpacing(16);
    row->addWidget(close, 0, Qt::AlignTop);
    row->setContentsMargins(16, 16, 16, 16);
    setSizeGripEnabled(false);
    setFixedSize(sizeHint());
}

void CAboutDialog::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.fillRect(rect(), QBrush(QColor(HATCH_COLOR), Qt::DiagCrossPattern));
    // Without a caption the window manager draws no frame; the box draws its own edge.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
