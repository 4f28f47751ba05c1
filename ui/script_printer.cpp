#include "ui/script_printer.h"
#include "ui/script_text.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "ui/print_pagination.h"

void printScriptLines(QPrinter& printer, const std::vector<std::string>& lines) {
  QPainter painter;
  if (!painter.begin(&printer)) return;
  QFont font("Times New Roman", 12);
  font.setStyleHint(QFont::Serif);
  painter.setFont(font);
  const QFontMetrics metrics(font, &printer);
  const int lineHeight = metrics.height();
  const int indent = metrics.horizontalAdvance("WW");
  const int pageHeight = painter.viewport().height();
  const std::vector<PageSlice> pages = paginate(lines.size(), pageHeight, lineHeight);
  for (std::size_t page = 0; page < pages.size(); ++page) {
    if (page > 0) printer.newPage();
    for (std::size_t i = 0; i < pages[page].count; ++i) {
      const int top = static_cast<int>(i + 1) * lineHeight;
      painter.drawText(indent, top + metrics.ascent(), displayText(lines[pages[page].first + i]));
    }
  }
  painter.end();
}
