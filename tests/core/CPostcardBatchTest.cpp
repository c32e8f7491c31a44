#include "core/print/CPostcardBatch.h"

#include "core/model/CPersonList.h"
#include "core/model/CPersonalData.h"
#include "core/print/CPostcardSender.h"
#include "core/print/CPostcardSettings.h"
#include "core/settings/CProfile.h"
#include "core/text/CTextCodec.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
class CPostcardBatchTest : public ::testing::Test {
protected:
    CPersonalData* Add(const char* name, const char* zip, const char* address) {
        auto person = std::make_unique<CPersonalData>();
        person->SetText(EPersonText::Name, m_codec.FromUtf8(name).text);
        person->SetText(EPersonText::Zip, m_codec.FromUtf8(zip).text);
        person->SetText(EPersonText::Address, m_codec.FromUtf8(address).text);
        person->SetText(EPersonText::HomeAddress, m_codec.FromUtf8("実家の住所").text);
        person->SetUid(CUid(CUuid::Random(m_random)));
        m_list.insert(m_list.end(), person.get());
        m_persons.push_back(std::move(person));
        return m_list.back();
    }

    CTextCodec m_codec;
    std::mt19937_64 m_random{7};
    std::vector<std::unique_ptr<CPersonalData>> m_persons;
    CPersonList m_list{EPersonPlace::Live};
};

// Persons whose address is empty or blank get no card and are named; the home-town address
// never stands in for the address.
TEST_F(CPostcardBatchTest, SkipsPersonsWithoutAnAddress) {
    Add("山田", "1000001", "東京都");
    Add("空欄", "1000001", "");
    Add("空白", "1000001", " \u3000");
    Add("佐藤", "100-01", "大阪府");
    const CPostcardBatch batch({m_list.begin(), m_list.end()}, nullptr, {}, m_codec);
    EXPECT_EQ(batch.GetCards().size(), 2u);
    EXPECT_EQ(batch.GetSkippedNames(), (std::vector<std::string>{"空欄", "空白"}));
    EXPECT_EQ(batch.CountUnreadableZips(), 1u);
}

// A print dialog's page range prints those cards only: a test print of one card is one card.
TEST_F(CPostcardBatchTest, APageRangeChoosesItsCards) {
    Add("あ", "1000001", "東京都");
    Add("いい", "1000001", "東京都");
    Add("ううう", "1000001", "東京都");
    const CPostcardBatch batch({m_list.begin(), m_list.end()}, nullptr, {}, m_codec);
    const auto cellsOf = [](const std::vector<CPostcardLayout>& cards) {
        std::vector<std::size_t> cells;
        for (const CPostcardLayout& card : cards)
            cells.push_back(card.GetCells().size());
        return cells;
    };
    const std::vector<std::size_t> all = cellsOf(batch.GetCards());
    EXPECT_EQ(cellsOf(batch.GetCards(0, 0)), all);
    EXPECT_EQ(cellsOf(batch.GetCards(2, 2)), (std::vector<std::size_t>{all[1]}));
    EXPECT_EQ(cellsOf(batch.GetCards(2, 9)), (std::vector<std::size_t>{all[1], all[2]}));
    EXPECT_TRUE(batch.GetCards(5, 6).empty());
}

// The remembered choices come back from the settings file, the sender found again among the
// persons by its key; damaged values fall back to the defaults.
TEST_F(CPostcardBatchTest, SettingsRememberTheChoicesAndTheSender) {
    Add("山田", "1000001", "東京都");
    const CPersonalData* sender = Add("鈴木", "9876543", "大阪府");
    CPostcardSettings saved;
    saved.m_nHonorific = 2;
    saved.m_numerals = ENumeralStyle::Arabic;
    saved.m_nOffsetXTenths = 15;
    saved.m_nOffsetYTenths = -5;
    saved.m_strFont = "Noto Sans CJK JP";
    saved.m_strSenderKey = CPostcardSender::KeyOf(*sender);
    CProfile profile({}, "");
    saved.Save(profile);
    CPostcardSettings loaded;
    loaded.Load(profile);
    const CPostcardOptions options = loaded.ToOptions();
    EXPECT_EQ(options.m_strHonorific, "御中");
    EXPECT_EQ(options.m_numerals, ENumeralStyle::Arabic);
    EXPECT_DOUBLE_EQ(options.m_dOffsetX, 1.5);
    EXPECT_DOUBLE_EQ(options.m_dOffsetY, -0.5);
    EXPECT_EQ(options.m_strFont, "Noto Sans CJK JP");
    EXPECT_EQ(CPostcardSender::Find(m_list, loaded.m_strSenderKey), sender);
    EXPECT_EQ(CPostcardSender::Find(m_list, ""), nullptr);
    m_list.back()->SetUid({}); // a person without a UID is never taken for another
    EXPECT_EQ(CPostcardSender::KeyOf(*m_list.back()), "");
    EXPECT_EQ(CPostcardSender::Find(m_list, loaded.m_strSenderKey), nullptr);

    CProfile damaged({}, "[Postcard]\r\nHonorific=9\r\nOffsetX=99999\r\n");
    loaded.Load(damaged);
    EXPECT_EQ(loaded.ToOptions().m_strHonorific, "様");
    EXPECT_EQ(loaded.m_nOffsetXTenths, CPostcardSettings::MAX_OFFSET_TENTHS);
    EXPECT_EQ(loaded.ToOptions().m_strFont, "Noto Serif CJK JP");
}
} // namespace
