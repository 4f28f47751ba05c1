#pragma once

#include <optional>

// The Windows Western code page (1252), in which script bytes are shown and
// the stored settings hold them: bytes 0x80 to 0x9F are the code page's own
// characters (0x80 is "€"), every other byte the character of its own code.
char16_t westernCharacterOf(unsigned char byte);
// The byte of a character, or nothing when the code page has none.
std::optional<unsigned char> westernByteOf(char16_t character);
