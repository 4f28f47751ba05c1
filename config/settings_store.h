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

// A sign that every statement of a disabled device can carry and that still
// reads back as such: 1 to 11 characters, no white space, not beginning with a
// letter or a digit (it would run into the keywords of enabled statements),
// "##" (header lines) or "#OS" (the target OS line).
bool isUsableDisabledSign(std::string_view sign);
inline constexpr const char* kDisabledSignRule =
    "The disabled sign must be 1 to 11 characters without blanks and must not begin with a letter, a digit, "
    "\"##\" or \"#OS\".";

// A sign chosen anew must also hold no control character: a Ctrl-Z would end
// the emulator's text-mode read at the first disabled statement. A sign
// stored before this rule is still honoured, so that the files written with
// it keep their disabled devices.
bool isChoosableDisabledSign(std::string_view sign);
inline constexpr const char* kChosenDisabledSignRule =
    "The disabled sign must be 1 to 11 characters without blanks or control characters and must not begin "
    "with a letter, a digit, \"##\" or \"#OS\".";

// The stored disabled sign, or "#$" when there is none or it is not usable.
// Stores hold text (UTF-8); the sign is script bytes, one character each, so
// it is converted on the way in and out.
std::string disabledSignFrom(const SettingsStore* store);
// Stores the sign; false when it could not be stored.
bool storeDisabledSign(SettingsStore& store, std::string_view sign);
