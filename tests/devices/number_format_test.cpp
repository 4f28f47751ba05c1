#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

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

// The C library's strtol is the reference: every text built from the bytes
// that matter (blanks, signs, digits on both sides of the base, points,
// letters) reads the same, in base 8 and base 10.
TEST(ParseNumber, AgreesWithTheCLibrary) {
  const std::string pieces[] = {"", " ", "\t", "\v", "+", "-", "0", "7", "8", "9", "1", ".", "x", "17", "777777777777"};
  auto reference = [](const std::string& text) {
    const int base = (!text.empty() && text.back() == '.') ? 10 : 8;
    const long value = std::strtol(text.c_str(), nullptr, base);
    return static_cast<std::int32_t>(std::clamp<long>(value, INT32_MIN, INT32_MAX));
  };
  for (const std::string& a : pieces)
    for (const std::string& b : pieces)
      for (const std::string& c : pieces) {
        const std::string text = a + b + c;
        ASSERT_EQ(parseNumber(text), reference(text)) << '"' << text << '"';
      }
}
