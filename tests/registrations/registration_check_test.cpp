#include <gtest/gtest.h>

#include "registrations/registration_check.h"
#include "support/report_fixture.h"

using namespace morvask;
using namespace morvask::test;

namespace {

const std::string kLijn = RapportProject::Lijn(83);

// The finding lines of a report: between the second rule of 83 characters and the third.
std::vector<std::string> Bevindingen(const Rapport& r) {
  std::vector<std::string> uit;
  int lijnen = 0;
  for (const std::string& regel : r.Regels) {
    if (regel == kLijn) {
      if (++lijnen == 3) break;
      continue;
    }
    if (lijnen == 2) uit.push_back(regel);
  }
  return uit;
}

}  // namespace

TEST(Registratiecontrole, AnEmptyListGivesTheHeadingsAndNoFindings) {
  RapportProject o;
  o.instellingen.RapportAfkortingOmschrijvingWeergeven = false;
  const Rapport r = RegistratiesbestandControleren(o.ctx, {});
  EXPECT_EQ(r.Titel, "Registratiesbestand controleren");
  EXPECT_EQ(r.Regels,
            Samen({RapportProject::Kop(),
                   {"Registratiesbestand gecontroleerd op:", "- Ongeldige waarnemingsposten", "- Ongeldige tijden",
                    "- Ongeldige voertuigtypen", "- Onbekende karakters in kenteken",
                    "- Registraties weergeven waarvan het kenteken uit meer dan 6 karakters bestaat.", "", kLijn,
                    "Regelnr Registratie               Opmerking", kLijn, kLijn, "Aantal opmerkingen: 0", kLijn, ""}}));
  EXPECT_EQ(o.ui.voortgangTekst, "Registratiesbestand controleren...");
  EXPECT_FALSE(o.ui.voortgangZichtbaar);
}

TEST(Registratiecontrole, EachFailedCheckGivesOneFindingLine) {
  struct Geval {
    std::string post, tijd, type, kenteken;
    std::vector<std::string> teksten;
  };
  const std::string type = "Ongeldig voertuigtype", tijd = "Ongeldige tijd", nummer = "Ongeldig nummer waarnemingspost",
                    soort = "Ongeldig type waarnemingspost", onbekend = "Waarnemingspost niet bekend in project",
                    karakter = "Onbekend karakter in kenteken";
  const std::vector<Geval> gevallen = {
      {"001-ki", "0815", "a", "AB12CD", {}},
      {"001-ki", "0815", "A", "ab12cd", {}},  // letter case of type and plate does not matter
      {"001-ki", "0815", "x", "AB12CD", {type}},
      {"001-ki", "0815", "", "AB12CD", {type}},
      {"001-ki", "2400", "a", "AB12CD", {tijd}},
      {"001-ki", "0860", "a", "AB12CD", {tijd}},
      {"001-ki", "2359", "a", "AB12CD", {}},
      {"001-ki", "0000", "a", "AB12CD", {}},
      {"001-ki", "081", "a", "AB12CD", {}},  // three characters are enough
      {"001-ki", "08", "a", "AB12CD", {tijd}},
      {"001-ki", "8:15", "a", "AB12CD", {tijd}},
      {"001-ki", "-100", "a", "AB12CD", {tijd}},
      {"001-KI", "0815", "a", "AB12CD", {soort, onbekend}},
      {"0x1-ki", "0815", "a", "AB12CD", {nummer, onbekend}},
      {"002-ki", "0815", "a", "AB12CD", {onbekend}},
      {"001-ki", "0815", "a", "1-AB-3", {karakter, karakter}},
      {"001-ki", "0815", "a", "", {karakter}},
      {"001-ki", "0815", "a", "*", {}},
      {"001-ki", "0815", "a", "AB#2", {}},
      {"001-ki",
       "0815",
       "a",
       "AB\xE9"
       "2",
       {karakter}},
      {"9", "99", "q", " ", {type, tijd, soort, onbekend, karakter}},
  };
  for (const Geval& g : gevallen) {
    RapportProject o;
    o.project.PostToevoegen("001-ki", "");
    o.project.RegistratieToevoegen(g.post, g.tijd, g.type, g.kenteken);
    const Rapport r = RegistratiesbestandControleren(o.ctx, {});
    const RRegistratie& reg = o.project.Registratielijst[0];
    std::string plaat = reg.Kenteken.str();
    plaat.resize(6, ' ');
    const std::string begin =
        "1       " + reg.Post.str() + " " + reg.Tijd.str() + " " + reg.Voertuigtype.str() + " " + plaat + "  ->  ";
    std::vector<std::string> verwacht;
    for (const std::string& t : g.teksten) verwacht.push_back(begin + t);
    EXPECT_EQ(Bevindingen(r), verwacht) << g.post << " " << g.tijd << " " << g.type << " " << g.kenteken;
    EXPECT_EQ(r.Regels[r.Regels.size() - 7], "Aantal opmerkingen: " + std::to_string(g.teksten.size()));
  }
}

