#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/project.h"
#include "core/registration_list.h"
#include "core/text_utils.h"
#include "oracle/reference_lookups.h"

using namespace morvask;

namespace {

std::vector<std::string> Regels(const std::vector<RRegistratie>& lijst) {
  std::vector<std::string> uit;
  for (const RRegistratie& r : lijst) uit.push_back(r.Regel());
  return uit;
}

Project ProjectMetPosten(std::initializer_list<const char*> codes) {
  Project p;
  for (const char* code : codes) p.PostToevoegen(code, std::string("Post ") + code);
  return p;
}

}  // namespace

// ---- Counts ---------------------------------------------------------------------------------

TEST(Aantallen, RegistrationsByTypeAndByPost) {
  Project p;
  p.RegistratieToevoegen("001-ki", "0800", "a", "AA");
  p.RegistratieToevoegen("001-ki", "0801", "a", "BB");
  p.RegistratieToevoegen("002-ku", "0802", "l", "CC");
  const struct {
    const char* soort;
    int aantal;
  } perType[] = {{"a", 2}, {"l", 1}, {"z", 0}, {"A", 0}, {"alles", 0}, {"", 0}};
  for (const auto& g : perType) EXPECT_EQ(AantalRegistraties(p, g.soort), g.aantal) << g.soort;
  EXPECT_EQ(AantalRegistratiesVanPost(p, "001-ki"), 2);
  EXPECT_EQ(AantalRegistratiesVanPost(p, "002-ku"), 1);
  EXPECT_EQ(AantalRegistratiesVanPost(p, "001-KI"), 0);
  EXPECT_EQ(AantalRegistraties(p), 3);
  EXPECT_EQ(AantalRegistraties(Project{}), 0);
}

TEST(Aantallen, PostsByKind) {
  const Project p = ProjectMetPosten({"001-ki", "001-ku", "002-ki", "003-t1", "003-t2", "004-ku", "005-ku"});
  EXPECT_EQ(AantalPosten(p), 7);
  EXPECT_EQ(AantalPosten(p, Postsoort::Ingaand), 2);
  EXPECT_EQ(AantalPosten(p, Postsoort::Uitgaand), 3);
  EXPECT_EQ(AantalPosten(p, Postsoort::Tussen), 2);
  EXPECT_EQ(AantalPosten(p, Postsoort::IngaandMaalUitgaand), 6);
  EXPECT_EQ(AantalPosten(Project{}), 0);
  EXPECT_EQ(AantalPosten(Project{}, Postsoort::IngaandMaalUitgaand), 0);
}

TEST(Aantallen, EarliestAndLatestTimeSkipTimesThatAreNoNumber) {
  Project p;
  EXPECT_EQ(VroegsteTijd(p), 0);
  EXPECT_EQ(LaatsteTijd(p), 0);
  for (const char* tijd : {"0815", "ab12", "0700", "2359", " 015", "8:00"})
    p.RegistratieToevoegen("001-ki", tijd, "a", "X");
  EXPECT_EQ(VroegsteTijd(p), 700);
  EXPECT_EQ(LaatsteTijd(p), 2359);

  Project alleenOngeldig;
  alleenOngeldig.RegistratieToevoegen("001-ki", "xx", "a", "X");
  EXPECT_EQ(VroegsteTijd(alleenOngeldig), 0);
  EXPECT_EQ(LaatsteTijd(alleenOngeldig), 0);

  Project middernacht;
  middernacht.RegistratieToevoegen("001-ki", "1200", "a", "X");
  middernacht.RegistratieToevoegen("001-ki", "0000", "a", "X");
  EXPECT_EQ(VroegsteTijd(middernacht), 0);
  EXPECT_EQ(LaatsteTijd(middernacht), 1200);
}

// ---- Text form ------------------------------------------------------------------------------

TEST(RegistratiesTekst, ToLinesAndBackWithoutChangingCase) {
  Project p;
  p.RegistratieToevoegen("001-ki", "0815", "a", "AB12C");
  p.RegistratieToevoegen("002-KU", "0900", "L", "xy99zz");
  p.Registratielijst[0].Gebruikt = true;
  p.Registratielijst[1].Geprobeerd = true;

  std::vector<std::string> tekst = {"oude regel"};
  RegistratiesNaarTekst(p, tekst);
  EXPECT_EQ(tekst, (std::vector<std::string>{"001-ki 0815 a AB12C", "002-KU 0900 L xy99zz"}));

  tekst.insert(tekst.begin() + 1, "");  // empty lines give nothing
  tekst.push_back("003-t1 1000 b PLAATLANG");
  p.RegistratieToevoegen("999-ku", "0000", "a", "WEG");
  RegistratiesUitTekst(p, tekst);
  EXPECT_EQ(Regels(p.Registratielijst),
            (std::vector<std::string>{"001-ki 0815 a AB12C", "002-KU 0900 L xy99zz", "003-t1 1000 b PLAATL"}));
  for (const RRegistratie& r : p.Registratielijst) {
    EXPECT_FALSE(r.Gebruikt);
    EXPECT_FALSE(r.Geprobeerd);
  }

  RegistratiesUitTekst(p, {});
  EXPECT_TRUE(p.Registratielijst.empty());
}

// ---- Purges ---------------------------------------------------------------------------------

