#include "core/print/CPostcardLayout.h"

#include "core/print/CAddressNumerals.h"
#include "core/print/CCodePoints.h"
#include "core/print/CPostalDigits.h"
#include "core/print/CPostcardGeometry.h"
#include "core/print/CPostcardOptions.h"
#include "core/print/CPostcardParty.h"
#include "core/print/CVerticalColumns.h"

#include <algorithm>
#include <numeric>

namespace {
using G = CPostcardGeometry;

// One row of seven boxes: where they stand and how the digits in them are set.
struct CBoxRow {
    CPostcardLayout::CBoxCentres centres;
    double top;
    double width;
    double height;
    double digitEm;
    EGlyphRole digitRole;
    EGlyphRole textRole;
};

CBoxRow RowOf(bool sender) {
    if (sender)
        return {CPostcardLayout::SenderBoxCentres(),
                G::SENDER_BOX_TOP,
                G::SENDER_BOX_WIDTH,
                G::SENDER_BOX_HEIGHT,
                G::SENDER_DIGIT_EM,
                EGlyphRole::SenderZipDigit,
                EGlyphRole::SenderZipText};
    return {CPostcardLayout::ZipBoxCentres(),
            G::ZIP_BOX_TOP,
            G::ZIP_BOX_WIDTH,
            G::ZIP_BOX_HEIGHT,
            G::ZIP_DIGIT_EM,
            EGlyphRole::ZipDigit,
            EGlyphRole::ZipText};
}

// Line breaks and tabs in a stored text stand for spaces on a card.
std::u32string CardText(const std::string& utf8) {
    std::u32string text = CCodePoints::Decode(utf8);
    std::replace_if(
        text.begin(), text.end(), [](char32_t c) { return c < U' '; }, U' ');
    return text;
}

CGlyphCell UprightCell(std::string text, double x, double y, double em, double width,
                       EGlyphRole role) {
    return {std::move(text), x, y, em, width, G::BASELINE_BELOW_CENTRE * em, 0, role};
}

void SetColumns(const std::vector<CColumnToken>& tokens, const CColumnFrame& frame, EGlyphRole role,
                std::vector<CGlyphCell>& cells) {
    CVerticalColumns::Place(CVerticalColumns::Fit(tokens, frame), frame, role, cells);
}

// The name, a small gap and the honorific, all in one column.
std::vector<CColumnToken> NameTokens(const std::string& name, const std::string& honorific) {
    std::vector<CColumnToken> tokens;
    for (const char32_t c : CardText(name))
        tokens.push_back({std::u32string(1, c), 1.0});
    const std::u32string title = CardText(honorific);
    if (!title.empty())
        tokens.push_back({U"", G::HONORIFIC_GAP});
    for (const char32_t c : title)
        tokens.push_back({std::u32string(1, c), 1.0});
    return tokens;
}

std::size_t CountShown(std::u32string_view text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char32_t c) { return c != U' ' && c != U'\u3000'; }));
}
} // namespace

CPostcardLayout::CBoxCentres CPostcardLayout::ZipBoxCentres() {
    CBoxCentres centres{};
    const double rowWidth = static_cast<double>(centres.size()) * G::ZIP_BOX_WIDTH +
                            std::accumulate(G::ZIP_BOX_GAPS.begin(), G::ZIP_BOX_GAPS.end(), 0.0);
    double left = G::CARD_WIDTH - G::ZIP_ROW_RIGHT_MARGIN - rowWidth;
    for (std::size_t box = 0; box < centres.size(); ++box) {
        centres[box] = left + G::ZIP_BOX_WIDTH / 2.0;
        left += G::ZIP_BOX_WIDTH + (box < G::ZIP_BOX_GAPS.size() ? G::ZIP_BOX_GAPS[box] : 0.0);
    }
    return centres;
}

CPostcardLayout::CBoxCentres CPostcardLayout::SenderBoxCentres() {
    CBoxCentres centres{};
    constexpr std::size_t FIRST_AFTER_GAP = 3;
    for (std::size_t box = 0; box < centres.size(); ++box)
        centres[box] = G::SENDER_BOX_LEFT + G::SENDER_BOX_WIDTH / 2.0 +
                       static_cast<double>(box) * G::SENDER_BOX_PITCH +
                       (box >= FIRST_AFTER_GAP ? G::SENDER_BOX_MIDDLE_GAP : 0.0);
    return centres;
}

