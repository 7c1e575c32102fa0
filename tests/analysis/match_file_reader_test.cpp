#include <gtest/gtest.h>

#include <random>

#include "analysis/comparison_lists.h"
#include "analysis/match_file_reader.h"
#include "base/catalogue.h"
#include "comparison_report_fixture.h"
#include "match_file_fixture.h"
#include "support/temp_folder.h"

using namespace morvask;
using namespace morvask::test;

namespace {

using Regels = std::vector<std::string>;

Regels Als(const std::vector<std::string_view>& v) { return {v.begin(), v.end()}; }

MatchInhoud Voorbeeld() {
  MatchInhoud m;
  m.omschrijving = "Ochtendspits";
  m.registraties = 3000;
  m.posten = 16;
  m.som = "1234";
  m.routes = {Route({"001-ki", "002-ku"}, {Waarneming("0815", 'a', "12ABC3"), Waarneming("0825", 'a', "12ABC3")})};
  m.controle = {"Iteration 1: TheSameLicenseNumbers", "", Paar("001-ki", "0815", 'a', "002-ku", "0825", 'a', 10)};
  m.nietRoutes = {"001-ki 0700 b XY12", "002-ku 0859 a *"};
  return m;
}

}  // namespace

TEST(MatchbestandLezen, ReadsTheDescriptionCountsSettingsAndSections) {
  const RMatchbestand b = MatchbestandUitTekst(Voorbeeld().Tekst());
  EXPECT_EQ(b.Omschrijving, "Ochtendspits");
  EXPECT_EQ(b.ProjectNumberOfRegistrations, 3000);
  EXPECT_EQ(b.ProjectNumberOfPosts, 16);
  EXPECT_EQ(b.ProjectTravelTimesSum, "1234");
  const RMatchbestandInstellingen& s = b.Instellingen;
  EXPECT_EQ(s.MiTimeFrom, 700);
  EXPECT_EQ(s.MiTimeUntil, 900);
  EXPECT_TRUE(s.MiCorrectionPreAftPeriod);
  EXPECT_EQ(s.MiNumberChar, 6);
  EXPECT_TRUE(s.MiNoCaseDifference && s.MiIterative && s.MiWithWildcards && s.MiWithMissedLicenses);
  EXPECT_EQ(s.MiNumberChangedChar, 2);
  EXPECT_EQ(s.MiNumberDifferentChar, 1);
  EXPECT_FALSE(s.MiNoInsidePosts);
  EXPECT_TRUE(s.MiCheckBlockFirstPost);
  EXPECT_FALSE(s.MiInterruptByUser);
  // Sections keep their lines as they stand, empty lines included; the routes section runs up
  // to the match-check header, the non-routes section up to the end header.
  EXPECT_EQ(Als(b.Routes), (Regels{Voorbeeld().routes[0], ""}));
  EXPECT_EQ(Als(b.Vergelijkingscontrole), (Regels{"Iteration 1: TheSameLicenseNumbers", "",
                                                  Paar("001-ki", "0815", 'a', "002-ku", "0825", 'a', 10), ""}));
  EXPECT_EQ(Als(b.NietRoutes), (Regels{"001-ki 0700 b XY12", "002-ku 0859 a *", "", ""}));
}

TEST(MatchbestandLezen, DamagedFilesGiveDefaultsAndEmptySections) {
  struct Geval {
    const char* naam;
    std::string tekst;
    int registraties, vanaf;
    bool onderbroken;
    std::size_t routes, controle, nietRoutes;
  };
  const std::string goed = Voorbeeld().Tekst();
  std::string lf = goed;
  for (std::size_t i; (i = lf.find("\r\n")) != std::string::npos;) lf.erase(i, 1);
  const std::vector<Geval> gevallen = {
      {"empty file", "", 0, 0, false, 0, 0, 0},
      {"title only", "[Morvask matchfile]\r\n", 0, 0, false, 0, 0, 0},
      {"LF line ends", lf, 3000, 700, false, 2, 4, 4},
      {"keys in any case, non-numbers read as 0",
       "[**General information**]\r\nprojectnumberofregistrations=12x\r\nMITIMEFROM=0815\r\nMiInterruptByUser=yes\r\n",
       0, 815, false, 0, 0, 0},
      {"yes only for \"1\"", "[**General information**]\r\nMiInterruptByUser=1\r\n", 0, 0, true, 0, 0, 0},
      {"key after the general section is not read", "[**General information**]\r\n[**Routes**]\r\nMiTimeFrom=0815\r\n",
       0, 0, false, 1, 0, 0},
      {"truncated inside the routes", goed.substr(0, goed.find("[**Match check**]") - 5), 3000, 700, false, 1, 0, 0},
      {"no match-check section: routes run on to the end",
       "[**Routes**]\r\na\r\n[**Non-routes**]\r\nb\r\n[**End**]\r\n", 0, 0, false, 4, 0, 1},
      {"no end header: non-routes run to the end", "[**Non-routes**]\r\n001-ki 0800 a AB\r\n", 0, 0, false, 0, 0, 1},
      {"match check ends at any section header", "[**Match check**]\r\nx\r\n[**Whatever**]\r\ny\r\n", 0, 0, false, 0, 1,
       0},
      {"headers must stand alone on their line", "x [**Routes**]\r\nx\r\n", 0, 0, false, 0, 0, 0},
      {"headers in any case, with trailing blanks and control characters",
       "[**routes**] \t\r\nx\r\n[**MATCH CHECK**]\x01\r\ny\r\n[**Non-Routes**]\xA0\r\nz\r\n[**end**] \r\n", 0, 0, false,
       1, 1, 1},
  };
  for (const Geval& g : gevallen) {
    const RMatchbestand b = MatchbestandUitTekst(g.tekst);
    EXPECT_EQ(b.ProjectNumberOfRegistrations, g.registraties) << g.naam;
    EXPECT_EQ(b.Instellingen.MiTimeFrom, g.vanaf) << g.naam;
    EXPECT_EQ(b.Instellingen.MiInterruptByUser, g.onderbroken) << g.naam;
    EXPECT_EQ(b.Routes.size(), g.routes) << g.naam;
    EXPECT_EQ(b.Vergelijkingscontrole.size(), g.controle) << g.naam;
    EXPECT_EQ(b.NietRoutes.size(), g.nietRoutes) << g.naam;
    // Only a file that reaches "[**End**]" is complete.
    EXPECT_EQ(b.Volledig,
              g.tekst.find("[**End**]") != std::string::npos || g.tekst.find("[**end**]") != std::string::npos)
        << g.naam;
  }
}