TEST(GebruikteVerwijderen, KeepsTheOthersInOrderWithFlagsCleared) {
  Project p;
  for (const char* plaat : {"A", "B", "C", "D", "E"}) p.RegistratieToevoegen("001-ki", "0800", "a", plaat);
  p.Registratielijst[1].Gebruikt = true;
  p.Registratielijst[3].Gebruikt = true;
  p.Registratielijst[3].Geprobeerd = true;
  p.Registratielijst[4].Geprobeerd = true;
  GebruikteVerwijderen(p);
  EXPECT_EQ(Regels(p.Registratielijst),
            (std::vector<std::string>{"001-ki 0800 a A", "001-ki 0800 a C", "001-ki 0800 a E"}));
  for (const RRegistratie& r : p.Registratielijst) EXPECT_FALSE(r.Geprobeerd);
}

TEST(GebruikteVerwijderen, EveryRegistrationUsedLeavesAnEmptyList) {
  Project p;
  for (int i = 0; i < 4; ++i) p.RegistratieToevoegen("001-ki", "0800", "a", "X");
  for (RRegistratie& r : p.Registratielijst) r.Gebruikt = true;
  Project q = p;
  GebruikteVerwijderen(p);
  EXPECT_TRUE(p.Registratielijst.empty());
  test::GebruikteVerwijderenMetGeprobeerd(q);
  EXPECT_TRUE(q.Registratielijst.empty());
}

TEST(GebruikteVerwijderenMetGeprobeerd, TriedMarksSurviveAndShortFieldsComeBackUnshifted) {
  Project p;
  p.RegistratieToevoegen("01-ki", "0815", "a", "AB12");  // post shorter than its width
  p.RegistratieToevoegen("002-ku", "0900", "l", "WEG");
  p.RegistratieToevoegen("003-t1", "815", "", "AB 12");  // short time, no type, plate with a space
  p.RegistratieToevoegen("004-t2", "1000", "b", "XY99ZZ");
  p.Registratielijst[0].Geprobeerd = true;
  p.Registratielijst[1].Gebruikt = true;
  p.Registratielijst[1].Geprobeerd = true;
  p.Registratielijst[3].Geprobeerd = true;
  test::GebruikteVerwijderenMetGeprobeerd(p);

  ASSERT_EQ(p.Registratielijst.size(), 3u);
  const RRegistratie& a = p.Registratielijst[0];
  const RRegistratie& c = p.Registratielijst[1];
  const RRegistratie& d = p.Registratielijst[2];
  EXPECT_EQ(a.Post.view(), "01-ki");
  EXPECT_EQ(a.Tijd.view(), "0815");
  EXPECT_EQ(a.Voertuigtype.view(), "a");
  EXPECT_EQ(a.Kenteken.view(), "AB12");
  EXPECT_TRUE(a.Geprobeerd);
  EXPECT_EQ(c.Post.view(), "003-t1");
  EXPECT_EQ(c.Tijd.view(), "815");
  EXPECT_EQ(c.Voertuigtype.view(), "");
  EXPECT_EQ(c.Kenteken.view(), "AB 12");  // this purge does not touch the plate's own spaces
  EXPECT_FALSE(c.Geprobeerd);
  EXPECT_EQ(d.Regel(), "004-t2 1000 b XY99ZZ");
  EXPECT_TRUE(d.Geprobeerd);
  for (const RRegistratie& r : p.Registratielijst) EXPECT_FALSE(r.Gebruikt);
}

// ---- A survey of a million registrations ----------------------------------------------------

TEST(GroteLijst, SortAndPurgesStayQuickForAMillionRegistrations) {
  constexpr int n = 1'000'000;
  Project p;
  p.Registratielijst.reserve(n);
  const char* const posten[] = {"001-ki", "002-t1", "003-t2", "004-ku"};
  for (int i = 0; i < n; ++i) {
    const int minuten = static_cast<int>(static_cast<long long>(i) * 7919 % 1440);
    char tijd[5];
    std::snprintf(tijd, sizeof tijd, "%02d%02d", minuten / 60, minuten % 60);
    p.RegistratieToevoegen(posten[i % 4], tijd, "a", std::to_string(i % 100000));
  }
  ASSERT_TRUE(RegistratiesSorteren(p, "TPt2PnrKV"));
  ASSERT_EQ(p.Registratielijst.size(), static_cast<std::size_t>(n));
  for (std::size_t i = 1; i < p.Registratielijst.size(); ++i)
    ASSERT_LE(p.Registratielijst[i - 1].Tijd.view(), p.Registratielijst[i].Tijd.view()) << i;

  for (std::size_t i = 0; i < p.Registratielijst.size(); ++i) {
    p.Registratielijst[i].Gebruikt = i % 3 == 0;
    p.Registratielijst[i].Geprobeerd = i % 2 == 0;
  }
  test::GebruikteVerwijderenMetGeprobeerd(p);
  EXPECT_EQ(p.Registratielijst.size(), static_cast<std::size_t>(n - (n + 2) / 3));
  p.Registratielijst[0].Gebruikt = true;
  GebruikteVerwijderen(p);
  EXPECT_EQ(p.Registratielijst.size(), static_cast<std::size_t>(n - (n + 2) / 3 - 1));
}
