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
} // namespace
