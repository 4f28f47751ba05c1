#include "devices/text_utils.h"

#include <cstdint>
#include <cstring>

void lowerInPlace(std::string& text) {
  for (char& c : text) c = asciiLower(c);
}

std::string toLower(std::string_view text) {
  std::string out(text);
  lowerInPlace(out);
  return out;
}

std::size_t CaseBlindHash::operator()(std::string_view text) const noexcept {
  // Eight bytes at a time. Setting bit 5 of every byte maps both cases of a
  // letter to one value (it also merges a few punctuation pairs, which only
  // costs a comparison), so texts equal but for case hash alike.
  constexpr std::uint64_t kCaseBits = 0x2020202020202020ull;
  constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  std::uint64_t hash = text.size() * kMultiplier;
  const char* bytes = text.data();
  std::size_t left = text.size();
  auto mix = [&](std::uint64_t word) {
    hash = (hash ^ (word | kCaseBits)) * kMultiplier;
    hash ^= hash >> 29;
  };
  for (; left >= 8; bytes += 8, left -= 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes, 8);
    mix(word);
  }
  if (left > 0) {
    // Byte by byte: a memcpy of a variable length would be a library call.
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < left; ++i) word |= std::uint64_t(static_cast<unsigned char>(bytes[i])) << (8 * i);
    mix(word);
  }
  return static_cast<std::size_t>(hash);
}

std::string concat(std::initializer_list<std::string_view> pieces) {
  std::size_t size = 0;
  for (std::string_view piece : pieces) size += piece.size();
  std::string text;
  text.reserve(size);
  for (std::string_view piece : pieces) text += piece;
  return text;
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
