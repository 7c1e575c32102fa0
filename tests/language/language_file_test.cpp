#include "language/language_file.h"

#include <gtest/gtest.h>

#include "base/catalogue.h"
#include "language/translation.h"
#include "language_fixture.h"

namespace morvask {
namespace {

using test::TaalOmgeving;

RScherm Hoofdvenster() {
  RScherm s;
  s.Naam = "HoofdForm";
  s.Caption = "Morvask";
  ROnderdeel knop;
  knop.Naam = "Button1";
  knop.HeeftCaption = true;
  knop.Caption = "&Sluiten";
  knop.HeeftHint = true;
  knop.Hint = "Sluiten";
  s.Onderdelen.push_back(knop);
  return s;
}

TEST(Taalbestand, LinesSectionsAndKeys) {
  const auto t = Taalbestand::Ontleden(
      "Voor=\"before any section\"\r\n"
      "  [ HoofdForm ]  \r\n"
      "; HoofdForm.Caption=\"comment\"\r\n"
      "   ;also a comment=\"x\"\n"
      "\t HoofdForm.Caption   =   \"Main window \"   \r\n"
      "HoofdForm.Caption=\"second one\"\n"
      "no equals sign here\r"
      "HoofdForm.Button1.Hint=\"a=b\"\r\n"
      "[Dynamic]\n"
      "AA00048=\"Invalid time\"\n"
      "[hoofdform]\n"
      "HoofdForm.Button1.Caption=\"&Close\"\n"
      "hoofdform.button1.hint=\"later\"\n");
  EXPECT_EQ(t.Secties().size(), 2u);
  EXPECT_EQ(t.Waarde("HoofdForm", "HoofdForm.Caption"), "\"Main window \"");
  EXPECT_EQ(t.Waarde("HOOFDFORM", "hoofdform.caption"), "\"Main window \"");
  EXPECT_EQ(t.Waarde("HoofdForm", "HoofdForm.Button1.Hint"), "\"a=b\"");
  // A section named twice is one section; the first of two equal keys counts.
  EXPECT_EQ(t.Waarde("HoofdForm", "HoofdForm.Button1.Caption"), "\"&Close\"");
  EXPECT_FALSE(t.Waarde("HoofdForm", "Voor"));
  EXPECT_FALSE(t.Waarde("HoofdForm", "; HoofdForm.Caption"));
  EXPECT_FALSE(t.Waarde("HoofdForm", "no equals sign here"));
  EXPECT_FALSE(t.Waarde("Elders", "HoofdForm.Caption"));
  EXPECT_TRUE(t.HeeftSectie("dynamic"));
  EXPECT_EQ(t.LeesTekst("Dynamic", "AA00049", "standaard"), "standaard");
}

TEST(Taalbestand, ByteOrderMarks) {
  // "é" as UTF-8, UTF-16 and Windows-1252 all give byte 0xE9.
  const std::string utf8 = "\xEF\xBB\xBF[Dynamic]\r\nAA00044=\"Caf\xC3\xA9\"\r\n";
  std::string le = "\xFF\xFE", be = "\xFE\xFF";
  for (char c : std::string("[Dynamic]\r\nAA00044=\"Caf\xE9\"\r\n")) {
    le += c;
    le += '\0';
    be += '\0';
    be += c;
  }
  const std::string ansi = "[Dynamic]\r\nAA00044=\"Caf\xE9\"\r\n";
  const std::pair<std::string, TaalbestandCodering> gevallen[] = {{utf8, TaalbestandCodering::Utf8},
                                                                  {le, TaalbestandCodering::Utf16LE},
                                                                  {be, TaalbestandCodering::Utf16BE},
                                                                  {ansi, TaalbestandCodering::Win1252}};
  for (const auto& [bytes, codering] : gevallen) {
    const auto t = Taalbestand::Ontleden(bytes);
    EXPECT_EQ(t.Codering(), codering);
    EXPECT_EQ(t.Waarde("Dynamic", "AA00044"), "\"Caf\xE9\"");
  }
  // Without a mark UTF-8 bytes are taken as they are; a character Windows-1252 lacks is "?".
  EXPECT_EQ(Taalbestand::Ontleden("[D]\nk=\"\xC3\xA9\"").Waarde("D", "k"), "\"\xC3\xA9\"");
  EXPECT_EQ(Taalbestand::Ontleden("\xEF\xBB\xBF[D]\nk=\"\xE2\x82\xAC\xE2\x88\x9A\"").Waarde("D", "k"), "\"\x80?\"");
  // A lone half of a UTF-16 unit at the end is dropped.
  const char halfEenheid[] = "\xFF\xFE[\0D\0]\0\n\0k\0=\0x\0y\0z";
  EXPECT_EQ(Taalbestand::Ontleden(std::string(halfEenheid, sizeof halfEenheid - 1)).Waarde("D", "k"), "xy");
}

TEST(Taalbestand, ValueUseRule) {
  EXPECT_EQ(ZonderAanhalingstekens("\"Hallo\""), "Hallo");
  EXPECT_EQ(ZonderAanhalingstekens("Hallo"), "all");
  EXPECT_EQ(ZonderAanhalingstekens("\"\""), "");
  EXPECT_EQ(ZonderAanhalingstekens("x"), "");
  EXPECT_EQ(ZonderAanhalingstekens(""), "");
  EXPECT_EQ(RegeleindenInvullen("a\\nb\\\\nc\\"), "a\r\nb\\\r\nc\\");
}

TEST(DynamischeTeksten, ReplacesWhatTheSectionHolds) {
  Catalogus cat;
  DynamischeTekstenLezenUitIni(cat, Taalbestand::Ontleden("[Dynamic]\n"
                                                          "AA00048=\"Invalid time.\"\n"
                                                          "AA00049=Unquoted\n"
                                                          "AA00044=\"\"\n"
                                                          "ZB00020=\"&OK \"\n"
                                                          "aa00050=\"Regel 1\\nRegel 2\"\n"
                                                          "AA00001=\"unused\"\n"
                                                          "AA00182=\"unused\"\n"
                                                          "ZC00001=\"unused\"\n"
                                                          "[HoofdForm]\n"
                                                          "AA00045=\"not the catalogue\"\n"));
  EXPECT_EQ(cat["AA00048"], "Invalid time.");
  EXPECT_EQ(cat["AA00049"], "nquote");
  EXPECT_EQ(cat["AA00044"], "");
  EXPECT_EQ(cat["ZB00020"], "&OK ");
  EXPECT_EQ(cat["AA00050"], "Regel 1\r\nRegel 2");
  EXPECT_EQ(cat["AA00045"], "Registratiesbestand is gewijzigd.");
  // A default holding a CR keeps its single CR.
  EXPECT_EQ(cat["AA00009"], Catalogus()["AA00009"]);
  EXPECT_NE(cat["AA00009"].find("\r\rTip"), std::string::npos);
  EXPECT_FALSE(cat.Bestaat("AA00001"));
  EXPECT_FALSE(cat.Bestaat("AA00182"));
  EXPECT_FALSE(cat.Bestaat("ZC00001"));
}

TEST(DynamischeTeksten, FileWithoutDynamicAndReadingTwice) {
  Catalogus cat;
  DynamischeTekstenLezenUitIni(cat, Taalbestand::Ontleden("[HoofdForm]\nHoofdForm.Caption=\"x\"\n"));
  for (const auto& k : cat.Sleutels()) EXPECT_EQ(cat[k], Catalogus()[k]) << k;

  const auto bestand = Taalbestand::Ontleden("[Dynamic]\nAA00048=\"a\\nb\\\\nc\"\nAA00049=\"\\\\\"\nAA00050=\"x\\\"\n");
  Catalogus een, twee;
  DynamischeTekstenLezenUitIni(een, bestand);
  DynamischeTekstenLezenUitIni(twee, bestand);
  DynamischeTekstenLezenUitIni(twee, bestand);
  for (const auto& k : een.Sleutels()) EXPECT_EQ(een[k], twee[k]) << k;
  EXPECT_EQ(een["AA00048"], "a\r\nb\\\r\nc");
}

TEST(TaalInstellen, EnglishThenGermanKeepsEnglishWhereGermanIsSilent) {
  TaalOmgeving o;
  o.Taal("English", "[Dynamic]\nAA00048=\"Invalid time.\"\nAA00049=\"No spaces.\"\n");
  o.Taal("Deutsch", "[Dynamic]\nAA00049=\"Keine Leerzeichen.\"\n");
  EXPECT_TRUE(StelTaalInScreentext(o.ctx, "English"));
  EXPECT_EQ(o.instellingen.Taal, "English");
  EXPECT_TRUE(StelTaalInScreentext(o.ctx, "Deutsch"));
  EXPECT_EQ(o.instellingen.Taal, "Deutsch");
  EXPECT_EQ(o.catalogus["AA00048"], "Invalid time.");
  EXPECT_EQ(o.catalogus["AA00049"], "Keine Leerzeichen.");
  EXPECT_EQ(o.catalogus["AA00050"], "Geen waarnemingspost geselecteerd.");

  // A language whose file is gone changes nothing.
  EXPECT_FALSE(StelTaalInScreentext(o.ctx, "Francais"));
  EXPECT_EQ(o.instellingen.Taal, "Deutsch");
  EXPECT_EQ(o.catalogus["AA00049"], "Keine Leerzeichen.");

  // Back to the built-in language: the name changes, the texts stay until a restart.
  EXPECT_FALSE(StelTaalInScreentext(o.ctx, "Nederlands"));
  EXPECT_EQ(o.instellingen.Taal, "Nederlands");
  EXPECT_EQ(o.catalogus["AA00048"], "Invalid time.");
  EXPECT_TRUE(o.ui.berichten.empty());
}

TEST(TaalInstellen, HelpFileStaysInTheHelpFolder) {
  TaalOmgeving o;
  EXPECT_EQ(StelTaalInHelp(o.ctx, "Morvask_English"), o.map.Pad() + "Hlp/Morvask_English.html");
  EXPECT_EQ(o.instellingen.HelpTaal, "Morvask_English");
  EXPECT_EQ(TaalMap("/opt/m/"), "/opt/m/Lng/");
}

// The screen texts: the same value rules in a window section, without the line-break rule.
TEST(SchermTeksten, WindowSectionRules) {
  TaalOmgeving o;
  o.Taal("English",
         "[hoofdform]\n"
         "   HoofdForm.Caption =   \"Main window \"   \n"
         "HOOFDFORM.BUTTON1.CAPTION=\"Regel 1\\nRegel 2\"\n"
         "HoofdForm.Button1.Hint=\"\"\n"
         "[Dynamic]\nAA00048=\"\"\n");
  auto bestand = OpenTaalbestand(o.map.Pad(), "English");
  ASSERT_TRUE(bestand);
  RScherm s = Hoofdvenster();
  VertaalScherm(s, *bestand);
  EXPECT_EQ(s.Caption, "Main window ");
  EXPECT_EQ(s.Onderdelen[0].Caption, "Regel 1\\nRegel 2");
  // "" leaves a caption or hint as it is, but empties a catalogue entry.
  EXPECT_EQ(s.Onderdelen[0].Hint, "Sluiten");
  DynamischeTekstenLezenUitIni(o.catalogus, *bestand);
  EXPECT_EQ(o.catalogus["AA00048"], "");
  EXPECT_FALSE(OpenTaalbestand(o.map.Pad(), "Missing"));
}

}  // namespace
}  // namespace morvask
