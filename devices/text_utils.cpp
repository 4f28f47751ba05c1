#include "devices/text_utils.h"

#include <chrono>
#include <cstdint>
#include <cstring>
#include <random>

void lowerInPlace(std::string& text) {
  for (char& c : text) c = asciiLower(c);
}

std::string toLower(std::string_view text) {
  std::string out(text);
  lowerInPlace(out);
  return out;
}

namespace {

// Every byte of `word` that is an ASCII capital turned into its small letter,
// eight at a time: the exact fold equalsIgnoreCase compares by. Folding more
// (say, setting bit 5 of every byte) would let names such as "R~^" and "R^~"
// hash alike, and a file of such names would make every look-up walk them all.
std::uint64_t foldCapitals(std::uint64_t word) {
  constexpr std::uint64_t kHigh = 0x8080808080808080ull;
  constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
  constexpr std::uint64_t kEach = 0x0101010101010101ull;
  const std::uint64_t low = word & kLow7;  // no carry can cross a byte below
  const std::uint64_t atLeastA = low + (0x80 - 'A') * kEach;
  const std::uint64_t pastZ = low + (0x80 - 'Z' - 1) * kEach;
  const std::uint64_t capital = atLeastA & ~pastZ & ~word & kHigh;
  return word | (capital >> 2);  // bit 7 of each capital's byte becomes its bit 5
}

// Names come from files: a seed of the run's own keeps anyone from preparing
// names that all land in one slot.
std::uint64_t hashSeed() {
  static const std::uint64_t seed = []() -> std::uint64_t {
    try {
      std::random_device device;
      return (std::uint64_t{device()} << 32) ^ device();
    } catch (const std::exception&) {  // no source of randomness here: the clock will do
      return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    }
  }();
  return seed;
}

}  // namespace

std::size_t CaseBlindHash::operator()(std::string_view text) const noexcept {
  constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  std::uint64_t hash = (hashSeed() ^ text.size()) * kMultiplier;
  const char* bytes = text.data();
  std::size_t left = text.size();
  auto mix = [&](std::uint64_t word) {
    hash = (hash ^ foldCapitals(word)) * kMultiplier;
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
