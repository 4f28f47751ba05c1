#include "devices/text_utils.h"

#include <cstdint>

void lowerInPlace(std::string& text) {
  for (char& c : text) c = asciiLower(c);
}

std::string toLower(std::string_view text) {
  std::string out(text);
  lowerInPlace(out);
  return out;
}

std::size_t CaseBlindHash::operator()(std::string_view text) const noexcept {
  // FNV-1a over the lower-cased bytes.
  std::uint64_t hash = 14695981039346656037ull;
  for (char c : text) hash = (hash ^ static_cast<unsigned char>(asciiLower(c))) * 1099511628211ull;
  return static_cast<std::size_t>(hash);
}

std::string trim(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && isSpace(text[begin])) ++begin;
  while (end > begin && isSpace(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  if (text.empty()) return lines;
  std::size_t start = 0;
  for (;;) {
    std::size_t lf = text.find('\n', start);
    if (lf == std::string_view::npos) {
      lines.push_back(text.substr(start));
      return lines;
    }
    lines.push_back(text.substr(start, lf - start));
    start = lf + 1;
  }
}
