#include "registrations/time_correction.h"

#include <gtest/gtest.h>

#include "core/project_test_support.h"

using namespace morvask;
using namespace morvask::test;

TEST(TijdVerschuiven, WrapsAroundMidnight) {
  struct Geval {
    std::string tijd;
    int minuten;
    std::optional<std::string> uit;
  };
  const std::vector<Geval> gevallen = {
      {"2350", 20, "0010"},
      {"0005", -10, "2355"},
      {"0815", 1440, "0815"},
      {"0815", -1440, "0815"},
      {"0000", 30000, "2000"},
      {"0000", -30000, "0400"},
      {"0000", -1, "2359"},
      {"2359", 1, "0000"},
      {"1200", 2 * 1440 + 5, "1205"},
      // Four digits are taken as hours and minutes as they stand.
      {"0875", 0, "0915"},
      {"2400", 1, "0001"},
      // Anything else has no minutes to shift.
      {"815", 5, std::nullopt},
      {"8:15", 5, std::nullopt},
      {"08a5", 5, std::nullopt},
      {"", 5, std::nullopt},
      {"-815", 5, std::nullopt},
      {"+815", 5, std::nullopt},
      {" 815", 5, std::nullopt},
  };
  for (const auto& g : gevallen) EXPECT_EQ(TijdVerschuiven(g.tijd, g.minuten), g.uit) << g.tijd << " " << g.minuten;
}

class Tijdcorrectie : public ::testing::Test {
 protected:
  ProjectOmgeving o;

  void SetUp() override {
    o.project.PostToevoegen("001-ki", "Oost in");
    o.project.PostToevoegen("001-ku", "Oost uit");
    o.project.PostToevoegen("002-ki", "West in");
    o.project.RegistratieToevoegen("001-ki", "2350", "a", "AB12CD");
    o.project.RegistratieToevoegen("001-ku", "2350", "a", "AB12CD");
    o.project.RegistratieToevoegen("001-ki", "0005", "b", "XY99ZZ");
    o.project.RegistratieToevoegen("001-KI", "0005", "b", "XY99ZZ");
    o.project.RegistratieToevoegen("001-ki", "1200", "l", "QQ11RR");
  }

  std::vector<std::string> Tijden() const {
    std::vector<std::string> t;
    for (const auto& r : o.project.Registratielijst) t.push_back(r.Tijd.str());
    return t;
  }
};

TEST_F(Tijdcorrectie, ShiftsOnlyThePostChosenInEitherDirection) {
  EXPECT_EQ(TijdenWijzigenPosten(o.project), (std::vector<std::string>{"001-ki", "001-ku", "002-ki"}));

  ASSERT_TRUE(TijdenRegistratiesWijzigen(o.ctx, {"001-ki", true, 20}));
  EXPECT_EQ(Tijden(), (std::vector<std::string>{"0010", "2350", "0025", "0005", "1220"}));
  EXPECT_TRUE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
  EXPECT_EQ(o.ui.menuCodes, std::vector<MenuCode>{mcOpslaan});
  EXPECT_TRUE(o.ui.berichten.empty());
  EXPECT_EQ(o.ui.voortgangTekst, "Wijzigen tijden...");
  EXPECT_FALSE(o.ui.voortgangZichtbaar);
  EXPECT_EQ(o.ui.posities.front(), 0);
  EXPECT_EQ(o.ui.posities.back(), 100);

  ASSERT_TRUE(TijdenRegistratiesWijzigen(o.ctx, {"001-ki", false, 30}));
  EXPECT_EQ(Tijden(), (std::vector<std::string>{"2340", "2350", "2355", "0005", "1150"}));
  // The list keeps its order and every other field.
  EXPECT_EQ(o.project.Registratielijst[2].Kenteken, "XY99ZZ");
  EXPECT_EQ(o.project.Registratielijst[3].Post, "001-KI");
}

TEST_F(Tijdcorrectie, LeavesTimesThatAreNotFourDigitsAndSaysHowMany) {
  o.project.RegistratieToevoegen("001-ki", "8:15", "a", "AB12CD");
  o.project.RegistratieToevoegen("001-ki", "815", "a", "AB12CD");
  o.project.RegistratieToevoegen("002-ki", "x", "a", "AB12CD");
  ASSERT_TRUE(TijdenRegistratiesWijzigen(o.ctx, {"001-ki", true, 60}));
  EXPECT_EQ(Tijden(), (std::vector<std::string>{"0050", "2350", "0105", "0005", "1300", "8:15", "815", "x"}));
  ASSERT_EQ(o.ui.berichten.size(), 1u);
  EXPECT_EQ(o.ui.berichten[0].soort, "waarschuwing");
  EXPECT_EQ(o.ui.berichten[0].tekst,
            "Registraties van post 001-ki waarvan de tijd niet uit vier cijfers bestaat, zijn niet gewijzigd: 2.");

  o.instellingen.Taal = "English";
  EXPECT_EQ(OvergeslagenTijdenTekst(o.ctx, "001-ki", 1),
            "Registrations of post 001-ki whose time is not four digits were left unchanged: 1.");
}

TEST_F(Tijdcorrectie, APostWithoutRegistrationsStillMarksTheProjectChanged) {
  const auto voor = Tijden();
  ASSERT_TRUE(TijdenRegistratiesWijzigen(o.ctx, {"002-ki", true, 5}));
  EXPECT_EQ(Tijden(), voor);
  EXPECT_TRUE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);

  // An empty list too.
  o.project.Registratielijst.clear();
  o.project.Gegevens.ProjectgegevensbestandGewijzigd = false;
  ASSERT_TRUE(TijdenRegistratiesWijzigen(o.ctx, {"001-ki", true, 5}));
  EXPECT_TRUE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
}

TEST_F(Tijdcorrectie, RefusesFieldsTheWindowCannotGive) {
  EXPECT_FALSE(TijdenWijzigenMogelijk({"", true, 5}));
  EXPECT_FALSE(TijdenWijzigenMogelijk({"001-ki", true, 0}));
  EXPECT_TRUE(TijdenWijzigenMogelijk({"001-ki", false, 1}));

  const std::vector<RTijdenWijzigenVelden> gevallen = {
      {"", true, 5},       {"001-ki", true, 0}, {"001-ki", true, 30001}, {"001-ki", true, -5},
      {"009-ki", true, 5}, {"001-KI", true, 5}, {"001-kix", true, 5},    {"001-k", true, 5},
  };
  const auto voor = Tijden();
  for (const auto& v : gevallen) {
    EXPECT_FALSE(TijdenRegistratiesWijzigen(o.ctx, v)) << v.Post << " " << v.Minuten;
  }
  EXPECT_EQ(Tijden(), voor);
  EXPECT_FALSE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
  EXPECT_TRUE(o.ui.berichten.empty());
  EXPECT_TRUE(o.ui.posities.empty());

  EXPECT_TRUE(TijdenRegistratiesWijzigen(o.ctx, {"001-ki", true, 30000}));
  EXPECT_EQ(Tijden()[0], "1950");
}
