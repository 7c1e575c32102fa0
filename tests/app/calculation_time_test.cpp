#include "app/calculation_time.h"

#include <gtest/gtest.h>

#include "base/catalogue.h"

namespace morvask {
namespace {

TEST(RekentijdTekst, TwoDigitsEachSecondsRoundedAtMostFiftyNine) {
  const Catalogus cat;
  const struct {
    double seconden;
    const char* tekst;
  } gevallen[] = {
      {0, "00:00:00 u:m:s"},      {65, "00:01:05 u:m:s"},    {65.4, "00:01:05 u:m:s"},
      {65.6, "00:01:06 u:m:s"},   {119.7, "00:01:59 u:m:s"}, {3600, "01:00:00 u:m:s"},
      {3599.9, "00:59:59 u:m:s"}, {-3, "00:00:00 u:m:s"},    {100 * 3600 + 1, "100:00:01 u:m:s"},
  };
  for (const auto& g : gevallen) EXPECT_EQ(RekentijdTekst(g.seconden, cat), g.tekst) << g.seconden;
}

}  // namespace
}  // namespace morvask
