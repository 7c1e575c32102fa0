#include "analysis/intensities.h"

#include <gtest/gtest.h>

#include <random>

#include "core/text_utils.h"
#include "core/times.h"
#include "reports/report_export.h"
#include "support/report_fixture.h"
#include "survey/survey_generator.h"

using namespace morvask;
using namespace morvask::test;

namespace {

RIntensiteitenVenster Venster(const std::string& vanaf, const std::string& tot, const std::string& interval) {
  RIntensiteitenVenster v;
  v.Vanaf = vanaf;
  v.Tot = tot;
  v.Interval = interval;
  return v;
}

// The start and end columns of the interval rows and the total row's label.
std::vector<std::string> Tijden(const Rapport& r) {
  std::vector<std::string> uit;
  for (int rij = 4; rij < r.Tabel.RijAantal() - 3; ++rij) uit.push_back(r.Tabel.Cel(0, rij) + r.Tabel.Cel(1, rij));
  return uit;
}

// The cells of a column from the first interval row to the total row.
std::vector<std::string> Kolom(const Rapport& r, int kolom) {
  std::vector<std::string> uit;
  for (int rij = 4; rij < r.Tabel.RijAantal() - 1; ++rij) uit.push_back(r.Tabel.Cel(kolom, rij));
  return uit;
}

// ---- The straightforward count, as the window's counting rule states it ----------------------

// For every interval row and every marked post, one walk over all registrations; then the
// total row. A cancel after row n ends the rows and leaves the total row empty.
std::vector<std::vector<std::string>> Orakel(const Project& p, const RIntensiteitenVenster& v, int interval,
                                             int afbrekenNaRij = 0) {
  const int vanaf = std::stoi(v.Vanaf), tot = std::stoi(v.Tot);
  const int stap = interval > 59 ? interval + 40 : interval;
  const char gemistTeken = p.Gegevens.GemistKentekenKarakter.empty() ? '\0' : p.Gegevens.GemistKentekenKarakter[0];
  const char wildcard = p.Gegevens.WildcardKarakter.empty() ? '\0' : p.Gegevens.WildcardKarakter[0];
  std::vector<const RWaarnemingspost*> posten;
  for (const auto& post : p.Postlijst)
    if (post.Geselecteerd) posten.push_back(&post);

  auto telling = [&](const RWaarnemingspost& post, int a, int b) {
    long long n = 0;
    for (const RRegistratie& r : p.Registratielijst) {
      int t = 0;
      if (r.Post.view() != post.Postcode.view() || !ProbeerGetal(r.Tijd.view(), t) || t < a || t >= b) continue;
      const std::string plaat = r.Kenteken.str();
      const bool gemist = !plaat.empty() && gemistTeken != '\0' && plaat[0] == gemistTeken;
      if (v.Selectietype == 1) {
        const std::string type = InKleineLetters(r.Voertuigtype.view());
        const auto i = type.size() == 1 ? Voertuigtypen.find(type[0]) : std::string_view::npos;
        if (i != std::string_view::npos && v.Voertuigtypen[i] && (!gemist || v.GemisteKentekensMeetellen)) ++n;
      } else {
        if (gemist && v.GemisteKentekens) ++n;
        if (wildcard != '\0' && plaat.find(wildcard) != std::string::npos && v.GemisteKarakters) ++n;
      }
    }
    return n;
  };

  std::vector<std::vector<std::string>> rijen;
  bool afgebroken = false;
  int a = vanaf, b = TijdNormaliseren(vanaf + stap);
  while (a < tot && !afgebroken && b > a) {
    std::vector<std::string> rij = {TijdOpmaken(a) + " - ", TijdOpmaken(b) + "   "};
    long long som = 0;
    for (const auto* post : posten) {
      const long long n = telling(*post, a, b);
      rij.push_back(std::to_string(n));
      som += n;
    }
    rij.push_back(std::to_string(som));
    rijen.push_back(rij);
    if (static_cast<int>(rijen.size()) == afbrekenNaRij) afgebroken = true;
    a = b;
    b = TijdNormaliseren(b + stap);
  }
  rijen.emplace_back(posten.size() + 3);
  std::vector<std::string> totaal(posten.size() + 3);
  totaal[0] = "Totaal ";
  if (!afgebroken) {
    long long som = 0;
    for (std::size_t k = 0; k < posten.size(); ++k) {
      const long long n = telling(*posten[k], vanaf, tot);
      totaal[k + 2] = std::to_string(n);
      som += n;
    }
    totaal.back() = std::to_string(som);
  }
  rijen.push_back(totaal);
  return rijen;
}

std::vector<std::vector<std::string>> Rijen(const Rapport& r) {
  std::vector<std::vector<std::string>> uit;
  for (int rij = 4; rij < r.Tabel.RijAantal() - 1; ++rij) {
    std::vector<std::string> cellen;
    for (int k = 0; k < r.Tabel.KolomAantal(); ++k) cellen.push_back(r.Tabel.Cel(k, rij));
    uit.push_back(cellen);
  }
  return uit;
}

// The interval rows as the data values give them: per row its start and end cell, then the
// count of each post in its column and the row's sum; the form of Rijen without its last two.
std::vector<std::vector<std::string>> RijenUitGegevens(const Rapport& r) {
  const int s = r.Tabel.KolomAantal() - 3;
  const std::size_t n = s > 0 ? r.Gegevens.Rijen.size() / static_cast<std::size_t>(s) : 0;
  std::vector<std::vector<std::string>> uit(n, std::vector<std::string>(static_cast<std::size_t>(s) + 3));
  std::vector<long long> som(n, 0);
  const auto tijd = [](const Gegevensveld& v) {  // "07:15" as the table's "0715"
    std::string t = std::get<std::string>(v);
    return t.size() == 5 && t[2] == ':' ? t.erase(2, 1) : "?" + t;
  };
  for (std::size_t i = 0; i < r.Gegevens.Rijen.size(); ++i) {
    const auto& rij = r.Gegevens.Rijen[i];
    const std::size_t k = i / n, regel = i % n;
    EXPECT_EQ(std::get<std::string>(rij[0]), r.Tabel.Cel(static_cast<int>(k) + 2, 2));  // the post's column
    uit[regel][0] = tijd(rij[1]) + " - ";
    uit[regel][1] = tijd(rij[2]) + "   ";
    uit[regel][k + 2] = std::to_string(std::get<long long>(rij[3]));
    som[regel] += std::get<long long>(rij[3]);
  }
  for (std::size_t regel = 0; regel < n; ++regel) uit[regel].back() = std::to_string(som[regel]);
  return uit;
}

std::vector<std::vector<std::string>> ZonderTotaal(std::vector<std::vector<std::string>> rijen) {
  rijen.resize(rijen.size() - 2);  // the empty row and the total row
  return rijen;
}

struct KleinProject : RapportProject {
  KleinProject() {
    project.PostToevoegen("001-ki", "");
    project.PostToevoegen("002-ku", "");
    for (const char* t : {"0700", "0714", "0715", "0749", "0750", "0759", "0800"})
      project.RegistratieToevoegen("001-ki", t, "a", "AB12CD");
    project.RegistratieToevoegen("002-ku", "0745", "b", "XY12ZZ");
    project.RegistratieToevoegen("002-ku", "0730", "a", "*");
    project.RegistratieToevoegen("002-ku", "0731", "X", "GH12JK");  // no vehicle type of the eight
    project.RegistratieToevoegen("002-ki", "0731", "a", "GH12JK");  // no post of the project
    project.RegistratieToevoegen("001-ki", "07.5", "a", "GH12JK");  // no whole-number time
    instellingen.RapportAfkortingOmschrijvingWeergeven = false;
  }
};

}  // namespace

