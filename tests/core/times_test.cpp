#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "core/times.h"

using namespace morvask;

TEST(TijdNaarMinuten, HoursTimesSixtyPlusMinutes) {
  const struct {
    const char* tijd;
    std::optional<int> minuten;
  } gevallen[] = {
      {"0815", 495},          {"0000", 0},
      {"2359", 1439},         {"1200", 720},
      {"0899", 579},  // the halves are taken as they are, no range check
      {"08:5", std::nullopt}, {"8:15", std::nullopt},
      {"08", std::nullopt},   {"", std::nullopt},
      {"ab12", std::nullopt}, {"08 5", std::nullopt},
      {" 815", std::nullopt},
  };
  for (const auto& g : gevallen) EXPECT_EQ(TijdNaarMinuten(g.tijd), g.minuten) << '"' << g.tijd << '"';
}

TEST(MinutenNaarTijd, WrapsIntoOneDay) {
  const struct {
    std::int32_t minuten;
    const char* tijd;
  } gevallen[] = {
      {-30, "2330"},       {1440, "0000"},          {75, "0115"},        {0, "0000"}, {1439, "2359"}, {-1440, "0000"},
      {-1441, "2359"},     {2 * 1440 + 61, "0101"}, {INT32_MAX, "0207"},  // 2147483647 = 1491308 days and 127 minutes
      {INT32_MIN, "2152"},  // -2147483648 = -1491309 days and 1312 minutes
  };
  for (const auto& g : gevallen) EXPECT_EQ(MinutenNaarTijd(g.minuten), g.tijd) << g.minuten;
}

TEST(TijdNormaliseren, CarriesMinutesOnceAndCapsAtTheEndOfTheDay) {
  const struct {
    int waarde, genormaliseerd;
  } gevallen[] = {
      {2370, 2359}, {860, 900},   {875, 915},   {859, 859},   {60, 100},     {99, 139},
      {0, 0},       {2359, 2359}, {2360, 2359}, {2399, 2359}, {30000, 2359}, {-5, 0},  // no time is negative
  };
  for (const auto& g : gevallen) EXPECT_EQ(TijdNormaliseren(g.waarde), g.genormaliseerd) << g.waarde;
}

TEST(TijdOpmaken, FourDigitsAfterNormalising) {
  const struct {
    int waarde;
    const char* tekst;
  } gevallen[] = {
      {5, "0005"}, {50, "0050"}, {500, "0500"}, {1500, "1500"}, {75, "0115"}, {2399, "2359"}, {-1, "0000"},
  };
  for (const auto& g : gevallen) EXPECT_EQ(TijdOpmaken(g.waarde), g.tekst) << g.waarde;
}
