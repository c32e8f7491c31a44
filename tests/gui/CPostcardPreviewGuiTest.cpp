#include "CScriptedUserInterface.h"
#include "CTempFolder.h"
#include "core/model/CPersonalData.h"
#include "core/print/CPostcardPreviewModel.h"
#include "core/text/CTextCodec.h"
#include "gui/print/CPostcardPageWidget.h"
#include "gui/print/CPostcardPreviewDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace {
class CPostcardPreviewGuiTest : public ::testing::Test {
protected:
    void Add(const char* name, const char* zip, const char* address) {
        auto person = std::make_unique<CPersonalData>();
        person->SetText(EPersonText::Name, m_codec.FromUtf8(name).text);
        person->SetText(EPersonText::Zip, m_codec.FromUtf8(zip).text);
        person->SetText(EPersonText::Address, m_codec.FromUtf8(address).text);
        m_persons.push_back(std::move(person));
    }

    std::vector<const CPersonalData*> Persons() const {
        std::vector<const CPersonalData*> persons;
        for (const auto& person : m_persons)
            persons.push_back(person.get());
        return persons;
    }

    CTextCodec m_codec;
    std::vector<std::unique_ptr<CPersonalData>> m_persons;
    CScriptedUserInterface m_ui;
    CTempFolder m_folder;
};

// Counts the pixels of the page widget's picture that are darker than the paper.
int InkedPixels(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inked += qGray(image.pixel(x, y)) < 96 ? 1 : 0;
    return inked;
}

// The preview pages through the cards, says whom it skipped, redraws when a choice changes and
// saves every card as a PDF under the name the user gives.
TEST_F(CPostcardPreviewGuiTest, PagesThroughTheCardsAndSavesThem) {
    Add("山田太郎", "100-0001", "東京都千代田区千代田1-1");
    Add("空欄", "100-0001", "");
    Add("佐藤花子", "100", "大阪府大阪市北区梅田3-1-1");
    CPostcardSettings settings;
    settings.m_strFont = "Noto Serif CJK JP";
    CPostcardPreviewModel model(Persons(), nullptr, settings, m_codec);
    CPostcardPreviewDialog dialog(model, m_ui);
    dialog.show();
    EXPECT_EQ(dialog.GetPageLabel()->text().toStdString(), "1 / 2");
    const std::string status = dialog.GetStatusLabel()->text().toStdString();
    EXPECT_NE(status.find("住所のない 1 人"), std::string::npos) << status;
    EXPECT_NE(status.find("郵便番号が 7 桁でない宛先 1 件"), std::string::npos) << status;
    EXPECT_FALSE(dialog.GetPreviousButton()->isEnabled());
    const int firstCard = InkedPixels(*dialog.GetPageWidget());
    EXPECT_GT(firstCard, 0);

    dialog.GetNextButton()->click();
    EXPECT_EQ(model.GetPage(), 1);
    EXPECT_EQ(dialog.GetPageLabel()->text().toStdString(), "2 / 2");
    EXPECT_FALSE(dialog.GetNextButton()->isEnabled());
    dialog.GetArabicBox()->setChecked(true);
    EXPECT_EQ(model.GetSettings().m_numerals, ENumeralStyle::Arabic);
    dialog.GetHonorificBox()->setCurrentIndex(CPostcardSettings::HONORIFIC_NONE);
    EXPECT_EQ(model.GetOptions().m_strHonorific, "");
    dialog.GetZoomBox()->setCurrentIndex(dialog.GetZoomBox()->count() - 1);
    EXPECT_GT(dialog.GetPageWidget()->GetZoom(), 1.0);

    const auto pdf = m_folder / "cards.pdf";
    m_ui.m_saveFileNames.push_back(pdf.string());
    ASSERT_TRUE(dialog.SavePdf());
    EXPECT_EQ(CTempFolder::ReadFile(pdf).substr(0, 5), "%PDF-");
    EXPECT_FALSE(dialog.SavePdf()); // the chooser cancelled: nothing written, nothing asked
    EXPECT_TRUE(m_ui.m_asked.empty());
}
} // namespace
