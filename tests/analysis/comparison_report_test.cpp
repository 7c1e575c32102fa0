#include <gtest/gtest.h>

#include "analysis/comparison_report.h"
#include "analysis/comparison_settings_text.h"
#include "comparison_report_fixture.h"
#include "support/temp_folder.h"

using namespace morvask;
using namespace morvask::test;

namespace {

using Regels = std::vector<std::string>;

}  // namespace

TEST(Vergelijkingsinstellingen, EverySettingOffWithTheMajorityRuleAndTheInterruption) {
  RapportOmgeving o;
  RMatchbestandInstellingen s;
  s.MiTimeFrom = 5;
  s.MiTimeUntil = 2400;
  s.MiInterruptByUser = true;
  RVoertuigtypeKeuze keuze;
  keuze.Meerderheid = true;
  keuze.Aan = {true, false, false, false, false, false, false, false};
  o.project.Gegevens.VehTypea = "Auto";
  EXPECT_EQ(
      VergelijkingsinstellingenTekst(s, keuze, o.project.Gegevens, o.catalogus),
      (Regels{"- Periode: 0005 uur tot 2359 uur.",
              "- Zonder correctie onderwaardering doorgaand verkeer bij voor- en/of naloopperiode.",
              "- Kentekens vergeleken op 0 karakters.", "- Verschil tussen grote en kleine karakters.",
              "- Vergelijking niet volgens iteratief proces.", "- Niet vergeleken met gemiste karakters (wildcards).",
              "- Kentekens zijn gelijk als ten hoogste 0 naast elkaar staande karakters verwisseld zijn.",
              "- Kentekens zijn gelijk als ten hoogste 0 karakter(s) verschillend is (zijn).",
              "- Gemiste kentekens niet toegevoegd bij herkomst- en bestemmingsverkeer.",
              "- Voertuigtype(n): Auto (a).",
              "- Bij de vergelijking van 2 registraties (of meer, als de route uit meer dan 2 registraties bestaat)",
              "  dienen beide registraties (of de meeste, als de route uit meer dan 2 registraties bestaat)",
              "  van het (de) geselecteerde voertuigtype(n) te zijn.", "- Tussenposten meegenomen bij vergelijking.",
              "- Niet gecontroleerd op blokkades met eerste waarnemingspost in route.", "",
              "Attentie: Kentekenvergelijking afgebroken door gebruiker!", ""}));
}

TEST(Vergelijkingsinstellingen, AKeyMissingFromTheFileStartsAtNoForEachReport) {
  // The first report's file was interrupted; the second file has no such key.
  RapportOmgeving o;
  MatchInhoud eerste;
  eerste.algemeen.back() = "MiInterruptByUser=1";
  MatchInhoud tweede;
  tweede.algemeen.pop_back();
  const Rapport a = o.Maak(eerste, {});
  const Rapport b = o.Maak(tweede, {});
  const auto heeft = [](const Rapport& r) {
    return std::find(r.Regels.begin(), r.Regels.end(), "Attentie: Kentekenvergelijking afgebroken door gebruiker!") !=
           r.Regels.end();
  };
  EXPECT_TRUE(heeft(a));
  EXPECT_FALSE(heeft(b));
  // In the settings block of the report the vehicle-type line follows the report's boxes.
  RVergelijkingsrapportOpties opties;
  opties.Voertuigtypen.Aan = {true, true, true, true, true, true, true, false};
  const Rapport c = o.Maak(tweede, opties);
  EXPECT_EQ(c.Regels[15], "- Voertuigtype(n): Personenauto (a), Lichte vrachtauto (l), Middelzware vrachtauto (m), ");
  EXPECT_EQ(c.Regels[16], "  Zware vrachtauto (z), Bestelbus (b), Motor (o), Landbouwvoertuig (u).");
  EXPECT_EQ(c.Regels[17].substr(0, 10), "- Bij de v");
}

