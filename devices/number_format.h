#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Script numbers: octal, or decimal when the text ends with "." -- read the way
// strtol reads them, so "8" is 0 and "1.5." is 1.
std::int32_t parseNumber(std::string_view text);
// strtol's reading in base 8 or 10 (leading white space, a sign, then digits
// up to the first other byte), saturated at the 32-bit limits.
std::int32_t parseInteger(std::string_view text, int base);

// Yes/no values: "1"/"yes" set the flag, "0"/"no" clear it, letter case
// ignored; any other word leaves the flag as it is and answers false.
bool applyYesNo(std::string_view value, bool& flag);

// Octal digits without prefix; negative values keep a leading "-".
std::string formatOctal(std::int64_t value);
// Decimal digits followed by "." (the form parseNumber reads back as decimal).
std::string formatDecimalPoint(std::int64_t value);
