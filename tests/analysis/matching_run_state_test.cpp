// The matching run and the state around it: the project after the run, the memory clearing,
// the progress window, and the checks that stop a run before anything is written.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/match_test_support.h"
#include "base/messages.h"
#include "survey/survey_generator.h"

namespace morvask::test {
namespace {

using Regels = std::vector<std::string>;

// The registrations with every field and both marks, in list order.
Regels Registraties(const Project& p) {
  Regels uit;
  for (const RRegistratie& r : p.Registratielijst)
    uit.push_back("[" + r.Post.str() + "|" + r.Tijd.str() + "|" + r.Voertuigtype.str() + "|" + r.Kenteken.str() + "|" +
                  (r.Gebruikt ? "G" : "-") + (r.Geprobeerd ? "P" : "-") + "]");
  return uit;
}

// A generated survey of about the given size in the test's project.
void Onderzoek(MatchOmgeving& o, int registraties) {
  bench::OnderzoekInstellingen instellingen;
  instellingen.registraties = registraties;
  bench::Onderzoek onderzoek = bench::OnderzoekMaken(instellingen);
  o.project = std::move(onderzoek.project);
  o.project.Projectbestandsnaam = o.map / "onderzoek";
}

TEST(MatchrunState, ProjectIsUnchangedAfterTheRun) {
  MatchOmgeving o;
  Onderzoek(o, 3000);
  // Fields a text round trip or a sort would change: a space in a plate, short fields,
  // lower-case letters.
  o.project.Registratielijst.insert(o.project.Registratielijst.begin() + 7,
                                    RRegistratie("007-t1", "0730", "a", "AB 12"));
  o.project.Registratielijst.push_back(RRegistratie("01-ki", "815", "", "ab1"));
  o.project.Registratielijst.push_back(RRegistratie("003-ku", "0731", "b", "ab 1 "));
  const Regels voor = Registraties(o.project);
  o.in.AantalVerwisseld = 2;
  o.in.AantalVerschillend = 1;
  ASSERT_TRUE(o.Uitvoeren());
  ASSERT_GT(o.Routes().size(), 100u);
  EXPECT_EQ(Registraties(o.project), voor);
  EXPECT_FALSE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
  EXPECT_TRUE(o.ui.menuCodes.empty());
  EXPECT_EQ(o.Waarde("ProjectNumberOfRegistrations"), std::to_string(voor.size()));
}

TEST(MatchrunState, MemoryClearingGivesTheSameFile) {
  // A small survey where the count carries over into the second iteration, and a generated
  // one with every iteration.
  MatchOmgeving klein;
  klein.Posten({"001-ki", "002-ku", "003-ki"});
  klein.Doorrijtijd("001-ki", "002-ku", 15, 0);
  klein.Doorrijtijd("003-ki", "002-ku", 15, 0);
  klein.Registraties({"001-ki 0800 a AB12CD", "003-ki 0801 a XY34#Z", "001-ki 0802 a KL55MN", "002-ku 0805 a AB12CD",
                      "002-ku 0806 a KL55MN", "002-ku 0807 a AB12C#", "002-ku 0809 a XY34EZ", "003-ki 0810 a RS12TU",
                      "002-ku 0811 a RS12TU"});
  MatchOmgeving groot;
  Onderzoek(groot, 3000);
  groot.in.AantalVerwisseld = 2;
  groot.in.AantalVerschillend = 2;

  for (MatchOmgeving* o : {&klein, &groot}) {
    std::string zonder;
    for (const int waarde : {0, 1, 2, 3, 50, 2000}) {
      o->instellingen.MatchOpschoonWaarde = waarde;
      o->in.Bestandsnaam = o->map / ("opschonen" + std::to_string(waarde) + ".mma");
      ASSERT_TRUE(o->Uitvoeren());
      const std::string bestand = BestandLezen(o->in.Bestandsnaam).value_or("");
      if (waarde == 0) {
        zonder = bestand;
        ASSERT_GE(o->Routes().size(), 3u);
      } else {
        EXPECT_EQ(bestand, zonder) << "MatchOpschoonWaarde " << waarde;
      }
    }
  }
}

TEST(MatchrunState, ProgressWindowAndBeep) {
  MatchOmgeving o;
  o.Posten({"001-ki", "002-ku"});
  o.Doorrijtijd("001-ki", "002-ku", 15, 0);
  o.Registraties({"001-ki 0800 a AB12CD", "002-ku 0810 a AB12CD", "001-ki 0801 a XY12ZZ", "001-ki 0802 a QQ12ZZ"});
  o.in.Geluidsignaal = true;
  o.ui.BerekeningAfbreken = true;  // left over from an earlier calculation
  ASSERT_TRUE(o.Uitvoeren());
  EXPECT_EQ(o.Waarde("MiInterruptByUser"), "0");
  EXPECT_EQ(o.ui.pompen, 3);  // one per start
  EXPECT_EQ(o.ui.posities, (std::vector<int>{0, 0, 33, 67, 100}));
  EXPECT_EQ(o.ui.voortgangTekst, "Iteratie 1 van 1: zoeken van exact gelijke kentekens");
  EXPECT_FALSE(o.ui.voortgangZichtbaar);
  EXPECT_FALSE(o.ui.bezig);
  EXPECT_EQ(o.ui.piepjes, 1);
}

// Two posts, a route, and an old match file in the way.
struct Controle : MatchOmgeving {
  Controle() {
    Posten({"001-ki", "002-ku"});
    Doorrijtijd("001-ki", "002-ku", 15, 0);
    Registraties({"001-ki 0800 a AB12CD", "002-ku 0810 a AB12CD"});
    in.Bestandsnaam = map / "oud.mma";
    Schrijf("oud.mma", "oud\r\n");
  }
};

TEST(MatchrunState, DataThatCannotBeUsedStopsTheRunBeforeAnythingIsWritten) {
  struct Geval {
    const char* naam;
    void (*wijzigen)(Controle&);
    std::string melding;
  };
  const std::vector<Geval> gevallen = {
      {"reserved character in a plate",
       [](Controle& o) {
         o.project.Registratielijst[1].Kenteken =
             "AB\xDF"
             "12";
       },
       "Het registratiesbestand bevat \xE9\xE9n of meerdere malen het karakter \"\xCD\" of \"\xDF\". Dit is niet "
       "toegestaan."},
      {"reserved character in a post", [](Controle& o) { o.project.Registratielijst[0].Post = "001-k\xCD"; },
       "Het registratiesbestand bevat \xE9\xE9n of meerdere malen het karakter \"\xCD\" of \"\xDF\". Dit is niet "
       "toegestaan."},
      {"time that is not a number", [](Controle& o) { o.project.Registratielijst[1].Tijd = "08:1"; },
       AlgemeneFoutGeenGetal("08:1") + "\r2       002-ku 08:1 a AB12CD"},
      {"time whose second half is missing", [](Controle& o) { o.project.Registratielijst[0].Tijd = "8"; },
       AlgemeneFoutGeenGetal("8") + "\r1       001-ki 8    a AB12CD"},
      {"maximum travel time that is not a number",
       [](Controle& o) { o.project.Doorrijtijdentabel[0] = "001-ki 002-ku 1x   0   "; },
       AlgemeneFoutGeenGetal("1x") + "\r001-ki 002-ku 1x   0   "},
      {"minimum travel time that is not a number",
       [](Controle& o) { o.project.Doorrijtijdentabel[0] = "001-ki 002-ku 15   -   "; },
       AlgemeneFoutGeenGetal("-") + "\r001-ki 002-ku 15   -   "},
      {"from field that is not a number", [](Controle& o) { o.in.Vanaf = "07 0"; }, AlgemeneFoutGeenGetal("07 0")},
  };
  for (const auto& g : gevallen) {
    Controle o;
    g.wijzigen(o);
    const Regels voor = Registraties(o.project);
    o.ui.antwoorden = {mrJa};
    EXPECT_FALSE(o.Uitvoeren()) << g.naam;
    EXPECT_EQ(o.Lees("oud.mma"), "oud\r\n") << g.naam;
    EXPECT_EQ(Registraties(o.project), voor) << g.naam;
    ASSERT_EQ(o.ui.berichten.size(), 2u) << g.naam;
    EXPECT_EQ(o.ui.berichten[0].soort, "vraag");
    EXPECT_EQ(o.ui.berichten[1].soort, "fout");
    EXPECT_EQ(o.ui.berichten[1].tekst, g.melding) << g.naam;
    EXPECT_EQ(o.ui.pompen, 0);

    // Without an old file nothing is created either.
    Controle nieuw;
    g.wijzigen(nieuw);
    nieuw.in.Bestandsnaam = nieuw.map / "nieuw.mma";
    EXPECT_FALSE(nieuw.Uitvoeren());
    EXPECT_FALSE(BestandBestaat(nieuw.in.Bestandsnaam)) << g.naam;
  }
}

TEST(MatchrunState, OverwriteQuestionAndUnwritableFile) {
  Controle o;
  const Regels voor = Registraties(o.project);
  for (const ModaalResultaat antwoord : {mrNee, mrAnnuleren}) {
    o.ui.berichten.clear();
    o.ui.antwoorden = {antwoord};
    EXPECT_FALSE(o.Uitvoeren());
    EXPECT_EQ(o.Lees("oud.mma"), "oud\r\n");
    ASSERT_EQ(o.ui.berichten.size(), 1u);
    const Bericht& vraag = o.ui.berichten[0];
    EXPECT_EQ(vraag.titel, "Bestand overschrijven?");
    EXPECT_EQ(vraag.tekst, "Bestand \"" + (o.map / "oud.mma") + "\" bestaat al.");
    EXPECT_EQ(vraag.knoppen, (Regels{"&Overschrijven", "&Niet overschrijven", "&Annuleren"}));
    EXPECT_EQ(vraag.standaardKnop, skNee);
  }
  o.ui.antwoorden = {mrJa};
  EXPECT_TRUE(o.Uitvoeren());
  EXPECT_EQ(o.Regels().front(), "[Morvask matchfile]");

  Controle geenMap;
  geenMap.in.Bestandsnaam = geenMap.map / "ontbreekt/m.mma";
  EXPECT_FALSE(geenMap.Uitvoeren());
  EXPECT_EQ(geenMap.ui.Teksten("waarschuwing"),
            Regels{"Kan bestand \"" + geenMap.in.Bestandsnaam +
                   "\" niet opslaan. Mogelijk geen schrijfrechten of schijf is schrijfbeveiligd."});
  EXPECT_EQ(Registraties(geenMap.project), voor);
  EXPECT_EQ(geenMap.ui.pompen, 0);
}

}  // namespace
}  // namespace morvask::test
