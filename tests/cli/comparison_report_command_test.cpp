#include <gtest/gtest.h>

#include "analysis/comparison_report.h"
#include "analysis/match_file_fixture.h"
#include "base/context.h"
#include "core/files.h"
#include "core/project.h"
#include "core/project_file.h"
#include "core/registration_list.h"
#include "core/settings.h"
#include "core/win1252.h"
#include "reports/report_export.h"
#include "support/cli_run.h"
#include "support/fake_ui.h"
#include "support/temp_folder.h"

using namespace morvask;
using namespace morvask::test;

namespace {

// The example project, opened as morvask-cli opens it, with the default settings.
struct Voorbeeld {
  Project project;
  RProgrammaInstellingen instellingen;
  Catalogus catalogus;
  NepUi ui;
  Context ctx{project, instellingen, catalogus, ui, Mappen{}};
  Voorbeeld() {
    project.NieuwProject(catalogus, "Nieuw", VandaagTekst());
    EXPECT_TRUE(ProjectLezen(ctx, VoorbeeldProject()));
  }
};

// A match file of the example project: its counts, a few routes over its posts, pairs of two
// iterations and some non-routes.
std::string VoorbeeldMatchbestand(const Project& p, int extraRegistraties = 0) {
  MatchInhoud m;
  m.registraties = AantalRegistraties(p) + extraRegistraties;
  m.posten = AantalPosten(p);
  m.som = SomDoorrijtijden(p).value_or("");
  const auto w = [](const char* t, char type, const char* k) { return Waarneming(t, type, k); };
  m.routes = {Route({"001-ki", "002-ku"}, {w("0700", 'a', "92HJHN"), w("0712", 'a', "92HJHN")}),
              Route({"001-ki", "007-t1", "003-ku"},
                    {w("0703", 'a', "67XR69"), w("0710", 'a', "67XR69"), w("0725", 'a', "67XR69")}),
              Route({"002-ki", "001-ku"}, {w("0704", 'b', "3322ZJ"), w("0714", 'b', "3322ZJ")}),
              Route({"001-ki", "002-ku"}, {w("0705", 'a', "6KXF44"), w("0717", 'l', "6KXF44")})};
  m.controle = {"Iteration 1: TheSameLicenseNumbers",
                "",
                Paar("001-ki", "0700", 'a', "002-ku", "0712", 'a', 12, "-", "92HJHN"),
                Paar("001-ki", "0703", 'a', "007-t1", "0710", 'a', 7, "-", "67XR69"),
                Paar("007-t1", "0710", 'a', "003-ku", "0725", 'a', 15, "-", "67XR69"),
                Paar("002-ki", "0704", 'b', "001-ku", "0714", 'b', 10, "-", "3322ZJ"),
                "",
                "Iteration 2: DifferentCharacters",
                "",
                Paar("001-ki", "0705", 'a', "002-ku", "0717", 'l', 12, "1v, 1t", "6KXF44")};
  m.nietRoutes = {"001-ki 0700 a DF46KP", "001-ki 0703 a 03DRRD", "002-ku 0730 a X", "007-t1 0731 b Y"};
  return m.Tekst();
}

// A row of the routes table with the route column of 35.
std::string Rij35(const std::string& links, int aantal) {
  const std::string a = std::to_string(aantal);
  return links + std::string(35 - links.size(), ' ') + std::string(7 - a.size(), ' ') + a;
}

std::vector<std::string> Basis(const TijdelijkeMap& map) {
  return {"report", map / "v.mma", "--project", VoorbeeldProject(), "--settings", map / "geen.ini"};
}

std::vector<std::string> Met(std::vector<std::string> a, const std::vector<std::string>& extra) {
  a.insert(a.end(), extra.begin(), extra.end());
  return a;
}

}  // namespace

