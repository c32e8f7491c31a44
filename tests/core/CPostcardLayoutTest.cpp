#include "core/print/CPostcardLayout.h"

#include "core/print/CAddressNumerals.h"
#include "core/print/CCodePoints.h"
#include "core/print/CPostalDigits.h"
#include "core/print/CPostcardGeometry.h"
#include "core/print/CPostcardOptions.h"
#include "core/print/CPostcardParty.h"
#include "core/print/CVerticalForms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {
using G = CPostcardGeometry;

std::vector<const CGlyphCell*> CellsOf(const CPostcardLayout& layout, EGlyphRole role) {
    std::vector<const CGlyphCell*> cells;
    for (const CGlyphCell& cell : layout.GetCells())
        if (cell.m_role == role)
            cells.push_back(&cell);
    return cells;
}

std::string TextOf(const std::vector<const CGlyphCell*>& cells) {
    std::string text;
    for (const CGlyphCell* cell : cells)
        text += cell->m_strText;
    return text;
}

CPostcardOptions Options(std::string honorific = "様",
                         ENumeralStyle numerals = ENumeralStyle::Kanji) {
    CPostcardOptions options;
    options.m_strHonorific = std::move(honorific);
    options.m_numerals = numerals;
    return options;
}

// The post office's figures: box centres 16 mm from the top at these distances from the left.
TEST(CPostcardLayoutTest, DigitsStandInThePostOfficesBoxes) {
    const double expected[] = {47.15, 54.15, 61.15, 68.75, 75.55, 82.35, 89.15};
    const CPostcardLayout layout =
        CPostcardLayout::Build({"山田太郎", "〒123-4567", "東京都"}, nullptr, Options());
    const auto digits = CellsOf(layout, EGlyphRole::ZipDigit);
    ASSERT_EQ(digits.size(), 7u);
    for (std::size_t box = 0; box < 7; ++box) {
        SCOPED_TRACE(box);
        EXPECT_NEAR(CPostcardLayout::ZipBoxCentres()[box], expected[box], 0.1);
        EXPECT_NEAR(digits[box]->m_dX, expected[box], 0.1);
        EXPECT_NEAR(digits[box]->m_dY, 16.0, 0.1);
        EXPECT_EQ(digits[box]->m_strText, std::string(1, static_cast<char>('1' + box)));
        EXPECT_EQ(digits[box]->m_nRotation, 0);
        const CCardBox& outline = layout.GetBoxes()[box];
        EXPECT_NEAR(outline.m_dLeft + outline.m_dWidth / 2.0, expected[box], 0.1);
    }
    EXPECT_FALSE(layout.IsZipUnreadable());
}

struct CZipCase {
    const char* name;
    const char* written;
    const char* digits; // nullptr: no seven digits
};

class CPostalDigitsTest : public ::testing::TestWithParam<CZipCase> {};

