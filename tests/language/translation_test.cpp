#include "language/translation.h"

#include <gtest/gtest.h>

#include "language/language_choice.h"
#include "language/language_file.h"
#include "language_fixture.h"

namespace morvask {
namespace {

using test::TaalOmgeving;

ROnderdeel Met(std::string naam, std::string caption, std::string hint = "") {
  ROnderdeel o;
  o.Naam = std::move(naam);
  o.HeeftCaption = true;
  o.Caption = std::move(caption);
  o.HeeftHint = true;
  o.Hint = std::move(hint);
  return o;
}

ROnderdeel Lijst(std::string naam, SoortOnderdeel soort, std::vector<std::string> regels) {
  ROnderdeel o;
  o.Naam = std::move(naam);
  o.Soort = soort;
  o.Regels = std::move(regels);
  return o;
}

// A window with every kind of component.
RScherm Invoer() {
  RScherm s;
  s.Naam = "KentekensInvoerenForm1";
  s.Caption = "Registraties invoeren";
  s.Onderdelen = {
      Met("Button1", "&Sluiten", "Venster sluiten"),
      Met("ntButton2", "&Taal"),
      Met("NTLabel1", "vast"),
      Met("Label1", "Label1"),
      Met("N1", "-"),
      Lijst("Memo1", SoortOnderdeel::MeerRegelig, {"Eerste regel", "Tweede regel", "Memo1", "na de naam"}),
      Lijst("RadioGroup1", SoortOnderdeel::Keuzegroep, {"Kordon", "Tussenpost"}),
      Lijst("PostComboBox", SoortOnderdeel::Keuzelijst, {"001", "002"}),
  };
  ROnderdeel zonder;  // an edit box: no caption, no hint
  zonder.Naam = "Edit1";
  s.Onderdelen.push_back(zonder);
  return s;
}

TEST(VertaalScherm, EveryKindOfComponent) {
  const auto bestand = Taalbestand::Ontleden(
      "[KentekensInvoerenForm1]\n"
      "KentekensInvoerenForm1.Caption=\"Enter registrations\"\n"
      "KentekensInvoerenForm1.Button1.Caption=\"&Close\"\n"
      "KentekensInvoerenForm1.Button1.Hint=\"Close window\"\n"
      "KentekensInvoerenForm1.ntButton2.Caption=\"&Language?\"\n"
      "KentekensInvoerenForm1.NTLabel1.Caption=\"changed?\"\n"
      "KentekensInvoerenForm1.Memo1.Lines[0]=\"First line\"\n"
      "KentekensInvoerenForm1.Memo1.Lines[1]=\"\"\n"
      "KentekensInvoerenForm1.Memo1.Lines[9]=\"never added\"\n"
      "KentekensInvoerenForm1.RadioGroup1.Items[0]=\"\"\n"
      "KentekensInvoerenForm1.RadioGroup1.Items[1]=\"Intermediate\"\n"
      "KentekensInvoerenForm1.RadioGroup1.Items[2]=\"never added\"\n"
      "KentekensInvoerenForm1.PostComboBox.Items[1]=\"two\"\n"
      "KentekensInvoerenForm1.Edit1.Caption=\"no caption to set\"\n"
      "KentekensInvoerenForm1.Edit1.Hint=\"no hint to set\"\n");
  RScherm s = Invoer();
  VertaalScherm(s, bestand);
  EXPECT_EQ(s.Caption, "Enter registrations");
  EXPECT_EQ(s.Onderdelen[0].Caption, "&Close");
  EXPECT_EQ(s.Onderdelen[0].Hint, "Close window");
  EXPECT_EQ(s.Onderdelen[1].Caption, "&Taal");
  EXPECT_EQ(s.Onderdelen[2].Caption, "vast");
  EXPECT_EQ(s.Onderdelen[5].Regels, (std::vector<std::string>{"First line", "", "Memo1", "na de naam"}));
  EXPECT_EQ(s.Onderdelen[6].Regels, (std::vector<std::string>{"Kordon", "Intermediate"}));
  EXPECT_EQ(s.Onderdelen[7].Regels, (std::vector<std::string>{"001", "two"}));
  EXPECT_EQ(s.Onderdelen[8].Caption, "");
  EXPECT_EQ(s.Onderdelen[8].Hint, "");

  // An empty or absent title keeps the title.
  RScherm t = Invoer();
  VertaalScherm(t, Taalbestand::Ontleden("[KentekensInvoerenForm1]\nKentekensInvoerenForm1.Caption=\"\"\n"));
  EXPECT_EQ(t.Caption, "Registraties invoeren");
}

TEST(VertaalSchermen, OnlyTheListedWindowsAfterTheComposedTexts) {
  TaalOmgeving o;
  o.Taal("English",
         "[HoofdForm]\nHoofdForm.Caption=\"Main\"\n"
         "[OpInternetForm]\n"
         "[TLanguageForm]\nTLanguageForm.Caption=\"not translated\"\n"
         "[KentekensInvoerenForm1]\nKentekensInvoerenForm1.Caption=\"Enter registrations\"\n"
         "[Dynamic]\nAA00181=\"%s on the web...\"\n");
  std::vector<RScherm> schermen(4);
  schermen[0].Naam = "HoofdForm";
  schermen[0].Caption = "Morvask";
  schermen[0].Onderdelen = {Met(OpInternetMenuNaam, "x"), Met(OpInternetKnopNaam, ""), Met(LeesMijMenuNaam, "y")};
  schermen[1].Naam = "OpInternetForm";
  schermen[2].Naam = "TLanguageForm";
  schermen[2].Caption = "Language";
  schermen[3] = Invoer();

  // The built-in language: only the composed texts.
  EXPECT_FALSE(VertaalSchermen(o.ctx, schermen, "Nederlands", "Acme"));
  EXPECT_EQ(schermen[0].Caption, "Morvask");
  EXPECT_EQ(schermen[0].Onderdelen[0].Caption, "Acme @ internet...");
  EXPECT_EQ(schermen[0].Onderdelen[1].Hint, "Acme @ internet...");
  EXPECT_EQ(schermen[0].Onderdelen[2].Caption, "&LeesMij.txt");
  EXPECT_EQ(schermen[1].Caption, "Acme @ internet...");

  ASSERT_TRUE(StelTaalInScreentext(o.ctx, "English"));
  o.ctx.vast = VasteTekstenInstellen(o.instellingen.Taal);
  EXPECT_TRUE(VertaalSchermen(o.ctx, schermen, "English", "Acme"));
  EXPECT_EQ(schermen[0].Caption, "Main");
  EXPECT_EQ(schermen[0].Onderdelen[0].Caption, "Acme on the web...");
  EXPECT_EQ(schermen[0].Onderdelen[2].Caption, "&ReadMe.txt");
  EXPECT_EQ(schermen[1].Caption, "Acme on the web...");
  EXPECT_EQ(schermen[2].Caption, "Language");
  EXPECT_EQ(schermen[3].Caption, "Enter registrations");

  // A language without a file translates nothing.
  schermen[3] = Invoer();
  EXPECT_FALSE(VertaalSchermen(o.ctx, schermen, "Deutsch", "Acme"));
  EXPECT_EQ(schermen[3].Caption, "Registraties invoeren");
}

TEST(SchrijfTaalsjabloon, WritesTheShownTextsAndKeepsTheRest) {
  TaalOmgeving o;
  const std::string naam = o.map / "Lng/All.lng";
  o.map.Schrijf("Lng/All.lng",
                "; translator's note\r\n"
                "[Dynamic]\r\n"
                "AA00048=\"Invalid time.\"\r\n"
                "\r\n"
                "[kentekensinvoerenform1]\r\n"
                "KENTEKENSINVOERENFORM1.BUTTON1.CAPTION=\"old\"\r\n"
                "KentekensInvoerenForm1.Gone.Caption=\"kept\"\r\n"
                "\r\n"
                "[Other]\r\n"
                "Other.Caption=\"kept too\"\r\n");
  RScherm s = Invoer();
  s.Onderdelen[0].Caption = "Clo&se";
  RScherm zelfdeNaam;
  zelfdeNaam.Naam = "GoToForm";
  zelfdeNaam.Caption = "GoToForm";
  ASSERT_TRUE(SchrijfTaalsjabloon({s, zelfdeNaam}, naam, o.ui, o.catalogus));

  EXPECT_EQ(o.map.Lees("Lng/All.lng"),
            "; translator's note\r\n"
            "[Dynamic]\r\n"
            "AA00048=\"Invalid time.\"\r\n"
            "\r\n"
            "[kentekensinvoerenform1]\r\n"
            "KentekensInvoerenForm1.Button1.Caption=\"Clo&se\"\r\n"
            "KentekensInvoerenForm1.Gone.Caption=\"kept\"\r\n"
            "KentekensInvoerenForm1.Caption=\"Registraties invoeren\"\r\n"
            "KentekensInvoerenForm1.Button1.Hint=\"Venster sluiten\"\r\n"
            "KentekensInvoerenForm1.Memo1.Lines[0]=\"Eerste regel\"\r\n"
            "KentekensInvoerenForm1.Memo1.Lines[1]=\"Tweede regel\"\r\n"
            "KentekensInvoerenForm1.RadioGroup1.Items[0]=\"Kordon\"\r\n"
            "KentekensInvoerenForm1.RadioGroup1.Items[1]=\"Tussenpost\"\r\n"
            "KentekensInvoerenForm1.PostComboBox.Items[0]=\"001\"\r\n"
            "KentekensInvoerenForm1.PostComboBox.Items[1]=\"002\"\r\n"
            "\r\n"
            "[Other]\r\n"
            "Other.Caption=\"kept too\"\r\n");
  EXPECT_TRUE(o.ui.berichten.empty());
}

TEST(SchrijfTaalsjabloon, TemplateTranslatesTheWindowsBack) {
  TaalOmgeving o;
  const std::string naam = o.map / "Lng/All.lng";
  RScherm s = Invoer();
  s.Caption = "Enter \"plates\" ";
  s.Onderdelen[0].Caption = "Two\r\nlines";
  // A UTF-8 file keeps its byte-order mark.
  o.map.Schrijf("Lng/All.lng", "\xEF\xBB\xBF; note \xC3\xA9\r\n");
  ASSERT_TRUE(SchrijfTaalsjabloon({s}, naam, o.ui, o.catalogus));
  const std::string bytes = o.map.Lees("Lng/All.lng");
  EXPECT_EQ(bytes.rfind("\xEF\xBB\xBF; note \xC3\xA9\r\n\r\n[KentekensInvoerenForm1]\r\n", 0), 0u) << bytes;

  RScherm terug = Invoer();
  const auto bestand = TaalbestandLezen(naam);
  ASSERT_TRUE(bestand);
  VertaalScherm(terug, *bestand);
  EXPECT_EQ(terug.Caption, "Enter \"plates\" ");
  EXPECT_EQ(terug.Onderdelen[0].Caption, "Two  lines");
  EXPECT_EQ(terug.Onderdelen[5].Regels, s.Onderdelen[5].Regels);
  EXPECT_FALSE(bestand->HeeftSectie("Dynamic"));

  // A file where the folder should be: the general write message.
  o.map.Schrijf("blok", "");
  EXPECT_FALSE(SchrijfTaalsjabloon({s}, o.map / "blok/All.lng", o.ui, o.catalogus));
  ASSERT_EQ(o.ui.Teksten("fout").size(), 1u);
  EXPECT_EQ(o.ui.Teksten("fout")[0].rfind("Kan bestand \"" + o.map.Pad() + "blok/All.lng\" niet opslaan.", 0), 0u);
}

TEST(TaalKeuze, ListsAndChoice) {
  TaalOmgeving o;
  // No Lng/ and Hlp/ yet.
  EXPECT_EQ(BeschikbareTalen(o.ctx), std::vector<std::string>{"Nederlands"});
  EXPECT_TRUE(BeschikbareHelpbestanden(o.ctx).empty());
  EXPECT_EQ(o.ui.Teksten("fout"), (std::vector<std::string>{"Folder not found: \"" + o.map.Pad() + "Lng/\"",
                                                            "Folder not found: \"" + o.map.Pad() + "Hlp/\""}));
  o.ui.berichten.clear();

  o.Taal("English", "[Dynamic]\nAA00048=\"Invalid time.\"\n");
  o.map.Schrijf("Lng/deutsch.LNG", "");
  o.map.Schrijf("Lng/.hidden.lng", "");
  o.map.Schrijf("Lng/.lng", "");
  o.map.Schrijf("Lng/notes.txt", "");
  o.map.Schrijf("Lng/x.lng.bak", "");
  o.map.Schrijf("Lng/Sub.lng/inner.lng", "");
  o.map.Schrijf("Hlp/Morvask_Nederlands.html", "");
  o.map.Schrijf("Hlp/Morvask_English.HTML", "");
  EXPECT_EQ(BeschikbareTalen(o.ctx), (std::vector<std::string>{".hidden", "deutsch", "English", "Nederlands"}));
  EXPECT_EQ(BeschikbareHelpbestanden(o.ctx), (std::vector<std::string>{"Morvask_English", "Morvask_Nederlands"}));
  EXPECT_TRUE(o.ui.berichten.empty());

  std::vector<RScherm> schermen;
  auto help = TaalKeuzeToepassen(o.ctx, schermen, std::string("English"), std::string("Morvask_English"), "Acme");
  EXPECT_EQ(help, o.map.Pad() + "Hlp/Morvask_English.html");
  EXPECT_EQ(o.instellingen.Taal, "English");
  EXPECT_EQ(o.ctx.vast.NieuwProjectNaam, "New");
  EXPECT_EQ(o.catalogus["AA00048"], "Invalid time.");
  EXPECT_TRUE(o.ui.berichten.empty());

  // Back to the built-in language: the restart notice.
  EXPECT_FALSE(TaalKeuzeToepassen(o.ctx, schermen, std::string("Nederlands"), std::nullopt, "Acme"));
  EXPECT_EQ(o.instellingen.Taal, "Nederlands");
  EXPECT_EQ(o.ctx.vast.NieuwProjectNaam, "Nieuw");
  EXPECT_EQ(o.ui.Teksten("informatie"),
            std::vector<std::string>{
                "Restart Morvask to activate the language.\r\rStart Morvask opnieuw op om de taal te activeren."});
}

}  // namespace
}  // namespace morvask
