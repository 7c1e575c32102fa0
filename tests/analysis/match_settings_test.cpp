#include "analysis/match_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/project.h"

namespace morvask {
namespace {

Project MetTijden(const std::vector<std::string>& tijden, int interval = 1) {
  Project p;
  p.Gegevens.Waarnemingsinterval = interval;
  for (const auto& t : tijden) p.RegistratieToevoegen("001-ki", t, "a", "AB12CD");
  return p;
}

TEST(MatchInstellingen, WindowOpensWithItsDefaults) {
  Project p = MetTijden({"0715", "0701", "0859"});
  p.Projectbestandsnaam = "/data/onderzoek";
  RMatchInstellingen in;
  MatchInstellingenVoorbereiden(in, p);
  EXPECT_EQ(in.Bestandsnaam, "/data/onderzoek.mma");
  EXPECT_EQ(in.Omschrijving, "");
  EXPECT_EQ(in.Vanaf, "0701");
  EXPECT_EQ(in.Tot, "0900");
  EXPECT_TRUE(in.PeriodeCorrectie);
  EXPECT_FALSE(in.PeriodeCorrectieIngeschakeld);
  EXPECT_FALSE(in.TussenpostenNegeren);
  EXPECT_TRUE(in.BlokkadesControleren);
  EXPECT_EQ(in.AantalVerwisseld, 0);
  EXPECT_EQ(in.AantalVerschillend, 0);
  EXPECT_TRUE(in.GeenHoofdletterverschil);
  EXPECT_TRUE(in.GemisteKentekensToevoegen);
  EXPECT_EQ(in.AantalKarakters, 6);
  EXPECT_TRUE(in.Iteratief);
  EXPECT_FALSE(in.Geluidsignaal);
  EXPECT_FALSE(in.RekentijdTonen);
  // No plate holds the wildcard character: the option is greyed and off.
  EXPECT_FALSE(in.WildcardsIngeschakeld);
  EXPECT_FALSE(in.MetWildcards);

  // Fields the user filled are kept at the next opening; the wildcard rule is applied again.
  in.Bestandsnaam = "/elders/x.mma";
  in.Vanaf = "0800";
  in.MetWildcards = true;
  p.RegistratieToevoegen("002-ku", "0900", "a", "AB#2CD");
  MatchInstellingenVoorbereiden(in, p);
  EXPECT_EQ(in.Bestandsnaam, "/elders/x.mma");
  EXPECT_EQ(in.Vanaf, "0800");
  EXPECT_TRUE(in.WildcardsIngeschakeld);
  EXPECT_TRUE(in.MetWildcards);

  // Another project: file, from and until take their defaults again.
  MatchInstellingenProjectVervangen(in);
  Project ander = MetTijden({"1000"});
  ander.Projectbestandsnaam = "/data/ander";
  ander.Gegevens.WildcardKarakter = "?";
  ander.RegistratieToevoegen("002-ku", "1001", "a", "AB#2CD");
  MatchInstellingenVoorbereiden(in, ander);
  EXPECT_EQ(in.Bestandsnaam, "/data/ander.mma");
  EXPECT_EQ(in.Vanaf, "1000");
  EXPECT_EQ(in.Tot, "1002");
  EXPECT_FALSE(in.MetWildcards);  // "#" is no wildcard in this project
}

TEST(MatchInstellingen, MaximumTimes) {
  struct Geval {
    std::vector<std::string> tijden;
    int interval;
    std::string vanaf, tot;
  };
  const std::vector<Geval> gevallen = {
      {{"0700", "0859"}, 1, "0700", "0900"},  // 0860 carried into the hour
      {{"0700", "0845"}, 15, "0700", "0900"},
      {{"0005", "2358"}, 5, "0005", "2359"},          // capped, no wrap past midnight
      {{"08:0", "0930", "0815"}, 1, "0815", "0931"},  // a time that is no number is skipped
      {{}, 1, "0000", "0001"},
  };
  for (const auto& g : gevallen) {
    RMatchInstellingen in;
    MaximaleTijden(in, MetTijden(g.tijden, g.interval));
    EXPECT_EQ(in.Vanaf, g.vanaf);
    EXPECT_EQ(in.Tot, g.tot);
    EXPECT_FALSE(in.PeriodeCorrectieIngeschakeld);
    EXPECT_TRUE(in.PeriodeCorrectie);  // greyed, not cleared
  }
}

TEST(MatchInstellingen, EditingATimeFieldNormalisesItAndEnablesTheCorrection) {
  const std::vector<std::pair<std::string, std::string>> gevallen = {
      {"0775", "0815"}, {"0860", "0900"}, {"2370", "2359"}, {"2400", "2359"}, {"0815", "0815"},
      {"5", "0005"},    {"07x5", "07x5"}, {"", ""},         {"-5", "-5"},
  };
  for (const auto& [getypt, getoond] : gevallen) EXPECT_EQ(TijdveldNormaliseren(getypt), getoond) << getypt;

  RMatchInstellingen in;
  in.PeriodeCorrectie = false;
  MaximaleTijden(in, MetTijden({"0700"}));
  VanafBewerkt(in, "0655");
  EXPECT_TRUE(in.PeriodeCorrectieIngeschakeld);
  EXPECT_FALSE(in.PeriodeCorrectie);  // the check box keeps its state
  MaximaleTijden(in, MetTijden({"0700"}));
  TotBewerkt(in, "0875");
  EXPECT_EQ(in.Tot, "0915");
  EXPECT_TRUE(in.PeriodeCorrectieIngeschakeld);
}

TEST(MatchInstellingen, PositionsArePairedAndBoundTheMaxima) {
  struct Geval {
    std::array<bool, 6> aangevinkt;
    int verwisseld, verschillend;
    std::array<bool, 6> posities;
    int aantal, verwisseldNa, verschillendNa;
  };
  const std::vector<Geval> gevallen = {
      {{true, true, true, true, true, true}, 6, 6, {true, true, true, true, true, true}, 6, 6, 6},
      {{true, false, false, true, true, false}, 6, 5, {true, true, false, false, true, true}, 4, 4, 4},
      {{false, true, false, true, false, true}, 2, 1, {false, false, false, false, false, false}, 0, 0, 0},
      {{false, false, true, false, false, false}, 0, 1, {false, false, true, true, false, false}, 2, 0, 1},
  };
  for (const auto& g : gevallen) {
    RMatchInstellingen in;
    in.Posities = g.aangevinkt;
    in.AantalVerwisseld = g.verwisseld;
    in.AantalVerschillend = g.verschillend;
    EXPECT_EQ(AantalKaraktersTellen(in), g.aantal);
    EXPECT_EQ(in.Posities, g.posities);
    EXPECT_EQ(in.AantalKarakters, g.aantal);
    EXPECT_EQ(in.AantalVerwisseld, g.verwisseldNa);
    EXPECT_EQ(in.AantalVerschillend, g.verschillendNa);
  }
}

TEST(MatchInstellingen, FileNames) {
  Project p;
  p.Projectbestandsnaam = "/data/onder.zoek";
  EXPECT_EQ(StandaardMatchbestandsnaam(p), "/data/onder.zoek.mma");
  const std::vector<std::pair<std::string, std::string>> gekozen = {
      {"/data/x", "/data/x.mma"},       {"/data/x.mma", "/data/x.mma"},     {"/data/x.MMA", "/data/x.MMA"},
      {"/data/x.mm", "/data/x.mm.mma"}, {"/data/x.mpr", "/data/x.mpr.mma"}, {"/a.mma/x", "/a.mma/x.mma"},
  };
  for (const auto& [naam, bestand] : gekozen) EXPECT_EQ(MatchbestandsnaamUitDialoog(naam), bestand);
}

}  // namespace
}  // namespace morvask
