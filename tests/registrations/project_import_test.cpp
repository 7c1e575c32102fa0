#include "registrations/project_import.h"

#include <gtest/gtest.h>

#include "core/project_file.h"
#include "core/project_test_support.h"

using namespace morvask;
using namespace morvask::test;

namespace {

const std::string Geimporteerd =
    "Registraties ge\xEF"
    "mporteerd.\r\rTip: Kies nu de functie \"registratiesbestand controleren\".";
const std::string AndereVersie =
    "Dit bestand is met een andere versie van Morvask gemaakt. Sla het te importeren bestand eerst op met deze "
    "versie van Morvask. Importeren afgebroken.";

// A project file with the given general variables and registration section.
std::string Bestand(const std::string& algemeen, const std::string& kentekens) {
  return "[Morvask datafile]\r\n\r\n[**General variables**]\r\n" + algemeen +
         "ProjectDescription=Ander\r\n\r\n[**Observation posts**]\r\n005-ki Elders\r\n\r\n[**Travel times**]\r\n\r\n"
         "[**License numbers**]\r\n" +
         kentekens + "\r\n[**Notes**]\r\n001-ki 0900 a NOTITI\r\n\r\n";
}

}  // namespace

class ProjectImport : public ::testing::Test {
 protected:
  ProjectOmgeving o;

  void SetUp() override {
    o.project.PostToevoegen("001-ki", "Oost");
    o.project.RegistratieToevoegen("001-ki", "0800", "a", "EIGEN1");
  }

  bool Importeer(const std::string& inhoud) {
    o.Schrijf("ander.mpr", inhoud);
    return RegistratiesUitAnderProjectImporteren(o.ctx, o.map / "ander.mpr");
  }

  std::vector<std::string> Regels() const {
    std::vector<std::string> r;
    for (const auto& reg : o.project.Registratielijst) r.push_back(reg.Regel());
    return r;
  }
};

TEST_F(ProjectImport, AppendsTheRegistrationsOnlyInFileOrder) {
  const std::string omschrijving = o.project.Gegevens.Projectomschrijving;
  AnderProjectImportAankondigen(o.ctx);
  ASSERT_TRUE(Importeer(
      Bestand("FileVersion=320\r\n", "009-KU 1750 A hf12td\r\n\r\n  \t \r\n002-ku 0815 b AB12CDEF\r\n005-ki 08\r\n")));
  // Letter case as it stands, cut by columns, blank lines skipped; posts, project data and
  // notes of the other file are not taken.
  EXPECT_EQ(Regels(), (std::vector<std::string>{"001-ki 0800 a EIGEN1", "009-KU 1750 A hf12td", "002-ku 0815 b AB12CD",
                                                "005-ki 08     "}));
  EXPECT_EQ(o.project.Postlijst.size(), 1u);
  EXPECT_EQ(o.project.Gegevens.Projectomschrijving, omschrijving);
  EXPECT_TRUE(o.project.Aantekeningen.empty());
  EXPECT_TRUE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
  EXPECT_EQ(o.ui.menuCodes, (std::vector<MenuCode>{mcOpslaan, mcRegistraties}));
  EXPECT_EQ(o.ui.Teksten(),
            (std::vector<std::string>{"Met deze functie worden registraties van een ander Morvask-project ge\xEF"
                                      "mporteerd.",
                                      Geimporteerd}));
  EXPECT_FALSE(o.ui.bezig);

  // Twice appends twice.
  ASSERT_TRUE(Importeer(Bestand("FileVersion=320\r\n", "009-KU 1750 A hf12td\r\n")));
  EXPECT_EQ(o.project.Registratielijst.size(), 5u);
}

TEST_F(ProjectImport, TakesEveryRegistrationOfAWrittenProject) {
  Project ander;
  ander.NieuwProject(o.catalogus, "Nieuw", "01-01-2024");
  for (int i = 0; i < 1000; ++i) ander.RegistratieToevoegen("003-ki", "0900", "z", "P" + std::to_string(i));
  ASSERT_TRUE(Importeer(ProjectTekst(ander)));
  ASSERT_EQ(o.project.Registratielijst.size(), 1001u);
  EXPECT_EQ(o.project.Registratielijst[1].Kenteken, "P0");
  EXPECT_EQ(o.project.Registratielijst.back().Kenteken, "P999");
}

