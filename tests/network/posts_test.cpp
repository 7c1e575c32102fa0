#include "network/posts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/travel_time_table.h"
#include "network/network_test_support.h"

namespace morvask {
namespace {

using test::NetwerkOmgeving;

const char* OngeldigNummer =
    "Ongeldig waarnemingspostnummer ingevoerd. Een geldig nummer is bijvoorbeeld 001 (3 karakters).";
const char* BestaatAl = "Waarnemingspost bestaat al.";
const char* Overgezet =
    "Aan de waarnemingspost gekoppelde registraties worden overgezet en doorrijtijden worden gereset.";
const char* GeenPost = "Geen waarnemingspost geselecteerd.";

RPosttypeKeuze Type(const std::string& achtervoegsel) {
  RPosttypeKeuze t;
  t.Tussenpost = achtervoegsel[1] == 't';
  t.KordonUitgaand = achtervoegsel == "-ku";
  t.Rijrichting2 = achtervoegsel == "-t2";
  return t;
}

RPostdialoogVelden Nieuw(const std::string& nummer, const std::string& type, const std::string& omschrijving = "") {
  RPostdialoogVelden v = WnpNieuw(RPostdialoogStand{});
  v.Nummer = nummer;
  v.Type = Type(type);
  v.Omschrijving = omschrijving;
  return v;
}

// Opens the change dialog on the post with the code and fills in a new number and type.
RPostdialoogVelden Wijzig(NetwerkOmgeving& o, const std::string& code, const std::string& nummer,
                          const std::string& type) {
  std::size_t index = 0;
  while (o.project.Postlijst[index].Postcode.view() != code) ++index;
  RPostdialoogVelden v = WnpWijzigen(o.ctx, RPostdialoogStand{}, index).value();
  v.Nummer = nummer;
  v.Type = Type(type);
  return v;
}

bool Accepteer(NetwerkOmgeving& o, const RPostdialoogVelden& v) {
  return WnpAccepteren(o.ctx, RPostdialoogStand{}, v).Geaccepteerd;
}

TEST(PostAccepteren, TheNumberMustBeExactlyThreeDigits) {
  struct Geval {
    const char* nummer;
    bool geldig;
  };
  const Geval gevallen[] = {{"000", true},  {"999", true},  {"042", true},  {"1000", false}, {"-1", false},
                            {"12", false},  {"a12", false}, {"+12", false}, {" 12", false},  {"12 ", false},
                            {"$12", false}, {"", false},    {"-12", false}};
  for (const Geval& g : gevallen) {
    NetwerkOmgeving o;
    EXPECT_EQ(IsGeldigPostnummer(g.nummer), g.geldig) << g.nummer;
    const RPostdialoogUitkomst uit = WnpAccepteren(o.ctx, RPostdialoogStand{}, Nieuw(g.nummer, "-ki"));
    EXPECT_EQ(uit.Geaccepteerd, g.geldig) << g.nummer;
    if (g.geldig) {
      EXPECT_EQ(o.Codes(), std::vector<std::string>{std::string(g.nummer) + "-ki"});
      EXPECT_TRUE(o.ui.berichten.empty());
    } else {
      EXPECT_TRUE(o.project.Postlijst.empty()) << g.nummer;
      EXPECT_FALSE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
      EXPECT_EQ(o.ui.Teksten("fout"), std::vector<std::string>{OngeldigNummer}) << g.nummer;
    }
  }
}

TEST(PostAccepteren, TheNumberFieldIsFormattedOnLeavingAndBySpinning) {
  struct Geval {
    const char* tekst;
    const char* verlaten;
    const char* omhoog;
    const char* omlaag;
  };
  const Geval gevallen[] = {
      {"7", "007", "008", "006"},    {"000", "000", "001", "000"},  {"999", "999", "999", "998"},
      {"1000", "001", "001", "001"}, {"-1", "001", "001", "001"},   {"abc", "001", "001", "001"},
      {"", "001", "001", "001"},     {"0042", "042", "043", "041"},
  };
  for (const Geval& g : gevallen) {
    EXPECT_EQ(PostnummerOpmaken(g.tekst), g.verlaten) << g.tekst;
    EXPECT_EQ(PostnummerStap(g.tekst, 1), g.omhoog) << g.tekst;
    EXPECT_EQ(PostnummerStap(g.tekst, -1), g.omlaag) << g.tekst;
  }
}

TEST(PostAccepteren, AddingTakesEachTypeAndItsSortedPlace) {
  NetwerkOmgeving o;
  o.Posten({"005-ku", "010-ki"});
  EXPECT_TRUE(Accepteer(o, Nieuw("005", "-ki", "Noord")));
  EXPECT_TRUE(Accepteer(o, Nieuw("001", "-t2")));
  EXPECT_TRUE(Accepteer(o, Nieuw("001", "-t1")));
  EXPECT_EQ(o.Codes(), (std::vector<std::string>{"001-t1", "001-t2", "005-ki", "005-ku", "010-ki"}));
  EXPECT_EQ(o.project.Postlijst[2].Omschrijving, "Noord");
  EXPECT_TRUE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
  EXPECT_EQ(o.ui.menuCodes, (std::vector<MenuCode>{mcOpslaan, mcOpslaan, mcOpslaan}));
  EXPECT_TRUE(o.ui.berichten.empty());
}

TEST(PostAccepteren, ADuplicateCodeIsRefusedAndChangesNothing) {
  NetwerkOmgeving o;
  o.Posten({"005-ki", "005-ku"});
  DoorrijtijdentabelBijwerken(o.project);
  const Project voor = o.project;

  EXPECT_FALSE(Accepteer(o, Nieuw("005", "-ki")));
  // In change mode another post's code is refused as well.
  EXPECT_FALSE(Accepteer(o, Wijzig(o, "005-ki", "005", "-ku")));
  EXPECT_EQ(o.ui.Teksten("waarschuwing"), (std::vector<std::string>{BestaatAl, BestaatAl}));
  EXPECT_TRUE(o.ui.Teksten("informatie").empty());
  EXPECT_EQ(o.Codes(), (std::vector<std::string>{"005-ki", "005-ku"}));
  EXPECT_EQ(o.project.Doorrijtijdentabel, voor.Doorrijtijdentabel);
  EXPECT_FALSE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
}

TEST(PostAccepteren, AFailedAcceptKeepsTheStateAndASuccessfulOneTakesTheFields) {
  NetwerkOmgeving o;
  RPostdialoogStand stand;
  stand.Nummer = "004";
  RPostdialoogUitkomst uit = WnpAccepteren(o.ctx, stand, Nieuw("12", "-t2"));
  EXPECT_FALSE(uit.Geaccepteerd);
  EXPECT_EQ(uit.Stand.Nummer, "004");
  uit = WnpAccepteren(o.ctx, stand, Nieuw("012", "-t2"));
  EXPECT_TRUE(uit.Geaccepteerd);
  EXPECT_EQ(uit.Stand.Nummer, "012");
  EXPECT_EQ(uit.Stand.Type.Achtervoegsel(), "-t2");
  // The next new post starts from what the dialog held last.
  const RPostdialoogVelden volgende = WnpNieuw(uit.Stand);
  EXPECT_EQ(volgende.Nummer, "012");
  EXPECT_EQ(volgende.Type.Achtervoegsel(), "-t2");
  EXPECT_EQ(volgende.Omschrijving, "");
  EXPECT_EQ(volgende.Modus, Postdialoogmodus::Toevoegen);
}

TEST(PostAccepteren, TheDialogStartsAt001CordonInbound) {
  const RPostdialoogVelden v = WnpNieuw(RPostdialoogStand{});
  EXPECT_EQ(v.Nummer, "001");
  EXPECT_EQ(v.Type.Achtervoegsel(), "-ki");
}

TEST(PostWijzigen, TheDialogShowsTheSelectedPostAndEachGroupKeepsItsChoice) {
  NetwerkOmgeving o;
  o.Posten({"005-t2"});
  o.project.Postlijst[0].Omschrijving = "Brug";
  RPostdialoogStand stand;
  stand.Type.KordonUitgaand = true;  // the cordon group held "uitgaand"
  const RPostdialoogVelden v = WnpWijzigen(o.ctx, stand, 0).value();
  EXPECT_EQ(v.Modus, Postdialoogmodus::Wijzigen);
  EXPECT_EQ(v.Nummer, "005");
  EXPECT_EQ(v.Omschrijving, "Brug");
  EXPECT_TRUE(v.Type.Tussenpost);
  EXPECT_TRUE(v.Type.Rijrichting2);
  EXPECT_TRUE(v.Type.KordonUitgaand);
  EXPECT_EQ(v.Type.Achtervoegsel(), "-t2");
}

TEST(PostWijzigen, WithoutASelectedPostNothingOpensOrChanges) {
  NetwerkOmgeving o;
  o.Posten({"001-ki"});
  EXPECT_FALSE(WnpWijzigen(o.ctx, RPostdialoogStand{}, std::nullopt).has_value());
  EXPECT_FALSE(WnpWijzigen(o.ctx, RPostdialoogStand{}, 1).has_value());
  // A change whose post is no longer in the list.
  RPostdialoogVelden v = Nieuw("002", "-ki");
  v.Modus = Postdialoogmodus::Wijzigen;
  v.Post = 3;
  EXPECT_FALSE(Accepteer(o, v));
  EXPECT_FALSE(PostVerwijderen(o.ctx, std::nullopt));
  EXPECT_EQ(o.ui.Teksten("informatie"), std::vector<std::string>(4, GeenPost));
  EXPECT_EQ(o.Codes(), std::vector<std::string>{"001-ki"});
  EXPECT_FALSE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
}

TEST(PostWijzigen, SavingTheOwnCodeWithANewDescriptionShowsTheNoticeAndKeepsTheTimes) {
  NetwerkOmgeving o;
  o.Posten({"005-ki", "005-ku", "006-ku"});
  o.project.Doorrijtijdentabel = {DoorrijtijdRegel("005-ki", "005-ku", "0", "0"),
                                  DoorrijtijdRegel("005-ki", "006-ku", "25", "4")};
  RPostdialoogVelden v = Wijzig(o, "005-ki", "005", "-ki");
  v.Omschrijving = "Nieuwe naam";
  EXPECT_TRUE(Accepteer(o, v));
  EXPECT_EQ(o.ui.Teksten("informatie"), std::vector<std::string>{Overgezet});
  EXPECT_EQ(o.project.Postlijst[0].Omschrijving, "Nieuwe naam");
  EXPECT_EQ(o.project.Doorrijtijdentabel, (std::vector<std::string>{DoorrijtijdRegel("005-ki", "005-ku", "0", "0"),
                                                                    DoorrijtijdRegel("005-ki", "006-ku", "25", "4")}));
  EXPECT_TRUE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
}

TEST(PostWijzigen, ANewCodeMovesTheRegistrationsAndResetsTheTravelTimes) {
  NetwerkOmgeving o;
  o.project.Gegevens.Waarnemingsinterval = 15;
  o.Posten({"001-ku", "005-ki", "007-t1"});
  DoorrijtijdentabelBijwerken(o.project);
  o.project.Doorrijtijdentabel = {DoorrijtijdRegel("005-ki", "001-ku", "30", "5"),
                                  DoorrijtijdRegel("005-ki", "007-t1", "40", "6"),
                                  DoorrijtijdRegel("007-t1", "001-ku", "50", "7")};
  o.project.RegistratieToevoegen("005-ki", "0800", "a", "AB12CD");
  o.project.RegistratieToevoegen("001-ku", "0805", "a", "AB12CD");
  o.project.RegistratieToevoegen("005-ki", "0810", "b", "XY99ZZ");

  EXPECT_TRUE(Accepteer(o, Wijzig(o, "005-ki", "006", "-ki")));
  EXPECT_EQ(o.ui.Teksten("informatie"), std::vector<std::string>{Overgezet});
  EXPECT_EQ(o.Codes(), (std::vector<std::string>{"001-ku", "006-ki", "007-t1"}));
  EXPECT_EQ(o.RegistratiePosten(), (std::vector<std::string>{"006-ki", "001-ku", "006-ki"}));
  EXPECT_EQ(o.project.Registratielijst[2].Kenteken, "XY99ZZ");

  PostlijstSluiten(o.ctx);
  EXPECT_EQ(o.project.Doorrijtijdentabel, (std::vector<std::string>{DoorrijtijdRegel("006-ki", "001-ku", "15", "0"),
                                                                    DoorrijtijdRegel("006-ki", "007-t1", "15", "0"),
                                                                    DoorrijtijdRegel("007-t1", "001-ku", "50", "7")}));
  EXPECT_EQ(o.ui.menuCodes.back(), mcPosten);
}

TEST(PostWijzigen, ACodeUsedEarlierInTheSameSessionStillStartsFromTheDefaults) {
  // 006-ki is deleted and 005-ki then renamed to 006-ki before the window closes: the old
  // times of 006-ki must not come back.
  NetwerkOmgeving o;
  o.Posten({"001-ku", "005-ki", "006-ki"});
  o.project.Doorrijtijdentabel = {DoorrijtijdRegel("005-ki", "001-ku", "30", "5"),
                                  DoorrijtijdRegel("006-ki", "001-ku", "99", "9")};
  o.ui.antwoorden = {mrJa};
  ASSERT_TRUE(PostVerwijderen(o.ctx, 2));
  EXPECT_TRUE(Accepteer(o, Wijzig(o, "005-ki", "006", "-ki")));
  // And back again: the times 005-ki had are gone as well.
  EXPECT_TRUE(Accepteer(o, Wijzig(o, "006-ki", "005", "-ki")));
  PostlijstSluiten(o.ctx);
  EXPECT_EQ(o.project.Doorrijtijdentabel, std::vector<std::string>{DoorrijtijdRegel("005-ki", "001-ku", "1", "0")});
}

TEST(PostWijzigen, LineBreaksInTheDescriptionBecomeSpacesAndItIsCutTo99) {
  NetwerkOmgeving o;
  EXPECT_TRUE(Accepteer(o, Nieuw("001", "-ki", "Noord\r\nZuid")));
  EXPECT_TRUE(Accepteer(o, Nieuw("002", "-ki", std::string(120, 'x'))));
  EXPECT_EQ(o.project.Postlijst[0].Omschrijving, "Noord  Zuid");
  EXPECT_EQ(o.project.Postlijst[1].Omschrijving.str(), std::string(99, 'x'));
}

struct VerwijderOmgeving : NetwerkOmgeving {
  VerwijderOmgeving() {
    Posten({"001-ki", "002-ku", "003-t1"});
    DoorrijtijdentabelBijwerken(project);
    project.RegistratieToevoegen("002-ku", "0800", "a", "AAA111");
    project.RegistratieToevoegen("001-ki", "0801", "a", "BBB222");
    project.RegistratieToevoegen("", "0802", "a", "CCC333");  // a line without a post
    project.RegistratieToevoegen("002-ku", "0803", "a", "DDD444");
    project.RegistratieToevoegen("003-t1", "0804", "a", "EEE555");
  }
};

TEST(PostVerwijderen, AsksWithTheCountAndOnlyTheDeleteButtonDeletes) {
  for (const ModaalResultaat antwoord : {mrNee, mrAnnuleren}) {
    VerwijderOmgeving o;
    const Project voor = o.project;
    o.ui.antwoorden = {antwoord};
    EXPECT_FALSE(PostVerwijderen(o.ctx, 1));
    ASSERT_EQ(o.ui.berichten.size(), 1u);
    const test::Bericht& vraag = o.ui.berichten[0];
    EXPECT_EQ(vraag.soort, "vraag");
    EXPECT_EQ(vraag.tekst,
              "Er zijn 2 kentekens aan deze waarnemingspost gekoppeld. Als deze post wordt verwijderd worden "
              "eveneens deze kentekens verwijderd.\r\rWaarnemingspost verwijderen?");
    EXPECT_EQ(vraag.knoppen, (std::vector<std::string>{"&Verwijderen", "&Niet verwijderen", "&Annuleren"}));
    EXPECT_EQ(vraag.standaardKnop, skNee);
    EXPECT_EQ(o.Codes(), (std::vector<std::string>{"001-ki", "002-ku", "003-t1"}));
    EXPECT_EQ(o.RegistratiePosten(), (std::vector<std::string>{"002-ku", "001-ki", "", "002-ku", "003-t1"}));
    EXPECT_EQ(o.project.Doorrijtijdentabel, voor.Doorrijtijdentabel);
    EXPECT_FALSE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
    EXPECT_TRUE(o.ui.menuCodes.empty());
  }
}

TEST(PostVerwijderen, RemovesThePostItsRegistrationsAndItsPairs) {
  VerwijderOmgeving o;
  o.ui.antwoorden = {mrJa};
  EXPECT_TRUE(PostVerwijderen(o.ctx, 1));
  EXPECT_EQ(o.Codes(), (std::vector<std::string>{"001-ki", "003-t1"}));
  // The others keep their order; the line without a post is not this post's.
  EXPECT_EQ(o.RegistratiePosten(), (std::vector<std::string>{"001-ki", "", "003-t1"}));
  EXPECT_EQ(o.project.Registratielijst[1].Kenteken, "CCC333");
  for (const std::string& regel : o.project.Doorrijtijdentabel) EXPECT_EQ(regel.find("002-ku"), std::string::npos);
  EXPECT_EQ(o.project.Doorrijtijdentabel, std::vector<std::string>{DoorrijtijdRegel("001-ki", "003-t1", "1", "0")});
  EXPECT_TRUE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
  EXPECT_EQ(o.ui.menuCodes, (std::vector<MenuCode>{mcOpslaan, mcPosten, mcRegistraties}));
}

TEST(PostVerwijderen, APostWithoutRegistrationsIsStillAskedAbout) {
  NetwerkOmgeving o;
  o.Posten({"001-ki"});
  EXPECT_FALSE(PostVerwijderen(o.ctx, 0));  // the default answer keeps the post
  ASSERT_EQ(o.ui.Teksten("vraag").size(), 1u);
  EXPECT_EQ(o.ui.Teksten("vraag")[0].rfind("Er zijn 0 kentekens", 0), 0u);
  EXPECT_EQ(o.Codes(), std::vector<std::string>{"001-ki"});
}

TEST(Postlijst, TheListLinesAreSortedAndTheSelectionReturnsWhileItFits) {
  NetwerkOmgeving o;
  o.Posten({"002-ku", "001-ki"});
  o.project.Postlijst[0].Omschrijving = "Twee";
  o.project.Postlijst[1].Omschrijving = "Een";
  o.project.Postlijst[0].Geselecteerd = false;
  EXPECT_EQ(PostlijstVernieuwen(o.project), (std::vector<std::string>{"001-ki  Een", "002-ku  Twee"}));
  EXPECT_TRUE(o.project.Postlijst[1].Geselecteerd);

  EXPECT_EQ(TerugNaarGeselecteerde(1, 2), std::optional<std::size_t>(1));
  // After deleting the last line, nothing is selected.
  EXPECT_EQ(TerugNaarGeselecteerde(1, 1), std::nullopt);
  EXPECT_EQ(TerugNaarGeselecteerde(std::nullopt, 2), std::nullopt);
}

}  // namespace
}  // namespace morvask
