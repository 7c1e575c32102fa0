// The printed pages of a report: lines per page within the margins, header and footer texts,
// tabs and lines wider than the paper.

#include "reports/print_layout.h"

#include <gtest/gtest.h>

#include "base/catalogue.h"

namespace morvask {
namespace {

std::vector<std::string> Genummerd(int n) {
  std::vector<std::string> regels;
  for (int i = 1; i <= n; ++i) regels.push_back("regel " + std::to_string(i));
  return regels;
}

// A4 with the default margins: 297 - 2 x 15 - 2 x 10 - 2 x 0.5 = 246 mm of text, 180 mm wide.
const RLettermaat kCourier8{3.0, 1.5};

TEST(Afdrukindeling, FillsEachPageWithinTheMarginsAndNumbersThePages) {
  const Catalogus cat;
  const RAfdrukindeling d = Afdrukindeling(Genummerd(170), RPapier{}, kCourier8, cat);
  EXPECT_DOUBLE_EQ(d.Tekstvlak.Boven, 25.5);
  EXPECT_DOUBLE_EQ(d.Tekstvlak.Hoogte, 246.0);
  EXPECT_DOUBLE_EQ(d.Tekstvlak.Breedte, 180.0);
  EXPECT_DOUBLE_EQ(d.Kopvlak.Links, 17.0);
  EXPECT_DOUBLE_EQ(d.Voetvlak.Boven, 272.0);
  EXPECT_EQ(d.RegelsPerPagina, 82);
  EXPECT_EQ(d.TekensPerRegel, 120);
  ASSERT_EQ(d.Paginas.size(), 3u);
  EXPECT_EQ(d.Paginas[0].Regels.size(), 82u);
  EXPECT_EQ(d.Paginas[2].Regels.size(), 6u);
  EXPECT_EQ(d.Paginas[1].Regels.front(), "regel 83");
  EXPECT_EQ(d.Paginas[2].Regels.back(), "regel 170");
  for (const auto& p : d.Paginas) EXPECT_EQ(p.Kop, "Morvask 4.4");
  EXPECT_EQ(d.Paginas[0].Voet, "Pagina 1 van 3");
  EXPECT_EQ(d.Paginas[2].Voet, "Pagina 3 van 3");
}

TEST(Afdrukindeling, AnEmptyReportIsOnePageAndAnExactFitNoMore) {
  const Catalogus cat;
  const RAfdrukindeling leeg = Afdrukindeling({}, RPapier{}, kCourier8, cat);
  ASSERT_EQ(leeg.Paginas.size(), 1u);
  EXPECT_TRUE(leeg.Paginas[0].Regels.empty());
  EXPECT_EQ(leeg.Paginas[0].Voet, "Pagina 1 van 1");
  EXPECT_EQ(Afdrukindeling(Genummerd(164), RPapier{}, kCourier8, cat).Paginas.size(), 2u);
  EXPECT_EQ(Afdrukindeling(Genummerd(165), RPapier{}, kCourier8, cat).Paginas.size(), 3u);
}

TEST(Afdrukindeling, TabsStopEveryEightColumnsAndWideLinesContinue) {
  EXPECT_EQ(TabsUitgevouwen("xxx-ki\t: Kordon"), "xxx-ki  : Kordon");
  EXPECT_EQ(TabsUitgevouwen("\tA\t\tB"), "        A               B");
  EXPECT_EQ(TabsUitgevouwen("12345678\tX"), "12345678        X");

  const Catalogus cat;
  RPapier smal;
  smal.Breedte = 30 + 15;  // 15 mm of text: ten characters
  const RAfdrukindeling d = Afdrukindeling({"0123456789ABCDEFGHIJKLMNOPQRSTU", "kort"}, smal, kCourier8, cat);
  EXPECT_EQ(d.TekensPerRegel, 10);
  EXPECT_EQ(d.Paginas[0].Regels,
            (std::vector<std::string>{"0123456789", "ABCDEFGHIJ", "KLMNOPQRST", "U", "kort"}));
}

TEST(Afdrukindeling, PaperTooSmallStillPrintsEveryLine) {
  const Catalogus cat;
  RPapier postzegel;
  postzegel.Breedte = 20;
  postzegel.Hoogte = 40;
  const RAfdrukindeling d = Afdrukindeling({"ab", "c"}, postzegel, kCourier8, cat);
  EXPECT_EQ(d.RegelsPerPagina, 1);
  EXPECT_EQ(d.TekensPerRegel, 1);
  ASSERT_EQ(d.Paginas.size(), 3u);
  EXPECT_EQ(d.Paginas[2].Regels, std::vector<std::string>{"c"});
  EXPECT_EQ(d.Paginas[1].Voet, "Pagina 2 van 3");
}

}  // namespace
}  // namespace morvask
