#pragma once

#include <string>
#include <utility>
#include <vector>

class CFriendListView;
class CTextCodec;

// One column of the printed list, in millimetres from the page's left edge.
struct CListPrintColumn {
    std::string m_strTitle; // UTF-8
    double m_dLeft = 0.0;
    double m_dWidth = 0.0;
};

// The person list on paper, as the list shows it: its columns in their order at their widths
// relative to each other, its rows in their order, a header line with the group's name and the
// date, and the page number in the footer. Every measure is in millimetres.
class CListPrintout {
public:
    static constexpr double MARGIN = 15.0;
    static constexpr double HEADER_HEIGHT = 10.0; // the header line and the space below it
    static constexpr double FOOTER_HEIGHT = 10.0;
    static constexpr double ROW_HEIGHT = 6.0;
    static constexpr double TEXT_EM = 3.5;
    static constexpr double CELL_PADDING = 1.0;

    // Texts in UTF-8; `widths` in any unit, one for each title.
    CListPrintout(std::vector<std::string> titles, const std::vector<int>& widths,
                  std::vector<std::vector<std::string>> rows, std::string header);
    // The list as it is shown now, headed by its group's name and `date`.
    static CListPrintout FromList(const CFriendListView& list, const CTextCodec& codec,
                                  const std::string& date);

    // Lays the list out on pages of this size; every page repeats the column titles.
    void Paginate(double pageWidth, double pageHeight);

    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    // The rows page `page` (0 first) shows, as [first, end).
    std::pair<std::size_t, std::size_t> GetPageRows(int page) const;
    const std::vector<CListPrintColumn>& GetColumns() const { return m_columns; }
    const std::vector<std::vector<std::string>>& GetRows() const { return m_rows; }
    const std::string& GetHeader() const { return m_strHeader; }
    std::string GetFooter(int page) const;
    // The top of the column titles; row i of a page starts one row height lower per row.
    static double TitleTop() { return MARGIN + HEADER_HEIGHT; }
    double FooterTop() const { return m_dPageHeight - MARGIN - FOOTER_HEIGHT / 2.0; }

private:
    std::vector<std::string> m_titles;
    std::vector<int> m_widths;
    std::vector<std::vector<std::string>> m_rows;
    std::string m_strHeader;
    std::vector<CListPrintColumn> m_columns;
    std::vector<std::pair<std::size_t, std::size_t>> m_pages;
    double m_dPageHeight = 0.0;
};
