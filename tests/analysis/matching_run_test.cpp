#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/match_test_support.h"
#include "core/registration_list.h"

namespace morvask::test {
namespace {

using Regels = std::vector<std::string>;

// Two posts, one pair with the given travel times, one vehicle seen at both.
struct TweePunten : MatchOmgeving {
  TweePunten(int maximum, int minimum) {
    Posten({"001-ki", "002-ku"});
    Doorrijtijd("001-ki", "002-ku", maximum, minimum);
  }
};

// The match-check section of a run with only the exact iteration: its header, an empty line
// and the accepted comparisons (no empty line when there are none).
Regels EersteIteratie(const Regels& regels) {
  Regels controle = {"Iteration 1: TheSameLicenseNumbers", ""};
  controle.insert(controle.end(), regels.begin(), regels.end());
  if (regels.empty()) controle.pop_back();
  return controle;
}

TEST(Matchrun, TwoPointRouteGivesTheWholeFile) {
  TweePunten o(15, 0);
  o.Registraties({"001-ki 0800 a AB12CD", "002-ku 0810 a AB12CD"});
  ASSERT_TRUE(o.Uitvoeren());
  EXPECT_EQ(o.ui.berichten.size(), 0u);
  EXPECT_EQ(BestandLezen(o.in.Bestandsnaam).value_or(""),
            "[Morvask matchfile]\r\n"
            "\r\n"
            "[**General information**]\r\n"
            "FileVersion=330\r\n"
            "FileDescription=\r\n"
            "ProjectNumberOfRegistrations=2\r\n"
            "ProjectNumberOfPosts=2\r\n"
            "ProjectTravelTimesSum=15\r\n"
            "MiTimeFrom=0800\r\n"
            "MiTimeUntil=0811\r\n"
            "MiCorrectionPreAftPeriod=1\r\n"
            "MiNumberChar=6\r\n"
            "MiNoCaseDifference=1\r\n"
            "MiIterative=1\r\n"
            "MiWithWildcards=0\r\n"
            "MiNumberChangedChar=0\r\n"
            "MiNumberDifferentChar=0\r\n"
            "MiWithMissedLicenses=1\r\n"
            "MiNoInsidePosts=0\r\n"
            "MiCheckBlockFirstPost=1\r\n"
            "MiInterruptByUser=0\r\n"
            "\r\n"
            "[**Routes**]\r\n"
            "001-ki 002-ku \xDF"
            "0800 a AB12CD\xDF"
            "0810 a AB12CD\xDF\xCD\r\n"
            "\r\n"
            "[**Match check**]\r\n"
            "Iteration 1: TheSameLicenseNumbers\r\n"
            "\r\n"
            "001-ki 0800 a AB12CD  ->  002-ku 0810 a AB12CD   :    10 min   -\r\n"
            "\r\n"
            "[**Non-routes**]\r\n"
            "\r\n"
            "\r\n"
            "[**End**]\r\n");
}

TEST(Matchrun, EmptyResultStillHasEverySection) {
  MatchOmgeving o;
  o.Posten({"001-ki", "002-ku"});
  ASSERT_TRUE(o.Uitvoeren());
  const Regels regels = o.Regels();
  const Regels staart(regels.begin() + 21, regels.end());
  EXPECT_EQ(o.Waarde("ProjectNumberOfRegistrations"), "0");
  EXPECT_EQ(o.Waarde("MiTimeFrom"), "0000");
  EXPECT_EQ(o.Waarde("MiTimeUntil"), "0001");
  EXPECT_EQ(staart, (Regels{"", "[**Routes**]", "", "[**Match check**]", "Iteration 1: TheSameLicenseNumbers", "", "",
                            "[**Non-routes**]", "", "", "[**End**]"}));

  // Not iterative: the match-check section starts with an empty line instead of a header.
  o.in.Iteratief = false;
  o.ui.antwoorden = {mrJa};
  ASSERT_TRUE(o.Uitvoeren());
  const Regels enkel = o.Regels();
  EXPECT_EQ(Regels(enkel.begin() + 21, enkel.end()),
            (Regels{"", "[**Routes**]", "", "[**Match check**]", "", "", "[**Non-routes**]", "", "", "[**End**]"}));
}

TEST(Matchrun, TravelTimesDecideTheLeg) {
  struct Geval {
    const char* naam;
    int maximum, minimum;
    Regels registraties, routes, controle, nietRoutes;
  };
  const std::vector<Geval> gevallen = {
      {"blocked pair: both are non-routes",
       0,
       0,
       {"001-ki 0800 a AB12CD", "002-ku 0810 a AB12CD"},
       {},
       {},
       {"001-ki 0800 a AB12CD", "002-ku 0810 a AB12CD"}},
      {"longer than the maximum",
       9,
       0,
       {"001-ki 0800 a AB12CD", "002-ku 0810 a AB12CD"},
       {},
       {},
       {"001-ki 0800 a AB12CD", "002-ku 0810 a AB12CD"}},
      {"shorter than the minimum",
       15,
       11,
       {"001-ki 0800 a AB12CD", "002-ku 0810 a AB12CD"},
       {},
       {},
       {"001-ki 0800 a AB12CD", "002-ku 0810 a AB12CD"}},
      {"equal times, outbound entered first: inbound sorts first, 0 minutes",
       15,
       0,
       {"002-ku 0800 a AB12CD", "001-ki 0800 a AB12CD"},
       {Route({"001-ki", "002-ku"}, {"0800 a AB12CD", "0800 a AB12CD"})},
       {"001-ki 0800 a AB12CD  ->  002-ku 0800 a AB12CD   :     0 min   -"},
       {}},
      {"equal times with a minimum of 1",
       15,
       1,
       {"002-ku 0800 a AB12CD", "001-ki 0800 a AB12CD"},
       {},
       {},
       {"001-ki 0800 a AB12CD", "002-ku 0800 a AB12CD"}},
      {"no wrap at midnight",
       15,
       0,
       {"001-ki 2355 a AB12CD", "002-ku 0005 a AB12CD"},
       {},
       {},
       {"002-ku 0005 a AB12CD", "001-ki 2355 a AB12CD"}},
      {"short plate padded in routes, not in non-routes",
       15,
       0,
       {"001-ki 0800 a AB1", "002-ku 0810 a AB1", "001-ki 0801 b XY"},
       {Route({"001-ki", "002-ku"}, {"0800 a AB1   ", "0810 a AB1   "})},
       {"001-ki 0800 a AB1     ->  002-ku 0810 a AB1      :    10 min   -"},
       {"001-ki 0801 b XY"}},
  };
  for (const auto& g : gevallen) {
    TweePunten o(g.maximum, g.minimum);
    o.Registraties(g.registraties);
    ASSERT_TRUE(o.Uitvoeren()) << g.naam;
    EXPECT_EQ(o.Routes(), g.routes) << g.naam;
    EXPECT_EQ(o.Matchcontrole(), EersteIteratie(g.controle)) << g.naam;
    EXPECT_EQ(o.NietRoutes(), g.nietRoutes) << g.naam;
  }
}

TEST(Matchrun, BlockCheckWithTheFirstPostOfTheRoute) {
  for (const bool controleren : {true, false}) {
    MatchOmgeving o;
    o.Posten({"001-ki", "001-ku", "002-t1"});
    o.Doorrijtijd("001-ki", "001-ku", 0, 0);
    o.Doorrijtijd("001-ki", "002-t1", 10, 0);
    o.Doorrijtijd("002-t1", "001-ku", 10, 0);
    o.Registraties({"001-ki 0800 a AB12CD", "002-t1 0805 a AB12CD", "001-ku 0812 a AB12CD"});
    o.in.BlokkadesControleren = controleren;
    ASSERT_TRUE(o.Uitvoeren());
    EXPECT_EQ(o.Waarde("MiCheckBlockFirstPost"), controleren ? "1" : "0");
    if (controleren) {
      // The route ends at the intermediate post; the outbound sighting stays available.
      EXPECT_EQ(o.Routes(), Regels{Route({"001-ki", "002-t1"}, {"0800 a AB12CD", "0805 a AB12CD"})});
      EXPECT_EQ(o.NietRoutes(), Regels{"001-ku 0812 a AB12CD"});
    } else {
      EXPECT_EQ(o.Routes(),
                Regels{Route({"001-ki", "002-t1", "001-ku"}, {"0800 a AB12CD", "0805 a AB12CD", "0812 a AB12CD"})});
      EXPECT_EQ(o.Matchcontrole(), (Regels{"Iteration 1: TheSameLicenseNumbers", "",
                                           "001-ki 0800 a AB12CD  ->  002-t1 0805 a AB12CD   :     5 min   -",
                                           "002-t1 0805 a AB12CD  ->  001-ku 0812 a AB12CD   :     7 min   -"}));
      EXPECT_EQ(o.NietRoutes(), Regels{});
    }
  }
}

TEST(Matchrun, PlateTwiceAtOnePostIsNoRoute) {
  MatchOmgeving o;
  o.Posten({"001-ki", "002-t1", "003-ku"});
  for (const auto& [van, naar] : {std::pair{"001-ki", "002-t1"}, {"001-ki", "003-ku"}, {"002-t1", "003-ku"}})
    o.Doorrijtijd(van, naar, 30, 0);
  o.Registraties({"002-t1 0800 a AB12CD", "002-t1 0805 a AB12CD"});
  ASSERT_TRUE(o.Uitvoeren());
  EXPECT_EQ(o.Routes(), Regels{});
  EXPECT_EQ(o.NietRoutes(), (Regels{"002-t1 0800 a AB12CD", "002-t1 0805 a AB12CD"}));
}

// Posts 001-ki, 003-ki and 002-ku; a vehicle matched exactly, a wildcard sighting of it after
// that, and a second vehicle that only matches with wildcards.
struct Iteraties : MatchOmgeving {
  Iteraties() {
    Posten({"001-ki", "002-ku", "003-ki"});
    Doorrijtijd("001-ki", "002-ku", 15, 0);
    Doorrijtijd("003-ki", "002-ku", 15, 0);
    Registraties({"001-ki 0800 a AB12CD", "003-ki 0801 a XY34#Z", "002-ku 0805 a AB12CD", "002-ku 0807 a AB12C#",
                  "002-ku 0809 a XY34EZ"});
  }
};

TEST(Matchrun, RegistrationsAreReusedOnlyWhenNotInARoute) {
  Iteraties o;
  ASSERT_TRUE(o.Uitvoeren());
  EXPECT_EQ(o.Waarde("MiWithWildcards"), "1");
  // The exact route's inbound sighting is gone in the wildcard iteration, so the wildcard
  // sighting of its plate stays alone; the start that found nothing exactly is tried again.
  EXPECT_EQ(o.Routes(), (Regels{Route({"001-ki", "002-ku"}, {"0800 a AB12CD", "0805 a AB12CD"}),
                                Route({"003-ki", "002-ku"}, {"0801 a XY34#Z", "0809 a XY34EZ"})}));
  EXPECT_EQ(o.Matchcontrole(), (Regels{"Iteration 1: TheSameLicenseNumbers", "",
                                       "001-ki 0800 a AB12CD  ->  002-ku 0805 a AB12CD   :     5 min   -", "",
                                       "Iteration 2: WithWildcards)", "",
                                       "003-ki 0801 a XY34#Z  ->  002-ku 0809 a XY34EZ   :     8 min   -"}));
  EXPECT_EQ(o.NietRoutes(), Regels{"002-ku 0807 a AB12C#"});
  EXPECT_EQ(o.ui.voortgangTekst, "Iteratie 2 van 2: vergelijking met ontbrekende karakters (wildcards)");
}

TEST(Matchrun, NotIterativeIsOnePassWithEverySetting) {
  Iteraties o;
  o.in.Iteratief = false;
  ASSERT_TRUE(o.Uitvoeren());
  EXPECT_EQ(o.Waarde("MiIterative"), "0");
  EXPECT_EQ(o.Routes(), (Regels{Route({"001-ki", "002-ku"}, {"0800 a AB12CD", "0805 a AB12CD"}),
                                Route({"003-ki", "002-ku"}, {"0801 a XY34#Z", "0809 a XY34EZ"})}));
  EXPECT_EQ(o.Matchcontrole(), (Regels{"", "001-ki 0800 a AB12CD  ->  002-ku 0805 a AB12CD   :     5 min   -",
                                       "003-ki 0801 a XY34#Z  ->  002-ku 0809 a XY34EZ   :     8 min   -"}));
  EXPECT_EQ(o.ui.voortgangTekst, "Kentekens worden vergeleken...");

  // In one pass the first qualifying sighting wins, whatever kind of equality it needs.
  Iteraties eerst;
  eerst.in.Iteratief = false;
  eerst.Registraties({"002-ku 0803 a AB#2CD"});
  ASSERT_TRUE(eerst.Uitvoeren());
  EXPECT_EQ(eerst.Routes()[0], Route({"001-ki", "002-ku"}, {"0800 a AB12CD", "0803 a AB#2CD"}));
}

TEST(Matchrun, IterationsWithChangedAndDifferentCharacters) {
  MatchOmgeving o;
  o.Posten({"001-ki", "002-ku"});
  o.Doorrijtijd("001-ki", "002-ku", 30, 0);
  o.Registraties({"001-ki 0800 a 12ABC3", "002-ku 0801 a 21ABC3",    // swapped pair
                  "001-ki 0802 a 34XYZ5", "002-ku 0803 a 34XYQ5",    // one different
                  "001-ki 0804 a 56#KLM", "002-ku 0805 a 65JKLM"});  // wildcard and swapped
  o.in.AantalVerwisseld = 2;
  o.in.AantalVerschillend = 1;
  ASSERT_TRUE(o.Uitvoeren());
  EXPECT_EQ(o.Matchcontrole(), (Regels{"Iteration 1: TheSameLicenseNumbers", "", "", "Iteration 2: WithWildcards)", "",
                                       "", "Iteration 3: ChangedCharacters", "",
                                       "001-ki 0800 a 12ABC3  ->  002-ku 0801 a 21ABC3   :     1 min   2w",
                                       "001-ki 0804 a 56#KLM  ->  002-ku 0805 a 65JKLM   :     1 min   2w", "",
                                       "Iteration 4: DifferentCharacters", "",
                                       "001-ki 0802 a 34XYZ5  ->  002-ku 0803 a 34XYQ5   :     1 min   1v"}));
  EXPECT_EQ(o.NietRoutes(), Regels{});
}

TEST(Matchrun, MaximaAreLoweredToTheSelectedCountBeforeWriting) {
  TweePunten o(15, 0);
  o.Registraties({"001-ki 0800 a AB12CD", "002-ku 0810 a XY12ZZ"});
  o.in.Posities = {false, false, true, false, false, false};  // 4 follows 3
  o.in.AantalVerwisseld = 6;
  o.in.AantalVerschillend = 5;
  ASSERT_TRUE(o.Uitvoeren());
  EXPECT_EQ(o.Waarde("MiNumberChar"), "2");
  EXPECT_EQ(o.Waarde("MiNumberChangedChar"), "2");
  EXPECT_EQ(o.Waarde("MiNumberDifferentChar"), "2");
  // Only positions 3 and 4 are compared: the plates are equal.
  EXPECT_EQ(o.Matchcontrole()[2], "001-ki 0800 a AB12CD  ->  002-ku 0810 a XY12ZZ   :    10 min   -");
}

TEST(Matchrun, PeriodCorrection) {
  struct Geval {
    const char* naam;
    bool correctie;
    Regels routes, controle, nietRoutes;
  };
  // Period 0700-0900 typed in the window, largest maximum 10 minutes.
  const std::vector<Geval> gevallen = {
      {"on: the sighting before the period starts a route",
       true,
       {Route({"001-ki", "002-ku"}, {"0655 a AB12CD", "0705 a AB12CD"})},
       {"001-ki 0655 a AB12CD  ->  002-ku 0705 a AB12CD   :    10 min   1p"},
       {"002-ku 0700 b XY99ZZ", "001-ki 0859 b QQ11QQ"}},
      {"off: removed before matching",
       false,
       {},
       {},
       {"002-ku 0700 b XY99ZZ", "002-ku 0705 a AB12CD", "001-ki 0859 b QQ11QQ"}},
  };
  for (const auto& g : gevallen) {
    TweePunten o(10, 0);
    o.Registraties({"001-ki 0655 a AB12CD", "002-ku 0705 a AB12CD", "001-ki 0859 b QQ11QQ", "002-ku 0700 b XY99ZZ",
                    "001-ki 0649 a XY99ZZ", "002-ku 0911 a QQ11QQ"});
    o.in.PeriodeCorrectie = g.correctie;
    MatchInstellingenVoorbereiden(o.in, o.project);
    VanafBewerkt(o.in, "0700");
    TotBewerkt(o.in, "0900");
    ASSERT_TRUE(o.Uitvoeren()) << g.naam;
    EXPECT_EQ(o.Waarde("MiCorrectionPreAftPeriod"), g.correctie ? "1" : "0");
    EXPECT_EQ(o.Routes(), g.routes) << g.naam;
    EXPECT_EQ(o.Matchcontrole(), EersteIteratie(g.controle)) << g.naam;
    // 0649 lies before 0700 - 10 minutes and 0911 after 0900 + 10: removed in both cases.
    EXPECT_EQ(o.NietRoutes(), g.nietRoutes) << g.naam;
  }
}

TEST(Matchrun, GreyedPeriodCorrectionKeepsEveryRegistration) {
  // After "&Maximale tijden" nothing is removed, while the comparison still follows the
  // checked correction: one sighting inside the period is enough.
  TweePunten o(30, 0);
  o.Registraties({"001-ki 0650 a AB12CD", "002-ku 0710 a AB12CD", "001-ki 0720 a XY99ZZ"});
  MatchInstellingenVoorbereiden(o.in, o.project);
  ASSERT_FALSE(o.in.PeriodeCorrectieIngeschakeld);
  o.in.Vanaf = "0700";  // set without editing the field: the option stays greyed
  ASSERT_TRUE(o.Uitvoeren());
  EXPECT_EQ(o.Waarde("MiCorrectionPreAftPeriod"), "1");
  EXPECT_EQ(o.Matchcontrole().back(), "001-ki 0650 a AB12CD  ->  002-ku 0710 a AB12CD   :    20 min   1p");
}

TEST(Matchrun, RegistrationExactlyAtTheUntilTime) {
  for (const bool correctie : {false, true}) {
    TweePunten o(15, 0);
    o.Registraties({"001-ki 0750 a AB12CD", "002-ku 0800 a AB12CD"});
    o.in.PeriodeCorrectie = correctie;
    MatchInstellingenVoorbereiden(o.in, o.project);
    VanafBewerkt(o.in, "0700");
    TotBewerkt(o.in, "0800");
    ASSERT_TRUE(o.Uitvoeren());
    if (correctie) {
      EXPECT_EQ(o.Matchcontrole().back(), "001-ki 0750 a AB12CD  ->  002-ku 0800 a AB12CD   :    10 min   1p");
      EXPECT_EQ(o.NietRoutes(), Regels{});
    } else {
      EXPECT_EQ(o.Routes(), Regels{});
      EXPECT_EQ(o.NietRoutes(), Regels{"001-ki 0750 a AB12CD"});
    }
  }
}

TEST(Matchrun, IntermediatePostsAndMissedPlates) {
  struct Geval {
    const char* naam;
    bool tussenpostenNegeren, gemisteToevoegen;
    Regels routes, nietRoutes;
  };
  const std::vector<Geval> gevallen = {
      {"all posts",
       false,
       true,
       {Route({"001-ki", "002-t1", "003-ku"}, {"0800 a AB12CD", "0805 a AB12CD", "0810 a AB12CD"})},
       {"001-ki 0801 a *", "003-ku 0806 a *"}},
      {"without intermediate posts",
       true,
       true,
       {Route({"001-ki", "003-ku"}, {"0800 a AB12CD", "0810 a AB12CD"})},
       {"001-ki 0801 a *", "003-ku 0806 a *"}},
      {"missed plates left out",
       false,
       false,
       {Route({"001-ki", "002-t1", "003-ku"}, {"0800 a AB12CD", "0805 a AB12CD", "0810 a AB12CD"})},
       {}},
  };
  for (const auto& g : gevallen) {
    MatchOmgeving o;
    o.Posten({"001-ki", "002-t1", "003-ku"});
    for (const auto& [van, naar] : {std::pair{"001-ki", "002-t1"}, {"001-ki", "003-ku"}, {"002-t1", "003-ku"}})
      o.Doorrijtijd(van, naar, 15, 0);
    // Two missed plates never match each other.
    o.Registraties(
        {"001-ki 0800 a AB12CD", "002-t1 0805 a AB12CD", "003-ku 0810 a AB12CD", "001-ki 0801 a *", "003-ku 0806 a *"});
    o.in.TussenpostenNegeren = g.tussenpostenNegeren;
    o.in.GemisteKentekensToevoegen = g.gemisteToevoegen;
    ASSERT_TRUE(o.Uitvoeren()) << g.naam;
    EXPECT_EQ(o.Routes(), g.routes) << g.naam;
    EXPECT_EQ(o.NietRoutes(), g.nietRoutes) << g.naam;
    EXPECT_EQ(o.Waarde("MiNoInsidePosts"), g.tussenpostenNegeren ? "1" : "0");
    EXPECT_EQ(o.Waarde("MiWithMissedLicenses"), g.gemisteToevoegen ? "1" : "0");
  }
}

TEST(Matchrun, InterruptedRunCompletesTheFile) {
  Iteraties o;
  o.in.AantalVerwisseld = 2;
  o.ui.afbrekenBijPomp = 2;  // the second start search: the first route is already found
  o.ui.antwoorden = {mrJa};
  const auto voor = o.project.Registratielijst;
  ASSERT_TRUE(o.Uitvoeren());
  ASSERT_EQ(o.ui.berichten.size(), 1u);
  EXPECT_EQ(o.ui.berichten[0].tekst, "Berekening afbreken?");
  EXPECT_EQ(o.Waarde("MiInterruptByUser"), "1");
  EXPECT_EQ(o.Routes(), Regels{Route({"001-ki", "002-ku"}, {"0800 a AB12CD", "0805 a AB12CD"})});
  // The later iterations write their headers and build nothing.
  EXPECT_EQ(o.Matchcontrole(), (Regels{"Iteration 1: TheSameLicenseNumbers", "",
                                       "001-ki 0800 a AB12CD  ->  002-ku 0805 a AB12CD   :     5 min   -", "",
                                       "Iteration 2: WithWildcards)", "", "", "Iteration 3: ChangedCharacters"}));
  EXPECT_EQ(o.NietRoutes(), (Regels{"003-ki 0801 a XY34#Z", "002-ku 0807 a AB12C#", "002-ku 0809 a XY34EZ"}));
  EXPECT_EQ(o.Regels().back(), "[**End**]");
  EXPECT_EQ(o.ui.pompen, 2);
  EXPECT_EQ(o.project.Registratielijst.size(), voor.size());
}

}  // namespace
}  // namespace morvask::test
