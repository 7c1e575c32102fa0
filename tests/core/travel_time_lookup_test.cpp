#include <gtest/gtest.h>

#include <string>

#include "core/project.h"
#include "core/registration_list.h"
#include "oracle/reference_lookups.h"

using namespace morvask;

namespace {

class Doorrijtijden : public ::testing::Test {
 protected:
  Doorrijtijden() {
    project.Doorrijtijdentabel = {
        "001-ki 002-ku 15   3   ",
        "001-ki 003-t1 0    0   ",  // blocked
        "003-t1 002-ku 30   5   ",
        "001-ki 002-ku 99   0   ",  // a second line of a pair never counts
        "004-ki 002-ku 7",          // no minimum: 0
        "005-ki 002-ku 0    -5  ",  // blocked, whatever the minimum
    };
  }
  Project project;
};

}  // namespace

TEST_F(Doorrijtijden, BinnenDoorrijtijdenUsesTheFirstLineOfThePairInMinutes) {
  const struct {
    const char *van, *naar, *eerder, *later;
    bool binnen;
  } gevallen[] = {
      {"001-ki", "002-ku", "0800", "0803", true},   // at the minimum
      {"001-ki", "002-ku", "0800", "0815", true},   // at the maximum
      {"001-ki", "002-ku", "0800", "0816", false},  // beyond the first line's maximum
      {"001-ki", "002-ku", "0800", "0802", false},  // below the minimum
      {"003-t1", "002-ku", "0855", "0905", true},   // 10 minutes, not 50
      {"003-t1", "002-ku", "2355", "0005", false},  // no wrap past midnight
      {"003-t1", "002-ku", "0805", "0800", false},  // later before earlier
      {"001-ki", "003-t1", "0800", "0800", false},  // maximum 0
      {"005-ki", "002-ku", "0800", "0800", false},  // maximum 0, minimum below the difference
      {"004-ki", "002-ku", "0800", "0800", true},   // missing minimum is 0
      {"004-ki", "002-ku", "0800", "0807", true},  {"002-ku", "001-ki", "0800", "0801", false},  // no line for the pair
      {"001-KI", "002-ku", "0800", "0805", false},  // codes compare case-sensitively
      {"001-ki", "001-ki", "0800", "0800", false},
  };
  for (const auto& g : gevallen)
    EXPECT_EQ(test::BinnenDoorrijtijden(project, g.van, g.naar, g.eerder, g.later), g.binnen)
        << g.van << " " << g.naar << " " << g.eerder << " " << g.later;
}

TEST_F(Doorrijtijden, RelatieGeblokkeerdOnlyWhenCheckedAndTheLineHasMaximumZero) {
  EXPECT_EQ(test::RelatieGeblokkeerd(project, true, "001-ki", "003-t1"), true);
  EXPECT_EQ(test::RelatieGeblokkeerd(project, false, "001-ki", "003-t1"), false);
  EXPECT_EQ(test::RelatieGeblokkeerd(project, true, "001-ki", "002-ku"), false);
  EXPECT_EQ(test::RelatieGeblokkeerd(project, true, "009-ki", "002-ku"), false);  // no line, no block
}

TEST_F(Doorrijtijden, GrootsteMaximaleDoorrijtijdPerOriginOrOverall) {
  EXPECT_EQ(GrootsteMaximaleDoorrijtijd(project, "001-ki"), 99);  // every line of the origin
  EXPECT_EQ(GrootsteMaximaleDoorrijtijd(project, "003-t1"), 30);
  EXPECT_EQ(GrootsteMaximaleDoorrijtijd(project, "*"), 99);
  EXPECT_EQ(GrootsteMaximaleDoorrijtijd(project, "009-ki"), 0);
  EXPECT_EQ(GrootsteMaximaleDoorrijtijd(Project{}, "*"), 0);
}

TEST_F(Doorrijtijden, SomDoorrijtijdenAddsEveryMaximumAndMinimum) {
  EXPECT_EQ(SomDoorrijtijden(project), "154");  // 18 + 0 + 35 + 99 + 7 - 5
  EXPECT_EQ(SomDoorrijtijden(Project{}), "0");
}

TEST(SomDoorrijtijden, PassesTheThirtyTwoBitRange) {
  Project project;
  project.Doorrijtijdentabel.assign(120000, "001-ki 002-ku 9999 9999");
  EXPECT_EQ(SomDoorrijtijden(project), "2399760000");
}

TEST_F(Doorrijtijden, UnreadableNumbersGiveNoAnswerOnlyWhereTheyAreNeeded) {
  project.Doorrijtijdentabel.push_back("006-ki 002-ku 1x   0   ");
  project.Doorrijtijdentabel.push_back("007-ki 002-ku 10   y   ");

  EXPECT_FALSE(DoorrijtijdenVanRegel("006-ki 002-ku 1x   0   "));
  EXPECT_FALSE(DoorrijtijdenVanRegel("007-ki 002-ku 10   y   "));
  EXPECT_FALSE(DoorrijtijdenVanRegel("007-ki 002-ku"));  // no maximum at all

  EXPECT_EQ(test::BinnenDoorrijtijden(project, "006-ki", "002-ku", "0800", "0800"), std::nullopt);
  EXPECT_EQ(test::BinnenDoorrijtijden(project, "007-ki", "002-ku", "0800", "0800"), std::nullopt);
  EXPECT_EQ(test::RelatieGeblokkeerd(project, true, "006-ki", "002-ku"), std::nullopt);
  EXPECT_EQ(test::RelatieGeblokkeerd(project, true, "007-ki", "002-ku"), false);  // only the maximum is read
  EXPECT_EQ(test::RelatieGeblokkeerd(project, false, "006-ki", "002-ku"), false);
  EXPECT_EQ(GrootsteMaximaleDoorrijtijd(project, "006-ki"), std::nullopt);
  EXPECT_EQ(GrootsteMaximaleDoorrijtijd(project, "007-ki"), 10);
  EXPECT_EQ(GrootsteMaximaleDoorrijtijd(project, "*"), std::nullopt);
  EXPECT_EQ(SomDoorrijtijden(project), std::nullopt);
  // Lines of other pairs stay usable.
  EXPECT_EQ(test::BinnenDoorrijtijden(project, "001-ki", "002-ku", "0800", "0805"), true);
}

TEST_F(Doorrijtijden, UnreadableTimesGiveNoAnswerWhenThePairHasALine) {
  EXPECT_EQ(test::BinnenDoorrijtijden(project, "001-ki", "002-ku", "08:0", "0805"), std::nullopt);
  EXPECT_EQ(test::BinnenDoorrijtijden(project, "001-ki", "002-ku", "0800", ""), std::nullopt);
  EXPECT_EQ(test::BinnenDoorrijtijden(project, "002-ku", "001-ki", "08:0", "0805"), false);  // nothing to compare
}
