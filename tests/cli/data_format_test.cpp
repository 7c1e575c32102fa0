// --format data: every report that has data values, read back with a strict CSV reader,
// holds the numbers its report shows; and the observable trips of a generated survey without
// observation errors are the origin-destination matrix a comparison finds.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "core/files.h"
#include "core/project_file.h"
#include "core/win1252.h"
#include "support/cli_run.h"
#include "support/csv_reader.h"
#include "support/temp_folder.h"
#include "survey/survey_generator.h"

using namespace morvask;
using namespace morvask::test;

namespace {

using Sleutel = std::vector<std::string>;        // the text fields of a row
using Waarden = std::map<Sleutel, std::string>;  // -> its numbers, joined by "/"

CliUitkomst Cli(const TijdelijkeMap& map, std::vector<std::string> args) {
  args.insert(args.end(), {"--settings", map / "geen.ini"});
  return CliUitvoeren(args);
}

// The records of a CSV text, which must read.
CsvRecords Lezen(const std::string& csv) {
  std::string reden;
  const auto records = CsvLezen(csv, &reden);
  EXPECT_TRUE(records) << reden << "\n" << csv.substr(0, 300);
  return records.value_or(CsvRecords{});
}

bool IsGetal(const std::string& veld) {
  return !veld.empty() && veld.find_first_not_of("0123456789") == std::string::npos;
}

std::string Bijgesneden(const std::string& t) {
  const std::size_t b = t.find_first_not_of(' '), e = t.find_last_not_of(' ');
  return b == std::string::npos ? "" : t.substr(b, e - b + 1);
}

// The data: the header, then the rows as their text fields (the first `teksten` columns)
// and their numbers, each number field digits only (or empty where the report shows none).
Waarden Gegevens(const std::string& csv, const Sleutel& kolommen, std::size_t teksten) {
  const CsvRecords r = Lezen(csv);
  Waarden w;
  if (r.empty()) return w;
  EXPECT_EQ(r[0], kolommen);
  for (std::size_t i = 1; i < r.size(); ++i) {
    Sleutel sleutel(r[i].begin(), r[i].begin() + static_cast<long>(teksten));
    std::string getallen;
    for (std::size_t k = teksten; k < r[i].size(); ++k) {
      EXPECT_TRUE(IsGetal(r[i][k]) || r[i][k].empty()) << r[i][k];
      getallen += (k > teksten ? "/" : "") + r[i][k];
    }
    EXPECT_TRUE(w.emplace(sleutel, getallen).second) << "a row twice: " << sleutel[0];
  }
  return w;
}

// The program's CSV export of a report's table, as cells [row][column], trimmed.
CsvRecords TabelUit(const std::string& csv) {
  CsvRecords r = Lezen(csv);
  for (auto& rij : r)
    for (auto& cel : rij) cel = Bijgesneden(cel);
  return r;
}

// A time of the data ("07:15") as the table writes it ("0715").
std::string Tabeltijd(const std::string& t) { return t.size() == 5 ? t.substr(0, 2) + t.substr(3) : "?"; }

}  // namespace

class CliGegevens : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    map_ = new TijdelijkeMap;
    map_->Schrijf("v.mpr", BestandLezen(VoorbeeldProject()).value_or(""));
    ASSERT_EQ(Cli(*map_, {"match", *map_ / "v.mpr", "--quiet"}).status, 0);
  }
  static void TearDownTestSuite() { delete map_; }

  // The data of a command, to standard output; -o FILE gets the very same bytes.
  static std::string Data(std::vector<std::string> args) {
    args.insert(args.end(), {"--format", "data"});
    const auto u = Cli(*map_, args);
    EXPECT_EQ(u.status, 0) << u.fout;
    EXPECT_EQ(u.fout, "");
    args.insert(args.end(), {"-o", *map_ / "data.csv"});
    EXPECT_EQ(Cli(*map_, args).status, 0);
    EXPECT_EQ(map_->Lees("data.csv"), u.uit);
    return u.uit;
  }
  static std::string Uitvoer(std::vector<std::string> args) { return Cli(*map_, args).uit; }
  // The program's CSV export of the report's table, as its file holds it (CR LF).
  static CsvRecords Tabel(std::vector<std::string> args) {
    args.insert(args.end(), {"--format", "csv", "-o", *map_ / "tabel.csv"});
    EXPECT_EQ(Cli(*map_, args).status, 0);
    return TabelUit(map_->Lees("tabel.csv"));
  }
  static std::vector<std::string> Rapport(const std::string& type, std::vector<std::string> extra = {}) {
    std::vector<std::string> a = {"report", *map_ / "v.mma", "--project", *map_ / "v.mpr", "--type", type};
    a.insert(a.end(), extra.begin(), extra.end());
    return a;
  }
  static std::string Project() { return *map_ / "v.mpr"; }

  static TijdelijkeMap* map_;
};

