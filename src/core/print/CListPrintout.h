#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class CFriendListView;
class CTextCodec;

// A printed row: its top in millimetres from the page's top, and each cell's text in lines.
struct CListPrintRow {
    std::size_t m_nRow = 0;
    double m_dTop = 0.0;
    std::vector<std::vector<std::string>> m_cells;
};

// One column of the printed list, in millimetres from the page's left edge.
struct CListPrintColumn {
    std::string m_strTitle; // UTF-8
    double m_dLeft = 0.0;
    double m_dWidth = 0.0;
};

// The person list on paper, as the list shows it: its columns in their order at their widths
// relative to each other, on a page turned as their width needs, its rows in their order with
// each cell's text wrapped within its column, a header line with the group's name and the date,
// the column titles on every page, and the page number in the footer. Every measure is in
// millimetres.
class CListPrintout {
public:
    static constexpr double MARGIN = 15.0;
    static constexpr double HEADER_HEIGHT = 10.0; // the header line and the space below it
    static constexpr double FOOTER_HEIGHT = 10.0;
    static constexpr double ROW_HEIGHT = 6.0;  // the titles, and a row of one line
    static constexpr double LINE_HEIGHT = 4.5; // each further line of a wrapped cell
    static constexpr double TEXT_EM = 3.5;
    static constexpr double CELL_PADDING = 1.0;
    // What a pixel of the list's column widths is on paper, to tell whether the columns want
    // the page turned.
    static constexpr double MM_PER_LIST_PIXEL = 0.2;

    // Texts in UTF-8; `widths` in any unit, one for each title.
    CListPrintout(std::vector<std::string> titles, const std::vector<int>& widths,
                  std::vector<std::vector<std::string>> rows, std::string header);
    // The list as it is shown now, headed by its group's name and `date`.
    static CListPrintout FromList(const CFriendListView& list, const CTextCodec& codec,
                                  const std::string& date);

    // Whether the columns, at the width the list gives them, need a page turned sideways.
    bool WantsLandscape(double portraitWidth) const;
    // Lays the list out on pages of this size; every page repeats the column titles.
    void Paginate(double pageWidth, double pageHeight);
    // The lines `text` takes in a column `width` wide: a wide character takes an em, any other
    // half of one, and a line breaks only where the next character would not fit.
    static std::vector<std::string> Wrap(const std::string& utf8, double width);

    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    // The rows page `page` (0 first) shows, placed and wrapped.
    const std::vector<CListPrintRow>& GetPageRows(int page) const;
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
    std::vector<std::vector<CListPrintRow>> m_pages;
    double m_dPageHeight = 0.0;
};
