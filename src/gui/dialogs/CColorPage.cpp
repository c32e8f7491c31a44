#include "gui/dialogs/CColorPage.h"

#include "core/dialogs/COptionSheetModel.h"
#include "gui/dialogs/CDialogTexts.h"
#include "gui/views/CColorRef.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString SAMPLE = QString::fromUtf8(CDialogTexts::COLOR_SAMPLE);

// Only the caption takes the pane's colours; the rest of the preview keeps the page's.
QString PreviewText(std::uint32_t text, std::uint32_t background) {
    return QStringLiteral("<span style=\"color:%1; background-color:%2\">%3</span>")
        .arg(CColorRef::ToQColor(text).name(), CColorRef::ToQColor(background).name(), SAMPLE);
}

QPushButton* AddButton(QWidget& parent, const QString& caption, const QString& name) {
    auto* button = new QPushButton(caption, &parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}
} // namespace

CColorPage::CColorPage(COptionSheetModel& model, QWidget* parent)
    : QWidget(parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeGroup(true));
    layout->addWidget(MakeGroup(false));
    layout->addStretch();
    ShowPreviews();
}

QWidget* CColorPage::MakeGroup(bool list) {
    auto* group = new QGroupBox(list ? QString::fromUtf8(CDialogTexts::COLOR_LIST_BOX)
                                     : QString::fromUtf8(CDialogTexts::COLOR_TREE_BOX),
                                this);
    const QString prefix = list ? QStringLiteral("list") : QStringLiteral("tree");
    auto* text = AddButton(*group, QString::fromUtf8(CDialogTexts::COLOR_TEXT),
                           prefix + QStringLiteral("Text"));
    auto* background = AddButton(*group, QString::fromUtf8(CDialogTexts::COLOR_BACKGROUND),
                                 prefix + QStringLiteral("Background"));
    auto* match = AddButton(*group,
                            list ? QString::fromUtf8(CDialogTexts::COLOR_MATCH_TREE)
                                 : QString::fromUtf8(CDialogTexts::COLOR_MATCH_LIST),
                            prefix + QStringLiteral("Match"));
    auto* preview = new QLabel(group);
    preview->setObjectName(prefix + QStringLiteral("Preview"));
    preview->setAlignment(Qt::AlignCenter);
    preview->setTextFormat(Qt::RichText);
    preview->setFrameShape(QFrame::StyledPanel);
    (list ? m_pListPreview : m_pTreePreview) = preview;

    auto* grid = new QGridLayout(group);
    grid->addWidget(text, 0, 0);
    grid->addWidget(background, 1, 0);
    grid->addWidget(preview, 0, 1, 2, 1);
    grid->addWidget(match, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    const EOptionColor textColor = list ? EOptionColor::ListText : EOptionColor::TreeText;
    const EOptionColor backgroundColor =
        list ? EOptionColor::ListBackground : EOptionColor::TreeBackground;
    connect(text, &QPushButton::clicked, this, [this, textColor] { ChooseColor(textColor); });
    connect(background, &QPushButton::clicked, this,
            [this, backgroundColor] { ChooseColor(backgroundColor); });
    connect(match, &QPushButton::clicked, this, [this, list] {
        if (list)
            m_model.MatchListToTree();
        else
            m_model.MatchTreeToList();
        ShowPreviews();
    });
    return group;
}

void CColorPage::ChooseColor(EOptionColor which) {
    const QColor chosen =
        QColorDialog::getColor(CColorRef::ToQColor(m_model.GetColor(which)), this);
    if (!chosen.isValid())
        return;
    m_model.SetColor(which, CColorRef::FromQColor(chosen));
    ShowPreviews();
}

void CColorPage::ShowPreviews() {
    m_pListPreview->setText(PreviewText(m_model.GetColor(EOptionColor::ListText),
                                        m_model.GetColor(EOptionColor::ListBackground)));
    m_pTreePreview->setText(PreviewText(m_model.GetColor(EOptionColor::TreeText),
                                        m_model.GetColor(EOptionColor::TreeBackground)));
}
