#include "ui/sheets/octal_choices.h"

#include <QComboBox>

#include "devices/number_format.h"
#include "ui/sheets/sheet_text.h"

void fillOctalChoices(QComboBox* box, const std::vector<std::int32_t>& choices, std::int32_t value) {
  QStringList texts;
  for (const std::int32_t choice : choices) texts << QString::fromStdString(formatOctal(choice));
  fillSorted(box, texts);
  selectOrAdd(box, QString::fromStdString(formatOctal(value)));
}

std::int32_t chosenNumber(const QComboBox* box) { return parseNumber(toBytes(box->currentText().trimmed())); }
