#include <gtest/gtest.h>

#include "base/catalogue.h"
#include "core/project.h"
#include "reports/vehicle_type_line.h"

using namespace morvask;

namespace {

RProjectgegevens Namen() {
  RProjectgegevens g;
  g.VehTypea = "Personenauto";
  g.VehTypel = "Lichte vrachtauto";
  g.VehTypem = "Middelzware vrachtauto";
  g.VehTypez = "Zware vrachtauto";
  g.VehTypeb = "Bestelbus";
  g.VehTypeo = "Motor";
  g.VehTypeu = "Landbouwvoertuig";
  g.VehTyper = "Overig voertuig";
  return g;
}

Voertuigtypekeuze Keuze(std::string_view letters) {
  Voertuigtypekeuze k{};
  EXPECT_TRUE(VoertuigtypekeuzeUitLetters(letters, k));
  return k;
}

}  // namespace

TEST(Voertuigtyperegel, ListsTheChosenTypesAndWrapsOnceAfterCharacterEighty) {
  const Catalogus cat;
  RProjectgegevens g = Namen();
  struct Geval {
    std::string letters;
    std::vector<std::string> verwacht;
  };
  const std::vector<Geval> gevallen = {
      {"almzbour", {"- Voertuigtype(n): alle voertuigen."}},
      {"", {"- Voertuigtype(n): "}},
      {"o", {"- Voertuigtype(n): Motor (o)."}},
      {"ab", {"- Voertuigtype(n): Personenauto (a), Bestelbus (b)."}},
      // Seven types: the first ", " from character 81 on follows type m.
      {"almzbou",
       {"- Voertuigtype(n): Personenauto (a), Lichte vrachtauto (l), Middelzware vrachtauto (m), ",
        "  Zware vrachtauto (z), Bestelbus (b), Motor (o), Landbouwvoertuig (u)."}},
  };
  for (const Geval& c : gevallen) EXPECT_EQ(VoertuigtypeRegels(g, cat, Keuze(c.letters)), c.verwacht) << c.letters;
}

TEST(Voertuigtyperegel, WrapsOnlyWhenTextFollowsAndNotOnACommaStartingBeforeCharacterEightyOne) {
  const Catalogus cat;
  RProjectgegevens g = Namen();
  // 19 + 57 + " (a), " = 82 characters: the only ", " is the last one, so no wrap.
  g.VehTypea = std::string(57, 'x');
  EXPECT_EQ(VoertuigtypeRegels(g, cat, Keuze("a")),
            (std::vector<std::string>{"- Voertuigtype(n): " + std::string(57, 'x') + " (a)."}));
  // The ", " after type a starts at character 80, the one after type b at 89: the wrap
  // comes after the second.
  g.VehTypea = std::string(56, 'y');
  g.VehTypeb = "Bus";
  g.VehTypeo = "Motor";
  EXPECT_EQ(
      VoertuigtypeRegels(g, cat, Keuze("abo")),
      (std::vector<std::string>{"- Voertuigtype(n): " + std::string(56, 'y') + " (a), Bus (b), ", "  Motor (o)."}));
}

TEST(Voertuigtyperegel, LettersOutsideTheEightAreRefused) {
  Voertuigtypekeuze k = AlleVoertuigtypen;
  EXPECT_FALSE(VoertuigtypekeuzeUitLetters("ax", k));
  EXPECT_FALSE(VoertuigtypekeuzeUitLetters("A", k));
  EXPECT_EQ(k, AlleVoertuigtypen);
  EXPECT_TRUE(VoertuigtypekeuzeUitLetters("ra", k));
  EXPECT_EQ(k, (Voertuigtypekeuze{true, false, false, false, false, false, false, true}));
}
