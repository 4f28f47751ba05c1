#pragma once

#include <cstdint>
#include <string_view>

class QLineEdit;
class QWidget;

// An integer field, shown in decimal.
QLineEdit* integerEdit(std::int32_t value, QWidget* parent);

// An address field, shown in octal and read back as a script reads a number.
QLineEdit* octalEdit(std::int32_t value, QWidget* parent);

// What an address field says when its text is no number a script can hold.
inline constexpr const char* kEnterOctalText =
    "Please enter an octal number, or a decimal number ending with \".\".";
// Reads an address field: octal digits, or decimal digits ending with ".",
// with an optional sign and blanks around, within 32 bits. A script would
// read "19" as 1 and "lots" as 0; a page refuses both rather than store a
// number the user never typed.
bool readOctalText(std::string_view text, std::int32_t& value);

// A field's text read as readIntegerText (config/device_properties.h) or
// readOctalText reads it; false when it is no such number.
bool readIntegerField(const QLineEdit* edit, std::int32_t& value);
bool readOctalField(const QLineEdit* edit, std::int32_t& value);
