#include <gtest/gtest.h>

#include "core/short_text.h"

using morvask::KorteTekst;

TEST(KorteTekst, KeepsTheFirstNBytes) {
  KorteTekst<6> plaat = "AB12CDE";
  EXPECT_EQ(plaat.view(), "AB12CD");
  KorteTekst<100> omschrijving = std::string(150, 'x');
  EXPECT_EQ(omschrijving.size(), 100u);
  KorteTekst<6> kort = "AB";
  EXPECT_EQ(kort.str(), "AB");
  EXPECT_TRUE(KorteTekst<1>().empty());
}