namespace {

// A project with two posts, one travel-time line and three registrations, and a match file
// made from it.
struct Consistentie : RapportOmgeving {
  TijdelijkeMap map;
  Consistentie() : RapportOmgeving({"001-ki", "002-ku"}) {
    project.Doorrijtijdentabel = {"001-ki 002-ku   15    5"};
    project.RegistratieToevoegen("001-ki", "0800", "a", "AB12CD");
    project.RegistratieToevoegen("002-ku", "0810", "a", "AB12CD");
    project.RegistratieToevoegen("001-ki", "0805", "b", "XY");
  }
  std::string Bestand(int registraties, int posten, const std::string& som) {
    MatchInhoud m;
    m.registraties = registraties;
    m.posten = posten;
    m.som = som;
    map.Schrijf("v.mma", m.Tekst());
    return map / "v.mma";
  }
};

}  // namespace

TEST(Vergelijkingsrapport, ConsistencyQuestionOnlyWhenTheProjectDiffers) {
  struct Geval {
    int registraties, posten;
    std::string som;
    std::deque<ModaalResultaat> antwoorden;
    bool vraag, rapport;
  };
  const std::vector<Geval> gevallen = {
      {3, 2, "20", {}, false, true},    {3, 2, "", {}, false, true},  // a file without the sum is not checked on it
      {4, 2, "20", {mrJa}, true, true}, {3, 3, "20", {mrNee}, true, false}, {3, 2, "21", {mrAnnuleren}, true, false},
      {3, 2, "21", {}, true, false},  // the default answer does not go on
  };
  for (const Geval& g : gevallen) {
    Consistentie c;
    c.ui.antwoorden = g.antwoorden;
    const auto r = VergelijkingsrapportMaken(c.buffer, c.ctx, c.Bestand(g.registraties, g.posten, g.som), {});
    EXPECT_EQ(r.has_value(), g.rapport) << g.registraties << " " << g.posten << " " << g.som;
    ASSERT_EQ(c.ui.berichten.size(), g.vraag ? 1u : 0u);
    if (g.vraag) {
      const Bericht& b = c.ui.berichten[0];
      EXPECT_EQ(b.soort, "vraag");
      EXPECT_EQ(b.caption, "Morvask");
      EXPECT_EQ(b.tekst, c.catalogus["AA00101"]);
      EXPECT_EQ(b.knoppen, (Regels{"&Ja", "&Nee", "&Annuleren"}));
    }
  }
}

TEST(Vergelijkingsrapport, MissingFileGivesTheMessageAndNoReport) {
  Consistentie c;
  EXPECT_FALSE(VergelijkingsrapportMaken(c.buffer, c.ctx, c.map / "weg.mma", {}).has_value());
  ASSERT_EQ(c.ui.berichten.size(), 1u);
  EXPECT_EQ(c.ui.berichten[0].soort, "fout");
  EXPECT_EQ(c.ui.berichten[0].tekst, "Bestand \"" + (c.map / "weg.mma") + "\" niet gevonden.");
  // A folder is no file either.
  EXPECT_FALSE(VergelijkingsrapportMaken(c.buffer, c.ctx, c.map.Pad(), {}).has_value());
}

TEST(Vergelijkingsrapport, DamagedFilesStillGiveEveryReport) {
  // Truncated inside the match check, without sections, with short lines: every report is
  // made with what there is.
  MatchInhoud m;
  m.routes = {"001-ki", "001-ki 002-ku " + ss + "08", ss + ei, "001-ki 002-ku " + ss + "0815 a"};
  m.controle = {"Iteration 1", "001-ki 0800 a", "001-ki 0800 a AB12CD  ->  002-ku 08"};
  m.nietRoutes = {"0", "001-ki 0800 a"};
  const std::string heel = m.Tekst();
  const std::vector<std::string> teksten = {heel, heel.substr(0, heel.find("[**Non-routes**]") - 20), "",
                                            "[Morvask matchfile]\r\n[**General information**]\r\nMiTimeFrom=abc\r\n"};
  using T = Vergelijkingsrapporttype;
  for (const std::string& t : teksten) {
    for (T type : {T::Overzicht, T::DHB, T::Doorrijtijden, T::Routes, T::NietRoutes}) {
      RapportOmgeving o;
      RVergelijkingsrapportOpties opties;
      opties.Type = type;
      opties.Routes.Detaillijst = opties.NietRoutesDetaillijst = opties.DoorrijtijdenDetaillijst = true;
      const Rapport r = VergelijkingsrapportUitBestand(o.buffer, o.ctx, MatchbestandUitTekst(t), opties);
      EXPECT_GT(r.Regels.size(), 20u);
    }
  }
}
