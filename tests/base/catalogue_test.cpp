#include "base/catalogue.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace morvask {
namespace {

std::string Sleutel(const char* familie, int nummer) {
  char s[8];
  std::snprintf(s, sizeof s, "%s%05d", familie, nummer);
  return s;
}

// ZB00011..ZB00024, AA00002..AA00195 without AA00182, and the program's own AB00001..AB00012,
// in that order.
std::vector<std::string> VerwachteSleutels() {
  std::vector<std::string> sleutels;
  for (int i = 11; i <= 24; ++i) sleutels.push_back(Sleutel("ZB", i));
  for (int i = 2; i <= 195; ++i)
    if (i != 182) sleutels.push_back(Sleutel("AA", i));
  for (int i = 1; i <= 12; ++i) sleutels.push_back(Sleutel("AB", i));
  return sleutels;
}

TEST(Catalogus, HoldsEveryKeyAndNoOther) {
  const Catalogus cat;
  const auto verwacht = VerwachteSleutels();
  ASSERT_EQ(verwacht.size(), 219u);
  for (const auto& s : verwacht) {
    EXPECT_TRUE(cat.Bestaat(s)) << s;
    EXPECT_FALSE(cat[s].empty()) << s;
  }
  EXPECT_EQ(cat.Sleutels(), verwacht);
  std::set<std::string> uniek;
  for (const auto& s : CatalogusStandaarden()) EXPECT_TRUE(uniek.insert(s.sleutel).second) << s.sleutel;
  for (const char* geen :
       {"AA00001", "AA00182", "AA00196", "AB00000", "AB00013", "ZB00010", "ZB00025", "ZC00001", "aa00002", ""}) {
    EXPECT_FALSE(cat.Bestaat(geen)) << geen;
    EXPECT_EQ(cat[geen], "") << geen;
  }
}

TEST(Catalogus, DefaultsAreWindows1252WithSingleCarriageReturns) {
  const Catalogus cat;
  for (const auto& s : cat.Sleutels()) {
    const std::string& t = cat[s];
    EXPECT_EQ(t.find('\n'), std::string::npos) << s;
    // A text typed in UTF-8 by mistake would show as "Ã" (0xC3) and a continuation byte.
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
      const unsigned char a = t[i], b = t[i + 1];
      EXPECT_FALSE((a == 0xC3 || a == 0xC2 || a == 0xE2) && b >= 0x80 && b <= 0xBF) << s << " at " << i;
    }
  }
}

TEST(Catalogus, ExactTexts) {
  const Catalogus cat;
  const std::vector<std::pair<const char*, std::string>> teksten = {
      {"ZB00011", "&Opslaan"},
      {"ZB00013", "&Annuleren"},
      {"ZB00014", "Af&breken"},
      {"ZB00015", "&Niet afbreken"},
      {"ZB00016", "&Overschrijven"},
      {"ZB00017", "&Niet overschrijven"},
      {"ZB00020", "&OK"},
      {"ZB00022", "&Nee"},
      {"AA00002", "Rapport %s: %s"},
      {"AA00032", "Bestand \"%s\" bestaat al."},
      {"AA00034", "Berekening afbreken?"},
      {"AA00163",
       "Het registratiesbestand bevat \xE9\xE9n of meerdere malen het karakter \"\xCD\" of \"\xDF\". Dit is niet "
       "toegestaan."},
      {"AA00195", "Bestand overschrijven?"},
  };
  for (const auto& [sleutel, tekst] : teksten) EXPECT_EQ(cat[sleutel], tekst) << sleutel;

  // The two route separators and the e-acute are single bytes.
  const std::string& gereserveerd = cat["AA00163"];
  EXPECT_NE(gereserveerd.find("\xE9\xE9n"), std::string::npos);
  EXPECT_NE(gereserveerd.find("\"\xCD\""), std::string::npos);
  EXPECT_NE(gereserveerd.find("\"\xDF\""), std::string::npos);
  // A message line break is one CR byte, two of them for an empty line.
  const std::string& post = cat["AA00099"];
  EXPECT_NE(post.find("verwijderd.\r\rWaarnemingspost verwijderen?"), std::string::npos);
  EXPECT_EQ(post.find('\n'), std::string::npos);
}

TEST(Catalogus, ReplacingAndResetting) {
  Catalogus cat;
  EXPECT_TRUE(cat.Zet("AA00034", "Abort calculation?"));
  EXPECT_EQ(cat["AA00034"], "Abort calculation?");
  EXPECT_TRUE(cat.Zet("ZB00020", ""));  // a language may empty an entry
  EXPECT_EQ(cat["ZB00020"], "");
  EXPECT_FALSE(cat.Zet("AA00182", "x"));
  EXPECT_FALSE(cat.Bestaat("AA00182"));
  EXPECT_EQ(cat.Vul("AA00002", {"3", "Routes"}), "Rapport 3: Routes");
  cat.Zet("AA00002", "Report %s: %s");
  EXPECT_EQ(cat.Vul("AA00002", {"3", "Routes"}), "Report 3: Routes");
  cat.InstellenDynamischeTekstenBasis();
  EXPECT_EQ(cat["AA00034"], "Berekening afbreken?");
  EXPECT_EQ(cat["ZB00020"], "&OK");
  EXPECT_EQ(cat.Sleutels().size(), 219u);
}

TEST(TekstVullen, Table) {
  struct Rij {
    const char* patroon;
    std::vector<std::string> waarden;
    const char* uit;
  };
  const std::vector<Rij> rijen = {
      {"Rapport %s: %s", {"1", "Routes"}, "Rapport 1: Routes"},
      {"%s%s", {"a", "b"}, "ab"},
      {"%s (%s%%)", {"12", "40"}, "12 (40%)"},
      {"100%%", {}, "100%"},
      {"%%s", {"x"}, "%s"},  // "%%" first, then an ordinary "s"
      {"%%%s", {"x"}, "%x"},
      {"%s en %s", {"a"}, "a en "},  // a missing argument gives nothing
      {"%s", {}, ""},
      {"geen", {"over"}, "geen"},     // arguments left over are ignored
      {"50%", {}, "50%"},             // a lone "%" at the end stays
      {"%d %x %", {"a"}, "%d %x %"},  // other sequences stay as they are
      {"%s", {"%s %%"}, "%s %%"},     // an argument is not filled again
      {"", {"a"}, ""},
      {"\"%s\"\r\r%s", {"caf\xE9", "b"}, "\"caf\xE9\"\r\rb"},
  };
  for (const auto& r : rijen) {
    std::string uit;
    switch (r.waarden.size()) {
      case 0:
        uit = TekstVullen(r.patroon, {});
        break;
      case 1:
        uit = TekstVullen(r.patroon, {r.waarden[0]});
        break;
      default:
        uit = TekstVullen(r.patroon, {r.waarden[0], r.waarden[1]});
        break;
    }
    EXPECT_EQ(uit, r.uit) << '"' << r.patroon << '"';
  }
}

}  // namespace
}  // namespace morvask
