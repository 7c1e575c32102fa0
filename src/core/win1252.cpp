#include "core/win1252.h"

#include <array>

namespace morvask {
namespace {

// Code points of the bytes 0x80..0x9F; 0 where the code page has no character.
constexpr std::array<char32_t, 32> kHoog = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void Utf8Toevoegen(std::string& uit, char32_t c) {
  if (c < 0x80) {
    uit += static_cast<char>(c);
  } else if (c < 0x800) {
    uit += static_cast<char>(0xC0 | (c >> 6));
    uit += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    uit += static_cast<char>(0xE0 | (c >> 12));
    uit += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    uit += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    uit += static_cast<char>(0xF0 | (c >> 18));
    uit += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    uit += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    uit += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

char CodepuntNaarWin1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kHoog.size(); ++i)
    if (kHoog[i] != 0 && kHoog[i] == c) return static_cast<char>(0x80 + i);
  return '?';
}

std::string Win1252NaarUtf8(std::string_view tekst) {
  std::string uit;
  uit.reserve(tekst.size());
  for (unsigned char b : tekst) {
    if (b < 0x80) {
      uit += static_cast<char>(b);
    } else if (b < 0xA0) {
      const char32_t c = kHoog[b - 0x80];
      if (c == 0)
        uit += '?';
      else
        Utf8Toevoegen(uit, c);
    } else {
      Utf8Toevoegen(uit, b);
    }
  }
  return uit;
}

std::string Utf8NaarWin1252(std::string_view tekst) {
  std::string uit;
  uit.reserve(tekst.size());
  std::size_t i = 0;
  const std::size_t n = tekst.size();
  // A malformed or truncated sequence becomes one "?" and its continuation bytes are skipped.
  auto ongeldig = [&]() {
    uit += '?';
    ++i;
    while (i < n && (static_cast<unsigned char>(tekst[i]) & 0xC0) == 0x80) ++i;
  };
  while (i < n) {
    const unsigned char b = static_cast<unsigned char>(tekst[i]);
    if (b < 0x80) {
      uit += static_cast<char>(b);
      ++i;
      continue;
    }
    std::size_t volg = 0;
    char32_t c = 0;
    if ((b & 0xE0) == 0xC0) {
      volg = 1;
      c = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
      volg = 2;
      c = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
      volg = 3;
      c = b & 0x07;
    } else {
      ongeldig();
      continue;
    }
    if (i + volg >= n) {
      ongeldig();
      continue;
    }
    bool goed = true;
    for (std::size_t k = 1; k <= volg; ++k) {
      const unsigned char v = static_cast<unsigned char>(tekst[i + k]);
      if ((v & 0xC0) != 0x80) {
        goed = false;
        break;
      }
      c = (c << 6) | (v & 0x3F);
    }
    if (!goed) {
      ongeldig();
      continue;
    }
    // An overlong form (a character in more bytes than it needs) is malformed too; taking it
    // would let a "/" or a NUL byte in under another guise.
    static constexpr char32_t kKleinste[] = {0, 0x80, 0x800, 0x10000};
    uit += c < kKleinste[volg] ? '?' : CodepuntNaarWin1252(c);
    i += volg + 1;
  }
  return uit;
}

std::string Utf16NaarWin1252(std::string_view bytes, bool bigEndian) {
  std::string uit;
  uit.reserve(bytes.size() / 2);
  auto eenheid = [&](std::size_t i) -> char32_t {
    const unsigned char a = static_cast<unsigned char>(bytes[i]);
    const unsigned char b = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? (char32_t(a) << 8 | b) : (char32_t(b) << 8 | a);
  };
  std::size_t i = 0;
  while (i + 1 < bytes.size()) {
    char32_t c = eenheid(i);
    i += 2;
    if (c >= 0xD800 && c <= 0xDBFF) {
      // A surrogate pair lies outside Windows-1252 in any case; consume its second half.
      if (i + 1 < bytes.size()) {
        const char32_t d = eenheid(i);
        if (d >= 0xDC00 && d <= 0xDFFF) i += 2;
      }
      uit += '?';
      continue;
    }
    uit += CodepuntNaarWin1252(c);
  }
  return uit;
}

}  // namespace morvask
