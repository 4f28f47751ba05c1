#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The print lines of a script text: split at line feeds, a carriage return
// before a line feed dropped.
std::vector<std::string> splitPrintLines(std::string_view text);

// One printed page: which lines it holds.
struct PageSlice {
  std::size_t first = 0;
  std::size_t count = 0;
  bool operator==(const PageSlice&) const = default;
};

// The first line sits one line height below the top; lines follow one line
// height apart until the next would pass the bottom. A page too small for
// that still takes one line, so printing always ends.
std::vector<PageSlice> paginate(std::size_t lineCount, int pageHeight, int lineHeight);

// The pages the print dialog asked for, as indexes [first, last) into the
// paginated pages: pages `fromPage` to `toPage` counted from 1, or all of
// them when both are 0 (no range chosen). A range past the end is cut short.
struct PageSpan {
  std::size_t first = 0;
  std::size_t last = 0;
  bool operator==(const PageSpan&) const = default;
};
PageSpan pagesToPrint(std::size_t pageCount, int fromPage, int toPage);
