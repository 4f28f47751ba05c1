#include "ui/print_pagination.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintLinesTest, SplitAtLineFeedsDroppingCarriageReturns) {
  EXPECT_EQ(splitPrintLines("a\r\nb\n\nc"), (std::vector<std::string>{"a", "b", "", "c"}));
  EXPECT_EQ(splitPrintLines("a\n"), (std::vector<std::string>{"a"}));
  // A lone carriage return inside a line stays.
  EXPECT_EQ(splitPrintLines("a\rb\n"), (std::vector<std::string>{"a\rb"}));
  EXPECT_TRUE(splitPrintLines("").empty());
}

struct PaginationCase {
  std::size_t lines;
  int pageHeight;
  int lineHeight;
  std::vector<PageSlice> pages;
};

void PrintTo(const PaginationCase& c, std::ostream* out) {
  *out << c.lines << " lines, page " << c.pageHeight << ", line " << c.lineHeight;
}

class PaginationTest : public ::testing::TestWithParam<PaginationCase> {};

TEST_P(PaginationTest, Pages) {
  const PaginationCase& c = GetParam();
  EXPECT_EQ(paginate(c.lines, c.pageHeight, c.lineHeight), c.pages);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PaginationTest,
    ::testing::Values(
        // 100 / 10: lines at 10..90, the tenth would pass the bottom.
        PaginationCase{9, 100, 10, {{0, 9}}},
        PaginationCase{10, 100, 10, {{0, 9}, {9, 1}}},
        PaginationCase{20, 105, 10, {{0, 9}, {9, 9}, {18, 2}}},
        PaginationCase{0, 100, 10, {}},
        // A page that cannot hold one line still prints one per page.
        PaginationCase{2, 15, 10, {{0, 1}, {1, 1}}},
        PaginationCase{2, 100, 0, {{0, 1}, {1, 1}}}),
    [](const ::testing::TestParamInfo<PaginationCase>& info) {
      const PaginationCase& c = info.param;
      return "lines" + std::to_string(c.lines) + "_page" + std::to_string(c.pageHeight) + "_line" +
             std::to_string(c.lineHeight);
    });

TEST(PrintOrderTest, CollatedCopiesWholeElseEachPageRepeated) {
  using Order = std::vector<std::size_t>;
  EXPECT_EQ(printOrder(3, 1, true), (Order{0, 1, 2}));
  EXPECT_EQ(printOrder(3, 2, true), (Order{0, 1, 2, 0, 1, 2}));
  EXPECT_EQ(printOrder(3, 2, false), (Order{0, 0, 1, 1, 2, 2}));
  EXPECT_EQ(printOrder(2, 0, false), (Order{0, 1}));  // no copy count is one copy
  EXPECT_TRUE(printOrder(0, 3, true).empty());
}

}  // namespace
