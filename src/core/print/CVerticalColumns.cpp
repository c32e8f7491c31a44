#include "core/print/CVerticalColumns.h"

#include "core/print/CCodePoints.h"
#include "core/print/CPostcardGeometry.h"
#include "core/print/CVerticalForms.h"

#include <optional>

namespace {
using CColumns = std::vector<std::vector<CColumnToken>>;

constexpr double EPSILON = 1e-9;

bool IsBlank(const CColumnToken& token) {
    return token.m_text.find_first_not_of(U" \u3000") == std::u32string::npos;
}

double LengthFrom(const std::vector<CColumnToken>& tokens, std::size_t from) {
    double length = 0.0;
    for (std::size_t at = from; at < tokens.size(); ++at)
        length += tokens[at].m_dAdvance;
    return length;
}

// The first space in (begin, end] after which the rest still fits in the columns left.
std::optional<std::size_t> BreakAtSpace(const std::vector<CColumnToken>& tokens, std::size_t begin,
                                        std::size_t end, double restCapacity) {
    for (std::size_t at = begin + 1; at <= end && at < tokens.size(); ++at) {
        if (IsBlank(tokens[at]) && LengthFrom(tokens, at + 1) <= restCapacity + EPSILON)
            return at;
    }
    return std::nullopt;
}

// The last start of a number in the second half of (begin, end] from which the rest still
// fits: a block number reads badly torn from itself or from its 丁目.
std::optional<std::size_t> BreakBeforeNumber(const std::vector<CColumnToken>& tokens,
                                             std::size_t begin, std::size_t end,
                                             double restCapacity) {
    for (std::size_t at = end; at > begin + (end - begin) / 2; --at) {
        if (tokens[at].m_bNumber && !tokens[at - 1].m_bNumber &&
            LengthFrom(tokens, at) <= restCapacity + EPSILON)
            return at;
    }
    return std::nullopt;
}

// Breaks the text into columns of `capacity` pitches, at a space or else before a number where
// one is near; `midText` tells whether a break fell elsewhere than at a space.
std::optional<CColumns> Split(const std::vector<CColumnToken>& tokens, double capacity,
                              int maxColumns, bool* midText = nullptr) {
    CColumns columns;
    std::size_t at = 0;
    while (at < tokens.size()) {
        while (!columns.empty() && at < tokens.size() && IsBlank(tokens[at]))
            ++at;
        if (at == tokens.size())
            break;
        if (static_cast<int>(columns.size()) == maxColumns)
            return std::nullopt;
        std::size_t end = at;
        for (double length = 0.0;
             end < tokens.size() && length + tokens[end].m_dAdvance <= capacity + EPSILON; ++end)
            length += tokens[end].m_dAdvance;
        if (end == at)
            return std::nullopt;
        const int columnsLeft = maxColumns - static_cast<int>(columns.size()) - 1;
        const auto space = end < tokens.size()
                               ? BreakAtSpace(tokens, at, end, columnsLeft * capacity)
                               : std::nullopt;
        const auto number = end < tokens.size() && !space
                                ? BreakBeforeNumber(tokens, at, end, columnsLeft * capacity)
                                : std::nullopt;
        if (midText && end < tokens.size() && !space && !IsBlank(tokens[end]))
            *midText = true;
        const std::size_t stop = space.value_or(number.value_or(end));
        columns.emplace_back(tokens.begin() + static_cast<std::ptrdiff_t>(at),
                             tokens.begin() + static_cast<std::ptrdiff_t>(stop));
        at = space ? stop + 1 : stop;
    }
    return columns;
}

void ShiftInCell(EGlyphShift shift, double em, double& x, double& y) {
    using G = CPostcardGeometry;
    if (shift == EGlyphShift::Punctuation) {
        x += G::PUNCTUATION_SHIFT_X * em;
        y -= G::PUNCTUATION_SHIFT_Y * em;
    } else if (shift == EGlyphShift::SmallKana) {
        x += G::SMALL_KANA_SHIFT_X * em;
        y -= G::SMALL_KANA_SHIFT_Y * em;
    }
}
} // namespace

CColumnFit CVerticalColumns::Fit(const std::vector<CColumnToken>& tokens,
                                 const CColumnFrame& frame) {
    const double height = frame.m_dBottom - frame.m_dTop;
    const auto capacity = [&](double em) {
        return height / (em * frame.m_dPitch);
    };
    // A text a little too long for one column reads better a little smaller than broken in
    // the middle of a word or a number; a break at a space is taken at the full size.
    bool midText = false;
    auto columns = Split(tokens, capacity(frame.m_dEm), frame.m_nMaxColumns, &midText);
    if (columns && (columns->size() <= 1 || !midText))
        return {frame.m_dEm, std::move(*columns)};
    const double smallest = frame.m_dEm * CPostcardGeometry::SINGLE_COLUMN_SHRINK;
    for (double em = frame.m_dEm * CPostcardGeometry::SHRINK_STEP; em >= smallest;
         em *= CPostcardGeometry::SHRINK_STEP) {
        if (auto single = Split(tokens, capacity(em), 1))
            return {em, std::move(*single)};
    }
    // Every text fits at some size: the columns' room grows without end as the size shrinks.
    for (double em = frame.m_dEm;; em *= CPostcardGeometry::SHRINK_STEP) {
        columns = Split(tokens, capacity(em), frame.m_nMaxColumns);
        if (columns)
            return {em, std::move(*columns)};
    }
}

void CVerticalColumns::Place(const CColumnFit& fit, const CColumnFrame& frame, EGlyphRole role,
                             std::vector<CGlyphCell>& cells) {
    const double em = fit.m_dEm;
    const double step = em * frame.m_dPitch;
    const double firstX = frame.m_bCentred ? frame.m_dX : frame.m_dX - em / 2.0;
    for (std::size_t column = 0; column < fit.m_columns.size(); ++column) {
        const double x =
            firstX - static_cast<double>(column) * em * CPostcardGeometry::COLUMN_PITCH;
        double y = frame.m_dTop;
        for (const CColumnToken& token : fit.m_columns[column]) {
            const double length = token.m_dAdvance * step;
            if (!IsBlank(token))
                cells.push_back(MakeCell(token.m_text, x, y + length / 2.0, em, role));
            y += length;
        }
    }
}

CGlyphCell CVerticalColumns::MakeCell(std::u32string_view text, double x, double y, double em,
                                      EGlyphRole role) {
    CGlyphCell cell;
    cell.m_dEm = em;
    cell.m_dWidth = em;
    cell.m_dBaseline = CPostcardGeometry::BASELINE_BELOW_CENTRE * em;
    cell.m_role = role;
    if (text.size() != 1) {
        cell.m_strText = CCodePoints::Encode(text);
    } else {
        const CVerticalGlyph glyph = CVerticalForms::Of(text.front());
        cell.m_strText = CCodePoints::Encode(std::u32string(1, glyph.m_glyph));
        cell.m_nRotation = glyph.m_nRotation;
        ShiftInCell(glyph.m_shift, em, x, y);
    }
    cell.m_dX = x;
    cell.m_dY = y;
    return cell;
}
