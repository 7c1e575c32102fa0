#include <gtest/gtest.h>

#include "analysis/od_matrix_report.h"
#include "comparison_report_fixture.h"

using namespace morvask;
using namespace morvask::test;

namespace {

using Regels = std::vector<std::string>;

std::string R(const std::vector<std::string>& posten, const std::vector<std::string>& tijden) {
  std::vector<std::string> w;
  for (const auto& t : tijden) w.push_back(Waarneming(t, 'a', "AB12CD"));
  return Route(posten, w);
}

// Period 0700-0900. Eight trips without the routematrix option: three through, one origin,
// four destination.
MatchInhoud Ritten() {
  MatchInhoud m;
  m.routes = {
      R({"001-ki", "002-ku"}, {"0815", "0825"}),                    // through
      R({"001-ki", "003-t1", "002-ku"}, {"0815", "0820", "0830"}),  // through via an intermediate post
      R({"002-ki", "001-ku"}, {"0650", "0705"}),                    // through, whatever its times
      R({"001-ki", "003-t1"}, {"0800", "0805"}),                    // destination of 001-ki
      R({"001-ki", "002-ki"}, {"0830", "0835"}),                    // inbound to inbound: destination
      R({"003-t1", "001-ku"}, {"0855", "0905"}),                    // last time outside: nowhere
      R({"001-ku", "002-ki"}, {"0800", "0810"}),                    // outbound to inbound: nowhere
      R({"003-t1", "002-ku"}, {"0800", "0810"}),                    // origin of 002-ku
  };
  m.nietRoutes = {"001-ki 0800 a A",   // destination of 001-ki
                  "001-ki 0900 a B",   // the until time is outside
                  "003-t1 0800 a D",   // an intermediate post counts nowhere
                  "002-ki 08x0 a E",   // no whole number: in no period
                  "002-ki 0830 a F"};  // destination of 002-ki
  return m;
}

RVergelijkingsrapportOpties Dhb(bool routematrix) {
  RVergelijkingsrapportOpties o;
  o.Type = Vergelijkingsrapporttype::DHB;
  o.Routematrix = routematrix;
  return o;
}

std::string Cellen(const Regels& cellen) {
  std::string r;
  for (const auto& c : cellen) r += std::string(7 - std::min<std::size_t>(c.size(), 7), ' ') + c.substr(0, 7);
  return r;
}

}  // namespace

TEST(RapportDHBmatrix, CountsThroughOriginAndDestinationTraffic) {
  RapportOmgeving o;
  const Rapport r = o.Maak(Ritten(), Dhb(false));
  EXPECT_EQ(r.Titel, "DHB-matrix");
  EXPECT_TRUE(r.BevatTabelData);
  EXPECT_EQ(r.Tabel.KolomAantal(), 7);
  EXPECT_EQ(r.Tabel.RijAantal(), 12);
  const std::string s = Sep(49);
  EXPECT_EQ(r.Regels,
            Verwacht("Matrix doorgaand, herkomst- en bestemmingsverkeer (voertuigen).",
                     {"In totaal zijn 8 ritten geregistreerd waarvan 3 (38%) doorgaande ritten, 1 (12%) herkomst-",
                      "ritten en 4 (50%) bestemmend.", "", s, "Van     Naar post    " + std::string(28, ' '),
                      "post    001-ku 002-ku         Doorg Bestem Totaal", s,
                      Cellen({"001-ki ", "0", "2", "", "2", "3", "5"}),
                      Cellen({"002-ki ", "1", "0", "", "1", "1", "2"}), s, Cellen({"", "", "", "", "", "4", "7"}),
                      Cellen({"Doorg  ", "1", "2", "", "3", "", ""}), Cellen({"Herkom ", "0", "1", "1", "", "8", ""}),
                      Cellen({"Totaal ", "1", "3", "4", "", "", "11"}), s, ""}));
}

TEST(RapportDHBmatrix, RoutematrixTakesTheIntermediatePostsAndOnlyThroughTraffic) {
  RapportOmgeving o;
  o.instellingen.RapportInformatieOverInhoudWeergeven = true;
  const Rapport r = o.Maak(Ritten(), Dhb(true));
  EXPECT_EQ(r.Tabel.KolomAantal(), 6);
  EXPECT_EQ(r.Tabel.RijAantal(), 11);
  const std::string s = Sep(42);
  EXPECT_EQ(r.Regels,
            Verwacht("Routematrix.",
                     {"In onderstaande matrix zijn de aantallen voertuigen weergegeven die zich binnen",
                      "de doorrijtijd van waarnemingspost A naar B hebben verplaatst.", "", s,
                      "Van     Naar post    " + std::string(21, ' '), "post    001-ku 002-ku 003-t1        Totaal", s,
                      Cellen({"001-ki ", "0", "2", "1", "", "3"}), Cellen({"002-ki ", "1", "0", "0", "", "1"}),
                      Cellen({"003-t1 ", "1", "1", "0", "", "2"}), s, std::string(42, ' '),
                      Cellen({"Totaal ", "2", "3", "1", "", "6"}), s, ""}));
  // The CSV export sees the reduced table.
  EXPECT_EQ(r.Tabel.Cel(5, 9), "6");
  EXPECT_EQ(r.Tabel.Cel(6, 9), "");
}

