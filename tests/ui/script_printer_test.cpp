#include "ui/script_printer.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QPrinter>

#include "support/test_files.h"
#include "ui/print_pagination.h"

namespace {

// Counts the pages of a PDF the printer wrote.
int pdfPages(const std::string& bytes) {
  int pages = 0;
  for (std::size_t at = bytes.find("/Type /Page"); at != std::string::npos; at = bytes.find("/Type /Page", at + 1))
    if (bytes.compare(at, 12, "/Type /Pages") != 0) ++pages;
  return pages;
}

int printedPages(std::size_t lineCount) {
  const std::string path = makeTempDir() + "/script.pdf";
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  printScriptLines(printer, std::vector<std::string>(lineCount, "load MSCP DUA"));
  return pdfPages(readBytes(path));
}

TEST(ScriptPrinterTest, ShortScriptFitsOnePage) { EXPECT_EQ(printedPages(5), 1); }

TEST(ScriptPrinterTest, LongScriptContinuesOnFurtherPages) {
  // Whatever the font's height, 400 lines of 12 points do not fit on one page.
  EXPECT_GT(printedPages(400), 1);
}

}  // namespace
