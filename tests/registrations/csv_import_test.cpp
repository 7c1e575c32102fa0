#include "registrations/csv_import.h"

#include <gtest/gtest.h>

#include "core/project_test_support.h"

using namespace morvask;
using namespace morvask::test;

namespace {

struct Verwacht {
  std::string post, tijd, type, kenteken;
};

std::vector<Verwacht> Registraties(const Project& p) {
  std::vector<Verwacht> uit;
  for (const auto& r : p.Registratielijst)
    uit.push_back({r.Post.str(), r.Tijd.str(), r.Voertuigtype.str(), r.Kenteken.str()});
  return uit;
}

bool operator==(const Verwacht& a, const Verwacht& b) {
  return a.post == b.post && a.tijd == b.tijd && a.type == b.type && a.kenteken == b.kenteken;
}

std::ostream& operator<<(std::ostream& o, const Verwacht& v) {
  return o << "[" << v.post << "|" << v.tijd << "|" << v.type << "|" << v.kenteken << "]";
}

}  // namespace

TEST(CsvVeld, CutsFieldsAsTheWindowDoes) {
  struct Geval {
    std::string regel;
    int n;
    std::string sep, quote, veld;
  };
  const std::vector<Geval> gevallen = {
      {"\"002-ku\";\"1750\";\"a\";\"hf12td\"", 1, ";", "\"", "002-ku"},
      {"\"002-ku\";\"1750\";\"a\";\"hf12td\"", 4, ";", "\"", "hf12td"},
      {"  001-ki  ; 0815 ;a;AB12", 2, ";", "\"", "0815"},
      // Fewer fields than asked for: the last field comes again.
      {"001-ki;0815", 3, ";", "\"", "0815"},
      {"001-ki;0815", 4, ";", "\"", "0815"},
      // A separator inside quotes splits the field.
      {"\"00;1\";0815;a;x", 1, ";", "\"", "00"},
      {"\"00;1\";0815;a;x", 2, ";", "\"", "1"},
      // One quote off each end, only when it is there.
      {"\"\"ab\"\";x", 1, ";", "\"", "\"ab\""},
      {"ab\";x", 1, ";", "\"", "ab"},
      {"\";x", 1, ";", "\"", ""},
      // No quote character: quotes stay.
      {"\"ab\";x", 1, ";", "", "\"ab\""},
      // Other separators; an empty one never splits.
      {"001-ki\t0815\ta\tAB", 3, "\t", "\"", "a"},
      {"001-ki,0815", 2, ",", "'", "0815"},
      {"001-ki;0815", 2, "", "\"", "001-ki;0815"},
      {"", 3, ";", "\"", ""},
  };
  for (const auto& g : gevallen) EXPECT_EQ(CsvVeld(g.regel, g.n, g.sep, g.quote), g.veld) << g.regel << " veld " << g.n;
}