TEST(CliReport, EveryReportTypeWritesWhatTheTextExportWrites) {
  TijdelijkeMap map;
  Voorbeeld v;
  map.Schrijf("v.mma", VoorbeeldMatchbestand(v.project));
  struct Geval {
    std::vector<std::string> opties;
    RVergelijkingsrapportOpties opties2;
  };
  using T = Vergelijkingsrapporttype;
  const auto opties = [](T type, auto aanpassen) {
    RVergelijkingsrapportOpties o;
    o.Type = type;
    aanpassen(o);
    return o;
  };
  const auto niets = [](RVergelijkingsrapportOpties&) {};
  const std::vector<Geval> gevallen = {
      {{}, opties(T::Overzicht, niets)},
      {{"--type", "overview", "--types", "b", "--majority"},
       opties(T::Overzicht,
              [](auto& o) {
                o.Voertuigtypen.Aan = {false, false, false, false, true, false, false, false};
                o.Voertuigtypen.Meerderheid = true;
              })},
      {{"--type", "dhb"}, opties(T::DHB, niets)},
      {{"--type", "dhb", "--routematrix"}, opties(T::DHB, [](auto& o) { o.Routematrix = true; })},
      {{"--type", "traveltimes", "--detail"},
       opties(T::Doorrijtijden, [](auto& o) { o.DoorrijtijdenDetaillijst = true; })},
      {{"--type", "routes", "--detail", "--sort", "count", "--descending"},
       opties(T::Routes,
              [](auto& o) {
                o.Routes = {RouteWeergave::Alle, true, true, true};
              })},
      {{"--type", "routes", "--routes", "cordon"},
       opties(T::Routes, [](auto& o) { o.Routes.Weergave = RouteWeergave::Kordon; })},
      {{"--type", "nonroutes", "--detail"}, opties(T::NietRoutes, [](auto& o) { o.NietRoutesDetaillijst = true; })},
  };
  for (const Geval& g : gevallen) {
    RapportBuffer buffer;
    const auto verwacht = VergelijkingsrapportMaken(buffer, v.ctx, map / "v.mma", g.opties2);
    ASSERT_TRUE(verwacht.has_value());
    const auto o = CliUitvoeren(Met(Basis(map), Met(g.opties, {"-o", map / "r.txt"})));
    EXPECT_EQ(o.status, 0) << o.fout;
    EXPECT_EQ(o.uit, "");
    EXPECT_EQ(o.fout, "");
    EXPECT_EQ(map.Lees("r.txt"), RapportAlsTekst(*verwacht)) << g.opties.size();
    // Standard output: the same lines as UTF-8, ended by LF.
    std::string lf;
    for (const auto& r : verwacht->Regels) lf += Win1252NaarUtf8(r) + "\n";
    const auto u = CliUitvoeren(Met(Basis(map), g.opties));
    EXPECT_EQ(u.status, 0) << u.fout;
    EXPECT_EQ(u.uit, lf);
  }
}

TEST(CliReport, RoutesReportOfTheExampleShowsItsGroups) {
  TijdelijkeMap map;
  Voorbeeld v;
  map.Schrijf("v.mma", VoorbeeldMatchbestand(v.project));
  const auto u = CliUitvoeren(Met(Basis(map), {"--type", "routes", "--sort", "count", "--descending"}));
  ASSERT_EQ(u.status, 0) << u.fout;
  const std::string rule = "\xE2\x80\x94";  // the em dash on the terminal
  std::string lijn;
  for (int i = 0; i < 42; ++i) lijn += rule;
  // Most frequent first; among equal counts the route that sorts last comes first.
  const std::string tabel = lijn + "\n" + Rij35("Van - via - naar waarnemingspost", 0).substr(0, 35) + " Aantal\n" +
                            lijn + "\n" + Rij35("001-ki 002-ku ", 2) + "\n" + Rij35("002-ki 001-ku ", 1) + "\n" +
                            Rij35("001-ki 007-t1 003-ku ", 1) + "\n" + lijn + "\n" + Rij35("Totaal", 4) + "\n" + lijn +
                            "\n";
  EXPECT_NE(u.uit.find(tabel), std::string::npos) << u.uit;
  EXPECT_EQ(u.uit.substr(0, 3), rule);
}

TEST(CliReport, DhbMatrixAsCsv) {
  TijdelijkeMap map;
  Voorbeeld v;
  map.Schrijf("v.mma", VoorbeeldMatchbestand(v.project));
  const auto u = CliUitvoeren(Met(Basis(map), {"--type", "dhb", "--format", "csv", "-o", map / "d.csv"}));
  ASSERT_EQ(u.status, 0) << u.fout;
  const std::string csv = map.Lees("d.csv");
  const std::string eenheid(7, '\x97');
  const std::string begin = "\"" + eenheid + "\",\"" + eenheid + "\",";
  EXPECT_EQ(csv.substr(0, begin.size()), begin);
  EXPECT_NE(csv.find("\r\n\"Van    \",\" Naar p\",\"ost    \",\"\","), std::string::npos);
  EXPECT_NE(csv.find("\"001-ki \",\"0\",\"2\",\"1\",\"0\",\"0\",\"0\",\"\",\"3\",\"2\",\"5\"\r\n"), std::string::npos);
  // A report without a table is text even when CSV is asked for.
  const auto t = CliUitvoeren(Met(Basis(map), {"--type", "routes", "--format", "csv"}));
  EXPECT_EQ(t.status, 0);
  EXPECT_NE(t.uit.find("Routes tussen waarnemingsposten.\n"), std::string::npos);
}

TEST(CliReport, ConsistencyQuestionIsAnsweredByForce) {
  TijdelijkeMap map;
  Voorbeeld v;
  map.Schrijf("v.mma", VoorbeeldMatchbestand(v.project, 1));
  const auto zonder = CliUitvoeren(Basis(map));
  EXPECT_EQ(zonder.status, 1);
  EXPECT_EQ(zonder.uit, "");
  EXPECT_NE(zonder.fout.find("Er is een verschil gevonden tussen de basisgegevens"), std::string::npos);
  EXPECT_NE(zonder.fout.find("\n\nToch doorgaan?\n"), std::string::npos);
  EXPECT_TRUE(zonder.fout.ends_with("\nmorvask-cli: answered \"Nee\"; --force answers \"Ja\"\n")) << zonder.fout;
  const auto met = CliUitvoeren(Met(Basis(map), {"--force"}));
  EXPECT_EQ(met.status, 0) << met.fout;
  EXPECT_EQ(met.fout, "");
  EXPECT_NE(met.uit.find("Vergelijkingsoverzicht.\n"), std::string::npos);
}