TEST_P(CPostalDigitsTest, ReadsTheSevenDigits) {
    const auto digits = CPostalDigits::Extract(CCodePoints::Decode(GetParam().written));
    if (GetParam().digits)
        EXPECT_EQ(digits, std::optional<std::string>(GetParam().digits));
    else
        EXPECT_EQ(digits, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Codes, CPostalDigitsTest,
                         ::testing::Values(CZipCase{"Mark", "〒100-0001", "1000001"},
                                           CZipCase{"FullWidth", "１００－０００１", "1000001"},
                                           CZipCase{"Plain", "1000001", "1000001"},
                                           CZipCase{"Spaced", " 100 0001 ", "1000001"},
                                           CZipCase{"FiveDigits", "100-01", nullptr},
                                           CZipCase{"Empty", "", nullptr},
                                           CZipCase{"EightDigits", "100-00012", nullptr},
                                           CZipCase{"Letters", "100-000A", nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

struct CFormCase {
    const char* name;
    char32_t in;
    char32_t glyph;
    int rotation;
    EGlyphShift shift;
};

class CVerticalFormsTest : public ::testing::TestWithParam<CFormCase> {};

TEST_P(CVerticalFormsTest, SetsTheCharacterForVerticalWriting) {
    const CVerticalGlyph glyph = CVerticalForms::Of(GetParam().in);
    EXPECT_EQ(glyph.m_glyph, GetParam().glyph);
    EXPECT_EQ(glyph.m_nRotation, GetParam().rotation);
    EXPECT_EQ(glyph.m_shift, GetParam().shift);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CVerticalFormsTest,
    ::testing::Values(CFormCase{"Ideograph", U'漢', U'漢', 0, EGlyphShift::None},
                      CFormCase{"Comma", U'、', U'、', 0, EGlyphShift::Punctuation},
                      CFormCase{"FullStop", U'。', U'。', 0, EGlyphShift::Punctuation},
                      CFormCase{"SmallYa", U'ゃ', U'ゃ', 0, EGlyphShift::SmallKana},
                      CFormCase{"SmallTsuKatakana", U'ッ', U'ッ', 0, EGlyphShift::SmallKana},
                      CFormCase{"LongVowel", U'ー', U'ー', 90, EGlyphShift::None},
                      CFormCase{"WaveDash", U'〜', U'〜', 90, EGlyphShift::None},
                      CFormCase{"OpeningBracket", U'「', U'﹁', 0, EGlyphShift::None},
                      CFormCase{"ClosingBracket", U'」', U'﹂', 0, EGlyphShift::None},
                      CFormCase{"Parenthesis", U'(', U'︵', 0, EGlyphShift::None},
                      CFormCase{"LatinLetter", U'A', U'Ａ', 0, EGlyphShift::None},
                      CFormCase{"AsciiHyphen", U'-', U'－', 90, EGlyphShift::None},
                      CFormCase{"Space", U' ', U'\u3000', 0, EGlyphShift::None}),
    [](const auto& info) { return std::string(info.param.name); });

struct CNumeralCase {
    const char* name;
    const char* address;
    ENumeralStyle style;
    std::vector<const char*> cells;
};

class CAddressNumeralsTest : public ::testing::TestWithParam<CNumeralCase> {};

TEST_P(CAddressNumeralsTest, SetsNumbersInTheChosenStyle) {
    std::vector<std::string> cells;
    for (const auto& cell :
         CAddressNumerals::Cells(CCodePoints::Decode(GetParam().address), GetParam().style))
        cells.push_back(CCodePoints::Encode(cell.m_text));
    EXPECT_EQ(cells, std::vector<std::string>(GetParam().cells.begin(), GetParam().cells.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, CAddressNumeralsTest,
    ::testing::Values(
        CNumeralCase{"KanjiBlock", "1-2-3", ENumeralStyle::Kanji, {"一", "―", "二", "―", "三"}},
        CNumeralCase{"KanjiTen", "10番", ENumeralStyle::Kanji, {"一", "〇", "番"}},
        CNumeralCase{
            "KanjiFullWidth", "２丁目１５", ENumeralStyle::Kanji, {"二", "丁", "目", "一", "五"}},
        CNumeralCase{"KanjiLongVowelBetween", "4ー5", ENumeralStyle::Kanji, {"四", "―", "五"}},
        CNumeralCase{"HyphenNotBetweenNumbers", "A-1", ENumeralStyle::Kanji, {"A", "-", "一"}},
        CNumeralCase{"ArabicPair", "12-3", ENumeralStyle::Arabic, {"12", "―", "３"}},
        CNumeralCase{"ArabicLong", "１２３号", ENumeralStyle::Arabic, {"１", "２", "３", "号"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Sixty characters cannot stand in one column at the usual size: they go on in a second column
// (set smaller), in order, and none runs past the bottom or off the card; nor do four hundred.
TEST(CPostcardLayoutTest, LongAddressTakesTwoColumnsAndIsNeverCutOff) {
    for (const int length : {60, 400}) {
        SCOPED_TRACE(length);
        std::string address;
        for (int at = 0; at < length; ++at)
            address += (at % 2 == 0) ? "東" : "京";
        const CPostcardLayout layout =
            CPostcardLayout::Build({"山田太郎", "1000001", address}, nullptr, Options());
        const auto cells = CellsOf(layout, EGlyphRole::Address);
        ASSERT_EQ(TextOf(cells), address);
        std::set<double> columns;
        for (const CGlyphCell* cell : cells) {
            columns.insert(cell->m_dX);
            EXPECT_GE(cell->m_dY - cell->m_dEm / 2.0, G::ADDRESS_TOP - 1e-6);
            EXPECT_LE(cell->m_dY + cell->m_dEm / 2.0, G::ADDRESS_BOTTOM + 1e-6);
            EXPECT_LE(cell->m_dX + cell->m_dEm / 2.0, G::ADDRESS_RIGHT + 1e-6);
        }
        EXPECT_EQ(columns.size(), 2u);
        EXPECT_LT(cells.front()->m_dEm, G::ADDRESS_EM);
        // The columns stay clear of the name on the card's axis.
        EXPECT_GT(*columns.begin() - cells.front()->m_dEm / 2.0,
                  G::NAME_CENTRE_X + G::NAME_EM / 2.0);
    }
}

// A short address stays in one column at its full size; one a little too long breaks at its
// space, so that the building's name starts the second column.
TEST(CPostcardLayoutTest, SecondColumnStartsAfterTheSpace) {
    const std::string street = "東京都千代田区千代田一丁目一番地の一";
    const CPostcardLayout shortOne =
        CPostcardLayout::Build({"山田", "", street}, nullptr, Options());
    const auto one = CellsOf(shortOne, EGlyphRole::Address);
    EXPECT_TRUE(std::all_of(one.begin(), one.end(), [&](const CGlyphCell* cell) {
        return cell->m_dX == one.front()->m_dX && cell->m_dEm == G::ADDRESS_EM;
    }));
    const CPostcardLayout layout =
        CPostcardLayout::Build({"山田", "", street + " 霞が関ビル"}, nullptr, Options());
    const auto cells = CellsOf(layout, EGlyphRole::Address);
    ASSERT_EQ(TextOf(cells), street + "霞が関ビル");
    const std::size_t streetLength = CCodePoints::Decode(street).size();
    EXPECT_EQ(cells[streetLength - 1]->m_dX, cells.front()->m_dX);
    EXPECT_LT(cells[streetLength]->m_dX, cells.front()->m_dX);
    EXPECT_NEAR(cells[streetLength]->m_dY, cells.front()->m_dY, 1e-6);
}

// In the column, 、 moves to the upper right of its cell, small kana a little the same way, and
// the long vowel mark is turned.
TEST(CPostcardLayoutTest, PunctuationAndSmallKanaSitAtTheUpperRight) {
    const CPostcardLayout layout =
        CPostcardLayout::Build({"山田", "", "東、京ゃ町ー"}, nullptr, Options());
    const auto cells = CellsOf(layout, EGlyphRole::Address);
    ASSERT_EQ(cells.size(), 6u);
    const double em = cells[0]->m_dEm;
    const auto slotY = [&](int index) {
        return cells[0]->m_dY + index * em;
    };
    EXPECT_GT(cells[1]->m_dX, cells[0]->m_dX + em / 2.0);
    EXPECT_LT(cells[1]->m_dY, slotY(1) - em / 2.0);
    EXPECT_GT(cells[3]->m_dX, cells[0]->m_dX);
    EXPECT_LT(cells[3]->m_dY, slotY(3));
    EXPECT_GT(cells[3]->m_dY, slotY(3) - em / 4.0);
    EXPECT_EQ(cells[5]->m_nRotation, 90);
    EXPECT_DOUBLE_EQ(cells[5]->m_dX, cells[0]->m_dX);
}

// An address too long for one column even a little smaller breaks before its block number
// rather than inside it or inside 丁目.
TEST(CPostcardLayoutTest, ColumnBreaksBeforeANumber) {
    const CPostcardParty sender{"石川", "1000001", "千葉県千葉市美浜区高砂4丁目2-4-17"};
    const CPostcardLayout layout =
        CPostcardLayout::Build({"山田", "1000001", "東京都"}, &sender, Options());
    const auto cells = CellsOf(layout, EGlyphRole::SenderAddress);
    ASSERT_EQ(TextOf(cells), "千葉県千葉市美浜区高砂四丁目二―四―一七");
    EXPECT_EQ(cells[10]->m_dX, cells.front()->m_dX);
    EXPECT_LT(cells[11]->m_dX, cells.front()->m_dX);
    EXPECT_NEAR(cells[11]->m_dY, cells.front()->m_dY, 1e-6);
    EXPECT_DOUBLE_EQ(cells.front()->m_dEm, G::SENDER_ADDRESS_EM);
}

// The sender's small boxes carry the sender's own code, never the addressee's.
TEST(CPostcardLayoutTest, SenderBoxesCarryTheSendersCode) {
    const CPostcardParty sender{"鈴木花子", "〒987-6543", "大阪府大阪市北区1-2"};
    const CPostcardLayout layout =
        CPostcardLayout::Build({"山田太郎", "100-0001", "東京都"}, &sender, Options());
    EXPECT_EQ(TextOf(CellsOf(layout, EGlyphRole::ZipDigit)), "1000001");
    const auto digits = CellsOf(layout, EGlyphRole::SenderZipDigit);
    EXPECT_EQ(TextOf(digits), "9876543");
    for (std::size_t box = 0; box < digits.size(); ++box) {
        EXPECT_NEAR(digits[box]->m_dX, CPostcardLayout::SenderBoxCentres()[box], 1e-6);
        EXPECT_GT(digits[box]->m_dY, G::SENDER_BOX_TOP);
        EXPECT_LT(digits[box]->m_dX, G::NAME_CENTRE_X);
    }
    EXPECT_EQ(TextOf(CellsOf(layout, EGlyphRole::SenderName)), "鈴木花子");
    EXPECT_EQ(TextOf(CellsOf(layout, EGlyphRole::SenderAddress)), "大阪府大阪市北区一―二");
    EXPECT_EQ(layout.GetBoxes().size(), 14u);
}

// A code that is not seven digits is printed as written above the boxes, and the card is marked.
TEST(CPostcardLayoutTest, UnreadableCodeStandsAboveTheBoxes) {
    const CPostcardLayout layout =
        CPostcardLayout::Build({"山田太郎", "100-01", "東京都"}, nullptr, Options());
    EXPECT_TRUE(layout.IsZipUnreadable());
    EXPECT_TRUE(CellsOf(layout, EGlyphRole::ZipDigit).empty());
    const auto text = CellsOf(layout, EGlyphRole::ZipText);
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(text.front()->m_strText, "100-01");
    EXPECT_LT(text.front()->m_dY + text.front()->m_dEm / 2.0, G::ZIP_BOX_TOP);
}

// The name stands on the card's axis, larger than the address, with the honorific after it.
TEST(CPostcardLayoutTest, NameOnTheAxisFollowedByHonorific) {
    const CPostcardLayout layout =
        CPostcardLayout::Build({"山田 太郎", "1000001", "東京都"}, nullptr, Options("御中"));
    const auto name = CellsOf(layout, EGlyphRole::Name);
    const auto honorific = CellsOf(layout, EGlyphRole::Honorific);
    EXPECT_EQ(TextOf(name), "山田太郎");
    EXPECT_EQ(TextOf(honorific), "御中");
    EXPECT_NEAR(name.front()->m_dX, G::NAME_CENTRE_X, 1e-6);
    EXPECT_GT(name.front()->m_dEm, CellsOf(layout, EGlyphRole::Address).front()->m_dEm);
    EXPECT_GT(honorific.front()->m_dY, name.back()->m_dY);
    EXPECT_LT(name[1]->m_dY, name[2]->m_dY - name[2]->m_dEm); // the space keeps its cell
}

// The printer offset moves everything printed, but not the boxes printed on the card.
TEST(CPostcardLayoutTest, OffsetMovesWhatIsPrinted) {
    CPostcardOptions options = Options();
    const CPostcardLayout plain =
        CPostcardLayout::Build({"山田太郎", "1000001", "東京都"}, nullptr, options);
    options.m_dOffsetX = 1.5;
    options.m_dOffsetY = -2.0;
    const CPostcardLayout moved =
        CPostcardLayout::Build({"山田太郎", "1000001", "東京都"}, nullptr, options);
    ASSERT_EQ(plain.GetCells().size(), moved.GetCells().size());
    for (std::size_t at = 0; at < plain.GetCells().size(); ++at) {
        EXPECT_NEAR(moved.GetCells()[at].m_dX - plain.GetCells()[at].m_dX, 1.5, 1e-9);
        EXPECT_NEAR(moved.GetCells()[at].m_dY - plain.GetCells()[at].m_dY, -2.0, 1e-9);
    }
    EXPECT_EQ(moved.GetBoxes().front().m_dLeft, plain.GetBoxes().front().m_dLeft);
}
} // namespace
