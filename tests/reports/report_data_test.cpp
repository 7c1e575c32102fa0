#include "reports/report_data.h"

#include <gtest/gtest.h>

#include "support/csv_reader.h"

using namespace morvask;
using namespace morvask::test;

TEST(RapportGegevens, CsvQuotesOnlyWhatNeedsQuotesAndReadsBackAsWritten) {
  RapportGegevens g;
  g.Kolommen = {"origin", "destination", "count"};
  g.Rijen = {
      {"001-ki", "", 12LL}, {"a,b", "zei \"ja\"", -3LL}, {" voor", "twee\r\nregels", 0LL}, {"\xE9\xE9n", "007", 5LL}};
  const std::string csv = GegevensAlsCsv(g);
  EXPECT_EQ(csv,
            "origin,destination,count\r\n"
            "001-ki,,12\r\n"
            "\"a,b\",\"zei \"\"ja\"\"\",-3\r\n"
            "\" voor\",\"twee\r\nregels\",0\r\n"
            "\xE9\xE9n,007,5\r\n");
  std::string reden;
  const auto records = CsvLezen(csv, &reden);
  ASSERT_TRUE(records) << reden;
  EXPECT_EQ(*records, (CsvRecords{{"origin", "destination", "count"},
                                  {"001-ki", "", "12"},
                                  {"a,b", "zei \"ja\"", "-3"},
                                  {" voor", "twee\r\nregels", "0"},
                                  {"\xE9\xE9n", "007", "5"}}));
  // A matrix without values is its header.
  RapportGegevens leeg;
  leeg.Kolommen = {"post", "count"};
  EXPECT_EQ(GegevensAlsCsv(leeg), "post,count\r\n");
}

TEST(RapportGegevens, ACellHoldingAWholeNumberBecomesTheNumber) {
  EXPECT_EQ(GetalOfTekst("12"), Gegevensveld(12LL));
  EXPECT_EQ(GetalOfTekst("-3"), Gegevensveld(-3LL));
  EXPECT_EQ(GetalOfTekst("007"), Gegevensveld(7LL));
  EXPECT_EQ(GetalOfTekst(""), Gegevensveld(std::string()));
  EXPECT_EQ(GetalOfTekst("1x"), Gegevensveld(std::string("1x")));
  EXPECT_EQ(GetalOfTekst("99999999999"), Gegevensveld(std::string("99999999999")));
}

// The reader the tests read the program's CSV with refuses what RFC 4180 does not allow, so
// that a test passing on it means a strict reader reads the file.
TEST(CsvLezer, RefusesWhatTheFormatDoesNotAllow) {
  for (const std::string fout : {"a,b\n", "a,b", "a\"b,c\r\n", "\"a\"b,c\r\n", "\"a,c\r\n", "a,b\r\nc\r\n", "a,\r\n,"})
    EXPECT_FALSE(CsvLezen(fout)) << fout;
  EXPECT_EQ(*CsvLezen("a,\r\n,b\r\n"), (CsvRecords{{"a", ""}, {"", "b"}}));
  EXPECT_EQ(*CsvLezen(""), CsvRecords{});
}
