#include "registrations/editor_search.h"

#include <gtest/gtest.h>

#include "registration_test_support.h"

namespace morvask::test {
namespace {

using Lijst = std::vector<std::string>;

TEST(GeschiedenisBijwerken, MostRecentFirstNoDuplicatesAtMostTen) {
  const Lijst tien = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
  const struct {
    Lijst voor;
    std::string tekst;
    Lijst na;
  } gevallen[] = {
      {{}, "a", {"a"}},
      {{"a", "b", "c"}, "b", {"b", "a", "c"}},
      {{"a", "b", "c"}, "a", {"a", "b", "c"}},
      {tien, "k", {"k", "a", "b", "c", "d", "e", "f", "g", "h", "i"}},
      {tien, "j", {"j", "a", "b", "c", "d", "e", "f", "g", "h", "i"}},
      {{"a", "b"}, "", {"a", "b"}},
      {{"abc"}, "ABC", {"ABC", "abc"}},  // case matters
  };
  for (const auto& g : gevallen) {
    Lijst l = g.voor;
    GeschiedenisBijwerken(l, g.tekst);
    EXPECT_EQ(l, g.na) << g.tekst;
  }
}

TEST(ZoekdialoogBevestigd, TheDialogBecomesTheSearchStateAndRunsASearch) {
  RZoekstatus status;
  status.Zoektekst = "oud";
  status.Zoekgeschiedenis = {"oud", "ouder"};
  status.Vervangtekst = "blijft";

  RZoekdialoog d = ZoekdialoogVullen(status);
  EXPECT_EQ(d.Zoektekst, "oud");
  EXPECT_EQ(d.Zoekgeschiedenis, (Lijst{"oud", "ouder"}));
  d.Zoektekst = "ouder";
  d.Vervangtekst = "ignored by the search dialog";
  d.Opties.Achteruit = true;
  d.Opties.Hoofdlettergevoelig = true;
  d.Opties.VanafCursor = false;
  const RZoekbevestiging b = ZoekdialoogBevestigd(status, d, false);
  EXPECT_EQ(b.status.Zoektekst, "ouder");
  EXPECT_EQ(b.status.Zoekgeschiedenis, (Lijst{"ouder", "oud"}));
  EXPECT_EQ(b.status.Vervangtekst, "blijft");
  EXPECT_TRUE(b.status.Opties.Hoofdlettergevoelig);
  ASSERT_TRUE(b.opdracht.has_value());
  EXPECT_EQ(b.opdracht->Zoektekst, "ouder");
  EXPECT_TRUE(b.opdracht->Achteruit);
  EXPECT_TRUE(b.opdracht->GeheleTekst);  // the dialog's from-caret choice was off
  EXPECT_FALSE(b.opdracht->Vervangen);
  EXPECT_TRUE(b.vanafCursor);  // F3 goes on from the caret

  d.Opties.VanafCursor = true;
  EXPECT_FALSE(ZoekdialoogBevestigd(status, d, false).opdracht->GeheleTekst);

  d.Zoektekst = "";
  const RZoekbevestiging leeg = ZoekdialoogBevestigd(status, d, false);
  EXPECT_FALSE(leeg.opdracht.has_value());
  EXPECT_EQ(leeg.status.Zoekgeschiedenis, (Lijst{"oud", "ouder"}));
}

TEST(ZoekdialoogBevestigd, TheReplaceDialogKeepsBothHistories) {
  RZoekstatus status;
  RZoekdialoog d = ZoekdialoogVullen(status);
  d.Zoektekst = "AB";
  d.Vervangtekst = "XY";
  // A history handed back with duplicates, blanks and too many entries is put in order.
  d.Vervanggeschiedenis = {"1", "2", "1", "", "3", "4", "5", "6", "7", "8", "9", "10", "11"};
  const RZoekbevestiging b = ZoekdialoogBevestigd(status, d, true);
  EXPECT_EQ(b.status.Vervangtekst, "XY");
  EXPECT_EQ(b.status.Zoekgeschiedenis, Lijst{"AB"});
  EXPECT_EQ(b.status.Vervanggeschiedenis, (Lijst{"XY", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
  ASSERT_TRUE(b.opdracht.has_value());
  EXPECT_TRUE(b.opdracht->Vervangen);
  EXPECT_EQ(b.opdracht->Vervangtekst, "XY");
}

TEST(ZoekVolgende, RepeatsTheLastSearchInEitherDirection) {
  RZoekstatus status;
  EXPECT_FALSE(ZoekVolgende(status, true, false).has_value());
  status.Zoektekst = "AB";
  status.Vervangtekst = "XY";
  status.Opties.HeleWoorden = true;
  status.Opties.RegulierOpdracht = true;
  const auto vooruit = ZoekVolgende(status, true, false);
  ASSERT_TRUE(vooruit.has_value());
  EXPECT_FALSE(vooruit->Achteruit);
  EXPECT_FALSE(vooruit->GeheleTekst);
  EXPECT_FALSE(vooruit->Vervangen);  // F3 searches, it does not replace
  EXPECT_TRUE(vooruit->HeleWoorden);
  EXPECT_TRUE(vooruit->RegulierOpdracht);
  const auto terug = ZoekVolgende(status, false, true);
  EXPECT_TRUE(terug->Achteruit);
  EXPECT_TRUE(terug->GeheleTekst);
}

TEST(VervangenBijTreffer, EqualTextsAreSkippedWithoutAsking) {
  RZoekopdracht o;
  o.Vervangen = true;
  o.Zoektekst = "AB";
  o.Vervangtekst = "AB";
  EXPECT_EQ(VervangenBijTreffer(o), Vervangactie::Overslaan);
  o.Vervangtekst = "ab";
  EXPECT_EQ(VervangenBijTreffer(o), Vervangactie::Vragen);
  EXPECT_EQ(VervangVraagtekst("AB"), "Replace this occurence of \"AB\"?");
}

TEST(TekstNietGevonden, IsAnInformationMessage) {
  Registratieomgeving o;
  TekstNietGevonden(o.ctx);
  ASSERT_EQ(o.ui.berichten.size(), 1u);
  EXPECT_EQ(o.ui.berichten[0].soort, "informatie");
  EXPECT_EQ(o.ui.berichten[0].tekst, "Tekst niet gevonden.");
  EXPECT_EQ(o.ui.berichten[0].caption, "Morvask");
}

}  // namespace
}  // namespace morvask::test