TEST_F(ProjectImport, KeepsTheLastLineOfAFileThatEndsInTheRegistrations) {
  ASSERT_TRUE(
      Importeer("[Morvask datafile]\r\n\r\n[**General variables**]\r\nfileVERSION=320\r\n"
                "[**License numbers**]\r\n002-ku 0815 b AB12CD\r\n002-ku 0816 b LAATST"));
  EXPECT_EQ(Regels(),
            (std::vector<std::string>{"001-ki 0800 a EIGEN1", "002-ku 0815 b AB12CD", "002-ku 0816 b LAATST"}));
}

TEST_F(ProjectImport, AFileWithoutRegistrationSectionStillMarksTheProjectChanged) {
  ASSERT_TRUE(
      Importeer("[Morvask datafile]\r\n\r\n[**General variables**]\r\nFileVersion=320\r\n\r\n[**Notes**]\r\n\r\n"));
  EXPECT_EQ(o.project.Registratielijst.size(), 1u);
  EXPECT_TRUE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
  EXPECT_EQ(o.ui.Teksten("informatie"), std::vector<std::string>{Geimporteerd});
}

TEST_F(ProjectImport, RefusesOtherVersionsAndUnreadableFiles) {
  struct Geval {
    std::string naam, inhoud, soort, tekst;
  };
  const std::string reg = "002-ku 0815 b AB12CD\r\n";
  const std::vector<Geval> gevallen = {
      {"330", Bestand("FileVersion=330\r\n", reg), "waarschuwing", AndereVersie},
      {"310", Bestand("FileVersion=310\r\n", reg), "waarschuwing", AndereVersie},
      {"none", Bestand("", reg), "waarschuwing", AndereVersie},
      // The version counts only inside the general variables, and the last one counts.
      {"elsewhere",
       "[Morvask datafile]\r\n\r\n[**Observation posts**]\r\nFileVersion=320\r\n[**License numbers**]\r\n" + reg,
       "waarschuwing", AndereVersie},
      {"after section", Bestand("\r\n[**Other**]\r\nFileVersion=320\r\n", reg), "waarschuwing", AndereVersie},
      {"twice", Bestand("FileVersion=320\r\nFileVersion=330\r\n", reg), "waarschuwing", AndereVersie},
      {"legacy", "[Morvask datafile]\r\n300\r\n[Kentekens]\r\n" + reg, "waarschuwing", AndereVersie},
      {"not a number", Bestand("FileVersion=32o\r\n", reg), "fout", "\"32o\" is geen geldig geheel getal."},
      {"empty", "", "waarschuwing", AndereVersie},
  };
  for (const auto& g : gevallen) {
    o.ui.berichten.clear();
    EXPECT_FALSE(Importeer(g.inhoud)) << g.naam;
    ASSERT_EQ(o.ui.berichten.size(), 1u) << g.naam;
    EXPECT_EQ(o.ui.berichten[0].soort, g.soort) << g.naam;
    EXPECT_EQ(o.ui.berichten[0].tekst, g.tekst) << g.naam;
    EXPECT_FALSE(o.ui.bezig) << g.naam;
  }
  for (const std::string& naam : {o.map / "ontbreekt.mpr", o.map.Pad()}) {
    o.ui.berichten.clear();
    EXPECT_FALSE(RegistratiesUitAnderProjectImporteren(o.ctx, naam));
    EXPECT_EQ(o.ui.Teksten("waarschuwing"), std::vector<std::string>{"Kan bestand niet openen!"});
  }
  EXPECT_EQ(Regels(), std::vector<std::string>{"001-ki 0800 a EIGEN1"});
  EXPECT_FALSE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
  EXPECT_TRUE(o.ui.menuCodes.empty());
}