TEST(MatchbestandLezen, DescriptionIsTheLastOneBeforeTheRoutes) {
  EXPECT_EQ(MatchbestandUitTekst("filedescription=a\r\n[**General information**]\r\nFileDescription=b=c\r\n"
                                 "[**Routes**]\r\nFileDescription=d\r\n")
                .Omschrijving,
            "b=c");
}

TEST(MatchbestandLezen, CopiesKeepTheTextTheirLinesPointInto) {
  RMatchbestand kopie;
  {
    const RMatchbestand b = MatchbestandUitTekst(Voorbeeld().Tekst());
    kopie = b;
  }
  EXPECT_EQ(Als(kopie.NietRoutes)[0], "001-ki 0700 b XY12");
}

TEST(MatchbestandLezen, ReadsAFileAndRefusesAMissingOne) {
  TijdelijkeMap map;
  map.Schrijf("a.mma", Voorbeeld().Tekst());
  const auto b = MatchbestandLezen(map / "a.mma");
  ASSERT_TRUE(b.has_value());
  EXPECT_EQ(b->ProjectNumberOfPosts, 16);
  EXPECT_FALSE(MatchbestandLezen(map / "b.mma").has_value());
  EXPECT_FALSE(MatchbestandLezen(map.Pad()).has_value());
}

// Thousands of damaged files: the reader, the list fillers and every report must stay inside
// their lines (the sanitizer build checks each read).
TEST(MatchbestandLezen, SurvivesThousandsOfMutations) {
  MatchInhoud m = Voorbeeld();
  m.routes.push_back(
      Route({"001-ki", "003-t1", "002-ku"},
            {Waarneming("0815", 'a', "AB"), Waarneming("0820", 'l', "AB"), Waarneming("0830", 'a', "AB")}));
  m.controle.push_back("");
  m.controle.push_back("Iteration 12: DifferentCharacters");
  m.controle.push_back(Paar("001-ki", "0815", 'a', "003-t1", "0820", 'l', 5, "1v, 1t"));
  const std::string basis = m.Tekst();
  const std::string bijzonder = "\xDF\xCD\r\n=[*]0 ";
  std::mt19937 rng(20240501);
  Catalogus cat;
  RapportOmgeving o;
  RVoertuigtypeKeuze keuze;
  std::size_t totaal = 0;
  for (int n = 0; n < 3000; ++n) {
    std::string t = basis;
    const int stappen = 1 + static_cast<int>(rng() % 6);
    for (int s = 0; s < stappen && !t.empty(); ++s) {
      const std::size_t pos = rng() % t.size();
      switch (rng() % 6) {
        case 0:
          t.resize(pos);
          break;  // truncate
        case 1:
          t.erase(pos, 1 + rng() % 40);
          break;  // cut a piece
        case 2:
          t[pos] = bijzonder[rng() % bijzonder.size()];
          break;  // a special byte
        case 3:
          t[pos] = static_cast<char>(rng() % 256);
          break;  // any byte
        case 4:
          t.insert(pos, 1 + rng() % 20, bijzonder[rng() % bijzonder.size()]);
          break;
        case 5: {  // a header as an editor damages it, at a line start
          static const std::string koppen[] = {"[**Routes**] ",
                                               "[**match check**]",
                                               "[**NON-ROUTES**]\t",
                                               "[**End**]\x01",
                                               std::string("[**Rou\0tes**]", 14),
                                               "[**End"};
          const std::size_t begin = t.rfind('\n', pos);
          t.insert(begin == std::string::npos ? 0 : begin + 1, koppen[rng() % 6] + "\r\n");
          break;
        }
      }
    }
    keuze.Meerderheid = (n % 2) == 1;
    keuze.Aan[n % 8] = !keuze.Aan[n % 8];
    const RMatchbestand b = MatchbestandUitTekst(t);
    const RVergelijkingslijsten l = VergelijkingslijstenVullen(b, keuze, cat);
    for (const std::string& r : l.Routes) {
      totaal += AantalRoutePosten(r) + RouteEerstePost(r).size() + RouteLaatstePost(r).size() +
                RouteEersteTijd(r).size() + RouteLaatsteTijd(r).size();
    }
    totaal += l.Vergelijkingscontrole.size() + l.NietRoutes.size();
    RVergelijkingsrapportOpties opties;
    opties.Type = static_cast<Vergelijkingsrapporttype>(n % 5);
    opties.Voertuigtypen = keuze;
    opties.Routematrix = (n / 5) % 2 == 1;
    opties.Routes = {static_cast<RouteWeergave>((n / 2) % 4), n % 3 == 0, n % 7 == 0, true};
    opties.DoorrijtijdenDetaillijst = opties.NietRoutesDetaillijst = true;
    totaal += VergelijkingsrapportUitBestand(o.buffer, o.ctx, b, opties).Regels.size();
  }
  EXPECT_GT(totaal, 0u);
}