TEST(RapportDHBmatrix, DataHoldsEveryCountOfTheTableOnce) {
  using Rij = std::vector<Gegevensveld>;
  RapportOmgeving o;
  const Rapport r = o.Maak(Ritten(), Dhb(false));
  ASSERT_EQ(r.Gegevens.Kolommen, (Regels{"origin", "destination", "count"}));
  // The matrix, each origin's destination traffic (no destination) and each destination's
  // origin traffic (no origin): the numbers of the table above.
  EXPECT_EQ(r.Gegevens.Rijen, (std::vector<Rij>{{"001-ki", "001-ku", 0LL},
                                                {"001-ki", "002-ku", 2LL},
                                                {"001-ki", "", 3LL},
                                                {"002-ki", "001-ku", 1LL},
                                                {"002-ki", "002-ku", 0LL},
                                                {"002-ki", "", 1LL},
                                                {"", "001-ku", 0LL},
                                                {"", "002-ku", 1LL}}));
  // Each value is its cell: the matrix at (column, row), "Bestem" in column 5, "Herkom" in row 9;
  // their sum is the table's count of all trips, where the two cross.
  long long alle = 0;
  for (const Rij& rij : r.Gegevens.Rijen) {
    const std::string& van = std::get<std::string>(rij[0]);
    const std::string& naar = std::get<std::string>(rij[1]);
    const int rijnummer = van.empty() ? 9 : van == "001-ki" ? 4 : 5;
    const int kolom = naar.empty() ? 5 : naar == "001-ku" ? 1 : 2;
    EXPECT_EQ(r.Tabel.Cel(kolom, rijnummer), std::to_string(std::get<long long>(rij[2]))) << van << " " << naar;
    alle += std::get<long long>(rij[2]);
  }
  EXPECT_EQ(std::to_string(alle), r.Tabel.Cel(5, 9));

  // With the routematrix option only the matrix, intermediate posts included.
  const Rapport m = o.Maak(Ritten(), Dhb(true));
  std::vector<Rij> verwacht;
  const Regels posten = {"001-ki", "002-ki", "003-t1"}, naar = {"001-ku", "002-ku", "003-t1"};
  for (int i = 0; i < 3; ++i)
    for (int k = 0; k < 3; ++k)
      verwacht.push_back({posten[i], naar[k], static_cast<long long>(std::stoi(m.Tabel.Cel(k + 1, i + 4)))});
  EXPECT_EQ(m.Gegevens.Rijen, verwacht);
}

TEST(RapportDHBmatrix, WithoutTripsEveryCountIsZeroAndThereIsNoPercentageLine) {
  RapportOmgeving o({"001-ki", "001-ku"});
  const Rapport r = o.Maak(MatchInhoud{}, Dhb(false));
  const std::string s = Sep(42);
  EXPECT_EQ(r.Regels,
            Verwacht("Matrix doorgaand, herkomst- en bestemmingsverkeer (voertuigen).",
                     {s, "Van     Naar post    " + std::string(21, ' '), "post    001-ku         Doorg Bestem Totaal",
                      s, Cellen({"001-ki ", "0", "", "0", "0", "0"}), s, Cellen({"", "", "", "", "0", "0"}),
                      Cellen({"Doorg  ", "0", "", "0", "", ""}), Cellen({"Herkom ", "0", "0", "", "0", ""}),
                      Cellen({"Totaal ", "0", "0", "", "", "0"}), s, ""}));
}

TEST(DHBTellen, ConsumingOrderDecidesWhereALineCounts) {
  RapportOmgeving o;
  const MatchInhoud m = Ritten();
  const RDHBTelling t = DHBTellen(m.routes, m.nietRoutes, o.project.Postlijst, false, 700, 900);
  EXPECT_EQ(t.Herkomstposten, (Regels{"001-ki", "002-ki"}));
  EXPECT_EQ(t.Bestemmingsposten, (Regels{"001-ku", "002-ku"}));
  EXPECT_EQ(t.Doorgaand, (std::vector<std::vector<int>>{{0, 2}, {1, 0}}));
  EXPECT_EQ(t.Bestemming, (std::vector<int>{3, 1}));
  EXPECT_EQ(t.Herkomst, (std::vector<int>{0, 1}));
  // The period bounds: start inclusive, end exclusive.
  const RDHBTelling p = DHBTellen({}, {"001-ki 0700 a X", "001-ki 0859 a X", "001-ki 0900 a X", "002-ku 0659 a X"},
                                  o.project.Postlijst, false, 700, 900);
  EXPECT_EQ(p.Bestemming, (std::vector<int>{2, 0}));
  EXPECT_EQ(p.Herkomst, (std::vector<int>{0, 0}));
}

TEST(DHBTellen, DamagedLinesCountNowhere) {
  RapportOmgeving o;
  const Regels routes = {"001-ki" + ss, ss + ei, "001-ki 002-ku " + ss + "08", "x", "", ss + "0800" + ei};
  const Regels niet = {"", "001-ki", "001-ki 08", "001-ki 0800"};
  const RDHBTelling t = DHBTellen(routes, niet, o.project.Postlijst, false, 700, 900);
  // "001-ki 002-ku ß08": through (no time needed); "001-ki 0800": destination of 001-ki.
  EXPECT_EQ(t.Doorgaand, (std::vector<std::vector<int>>{{0, 1}, {0, 0}}));
  EXPECT_EQ(t.Bestemming, (std::vector<int>{1, 0}));
}

TEST(Percentage, HalvesGoToEven) {
  EXPECT_EQ(Percentage(1, 8), "12");
  EXPECT_EQ(Percentage(3, 8), "38");
  EXPECT_EQ(Percentage(5, 8), "62");
  EXPECT_EQ(Percentage(1, 3), "33");
  EXPECT_EQ(Percentage(2, 3), "67");
  EXPECT_EQ(Percentage(0, 0), "0");
}
