#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Byte-wise helpers for script text. Script text is bytes: only ASCII letters
// change case, everything else passes through untouched.
constexpr char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
std::string toLower(std::string_view text);
void lowerInPlace(std::string& text);
// Inline: the reader compares words with it on every line.
inline bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && asciiLower(a[i]) != asciiLower(b[i])) return false;
  }
  return true;
}
// Hash and equality that ignore ASCII letter case, for indexes looked up with
// any string_view (no lower-cased copy per lookup).
struct CaseBlindHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const noexcept;
};
struct CaseBlindEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const noexcept { return equalsIgnoreCase(a, b); }
};
// The load factor for indexes looked up far more often than filled: with
// sparse buckets a look-up mostly meets its own key first, without walking a
// chain (each step of which hashes again).
inline constexpr float kSparseLoad = 0.25f;
// The C library's white space in the "C" locale; inline, as the reader asks
// it of every byte.
constexpr bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
// The word of `text` that starts at or after `pos` (white space before it
// skipped); `pos` moves past it. Empty at the end of the text.
inline std::string_view nextWord(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && isSpace(text[pos])) ++pos;
  const std::size_t start = pos;
  while (pos < text.size() && !isSpace(text[pos])) ++pos;
  return text.substr(start, pos - start);
}
// The pieces joined into one string.
std::string concat(std::initializer_list<std::string_view> pieces);
std::string trim(std::string_view text);
inline bool startsWith(std::string_view text, std::string_view prefix) {
  return prefix.size() <= text.size() && text.compare(0, prefix.size(), prefix) == 0;
}
// Splits at every LF; "a\nb\n" gives "a", "b", "". An empty text gives no piece.
std::vector<std::string_view> splitLines(std::string_view text);
