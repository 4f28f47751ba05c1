#include "ui/sheets/number_fields.h"

#include <QLineEdit>
#include <algorithm>

#include "config/device_properties.h"
#include "devices/number_format.h"
#include "devices/text_utils.h"
#include "ui/script_text.h"

QLineEdit* integerEdit(std::int32_t value, QWidget* parent) {
  return new QLineEdit(QString::number(value), parent);
}

QLineEdit* octalEdit(std::int32_t value, QWidget* parent) {
  return new QLineEdit(fromBytes(formatOctal(value)), parent);
}

bool readOctalText(std::string_view text, std::int32_t& value) {
  const std::string number = trim(text);
  std::string_view digits = number;
  const bool decimal = !digits.empty() && digits.back() == '.';
  if (decimal) digits.remove_suffix(1);
  const bool negative = !digits.empty() && digits.front() == '-';
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
  const char highest = decimal ? '9' : '7';
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [&](char c) { return c >= '0' && c <= highest; }))
    return false;
  // parseNumber saturates at the 32-bit limits; a number past them is refused.
  const int base = decimal ? 10 : 8;
  std::int64_t magnitude = 0;
  for (const char c : digits) {
    magnitude = magnitude * base + (c - '0');
    if (magnitude > std::int64_t{INT32_MAX} + 1) return false;
  }
  if (magnitude > (negative ? std::int64_t{INT32_MAX} + 1 : std::int64_t{INT32_MAX})) return false;
  value = parseNumber(number);
  return true;
}

bool readIntegerField(const QLineEdit* edit, std::int32_t& value) {
  return readIntegerText(toBytes(edit->text()), value);
}

bool readOctalField(const QLineEdit* edit, std::int32_t& value) { return readOctalText(toBytes(edit->text()), value); }
