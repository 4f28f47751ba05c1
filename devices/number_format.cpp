#include "devices/number_format.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "devices/text_utils.h"

std::int32_t parseNumber(std::string_view text) {
  const int base = (!text.empty() && text.back() == '.') ? 10 : 8;
  std::string copy(text);  // strtol needs a terminated string
  errno = 0;
  long value = std::strtol(copy.c_str(), nullptr, base);
  // long is 64 bits here; the fields are 32 bits, as on the original platform
  // where strtol saturates at the 32-bit limits.
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(value);
}

void applyYesNo(std::string_view value, bool& flag) {
  if (value == "1" || equalsIgnoreCase(value, "yes"))
    flag = true;
  else if (value == "0" || equalsIgnoreCase(value, "no"))
    flag = false;
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
