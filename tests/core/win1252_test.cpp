#include "core/win1252.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvask {
namespace {

// UTF-16 code units as bytes in the chosen order.
std::string Utf16(const std::vector<char16_t>& eenheden, bool bigEndian) {
  std::string uit;
  for (char16_t e : eenheden) {
    const char hoog = static_cast<char>(e >> 8), laag = static_cast<char>(e & 0xFF);
    if (bigEndian) {
      uit += hoog;
      uit += laag;
    } else {
      uit += laag;
      uit += hoog;
    }
  }
  return uit;
}

TEST(Win1252, RoundTripsOfTheProgramsCharacters) {
  struct Rij {
    const char* win;
    const char* utf8;
  };
  const std::vector<Rij> rijen = {
      {"\xE9", "\u00E9"},  // é
      {"\xEB", "\u00EB"},  // ë
      {"\xEF", "\u00EF"},  // ï
      {"\xDF", "\u00DF"},  // ß
      {"\xCD", "\u00CD"},  // Í
      {"\x80", "\u20AC"},  // €
      {"\x8A\x9F\x85\x99", "\u0160\u0178\u2026\u2122"},
      {"\xA0\xFF", "\u00A0\u00FF"},
      {"\xE9\xE9n of \xCD\r\r", "\u00E9\u00E9n of \u00CD\r\r"},
      {"", ""},
  };
  for (const auto& r : rijen) {
    EXPECT_EQ(Win1252NaarUtf8(r.win), r.utf8);
    EXPECT_EQ(Utf8NaarWin1252(r.utf8), r.win);
    EXPECT_EQ(Utf8NaarWin1252(Win1252NaarUtf8(r.win)), r.win);
  }
  // Every byte with a character survives the trip through UTF-8.
  for (int b = 1; b < 256; ++b) {
    if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) continue;
    const std::string een(1, static_cast<char>(b));
    EXPECT_EQ(Utf8NaarWin1252(Win1252NaarUtf8(een)), een) << b;
  }
}

TEST(Win1252, BytesWithoutACharacterBecomeQuestionMarks) {
  EXPECT_EQ(Win1252NaarUtf8("a\x81\x8D\x8F\x90\x9D"
                            "b"),
            "a?????b");
}

TEST(Win1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(Utf8NaarWin1252("\u0100"), "?");         // Ā
  EXPECT_EQ(Utf8NaarWin1252("a\u4E2Db"), "a?b");     // 中
  EXPECT_EQ(Utf8NaarWin1252("\U0001F600"), "?");     // an emoji, four bytes
  EXPECT_EQ(Utf8NaarWin1252("\u0081\u009D"), "??");  // C1 controls have no byte
  EXPECT_EQ(CodepuntNaarWin1252(0x20AC), '\x80');
  EXPECT_EQ(CodepuntNaarWin1252(0x0081), '?');
  EXPECT_EQ(CodepuntNaarWin1252(0x0100), '?');
  EXPECT_EQ(CodepuntNaarWin1252(0x110000), '?');
}

TEST(Win1252, MalformedUtf8BecomesQuestionMarks) {
  struct Rij {
    const char* naam;
    std::string utf8;
    const char* win;
  };
  const std::vector<Rij> rijen = {
      {"lone continuation byte",
       "a\x80"
       "b",
       "a?b"},
      {"lead byte without continuation",
       "a\xC3"
       "b",
       "a?b"},
      {"truncated at the end", "ab\xE2\x82", "ab?"},
      {"truncated two-byte at the end", "ab\xC3", "ab?"},
      {"sequence broken by an ASCII byte",
       "\xE2\x82"
       "A",
       "?A"},
      {"invalid lead byte",
       "\xFF\xFE"
       "x",
       "??x"},
      {"five-byte lead",
       "\xF8\x88\x80\x80\x80"
       "x",
       "?x"},
      // Overlong forms must not smuggle in ASCII characters such as "/" or NUL.
      {"overlong slash", "\xC0\xAF", "?"},
      {"overlong NUL", std::string("\xC0\x80", 2), "?"},
      {"overlong three-byte slash", "\xE0\x80\xAF", "?"},
      {"overlong e-acute", "\xE0\x83\xA9", "?"},
      {"UTF-16 surrogate encoded",
       "\xED\xA0\x80"
       "x",
       "?x"},
      {"beyond U+10FFFF",
       "\xF4\x90\x80\x80"
       "x",
       "?x"},
      {"largest code point", "\xF4\x8F\xBF\xBF", "?"},
  };
  for (const auto& r : rijen) EXPECT_EQ(Utf8NaarWin1252(r.utf8), r.win) << r.naam;
}

TEST(Win1252, FromUtf16BothByteOrders) {
  const std::vector<char16_t> tekst = {u'A', 0x00E9, 0x00CD, 0x00DF, 0x20AC, 0x0100, u'z'};
  for (bool be : {false, true}) {
    SCOPED_TRACE(be ? "big endian" : "little endian");
    EXPECT_EQ(Utf16NaarWin1252(Utf16(tekst, be), be), "A\xE9\xCD\xDF\x80?z");
    // A surrogate pair is one character outside the code page.
    EXPECT_EQ(Utf16NaarWin1252(Utf16({u'a', 0xD83D, 0xDE00, u'b'}, be), be), "a?b");
    // Lone surrogates, at the end too.
    EXPECT_EQ(Utf16NaarWin1252(Utf16({0xD83D, u'b'}, be), be), "?b");
    EXPECT_EQ(Utf16NaarWin1252(Utf16({0xDE00, u'b'}, be), be), "?b");
    EXPECT_EQ(Utf16NaarWin1252(Utf16({u'b', 0xD83D}, be), be), "b?");
    // An odd last byte is no character.
    EXPECT_EQ(Utf16NaarWin1252(Utf16({u'b'}, be) + "x", be), "b");
    EXPECT_EQ(Utf16NaarWin1252("", be), "");
  }
  // The byte order matters: 0x00E9 read the wrong way round is U+E900.
  EXPECT_EQ(Utf16NaarWin1252(Utf16({0x00E9}, true), false), "?");
}

}  // namespace
}  // namespace morvask
