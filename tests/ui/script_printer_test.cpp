#include "ui/script_printer.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QMap>
#include <QPaintEngine>
#include <QPrintEngine>
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

// `fromPage` and `toPage` as a print dialog may set them; 0 and 0 is all.
int printedPages(std::size_t lineCount, int fromPage = 0, int toPage = 0, int copies = 1) {
  const std::string path = makeTempDir() + "/script.pdf";
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  if (fromPage > 0) {
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(fromPage, toPage);
  }
  printer.setCopyCount(copies);
  printScriptLines(printer, std::vector<std::string>(lineCount, "load MSCP DUA"));
  return pdfPages(readBytes(path));
}

TEST(ScriptPrinterTest, ShortScriptFitsOnePage) { EXPECT_EQ(printedPages(5), 1); }

TEST(ScriptPrinterTest, LongScriptContinuesOnFurtherPages) {
  // Whatever the font's height, 400 lines of 12 points do not fit on one page.
  EXPECT_GT(printedPages(400), 1);
}

// A PDF file makes no copies of its own: every copy is written. A page range
// is left to a printer's spooler, which would otherwise cut a second time.
TEST(ScriptPrinterTest, EveryPageInAsManyCopiesAsAskedFor) {
  const int all = printedPages(400);
  ASSERT_GT(all, 1);
  EXPECT_EQ(printedPages(400, 0, 0, 2), 2 * all);
  EXPECT_EQ(printedPages(5, 0, 0, 3), 3);
  EXPECT_EQ(printedPages(400, 2, 3), all);
}

// Script bytes print one character each, as the editor shows them, even when
// they happen to be valid UTF-8; only the file name line is read as a path.
TEST(ScriptPrinterTest, LinesPrintAsTheEditorShowsThem) {
  EXPECT_EQ(printLineText("## User Name: \xC3\xA9"), QString::fromUtf8("## User Name: \u00C3\u00A9"));
  EXPECT_EQ(printLineText("# \x80"), QString::fromUtf8("# \u20AC"));
  EXPECT_EQ(printLineText("## File Name: /home/\xC3\xA9/a.cfg"), QString::fromUtf8("## File Name: /home/\u00E9/a.cfg"));
}

// A printer whose spooler makes the copies and reports how the job ended.
class SpoolerEngine : public QPaintEngine, public QPrintEngine {
 public:
  SpoolerEngine() : QPaintEngine(AllFeatures) {}
  bool begin(QPaintDevice*) override { return painting = true; }
  bool end() override {
    painting = false;
    return jobTaken;
  }
  void updateState(const QPaintEngineState&) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawTextItem(const QPointF&, const QTextItem&) override {}
  Type type() const override { return User; }
  void setProperty(PrintEnginePropertyKey key, const QVariant& value) override { values[key] = value; }
  QVariant property(PrintEnginePropertyKey key) const override {
    return key == PPK_SupportsMultipleCopies ? QVariant(true) : values.value(key);
  }
  bool newPage() override { return ++pages > 0; }
  bool abort() override { return false; }
  int metric(QPaintDevice::PaintDeviceMetric metric) const override {
    switch (metric) {
      case QPaintDevice::PdmWidth: return 600;
      case QPaintDevice::PdmHeight: return 800;
      case QPaintDevice::PdmDepth: return 32;
      default: return 72;
    }
  }
  QPrinter::PrinterState printerState() const override { return painting ? QPrinter::Active : QPrinter::Idle; }
  QMap<int, QVariant> values;
  int pages = 1;
  bool jobTaken = true;
  bool painting = false;
};

class SpoolerPrinter : public QPrinter {
 public:
  explicit SpoolerPrinter(SpoolerEngine& engine) { setEngines(&engine, &engine); }
};

TEST(ScriptPrinterTest, APrinterThatMakesCopiesGetsEachPageOnceAndTellsTheOutcome) {
  for (const bool jobTaken : {true, false}) {
    SpoolerEngine engine;
    engine.jobTaken = jobTaken;
    SpoolerPrinter printer(engine);
    printer.setCopyCount(3);
    EXPECT_EQ(printScriptLines(printer, std::vector<std::string>(5, "load MSCP DUA")), jobTaken);
    EXPECT_EQ(engine.pages, 1);
  }
}

}  // namespace
