#pragma once
// Every text of the library is Windows-1252 bytes; these convert at the edges.

#include <string>
#include <string_view>

namespace morvask {

// Windows-1252 bytes to UTF-8. The five bytes without a character (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) become "?".
std::string Win1252NaarUtf8(std::string_view tekst);

// UTF-8 to Windows-1252. A character Windows-1252 cannot hold, and a malformed UTF-8
// sequence, becomes "?".
std::string Utf8NaarWin1252(std::string_view tekst);

// UTF-16 (little or big endian, without its byte-order mark) to Windows-1252.
std::string Utf16NaarWin1252(std::string_view bytes, bool bigEndian);

// One Unicode code point to its Windows-1252 byte, or '?' when there is none.
char CodepuntNaarWin1252(char32_t c);

}  // namespace morvask
