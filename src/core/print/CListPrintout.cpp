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
    const double rowsHeight =
        pageHeight - 2.0 * MARGIN - HEADER_HEIGHT - FOOTER_HEIGHT - ROW_HEIGHT;
    const auto perPage =
        static_cast<std::size_t>(std::max(1.0, std::floor(rowsHeight / ROW_HEIGHT)));
    m_pages.clear();
    for (std::size_t first = 0; first < m_rows.size() || m_pages.empty(); first += perPage)
        m_pages.emplace_back(first, std::min(first + perPage, m_rows.size()));
}

std::pair<std::size_t, std::size_t> CListPrintout::GetPageRows(int page) const {
    return m_pages.at(static_cast<std::size_t>(page));
}

std::string CListPrintout::GetFooter(int page) const {
    return CTextFormat::Format(CPrintTexts::LIST_FOOTER,
                               {std::to_string(page + 1), std::to_string(GetPageCount())});
}
