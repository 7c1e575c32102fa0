#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/project.h"
#include "core/registration_list.h"
#include "core/text_utils.h"

using namespace morvask;

namespace {

const char* const AlleVolgorden[] = {"KTP", "PTK", "TPK", "TPtPnrKV", "TPt2PnrKV", "VPT"};

struct Velden {
  std::string post, tijd, type, kenteken;
  bool operator==(const Velden&) const = default;
};

std::vector<Velden> VeldenVan(const Project& project) {
  std::vector<Velden> uit;
  for (const RRegistratie& r : project.Registratielijst)
    uit.push_back({r.Post.str(), r.Tijd.str(), r.Voertuigtype.str(), r.Kenteken.str()});
  return uit;
}

Project ProjectMet(const std::vector<Velden>& registraties) {
  Project p;
  for (const Velden& v : registraties) p.RegistratieToevoegen(v.post, v.tijd, v.type, v.kenteken);
  return p;
}

// ---- The sort written out as key lines, for comparison with the fast one. -------------------

std::string Opgevuld(std::string_view tekst, int breedte) { return TekstUitlijnen("L", tekst, " ", breedte); }

std::string ZonderEindspaties(std::string_view tekst) {
  while (!tekst.empty() && tekst.back() == ' ') tekst.remove_suffix(1);
  return std::string(tekst);
}

std::string ZonderSpaties(std::string_view tekst) {
  std::string uit;
  for (char c : tekst)
    if (c != ' ') uit += c;
  return uit;
}

std::string Routecijfer(char c) { return c == 'i' ? "1" : c == '1' ? "2" : c == '2' ? "3" : c == 'u' ? "4" : "5"; }

std::string Sleutelregel(const RRegistratie& r, std::string_view code) {
  const std::string post = Opgevuld(r.Post, 6), tijd = Opgevuld(r.Tijd, 4), type = Opgevuld(r.Voertuigtype, 1),
                    plaat = Opgevuld(r.Kenteken, 6);
  if (code == "KTP") return plaat + " " + tijd + " " + post.substr(4, 2) + " " + post + " " + type;
  if (code == "PTK") return post + " " + tijd + " " + plaat + " " + type;
  if (code == "TPK") return tijd + " " + post + " " + plaat + " " + type;
  if (code == "TPtPnrKV") return tijd + " " + post.substr(3, 3) + " " + post.substr(0, 3) + " " + plaat + " " + type;
  if (code == "TPt2PnrKV")
    return tijd + " " + Routecijfer(post[5]) + post.substr(3, 3) + " " + post.substr(0, 3) + " " + plaat + " " + type;
  return type + " " + post + " " + tijd + " " + plaat;  // VPT
}

// Cuts a key line back into a registration (fields without padding, plate without spaces).
Velden UitSleutelregel(const std::string& s, std::string_view code) {
  auto deel = [&](std::size_t van, std::size_t n) { return ZonderEindspaties(Deel(s, van, n)); };
  if (code == "KTP") return {deel(16, 6), deel(8, 4), deel(23, 1), ZonderSpaties(Deel(s, 1, 6))};
  if (code == "PTK") return {deel(1, 6), deel(8, 4), deel(20, 1), ZonderSpaties(Deel(s, 13, 6))};
  if (code == "TPK") return {deel(6, 6), deel(1, 4), deel(20, 1), ZonderSpaties(Deel(s, 13, 6))};
  if (code == "TPtPnrKV")
    return {ZonderEindspaties(std::string(Deel(s, 10, 3)) + std::string(Deel(s, 6, 3))), deel(1, 4), deel(21, 1),
            ZonderSpaties(Deel(s, 14, 6))};
  if (code == "TPt2PnrKV")
    return {ZonderEindspaties(std::string(Deel(s, 11, 3)) + std::string(Deel(s, 7, 3))), deel(1, 4), deel(22, 1),
            ZonderSpaties(Deel(s, 15, 6))};
  return {deel(3, 6), deel(10, 4), deel(1, 1), ZonderSpaties(Deel(s, 15, 6))};  // VPT
}

std::vector<Velden> GesorteerdeReferentie(const Project& project, std::string_view code) {
  std::vector<std::string> sleutels;
  for (const RRegistratie& r : project.Registratielijst) sleutels.push_back(Sleutelregel(r, code));
  std::stable_sort(sleutels.begin(), sleutels.end(),
                   [](const std::string& a, const std::string& b) { return InGroteLetters(a) < InGroteLetters(b); });
  std::vector<Velden> uit;
  for (const std::string& s : sleutels) uit.push_back(UitSleutelregel(s, code));
  return uit;
}

}  // namespace