TEST(CsvRegel, TurnsALineIntoARegistration) {
  struct Geval {
    std::string regel;
    bool genomen;
    Verwacht reg;
  };
  const std::vector<Geval> gevallen = {
      {"\"002-ku\";\"1750\";\"a\";\"hf12td\"", true, {"002-ku", "1750", "a", "hf12td"}},
      {"002-KU;1750;A;HF12TD", true, {"002-ku", "1750", "a", "HF12TD"}},
      // Times: a whole number is normalised, anything else kept and cut to four characters.
      {"001-ki;815;a;AB12CD", true, {"001-ki", "0815", "a", "AB12CD"}},
      {"001-ki;875;a;AB12CD", true, {"001-ki", "0915", "a", "AB12CD"}},
      {"001-ki;99999;a;AB12CD", true, {"001-ki", "2359", "a", "AB12CD"}},
      {"001-ki;17:50;a;AB12CD", true, {"001-ki", "17:5", "a", "AB12CD"}},
      {"001-ki;-5;a;AB12CDE", true, {"001-ki", "-5", "a", "AB12CD"}},
      {"001-ki;;a;AB12CDEFG", true, {"001-ki", "", "a", "AB12CD"}},
      // Every field is cut to its width.
      {"0001-kix;0815;auto;AB12CDEF", true, {"0001-k", "0815", "a", "AB12CD"}},
      // The length test counts the trimmed line: 11 characters are skipped, 12 taken.
      {"1;815;a;ab1", false, {}},
      {"   1;815;a;ab1  \t", false, {}},
      {"1;815;a;ab12", true, {"1", "0815", "a", "ab12"}},
      {"", false, {}},
      {"post;tijd;v", false, {}},
      {"post;tijd;type;kenteken", true, {"post", "tijd", "t", "kentek"}},
  };
  for (const auto& g : gevallen) {
    RRegistratie r;
    r.Gebruikt = r.Geprobeerd = true;
    const bool genomen = CsvRegelNaarRegistratie(g.regel, RCsvImportVelden{}, r);
    EXPECT_EQ(genomen, g.genomen) << g.regel;
    if (!genomen || !g.genomen) continue;
    EXPECT_EQ((Verwacht{r.Post.str(), r.Tijd.str(), r.Voertuigtype.str(), r.Kenteken.str()}), g.reg) << g.regel;
    EXPECT_FALSE(r.Gebruikt || r.Geprobeerd);
  }
}

class CsvImport : public ::testing::Test {
 protected:
  ProjectOmgeving o;

  bool Importeer(const std::string& inhoud, RCsvImportVelden velden = {}) {
    o.Schrijf("reg.csv", inhoud);
    velden.Bestand = o.map / "reg.csv";
    return CsvImporteren(o.ctx, velden);
  }
};

TEST_F(CsvImport, AppendsAfterTheRegistrationsAndSaysSo) {
  o.project.RegistratieToevoegen("009-ku", "0700", "b", "BESTND");
  ASSERT_TRUE(Importeer("Post;Tijd;V\r\n\"002-ku\";\"1750\";\"a\";\"hf12td\"\r\n\r\n001-KI;815;L;AB12CD\r\n"));
  const std::vector<Verwacht> verwacht = {
      {"009-ku", "0700", "b", "BESTND"}, {"002-ku", "1750", "a", "hf12td"}, {"001-ki", "0815", "l", "AB12CD"}};
  EXPECT_EQ(Registraties(o.project), verwacht);
  EXPECT_TRUE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
  EXPECT_EQ(o.ui.menuCodes, (std::vector<MenuCode>{mcOpslaan, mcRegistraties}));
  ASSERT_EQ(o.ui.berichten.size(), 1u);
  EXPECT_EQ(o.ui.berichten[0].soort, "informatie");
  EXPECT_EQ(o.ui.berichten[0].caption, "Morvask");
  EXPECT_EQ(o.ui.berichten[0].tekst,
            "Registraties ge\xEF"
            "mporteerd.\r\rTip: Kies nu de functie \"registratiesbestand controleren\".");
  EXPECT_FALSE(o.ui.bezig);

  // The same file again appends the same lines again.
  ASSERT_TRUE(Importeer("\"002-ku\";\"1750\";\"a\";\"hf12td\"\r\n001-KI;815;L;AB12CD\r\n"));
  EXPECT_EQ(o.project.Registratielijst.size(), 5u);
  EXPECT_EQ(o.project.Registratielijst[3].Kenteken, "hf12td");
}

TEST_F(CsvImport, UsesTheChosenSeparatorAndQuote) {
  ASSERT_TRUE(Importeer("'001-ki'\t'0815'\t'a'\t'AB;12'\n", {"", "\t", "'"}));
  ASSERT_TRUE(Importeer("\"001-ki\",0815,a,XY12\n", {"", ",", ""}));
  const std::vector<Verwacht> verwacht = {{"001-ki", "0815", "a", "AB;12"}, {"\"001-k", "0815", "a", "XY12"}};
  EXPECT_EQ(Registraties(o.project), verwacht);
}

