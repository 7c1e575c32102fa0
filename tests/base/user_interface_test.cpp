#include "base/user_interface.h"

#include <gtest/gtest.h>

#include "base/catalogue.h"
#include "support/fake_ui.h"

namespace morvask {
namespace {

using test::NepUi;

TEST(AfbrekenAangevraagd, OnlyTheYesAnswerSetsTheCancelFlag) {
  const Catalogus cat;
  const std::vector<std::pair<ModaalResultaat, bool>> antwoorden = {
      {mrJa, true},          // "Af&breken"
      {mrNee, false},        // "&Niet afbreken"
      {mrAnnuleren, false},  // "&Annuleren", and closing the question
      {mrOK, false},
  };
  for (const auto& [antwoord, afbreken] : antwoorden) {
    NepUi ui;
    ui.antwoorden = {antwoord};
    ui.AfbrekenAangevraagd(cat);
    EXPECT_EQ(ui.BerekeningAfbreken, afbreken) << antwoord;
    EXPECT_EQ(ui.berichten.size(), 1u);
  }
  // Without an answer the default button, "&Niet afbreken", counts.
  NepUi ui;
  ui.AfbrekenAangevraagd(cat);
  EXPECT_FALSE(ui.BerekeningAfbreken);
}

TEST(AfbrekenAangevraagd, AskedWithItsCaptionsAndDefault) {
  const Catalogus cat;
  NepUi ui;
  ui.antwoorden = {mrNee};
  ui.AfbrekenAangevraagd(cat);
  ASSERT_EQ(ui.berichten.size(), 1u);
  const auto& vraag = ui.berichten[0];
  EXPECT_EQ(vraag.soort, "vraag");
  EXPECT_EQ(vraag.caption, "Morvask");
  EXPECT_EQ(vraag.tekst, "Berekening afbreken?");
  EXPECT_EQ(vraag.knoppen, (std::vector<std::string>{"Af&breken", "&Niet afbreken", "&Annuleren"}));
  EXPECT_EQ(vraag.standaardKnop, skNee);
}

TEST(AfbrekenAangevraagd, UsesTheCurrentLanguage) {
  Catalogus cat;
  cat.Zet("AA00034", "Abort calculation?");
  cat.Zet("ZB00014", "&Abort");
  NepUi ui;
  ui.antwoorden = {mrJa};
  ui.AfbrekenAangevraagd(cat);
  EXPECT_TRUE(ui.BerekeningAfbreken);
  EXPECT_EQ(ui.berichten[0].tekst, "Abort calculation?");
  EXPECT_EQ(ui.berichten[0].knoppen[0], "&Abort");
}

TEST(AfbrekenAangevraagd, ACancelledQuestionKeepsAnEarlierCancel) {
  // A second press answered "&Niet afbreken" does not undo the first "Af&breken".
  const Catalogus cat;
  NepUi ui;
  ui.antwoorden = {mrJa, mrNee};
  ui.AfbrekenAangevraagd(cat);
  ui.AfbrekenAangevraagd(cat);
  EXPECT_TRUE(ui.BerekeningAfbreken);
}

TEST(AfbrekenAangevraagd, PressedDuringAMessagePump) {
  // The scripted user presses the cancel button at the third pump; the calculation sees the
  // flag at its next poll.
  const Catalogus cat;
  NepUi ui;
  ui.catalogus = &cat;
  ui.afbrekenBijPomp = 3;
  ui.antwoorden = {mrJa};
  int stappen = 0;
  ui.BerekeningAfbreken = false;
  while (!ui.BerekeningAfbreken && stappen < 10) {
    ++stappen;
    ui.BerichtenVerwerken();
  }
  EXPECT_EQ(stappen, 3);
  EXPECT_EQ(ui.berichten.size(), 1u);

  NepUi blijft;
  blijft.catalogus = &cat;
  blijft.afbrekenBijPomp = 1;
  blijft.antwoorden = {mrAnnuleren};
  for (int i = 0; i < 5; ++i) blijft.BerichtenVerwerken();
  EXPECT_FALSE(blijft.BerekeningAfbreken);
}

}  // namespace
}  // namespace morvask