TijdelijkeMap* CliGegevens::map_ = nullptr;

TEST_F(CliGegevens, IntensitiesAreTheCountsOfTheIntervalRows) {
  const Waarden data = Gegevens(Data({"intensities", Project()}), {"post", "from", "until", "count"}, 3);
  const CsvRecords t = Tabel({"intensities", Project()});
  Waarden tabel;
  for (std::size_t rij = 4; rij < t.size() && !t[rij][0].empty(); ++rij)
    for (std::size_t k = 2; k + 1 < t[rij].size(); ++k) tabel[{t[2][k], t[rij][0].substr(0, 4), t[rij][1]}] = t[rij][k];
  Waarden gelezen;
  for (const auto& [s, n] : data) gelezen[{s[0], Tabeltijd(s[1]), Tabeltijd(s[2])}] = n;
  EXPECT_EQ(gelezen, tabel);
  EXPECT_EQ(data.size(), 16u * 9u);  // 16 posts, the quarters from 0700 to the window's until time 0914
}

TEST_F(CliGegevens, TravelTimesAreThePairsOfBothMatrices) {
  const Waarden data = Gegevens(Data({"travel-times", Project()}), {"origin", "destination", "minimum", "maximum"}, 2);
  const CsvRecords t = Tabel({"travel-times", Project()});
  // The minimum matrix from row 5, the maximum matrix after it; destinations in row 3.
  const std::size_t herkomsten = (t.size() - 13) / 2;
  Waarden tabel;
  for (std::size_t r = 0; r < herkomsten; ++r)
    for (std::size_t k = 1; k < t[3].size(); ++k) {
      const std::string& minimum = t[5 + r][k];
      const std::string& maximum = t[herkomsten + 12 + r][k];
      if (minimum != "-" && !(minimum.empty() && maximum.empty()))
        tabel[{t[5 + r][0], t[3][k]}] = minimum + "/" + maximum;
    }
  EXPECT_EQ(data, tabel);
  EXPECT_EQ(data.size(), 96u);  // the example's travel-time lines
}

TEST_F(CliGegevens, DhbIsTheMatrixWithTheDestinationAndOriginTraffic) {
  const Waarden data = Gegevens(Data(Rapport("dhb")), {"origin", "destination", "count"}, 2);
  const CsvRecords t = Tabel(Rapport("dhb"));
  // Rows 4 .. I + 3 the origins, columns 1 .. U the destinations; "Bestem" in column U + 3,
  // "Herkom" in row I + 7.
  const std::size_t U = t[2].size() - 5, I = t.size() - 10;
  Waarden tabel;
  for (std::size_t r = 0; r < I; ++r) {
    for (std::size_t k = 0; k < U; ++k) tabel[{t[4 + r][0], t[2][1 + k]}] = t[4 + r][1 + k];
    tabel[{t[4 + r][0], ""}] = t[4 + r][U + 3];
  }
  for (std::size_t k = 0; k < U; ++k) tabel[{"", t[2][1 + k]}] = t[I + 7][1 + k];
  EXPECT_EQ(data, tabel);
  long long alle = 0;
  for (const auto& [s, n] : data) alle += std::stoll(n);
  EXPECT_EQ(std::to_string(alle), t[I + 7][U + 3]);  // "Herkom" x "Bestem": all trips
  // The routematrix: only the matrix, the intermediate posts in it.
  const Waarden matrix = Gegevens(Data(Rapport("dhb", {"--routematrix"})), {"origin", "destination", "count"}, 2);
  EXPECT_EQ(matrix.size(), 10u * 10u);  // 6 inbound and 4 intermediate posts, 6 outbound and 4
}

TEST_F(CliGegevens, AverageTravelTimesAreTheCellsWithTheirNumberOfPairs) {
  const Waarden data = Gegevens(Data(Rapport("traveltimes")), {"origin", "destination", "count", "average"}, 2);
  const CsvRecords t = Tabel(Rapport("traveltimes"));
  Waarden tabel;
  for (std::size_t r = 4; r + 1 < t.size(); ++r)
    for (std::size_t k = 1; k < t[2].size(); ++k) tabel[{t[r][0], t[2][k]}] = t[r][k];
  ASSERT_EQ(data.size(), tabel.size());
  for (const auto& [s, n] : data) {
    const std::string aantal = n.substr(0, n.find('/')), gemiddeld = n.substr(n.find('/') + 1);
    EXPECT_EQ(tabel[s], aantal == "0" ? "-" : gemiddeld) << s[0] << " " << s[1];
    EXPECT_EQ(aantal == "0", gemiddeld.empty());
  }
}

