#include "ui/sheets/number_fields.h"

#include <QLineEdit>

#include "config/device_properties.h"
#include "devices/number_format.h"
#include "ui/script_text.h"

QLineEdit* integerEdit(std::int32_t value, QWidget* parent) {
  return new QLineEdit(QString::number(value), parent);
}

QLineEdit* octalEdit(std::int32_t value, QWidget* parent) {
  return new QLineEdit(fromBytes(formatOctal(value)), parent);
}

bool readIntegerField(const QLineEdit* edit, std::int32_t& value) {
  return readIntegerText(toBytes(edit->text()), value);
}

bool readOctalField(const QLineEdit* edit, std::int32_t& value) { return readOctalText(toBytes(edit->text()), value); }
