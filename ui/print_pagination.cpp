#include "ui/print_pagination.h"

#include <algorithm>

std::vector<std::string> splitPrintLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    std::size_t lineEnd = end;
    if (lineEnd > start && text[lineEnd - 1] == '\r') --lineEnd;
    lines.emplace_back(text.substr(start, lineEnd - start));
    start = end + 1;
  }
  return lines;
}

std::vector<PageSlice> paginate(std::size_t lineCount, int pageHeight, int lineHeight) {
  std::vector<PageSlice> pages;
  if (lineCount == 0) return pages;
  std::size_t perPage = 1;
  if (lineHeight > 0 && pageHeight > 0) {
    // Line k (from 0) occupies [(k + 1) h, (k + 2) h).
    const int fitting = pageHeight / lineHeight - 1;
    perPage = static_cast<std::size_t>(std::max(fitting, 1));
  }
  for (std::size_t first = 0; first < lineCount; first += perPage)
    pages.push_back({first, std::min(perPage, lineCount - first)});
  return pages;
}

std::vector<std::size_t> printOrder(std::size_t pageCount, int copies, bool collate) {
  const auto times = static_cast<std::size_t>(std::max(copies, 1));
  std::vector<std::size_t> order;
  order.reserve(pageCount * times);
  for (std::size_t outer = 0; outer < (collate ? times : pageCount); ++outer)
    for (std::size_t inner = 0; inner < (collate ? pageCount : times); ++inner)
      order.push_back(collate ? inner : outer);
  return order;
}