TEST(IntensiteitenVenster, PresetsRoundTheEarliestAndLatestTimes) {
  struct Geval {
    std::string vroegst, laatst, knop;
    std::string vanaf, tot, interval;
  };
  const std::vector<Geval> gevallen = {
      {"0712", "1744", "15", "0700", "1745", "15"},  {"0715", "1745", "15", "0715", "1800", "15"},
      {"0759", "1759", "15", "0745", "1800", "15"},  {"0746", "2350", "15", "0745", "2359", "15"},
      {"0729", "1729", "30", "0700", "1730", "30"},  {"0730", "1730", "30", "0730", "1800", "30"},
      {"0759", "1700", "60", "0700", "1800", "60"},  {"0759", "2300", "60", "0700", "2359", "60"},
      {"0712", "1744", "max", "0712", "1804", "20"}, {"0712", "1750", "max", "0712", "1810", "20"},
  };
  for (const Geval& g : gevallen) {
    RapportProject o;
    o.project.RegistratieToevoegen("001-ki", g.laatst, "a", "A");
    o.project.RegistratieToevoegen("001-ki", g.vroegst, "a", "B");
    o.project.RegistratieToevoegen("001-ki", "x", "a", "C");  // no whole number: not a time
    RIntensiteitenVenster v = Venster("", "", "20");
    if (g.knop == "max")
      MaximaleTijden(v, o.project, o.instellingen);
    else
      AutomatischInterval(v, o.project, std::stoi(g.knop));
    EXPECT_EQ(v.Vanaf + " " + v.Tot + " " + v.Interval, g.vanaf + " " + g.tot + " " + g.interval)
        << g.vroegst << "-" << g.laatst << " " << g.knop;
  }
}

