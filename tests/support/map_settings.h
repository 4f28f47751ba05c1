#pragma once

#include <map>
#include <string>

#include "config/settings_store.h"

// Settings kept in memory; `failWrites` makes every store refuse.
class MapSettings : public SettingsStore {
 public:
  std::optional<std::string> value(std::string_view name) const override {
    auto it = values.find(std::string(name));
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  bool setValue(std::string_view name, const std::string& value) override {
    if (failWrites) return false;
    values[std::string(name)] = value;
    return true;
  }

  std::map<std::string, std::string> values;
  bool failWrites = false;
};
