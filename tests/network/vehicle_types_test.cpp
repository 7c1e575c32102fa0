#include "network/vehicle_types.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "network/network_test_support.h"

namespace morvask {
namespace {

using test::NetwerkOmgeving;

std::vector<std::string> Namen(const Project& p) {
  std::vector<std::string> uit;
  for (const char letter : Voertuigtypen) uit.push_back(*p.Gegevens.VoertuigtypeNaam(letter));
  return uit;
}

TEST(VoertuigtypenToepassen, WithoutAnEditNothingIsStored) {
  NetwerkOmgeving o;
  RVoertuigtypeVelden v = VoertuigtypeVeldenVullen(o.project);
  EXPECT_EQ(v.Omschrijving[2], "Middelzware vrachtauto");
  v.Omschrijving[2] = "";  // a text set without the field being marked modified
  EXPECT_FALSE(VoertuigtypenToepassen(o.ctx, v));
  EXPECT_EQ(Namen(o.project)[2], "Middelzware vrachtauto");
  EXPECT_FALSE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
  EXPECT_TRUE(o.ui.menuCodes.empty());
}

TEST(VoertuigtypenToepassen, EmptyFieldsStoreTheirLetterOthersTheirTextAsTyped) {
  NetwerkOmgeving o;
  RVoertuigtypeVelden v = VoertuigtypeVeldenVullen(o.project);
  v.Omschrijving[2] = "";             // m
  v.Omschrijving[4] = "  Busje  ";    // b: spaces kept
  v.Omschrijving[7] = "   ";          // r: only spaces
  v.Omschrijving[0] = "Auto\r\nPKW";  // a: a line break cannot go into the file
  v.Gewijzigd[2] = true;
  EXPECT_TRUE(VoertuigtypenToepassen(o.ctx, v));
  EXPECT_EQ(Namen(o.project), (std::vector<std::string>{"Auto  PKW", "Lichte vrachtauto", "m", "Zware vrachtauto",
                                                        "  Busje  ", "Motor", "Landbouwvoertuig", "r"}));
  EXPECT_TRUE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
  EXPECT_EQ(o.ui.menuCodes, std::vector<MenuCode>{mcOpslaan});
}

}  // namespace
}  // namespace morvask
