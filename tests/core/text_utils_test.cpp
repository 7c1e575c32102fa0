#include "core/text_utils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvask {
namespace {

TEST(TekstUitlijnen, Table) {
  struct Rij {
    const char* uitlijning;
    const char* tekst;
    const char* vulling;
    int breedte;
    const char* uit;
  };
  const std::vector<Rij> rijen = {
      {"L", "12", " ", 4, "12  "},    {"R", "12", " ", 4, "  12"},
      {"L", "12345", " ", 4, "1234"}, {"R", "12345", " ", 4, "1234"},
      {"F", "-", " ", 3, "---"},      {"F", "ab", " ", 3, "ababab"},  // the text repeated width times
      {"F", "abcd", " ", 2, "abab"},                                  // cut to the width first
      {"L", "AB", " ", 1, "A"},       {"R", "AB", " ", 1, "A"},
      {"R", "", ".", 1, "."},         {"F", "xy", " ", 1, "x"},
      {"L", "12", "", 4, "12  "},  // an empty fill counts as one space
      {"R", "12", "", 4, "  12"},     {"L", "12", "-", 4, "12--"},
      {"R", "7", "0", 3, "007"},      {"L", "12", "ab", 4, "12abab"},  // the fill is repeated, not cut
      {"L", "1234", " ", 4, "1234"},  {"L", "", " ", 3, "   "},
      {"L", "12", " ", 0, ""},        {"F", "", " ", 3, ""},
      {"l", "12", " ", 4, ""},  // other alignments, lower case included, give nothing
      {"C", "12", " ", 4, ""},        {"", "12", " ", 4, ""},
      {"LR", "12", " ", 4, ""},       {"L", "12", " ", -3, ""},
  };
  for (const auto& r : rijen)
    EXPECT_EQ(TekstUitlijnen(r.uitlijning, r.tekst, r.vulling, r.breedte), r.uit)
        << r.uitlijning << " \"" << r.tekst << "\" \"" << r.vulling << "\" " << r.breedte;
}

TEST(SleutelWaarde, MatchesTheKeyCaseInsensitively) {
  std::string waarde = "vorige";
  EXPECT_TRUE(SleutelWaarde("FileVersion=320", "fileversion", waarde));
  EXPECT_EQ(waarde, "320");
  EXPECT_TRUE(SleutelWaarde("wildcardcharacter=#", "WildcardCharacter", waarde));
  EXPECT_EQ(waarde, "#");
  // Only the first "=" separates; the value keeps the rest, also an empty one.
  EXPECT_TRUE(SleutelWaarde("Expr=a=b", "Expr", waarde));
  EXPECT_EQ(waarde, "a=b");
  EXPECT_TRUE(SleutelWaarde("Leeg=", "leeg", waarde));
  EXPECT_EQ(waarde, "");
  // Spaces belong to key and value.
  EXPECT_TRUE(SleutelWaarde("Naam= x ", "Naam", waarde));
  EXPECT_EQ(waarde, " x ");
}

TEST(SleutelWaarde, LeavesTheValueUnchangedWithoutAMatch) {
  const std::vector<std::pair<const char*, const char*>> gevallen = {
      {"FileVersion=320", "File"},          // a prefix of the key is not the key
      {"FileVersion=320", "FileVersion2"},  // nor a longer key
      {"FileVersion 320", "FileVersion"},   // no "="
      {"FileVersion =320", "FileVersion"},  // the space belongs to the key
      {"=320", "FileVersion"},
      {"", "FileVersion"},
      {"a=FileVersion=3", "FileVersion"},      // the key is the part before the first "="
      {"Fil\xC9Version=3", "Fil\xE9Version"},  // only ASCII letters ignore case
  };
  for (const auto& [regel, sleutel] : gevallen) {
    std::string waarde = "vorige";
    EXPECT_FALSE(SleutelWaarde(regel, sleutel, waarde)) << regel;
    EXPECT_EQ(waarde, "vorige") << regel;
    int getal = 17;
    EXPECT_FALSE(SleutelGetal(regel, sleutel, getal)) << regel;
    EXPECT_EQ(getal, 17) << regel;
  }
}

TEST(SleutelGetal, ValueAsInteger) {
  const std::vector<std::pair<const char*, int>> gevallen = {
      {"MatchClearMemory=2000", 2000}, {"matchclearmemory=-5", -5},         {"MATCHCLEARMEMORY=+7", 7},
      {"MatchClearMemory=", 0},        {"MatchClearMemory=abc", 0},         {"MatchClearMemory=12x", 0},
      {"MatchClearMemory=1.5", 0},     {"MatchClearMemory=99999999999", 0},
  };
  for (const auto& [regel, verwacht] : gevallen) {
    int waarde = 17;
    EXPECT_TRUE(SleutelGetal(regel, "MatchClearMemory", waarde)) << regel;
    EXPECT_EQ(waarde, verwacht) << regel;
  }
}

TEST(IsGeheelGetal, Table) {
  const std::vector<std::pair<const char*, bool>> gevallen = {
      {"0", true},           {"0815", true},         {"-12", true},
      {"+12", true},         {"2147483647", true},   {"-2147483648", true},
      {"2147483648", false}, {"-2147483649", false}, {"99999999999999999999", false},
      {"", false},           {"-", false},           {"+", false},
      {" 12", false},        {"12 ", false},         {"1 2", false},
      {"12a", false},        {"0x1F", false},        {"1.0", false},
      {"--1", false},        {"+-1", false},
  };
  for (const auto& [tekst, geheel] : gevallen) EXPECT_EQ(IsGeheelGetal(tekst), geheel) << '"' << tekst << '"';
  EXPECT_EQ(NaarGetal("0815"), 815);
  EXPECT_EQ(NaarGetal("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(NaarGetal("2147483648", -1), -1);
  EXPECT_EQ(NaarGetal("x", 42), 42);
}

TEST(LetterCase, AsciiOnly) {
  EXPECT_EQ(InGroteLetters("ab-Zz\xE9\xFF"), "AB-ZZ\xE9\xFF");
  EXPECT_EQ(InKleineLetters("AB-Zz\xC9\xDF"), "ab-zz\xC9\xDF");
  EXPECT_TRUE(GelijkZonderHoofdletters("FileVersion", "FILEVERSION"));
  EXPECT_FALSE(GelijkZonderHoofdletters("\xE9", "\xC9"));
  EXPECT_FALSE(GelijkZonderHoofdletters("ab", "abc"));
  EXPECT_TRUE(BegintMetZonderHoofdletters("[**General variables**]", "[**general"));
  EXPECT_FALSE(BegintMetZonderHoofdletters("[**", "[**general"));
}

TEST(TextHelpers, TrimPartAndReverse) {
  EXPECT_EQ(Bijsnijden(" \t a b \r\n"), "a b");
  EXPECT_EQ(Bijsnijden("   "), "");
  EXPECT_EQ(Bijsnijden("\xA0x\xA0"), "\xA0x\xA0");  // a no-break space is a character
  EXPECT_EQ(Deel("001-ki 0800 a AB12CD", 8, 4), "0800");
  EXPECT_EQ(Deel("001-ki 0800 a AB12CD", 15, 6), "AB12CD");
  EXPECT_EQ(Deel("001-ki 0800 a AB1", 15, 6), "AB1");
  EXPECT_EQ(Deel("001-ki", 7, 1), "");
  EXPECT_EQ(Deel("001-ki", 0, 3), "");
  std::vector<std::string> regels = {"a", "b", "c"};
  LijstOmkeren(regels);
  EXPECT_EQ(regels, (std::vector<std::string>{"c", "b", "a"}));
}

}  // namespace
}  // namespace morvask
