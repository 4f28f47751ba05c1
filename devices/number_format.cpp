#include "devices/number_format.h"

#include "devices/text_utils.h"

std::int32_t parseInteger(std::string_view text, int base) {
  std::size_t pos = 0;
  while (pos < text.size() && isSpace(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  // The fields are 32 bits, as on the original platform where strtol
  // saturates at the 32-bit limits; the magnitude stops growing well past them.
  constexpr std::int64_t kCeiling = std::int64_t{1} << 40;
  std::int64_t magnitude = 0;
  for (; pos < text.size(); ++pos) {
    const int digit = text[pos] - '0';
    if (digit < 0 || digit >= base) break;
    if (magnitude < kCeiling) magnitude = magnitude * base + digit;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(value);
}

std::int32_t parseNumber(std::string_view text) {
  return parseInteger(text, (!text.empty() && text.back() == '.') ? 10 : 8);
}

bool applyYesNo(std::string_view value, bool& flag) {
  if (value == "1" || equalsIgnoreCase(value, "yes"))
    flag = true;
  else if (value == "0" || equalsIgnoreCase(value, "no"))
    flag = false;
  else
    return false;
  return true;
}

std::string formatOctal(std::int64_t value) {
  if (value == 0) return "0";
  bool negative = value < 0;
  std::uint64_t magnitude = negative ? static_cast<std::uint64_t>(-(value + 1)) + 1
                                     : static_cast<std::uint64_t>(value);
  std::string digits;
  while (magnitude) {
    digits.insert(digits.begin(), static_cast<char>('0' + (magnitude & 7)));
    magnitude >>= 3;
  }
  return negative ? "-" + digits : digits;
}

std::string formatDecimalPoint(std::int64_t value) {
  return std::to_string(value) + ".";
}