TEST(Sorteersleutel, LaysOutEveryFieldAtItsColumns) {
  const RRegistratie vol("001-ki", "0815", "a", "AB12");
  const RRegistratie kort("01-ki", "815", "", "AB");
  const struct {
    const char* code;
    const char* sleutelVol;
    const char* sleutelKort;
  } gevallen[] = {
      {"KTP", "AB12   0815 ki 001-ki a", "AB     815  i  01-ki   "},
      {"PTK", "001-ki 0815 AB12   a", "01-ki  815  AB      "},
      {"TPK", "0815 001-ki AB12   a", "815  01-ki  AB      "},
      {"TPtPnrKV", "0815 -ki 001 AB12   a", "815  ki  01- AB      "},
      {"TPt2PnrKV", "0815 1-ki 001 AB12   a", "815  5ki  01- AB      "},
      {"VPT", "a 001-ki 0815 AB12  ", "  01-ki  815  AB    "},
  };
  for (const auto& g : gevallen) {
    EXPECT_EQ(Sorteersleutel(vol, g.code), g.sleutelVol) << g.code;
    EXPECT_EQ(Sorteersleutel(kort, g.code), g.sleutelKort) << g.code;
  }
  EXPECT_EQ(Sorteersleutel(vol, "ptk"), std::nullopt);
}

TEST(RegistratiesSorteren, MatchesTheKeyLineSortForEveryOrder) {
  // Few distinct values, mixed letter case and short fields, so that many keys tie.
  std::mt19937 rng(20240611);
  const std::vector<std::string> posten = {"001-ki", "001-ku", "002-t1", "002-t2", "010-ki", "01-ki", "003-T1", "9"};
  const std::vector<std::string> tijden = {"0800", "0801", "0759", "815", "1200", ""};
  const std::vector<std::string> typen = {"a", "l", "A", "b", ""};
  // A byte above 127 sorts after every ASCII character (bytes compare unsigned).
  const std::vector<std::string> platen = {"AB12CD",
                                           "ab12cd",
                                           "AB 12",
                                           "AB12",
                                           "zz-99",
                                           "#B12CD",
                                           "Ab",
                                           "",
                                           "\xE9"
                                           "B12",
                                           "~B12",
                                           "A\xCD"};
  auto kies = [&](const std::vector<std::string>& v) { return v[rng() % v.size()]; };
  std::vector<Velden> registraties;
  for (int i = 0; i < 400; ++i) registraties.push_back({kies(posten), kies(tijden), kies(typen), kies(platen)});

  for (const char* code : AlleVolgorden) {
    Project project = ProjectMet(registraties);
    const std::vector<Velden> verwacht = GesorteerdeReferentie(project, code);
    ASSERT_TRUE(RegistratiesSorteren(project, code));
    EXPECT_EQ(VeldenVan(project), verwacht) << code;
  }
}

TEST(RegistratiesSorteren, RouteOrderPutsInboundThenDirectionOneThenTwoThenOutbound) {
  const Project begin = ProjectMet({{"001-ku", "0800", "a", "AA"},
                                    {"002-t2", "0800", "a", "AA"},
                                    {"003-t1", "0800", "a", "AA"},
                                    {"004-ki", "0800", "a", "AA"},
                                    {"000-ki", "0759", "a", "ZZ"}});
  Project route = begin;
  RegistratiesSorteren(route, "TPt2PnrKV");
  std::vector<std::string> posten;
  for (const RRegistratie& r : route.Registratielijst) posten.push_back(r.Post.str());
  EXPECT_EQ(posten, (std::vector<std::string>{"000-ki", "004-ki", "003-t1", "002-t2", "001-ku"}));

  Project alfabetisch = begin;
  RegistratiesSorteren(alfabetisch, "TPtPnrKV");
  posten.clear();
  for (const RRegistratie& r : alfabetisch.Registratielijst) posten.push_back(r.Post.str());
  EXPECT_EQ(posten, (std::vector<std::string>{"000-ki", "004-ki", "001-ku", "003-t1", "002-t2"}));
}

