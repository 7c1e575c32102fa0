#include "core/travel_time_table.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/text_utils.h"

namespace morvask {
namespace {

Project MetPosten(const std::vector<std::string>& codes, int interval = 1) {
  Project p;
  p.Gegevens.Waarnemingsinterval = interval;
  for (const std::string& c : codes) p.PostToevoegen(c, "post " + c);
  return p;
}

std::vector<std::string> Codes(const Project& p) {
  std::vector<std::string> uit;
  for (const RWaarnemingspost& post : p.Postlijst) uit.push_back(post.Postcode.str());
  return uit;
}

TEST(DoorrijtijdentabelBijwerken, PairsFollowThePostTypes) {
  struct Geval {
    std::vector<std::string> posten;
    std::vector<std::string> regels;
  };
  const std::vector<Geval> gevallen = {
      {{"002-ku", "001-ki", "002-ki", "001-ku"},
       {"001-ki 001-ku 7    0   ", "001-ki 002-ku 7    0   ", "002-ki 001-ku 7    0   ", "002-ki 002-ku 7    0   "}},
      {{"002-t1", "001-t1"}, {"001-t1 002-t1 7    0   ", "002-t1 001-t1 7    0   "}},
      {{"001-t2"}, {}},
      {{"001-ki", "002-ki"}, {}},
      {{"001-ku", "002-ku"}, {}},
      {{"001-ki", "002-t2", "003-ku"},
       {"001-ki 002-t2 7    0   ", "001-ki 003-ku 7    0   ", "002-t2 003-ku 7    0   "}},
      {{}, {}},
  };
  for (const Geval& g : gevallen) {
    Project p = MetPosten(g.posten, 7);
    DoorrijtijdentabelBijwerken(p);
    EXPECT_EQ(p.Doorrijtijdentabel, g.regels) << ::testing::PrintToString(g.posten);
  }
}

TEST(DoorrijtijdentabelBijwerken, ANewProjectsPairGetsMaximumOneAndMinimumZero) {
  Project p = MetPosten({"001-ki", "001-ku"});
  DoorrijtijdentabelBijwerken(p);
  EXPECT_EQ(p.Doorrijtijdentabel, std::vector<std::string>{"001-ki 001-ku 1    0   "});
}

TEST(DoorrijtijdentabelBijwerken, OldValuesAreTakenOverAndStalePairsDisappear) {
  Project p = MetPosten({"001-ki", "002-ku", "003-ku"}, 10);
  p.Doorrijtijdentabel = {
      "009-ki 002-ku 44   4   ",  // a deleted post
      "001-ki 003-ku 15",         // no minimum: 0
      "001-ki 002-ku 30   5   ",
      "001-ki 002-ku 99   9   ",  // a second line of the same pair: the first counts
  };
  DoorrijtijdentabelBijwerken(p);
  EXPECT_EQ(p.Doorrijtijdentabel, (std::vector<std::string>{"001-ki 002-ku 30   5   ", "001-ki 003-ku 15   0   "}));
}

TEST(DoorrijtijdentabelBijwerken, ValuesAreTrimmedPaddedAndCut) {
  struct Geval {
    std::string oud, nieuw;
  };
  for (const Geval& g : {
           Geval{"001-ki 002-ku 15   3   ", "001-ki 002-ku 15   3   "},
           Geval{"001-ki 002-ku   8   12", "001-ki 002-ku 8    12  "},
           Geval{"001-ki 002-ku 15  ", "001-ki 002-ku 15   0   "},       // 18 characters
           Geval{"001-ki 002-ku 15   ", "001-ki 002-ku 15   0   "},      // 19: position 20 missing
           Geval{"001-ki 002-ku 15    ", "001-ki 002-ku 15       "},     // 20: an empty minimum
           Geval{"001-ki 002-ku 123456789", "001-ki 002-ku 1234 6789"},  // a field is four wide
           Geval{"001-ki 002-ku 0    0   ", "001-ki 002-ku 0    0   "},  // blocked stays blocked
           Geval{"001-ki 002-ku", "001-ki 002-ku      0   "},
           Geval{"001-ki 002-kuX20   3", "001-ki 002-ku 20   3   "},
       }) {
    Project p = MetPosten({"001-ki", "002-ku"}, 5);
    p.Doorrijtijdentabel = {g.oud};
    DoorrijtijdentabelBijwerken(p);
    EXPECT_EQ(p.Doorrijtijdentabel, std::vector<std::string>{g.nieuw}) << '"' << g.oud << '"';
  }
}

TEST(DoorrijtijdentabelBijwerken, ALongIntervalIsCutToFourCharacters) {
  Project p = MetPosten({"001-ki", "002-ku"}, 123456);
  DoorrijtijdentabelBijwerken(p);
  EXPECT_EQ(p.Doorrijtijdentabel, std::vector<std::string>{"001-ki 002-ku 1234 0   "});
}

TEST(DoorrijtijdentabelBijwerken, ResetsTheSelectionOfEveryPost) {
  Project p = MetPosten({"002-ku", "001-ki"});
  for (RWaarnemingspost& post : p.Postlijst) post.Geselecteerd = false;
  DoorrijtijdentabelBijwerken(p);
  for (const RWaarnemingspost& post : p.Postlijst) EXPECT_TRUE(post.Geselecteerd);
  EXPECT_EQ(Codes(p), (std::vector<std::string>{"001-ki", "002-ku"}));
}

TEST(PostlijstSorteren, ComparesCapitalisedAsciiBytewiseAndKeepsEqualTextsInOrder) {
  Project p;
  p.PostToevoegen("001-Ku", "b");
  p.PostToevoegen("001-ki", "a");
  p.PostToevoegen("001-k_", "c");  // "_" sorts after the capitals, so after "KI" and "KU"
  p.PostToevoegen("001-kz", "d");
  p.PostToevoegen("001-k\xC9", "e");  // not an ASCII letter: compared as the byte 0xC9, above "Z"
  p.PostToevoegen("000-ki", "eerste");
  p.PostToevoegen("002-ki", "Zelfde");
  p.PostToevoegen("002-KI", "zelfde");  // equal without case: stays behind the first
  PostlijstSorteren(p);
  EXPECT_EQ(Codes(p), (std::vector<std::string>{"000-ki", "001-ki", "001-Ku", "001-kz", "001-k_", "001-k\xC9", "002-ki",
                                                "002-KI"}));
  EXPECT_EQ(p.Postlijst[6].Omschrijving.view(), "Zelfde");
}

TEST(PostlijstSorteren, AShortCodeKeepsItsDescription) {
  Project p;
  p.PostToevoegen("002-ki", "Zuid");
  p.PostToevoegen("01-k", "Oost");
  p.PostToevoegen("001-ki", std::string(100, 'x'));
  PostlijstSorteren(p);
  EXPECT_EQ(Codes(p), (std::vector<std::string>{"001-ki", "002-ki", "01-k"}));
  EXPECT_EQ(p.Postlijst[2].Omschrijving.view(), "Oost");
  EXPECT_EQ(p.Postlijst[0].Omschrijving.size(), 100u);
}

// The straightforward rebuild: for every new pair, the first old line of the pair by a
// walk through the old table.
std::vector<std::string> Referentie(const Project& gesorteerd, const std::vector<std::string>& oud) {
  std::vector<std::string> uit;
  const std::string standaard = std::to_string(gesorteerd.Gegevens.Waarnemingsinterval);
  for (const RWaarnemingspost& van : gesorteerd.Postlijst) {
    if (!IsHerkomstpost(van.Postcode.view())) continue;
    for (const RWaarnemingspost& naar : gesorteerd.Postlijst) {
      if (!IsBestemmingspost(naar.Postcode.view()) || naar.Postcode == van.Postcode) continue;
      std::string max = standaard, min = "0";
      for (const std::string& r : oud) {
        if (Deel(r, 1, 6) == van.Postcode.view() && Deel(r, 8, 6) == naar.Postcode.view()) {
          max = Bijsnijden(Deel(r, 15, 4));
          min = r.size() < 20 ? "0" : Bijsnijden(Deel(r, 20, 4));
          break;
        }
      }
      uit.push_back(DoorrijtijdRegel(van.Postcode.view(), naar.Postcode.view(), max, min));
    }
  }
  return uit;
}

TEST(DoorrijtijdentabelBijwerken, AgreesWithTheStraightforwardRebuildOnAHundredPosts) {
  std::mt19937 rng(20240201);
  const char* typen[] = {"-ki", "-ku", "-t1", "-t2"};
  Project p;
  p.Gegevens.Waarnemingsinterval = 12;
  for (int i = 0; i < 100; ++i) {
    char nummer[8];
    std::snprintf(nummer, sizeof nummer, "%03d", static_cast<int>(rng() % 60));
    p.PostToevoegen(std::string(nummer) + typen[rng() % 4], "");
  }
  // Every fourth pair of posts gets an old line, some twice, some cut short.
  for (std::size_t a = 0; a < p.Postlijst.size(); ++a)
    for (std::size_t b = 0; b < p.Postlijst.size(); ++b) {
      if (rng() % 4 != 0) continue;
      std::string r = p.Postlijst[a].Postcode.str() + " " + p.Postlijst[b].Postcode.str() + " " +
                      std::to_string(rng() % 200) + "   " + std::to_string(rng() % 20);
      if (rng() % 10 == 0) r.resize(16 + rng() % 6);
      p.Doorrijtijdentabel.push_back(r);
      if (rng() % 10 == 0) p.Doorrijtijdentabel.push_back(r + "9");
    }
  const std::vector<std::string> oud = p.Doorrijtijdentabel;
  Project gesorteerd = p;
  PostlijstSorteren(gesorteerd);
  const std::vector<std::string> verwacht = Referentie(gesorteerd, oud);

  DoorrijtijdentabelBijwerken(p);
  EXPECT_EQ(p.Doorrijtijdentabel, verwacht);
  EXPECT_GT(verwacht.size(), 4000u);

  // A second rebuild changes nothing.
  DoorrijtijdentabelBijwerken(p);
  EXPECT_EQ(p.Doorrijtijdentabel, verwacht);
}

TEST(DoorrijtijdentabelBijwerken, AHundredIntermediatePostsGiveEveryOrderedPair) {
  Project p;
  for (int i = 0; i < 100; ++i) {
    char code[8];
    std::snprintf(code, sizeof code, "%03d-t1", i);
    p.PostToevoegen(code, "");
  }
  DoorrijtijdentabelBijwerken(p);
  ASSERT_EQ(p.Doorrijtijdentabel.size(), 9900u);
  for (std::string& r : p.Doorrijtijdentabel) r = DoorrijtijdRegel(Deel(r, 1, 6), Deel(r, 8, 6), Deel(r, 1, 3), "1");
  DoorrijtijdentabelBijwerken(p);
  EXPECT_EQ(p.Doorrijtijdentabel.front(), "000-t1 001-t1 000  1   ");
  EXPECT_EQ(p.Doorrijtijdentabel.back(), "099-t1 098-t1 099  1   ");
}

}  // namespace
}  // namespace morvask
