#include "analysis/match_file_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/match_settings.h"
#include "core/files.h"
#include "support/temp_folder.h"

namespace morvask {
namespace {

using Regels = std::vector<std::string>;

RRegistratie R(const char* regel) { return RRegistratie::UitRegel(regel); }

TEST(Matchbestand, RouteLines) {
  EXPECT_EQ(RouteRegel({R("001-ki 0815 a 12ABC3"), R("002-t1 0820 a 12ABC3"), R("003-ku 0831 a 12ABC3")}),
            "001-ki 002-t1 003-ku \xDF"
            "0815 a 12ABC3\xDF"
            "0820 a 12ABC3\xDF"
            "0831 a 12ABC3\xDF\xCD");
  // A short plate is padded to six; a short post or time keeps the columns a reader cuts at.
  EXPECT_EQ(RouteRegel({R("001-ki 0815 a AB"), RRegistratie("01-t1", "815", "", "AB")}),
            "001-ki 01-t1  \xDF"
            "0815 a AB    \xDF"
            "815    AB    \xDF\xCD");
  EXPECT_EQ(Waarneming(R("001-ki 0815 a AB")).size(), 13u);
}

TEST(Matchbestand, MatchCheckLines) {
  const RRegistratie eind = R("001-ki 0815 a 12ABC3");
  EXPECT_EQ(MatchcontroleRegel(eind, R("002-ku 0825 a 12ABC3"), 10, " min   ", ""),
            "001-ki 0815 a 12ABC3  ->  002-ku 0825 a 12ABC3   :    10 min   -");
  EXPECT_EQ(MatchcontroleRegel(eind, R("002-ku 0825 a 12ABD3"), 10, " min   ", "1v"),
            "001-ki 0815 a 12ABC3  ->  002-ku 0825 a 12ABD3   :    10 min   1v");
  // The unit text follows the language; the minutes are right-aligned in four characters.
  EXPECT_EQ(MatchcontroleRegel(R("001-ki 0815 a AB1"), R("002-ku 2354 l AB1"), 939, " minutes ", "2w, 1v, 1p, 1t"),
            "001-ki 0815 a AB1     ->  002-ku 2354 l AB1      :   939 minutes 2w, 1v, 1p, 1t");
  EXPECT_EQ(MatchcontroleRegel(eind, eind, 0, " min   ", ""),
            "001-ki 0815 a 12ABC3  ->  001-ki 0815 a 12ABC3   :     0 min   -");
}

TEST(Matchbestand, HeadersAndNonRoutes) {
  EXPECT_EQ(IteratieKop(1, Iteratiesoort::Exact), "Iteration 1: TheSameLicenseNumbers");
  EXPECT_EQ(IteratieKop(2, Iteratiesoort::Wildcards), "Iteration 2: WithWildcards)");
  EXPECT_EQ(IteratieKop(2, Iteratiesoort::Verwisseld), "Iteration 2: ChangedCharacters");
  EXPECT_EQ(IteratieKop(4, Iteratiesoort::Verschillend), "Iteration 4: DifferentCharacters");
  EXPECT_EQ(NietRouteRegel(R("001-ki 0815 a 12ABC3")), "001-ki 0815 a 12ABC3");
  EXPECT_EQ(NietRouteRegel(R("001-ki 0815 a AB")), "001-ki 0815 a AB");
}

TEST(Matchbestand, WholeFile) {
  RMatchInstellingen in;
  in.Omschrijving = "Ochtendspits";
  in.Vanaf = "0700";
  in.Tot = "0900";
  in.PeriodeCorrectie = false;
  in.TussenpostenNegeren = true;
  in.BlokkadesControleren = false;
  in.MetWildcards = false;
  in.AantalVerwisseld = 4;
  in.AantalVerschillend = 2;
  in.GeenHoofdletterverschil = false;
  in.GemisteKentekensToevoegen = false;
  in.AantalKarakters = 4;
  in.Iteratief = false;
  RMatchResultaat resultaat;
  resultaat.Routes = {"R1", "R2"};
  resultaat.Matchcontrole = {"", "C1"};
  resultaat.NietRoutes = {"N1"};
  resultaat.Onderbroken = true;
  const Regels regels = MatchbestandRegels(in, {12, 4, "75"}, resultaat);
  EXPECT_EQ(regels, (Regels{"[Morvask matchfile]",
                            "",
                            "[**General information**]",
                            "FileVersion=330",
                            "FileDescription=Ochtendspits",
                            "ProjectNumberOfRegistrations=12",
                            "ProjectNumberOfPosts=4",
                            "ProjectTravelTimesSum=75",
                            "MiTimeFrom=0700",
                            "MiTimeUntil=0900",
                            "MiCorrectionPreAftPeriod=0",
                            "MiNumberChar=4",
                            "MiNoCaseDifference=0",
                            "MiIterative=0",
                            "MiWithWildcards=0",
                            "MiNumberChangedChar=4",
                            "MiNumberDifferentChar=2",
                            "MiWithMissedLicenses=0",
                            "MiNoInsidePosts=1",
                            "MiCheckBlockFirstPost=0",
                            "MiInterruptByUser=1",
                            "",
                            "[**Routes**]",
                            "R1",
                            "R2",
                            "",
                            "[**Match check**]",
                            "",
                            "C1",
                            "",
                            "[**Non-routes**]",
                            "N1",
                            "",
                            "",
                            "[**End**]"}));
  EXPECT_EQ(Regels(regels.begin(), regels.begin() + 8), MatchbestandKopregels("Ochtendspits", {12, 4, "75"}));

  test::TijdelijkeMap map;
  ASSERT_TRUE(MatchbestandSchrijven(map / "m.mma", {"[Morvask matchfile]", "\xDF\xCD"}));
  EXPECT_EQ(map.Lees("m.mma"), "[Morvask matchfile]\r\n\xDF\xCD\r\n");
}

}  // namespace
}  // namespace morvask