TEST_F(CliGegevens, RoutesAndNonRoutesAreTheLinesOfTheirTables) {
  // The table lines of a text report: after its n-th rule (the header has two) up to the
  // next, a label and a count.
  const auto tabelregels = [](const std::string& tekst, int na) {
    std::vector<std::pair<std::string, std::string>> uit;
    int regels = 0;
    for (const std::string& regel : RegelsSplitsen(tekst)) {
      if (regel.starts_with("\xE2\x80\x94\xE2\x80\x94")) {  // a rule of em dashes
        ++regels;
        continue;
      }
      if (regels != na) continue;
      const std::size_t k = regel.find_last_of(' ');
      uit.emplace_back(Bijgesneden(regel.substr(0, k)), regel.substr(k + 1));
    }
    return uit;
  };
  for (const std::vector<std::string>& extra : {std::vector<std::string>{}, {"--sort", "count", "--descending"}}) {
    const CsvRecords data = Lezen(Data(Rapport("routes", extra)));
    const auto tabel = tabelregels(Uitvoer(Rapport("routes", extra)), 4);
    ASSERT_EQ(data.size(), tabel.size() + 1);
    EXPECT_EQ(data[0], (Sleutel{"from", "via", "to", "count"}));
    for (std::size_t i = 0; i < tabel.size(); ++i) {  // in the report's order
      const auto& rij = data[i + 1];
      EXPECT_EQ(rij[0] + " " + (rij[1].empty() ? "" : rij[1] + " ") + rij[2], tabel[i].first);
      EXPECT_EQ(rij[3], tabel[i].second);
    }
  }
  const CsvRecords niet = Lezen(Data(Rapport("nonroutes")));
  const auto tabel = tabelregels(Uitvoer(Rapport("nonroutes")), 3);
  ASSERT_EQ(niet.size(), tabel.size() + 1);
  EXPECT_EQ(niet[0], (Sleutel{"post", "count"}));
  for (std::size_t i = 0; i < tabel.size(); ++i) EXPECT_EQ((Sleutel{tabel[i].first, tabel[i].second}), niet[i + 1]);
}

TEST_F(CliGegevens, AReportWithoutDataValuesRefusesTheFormatBeforeAnythingRuns) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"posts", Project()}, {"check", Project()}, {"info", Project()}, Rapport("overview")}) {
    std::vector<std::string> a = args;
    a.insert(a.end(), {"--format", "data", "-o", *map_ / "nee.csv"});
    const auto u = Cli(*map_, a);
    EXPECT_EQ(u.status, 2) << args[0];
    EXPECT_TRUE(u.fout.starts_with("morvask-cli: --format data is for ")) << u.fout;
    EXPECT_EQ(u.uit, "");
    EXPECT_FALSE(BestandBestaat(*map_ / "nee.csv"));
  }
}

TEST(CliWaarneembaar, TheObservableTripsOfAnErrorFreeSurveyAreItsDhbMatrix) {
  TijdelijkeMap map;
  bench::OnderzoekInstellingen s;
  s.zaad = 11;
  s.kordonpunten = 5;
  s.tussenpunten = 3;
  s.registraties = 6000;
  s.gemist = s.onleesbaar = s.verwisseld = s.verkeerd = s.overgeslagen = 0;
  const bench::Onderzoek o = bench::OnderzoekMaken(s);
  ASSERT_TRUE(BestandAtomischSchrijven(map / "o.mpr", ProjectTekst(o.project)));
  // The period cuts trips: the true trips differ from the observable ones.
  ASSERT_NE(o.ritten, o.waarneembaar);

  ASSERT_EQ(
      Cli(map, {"match", map / "o.mpr", "--from", "0700", "--until", "0900", "--no-correction", "--quiet"}).status, 0);
  const auto u = Cli(map, {"report", map / "o.mma", "--project", map / "o.mpr", "--type", "dhb", "--format", "data"});
  ASSERT_EQ(u.status, 0) << u.fout;
  bench::HerkomstBestemming dhb;
  const CsvRecords r = Lezen(u.uit);
  ASSERT_GT(r.size(), 1u);
  for (std::size_t i = 1; i < r.size(); ++i)
    if (r[i][2] != "0") dhb[{r[i][0], r[i][1]}] = std::stoi(r[i][2]);
  EXPECT_EQ(dhb, o.waarneembaar);
}