TEST(CliReport, FailuresAndWrongUsage) {
  TijdelijkeMap map;
  Voorbeeld v;
  map.Schrijf("v.mma", VoorbeeldMatchbestand(v.project));
  struct Geval {
    std::vector<std::string> args;
    int status;
    std::string fout;
  };
  const std::string geen = map / "geen.ini";
  const std::vector<Geval> gevallen = {
      {{"report", map / "weg.mma", "--project", VoorbeeldProject()},
       1,
       "Bestand \"" + (map / "weg.mma") + "\" niet gevonden.\n"},
      {{"report", map / "v.mma", "--project", map / "weg.mpr"}, 1, "Kan bestand "},
      {{"report", map / "v.mma"}, 2, "morvask-cli: report needs --project PROJECT"},
      {{"report", "--project", VoorbeeldProject()}, 2, "morvask-cli: missing argument"},
      {{"report", map / "v.mma", "--project", VoorbeeldProject(), "--type", "pie"},
       2,
       "morvask-cli: --type takes overview|dhb|traveltimes|routes|nonroutes"},
      {{"report", map / "v.mma", "--project", VoorbeeldProject(), "--routes", "some"},
       2,
       "morvask-cli: --routes takes all|cordon|all-selected|one-selected"},
      {{"report", map / "v.mma", "--project", VoorbeeldProject(), "--sort", "time"},
       2,
       "morvask-cli: --sort takes post|count"},
      {{"report", map / "v.mma", "--project", VoorbeeldProject(), "--types", "ax"}, 2, "morvask-cli: --types"},
      {{"report", map / "v.mma", "--project", VoorbeeldProject(), "--posts", "001-ki,099-ku"}, 1, ""},
  };
  for (const Geval& g : gevallen) {
    const auto u = CliUitvoeren(Met(g.args, {"--settings", geen}));
    EXPECT_EQ(u.status, g.status) << g.args.back() << ": " << u.fout;
    EXPECT_EQ(u.fout.substr(0, g.fout.size()), g.fout);
    EXPECT_EQ(u.uit, "");
  }
}

TEST(CliReport, MarkedPostsSelectTheRoutes) {
  TijdelijkeMap map;
  Voorbeeld v;
  map.Schrijf("v.mma", VoorbeeldMatchbestand(v.project));
  const auto u =
      CliUitvoeren(Met(Basis(map), {"--type", "routes", "--routes", "one-selected", "--posts", "007-t1,001-ku"}));
  ASSERT_EQ(u.status, 0) << u.fout;
  EXPECT_NE(u.uit.find("\n" + Rij35("001-ki 007-t1 003-ku ", 1) + "\n"), std::string::npos);
  EXPECT_NE(u.uit.find("\n" + Rij35("002-ki 001-ku ", 1) + "\n"), std::string::npos);
  EXPECT_EQ(u.uit.find("\n001-ki 002-ku    "), std::string::npos);
  EXPECT_NE(u.uit.find("\n" + Rij35("Totaal", 2) + "\n"), std::string::npos);
}

TEST(CliReport, EveryReportOfTheExampleProjectAfterItsMatchingRun) {
  TijdelijkeMap map;
  map.Schrijf("voorbeeld.mpr", BestandLezen(VoorbeeldProject()).value_or(""));
  const auto m = CliUitvoeren({"match", map / "voorbeeld.mpr", "--settings", map / "geen.ini"});
  ASSERT_EQ(m.status, 0) << m.fout;
  Voorbeeld v;
  using T = Vergelijkingsrapporttype;
  const std::vector<std::pair<std::string, T>> typen = {{"overview", T::Overzicht},
                                                        {"dhb", T::DHB},
                                                        {"traveltimes", T::Doorrijtijden},
                                                        {"routes", T::Routes},
                                                        {"nonroutes", T::NietRoutes}};
  for (const auto& [naam, type] : typen) {
    RVergelijkingsrapportOpties opties;
    opties.Type = type;
    opties.Routes.Detaillijst = opties.NietRoutesDetaillijst = opties.DoorrijtijdenDetaillijst = true;
    RapportBuffer buffer;
    const auto verwacht = VergelijkingsrapportMaken(buffer, v.ctx, map / "voorbeeld.mma", opties);
    ASSERT_TRUE(verwacht.has_value());
    // The run's file belongs to the project: no question, no message.
    EXPECT_TRUE(v.ui.berichten.empty());
    const auto u = CliUitvoeren({"report", map / "voorbeeld.mma", "--project", map / "voorbeeld.mpr", "--settings",
                                 map / "geen.ini", "--type", naam, "--detail", "-o", map / "r.txt"});
    EXPECT_EQ(u.status, 0) << naam << ": " << u.fout;
    EXPECT_EQ(u.fout, "");
    EXPECT_EQ(map.Lees("r.txt"), RapportAlsTekst(*verwacht)) << naam;
    EXPECT_GT(verwacht->Regels.size(), 45u) << naam;
  }
}
