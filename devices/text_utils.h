#pragma once

#include <string>
#include <string_view>
#include <vector>

// Byte-wise helpers for script text. Script text is bytes: only ASCII letters
// change case, everything else passes through untouched.
std::string toLower(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
// The C library's white space in the "C" locale; inline, as the reader asks
// it of every byte.
inline bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
std::string trim(std::string_view text);
inline bool startsWith(std::string_view text, std::string_view prefix) {
  return prefix.size() <= text.size() && text.compare(0, prefix.size(), prefix) == 0;
}
// Splits at every LF; "a\nb\n" gives "a", "b", "". An empty text gives no piece.
std::vector<std::string_view> splitLines(std::string_view text);
