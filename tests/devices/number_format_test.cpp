#include <gtest/gtest.h>

#include "devices/number_format.h"

TEST(ParseNumber, ReadsLikeStrtol) {
  struct Case {
    const char* text;
    std::int32_t value;
  } cases[] = {
      {"17774400", 017774400},  // octal by default
      {"15.", 15},              // a trailing point means decimal
      {"017", 15},
      {"17", 15},
      {"8", 0},      // not an octal digit: conversion stops at once
      {"1.5.", 1},   // decimal, stops at the first point
      {"", 0},
      {"abc", 0},
      {"  -12", -10},   // leading blanks and a sign are accepted
      {"+7.", 7},
      {"777x", 0777},   // stops at the first non-digit
      {"99999999999999999999.", INT32_MAX},  // saturates like a 32-bit strtol
      {"-99999999999999999999.", INT32_MIN},
  };
  for (const Case& c : cases) EXPECT_EQ(parseNumber(c.text), c.value) << c.text;
}

TEST(YesNo, FourWordsDecideOthersLeaveTheFlag) {
  struct Case {
    const char* value;
    bool before, after;
  } cases[] = {
      {"1", false, true}, {"yes", false, true}, {"YeS", false, true},
      {"0", true, false}, {"no", true, false},  {"NO", true, false},
      {"true", false, false}, {"true", true, true}, {"", true, true}, {"2", false, false},
  };
  for (const Case& c : cases) {
    bool flag = c.before;
    applyYesNo(c.value, flag);
    EXPECT_EQ(flag, c.after) << c.value;
  }
}

TEST(FormatOctal, DigitsOnlyAndReadBack) {
  EXPECT_EQ(formatOctal(0), "0");
  EXPECT_EQ(formatOctal(512), "1000");
  EXPECT_EQ(formatOctal(017774410), "17774410");
  EXPECT_EQ(formatOctal(-8), "-10");
  for (std::int32_t v : {0, 1, 7, 8, 4088, 017777777, -1, INT32_MAX, INT32_MIN})
    EXPECT_EQ(parseNumber(formatOctal(v)), v) << v;
  EXPECT_EQ(formatDecimalPoint(8192), "8192.");
}