CPostcardLayout CPostcardLayout::Build(const CPostcardParty& addressee,
                                       const CPostcardParty* sender,
                                       const CPostcardOptions& options) {
    CPostcardLayout layout;
    layout.AddBoxes(false);
    layout.AddZip(addressee.m_strZip, false);
    layout.AddAddressee(addressee, options);
    if (sender) {
        layout.AddBoxes(true);
        layout.AddZip(sender->m_strZip, true);
        layout.AddSender(*sender, options);
    }
    layout.Shift(options.m_dOffsetX, options.m_dOffsetY);
    return layout;
}

void CPostcardLayout::AddBoxes(bool sender) {
    const CBoxRow row = RowOf(sender);
    for (const double centre : row.centres)
        m_boxes.push_back({centre - row.width / 2.0, row.top, row.width, row.height});
}

void CPostcardLayout::AddZip(const std::string& zip, bool sender) {
    const CBoxRow row = RowOf(sender);
    const std::u32string code = CardText(zip);
    const auto digits = CPostalDigits::Extract(code);
    if (!sender)
        m_bZipUnreadable = !digits;
    if (digits) {
        for (std::size_t box = 0; box < row.centres.size(); ++box)
            m_cells.push_back(UprightCell(std::string(1, (*digits)[box]), row.centres[box],
                                          row.top + row.height / 2.0, row.digitEm, row.width,
                                          row.digitRole));
        return;
    }
    if (CountShown(code) == 0)
        return;
    // Written as it was, in one line above the boxes, across their whole row.
    const double em = sender ? row.digitEm : G::ZIP_FALLBACK_EM;
    const double left = row.centres.front() - row.width / 2.0;
    const double right = row.centres.back() + row.width / 2.0;
    m_cells.push_back(UprightCell(zip, (left + right) / 2.0,
                                  row.top - G::ZIP_FALLBACK_GAP - em / 2.0, em, right - left,
                                  row.textRole));
}

void CPostcardLayout::AddAddressee(const CPostcardParty& addressee,
                                   const CPostcardOptions& options) {
    const auto address =
        CAddressNumerals::Cells(CardText(addressee.m_strAddress), options.m_numerals);
    SetColumns(address,
               {G::ADDRESS_RIGHT, false, G::ADDRESS_TOP, G::ADDRESS_BOTTOM, G::ADDRESS_EM, 1.0,
                G::ADDRESS_COLUMNS},
               EGlyphRole::Address, m_cells);
    const std::size_t nameStart = m_cells.size();
    SetColumns(NameTokens(addressee.m_strName, options.m_strHonorific),
               {G::NAME_CENTRE_X, true, G::NAME_TOP, G::NAME_BOTTOM, G::NAME_EM, G::NAME_PITCH, 1},
               EGlyphRole::Name, m_cells);
    const std::size_t honorific =
        std::min(CountShown(CardText(options.m_strHonorific)), m_cells.size() - nameStart);
    for (auto cell = m_cells.end() - static_cast<std::ptrdiff_t>(honorific); cell != m_cells.end();
         ++cell)
        cell->m_role = EGlyphRole::Honorific;
}

void CPostcardLayout::AddSender(const CPostcardParty& sender, const CPostcardOptions& options) {
    const auto address = CAddressNumerals::Cells(CardText(sender.m_strAddress), options.m_numerals);
    SetColumns(address,
               {G::SENDER_ADDRESS_RIGHT, false, G::SENDER_ADDRESS_TOP, G::SENDER_BOTTOM,
                G::SENDER_ADDRESS_EM, 1.0, G::ADDRESS_COLUMNS},
               EGlyphRole::SenderAddress, m_cells);
    SetColumns(NameTokens(sender.m_strName, ""),
               {G::SENDER_NAME_CENTRE_X, true, G::SENDER_NAME_TOP, G::SENDER_BOTTOM,
                G::SENDER_NAME_EM, G::NAME_PITCH, 1},
               EGlyphRole::SenderName, m_cells);
}

void CPostcardLayout::Shift(double dx, double dy) {
    for (CGlyphCell& cell : m_cells) {
        cell.m_dX += dx;
        cell.m_dY += dy;
    }
}
