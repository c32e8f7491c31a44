#include "gui/print/CPostcardPreviewDialog.h"

#include "core/print/CPostcardPreviewModel.h"
#include "core/print/CPostcardSettings.h"
#include "core/print/CPrintTexts.h"
#include "core/storage/CSafeFileWriter.h"
#include "core/text/CSharedTexts.h"
#include "core/text/CTextFormat.h"
#include "core/ui/CUserInterface.h"
#include "gui/print/CPdfUnicodeMap.h"
#include "gui/print/CPostcardPageWidget.h"
#include "gui/print/CPostcardPages.h"
#include "gui/print/CPostcardPdf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <cmath>

namespace {
constexpr int ZOOM_PERCENTS[] = {50, 75, 100, 150, 200};
constexpr int DEFAULT_ZOOM_INDEX = 2;
constexpr double TENTHS_PER_MM = 10.0;
constexpr double OFFSET_STEP = 0.1;

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QDoubleSpinBox* OffsetBox(int tenths) {
    auto* box = new QDoubleSpinBox;
    const double limit = CPostcardSettings::MAX_OFFSET_TENTHS / TENTHS_PER_MM;
    box->setRange(-limit, limit);
    box->setDecimals(1);
    box->setSingleStep(OFFSET_STEP);
    box->setValue(tenths / TENTHS_PER_MM);
    return box;
}
} // namespace

CPostcardPreviewDialog::CPostcardPreviewDialog(CPostcardPreviewModel& model, CUserInterface& ui,
                                               QWidget* parent)
    : QDialog(parent), m_model(model), m_ui(ui), m_pageWidget(new CPostcardPageWidget(model)) {
    setWindowTitle(Text(CPrintTexts::PREVIEW_TITLE));
    auto* scroll = new QScrollArea;
    scroll->setWidget(m_pageWidget);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setBackgroundRole(QPalette::Dark);
    m_status = new QLabel;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(CreateChoices());
    layout->addLayout(CreatePaging());
    layout->addWidget(scroll, 1);
    layout->addWidget(m_status);
    layout->addLayout(CreateButtons());
    m_pageWidget->SetZoom(ZOOM_PERCENTS[DEFAULT_ZOOM_INDEX] / 100.0);
    Refresh();
}

QLayout* CPostcardPreviewDialog::CreateChoices() {
    const CPostcardSettings& settings = m_model.GetSettings();
    m_honorific = new QComboBox;
    for (const char* choice : CPostcardSettings::HonorificChoices())
        m_honorific->addItem(Text(choice));
    m_honorific->setCurrentIndex(settings.m_nHonorific);
    m_arabic = new QCheckBox(Text(CPrintTexts::PREVIEW_ARABIC));
    m_arabic->setChecked(settings.m_numerals == ENumeralStyle::Arabic);
    m_offsetX = OffsetBox(settings.m_nOffsetXTenths);
    m_offsetY = OffsetBox(settings.m_nOffsetYTenths);
    m_font = new QFontComboBox;
    m_font->setCurrentFont(QFont(QString::fromStdString(m_model.GetOptions().m_strFont)));

    connect(m_honorific, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_model.SetHonorific(index);
        Refresh();
    });
    connect(m_arabic, &QCheckBox::toggled, this, [this](bool arabic) {
        m_model.SetNumerals(arabic ? ENumeralStyle::Arabic : ENumeralStyle::Kanji);
        Refresh();
    });
    connect(m_offsetX, &QDoubleSpinBox::valueChanged, this,
            &CPostcardPreviewDialog::OnOffsetChanged);
    connect(m_offsetY, &QDoubleSpinBox::valueChanged, this,
            &CPostcardPreviewDialog::OnOffsetChanged);
    connect(m_font, &QFontComboBox::currentFontChanged, this, [this](const QFont& font) {
        m_model.SetFont(font.family().toStdString());
        Refresh();
    });

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(Text(CPrintTexts::PREVIEW_HONORIFIC)));
    row->addWidget(m_honorific);
    row->addWidget(m_arabic);
    row->addWidget(new QLabel(Text(CPrintTexts::PREVIEW_OFFSET)));
    row->addWidget(m_offsetX);
    row->addWidget(new QLabel(Text(CPrintTexts::PREVIEW_OFFSET_Y)));
    row->addWidget(m_offsetY);
    row->addWidget(new QLabel(Text(CPrintTexts::PREVIEW_FONT)));
    row->addWidget(m_font, 1);
    return row;
}

