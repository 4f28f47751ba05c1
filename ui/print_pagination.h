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

// The pages in the order they go to a printer that makes no copies itself:
// whole copies one after the other when collated, else each page `copies`
// times in a row.
std::vector<std::size_t> printOrder(std::size_t pageCount, int copies, bool collate);
