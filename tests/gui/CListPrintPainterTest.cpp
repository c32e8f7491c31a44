#include "gui/print/CListPrintPainter.h"

#include "CTempFolder.h"
#include "core/print/CListPrintout.h"

#include <QPrinter>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
// The list painted to a PDF printer reads back with its header on every page, its column titles,
// its rows in order and numbered pages.
TEST(CListPrintPainterTest, PaintsHeaderRowsAndPageNumbers) {
    CTempFolder folder;
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < 60; ++row)
        rows.push_back({"名前" + std::to_string(row), "東京都" + std::to_string(row)});
    CListPrintout printout({"氏名", "住所"}, {100, 300}, rows, "友達　　2026年12月7日");
    const auto pdf = folder / "list.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    printer.setPageSize(QPageSize(QPageSize::A4));
    CListPrintPainter::Paint(printer, printout);
    ASSERT_EQ(printout.GetPageCount(), 2);

    const auto text = folder / "list.txt";
    ASSERT_EQ(
        std::system(("pdftotext -layout '" + pdf.string() + "' '" + text.string() + "'").c_str()),
        0);
    std::string read = CTempFolder::ReadFile(text);
    std::erase(read, ' ');
    std::size_t at = 0;
    for (const std::string expected :
         {"友達", "2026年12月7日", "氏名", "住所", "名前0", "東京都0", "名前39", "1/2", "友達",
          "氏名", "名前40", "名前59", "2/2"}) {
        at = read.find(expected, at);
        ASSERT_NE(at, std::string::npos) << expected << "\n" << read;
    }
}
// A long address wraps within its column instead of being cut, and its row grows to hold it.
TEST(CListPrintoutTest, ACellWrapsWithinItsColumnAndItsRowGrows) {
    EXPECT_EQ(CListPrintout::Wrap("東京都千代田区", 3 * CListPrintout::TEXT_EM),
              (std::vector<std::string>{"東京都", "千代田", "区"}));
    EXPECT_EQ(CListPrintout::Wrap("03-555-1851", 3 * CListPrintout::TEXT_EM),
              (std::vector<std::string>{"03-555", "-1851"}));
    CListPrintout printout({"氏名", "住所"}, {100, 100},
                           {{"池田", "東京都千代田区麹町3-2-5"}, {"a", "b"}}, "");
    printout.Paginate(60.0, 297.0);
    const auto& rows = printout.GetPageRows(0);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_GT(rows[0].m_cells[1].size(), 1u);
    EXPECT_NEAR(rows[1].m_dTop - rows[0].m_dTop,
                CListPrintout::ROW_HEIGHT +
                    static_cast<double>(rows[0].m_cells[1].size() - 1) * CListPrintout::LINE_HEIGHT,
                1e-9);
}

// Eleven columns at the list's widths want a page turned sideways; two narrow ones do not.
TEST(CListPrintoutTest, WideColumnsTurnThePage) {
    const std::vector<int> all = {100, 70, 200, 100, 100, 150, 150, 70, 200, 100, 100};
    EXPECT_TRUE(
        CListPrintout(std::vector<std::string>(all.size()), all, {}, "").WantsLandscape(210.0));
    EXPECT_FALSE(CListPrintout({"a", "b"}, {100, 200}, {}, "").WantsLandscape(210.0));
}
} // namespace
