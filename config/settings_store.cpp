#include "config/settings_store.h"

std::string disabledSignFrom(const SettingsStore* store) {
  if (!store) return kDefaultDisabledSign;
  std::optional<std::string> sign = store->value("DisabledSign");
  if (!sign || sign->size() > kMaxDisabledSignLength) return kDefaultDisabledSign;
  return *sign;
}