TEST(IntensiteitenVenster, FirstOpeningTakesTheSettingsIntervalAndTheMaximumTimes) {
  RapportProject o;
  o.instellingen.IntensiteitenInterval = 20;
  RIntensiteitenVenster v;
  IntensiteitenVensterOpenen(v, o.project, o.instellingen);  // no registrations: 0 and 0 + 20
  EXPECT_EQ(v.Vanaf + " " + v.Tot + " " + v.Interval, "0000 0020 20");
  o.project.RegistratieToevoegen("001-ki", "0650", "a", "A");
  o.project.RegistratieToevoegen("001-ki", "0845", "a", "A");
  v = RIntensiteitenVenster{};
  IntensiteitenVensterOpenen(v, o.project, o.instellingen);
  EXPECT_EQ(v.Vanaf + " " + v.Tot + " " + v.Interval, "0650 0905 20");
  // Values entered stay for the next opening.
  VanafInvoeren(v, "0700");
  IntensiteitenVensterOpenen(v, o.project, o.instellingen);
  EXPECT_EQ(v.Vanaf + " " + v.Tot + " " + v.Interval, "0700 0905 20");
}

TEST(IntensiteitenVenster, FieldRulesActAsTheUserTypes) {
  RProgrammaInstellingen s;
  s.IntensiteitenInterval = 15;
  struct Geval {
    std::string getypt, interval;
  };
  for (const Geval& g : {Geval{"0", "15"}, Geval{"-3", "15"}, Geval{"2360", "15"}, Geval{"2359", "2359"},
                         Geval{"90", "90"}, Geval{"abc", "15"}, Geval{"", "15"}}) {
    RIntensiteitenVenster v;
    IntervalInvoeren(v, g.getypt, s);
    EXPECT_EQ(v.Interval, g.interval) << g.getypt;
  }
  struct Tijd {
    std::string getypt, veld;
  };
  for (const Tijd& t : {Tijd{"860", "0900"}, Tijd{"2400", "2359"}, Tijd{"7", "0007"}, Tijd{"0815", "0815"},
                        Tijd{"-5", "0000"}, Tijd{"ab", "ab"}, Tijd{"", ""}}) {
    RIntensiteitenVenster v;
    VanafInvoeren(v, t.getypt);
    TotInvoeren(v, t.getypt);
    EXPECT_EQ(v.Vanaf, t.veld) << t.getypt;
    EXPECT_EQ(v.Tot, t.veld) << t.getypt;
  }
  EXPECT_EQ(Intervalverschuiving(59), 59);
  EXPECT_EQ(Intervalverschuiving(60), 100);
  EXPECT_EQ(Intervalverschuiving(90), 130);
}

