#include "core/form_positions.h"

#include <gtest/gtest.h>

namespace morvask {
namespace {

const RRechthoek FullHd{0, 0, 1920, 1080};

RVenster Ontworpen(const std::string& naam, bool schaalbaar = true) {
  RVenster v;
  v.Naam = naam;
  v.Links = 300;
  v.Boven = 200;
  v.Breedte = 640;
  v.Hoogte = 480;
  v.SchaalbareRand = schaalbaar;
  return v;
}

TEST(FormPositieOpslaan, RecordsReplacesAndAppends) {
  std::vector<std::string> posities = {"WnpForm=M:0;L:1;T:1;W:1;H:1", "", "HoofdForm=M:0;L:9;T:9;W:9;H:9",
                                       "HoofdForm=M:0;L:8;T:8;W:8;H:8", "HoofdForm2=M:0;L:7;T:7;W:7;H:7"};
  FormPositieOpslaan(posities, std::vector<RVenster>{
                                   {"HoofdForm", 196, 115, 725, 520, false, true},
                                   {"GoToForm", 0, 12, 200, 100, true, false},     // only one coordinate 0
                                   {"VehTypesForm", 0, 0, 300, 300, false, true},  // at (0, 0): not recorded
                                   {"WnpForm", 0, 0, 300, 300, false, true},       // its old entry stays
                               });
  EXPECT_EQ(posities,
            (std::vector<std::string>{"WnpForm=M:0;L:1;T:1;W:1;H:1", "", "HoofdForm=M:0;L:196;T:115;W:725;H:520",
                                      "HoofdForm=M:0;L:8;T:8;W:8;H:8", "HoofdForm2=M:0;L:7;T:7;W:7;H:7",
                                      "GoToForm=M:1;L:0;T:12;W:200;H:100"}));
  EXPECT_EQ(FormPositieRegel({"X", -8, -8, 1936, 1056, true, true}), "X=M:1;L:-8;T:-8;W:1936;H:1056");
}

TEST(FormPositieHerstellen, AppliesANormalPositionOnce) {
  std::vector<std::string> posities = {"WnpForm=M:0;L:5;T:5;W:5;H:5", "HoofdForm=M:0;L:196;T:115;W:725;H:520",
                                       "HoofdForm=M:0;L:1;T:1;W:1;H:1"};
  RVenster v = Ontworpen("HoofdForm");
  v.Gemaximaliseerd = true;
  EXPECT_TRUE(FormPositieHerstellen(posities, v, FullHd));
  EXPECT_EQ(v.Links, 196);
  EXPECT_EQ(v.Boven, 115);
  EXPECT_EQ(v.Breedte, 725);
  EXPECT_EQ(v.Hoogte, 520);
  EXPECT_FALSE(v.Gemaximaliseerd);
  EXPECT_EQ(posities, (std::vector<std::string>{"WnpForm=M:0;L:5;T:5;W:5;H:5", "HoofdForm=M:0;L:1;T:1;W:1;H:1"}));

  // No entry of its name: nothing happens.
  RVenster ander = Ontworpen("GoToForm");
  EXPECT_FALSE(FormPositieHerstellen(posities, ander, FullHd));
  EXPECT_EQ(ander.Links, 300);
  EXPECT_EQ(posities.size(), 2u);
}

TEST(FormPositieHerstellen, MaximisedEntryOpensMaximisedAndIsUsedUp) {
  std::vector<std::string> posities = {"HoofdForm=M:1;L:-8;T:-8;W:1936;H:1056"};
  RVenster v = Ontworpen("HoofdForm");
  EXPECT_FALSE(FormPositieHerstellen(posities, v, FullHd));
  EXPECT_TRUE(v.Gemaximaliseerd);
  EXPECT_EQ(v.Links, 300);
  EXPECT_EQ(v.Breedte, 640);
  EXPECT_TRUE(posities.empty());
}

TEST(FormPositieHerstellen, FixedBorderKeepsItsDesignedSize) {
  std::vector<std::string> posities = {"GoToForm=M:0;L:100;T:50;W:900;H:700"};
  RVenster v = Ontworpen("GoToForm", false);
  EXPECT_TRUE(FormPositieHerstellen(posities, v, FullHd));
  EXPECT_EQ(v.Links, 100);
  EXPECT_EQ(v.Boven, 50);
  EXPECT_EQ(v.Breedte, 640);
  EXPECT_EQ(v.Hoogte, 480);
}

TEST(FormPositieHerstellen, PointTestAndSize) {
  struct Geval {
    const char* waarde;
    RRechthoek bureaublad;
    bool toegepast;
  };
  const RRechthoek tweeSchermen{-1920, 0, 1920, 1080};
  const Geval gevallen[] = {
      // (left + 20, top + 20) on the left and top edges is inside ...
      {"M:0;L:-20;T:-20;W:100;H:100", FullHd, true},
      {"M:0;L:-21;T:100;W:100;H:100", FullHd, false},
      {"M:0;L:100;T:-21;W:100;H:100", FullHd, false},
      // ... on the right and bottom edges outside.
      {"M:0;L:1899;T:1059;W:100;H:100", FullHd, true},
      {"M:0;L:1900;T:100;W:100;H:100", FullHd, false},
      {"M:0;L:100;T:1060;W:100;H:100", FullHd, false},
      // Outside every monitor.
      {"M:0;L:5000;T:5000;W:100;H:100", FullHd, false},
      {"M:0;L:-1500;T:10;W:100;H:100", FullHd, false},
      {"M:0;L:-1500;T:10;W:100;H:100", tweeSchermen, true},
      // Width and height must be there.
      {"M:0;L:10;T:10;W:0;H:100", FullHd, false},
      {"M:0;L:10;T:10;W:100;H:0", FullHd, false},
      {"M:0;L:10;T:10;W:100", FullHd, false},
      {"M:0;L:10;T:10;W:-100;H:100", FullHd, false},
      // Numbers that are not whole numbers count as 0.
      {"M:0;L:abc;T:10;W:100;H:100", FullHd, true},
      {"M:0;L:10;T:10;W:1e2;H:100", FullHd, false},
      {"M:0;L:2147483647;T:10;W:100;H:100", FullHd, false},
      // Anything but "1" is not maximised; keys may come in any order.
      {"M:yes;H:100;W:100;T:10;L:10", FullHd, true},
      {"", FullHd, false},
  };
  for (const auto& g : gevallen) {
    std::vector<std::string> posities = {std::string("WnpForm=") + g.waarde};
    RVenster v = Ontworpen("WnpForm");
    EXPECT_EQ(FormPositieHerstellen(posities, v, g.bureaublad), g.toegepast) << g.waarde;
    EXPECT_TRUE(posities.empty()) << g.waarde;
    EXPECT_FALSE(v.Gemaximaliseerd) << g.waarde;
    if (!g.toegepast) {
      EXPECT_EQ(v.Links, 300) << g.waarde;
      EXPECT_EQ(v.Breedte, 640) << g.waarde;
    }
  }
  std::vector<std::string> posities = {"WnpForm=M:0;L:abc;T:10;W:100;H:100"};
  RVenster v = Ontworpen("WnpForm");
  ASSERT_TRUE(FormPositieHerstellen(posities, v, FullHd));
  EXPECT_EQ(v.Links, 0);
}

TEST(FormPositieHerstellen, NamesMatchExactly) {
  std::vector<std::string> posities = {"wnpform=M:0;L:10;T:10;W:100;H:100", "WnpForm2=M:0;L:10;T:10;W:100;H:100",
                                       "WnpForm", ""};
  RVenster v = Ontworpen("WnpForm");
  EXPECT_FALSE(FormPositieHerstellen(posities, v, FullHd));
  EXPECT_EQ(posities.size(), 4u);
}

TEST(FormPosities, RoundTripThroughEntries) {
  std::vector<std::string> posities;
  RVenster bij_afsluiten{"KentekensInvoerenForm1", 412, 87, 533, 601, false, true};
  FormPositieOpslaan(posities, std::vector<RVenster>{bij_afsluiten});
  RVenster bij_start = Ontworpen("KentekensInvoerenForm1");
  ASSERT_TRUE(FormPositieHerstellen(posities, bij_start, FullHd));
  EXPECT_EQ(FormPositieRegel(bij_start), FormPositieRegel(bij_afsluiten));
}

}  // namespace
}  // namespace morvask