TEST_F(CsvImport, ChangesNothingWithoutAReadableFile) {
  o.project.RegistratieToevoegen("001-ki", "0800", "a", "AB12CD");
  // An empty file field: nothing at all.
  EXPECT_FALSE(CsvImporteren(o.ctx, RCsvImportVelden{}));
  EXPECT_TRUE(o.ui.berichten.empty());

  for (const std::string& naam : {o.map / "ontbreekt.csv", o.map.Pad()}) {
    o.ui.berichten.clear();
    EXPECT_FALSE(CsvImporteren(o.ctx, {naam, ";", "\""})) << naam;
    ASSERT_EQ(o.ui.berichten.size(), 1u);
    EXPECT_EQ(o.ui.berichten[0].soort, "fout");
    EXPECT_EQ(o.ui.berichten[0].tekst, "Kan bestand " + naam + " niet openen.");
  }
  EXPECT_EQ(o.project.Registratielijst.size(), 1u);
  EXPECT_FALSE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
  EXPECT_TRUE(o.ui.menuCodes.empty());
}

TEST_F(CsvImport, ReadsWindows1252AndUtf8WithItsMark) {
  // Without a mark the bytes are Windows-1252 as they stand; with the UTF-8 mark the text is
  // converted, and a character Windows-1252 lacks becomes "?".
  ASSERT_TRUE(Importeer("001-ki;0815;a;K\xE9K12\r\n"));
  ASSERT_TRUE(
      Importeer("\xEF\xBB\xBF"
                "001-ki;0815;a;K\xC3\xA9K12\r\n002-ki;0816;a;\xE2\x82\xAC\xE4\xB8\xAD"
                "12\r\n"));
  const std::vector<Verwacht> verwacht = {
      {"001-ki", "0815", "a", "K\xE9K12"}, {"001-ki", "0815", "a", "K\xE9K12"}, {"002-ki", "0816", "a", "\x80?12"}};
  EXPECT_EQ(Registraties(o.project), verwacht);
}

TEST_F(CsvImport, SurvivesOddLineEndsNulBytesAndLongLines) {
  std::string inhoud;
  inhoud += "001-ki;0801;a;AA11\r";                            // a lone CR ends a line (old Mac files)
  inhoud += "001-ki;0802;a;AA12\r\r\n";                        // a stray CR before CR LF
  inhoud += "001-ki;08\r03;a;AA13\n";                          // a CR inside a line splits it: both parts short
  inhoud += std::string("001-ki;0804;a;A\0A14\0", 20) + "\n";  // NUL bytes stay bytes, trimmed at the ends
  inhoud += "002-ki;0805;a;" + std::string(1'000'000, 'Z') + "\n";
  inhoud += std::string(2'000'000, ';') + "\n";  // a line of separators only
  inhoud += "003-ki;0806;a;LAATST";              // no line end after the last line
  ASSERT_TRUE(Importeer(inhoud));
  const std::vector<Verwacht> verwacht = {
      {"001-ki", "0801", "a", "AA11"},
      {"001-ki", "0802", "a", "AA12"},
      {"001-ki", "0804", "a", std::string("A\0A14", 5)},
      {"002-ki", "0805", "a", "ZZZZZZ"},
      {"", "", "", ""},
      {"003-ki", "0806", "a", "LAATST"},
  };
  EXPECT_EQ(Registraties(o.project), verwacht);
}

TEST_F(CsvImport, KeepsUpWithALargeFile) {
  std::string inhoud;
  constexpr int n = 200'000;
  inhoud.reserve(n * 22);
  for (int i = 0; i < n; ++i)
    inhoud += "001-ki;" + std::to_string(i % 2400) + ";a;AB" + std::to_string(i % 10000) + "\r\n";
  ASSERT_TRUE(Importeer(inhoud));
  ASSERT_EQ(o.project.Registratielijst.size(), static_cast<std::size_t>(n));
  EXPECT_EQ(o.project.Registratielijst[875].Tijd, "0915");
  EXPECT_EQ(o.project.Registratielijst.back().Kenteken, "AB9999");
}
