#pragma once

#include <optional>
#include <string>
#include <string_view>

// The editor's stored settings ("DisabledSign", "Path"). The platform layer
// keeps them in the registry or a settings file; tests use a map.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored value, or nothing when the value (or the settings key) does not exist.
  virtual std::optional<std::string> value(std::string_view name) const = 0;
  // False when the value could not be stored; callers stay silent about it.
  virtual bool setValue(std::string_view name, const std::string& value) = 0;
};

inline constexpr const char* kDefaultDisabledSign = "#$";
// The longest stored disabled sign that is honoured.
inline constexpr std::size_t kMaxDisabledSignLength = 11;

// The stored disabled sign, or "#$" when there is none, or it is empty or too long.
std::string disabledSignFrom(const SettingsStore* store);
