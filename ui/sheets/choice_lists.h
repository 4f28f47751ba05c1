#pragma once

#include <QString>
#include <cstdint>
#include <vector>

class QComboBox;
class QWidget;

// How a number list shows its entries.
enum class NumberForm { Octal, Decimal };

QString numberText(std::int32_t value, NumberForm form);

// A drop-down (editable or not) as the kind pages build it: a typed text is
// taken as it stands, neither completed nor added to the list.
QComboBox* makeChoiceBox(bool editable, QWidget* parent);

// Fills `box` with the model's choices in text order and selects `value`,
// adding it when the list lacks it. -1 marks a choice a model does not have:
// such entries are left out, and so is a value of -1 unless `offerMissing`
// (a field the type has, which must show what it holds).
void showChoices(QComboBox* box, const std::vector<std::int32_t>& choices, std::int32_t value, NumberForm form,
                 bool offerMissing = true);
