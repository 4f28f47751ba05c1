#pragma once

#include <cstdint>
#include <vector>

class QComboBox;

// Fills a drop-down with a model's choices as octal texts, in text order, and
// selects `value`; a value the model does not list is added and selected, so
// that it comes back as the device held it.
void fillOctalChoices(QComboBox* box, const std::vector<std::int32_t>& choices, std::int32_t value);
// The number a drop-down of octal texts shows, read as a script reads it.
std::int32_t chosenNumber(const QComboBox* box);