QLayout* CPostcardPreviewDialog::CreatePaging() {
    m_previous = new QPushButton(Text(CPrintTexts::PREVIEW_PREVIOUS));
    m_next = new QPushButton(Text(CPrintTexts::PREVIEW_NEXT));
    m_page = new QLabel;
    m_zoom = new QComboBox;
    for (const int percent : ZOOM_PERCENTS)
        m_zoom->addItem(QString::number(percent) + QLatin1Char('%'));
    m_zoom->setCurrentIndex(DEFAULT_ZOOM_INDEX);
    connect(m_previous, &QPushButton::clicked, this, [this] {
        m_model.SetPage(m_model.GetPage() - 1);
        Refresh();
    });
    connect(m_next, &QPushButton::clicked, this, [this] {
        m_model.SetPage(m_model.GetPage() + 1);
        Refresh();
    });
    connect(m_zoom, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_pageWidget->SetZoom(ZOOM_PERCENTS[index] / 100.0); });
    auto* row = new QHBoxLayout;
    row->addWidget(m_previous);
    row->addWidget(m_page);
    row->addWidget(m_next);
    row->addStretch(1);
    row->addWidget(new QLabel(Text(CPrintTexts::PREVIEW_ZOOM)));
    row->addWidget(m_zoom);
    return row;
}

QLayout* CPostcardPreviewDialog::CreateButtons() {
    m_print = new QPushButton(Text(CPrintTexts::PREVIEW_PRINT));
    m_savePdf = new QPushButton(Text(CPrintTexts::PREVIEW_SAVE_PDF));
    auto* close = new QPushButton(Text(CSharedTexts::CLOSE));
    connect(m_print, &QPushButton::clicked, this, &CPostcardPreviewDialog::Print);
    connect(m_savePdf, &QPushButton::clicked, this, &CPostcardPreviewDialog::SavePdf);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(m_print);
    row->addWidget(m_savePdf);
    row->addWidget(close);
    return row;
}

void CPostcardPreviewDialog::OnOffsetChanged() {
    m_model.SetOffset(static_cast<int>(std::lround(m_offsetX->value() * TENTHS_PER_MM)),
                      static_cast<int>(std::lround(m_offsetY->value() * TENTHS_PER_MM)));
    Refresh();
}

void CPostcardPreviewDialog::Refresh() {
    m_status->setText(
        QString::fromUtf8(m_model.GetSenderText() + "    " + m_model.GetStatusText()));
    m_page->setText(QString::fromUtf8(m_model.GetPageText()));
    m_previous->setEnabled(m_model.CanGoBack());
    m_next->setEnabled(m_model.CanGoNext());
    m_print->setEnabled(m_model.CanPrint());
    m_savePdf->setEnabled(m_model.CanPrint());
    m_pageWidget->update();
}

bool CPostcardPreviewDialog::SavePdf() {
    const auto name = m_ui.GetSaveFileName(CPrintTexts::PDF_DEFAULT_NAME);
    if (!name)
        return false;
    const QByteArray pdf = CPostcardPdf::Render(
        m_model.GetBatch().GetCards(), QString::fromStdString(m_model.GetOptions().m_strFont));
    const CFileResult written = CSafeFileWriter::Write(
        *name, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    if (!written.ok)
        m_ui.MessageBox(written.message, EMessageButtons::Ok, EMessageIcon::Error);
    return written.ok;
}

void CPostcardPreviewDialog::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, this);
    const auto& cards = m_model.GetBatch().GetCards();
    dialog.setMinMax(1, static_cast<int>(cards.size()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString font = QString::fromStdString(m_model.GetOptions().m_strFont);
    if (CPostcardPages::Paint(
            printer, printer.resolution(),
            m_model.GetBatch().GetCards(
                printer.printRange() == QPrinter::PageRange ? printer.fromPage() : 0,
                printer.toPage()),
            font) &&
        printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        CPdfUnicodeMap::MendFile(printer.outputFileName(), QFont(font));
}
