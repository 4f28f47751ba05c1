#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "devices/number_format.h"

// One `set` key of a kind and the field it fills: numbers through
// parseNumber, texts as given, flags by the yes/no rule.
template <class Device>
struct KeyField {
  std::string_view key;
  std::variant<std::int32_t Device::*, std::string Device::*, bool Device::*> field;
};

// Applies the pair when the table knows the key; false (nothing changed) otherwise.
template <class Device>
bool applyKeyField(Device& device, std::span<const KeyField<Device>> table, std::string_view key,
                   std::string_view value) {
  for (const KeyField<Device>& entry : table) {
    if (entry.key != key) continue;
    if (auto number = std::get_if<std::int32_t Device::*>(&entry.field))
      device.*(*number) = parseNumber(value);
    else if (auto text = std::get_if<std::string Device::*>(&entry.field))
      device.*(*text) = value;
    else if (!applyYesNo(value, device.*std::get<bool Device::*>(entry.field)))
      device.noteValueIgnored();
    return true;
  }
  return false;
}