TEST(RegistratiesSorteren, EqualKeysKeepTheirListOrder) {
  // Keys that differ only in letter case are equal.
  const std::vector<Velden> volgorde1 = {
      {"001-ki", "0800", "a", "ab12"}, {"001-ki", "0800", "a", "AB12"}, {"001-ki", "0800", "a", "Ab12"}};
  const std::vector<Velden> volgorde2 = {volgorde1[2], volgorde1[0], volgorde1[1]};
  for (const char* code : AlleVolgorden) {
    for (const auto& lijst : {volgorde1, volgorde2}) {
      Project project = ProjectMet(lijst);
      RegistratiesSorteren(project, code);
      EXPECT_EQ(VeldenVan(project), lijst) << code;
    }
  }
}

TEST(RegistratiesSorteren, PtkTwiceLeavesTheListUnchangedAndPlatesLoseTheirSpaces) {
  Project project =
      ProjectMet({{"002-ku", "0900", "a", "AB 12"}, {"001-ki", "0815", "l", "XY99ZZ"}, {"001-ki", "0800", "a", "B"}});
  RegistratiesSorteren(project, "PTK");
  const std::vector<Velden> eenmaal = VeldenVan(project);
  EXPECT_EQ(eenmaal,
            (std::vector<Velden>{
                {"001-ki", "0800", "a", "B"}, {"001-ki", "0815", "l", "XY99ZZ"}, {"002-ku", "0900", "a", "AB12"}}));
  RegistratiesSorteren(project, "PTK");
  EXPECT_EQ(VeldenVan(project), eenmaal);
}

TEST(RegistratiesSorteren, ShortFieldsComeBackUnshiftedInEveryOrder) {
  const std::vector<Velden> lijst = {
      {"01-ki", "0815", "a", "AB12CD"}, {"002-ku", "815", "", "X"}, {"003-t1", "0900", "b", "Q"}};
  for (const char* code : AlleVolgorden) {
    Project project = ProjectMet(lijst);
    RegistratiesSorteren(project, code);
    std::vector<Velden> terug = VeldenVan(project);
    std::vector<Velden> verwacht = lijst;
    auto opPost = [](const Velden& a, const Velden& b) { return a.post < b.post; };
    std::sort(terug.begin(), terug.end(), opPost);
    std::sort(verwacht.begin(), verwacht.end(), opPost);
    EXPECT_EQ(terug, verwacht) << code;
  }
}

TEST(RegistratiesSorteren, ClearsTheStatusFlags) {
  Project project = ProjectMet({{"001-ki", "0800", "a", "AA"}, {"001-ki", "0801", "a", "BB"}});
  project.Registratielijst[0].Gebruikt = true;
  project.Registratielijst[1].Geprobeerd = true;
  ASSERT_TRUE(RegistratiesSorteren(project, "TPK"));
  for (const RRegistratie& r : project.Registratielijst) {
    EXPECT_FALSE(r.Gebruikt);
    EXPECT_FALSE(r.Geprobeerd);
  }
}

TEST(RegistratiesSorteren, UnknownCodeLeavesTheListUntouched) {
  Project project = ProjectMet({{"002-ku", "0900", "a", "AB 12"}, {"001-ki", "0815", "l", "XY"}});
  project.Registratielijst[0].Gebruikt = true;
  const std::vector<Velden> voor = VeldenVan(project);
  EXPECT_FALSE(RegistratiesSorteren(project, "XYZ"));
  EXPECT_FALSE(RegistratiesSorteren(project, "ptk"));
  EXPECT_EQ(VeldenVan(project), voor);
  EXPECT_TRUE(project.Registratielijst[0].Gebruikt);

  Project leeg;
  EXPECT_TRUE(RegistratiesSorteren(leeg, "PTK"));
  EXPECT_TRUE(leeg.Registratielijst.empty());
}
