// The main window's rules without a window: menu states, title, reset, the unsaved-changes
// question and the project commands, with a scripted main window and user.

#include "app/project_commands.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>

#include "app/menu_states.h"
#include "core/files.h"
#include "core/form_positions.h"
#include "core/project_file.h"
#include "core/project_test_support.h"
#include "reports/report.h"

namespace morvask {
namespace {

// A main window that records what it is asked and answers its dialogs from queues.
class NepSchil : public Schil {
 public:
  std::deque<std::optional<std::string>> openAntwoorden, opslaanAntwoorden;
  std::vector<std::string> titels;
  std::vector<std::string> dialogen;  // "open", "opslaan", "projectgegevens"
  int sluitrondes = 0, legingen = 0, herstellingen = 0;
  bool printers = true;

  std::optional<std::string> OpenDialoog(const std::string&) override { return Antwoord("open", openAntwoorden); }
  std::optional<std::string> OpslaanDialoog(const std::string&) override {
    return Antwoord("opslaan", opslaanAntwoorden);
  }
  void TitelZetten(const std::string& titel) override { titels.push_back(titel); }
  void ProjectgegevensTonen() override { dialogen.push_back("projectgegevens"); }
  void RapportvenstersSluiten() override { ++sluitrondes; }
  void VensterveldenLegen() override { ++legingen; }
  bool PrintersAanwezig() override { return printers; }
  void HoofdvensterpositieHerstellen() override { ++herstellingen; }
  std::vector<RVenster> Vensterposities() override { return {{"HoofdForm", 10, 20, 700, 500, false, true}}; }

 private:
  std::optional<std::string> Antwoord(const char* soort, std::deque<std::optional<std::string>>& rij) {
    dialogen.push_back(soort);
    if (rij.empty()) return std::nullopt;
    auto a = rij.front();
    rij.pop_front();
    return a;
  }
};

struct Schilomgeving : test::ProjectOmgeving {
  NepSchil schil;
  Rapportnummering nummering;

