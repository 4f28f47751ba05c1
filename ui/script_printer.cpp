#include "ui/script_printer.h"
#include "ui/script_text.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "config/script_writer.h"
#include "ui/print_pagination.h"

QString printLineText(std::string_view line) {
  // Only the file name line holds a path, whose bytes the file system may
  // have given in UTF-8; a script line whose bytes merely look like UTF-8
  // must print as the editor shows it.
  if (line.substr(0, kFileNameHeading.size()) == kFileNameHeading) return displayText(line);
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
  // Every page goes to the printer; a range typed for a real printer is left
  // to its spooler, which would otherwise cut the pages a second time. A
  // printer that makes no copies itself (a PDF file) gets them from here.
  const int copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
  bool first = true;
  for (const std::size_t page : printOrder(pages.size(), copies, printer.collateCopies())) {
    if (!first) printer.newPage();
    first = false;
    for (std::size_t i = 0; i < pages[page].count; ++i) {
      const int top = static_cast<int>(i + 1) * lineHeight;
      painter.drawText(indent, top + metrics.ascent(), printLineText(lines[pages[page].first + i]));
    }
  }
  return painter.end();
}
