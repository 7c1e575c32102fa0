#include "app/project_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings.h"
#include "support/fake_ui.h"

namespace morvask {
namespace {

const char* ZelfdeKarakters = "Beide karakters mogen niet hetzelfde zijn.";

struct Omgeving {
  Project project;
  RProgrammaInstellingen instellingen;
  Catalogus catalogus;
  test::NepUi ui;
  Context ctx{project, instellingen, catalogus, ui, Mappen{}};
  Omgeving() { project.NieuwProject(catalogus, "Naamloos", "01-02-2024"); }
};

TEST(ProjectOverzicht, ANewProjectCountsNothingAndRegistrationsCountPerType) {
  Omgeving o;
  RProjectOverzicht leeg = ProjectOverzicht(o.project);
  EXPECT_EQ(leeg.AantalPosten, 0);
  EXPECT_EQ(leeg.AantalRegistraties, 0);
  EXPECT_EQ(leeg.AantalPerVoertuigtype, (std::array<int, 8>{}));
  EXPECT_EQ(leeg.Voertuigtypenamen[0], "Personenauto");
  EXPECT_EQ(leeg.Voertuigtypenamen[7], "Overig voertuig");

  o.project.PostToevoegen("001-ki", "");
  o.project.PostToevoegen("002-ku", "");
  o.project.RegistratieToevoegen("001-ki", "0800", "a", "AA11BB");
  o.project.RegistratieToevoegen("001-ki", "0801", "r", "AA11BC");
  o.project.RegistratieToevoegen("002-ku", "0802", "a", "AA11BD");
  o.project.RegistratieToevoegen("002-ku", "0803", "x", "AA11BE");
  const RProjectOverzicht o2 = ProjectOverzicht(o.project);
  EXPECT_EQ(o2.AantalPosten, 2);
  EXPECT_EQ(o2.AantalRegistraties, 4);
  EXPECT_EQ(o2.AantalPerVoertuigtype, (std::array<int, 8>{2, 0, 0, 0, 0, 0, 0, 1}));
}

TEST(ProjectgegevensToepassen, NothingModifiedLeavesTheProjectAsItWas) {
  for (const bool alGewijzigd : {false, true}) {
    Omgeving o;
    o.project.Gegevens.ProjectgegevensbestandGewijzigd = alGewijzigd;
    const RProjectgegevens voor = o.project.Gegevens;
    RProjectgegevensVelden v = ProjectgegevensVeldenVullen(o.project);
    v.Omschrijving = "typed but not marked";
    const RProjectgegevensUitkomst uit = ProjectgegevensToepassen(o.ctx, v);
    EXPECT_FALSE(uit.Opgeslagen);
    EXPECT_EQ(o.project.Gegevens.Projectomschrijving, voor.Projectomschrijving);
    EXPECT_EQ(o.project.Gegevens.ProjectgegevensbestandGewijzigd, alGewijzigd);
    EXPECT_TRUE(o.ui.menuCodes.empty());
    EXPECT_TRUE(o.ui.berichten.empty());
  }
}

TEST(ProjectgegevensToepassen, AnyModifiedFieldStoresAllOfThem) {
  struct Geval {
    const char* naam;
    bool RProjectgegevensVelden::*markering;
    bool invoertijdLegen;
  };
  const Geval gevallen[] = {
      {"description", &RProjectgegevensVelden::OmschrijvingGewijzigd, false},
      {"report text 1", &RProjectgegevensVelden::Rapporttekst1Gewijzigd, false},
      {"report text 2", &RProjectgegevensVelden::Rapporttekst2Gewijzigd, false},
      {"wildcard", &RProjectgegevensVelden::WildcardGewijzigd, false},
      {"missed plate", &RProjectgegevensVelden::GemistKentekenGewijzigd, false},
      {"up-down", &RProjectgegevensVelden::IntervalGewijzigd, false},
      {"interval typed", &RProjectgegevensVelden::IntervalGetypt, true},
  };
  for (const Geval& g : gevallen) {
    Omgeving o;
    RProjectgegevensVelden v = ProjectgegevensVeldenVullen(o.project);
    v.Omschrijving = "Kordon Noord";
    v.Rapporttekst1 = "Gemeente";
    v.Rapporttekst2 = "maart";
    v.Interval = "15";
    v.Wildcard = "?";
    v.GemistKenteken = "!";
    v.*g.markering = true;
    const RProjectgegevensUitkomst uit = ProjectgegevensToepassen(o.ctx, v);
    EXPECT_TRUE(uit.Opgeslagen) << g.naam;
    EXPECT_EQ(uit.InvoertijdLegen, g.invoertijdLegen) << g.naam;
    const RProjectgegevens& p = o.project.Gegevens;
    EXPECT_EQ(p.Projectomschrijving, "Kordon Noord");
    EXPECT_EQ(p.ProjectRapporttekst1, "Gemeente");
    EXPECT_EQ(p.ProjectRapporttekst2, "maart");
    EXPECT_EQ(p.Waarnemingsinterval, 15);
    EXPECT_EQ(p.WildcardKarakter, "?");
    EXPECT_EQ(p.GemistKentekenKarakter, "!");
    EXPECT_TRUE(p.ProjectgegevensbestandGewijzigd);
    EXPECT_EQ(o.ui.menuCodes, std::vector<MenuCode>{mcOpslaan}) << g.naam;
  }
}

TEST(ProjectgegevensToepassen, TextsAreCutAndKeptOnOneLine) {
  Omgeving o;
  RProjectgegevensVelden v = ProjectgegevensVeldenVullen(o.project);
  v.Omschrijving = std::string(300, 'x');
  v.Rapporttekst1 = "regel\rtwee\n[**Observation posts**]";
  v.Wildcard = "";  // an emptied wildcard field
  v.GemistKenteken = "*+";
  v.OmschrijvingGewijzigd = true;
  ASSERT_TRUE(ProjectgegevensToepassen(o.ctx, v).Opgeslagen);
  EXPECT_EQ(o.project.Gegevens.Projectomschrijving, std::string(250, 'x'));
  EXPECT_EQ(o.project.Gegevens.ProjectRapporttekst1, "regel twee [**Observation posts**]");
  EXPECT_EQ(o.project.Gegevens.WildcardKarakter, "");
  EXPECT_EQ(o.project.Gegevens.GemistKentekenKarakter, "*");
}

TEST(ProjectgegevensToepassen, BadInputChangesNothing) {
  struct Geval {
    const char* interval;
    const char* wildcard;
    const char* gemist;
    const char* soort;
    std::string melding;
  };
  const Geval gevallen[] = {
      {"abc", "#", "*", "fout", "\"abc\" is geen geldig geheel getal."},
      {"", "#", "*", "fout", "\"\" is geen geldig geheel getal."},
      {"99999999999", "#", "*", "fout", "\"99999999999\" is geen geldig geheel getal."},
      {"10", "*", "*", "waarschuwing", ZelfdeKarakters},
      {"10", "#", "#x", "waarschuwing", ZelfdeKarakters},
      {"10", "", "", "waarschuwing", ZelfdeKarakters},
      {"10", " ", "#", "waarschuwing", ZelfdeKarakters},  // a space means "#"
  };
  for (const Geval& g : gevallen) {
    Omgeving o;
    const RProjectgegevens voor = o.project.Gegevens;
    RProjectgegevensVelden v = ProjectgegevensVeldenVullen(o.project);
    v.Omschrijving = "nieuw";
    v.Interval = g.interval;
    v.Wildcard = g.wildcard;
    v.GemistKenteken = g.gemist;
    v.OmschrijvingGewijzigd = v.IntervalGetypt = v.IntervalGewijzigd = true;
    EXPECT_FALSE(ProjectgegevensToepassen(o.ctx, v).Opgeslagen) << g.interval << g.wildcard << g.gemist;
    EXPECT_EQ(o.ui.Teksten(g.soort), std::vector<std::string>{g.melding});
    EXPECT_EQ(o.project.Gegevens.Projectomschrijving, voor.Projectomschrijving);
    EXPECT_EQ(o.project.Gegevens.Waarnemingsinterval, voor.Waarnemingsinterval);
    EXPECT_EQ(o.project.Gegevens.WildcardKarakter, voor.WildcardKarakter);
    EXPECT_FALSE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
    EXPECT_TRUE(o.ui.menuCodes.empty());
  }
}

TEST(ProjectgegevensToepassen, TheIntervalIsKeptWithinItsRange) {
  struct Geval {
    const char* getypt;
    int opgeslagen;
  };
  const Geval gevallen[] = {{"1", 1}, {"30000", 30000}, {"0", 1}, {"-5", 1}, {"30001", 30000}, {" 60 ", 60}};
  for (const Geval& g : gevallen) {
    Omgeving o;
    RProjectgegevensVelden v = ProjectgegevensVeldenVullen(o.project);
    v.Interval = g.getypt;
    v.IntervalGewijzigd = true;
    ASSERT_TRUE(ProjectgegevensToepassen(o.ctx, v).Opgeslagen) << g.getypt;
    EXPECT_EQ(o.project.Gegevens.Waarnemingsinterval, g.opgeslagen) << g.getypt;
  }
}

TEST(SpeciaalKarakterControleren, SpacesTakeTheDefaultAndEqualCharactersAreRefused) {
  using V = SpeciaalKarakterVeld;
  struct Geval {
    V veld;
    const char* nieuw;
    const char* ander;
    const char* vorige;
    const char* uit;
    bool waarschuwing;
  };
  const Geval gevallen[] = {
      {V::Wildcard, "?", "*", "#", "?", false},
      {V::Wildcard, "*", "*", "#", "#", true},
      {V::GemistKenteken, "#", "#", "*", "*", true},
      {V::Wildcard, " ", "*", "?", "#", false},
      {V::GemistKenteken, " ", "#", "!", "*", false},
      {V::Wildcard, "", "*", "#", "", false},
      {V::Wildcard, "", "", "#", "#", true},
      // The default is what the other field holds: the field keeps the text it had.
      {V::Wildcard, "#", "#", "?", "?", true},
      {V::Wildcard, " ", "#", "?", "?", true},
      {V::GemistKenteken, "*", "*", "!", "!", true},
  };
  for (const Geval& g : gevallen) {
    Omgeving o;
    EXPECT_EQ(SpeciaalKarakterControleren(o.ctx, g.veld, g.nieuw, g.ander, g.vorige), g.uit)
        << "'" << g.nieuw << "' next to '" << g.ander << "'";
    EXPECT_EQ(o.ui.Teksten("waarschuwing").size(), g.waarschuwing ? 1u : 0u) << g.nieuw;
    if (g.waarschuwing) {
      EXPECT_EQ(o.ui.berichten[0].tekst, ZelfdeKarakters);
      EXPECT_EQ(o.ui.berichten[0].knoppen, std::vector<std::string>{"&OK"});
    }
  }
}

}  // namespace
}  // namespace morvask