TEST(Intensiteitenrapport, CountsPerPostAndIntervalWithTheTotalUpToTheUntilTime) {
  KleinProject o;
  const auto r = RapportIntensiteiten(o.ctx, Venster("0700", "0750", "15"));
  ASSERT_TRUE(r);
  EXPECT_EQ(r->Titel, "Intensiteiten");
  const std::string lijn = RapportProject::Lijn(35);
  EXPECT_EQ(r->Regels, Samen({RapportProject::Kop(),
                              {"Aantal geregistreerde voertuigen per waarnemingspost.",
                               "- Voertuigtype(n): alle voertuigen.", "- Intensiteiten inclusief gemiste kentekens.",
                               "", lijn, "Tijd           Waarnemingspost     ", "Van  - tot     001-ki 002-ku Totaal",
                               lijn, "0700 - 0715         2      0      2", "0715 - 0730         1      0      1",
                               "0730 - 0745         0      1      1", "0745 - 0800         3      1      4",
                               std::string(35, ' '), "Totaal              4      2      6", lijn, ""}}));
  // The data: per post, per interval row, its count.
  using Rij = std::vector<Gegevensveld>;
  EXPECT_EQ(r->Gegevens.Kolommen, (std::vector<std::string>{"post", "from", "until", "count"}));
  EXPECT_EQ(r->Gegevens.Rijen, (std::vector<Rij>{{"001-ki", "07:00", "07:15", 2LL},
                                                 {"001-ki", "07:15", "07:30", 1LL},
                                                 {"001-ki", "07:30", "07:45", 0LL},
                                                 {"001-ki", "07:45", "08:00", 3LL},
                                                 {"002-ku", "07:00", "07:15", 0LL},
                                                 {"002-ku", "07:15", "07:30", 0LL},
                                                 {"002-ku", "07:30", "07:45", 1LL},
                                                 {"002-ku", "07:45", "08:00", 1LL}}));
  ASSERT_TRUE(r->BevatTabelData);
  // The CSV starts with a row of quoted separator cells, one per column.
  const std::string csv = RapportAlsCsv(*r);
  EXPECT_EQ(csv.substr(0, csv.find("\r\n")), "\"=======\",\"=======\",\"=======\",\"=======\",\"=======\"");
  EXPECT_EQ(csv.substr(csv.find("\r\n") + 2, 54),
            "\"Tijd   \",\"\",\" Waarne\",\"mingspo\",\"st     \"\r\n\"Van  - \",");
  // Progress: shown with the cancel button and its text, a step per row, closed at the end.
  EXPECT_EQ(o.ui.voortgangTekst, "Tabel met intensiteiten wordt gemaakt...");
  EXPECT_EQ(o.ui.posities, (std::vector<int>{0, 25, 50, 75, 100, 100}));
  EXPECT_EQ(o.ui.pompen, 4);
  EXPECT_FALSE(o.ui.voortgangZichtbaar);
}

TEST(Intensiteitenrapport, RowsStepByTheIntervalOffsetAndEndAt2359) {
  struct Geval {
    std::string vanaf, tot, interval;
    std::vector<std::string> rijen;
  };
  const std::vector<Geval> gevallen = {
      {"0700", "1100", "90", {"0700 - 0830   ", "0830 - 1000   ", "1000 - 1130   "}},
      {"0700", "0800", "60", {"0700 - 0800   "}},
      {"0700", "0701", "60", {"0700 - 0800   "}},
      {"0700", "0700", "15", {}},
      {"0800", "0700", "15", {}},
      {"2330", "2359", "15", {"2330 - 2345   ", "2345 - 2359   "}},
      {"2330", "2400", "15", {"2330 - 2345   ", "2345 - 2359   "}},  // an until time never reached
      {"2330", "9999", "45", {"2330 - 2359   "}},
      {"2359", "9999", "15", {}},
      {"0000", "0300", "120", {"0000 - 0200   ", "0200 - 0400   "}},
  };
  for (const Geval& g : gevallen) {
    KleinProject o;
    const auto r = RapportIntensiteiten(o.ctx, Venster(g.vanaf, g.tot, g.interval));
    ASSERT_TRUE(r);
    EXPECT_EQ(Tijden(*r), g.rijen) << g.vanaf << "-" << g.tot << " " << g.interval;
    EXPECT_EQ(r->Tabel.Cel(0, r->Tabel.RijAantal() - 2), "Totaal ");
    EXPECT_EQ(r->Tabel.RijAantal(), static_cast<int>(g.rijen.size()) + 7);
  }
}

