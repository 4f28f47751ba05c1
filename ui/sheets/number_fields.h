#pragma once

#include <cstdint>
#include <string_view>

class QLineEdit;
class QWidget;

// An integer field, shown in decimal.
QLineEdit* integerEdit(std::int32_t value, QWidget* parent);

// An address field, shown in octal and read back as a script reads a number.
QLineEdit* octalEdit(std::int32_t value, QWidget* parent);

// A field's text read as readIntegerText or readOctalText
// (config/device_properties.h) reads it; false when it is no such number.
bool readIntegerField(const QLineEdit* edit, std::int32_t& value);
bool readOctalField(const QLineEdit* edit, std::int32_t& value);
