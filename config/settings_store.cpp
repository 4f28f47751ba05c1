#include "config/settings_store.h"

std::string disabledSignFrom(const SettingsStore* store) {
  if (!store) return kDefaultDisabledSign;
  std::optional<std::string> sign = store->value("DisabledSign");
  // An empty sign could not mark a disabled device at all: a save would
  // enable them all. Such a setting falls back to the default too.
  if (!sign || sign->empty() || sign->size() > kMaxDisabledSignLength) return kDefaultDisabledSign;
  return *sign;
}