TEST(Intensiteitenrapport, SelectionTypesCountMissedPlatesAndMissedCharacters) {
  struct Geval {
    int selectietype;
    std::string typen;
    bool meetellen, gemist, karakters;
    std::string regel1;  // the first line after the header
    std::string totaal;  // of post 001-ki, [0700, 0800)
  };
  // 001-ki: a AB12CD, a *, b #B12CD, m *#, A AB12CD, x AB12CD.
  const std::vector<Geval> gevallen = {
      {1, "almzbour", true, true, true, "Aantal geregistreerde voertuigen per waarnemingspost.", "5"},
      {1, "almzbour", false, true, true, "Aantal geregistreerde voertuigen per waarnemingspost.", "3"},
      {1, "ab", true, true, true, "Aantal geregistreerde voertuigen per waarnemingspost.", "4"},
      {1, "", true, true, true, "Aantal geregistreerde voertuigen per waarnemingspost.", "0"},
      {2, "a", true, true, true, "Aantal gemiste kentekens en kentekens met gemiste karakters per waarnemingspost.",
       "4"},
      {2, "a", true, true, false, "Aantal gemiste kentekens per waarnemingspost.", "2"},
      {2, "a", true, false, true, "Aantal kentekens met gemiste karakters per waarnemingspost.", "2"},
      {2, "a", true, false, false, "", "0"},
  };
  for (const Geval& g : gevallen) {
    RapportProject o;
    o.project.PostToevoegen("001-ki", "");
    for (const auto& [type, plaat] : std::vector<std::pair<std::string, std::string>>{
             {"a", "AB12CD"}, {"a", "*"}, {"b", "#B12CD"}, {"m", "*#"}, {"A", "AB12CD"}, {"x", "AB12CD"}})
      o.project.RegistratieToevoegen("001-ki", "0710", type, plaat);
    RIntensiteitenVenster v = Venster("0700", "0800", "60");
    v.Selectietype = g.selectietype;
    ASSERT_TRUE(VoertuigtypekeuzeUitLetters(g.typen, v.Voertuigtypen));
    v.GemisteKentekensMeetellen = g.meetellen;
    v.GemisteKentekens = g.gemist;
    v.GemisteKarakters = g.karakters;
    const auto r = RapportIntensiteiten(o.ctx, v);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Regels[4], g.regel1);
    EXPECT_EQ(Kolom(*r, 2), (std::vector<std::string>{g.totaal, "", g.totaal}));
    if (g.selectietype == 1) {
      EXPECT_EQ(r->Regels[6], g.meetellen ? "- Intensiteiten inclusief gemiste kentekens."
                                          : "- Intensiteiten exclusief gemiste kentekens.");
    }
  }
}

TEST(Intensiteitenrapport, OnlyMarkedPostsAreReported) {
  KleinProject o;
  o.project.Postlijst[0].Geselecteerd = false;
  auto r = RapportIntensiteiten(o.ctx, Venster("0700", "0800", "60"));
  ASSERT_TRUE(r);
  EXPECT_EQ(r->Tabel.KolomAantal(), 4);
  EXPECT_EQ(r->Tabel.Cel(2, 2), "002-ku");
  EXPECT_EQ(r->Tabel.Cel(3, 2), "Totaal");
  EXPECT_EQ(r->Tabel.Cel(3, 1), "mingspo");
  AlleWaarnemingspostenSelecteren(o.project, false);
  r = RapportIntensiteiten(o.ctx, Venster("0700", "0800", "60"));
  ASSERT_TRUE(r);
  // No post: the time columns and the total; the heading piece of column 3 and beyond is dropped.
  EXPECT_EQ(r->Tabel.KolomAantal(), 3);
  EXPECT_EQ(r->Tabel.Cel(2, 1), " Waarne");
  EXPECT_EQ(Kolom(*r, 2), (std::vector<std::string>{"0", "", "0"}));
  AlleWaarnemingspostenSelecteren(o.project, true);
  EXPECT_TRUE(o.project.Postlijst[0].Geselecteerd && o.project.Postlijst[1].Geselecteerd);
}

TEST(Intensiteitenrapport, ACancelEndsTheRowsAndLeavesTheTotalRowWithoutCounts) {
  KleinProject o;
  o.ui.catalogus = &o.catalogus;
  o.ui.afbrekenBijPomp = 2;  // the cancel button during the pump after the second row
  o.ui.antwoorden = {mrJa};  // "Af&breken"
  const RIntensiteitenVenster v = Venster("0700", "0800", "15");
  const auto r = RapportIntensiteiten(o.ctx, v);
  ASSERT_TRUE(r);
  EXPECT_EQ(Tijden(*r), (std::vector<std::string>{"0700 - 0715   ", "0715 - 0730   "}));
  EXPECT_EQ(Rijen(*r), Orakel(o.project, v, 15, 2));
  EXPECT_EQ(r->Tabel.Cel(2, r->Tabel.RijAantal() - 2), "");
  EXPECT_EQ(RijenUitGegevens(*r), ZonderTotaal(Rijen(*r)));  // the data of the rows made
  EXPECT_EQ(o.ui.posities.back(), 100);
  // "&Niet afbreken" lets the report go on to the end.
  KleinProject n;
  n.ui.catalogus = &n.catalogus;
  n.ui.afbrekenBijPomp = 1;
  n.ui.antwoorden = {mrNee};
  EXPECT_EQ(Rijen(*RapportIntensiteiten(n.ctx, v)), Orakel(n.project, v, 15));
}