TEST(Registratiecontrole, FindingLinesCarryTheLineNumberAndThePlateLengthOption) {
  RapportProject o;
  o.project.PostToevoegen("001-ki", "");
  o.project.RegistratieToevoegen("001-ki", "0815", "a", "AB12CD");
  o.project.RegistratieToevoegen("001-ki", "0816", "a", "AB12C");
  o.project.RegistratieToevoegen("001-ki", "0817", "a", "*");
  o.project.RegistratieToevoegen("001-ki", "0818", "a", "");
  for (int i = 0; i < 7; ++i) o.project.RegistratieToevoegen("001-ki", "0820", "a", "XY12ZZ");
  o.project.RegistratieToevoegen("001-ki", "0815", "x", "12ABC3");
  struct Geval {
    RControleInstellingen optie;
    std::string regel;
    std::vector<std::string> bevindingen;
  };
  const std::vector<Geval> gevallen = {
      {{true, 6},
       "- Registraties weergeven waarvan het kenteken uit meer dan 6 karakters bestaat.",
       {"4       001-ki 0818 a         ->  Onbekend karakter in kenteken",
        "12      001-ki 0815 x 12ABC3  ->  Ongeldig voertuigtype"}},
      {{false, 6},
       "- Registraties weergeven waarvan het kenteken uit minder dan 6 karakters bestaan.",
       {"2       001-ki 0816 a AB12C   ->  Kenteken bestaat uit minder dan 6 karakters",
        "4       001-ki 0818 a         ->  Onbekend karakter in kenteken",
        "4       001-ki 0818 a         ->  Kenteken bestaat uit minder dan 6 karakters",
        "12      001-ki 0815 x 12ABC3  ->  Ongeldig voertuigtype"}},
      {{true, 5},
       "- Registraties weergeven waarvan het kenteken uit meer dan 5 karakters bestaat.",
       {"1       001-ki 0815 a AB12CD  ->  Kenteken bestaat uit meer dan 5 karakters",
        "4       001-ki 0818 a         ->  Onbekend karakter in kenteken",
        "5       001-ki 0820 a XY12ZZ  ->  Kenteken bestaat uit meer dan 5 karakters",
        "6       001-ki 0820 a XY12ZZ  ->  Kenteken bestaat uit meer dan 5 karakters",
        "7       001-ki 0820 a XY12ZZ  ->  Kenteken bestaat uit meer dan 5 karakters",
        "8       001-ki 0820 a XY12ZZ  ->  Kenteken bestaat uit meer dan 5 karakters",
        "9       001-ki 0820 a XY12ZZ  ->  Kenteken bestaat uit meer dan 5 karakters",
        "10      001-ki 0820 a XY12ZZ  ->  Kenteken bestaat uit meer dan 5 karakters",
        "11      001-ki 0820 a XY12ZZ  ->  Kenteken bestaat uit meer dan 5 karakters",
        "12      001-ki 0815 x 12ABC3  ->  Ongeldig voertuigtype",
        "12      001-ki 0815 x 12ABC3  ->  Kenteken bestaat uit meer dan 5 karakters"}},
  };
  for (const Geval& g : gevallen) {
    o.ui.posities.clear();
    const Rapport r = RegistratiesbestandControleren(o.ctx, g.optie);
    EXPECT_EQ(r.Regels[9], g.regel);
    EXPECT_EQ(Bevindingen(r), g.bevindingen);
    EXPECT_EQ(r.Regels[r.Regels.size() - 7], "Aantal opmerkingen: " + std::to_string(g.bevindingen.size()));
    // The progress window shows the share done after each registration; messages run each time.
    EXPECT_EQ(o.ui.posities.front(), 0);
    EXPECT_EQ(o.ui.posities[1], 8);
    EXPECT_EQ(o.ui.posities.back(), 100);
  }
  EXPECT_EQ(o.ui.pompen, 3 * 12);
  EXPECT_TRUE(o.ui.berichten.empty());
}