  Schilomgeving() { Leeg(); }
  // The project as a reset leaves it, with the untitled name of the main window.
  void Leeg() { project.NieuwProject(catalogus, ctx.vast.NieuwProjectNaam, "01-02-2024"); }
  // A small project on disk, named with spaces.
  std::string ProjectOpSchijf(const std::string& naam) {
    project.PostToevoegen("001-ki", "Oost");
    project.RegistratieToevoegen("001-ki", "0800", "a", "AB12CD");
    EXPECT_TRUE(ProjectSchrijven(ctx, map / naam));
    Leeg();
    ui.berichten.clear();
    ui.menuCodes.clear();
    return map / naam;
  }
  bool Gewijzigd() const { return project.Gegevens.ProjectgegevensbestandGewijzigd; }
  void Wijzig() { project.Gegevens.ProjectgegevensbestandGewijzigd = true; }
};

std::map<std::string_view, bool> Standen(const RMenuGegevens& g) {
  std::map<std::string_view, bool> m;
  for (const RMenuStand& s : AlleMenuStanden(g)) m[s.Naam] = s.Aan;
  return m;
}

TEST(MenuStanden, FollowTheProjectAndTheReportWindows) {
  auto m = Standen({false, 0, 0, 0});
  EXPECT_EQ(m.size(), 21u);
  for (const auto& [naam, aan] : m) EXPECT_FALSE(aan) << naam;

  m = Standen({true, 1, 0, 1});
  EXPECT_TRUE(m["Projectopslaan1"]);
  EXPECT_TRUE(m["Kentekensinvoeren1"]);  // one post: entry, but no travel times
  EXPECT_FALSE(m["Doorrijtijden2"]);
  EXPECT_FALSE(m["Intensiteiten1"]);
  EXPECT_FALSE(m["Vorige1"]);  // one report window: no previous or next
  EXPECT_FALSE(m["Volgende1"]);
  EXPECT_TRUE(m["Sluiten1"]);
  EXPECT_TRUE(m["Exporteren1"]);

  m = Standen({false, 2, 1, 2});
  EXPECT_TRUE(m["Doorrijtijden2"]);
  EXPECT_TRUE(m["Kentekenvergelijkingsrapport1"]);
  EXPECT_TRUE(m["Vorige1"]);
  EXPECT_TRUE(m["Volgende1"]);

  // One code governs only its own commands.
  EXPECT_EQ(MenuStanden(mcOpslaan, {true, 0, 0, 0}).size(), 1u);
  EXPECT_EQ(MenuStanden(mcPosten, {}).size(), 2u);
  EXPECT_EQ(MenuStanden(mcRegistraties, {}).size(), 7u);
  EXPECT_EQ(MenuStanden(mcRapporten, {}).size(), 11u);

  Project p;
  p.PostToevoegen("001-ki", "");
  p.RegistratieToevoegen("001-ki", "0800", "a", "X");
  const RMenuGegevens g = MenuGegevens(p, 3);
  EXPECT_EQ(g.AantalPosten, 1);
  EXPECT_EQ(g.AantalRegistraties, 1);
  EXPECT_EQ(g.AantalRapportvensters, 3);
}

TEST(Titel, ProgramVersionAndFileName) {
  EXPECT_EQ(GeefApplicationTitle("survey.mpr"), "Morvask 4.4 - survey.mpr");
  EXPECT_EQ(GeefApplicationTitle("survey.mpr", "40%"), "40% Morvask 4.4 - survey.mpr");
  Project p;
  p.Projectbestandsnaam = "/data/My Surveys/a";
  EXPECT_EQ(TitelBestandsnaam(p), "a.mpr");
}

TEST(NieuwProjectInstellen, EmptiesTheProjectClosesTheReportsAndEvaluatesEveryCode) {
  Schilomgeving o;
  o.project.PostToevoegen("001-ki", "");
  o.Wijzig();
  o.nummering.VolgendeCaption(o.catalogus, "Routes");
  NieuwProjectInstellen(o.ctx, o.schil, o.nummering);
  EXPECT_TRUE(o.project.Postlijst.empty());
  EXPECT_FALSE(o.Gewijzigd());
  EXPECT_EQ(o.project.Projectbestandsnaam, "Nieuw");
  EXPECT_EQ(o.nummering.Nummer(), 0);
  EXPECT_EQ(o.schil.sluitrondes, 1);
  EXPECT_EQ(o.schil.legingen, 1);
  EXPECT_EQ(o.ui.menuCodes, (std::vector<MenuCode>{mcOpslaan, mcPosten, mcRegistraties, mcRapporten}));
}

TEST(WijzigingenOpslaanVraag, AsksOnlyForAChangedProjectAndGoesOnAsAnswered) {
  const struct {
    ModaalResultaat antwoord;
    std::optional<std::string> opslaanAls;  // the save-as dialog's answer (the untitled project)
    bool doorgaan;
    bool gewijzigd;
  } gevallen[] = {
      {mrNee, std::nullopt, true, true},               // "&Niet opslaan"
      {mrAnnuleren, std::nullopt, false, true},        // "&Annuleren"
      {mrJa, std::nullopt, false, true},               // "&Opslaan", then the save dialog cancelled
      {mrJa, std::string("opgeslagen"), true, false},  // "&Opslaan" and saved
  };
  for (const auto& g : gevallen) {
    Schilomgeving o;
    o.Wijzig();
    o.ui.antwoorden = {g.antwoord};
    if (g.opslaanAls) o.schil.opslaanAntwoorden = {o.map / *g.opslaanAls};
    EXPECT_EQ(WijzigingenOpslaanVraag(o.ctx, o.schil), g.doorgaan) << g.antwoord;
    EXPECT_EQ(o.Gewijzigd(), g.gewijzigd) << g.antwoord;
    ASSERT_EQ(o.ui.berichten.size(), 1u);
    const test::Bericht& vraag = o.ui.berichten[0];
    EXPECT_EQ(vraag.titel, "Project opslaan?");
    EXPECT_EQ(vraag.tekst, "Project \"Nieuw.mpr\" is gewijzigd.");
    EXPECT_EQ(vraag.knoppen, (std::vector<std::string>{"&Opslaan", "&Niet opslaan", "&Annuleren"}));
    EXPECT_EQ(vraag.standaardKnop, skJa);
  }
  Schilomgeving o;
  EXPECT_TRUE(WijzigingenOpslaanVraag(o.ctx, o.schil));  // unchanged: no question
  EXPECT_TRUE(o.ui.berichten.empty());
}

TEST(ProjectOpslaan, TheUntitledProjectGoesToSaveAsAnOpenedOneIsWrittenWithoutADialog) {
  Schilomgeving o;
  o.Wijzig();
  EXPECT_FALSE(ProjectOpslaanOpdracht(o.ctx, o.schil));  // save-as dialog cancelled
  EXPECT_EQ(o.schil.dialogen, std::vector<std::string>{"opslaan"});
  EXPECT_TRUE(o.Gewijzigd());

  o.schil.opslaanAntwoorden = {o.map / "survey.MPR"};
  EXPECT_TRUE(ProjectOpslaanOpdracht(o.ctx, o.schil));
  EXPECT_TRUE(BestandBestaat(o.map / "survey.MPR.mpr"));
  EXPECT_FALSE(BestandBestaat(o.map / "survey.MPR"));
  EXPECT_EQ(o.schil.titels.back(), "Morvask 4.4 - survey.MPR.mpr");

  o.schil.dialogen.clear();
  o.project.PostToevoegen("001-ki", "Oost");
  o.Wijzig();
  EXPECT_TRUE(ProjectOpslaanOpdracht(o.ctx, o.schil));
  EXPECT_TRUE(o.schil.dialogen.empty());
  EXPECT_NE(o.Lees("survey.MPR.mpr").find("001-ki Oost"), std::string::npos);
}

TEST(ProjectOpslaanAls, ExtensionRuleAndTheOverwriteQuestion) {
  EXPECT_EQ(ProjectnaamMetExtensie("a"), "a.mpr");
  EXPECT_EQ(ProjectnaamMetExtensie("a.mpr"), "a.mpr");
  EXPECT_EQ(ProjectnaamMetExtensie("a.MPR"), "a.MPR.mpr");
  EXPECT_EQ(ProjectnaamMetExtensie("a.txt"), "a.txt.mpr");

  Schilomgeving o;
  o.Schrijf("bestaat.mpr", "oud");
  o.schil.opslaanAntwoorden = {o.map / "bestaat"};
  EXPECT_FALSE(ProjectOpslaanAlsOpdracht(o.ctx, o.schil));  // "&Niet overschrijven", the default
  EXPECT_EQ(o.Lees("bestaat.mpr"), "oud");
  EXPECT_TRUE(o.schil.titels.empty());
}

TEST(ProjectOpenen, ReadsTheChosenFileSetsTheTitleAndShowsTheProjectData) {
  Schilomgeving o;
  const std::string bestand = o.ProjectOpSchijf("mijn onderzoek.mpr");
  o.instellingen.ProjectgegevensWeergevenNaOpenen = true;
  o.schil.openAntwoorden = {bestand};
  EXPECT_TRUE(ProjectOpenenOpdracht(o.ctx, o.schil, o.nummering));
  EXPECT_EQ(o.project.Registratielijst.size(), 1u);
  EXPECT_EQ(o.schil.titels.back(), "Morvask 4.4 - mijn onderzoek.mpr");
  EXPECT_EQ(o.schil.dialogen, (std::vector<std::string>{"open", "projectgegevens"}));
  EXPECT_EQ(o.ui.menuCodes, (std::vector<MenuCode>{mcOpslaan, mcPosten, mcRegistraties, mcRapporten, mcOpslaan,
                                                   mcPosten, mcRegistraties}));

  // A cancelled dialog leaves the project as it was; so does "&Annuleren" on the question.
  o.Wijzig();
  o.ui.antwoorden = {mrNee};
  EXPECT_FALSE(ProjectOpenenOpdracht(o.ctx, o.schil, o.nummering));
  EXPECT_EQ(o.project.Registratielijst.size(), 1u);
  EXPECT_TRUE(o.Gewijzigd());
  o.ui.antwoorden = {mrAnnuleren};
  o.schil.openAntwoorden = {bestand};
  EXPECT_FALSE(ProjectOpenenOpdracht(o.ctx, o.schil, o.nummering));
  EXPECT_EQ(o.schil.openAntwoorden.size(), 1u);  // the dialog never opened

  // Without the setting no project data dialog; a file that cannot be read still gets its title.
  o.instellingen.ProjectgegevensWeergevenNaOpenen = false;
  o.schil.dialogen.clear();
  o.ui.antwoorden = {mrNee};
  o.schil.openAntwoorden = {o.map / "ontbreekt.mpr"};
  EXPECT_FALSE(ProjectOpenenOpdracht(o.ctx, o.schil, o.nummering));
  EXPECT_EQ(o.schil.dialogen, std::vector<std::string>{"open"});
  EXPECT_EQ(o.schil.titels.back(), "Morvask 4.4 - Nieuw.mpr");
}

TEST(ProjectOpenen, TheLockIsHeldWhileOpenAndAProjectAnotherProgramHoldsOpensOnlyReadOnly) {
  Schilomgeving o;
  const std::string bestand = o.ProjectOpSchijf("onderzoek.mpr");
  o.schil.openAntwoorden = {bestand};
  ASSERT_TRUE(ProjectOpenenOpdracht(o.ctx, o.schil, o.nummering));
  Projectslot ander;
  EXPECT_EQ(ander.Vergrendelen(bestand), Slotuitkomst::Bezet);  // held while it is open
  ASSERT_TRUE(NieuwProjectOpdracht(o.ctx, o.schil, o.nummering));
  ASSERT_EQ(ander.Vergrendelen(bestand), Slotuitkomst::Vergrendeld);  // released by the reset

  // Another program holds it: "&Niet openen" leaves the new project, "Alleen &lezen" reads it.
  o.ui.antwoorden = {mrNee};
  o.schil.openAntwoorden = {bestand};
  EXPECT_FALSE(ProjectOpenenOpdracht(o.ctx, o.schil, o.nummering));
  EXPECT_TRUE(o.project.Registratielijst.empty());
  ASSERT_FALSE(o.ui.berichten.empty());
  EXPECT_NE(o.ui.berichten.back().tekst.find("onderzoek.mpr"), std::string::npos);
  o.ui.antwoorden = {mrJa};
  o.schil.openAntwoorden = {bestand};
  ASSERT_TRUE(ProjectOpenenOpdracht(o.ctx, o.schil, o.nummering));
  EXPECT_EQ(o.project.Registratielijst.size(), 1u);
  EXPECT_EQ(o.schil.titels.back(), "Morvask 4.4 - onderzoek.mpr [alleen lezen]");

  // Saving it goes to save as; its own name stays refused while the other holds it.
  const std::string voor = o.Lees("onderzoek.mpr");
  o.Wijzig();
  o.schil.dialogen.clear();
  o.schil.opslaanAntwoorden = {bestand};
  EXPECT_FALSE(ProjectOpslaanOpdracht(o.ctx, o.schil));
  EXPECT_EQ(o.schil.dialogen, std::vector<std::string>{"opslaan"});
  EXPECT_EQ(o.Lees("onderzoek.mpr"), voor);
  EXPECT_TRUE(o.Gewijzigd());
  // Under another name it is written, its lock taken and the title plain again.
  o.schil.opslaanAntwoorden = {o.map / "kopie"};
  ASSERT_TRUE(ProjectOpslaanOpdracht(o.ctx, o.schil));
  EXPECT_EQ(o.schil.titels.back(), "Morvask 4.4 - kopie.mpr");
  Projectslot derde;
  EXPECT_EQ(derde.Vergrendelen(o.map / "kopie.mpr"), Slotuitkomst::Bezet);
  // Saved again under its own name, the lock it holds is its own.
  o.Wijzig();
  o.schil.opslaanAntwoorden = {o.map / "kopie.mpr"};
  o.ui.antwoorden = {mrJa};  // "Overschrijven"
  EXPECT_TRUE(ProjectOpslaanAlsOpdracht(o.ctx, o.schil));
  EXPECT_FALSE(o.Gewijzigd());
}

TEST(NieuwProjectOpdracht, ResetsTitlesAndShowsTheProjectData) {
  Schilomgeving o;
  o.ProjectOpSchijf("a.mpr");
  o.Wijzig();
  o.ui.antwoorden = {mrAnnuleren};
  EXPECT_FALSE(NieuwProjectOpdracht(o.ctx, o.schil, o.nummering));
  EXPECT_EQ(o.schil.sluitrondes, 0);
  o.ui.antwoorden = {mrNee};
  EXPECT_TRUE(NieuwProjectOpdracht(o.ctx, o.schil, o.nummering));
  EXPECT_FALSE(o.Gewijzigd());
  EXPECT_EQ(o.schil.titels.back(), "Morvask 4.4 - Nieuw.mpr");
  EXPECT_EQ(o.schil.dialogen.back(), "projectgegevens");
}

TEST(AfsluitenOpdracht, AsksResetsAndWritesTheSettingsWithThePositions) {
  Schilomgeving o;
  o.Wijzig();
  o.ui.antwoorden = {mrAnnuleren};
  EXPECT_FALSE(AfsluitenOpdracht(o.ctx, o.schil, o.nummering, o.map / "cfg/Morvask.ini"));
  EXPECT_FALSE(BestandBestaat(o.map / "cfg/Morvask.ini"));
  o.ui.antwoorden = {mrNee};
  EXPECT_TRUE(AfsluitenOpdracht(o.ctx, o.schil, o.nummering, o.map / "cfg/Morvask.ini"));
  EXPECT_FALSE(o.Gewijzigd());
  EXPECT_NE(o.Lees("cfg/Morvask.ini").find("HoofdForm=M:0;L:10;T:20;W:700;H:500\r\n"), std::string::npos);
}

TEST(EersteActivering, OpensTheCommandLineFileWithSpacesAndWarnsWithoutPrinters) {
  Schilomgeving o;
  const std::string bestand = o.ProjectOpSchijf("My Surveys a.mpr");
  o.instellingen.ProjectgegevensWeergevenNaOpenen = false;
  // Unquoted, the path arrives as several arguments.
  const std::string map = o.map.Pad();
  EersteActivering(o.ctx, o.schil, o.nummering, {map + "My", "Surveys", "a.mpr"});
  EXPECT_EQ(o.project.Registratielijst.size(), 1u);
  EXPECT_EQ(o.schil.titels.back(), "Morvask 4.4 - My Surveys a.mpr");
  EXPECT_EQ(o.schil.herstellingen, 1);
  EXPECT_TRUE(o.ui.berichten.empty());

  Schilomgeving zonder;
  zonder.schil.printers = false;
  EersteActivering(zonder.ctx, zonder.schil, zonder.nummering, {});
  EXPECT_EQ(zonder.ui.Teksten("waarschuwing"),
            std::vector<std::string>{"Er zijn op deze computer geen printers ge\xEFnstalleerd. Morvask functioneert "
                                     "hierdoor niet optimaal. Installeer een printer."});
  EXPECT_TRUE(zonder.schil.titels.empty());  // no file: the title stays the creation's
}

}  // namespace
}  // namespace morvask
