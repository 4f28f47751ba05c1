#include "ui/script_printer.h"
#include "ui/script_text.h"

#include <algorithm>

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "ui/print_pagination.h"

QString printLineText(std::string_view line) {
  // Only the file name line holds a path, whose bytes the file system may
  // have given in UTF-8; a script line whose bytes merely look like UTF-8
  // must print as the editor shows it.
  if (line.substr(0, 14) == "## File Name: ") return displayText(line);
  return fromBytes(line);
}

bool printScriptLines(QPrinter& printer, const std::vector<std::string>& lines) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  QFont font("Times New Roman", 12);
  font.setStyleHint(QFont::Serif);
  painter.setFont(font);
  const QFontMetrics metrics(font, &printer);
  const int lineHeight = metrics.height();
  const int indent = metrics.horizontalAdvance("WW");
  const int pageHeight = painter.viewport().height();
  const std::vector<PageSlice> pages = paginate(lines.size(), pageHeight, lineHeight);
  const bool range = printer.printRange() == QPrinter::PageRange;
  const PageSpan chosen = pagesToPrint(pages.size(), range ? printer.fromPage() : 0, range ? printer.toPage() : 0);
  // A printer that makes no copies itself (a PDF file) gets each copy whole.
  const int copies = printer.supportsMultipleCopies() ? 1 : std::max(printer.copyCount(), 1);
  bool first = true;
  for (int copy = 0; copy < copies; ++copy)
    for (std::size_t page = chosen.first; page < chosen.last; ++page) {
      if (!first) printer.newPage();
      first = false;
      for (std::size_t i = 0; i < pages[page].count; ++i) {
        const int top = static_cast<int>(i + 1) * lineHeight;
        painter.drawText(indent, top + metrics.ascent(), printLineText(lines[pages[page].first + i]));
      }
    }
  return painter.end();
}
