#include "devices/western_code_page.h"

namespace {

// Bytes 0x80 to 0x9F; the five the code page leaves unused stand for themselves.
constexpr char16_t kBytes80To9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

}  // namespace

char16_t westernCharacterOf(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F ? kBytes80To9F[byte - 0x80] : char16_t(byte);
}

std::optional<unsigned char> westernByteOf(char16_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) return static_cast<unsigned char>(character);
  for (int i = 0; i < 32; ++i)
    if (kBytes80To9F[i] == character) return static_cast<unsigned char>(0x80 + i);
  return std::nullopt;
}
