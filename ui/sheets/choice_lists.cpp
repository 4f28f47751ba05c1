#include "ui/sheets/choice_lists.h"

#include <QComboBox>
#include <QStringList>

#include "devices/number_format.h"
#include "ui/script_text.h"
#include "ui/sheets/sheet_text.h"

namespace {

constexpr std::int32_t kNotPresent = -1;

}  // namespace

QString numberText(std::int32_t value, NumberForm form) {
  return form == NumberForm::Octal ? fromBytes(formatOctal(value)) : QString::number(value);
}

QComboBox* makeChoiceBox(bool editable, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setEditable(editable);
  box->setInsertPolicy(QComboBox::NoInsert);
  if (editable) box->setCompleter(nullptr);  // typing "15" must not become a listed "154"
  return box;
}

void fillChoices(QComboBox* box, const std::vector<std::int32_t>& choices, NumberForm form) {
  QStringList texts;
  for (std::int32_t choice : choices)
    if (choice != kNotPresent) texts << numberText(choice, form);
  fillSorted(box, texts);
}

void showChoices(QComboBox* box, const std::vector<std::int32_t>& choices, std::int32_t value, NumberForm form,
                 bool offerMissing) {
  fillChoices(box, choices, form);
  if (value != kNotPresent || offerMissing) selectOrAdd(box, numberText(value, form));
}

std::int32_t chosenNumber(const QComboBox* box) { return parseNumber(toBytes(box->currentText())); }
