#pragma once

#include <QString>
#include <cstdint>
#include <vector>

class QComboBox;
class QWidget;

// How a number list shows its entries.
enum class NumberForm { Octal, Decimal };

QString numberText(std::int32_t value, NumberForm form);

// A drop-down (editable or not) as the pages build it: a typed text is taken
// as it stands, neither completed nor added to the list.
QComboBox* makeChoiceBox(bool editable, QWidget* parent);

// Fills `box` with the model's choices in text order, nothing selected yet
// beyond the first entry. -1 marks a choice a model does not have: such
// entries are left out.
void fillChoices(QComboBox* box, const std::vector<std::int32_t>& choices, NumberForm form);

// Fills `box` as fillChoices does and selects `value`, adding it when the
// list lacks it, so that it comes back as the device held it. A value of -1
// is left out unless `offerMissing` (a field the type has, which must show
// what it holds).
void showChoices(QComboBox* box, const std::vector<std::int32_t>& choices, std::int32_t value, NumberForm form,
                 bool offerMissing = true);

// The number a drop-down of octal texts shows, read as a script reads it
// (octal, or decimal when it ends with "."). An editable box takes any text,
// as the General page's register does.
std::int32_t chosenNumber(const QComboBox* box);
