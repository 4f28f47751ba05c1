#include "config/settings_store.h"

std::string disabledSignFrom(const SettingsStore* store) {
  if (!store) return kDefaultDisabledSign;
  std::optional<std::string> sign = store->value("DisabledSign");
  // An empty sign could not mark a disabled device at all, and some others
  // would be read as other lines: such a setting falls back to the default.
  if (!sign || !isUsableDisabledSign(*sign)) return kDefaultDisabledSign;
  return *sign;
}

bool isUsableDisabledSign(std::string_view sign) {
  if (sign.empty() || sign.size() > kMaxDisabledSignLength) return false;
  for (char c : sign)
    if (c == ' ' || (c >= '\t' && c <= '\r')) return false;
  const char first = sign.front();
  if ((first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z') || (first >= '0' && first <= '9'))
    return false;
  return sign.substr(0, 2) != "##" && sign.substr(0, 3) != "#OS";
}
