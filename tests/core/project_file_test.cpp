#include "core/project_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/messages.h"
#include "core/files.h"
#include "core/project_test_support.h"

namespace morvask {
namespace {

using test::ProjectOmgeving;

// A project file as the writer makes it: three posts, their travel-time lines in table
// order, registrations and notes, one of which looks like a section header.
const std::vector<std::string> VoorbeeldRegels = {
    "[Morvask datafile]",
    "",
    "[**General variables**]",
    "FileVersion=320",
    "ProjectDescription=Onderzoek Oost",
    "ReportText1=Gemeente Oost",
    "ReportText2=01-02-2024",
    "ObservationInterval=5",
    "ShowNotesDialog=0",
    "WildcardCharacter=?",
    "MissedLicenseCharacter=~",
    "VehTypea=Auto",
    "VehTypel=Licht",
    "VehTypem=Motor",
    "VehTypez=Zwaar",
    "VehTypeb=Bus",
    "VehTypeo=Overig",
    "VehTypeu=Uitzondering",
    "VehTyper=Rest",
    "",
    "[**Observation posts**]",
    "001-ki Noord in",
    "001-ku Noord uit",
    "002-t1 Midden \xE9\xE9n",
    "",
    "[**Travel times**]",
    "001-ki 001-ku 15   3   ",
    "001-ki 002-t1 5    0   ",
    "002-t1 001-ku 9999 12  ",
    "",
    "[**License numbers**]",
    "001-ki 0815 a AB12CD",
    "002-t1 0820 l XY99",
    "001-ku 0830 a AB12CD",
    "",
    "[**Notes**]",
    "Eerste regel",
    "",
    "[**Let op**]",
    "na de kop",
    "",
};

std::string Voorbeeld() { return RegelsSamenvoegen(VoorbeeldRegels); }

// The sections of the example (each with its closing empty line), by header.
std::vector<std::string> Sectie(const std::string& kop) {
  std::vector<std::string> uit;
  bool binnen = false;
  for (std::size_t i = 0; i < VoorbeeldRegels.size(); ++i) {
    const std::string& r = VoorbeeldRegels[i];
    if (r == kop)
      binnen = true;
    else if (binnen && r.starts_with("[**") && r != "[**Let op**]")
      break;
    if (binnen) uit.push_back(r);
  }
  return uit;
}

TEST(ProjectLezen, ReadsEveryPartOfTheCurrentFormat) {
  ProjectOmgeving o;
  o.Schrijf("oost.mpr", Voorbeeld());
  ASSERT_TRUE(ProjectLezen(o.ctx, (o.map / "oost.mpr")));
  const Project& p = o.project;
  EXPECT_EQ(p.Projectbestandsnaam, (o.map / "oost"));
  EXPECT_EQ(p.Gegevens.Projectomschrijving, "Onderzoek Oost");
  EXPECT_EQ(p.Gegevens.ProjectRapporttekst1, "Gemeente Oost");
  EXPECT_EQ(p.Gegevens.Waarnemingsinterval, 5);
  EXPECT_EQ(p.Gegevens.WildcardKarakter.view(), "?");
  EXPECT_EQ(p.Gegevens.GemistKentekenKarakter.view(), "~");
  EXPECT_EQ(p.Gegevens.VehTypeu, "Uitzondering");
  EXPECT_FALSE(p.Gegevens.ProjectgegevensbestandGewijzigd);
  ASSERT_EQ(p.Postlijst.size(), 3u);
  EXPECT_EQ(p.Postlijst[2].Postcode.view(), "002-t1");
  EXPECT_EQ(p.Postlijst[2].Omschrijving.view(), "Midden \xE9\xE9n");
  EXPECT_EQ(p.Doorrijtijdentabel, (std::vector<std::string>{"001-ki 001-ku 15   3   ", "001-ki 002-t1 5    0   ",
                                                            "002-t1 001-ku 9999 12  "}));
  ASSERT_EQ(p.Registratielijst.size(), 3u);
  EXPECT_EQ(p.Registratielijst[1].Regel(), "002-t1 0820 l XY99");
  EXPECT_EQ(p.Aantekeningen, (std::vector<std::string>{"Eerste regel", "", "[**Let op**]", "na de kop"}));
  EXPECT_TRUE(o.ui.berichten.empty());
  EXPECT_FALSE(o.ui.bezig);
}

TEST(ProjectLezen, WritingWhatWasReadReproducesTheFileByteForByte) {
  ProjectOmgeving o;
  o.Schrijf("oost.mpr", Voorbeeld());
  ASSERT_TRUE(ProjectLezen(o.ctx, (o.map / "oost.mpr")));
  ASSERT_TRUE(ProjectSchrijven(o.ctx, (o.map / "kopie.mpr")));
  EXPECT_EQ(o.Lees("kopie.mpr"), Voorbeeld());
}

TEST(ProjectLezen, SectionsInAnotherOrderReadTheSame) {
  std::vector<std::string> regels = {"[Morvask datafile]", ""};
  for (const char* kop : {"[**Notes**]", "[**License numbers**]", "[**Observation posts**]", "[**General variables**]",
                          "[**Travel times**]"}) {
    const std::vector<std::string> s = Sectie(kop);
    regels.insert(regels.end(), s.begin(), s.end());
  }
  ProjectOmgeving o;
  o.Schrijf("anders.mpr", RegelsSamenvoegen(regels));
  ASSERT_TRUE(ProjectLezen(o.ctx, (o.map / "anders.mpr")));
  EXPECT_EQ(o.project.Aantekeningen, (std::vector<std::string>{"Eerste regel", "", "[**Let op**]", "na de kop"}));
  EXPECT_EQ(ProjectTekst(o.project), Voorbeeld());
}

TEST(ProjectLezen, AnyExtensionIsReplacedByMpr) {
  ProjectOmgeving o;
  o.Schrijf("survey.mpr", Voorbeeld());
  ASSERT_TRUE(ProjectLezen(o.ctx, (o.map / "survey.txt")));
  EXPECT_EQ(o.project.Gegevens.Projectomschrijving, "Onderzoek Oost");
  EXPECT_EQ(o.project.Projectbestandsnaam, (o.map / "survey"));

  ProjectOmgeving zonder;
  zonder.Schrijf("survey.mpr", Voorbeeld());
  EXPECT_TRUE(ProjectLezen(zonder.ctx, (zonder.map / "survey")));
}

TEST(ProjectLezen, AMissingFileIsAWarningAndReadsNothing) {
  ProjectOmgeving o;
  EXPECT_FALSE(ProjectLezen(o.ctx, (o.map / "weg.txt")));
  ASSERT_EQ(o.ui.berichten.size(), 1u);
  EXPECT_EQ(o.ui.berichten[0].soort, "waarschuwing");
  EXPECT_EQ(o.ui.berichten[0].caption, "Morvask");
  EXPECT_EQ(o.ui.berichten[0].tekst, "Kan bestand " + (o.map / "weg.mpr") + " niet openen.");
  EXPECT_EQ(o.ui.berichten[0].knoppen, std::vector<std::string>{"&OK"});
  EXPECT_EQ(o.project.Projectbestandsnaam, "Naamloos");
}

TEST(ProjectLezen, LineEndsAreLfOrCrLfAndALoneCrIsText) {
  std::string lf;
  for (const std::string& r : VoorbeeldRegels) lf += r + "\n";
  ProjectOmgeving o;
  o.Schrijf("lf.mpr", lf);
  ASSERT_TRUE(ProjectLezen(o.ctx, (o.map / "lf.mpr")));
  EXPECT_EQ(ProjectTekst(o.project), Voorbeeld());

  // A file of CR line ends only is one long first line: no section is recognised, so it is
  // no project.
  std::string cr;
  for (const std::string& r : VoorbeeldRegels) cr += r + "\r";
  ProjectOmgeving c;
  c.Schrijf("cr.mpr", cr);
  EXPECT_FALSE(ProjectLezen(c.ctx, (c.map / "cr.mpr")));
  EXPECT_TRUE(c.project.Postlijst.empty());
  ASSERT_EQ(c.ui.berichten.size(), 1u);
  EXPECT_EQ(c.ui.berichten[0].tekst, "Bestand \"" + (c.map / "cr.mpr") + "\" is geen Morvask-project.");

  std::vector<std::string> regels = VoorbeeldRegels;
  regels[4] = "ProjectDescription=twee\rregels";
  ProjectOmgeving m;
  m.Schrijf("cr.mpr", RegelsSamenvoegen(regels));
  ASSERT_TRUE(ProjectLezen(m.ctx, (m.map / "cr.mpr")));
  EXPECT_EQ(m.project.Gegevens.Projectomschrijving, "twee\rregels");
}

TEST(ProjectLezen, KeysIgnoreLetterCaseAndOnlyOneMeansTrue) {
  struct Geval {
    const char* regel;
    bool tonen;
  };
  for (const Geval& g :
       {Geval{"ShowNotesDialog=1", true}, Geval{"SHOWNOTESDIALOG=1", true}, Geval{"ShowNotesDialog=yes", false},
        Geval{"ShowNotesDialog=true", false}, Geval{"ShowNotesDialog= 1", false}, Geval{"ShowNotesDialog=0", false}}) {
    SCOPED_TRACE(g.regel);
    std::vector<std::string> regels = VoorbeeldRegels;
    regels[8] = g.regel;
    regels[5] = "rEpOrTtExT1=anders=met=is";
    regels[9] = "WildcardCharacter=%%";
    struct TelUi : test::NepUi {
      int getoond = 0;
      void AantekeningenschermTonen() override { ++getoond; }
    };
    ProjectOmgeving o;
    TelUi ui;
    Context ctx{o.project, o.instellingen, o.catalogus, ui, o.ctx.mappen};
    o.Schrijf("k.mpr", RegelsSamenvoegen(regels));
    ASSERT_TRUE(ProjectLezen(ctx, (o.map / "k.mpr")));
    EXPECT_EQ(o.project.Gegevens.AantekeningenschermTonen, g.tonen);
    EXPECT_EQ(ui.getoond, g.tonen ? 1 : 0);
    EXPECT_EQ(o.project.Gegevens.ProjectRapporttekst1, "anders=met=is");
    EXPECT_EQ(o.project.Gegevens.WildcardKarakter.view(), "%");
  }
}

TEST(ProjectLezen, MissingKeysKeepTheNewProjectValues) {
  ProjectOmgeving o;
  o.Schrijf("kaal.mpr", RegelsSamenvoegen({"[Morvask datafile]", "", "[**General variables**]", "onzin", "Onbekend=3",
                                           "VehTypex=X", "VehTypeb=Touringcar", ""}));
  ASSERT_TRUE(ProjectLezen(o.ctx, (o.map / "kaal.mpr")));
  EXPECT_EQ(o.project.Gegevens.VehTypeb, "Touringcar");
  EXPECT_EQ(o.project.Gegevens.VehTypea, o.catalogus["AA00170"]);
  EXPECT_EQ(o.project.Gegevens.Waarnemingsinterval, 1);
  EXPECT_EQ(o.project.Gegevens.WildcardKarakter.view(), "#");
  EXPECT_TRUE(o.ui.berichten.empty());  // no FileVersion counts as version 0
}

TEST(ProjectLezen, RegistrationsGetLowerCasePostAndTypeAndAreCutAtTheirColumns) {
  std::vector<std::string> regels = VoorbeeldRegels;
  regels[31] = "001-KI 0815 A Ab12cdXYZ";
  regels.insert(regels.begin() + 32, "");
  ProjectOmgeving o;
  o.Schrijf("r.mpr", RegelsSamenvoegen(regels));
  ASSERT_TRUE(ProjectLezen(o.ctx, (o.map / "r.mpr")));
  ASSERT_EQ(o.project.Registratielijst.size(), 3u);  // the empty line is skipped
  const RRegistratie& r = o.project.Registratielijst[0];
  EXPECT_EQ(r.Post.view(), "001-ki");
  EXPECT_EQ(r.Voertuigtype.view(), "a");
  EXPECT_EQ(r.Kenteken.view(), "Ab12cd");
  EXPECT_FALSE(r.Gebruikt);
  EXPECT_FALSE(r.Geprobeerd);
}

TEST(ProjectLezen, TheLastLineIsNeverSectionContent) {
  // A file cut off after its last registration: that line is the file's last line.
  std::vector<std::string> regels(VoorbeeldRegels.begin(), VoorbeeldRegels.begin() + 34);
  ASSERT_EQ(regels.back(), "001-ku 0830 a AB12CD");
  ProjectOmgeving o;
  o.Schrijf("kort.mpr", RegelsSamenvoegen(regels));
  ASSERT_TRUE(ProjectLezen(o.ctx, (o.map / "kort.mpr")));
  EXPECT_EQ(o.project.Registratielijst.size(), 2u);
  EXPECT_EQ(o.project.Postlijst.size(), 3u);
  EXPECT_TRUE(o.project.Aantekeningen.empty());
}

TEST(ProjectLezen, NotesEndOnlyAtASectionHeader) {
  ProjectOmgeving o;
  o.project.Aantekeningen = {"[**Let op**]", "[**", "[**Notes", "laatste"};
  ASSERT_TRUE(ProjectSchrijven(o.ctx, (o.map / "n.mpr")));
  o.Nieuw();
  ASSERT_TRUE(ProjectLezen(o.ctx, (o.map / "n.mpr")));
  EXPECT_EQ(o.project.Aantekeningen, (std::vector<std::string>{"[**Let op**]", "[**", "[**Notes", "laatste"}));

  // A header ends them; its first occurrence in the file counts.
  std::vector<std::string> regels = VoorbeeldRegels;
  regels.insert(regels.end() - 1, {"[**Observation posts**]", "009-ki Later"});
  regels.push_back("[**Notes**]");
  regels.push_back("tweede notities");
  regels.push_back("");
  ProjectOmgeving d;
  d.Schrijf("d.mpr", RegelsSamenvoegen(regels));
  ASSERT_TRUE(ProjectLezen(d.ctx, (d.map / "d.mpr")));
  EXPECT_EQ(d.project.Aantekeningen, (std::vector<std::string>{"Eerste regel", "", "[**Let op**]", "na de kop"}));
  EXPECT_EQ(d.project.Postlijst.size(), 3u);
}

TEST(ProjectLezen, EmptyNotesRoundTripUnchanged) {
  ProjectOmgeving o;
  ASSERT_TRUE(ProjectSchrijven(o.ctx, (o.map / "leeg.mpr")));
  const std::string eerste = o.Lees("leeg.mpr");
  EXPECT_TRUE(eerste.ends_with("\r\n[**Notes**]\r\n\r\n"));
  o.Nieuw();
  ASSERT_TRUE(ProjectLezen(o.ctx, (o.map / "leeg.mpr")));
  EXPECT_TRUE(o.project.Aantekeningen.empty());
  ASSERT_TRUE(ProjectSchrijven(o.ctx, (o.map / "leeg.mpr")));
  EXPECT_EQ(o.Lees("leeg.mpr"), eerste);

  // One empty note line stays one.
  o.project.Aantekeningen = {""};
  ASSERT_TRUE(ProjectSchrijven(o.ctx, (o.map / "een.mpr")));
  EXPECT_TRUE(o.Lees("een.mpr").ends_with("\r\n[**Notes**]\r\n\r\n\r\n"));
  o.Nieuw();
  ASSERT_TRUE(ProjectLezen(o.ctx, (o.map / "een.mpr")));
  EXPECT_EQ(o.project.Aantekeningen, std::vector<std::string>{""});
}

TEST(ProjectLezen, ANewerVersionWarnsAndReadsOn) {
  for (const char* versie : {"FileVersion=321", "fileversion=9999"}) {
    SCOPED_TRACE(versie);
    std::vector<std::string> regels = VoorbeeldRegels;
    regels[3] = versie;
    ProjectOmgeving o;
    o.Schrijf("nieuw.mpr", RegelsSamenvoegen(regels));
    ASSERT_TRUE(ProjectLezen(o.ctx, (o.map / "nieuw.mpr")));
    ASSERT_EQ(o.ui.berichten.size(), 1u);
    EXPECT_EQ(o.ui.berichten[0].soort, "waarschuwing");
    EXPECT_EQ(o.ui.berichten[0].tekst,
              "Dit bestand is met een nieuwere (of onbekende) versie van Morvask gemaakt. Het bestand wordt nu "
              "mogelijk niet volledig correct geopend. Gebruik de meest actuele versie van Morvask.");
    EXPECT_EQ(o.project.Registratielijst.size(), 3u);
    EXPECT_EQ(o.project.Aantekeningen.size(), 4u);
  }
  for (const char* versie : {"FileVersion=320", "FileVersion=100", "FileVersion=-5"}) {
    std::vector<std::string> regels = VoorbeeldRegels;
    regels[3] = versie;
    ProjectOmgeving o;
    o.Schrijf("oud.mpr", RegelsSamenvoegen(regels));
    ASSERT_TRUE(ProjectLezen(o.ctx, (o.map / "oud.mpr")));
    EXPECT_TRUE(o.ui.berichten.empty()) << versie;
  }
}

TEST(ProjectLezen, ANumberThatIsNotOneEndsTheReading) {
  struct Geval {
    std::size_t index;
    const char* regel;
    const char* waarde;
  };
  for (const Geval& g : {Geval{7, "ObservationInterval=5x", "5x"}, Geval{7, "ObservationInterval=", ""},
                         Geval{3, "FileVersion=drie", "drie"}, Geval{3, "FileVersion=99999999999", "99999999999"}}) {
    SCOPED_TRACE(g.regel);
    std::vector<std::string> regels = VoorbeeldRegels;
    regels[g.index] = g.regel;
    ProjectOmgeving o;
    o.Schrijf("fout.mpr", RegelsSamenvoegen(regels));
    EXPECT_FALSE(ProjectLezen(o.ctx, (o.map / "fout.mpr")));
    ASSERT_EQ(o.ui.berichten.size(), 1u);
    EXPECT_EQ(o.ui.berichten[0].soort, "fout");
    EXPECT_EQ(o.ui.berichten[0].tekst, AlgemeneFoutGeenGetal(g.waarde));
    EXPECT_FALSE(o.ui.bezig);
    // What was read before stays; nothing after it is read.
    const bool beschrijvingGelezen = g.index > 4;
    EXPECT_EQ(o.project.Gegevens.Projectomschrijving == "Onderzoek Oost", beschrijvingGelezen);
    EXPECT_EQ(o.project.Gegevens.VehTypea, o.catalogus["AA00170"]);
    EXPECT_TRUE(o.project.Postlijst.empty());
    EXPECT_TRUE(o.project.Registratielijst.empty());
  }
}

TEST(ProjectLezen, TheTravelTimeTableIsRebuiltFromThePosts) {
  std::vector<std::string> regels = VoorbeeldRegels;
  // Posts out of order; the line of 001-ki to 002-t1 replaced by one of a pair that cannot
  // exist, so that pair starts again from the defaults (interval 5, minimum 0).
  regels[21] = "002-t1 Midden";
  regels[23] = "001-ki Noord in";
  regels[27] = "001-ku 001-ki 7    7   ";
  ProjectOmgeving o;
  o.Schrijf("t.mpr", RegelsSamenvoegen(regels));
  o.project.Postlijst.clear();
  ASSERT_TRUE(ProjectLezen(o.ctx, (o.map / "t.mpr")));
  ASSERT_EQ(o.project.Postlijst.size(), 3u);
  EXPECT_EQ(o.project.Postlijst[0].Postcode.view(), "001-ki");
  EXPECT_EQ(o.project.Postlijst[2].Postcode.view(), "002-t1");
  EXPECT_EQ(
      o.project.Doorrijtijdentabel,
      (std::vector<std::string>{"001-ki 001-ku 15   3   ", "001-ki 002-t1 5    0   ", "002-t1 001-ku 9999 12  "}));
}

// ---------------------------------------------------------------------------------------
// The legacy format.

std::vector<std::string> OudBestand(const std::string& versie) {
  return {"[Morvask datafile]",
          versie,
          "[Projectgegevens]",
          "Oud onderzoek",
          "",
          "[Waarnemingsposten]",
          "002-ku Zuid",
          "001-ki Noord",
          "",
          "[Doorrijtijden]",
          "001-ki 002-ku 20   2   ",
          "",
          "[Kentekens]",
          "001-KI 0815 AB12CD",
          "002-ku 0830 b XY12AB",
          "",
          "[Opmerkingen van gebruiker]",
          "notitie 1",
          "",
          "notitie 3"};
}

TEST(OudProjectLezen, VersionTwoHundredHasNoTypeColumn) {
  struct Geval {
    const char* versie;
    const char* type0;
    const char* kenteken0;
    const char* type1;
    const char* kenteken1;
  };
  for (const Geval& g : {Geval{"200", "a", "AB12CD", "a", "b XY12"}, Geval{"210", "a", "12CD", "b", "XY12AB"},
                         Geval{"onbekend", "a", "12CD", "b", "XY12AB"}}) {
    SCOPED_TRACE(g.versie);
    ProjectOmgeving o;
    o.Schrijf("oud.mpr", RegelsSamenvoegen(OudBestand(g.versie)));
    ASSERT_TRUE(ProjectLezen(o.ctx, (o.map / "oud.dat")));
    const Project& p = o.project;
    EXPECT_EQ(p.Projectbestandsnaam, (o.map / "oud"));
    EXPECT_EQ(p.Gegevens.Projectomschrijving, "Oud onderzoek");
    ASSERT_EQ(p.Registratielijst.size(), 2u);
    EXPECT_EQ(p.Registratielijst[0].Post.view(), "001-ki");
    EXPECT_EQ(p.Registratielijst[0].Tijd.view(), "0815");
    EXPECT_EQ(p.Registratielijst[0].Voertuigtype.view(), g.type0);
    EXPECT_EQ(p.Registratielijst[0].Kenteken.view(), g.kenteken0);
    EXPECT_EQ(p.Registratielijst[1].Voertuigtype.view(), g.type1);
    EXPECT_EQ(p.Registratielijst[1].Kenteken.view(), g.kenteken1);
    ASSERT_EQ(p.Postlijst.size(), 2u);
    EXPECT_EQ(p.Postlijst[0].Postcode.view(), "001-ki");  // sorted by the rebuild
    EXPECT_EQ(p.Doorrijtijdentabel, std::vector<std::string>{"001-ki 002-ku 20   2   "});
    EXPECT_EQ(p.Aantekeningen, (std::vector<std::string>{"notitie 1", "", "notitie 3"}));
    EXPECT_FALSE(p.Gegevens.AantekeningenschermTonen);
    EXPECT_EQ(p.Gegevens.Waarnemingsinterval, 1);
    EXPECT_EQ(p.Gegevens.ProjectRapporttekst1, o.catalogus["AA00169"]);
    EXPECT_TRUE(o.ui.berichten.empty());
  }
}

TEST(OudProjectLezen, ASecondLineThatIsNotEmptyMeansLegacyWhateverTheFirstLine) {
  std::vector<std::string> regels = VoorbeeldRegels;
  regels[0] = "iets heel anders";
  regels[1] = "320";
  ProjectOmgeving o;
  o.Schrijf("x.mpr", RegelsSamenvoegen(regels));
  ASSERT_TRUE(ProjectLezen(o.ctx, (o.map / "x.mpr")));
  EXPECT_TRUE(o.project.Postlijst.empty());  // no legacy headers in it
  EXPECT_EQ(o.project.Gegevens.Projectomschrijving, o.catalogus["AA00168"]);
  // What it holds was not read: it is not written back without the user's word.
  EXPECT_EQ(o.project.OnherkendeKop.Regelnummer, 3u);
  EXPECT_EQ(o.project.OnherkendeKop.Regel, "[**General variables**]");
}

TEST(OudProjectLezen, ASectionFollowedDirectlyByTheNextHeaderIsNotLost) {
  ProjectOmgeving o;
  o.Schrijf("dicht.mpr",
            RegelsSamenvoegen({"[Morvask datafile]", "210", "[Projectgegevens]", "Dicht", "[Waarnemingsposten]",
                               "001-ki Noord", "002-ku Zuid", "[Doorrijtijden]", "001-ki 002-ku 30   4   ",
                               "[Kentekens]", "001-ki 0815 a AB12CD", "[Opmerkingen van gebruiker]", "notitie"}));
  ASSERT_TRUE(OudProjectLezen(o.ctx, (o.map / "dicht.mpr")));
  EXPECT_EQ(o.project.Postlijst.size(), 2u);
  EXPECT_EQ(o.project.Doorrijtijdentabel, std::vector<std::string>{"001-ki 002-ku 30   4   "});
  EXPECT_EQ(o.project.Registratielijst.size(), 1u);
  EXPECT_EQ(o.project.Aantekeningen, std::vector<std::string>{"notitie"});
}

// ---------------------------------------------------------------------------------------
// Writing.

TEST(ProjectSchrijven, SetsTheNameAndClearsTheChangedFlag) {
  ProjectOmgeving o;
  o.project.Gegevens.ProjectgegevensbestandGewijzigd = true;
  ASSERT_TRUE(ProjectSchrijven(o.ctx, (o.map / "nieuw.project.mpr")));
  EXPECT_EQ(o.project.Projectbestandsnaam, (o.map / "nieuw.project"));
  EXPECT_FALSE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
  EXPECT_EQ(o.ui.menuCodes, std::vector<MenuCode>{mcOpslaan});
  EXPECT_FALSE(o.ui.bezig);
  EXPECT_TRUE(o.ui.berichten.empty());
}

TEST(ProjectSchrijven, AFailedWriteWarnsAndLeavesTheProjectAlone) {
  ProjectOmgeving o;
  o.project.Gegevens.ProjectgegevensbestandGewijzigd = true;
  const std::string naam = (o.map / "geen/map/p.mpr");
  EXPECT_FALSE(ProjectSchrijven(o.ctx, naam));
  ASSERT_EQ(o.ui.berichten.size(), 1u);
  EXPECT_EQ(o.ui.berichten[0].soort, "waarschuwing");
  EXPECT_EQ(o.ui.berichten[0].tekst, "Kan bestand \"" + naam +
                                         "\" niet opslaan. Mogelijk geen schrijfrechten of schijf is "
                                         "schrijfbeveiligd.");
  EXPECT_EQ(o.project.Projectbestandsnaam, "Naamloos");
  EXPECT_TRUE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
  EXPECT_EQ(o.ui.menuCodes, std::vector<MenuCode>{mcOpslaan});
  EXPECT_FALSE(o.ui.bezig);
}

TEST(ProjectSchrijven, FieldsKeepTheirColumnsWhenTheyAreShort) {
  ProjectOmgeving o;
  o.project.PostToevoegen("01-k", "Oost");
  o.project.RegistratieToevoegen("01-k", "815", "", "AB");
  ASSERT_TRUE(ProjectSchrijven(o.ctx, (o.map / "kort.mpr")));
  const std::string tekst = o.Lees("kort.mpr");
  EXPECT_NE(tekst.find("\r\n01-k   Oost\r\n"), std::string::npos);
  EXPECT_NE(tekst.find("\r\n01-k   815    AB\r\n"), std::string::npos);
  o.Nieuw();
  ASSERT_TRUE(ProjectLezen(o.ctx, (o.map / "kort.mpr")));
  EXPECT_EQ(o.project.Postlijst[0].Omschrijving.view(), "Oost");
  EXPECT_EQ(o.project.Registratielijst[0].Kenteken.view(), "AB");
}

TEST(ProjectOpslaanMetBevestiging, AsksBeforeOverwriting) {
  ProjectOmgeving o;
  const std::string naam = (o.map / "p.mpr");
  EXPECT_TRUE(ProjectOpslaanMetBevestiging(o.ctx, naam));  // new file: no question
  EXPECT_TRUE(o.ui.berichten.empty());
  const std::string eerst = o.Lees("p.mpr");

  o.project.Gegevens.Projectomschrijving = "Anders";
  for (ModaalResultaat antwoord : {mrNee, mrAnnuleren}) {
    o.ui.antwoorden = {antwoord};
    EXPECT_FALSE(ProjectOpslaanMetBevestiging(o.ctx, naam));
    EXPECT_EQ(o.Lees("p.mpr"), eerst);
  }
  const test::Bericht& vraag = o.ui.berichten.back();
  EXPECT_EQ(vraag.soort, "vraag");
  EXPECT_EQ(vraag.caption, "Morvask");
  EXPECT_EQ(vraag.titel, "Bestand overschrijven?");
  EXPECT_EQ(vraag.tekst, "Bestand \"" + naam + "\" bestaat al.");
  EXPECT_EQ(vraag.knoppen, (std::vector<std::string>{"&Overschrijven", "&Niet overschrijven", "&Annuleren"}));
  EXPECT_EQ(vraag.standaardKnop, skNee);

  o.ui.antwoorden = {mrJa};
  EXPECT_TRUE(ProjectOpslaanMetBevestiging(o.ctx, naam));
  EXPECT_NE(o.Lees("p.mpr").find("ProjectDescription=Anders\r\n"), std::string::npos);
}

// ---------------------------------------------------------------------------------------
// Backups.

// The description stored in a file, "-" when the file does not exist.
std::string Beschrijving(const std::string& pad) {
  const auto inhoud = BestandLezen(pad);
  if (!inhoud) return "-";
  for (const std::string& r : RegelsSplitsen(*inhoud))
    if (r.starts_with("ProjectDescription=")) return r.substr(19);
  return "?";
}

std::vector<std::string> Slots(const std::string& map) {
  std::vector<std::string> uit;
  for (int n = 1; n <= 5; ++n) uit.push_back(Beschrijving(Reservebestandsnaam(map, n)));
  return uit;
}

TEST(ReservebestandenMaken, FiveSlotsRotateWithTheNewestInSlotOne) {
  ProjectOmgeving o;
  const std::string backup = (o.map / "backup/");
  const std::string naam = (o.map / "p.mpr");
  const std::vector<std::vector<std::string>> verwacht = {
      {"-", "-", "-", "-", "-"},  // the first save has nothing to copy
      {"v1", "-", "-", "-", "-"},    {"v2", "v1", "-", "-", "-"},    {"v3", "v2", "v1", "-", "-"},
      {"v4", "v3", "v2", "v1", "-"}, {"v5", "v4", "v3", "v2", "v1"}, {"v6", "v5", "v4", "v3", "v2"},
  };
  for (std::size_t i = 0; i < verwacht.size(); ++i) {
    o.project.Gegevens.Projectomschrijving = "v" + std::to_string(i + 1);
    ASSERT_TRUE(ProjectSchrijven(o.ctx, naam));
    EXPECT_EQ(Slots(backup), verwacht[i]) << "save " << i + 1;
  }
  EXPECT_EQ(Beschrijving(naam), "v7");
  // Only the slots are left behind in the backup folder.
  int bestanden = 0;
  for (const auto& e : std::filesystem::directory_iterator((o.map / "backup"))) {
    ++bestanden;
    EXPECT_TRUE(e.path().filename().string().starts_with("MorvaskBackUp")) << e.path();
  }
  EXPECT_EQ(bestanden, 5);
}

unsigned Modus(const std::string& pad) {
  struct stat st;
  return ::lstat(pad.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// The history moves only when there is something new to keep: a save under a new name, a
// save of unchanged content and a save that fails push nothing out.
TEST(ReservebestandenMaken, TheHistoryMovesOnlyForANewVersion) {
  struct Stap {
    const char* naam;   // the file saved
    const char* tekst;  // its description
  };
  struct Geval {
    const char* wat;
    std::vector<Stap> stappen;
    std::vector<std::string> slots;
  };
  const std::vector<Geval> gevallen = {
      {"save as a new file",
       {{"a", "a1"}, {"a", "a2"}, {"b", "b1"}, {"c", "c1"}, {"d", "d1"}, {"e", "e1"}, {"f", "f1"}},
       {"a1", "-", "-", "-", "-"}},
      {"the same content again",
       {{"a", "a1"}, {"a", "a2"}, {"a", "a2"}, {"a", "a2"}, {"a", "a3"}},
       {"a2", "a1", "-", "-", "-"}},
      {"two projects take turns", {{"a", "a1"}, {"b", "b1"}, {"a", "a2"}, {"b", "b2"}}, {"b1", "a1", "-", "-", "-"}},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.wat);
    ProjectOmgeving o;
    for (const Stap& st : g.stappen) {
      o.project.Gegevens.Projectomschrijving = st.tekst;
      ASSERT_TRUE(ProjectSchrijven(o.ctx, o.map / (std::string(st.naam) + ".mpr")));
    }
    EXPECT_EQ(Slots(o.map / "backup/"), g.slots);
    EXPECT_TRUE(o.ui.berichten.empty());
  }

  // Four saves that fail keep every older backup.
  ProjectOmgeving o;
  const std::string naam = o.map / "p.mpr";
  for (const char* v : {"v1", "v2", "v3", "v4", "v5"}) {
    o.project.Gegevens.Projectomschrijving = v;
    ASSERT_TRUE(ProjectSchrijven(o.ctx, naam));
  }
  // A read-only file makes the writer refuse, as a full disk or a read-only folder would.
  std::filesystem::permissions(naam, std::filesystem::perms::owner_read);
  for (int i = 0; i < 4; ++i) {
    o.project.Gegevens.Projectomschrijving = "mislukt";
    EXPECT_FALSE(ProjectSchrijven(o.ctx, naam));
  }
  EXPECT_EQ(Slots(o.map / "backup/"), (std::vector<std::string>{"v5", "v4", "v3", "v2", "v1"}));
  EXPECT_EQ(Beschrijving(naam), "v5");
}

TEST(ReservebestandenMaken, AFileOfTheProjectsNameInTheBackupFolderIsNotTouched) {
  ProjectOmgeving o;
  o.Schrijf("backup/p.mpr", "een ander bestand");
  o.project.Gegevens.Projectomschrijving = "v1";
  ASSERT_TRUE(ProjectSchrijven(o.ctx, o.map / "p.mpr"));
  o.project.Gegevens.Projectomschrijving = "v2";
  ASSERT_TRUE(ProjectSchrijven(o.ctx, o.map / "p.mpr"));
  EXPECT_EQ(o.Lees("backup/p.mpr"), "een ander bestand");
  EXPECT_EQ(Slots(o.map / "backup/"), (std::vector<std::string>{"v1", "-", "-", "-", "-"}));
  // The backups hold registrations: the user's alone.
  EXPECT_EQ(Modus(o.map / "backup/MorvaskBackUp1.mpr"), 0600u);
}

TEST(ReservebestandenMaken, ABackupThatCannotBeMadeIsAWarningAndTheSaveGoesOn) {
  ProjectOmgeving o;
  o.instellingen.Reservebestandendirectory = o.map / "bestaat-niet/";
  o.project.Gegevens.Projectomschrijving = "v1";
  ASSERT_TRUE(ProjectSchrijven(o.ctx, o.map / "p.mpr"));
  EXPECT_TRUE(o.ui.berichten.empty());  // nothing to back up yet
  o.project.Gegevens.Projectomschrijving = "v2";
  ASSERT_TRUE(ProjectSchrijven(o.ctx, o.map / "p.mpr"));
  EXPECT_EQ(Beschrijving(o.map / "p.mpr"), "v2");
  ASSERT_EQ(o.ui.berichten.size(), 1u);
  EXPECT_EQ(o.ui.berichten[0].soort, "waarschuwing");
  EXPECT_EQ(o.ui.berichten[0].tekst, "Kan geen reservebestand maken in \"" + (o.map / "bestaat-niet/") +
                                         "\". Het project wordt wel opgeslagen.");
  EXPECT_FALSE(std::filesystem::exists(o.map / "bestaat-niet"));
}

TEST(ReservebestandenMaken, ALinkPlantedAtASlotIsReplacedNotWrittenThrough) {
  // A backup folder of the user's choice that others can write in.
  ProjectOmgeving o;
  o.Schrijf("elders.txt", "van een ander");
  std::filesystem::create_symlink(o.map / "elders.txt", o.map / "backup/MorvaskBackUp1.mpr");
  std::filesystem::create_symlink(o.map / "elders.txt", o.map / "backup/.MorvaskBackUp1.mpr.morvask-tmp");
  o.project.Gegevens.Projectomschrijving = "v1";
  ASSERT_TRUE(ProjectSchrijven(o.ctx, o.map / "p.mpr"));
  o.project.Gegevens.Projectomschrijving = "v2";
  ASSERT_TRUE(ProjectSchrijven(o.ctx, o.map / "p.mpr"));
  EXPECT_EQ(o.Lees("elders.txt"), "van een ander");
  EXPECT_FALSE(std::filesystem::is_symlink(o.map / "backup/MorvaskBackUp1.mpr"));
  EXPECT_EQ(Beschrijving(o.map / "backup/MorvaskBackUp1.mpr"), "v1");
  EXPECT_EQ(Modus(o.map / "backup/MorvaskBackUp1.mpr"), 0600u);
}

TEST(ReservebestandenMaken, AnEmptyFolderSettingMeansThePrivateDefaultFolder) {
  ProjectOmgeving o;
  o.instellingen.Reservebestandendirectory = "";
  o.ctx.mappen.Reservebestanden = o.map / "staat/Morvask/Backups";  // the separator is added
  ASSERT_TRUE(ProjectSchrijven(o.ctx, (o.map / "p.mpr")));
  EXPECT_FALSE(std::filesystem::exists(o.map / "staat"));  // nothing to back up yet: nothing made
  ASSERT_TRUE(ProjectSchrijven(o.ctx, (o.map / "p.mpr")));
  EXPECT_TRUE(BestandBestaat((o.map / "staat/Morvask/Backups/MorvaskBackUp1.mpr")));
  EXPECT_FALSE(BestandBestaat((o.map / "backup/MorvaskBackUp1.mpr")));
  // Only the folder itself is made private; the folders above it keep the usual permissions.
  EXPECT_EQ(Modus(o.map / "staat/Morvask/Backups"), 0700u);
  EXPECT_NE(Modus(o.map / "staat/Morvask") & 0055u, 0u);
  // A setting that names the default folder is the same: the folder is closed again.
  o.instellingen.Reservebestandendirectory = o.map / "staat/Morvask/Backups/";
  std::filesystem::permissions(o.map / "staat/Morvask/Backups", std::filesystem::perms::others_read,
                               std::filesystem::perm_options::add);
  o.project.Gegevens.Projectomschrijving = "anders";
  ASSERT_TRUE(ProjectSchrijven(o.ctx, (o.map / "p.mpr")));
  EXPECT_EQ(Modus(o.map / "staat/Morvask/Backups"), 0700u);
}

TEST(ReservebestandenMaken, AProjectInTheBackupFolderItselfStillGetsItsBackup) {
  ProjectOmgeving o;
  const std::string naam = (o.map / "backup/p.mpr");
  o.project.Gegevens.Projectomschrijving = "eerst";
  ASSERT_TRUE(ProjectSchrijven(o.ctx, naam));
  o.project.Gegevens.Projectomschrijving = "daarna";
  ASSERT_TRUE(ProjectSchrijven(o.ctx, naam));
  EXPECT_EQ(Slots((o.map / "backup/")), (std::vector<std::string>{"eerst", "-", "-", "-", "-"}));
  EXPECT_EQ(Beschrijving(naam), "daarna");
}

TEST(ReservebestandenMaken, SwitchedOffTouchesNothing) {
  ProjectOmgeving o;
  o.instellingen.ReservebestandMaken = false;
  o.Schrijf("backup/MorvaskBackUp1.mpr", "een");
  o.Schrijf("backup/MorvaskBackUp5.mpr", "vijf");
  o.Schrijf("backup/p.mpr", "ander project");
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(ProjectSchrijven(o.ctx, (o.map / "p.mpr")));
  EXPECT_EQ(o.Lees("backup/MorvaskBackUp1.mpr"), "een");
  EXPECT_EQ(o.Lees("backup/MorvaskBackUp5.mpr"), "vijf");
  EXPECT_EQ(o.Lees("backup/p.mpr"), "ander project");
  int bestanden = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator((o.map / "backup"))) ++bestanden;
  EXPECT_EQ(bestanden, 3);
}

// ---------------------------------------------------------------------------------------
// Files recognised before they are trusted.

TEST(ProjectLezen, HeadersAreRecognisedWithTrailingBlanksInAnyCase) {
  for (const std::string kop : {"[**License numbers**] ", "[**license numbers**]", "[**LICENSE NUMBERS**]\t\r",
                                "[**License numbers**]\x01\x7F\xA0"}) {
    std::vector<std::string> regels = VoorbeeldRegels;
    regels[30] = kop;
    regels[20] = "[**observation posts**]  ";
    ProjectOmgeving o;
    o.Schrijf("p.mpr", RegelsSamenvoegen(regels));
    ASSERT_TRUE(ProjectLezen(o.ctx, o.map / "p.mpr"));
    EXPECT_EQ(o.project.Registratielijst.size(), 3u) << kop;
    EXPECT_EQ(o.project.Postlijst.size(), 3u) << kop;
    EXPECT_EQ(o.project.OnherkendeKop.Regelnummer, 0u) << kop;
    EXPECT_EQ(ProjectTekst(o.project), Voorbeeld()) << kop;
  }
}

TEST(ProjectSchrijven, AProjectWithAnUnrecognisedHeaderIsWrittenOnlyWhenTheUserSaysSo) {
  struct Geval {
    const char* wat;
    std::size_t regel;  // 0-based line of the example replaced or inserted before
    bool invoegen;
    std::string tekst;
  };
  const std::vector<Geval> gevallen = {
      {"a NUL inside the header", 30, false, std::string("[**License\0numbers**]", 21)},
      {"an unknown section", 25, true, "[**Extra data**]"},
      {"a section twice", 35, true, "[**License numbers**]"},
      {"a header cut short", 30, false, "[**License numb"},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.wat);
    std::vector<std::string> regels = VoorbeeldRegels;
    if (g.invoegen)
      regels.insert(regels.begin() + static_cast<std::ptrdiff_t>(g.regel), g.tekst);
    else
      regels[g.regel] = g.tekst;
    const std::string bestand = RegelsSamenvoegen(regels);
    ProjectOmgeving o;
    o.Schrijf("p.mpr", bestand);
    ASSERT_TRUE(ProjectLezen(o.ctx, o.map / "p.mpr"));
    EXPECT_EQ(o.project.OnherkendeKop.Regelnummer, g.regel + 1);
    EXPECT_EQ(o.project.OnherkendeKop.Regel, g.tekst);

    // "&Nee" (the default): nothing written, the file as it was.
    o.ui.antwoorden = {mrNee};
    EXPECT_FALSE(ProjectSchrijven(o.ctx, o.map / "p.mpr"));
    EXPECT_EQ(o.Lees("p.mpr"), bestand);
    ASSERT_EQ(o.ui.berichten.size(), 1u);
    const auto& vraag = o.ui.berichten[0];
    EXPECT_EQ(vraag.soort, "vraag");
    EXPECT_EQ(vraag.titel, "Project opslaan?");
    EXPECT_EQ(vraag.tekst, "Project \"" + (o.map / "p.mpr") + "\" bevat op regel " + std::to_string(g.regel + 1) +
                               " een kop die niet herkend wordt: \"" + g.tekst +
                               "\". Wat erbij hoort, gaat bij opslaan verloren.\r\rToch opslaan?");
    EXPECT_EQ(vraag.standaardKnop, skNee);
    // Under another name the loss is the same.
    o.ui.antwoorden = {mrNee};
    EXPECT_FALSE(ProjectSchrijven(o.ctx, o.map / "ander.mpr"));
    EXPECT_FALSE(BestandBestaat(o.map / "ander.mpr"));

    // "&Ja": written, and the written project has nothing left to ask about.
    o.ui.antwoorden = {mrJa};
    EXPECT_TRUE(ProjectSchrijven(o.ctx, o.map / "p.mpr"));
    EXPECT_EQ(o.project.OnherkendeKop.Regelnummer, 0u);
    o.ui.berichten.clear();
    EXPECT_TRUE(ProjectSchrijven(o.ctx, o.map / "p.mpr"));
    EXPECT_TRUE(o.ui.berichten.empty());
  }
  // A note that looks like a header is a note.
  ProjectOmgeving o;
  o.Schrijf("p.mpr", Voorbeeld());
  ASSERT_TRUE(ProjectLezen(o.ctx, o.map / "p.mpr"));
  EXPECT_EQ(o.project.OnherkendeKop.Regelnummer, 0u);
}

TEST(ProjectLezen, AFileWithoutAnySectionIsNoProject) {
  const std::vector<std::string> inhouden = {std::string(1 << 20, '\0'), "gewoon een tekst\r\nmet regels\r\n", "",
                                             "[Morvask datafile]\r\n\r\n[**Routes**]\r\n"};
  for (const std::string& inhoud : inhouden) {
    ProjectOmgeving o;
    o.Schrijf("p.mpr", inhoud);
    EXPECT_FALSE(ProjectLezen(o.ctx, o.map / "p.mpr"));
    ASSERT_EQ(o.ui.berichten.size(), 1u);
    EXPECT_EQ(o.ui.berichten[0].soort, "fout");
    EXPECT_EQ(o.ui.berichten[0].tekst, "Bestand \"" + (o.map / "p.mpr") + "\" is geen Morvask-project.");
    EXPECT_TRUE(o.project.Registratielijst.empty());
  }
  // One section of either format is enough.
  for (const std::string kop : {"[**Notes**]", "[kentekens]"}) {
    ProjectOmgeving o;
    o.Schrijf("p.mpr", "x\r\n" + std::string(kop == "[**Notes**]" ? "" : "210") + "\r\n" + kop + "\r\n\r\n");
    EXPECT_TRUE(ProjectLezen(o.ctx, o.map / "p.mpr")) << kop;
    EXPECT_TRUE(o.ui.berichten.empty()) << kop;
  }
}

TEST(ProjectLezen, MorePostsThanPostCodesAreRefusedBeforeAnyTableIsBuilt) {
  for (const bool oud : {false, true}) {
    std::string inhoud = oud ? "[Morvask datafile]\r\n210\r\n[Waarnemingsposten]\r\n"
                             : "[Morvask datafile]\r\n\r\n[**Observation posts**]\r\n";
    for (int i = 0; i < 4001; ++i) inhoud += "001-ki x\r\n";
    inhoud += "\r\n[**Notes**]\r\n\r\n";
    ProjectOmgeving o;
    o.Schrijf("p.mpr", inhoud);
    EXPECT_FALSE(ProjectLezen(o.ctx, o.map / "p.mpr"));
    ASSERT_EQ(o.ui.berichten.size(), 1u);
    EXPECT_EQ(o.ui.berichten[0].tekst,
              "Bestand \"" + (o.map / "p.mpr") +
                  "\" bevat 4001 waarnemingsposten; een project kan er ten hoogste 4000 hebben.");
    EXPECT_TRUE(o.project.Doorrijtijdentabel.empty());
    EXPECT_TRUE(o.project.Postlijst.empty());
  }
}

}  // namespace
}  // namespace morvask