TEST(Intensiteitenrapport, AFieldWithoutAWholeNumberGivesTheGeneralErrorAndNoReport) {
  KleinProject o;
  EXPECT_FALSE(RapportIntensiteiten(o.ctx, Venster("07:00", "0800", "15")));
  EXPECT_FALSE(RapportIntensiteiten(o.ctx, Venster("0700", "", "15")));
  EXPECT_EQ(o.ui.Teksten("fout"),
            (std::vector<std::string>{"\"07:00\" is geen geldig geheel getal.", "\"\" is geen geldig geheel getal."}));
  EXPECT_FALSE(o.ui.voortgangZichtbaar);
}

TEST(Intensiteitenrapport, TheOnePassCountEqualsTheStraightforwardCountOnGeneratedSurveys) {
  struct Keuze {
    std::string vanaf, tot, interval;
    int selectietype;
    std::string typen;
    bool meetellen, gemist, karakters;
    int afbreken;
  };
  const std::vector<Keuze> keuzes = {
      {"0700", "0900", "15", 1, "almzbour", true, true, true, 0},
      {"0650", "0915", "7", 1, "ab", false, true, true, 0},
      {"0000", "2359", "60", 2, "a", true, true, true, 0},
      {"0730", "0810", "90", 2, "a", true, false, true, 0},
      {"0701", "0859", "130", 1, "lmzbour", true, true, false, 0},
      {"0700", "0900", "5", 2, "a", true, true, false, 7},
      {"0815", "0800", "15", 1, "almzbour", true, true, true, 0},
      {"2300", "2359", "25", 1, "almzbour", true, true, true, 0},
  };
  for (std::uint32_t zaad : {3u, 17u}) {
    bench::OnderzoekInstellingen oi;
    oi.zaad = zaad;
    oi.kordonpunten = 4;
    oi.tussenpunten = 2;
    oi.registraties = 4000;
    oi.gemist = 0.1;
    oi.onleesbaar = 0.1;
    RapportProject o;
    o.project = bench::OnderzoekMaken(oi).project;
    // Odd registrations the file check would report: they must be counted alike.
    std::mt19937 willekeur(zaad);
    for (const char* tijd : {"ab", "2400", "-5", "875", "0760", "+800", "9999", "07"})
      o.project.RegistratieToevoegen(o.project.Postlijst[willekeur() % o.project.Postlijst.size()].Postcode.view(),
                                     tijd, "A", "*B#");
    o.project.RegistratieToevoegen("999-ki", "0800", "a", "AB12CD");
    o.project.RegistratieToevoegen(o.project.Postlijst[0].Postcode.view(), "0800", "", "");
    for (std::size_t i = 0; i < o.project.Postlijst.size(); i += 3) o.project.Postlijst[i].Geselecteerd = false;

    for (const Keuze& k : keuzes) {
      RIntensiteitenVenster v = Venster(k.vanaf, k.tot, k.interval);
      v.Selectietype = k.selectietype;
      ASSERT_TRUE(VoertuigtypekeuzeUitLetters(k.typen, v.Voertuigtypen));
      v.GemisteKentekensMeetellen = k.meetellen;
      v.GemisteKentekens = k.gemist;
      v.GemisteKarakters = k.karakters;
      o.ui.afbrekenBijPomp = k.afbreken;
      o.ui.pompen = 0;
      o.ui.catalogus = &o.catalogus;
      o.ui.antwoorden = {mrJa};
      const auto r = RapportIntensiteiten(o.ctx, v);
      ASSERT_TRUE(r);
      EXPECT_EQ(Rijen(*r), Orakel(o.project, v, std::stoi(k.interval), k.afbreken))
          << zaad << " " << k.vanaf << "-" << k.tot << " " << k.interval;
      EXPECT_EQ(RijenUitGegevens(*r), ZonderTotaal(Rijen(*r))) << zaad << " " << k.vanaf << "-" << k.tot;
    }
  }
}
