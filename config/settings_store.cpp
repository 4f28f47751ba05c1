#include "config/settings_store.h"

#include "devices/script_lines.h"
#include "devices/western_code_page.h"

namespace {

void appendUtf8(std::string& text, char16_t character) {
  if (character < 0x80) {
    text += static_cast<char>(character);
  } else if (character < 0x800) {
    text += static_cast<char>(0xC0 | (character >> 6));
    text += static_cast<char>(0x80 | (character & 0x3F));
  } else {
    text += static_cast<char>(0xE0 | (character >> 12));
    text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (character & 0x3F));
  }
}

// Each byte is stored as its character of the Western code page, as Windows
// stores the text of a program that works in that code page ("€" for 0x80).
std::string bytesAsUtf8(std::string_view bytes) {
  std::string text;
  for (char c : bytes) appendUtf8(text, westernCharacterOf(static_cast<unsigned char>(c)));
  return text;
}

// The next character of UTF-8 text, of one to three bytes; nothing for text
// that is not UTF-8 or a character beyond them.
std::optional<char16_t> nextUtf8(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  const int more = (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : -1;
  if (more < 0 || i + static_cast<std::size_t>(more) > text.size()) return std::nullopt;
  char32_t code = lead & (more == 1 ? 0x1F : 0x0F);
  for (int k = 0; k < more; ++k) {
    const auto next = static_cast<unsigned char>(text[i++]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    code = (code << 6) | (next & 0x3F);
  }
  // Overlong forms and surrogates are not characters.
  if (code < (more == 1 ? 0x80u : 0x800u) || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
  return static_cast<char16_t>(code);
}

// The reverse; nothing for a character the code page has no byte for, or
// text that is not UTF-8. U+0080 to U+009F, which earlier versions stored
// for bytes 0x80 to 0x9F, still give those bytes.
std::optional<std::string> utf8AsBytes(std::string_view text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size();) {
    const std::optional<char16_t> character = nextUtf8(text, i);
    if (!character) return std::nullopt;
    std::optional<unsigned char> byte = westernByteOf(*character);
    if (!byte && *character >= 0x80 && *character <= 0x9F) byte = static_cast<unsigned char>(*character);
    if (!byte) return std::nullopt;
    bytes += static_cast<char>(*byte);
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

bool isChoosableDisabledSign(std::string_view sign) {
  if (!isUsableDisabledSign(sign)) return false;
  for (char c : sign)
    if (static_cast<unsigned char>(c) < ' ' || c == '\x7F') return false;
  return true;
}

bool isUsableDisabledSign(std::string_view sign) {
  if (sign.empty() || sign.size() > kMaxDisabledSignLength) return false;
  for (char c : sign)
    if (c == ' ' || (c >= '\t' && c <= '\r')) return false;
  const char first = sign.front();
  if ((first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z') || (first >= '0' && first <= '9'))
    return false;
  return !sign.starts_with(kHeaderMark) && !sign.starts_with(kTargetOsMark);
}
