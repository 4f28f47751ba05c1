#include "config/settings_store.h"

namespace {

// Each byte is stored as the character of its own code.
std::string bytesAsUtf8(std::string_view bytes) {
  std::string text;
  for (char c : bytes) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (code >> 6));
      text += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return text;
}

// The reverse; nothing for a character that is not one byte, or text that is not UTF-8.
std::optional<std::string> utf8AsBytes(std::string_view text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto code = static_cast<unsigned char>(text[i]);
    if (code < 0x80) {
      bytes += text[i];
      continue;
    }
    if ((code & 0xFE) != 0xC2 || i + 1 >= text.size()) return std::nullopt;
    const auto next = static_cast<unsigned char>(text[++i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    bytes += static_cast<char>(((code & 0x03) << 6) | (next & 0x3F));
  }
  return bytes;
}

}  // namespace

std::string disabledSignFrom(const SettingsStore* store) {
  if (!store) return kDefaultDisabledSign;
  const std::optional<std::string> stored = store->value("DisabledSign");
  const std::optional<std::string> sign = stored ? utf8AsBytes(*stored) : std::nullopt;
  // An empty sign could not mark a disabled device at all, and some others
  // would be read as other lines: such a setting falls back to the default.
  if (!sign || !isUsableDisabledSign(*sign)) return kDefaultDisabledSign;
  return *sign;
}

bool storeDisabledSign(SettingsStore& store, std::string_view sign) {
  return store.setValue("DisabledSign", bytesAsUtf8(sign));
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
