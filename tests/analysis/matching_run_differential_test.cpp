// The indexed route search against the straightforward one: on a few hundred small surveys
// with random settings both runs must write the very same match file, report the same
// progress and stop at the same point when the user cancels.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "analysis/match_settings.h"
#include "analysis/matching_run.h"
#include "analysis/route_search.h"
#include "core/files.h"
#include "core/project_test_support.h"
#include "core/text_utils.h"
#include "core/travel_time_table.h"
#include "oracle/straightforward_route_search.h"
#include "survey/survey_generator.h"

namespace morvask::test {
namespace {

using Toeval = std::mt19937;

int Tussen(Toeval& t, int van, int tot) { return std::uniform_int_distribution<int>(van, tot)(t); }
bool Kans(Toeval& t, double p) { return std::bernoulli_distribution(p)(t); }

std::string VierCijfers(int hhmm) {
  char tekst[16];
  std::snprintf(tekst, sizeof tekst, "%04d", hhmm);
  return tekst;
}

// A crowded survey over a few posts and plates from a small alphabet, so that nearly every
// kind of near-equal plate occurs: wildcards, missed plates, letter case, short and empty
// plates, swapped and misread characters, other special characters. Times now and then carry minutes above 59, so the
// minutes do not rise everywhere in the list, and the table holds blocks, zero and negative
// maxima, minima above the maxima and pairs with a second line.
void DrukOnderzoek(Toeval& t, Project& project) {
  static const std::vector<std::string> alle = {"001-ki", "001-ku", "002-ki", "002-ku", "003-t1",
                                                "003-t2", "004-ki", "004-ku", "005-t1"};
  std::vector<std::string> posten;
  for (const std::string& p : alle)
    if (Kans(t, 0.75)) posten.push_back(p);
  if (posten.size() < 2) posten = {"001-ki", "002-ku"};
  for (const std::string& p : posten) project.PostToevoegen(p, "");
  DoorrijtijdentabelBijwerken(project);
  for (std::string& regel : project.Doorrijtijdentabel) {
    const int soort = Tussen(t, 0, 9);
    const int maximum = soort == 0 ? 0 : soort == 1 ? -Tussen(t, 1, 3) : Tussen(t, 1, 40);
    const int minimum = Kans(t, 0.1) ? Tussen(t, 0, 60) : Tussen(t, 0, 5);
    regel = DoorrijtijdRegel(regel.substr(0, 6), regel.substr(7, 6), std::to_string(maximum), std::to_string(minimum));
  }
  // A second line for a pair: the first one counts.
  const std::size_t regels = project.Doorrijtijdentabel.size();
  for (int extra = Kans(t, 0.4) ? Tussen(t, 1, 4) : 0; extra > 0; --extra) {
    const std::string paar =
        project.Doorrijtijdentabel[static_cast<std::size_t>(Tussen(t, 0, static_cast<int>(regels) - 1))];
    project.Doorrijtijdentabel.push_back(
        DoorrijtijdRegel(paar.substr(0, 6), paar.substr(7, 6), std::to_string(Tussen(t, 0, 40)), "0"));
  }

  // Now and then other special characters: a letter the upper-casing changes, none at all,
  // or the wildcard and the missed-plate character the same.
  static const char* wildcards[] = {"#", "#", "#", "a", "", "*"};
  static const char* gemist[] = {"*", "*", "*", "#", ""};
  project.Gegevens.WildcardKarakter = std::string(wildcards[Tussen(t, 0, 5)]);
  project.Gegevens.GemistKentekenKarakter = std::string(gemist[Tussen(t, 0, 4)]);
  const std::string tekens = Kans(t, 0.5) ? "AB12#*a" : "ABC123#b";
  const int aantal = Tussen(t, 20, 260);
  const int begin = Tussen(t, 0, 2300);
  for (int i = 0; i < aantal; ++i) {
    RRegistratie r;
    r.Post = Kans(t, 0.02) ? std::string("009-ku") : posten[Tussen(t, 0, static_cast<int>(posten.size()) - 1)];
    const int minuten = std::min(begin / 100 * 60 + begin % 100 + Tussen(t, 0, 90), 23 * 60 + 59);
    int hhmm = minuten / 60 * 100 + minuten % 60;
    if (Kans(t, 0.03) && hhmm % 100 < 40) hhmm += 60;  // "0775": read as 8:15
    r.Tijd = VierCijfers(hhmm);
    r.Voertuigtype = std::string(1, "aAlLv"[Tussen(t, 0, 4)]);
    std::string kenteken;
    const int lengte = Kans(t, 0.05) ? Tussen(t, 0, 3) : Tussen(t, 4, 6);
    for (int k = 0; k < lengte; ++k)
      kenteken += tekens[static_cast<std::size_t>(Tussen(t, 0, static_cast<int>(tekens.size()) - 1))];
    r.Kenteken = kenteken;
    project.Registratielijst.push_back(r);
  }
}

// A survey of the generator, small, with high error rates.
void GegenereerdOnderzoek(Toeval& t, Project& project) {
  bench::OnderzoekInstellingen s;
  s.zaad = static_cast<std::uint32_t>(t());
  s.kordonpunten = Tussen(t, 2, 5);
  s.tussenpunten = Tussen(t, 0, 2);
  s.registraties = Tussen(t, 60, 400);
  s.vanTijd = 700;
  s.totTijd = 730 + Tussen(t, 0, 30);
  s.gemist = 0.05;
  s.onleesbaar = 0.1 * Tussen(t, 0, 3);
  s.verwisseld = 0.1 * Tussen(t, 0, 2);
  s.verkeerd = 0.1 * Tussen(t, 0, 2);
  bench::Onderzoek o = bench::OnderzoekMaken(s);
  const std::string bestandsnaam = project.Projectbestandsnaam;
  project = std::move(o.project);
  project.Projectbestandsnaam = bestandsnaam;
}

// A dense survey of the generator: a few hundred registrations within a quarter of an hour at
// a few posts, a fifth of the plates with a wildcard, many misread and swapped characters, so
// that every travel-time window holds many registrations and many plates nearly equal.
void DichtOnderzoek(Toeval& t, Project& project) {
  bench::OnderzoekInstellingen s;
  s.zaad = static_cast<std::uint32_t>(t());
  s.kordonpunten = Tussen(t, 2, 4);
  s.tussenpunten = Tussen(t, 0, 2);
  s.registraties = Tussen(t, 200, 700);
  s.vanTijd = 700;
  s.totTijd = 710 + Tussen(t, 0, 10);
  s.gemist = 0.03;
  s.onleesbaar = 0.2;
  s.verwisseld = 0.1;
  s.verkeerd = 0.15;
  s.overgeslagen = 0.02;
  bench::Onderzoek o = bench::OnderzoekMaken(s);
  const std::string bestandsnaam = project.Projectbestandsnaam;
  project = std::move(o.project);
  project.Projectbestandsnaam = bestandsnaam;
  // Now and then a plate with a second wildcard, or in lower case.
  for (RRegistratie& r : project.Registratielijst) {
    std::string k(r.Kenteken.view());
    if (k.size() == 6 && Kans(t, 0.03)) k[static_cast<std::size_t>(Tussen(t, 0, 5))] = '#';
    if (Kans(t, 0.05)) k = InKleineLetters(k);
    r.Kenteken = k;
  }
}

RMatchInstellingen WillekeurigeInstellingen(Toeval& t, const Project& project) {
  RMatchInstellingen in;
  MaximaleTijden(in, project);
  if (Kans(t, 0.6)) {
    in.Vanaf = VierCijfers(TijdNormaliseren(NaarGetal(in.Vanaf) + Tussen(t, 0, 30)));
    in.Tot = VierCijfers(TijdNormaliseren(NaarGetal(in.Tot) - Tussen(t, 0, 30)));
    in.PeriodeCorrectieIngeschakeld = true;
  }
  in.PeriodeCorrectie = Kans(t, 0.6);
  in.TussenpostenNegeren = Kans(t, 0.2);
  in.BlokkadesControleren = Kans(t, 0.7);
  in.MetWildcards = Kans(t, 0.7);
  in.AantalVerwisseld = Kans(t, 0.6) ? 2 * Tussen(t, 0, 3) : 0;
  in.AantalVerschillend = Kans(t, 0.6) ? Tussen(t, 0, 6) : 0;
  in.GeenHoofdletterverschil = Kans(t, 0.7);
  in.GemisteKentekensToevoegen = Kans(t, 0.7);
  for (int p = 0; p < 6; p += 2) in.Posities[p] = Kans(t, 0.85);
  in.Iteratief = Kans(t, 0.75);
  return in;
}

struct Uitkomst {
  std::string bestand;
  std::vector<int> posities;
  int pompen = 0;
  std::vector<RRegistratie> registratiesNa;
};

Uitkomst Draaien(ProjectOmgeving& o, RMatchInstellingen in, Routezoeker& zoeker, const std::string& naam,
                 int afbrekenBijPomp) {
  o.ui.posities.clear();
  o.ui.pompen = 0;
  o.ui.berichten.clear();
  o.ui.afbrekenBijPomp = afbrekenBijPomp;
  o.ui.antwoorden = {mrJa};  // "Af&breken" when the cancel button is pressed
  in.Bestandsnaam = o.map / naam;
  EXPECT_TRUE(MatchUitvoeren(o.ctx, in, zoeker));
  return {BestandLezen(in.Bestandsnaam).value_or("<missing>"), o.ui.posities, o.ui.pompen, o.project.Registratielijst};
}

enum class Soort { Druk, Gegenereerd, Dicht };

void Vergelijken(int geval, Soort soort) {
  static const char* namen[] = {" (crowded)", " (generated)", " (dense)"};
  SCOPED_TRACE("survey " + std::to_string(geval) + namen[static_cast<int>(soort)]);
  Toeval t(static_cast<std::uint32_t>(geval) * 7919u + static_cast<std::uint32_t>(soort));
  ProjectOmgeving o;
  o.ui.catalogus = &o.catalogus;
  o.project.Projectbestandsnaam = o.map / "onderzoek";
  switch (soort) {
    case Soort::Druk:
      DrukOnderzoek(t, o.project);
      break;
    case Soort::Gegenereerd:
      GegenereerdOnderzoek(t, o.project);
      break;
    case Soort::Dicht:
      DichtOnderzoek(t, o.project);
      break;
  }
  RMatchInstellingen in = WillekeurigeInstellingen(t, o.project);
  if (soort == Soort::Dicht) {
    // Wildcards with many differing characters, alone or with swapped pairs.
    in.MetWildcards = Kans(t, 0.9);
    in.AantalVerschillend = Kans(t, 0.7) ? 3 : Tussen(t, 1, 6);
    in.AantalVerwisseld = 2 * Tussen(t, 0, 3);
  }
  static const int opschoonwaarden[] = {0, 1, 2, 3, 7, 2000};
  o.instellingen.MatchOpschoonWaarde = opschoonwaarden[Tussen(t, 0, 5)];
  const int afbreken = Kans(t, 0.15) ? Tussen(t, 1, 40) : 0;

  const auto eenvoudig = EenvoudigeRoutezoeker();
  const auto snel = SnelleRoutezoeker();
  const Uitkomst verwacht = Draaien(o, in, *eenvoudig, "eenvoudig.mma", afbreken);
  const Uitkomst gekregen = Draaien(o, in, *snel, "snel.mma", afbreken);
  ASSERT_NE(verwacht.bestand, "<missing>");
  EXPECT_EQ(gekregen.bestand, verwacht.bestand);
  EXPECT_EQ(gekregen.posities, verwacht.posities);
  EXPECT_EQ(gekregen.pompen, verwacht.pompen);
  ASSERT_EQ(gekregen.registratiesNa.size(), verwacht.registratiesNa.size());
  for (std::size_t i = 0; i < verwacht.registratiesNa.size(); ++i)
    EXPECT_EQ(gekregen.registratiesNa[i].Regel(), verwacht.registratiesNa[i].Regel());
}

TEST(MatchrunDifferential, CrowdedSurveysWithRandomSettings) {
  for (int geval = 0; geval < 250; ++geval) {
    Vergelijken(geval, Soort::Druk);
    if (HasFailure()) break;
  }
}

TEST(MatchrunDifferential, GeneratedSurveysWithRandomSettings) {
  for (int geval = 0; geval < 150; ++geval) {
    Vergelijken(geval, Soort::Gegenereerd);
    if (HasFailure()) break;
  }
}

TEST(MatchrunDifferential, DenseSurveysWithManyWildcardsAndDifferentCharacters) {
  for (int geval = 0; geval < 120; ++geval) {
    Vergelijken(geval, Soort::Dicht);
    if (HasFailure()) break;
  }
}

}  // namespace
}  // namespace morvask::test
