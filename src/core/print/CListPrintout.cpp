#include "core/print/CListPrintout.h"

#include "core/model/CFieldTable.h"
#include "core/model/CGroup.h"
#include "core/model/CGroupInfo.h"
#include "core/model/CPersonalData.h"
#include "core/print/CPrintTexts.h"
#include "core/text/CTextCodec.h"
#include "core/text/CTextFormat.h"
// The printout shows what the list shows; the list is the one place that knows it.
#include "core/views/CFriendListView.h"
#include "core/views/CViewTexts.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
std::string ShownName(const CFriendListView& list, const CTextCodec& codec) {
    const CGroupInfo* info = list.GetGroupInfo();
    if (info && info->IsGroup() && info->GetGroup())
        return codec.ToUtf8(info->GetGroup()->m_strGroupName.View());
    return codec.ToUtf8(info && info->IsDeleted() ? CViewTexts::DELETED_CP932
                                                  : CViewTexts::ROOT_CP932);
}
} // namespace

CListPrintout::CListPrintout(std::vector<std::string> titles, const std::vector<int>& widths,
                             std::vector<std::vector<std::string>> rows, std::string header)
    : m_titles(std::move(titles)), m_widths(widths), m_rows(std::move(rows)),
      m_strHeader(std::move(header)) {}

CListPrintout CListPrintout::FromList(const CFriendListView& list, const CTextCodec& codec,
                                      const std::string& date) {
    std::vector<int> fields;
    std::vector<std::string> titles;
    std::vector<int> widths;
    for (const int field : list.GetColumnOrder()) {
        const int width = list.GetColumnWidths()[static_cast<std::size_t>(field)];
        if (width <= 0)
            continue; // a column of no width is not shown, so not printed
        fields.push_back(field);
        titles.emplace_back(CFieldTable::GetLabel(field));
        widths.push_back(width);
    }
    std::vector<std::vector<std::string>> rows;
    rows.reserve(static_cast<std::size_t>(list.GetRowCount()));
    for (int row = 0; row < list.GetRowCount(); ++row) {
        std::vector<std::string>& cells = rows.emplace_back();
        for (const int field : fields)
            cells.push_back(codec.ToUtf8(list.GetRowPerson(row)->GetFieldText(field)));
    }
    return {std::move(titles), widths, std::move(rows),
            CTextFormat::Format(CPrintTexts::LIST_HEADER, {ShownName(list, codec), date})};
}

bool CListPrintout::WantsLandscape(double portraitWidth) const {
    const double natural =
        std::accumulate(m_widths.begin(), m_widths.end(), 0.0) * MM_PER_LIST_PIXEL;
    return natural > portraitWidth - 2.0 * MARGIN;
}

void CListPrintout::Paginate(double pageWidth, double pageHeight) {
    m_dPageHeight = pageHeight;
    const double room = pageWidth - 2.0 * MARGIN;
    const double total = std::accumulate(m_widths.begin(), m_widths.end(), 0.0);
    m_columns.clear();
    double left = MARGIN;
    for (std::size_t column = 0; column < m_titles.size(); ++column) {
        const double width = total > 0 ? room * m_widths[column] / total : 0.0;
        m_columns.push_back({m_titles[column], left, width});
        left += width;
    }
    const double first = TitleTop() + ROW_HEIGHT;
    const double bottom = pageHeight - MARGIN - FOOTER_HEIGHT;
    m_pages.assign(1, {});
    double top = first;
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        CListPrintRow placed{row, 0.0, {}};
        std::size_t lines = 1;
        for (std::size_t column = 0; column < m_columns.size(); ++column) {
            placed.m_cells.push_back(
                Wrap(m_rows[row][column], m_columns[column].m_dWidth - 2.0 * CELL_PADDING));
            lines = std::max(lines, placed.m_cells.back().size());
        }
        const double height = ROW_HEIGHT + static_cast<double>(lines - 1) * LINE_HEIGHT;
        // A row taller than a page is cut at the page's end rather than never printed.
        if (top + height > bottom && !m_pages.back().empty()) {
            m_pages.emplace_back();
            top = first;
        }
        placed.m_dTop = top;
        m_pages.back().push_back(std::move(placed));
        top += height;
    }
}

const std::vector<CListPrintRow>& CListPrintout::GetPageRows(int page) const {
    return m_pages.at(static_cast<std::size_t>(page));
}

std::vector<std::string> CListPrintout::Wrap(const std::string& utf8, double width) {
    std::vector<std::string> lines(1);
    double used = 0.0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::string character = utf8.substr(pos, length);
        pos += length;
        // Half-width katakana (U+FF61..U+FF9F) are three bytes and half an em.
        const bool halfKana = character >= "\xEF\xBD\xA1" && character <= "\xEF\xBE\x9F";
        const double advance = length >= 3 && !halfKana ? TEXT_EM : TEXT_EM / 2.0;
        if (used + advance > width && !lines.back().empty()) {
            lines.emplace_back();
            used = 0.0;
        }
        lines.back() += character;
        used += advance;
    }
    return lines;
}

std::string CListPrintout::GetFooter(int page) const {
    return CTextFormat::Format(CPrintTexts::LIST_FOOTER,
                               {std::to_string(page + 1), std::to_string(GetPageCount())});
}
