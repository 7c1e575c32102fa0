// The English language file shipped with the program covers the whole catalogue.

#include <gtest/gtest.h>

#include <algorithm>

#include "base/catalogue.h"
#include "language/language_file.h"
#include "language/translation.h"

namespace morvask {
namespace {

// The placeholders of a text in order: "%s" and "%%".
std::vector<std::string> Plaatshouders(const std::string& tekst) {
  std::vector<std::string> uit;
  for (std::size_t i = 0; i + 1 < tekst.size(); ++i)
    if (tekst[i] == '%' && (tekst[i + 1] == 's' || tekst[i + 1] == '%')) {
      uit.push_back(tekst.substr(i, 2));
      ++i;
    }
  return uit;
}

TEST(EngelsTaalbestand, TranslatesEveryEntryKeepingPlaceholdersAndWidths) {
  const auto bestand = TaalbestandLezen(std::string(MORVASK_SOURCE_DIR) + "/data/Lng/English.lng");
  ASSERT_TRUE(bestand);
  const Catalogus nederlands;
  Catalogus engels;
  DynamischeTekstenLezenUitIni(engels, *bestand);

  const std::vector<std::string> zevenTekens = {"AA00016", "AA00017", "AA00018", "AA00019", "AA00020", "AA00021",
                                                "AA00022", "AA00023", "AA00024", "AA00025", "AA00026", "AA00027",
                                                "AA00061", "AA00062", "AA00063", "AA00064", "AA00065", "AA00066",
                                                "AA00148", "AA00149", "AA00166"};
  int gelijk = 0;
  for (const std::string& k : nederlands.Sleutels()) {
    const auto waarde = bestand->Waarde("Dynamic", k);
    ASSERT_TRUE(waarde) << k;
    ASSERT_GE(waarde->size(), 2u) << k;
    EXPECT_EQ(waarde->front(), '"') << k;
    EXPECT_EQ(waarde->back(), '"') << k;
    const std::string& e = engels[k];
    EXPECT_FALSE(e.empty()) << k;
    EXPECT_EQ(Plaatshouders(e), Plaatshouders(nederlands[k])) << k;
    // Line breaks arrive as CR LF; a text with breaks keeps them.
    for (std::size_t i = 0; i < e.size(); ++i)
      if (e[i] == '\r') {
        EXPECT_TRUE(i + 1 < e.size() && e[i + 1] == '\n') << k;
      }
    EXPECT_EQ(nederlands[k].find('\r') != std::string::npos, e.find('\r') != std::string::npos) << k;
    EXPECT_EQ(e.find('\\'), std::string::npos) << k;
    if (e == nederlands[k]) ++gelijk;
  }
  for (const auto& k : zevenTekens) EXPECT_EQ(engels[k].size(), 7u) << k;
  // Only texts that read the same in both languages ("&OK", "Printer:", "min", ...).
  EXPECT_LT(gelijk, 12);
  // The characters that must not occur in plates are named as the Dutch text names them.
  EXPECT_NE(engels["AA00163"].find("\"\xCD\" or \"\xDF\""), std::string::npos);

  // Nothing in the section Dynamic outside the catalogue; every other section is a window's.
  const auto& vensters = TeVertalenSchermen();
  for (const auto& sectie : bestand->Secties()) {
    if (sectie.naam != "Dynamic") {
      EXPECT_NE(std::find(vensters.begin(), vensters.end(), sectie.naam), vensters.end()) << sectie.naam;
      continue;
    }
    for (const auto& [k, w] : sectie.regels) EXPECT_TRUE(nederlands.Bestaat(k)) << k;
  }
}

}  // namespace
}  // namespace morvask
