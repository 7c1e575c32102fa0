// Damaged project files: thousands of deterministic mutations of a valid file (byte flips,
// cuts, inserted line ends and NUL bytes, very long lines, repeated headers) are read
// without a crash or a hang, and what is read is a project the writer and reader agree on.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/files.h"
#include "core/project_file.h"
#include "core/project_test_support.h"
#include "core/text_utils.h"
#include "core/travel_time_table.h"

namespace morvask {
namespace {

std::string GeldigBestand() {
  return RegelsSamenvoegen({"[Morvask datafile]",
                            "",
                            "[**General variables**]",
                            "FileVersion=320",
                            "ProjectDescription=Fuzz",
                            "ReportText1=R1",
                            "ReportText2=R2",
                            "ObservationInterval=5",
                            "ShowNotesDialog=0",
                            "WildcardCharacter=#",
                            "MissedLicenseCharacter=*",
                            "VehTypea=A",
                            "VehTypel=L",
                            "VehTypem=M",
                            "VehTypez=Z",
                            "VehTypeb=B",
                            "VehTypeo=O",
                            "VehTypeu=U",
                            "VehTyper=R",
                            "",
                            "[**Observation posts**]",
                            "001-ki Noord in",
                            "001-ku Noord uit",
                            "002-t1 Midden",
                            "002-t2 Midden terug",
                            "",
                            "[**Travel times**]",
                            "001-ki 001-ku 15   3   ",
                            "001-ki 002-t1 5    0   ",
                            "001-ki 002-t2 5    0   ",
                            "002-t1 001-ku 9    1   ",
                            "002-t1 002-t2 5    0   ",
                            "002-t2 001-ku 5    0   ",
                            "002-t2 002-t1 5    0   ",
                            "",
                            "[**License numbers**]",
                            "001-ki 0815 a AB12CD",
                            "002-t1 0820 l XY99ZZ",
                            "002-t2 0825 m QQ11RR",
                            "001-ku 0830 a AB12CD",
                            "",
                            "[**Notes**]",
                            "Eerste regel",
                            "[**Let op**]",
                            "",
                            "laatste",
                            ""});
}

std::string OudBestand() {
  return RegelsSamenvoegen({"[Morvask datafile]", "200", "[Projectgegevens]", "Oud", "", "[Waarnemingsposten]",
                            "001-ki Noord", "002-ku Zuid", "", "[Doorrijtijden]", "001-ki 002-ku 20   2   ", "",
                            "[Kentekens]", "001-ki 0815 AB12CD", "002-ku 0830 AB12CD", "",
                            "[Opmerkingen van gebruiker]", "notitie"});
}

const std::vector<std::string> Koppen = {
    "[**General variables**]", "[**Observation posts**]", "[**Travel times**]", "[**License numbers**]", "[**Notes**]",
    "[Projectgegevens]", "[Waarnemingsposten]", "[Doorrijtijden]", "[Kentekens]", "[Opmerkingen van gebruiker]", "[**",
    // Headers as editors damage them.
    "[**License numbers**] ", "[**license numbers**]", std::string("[**License\0numbers**]", 21), "[**Notes**]\t\x01",
    "[**OBSERVATION POSTS**]\xA0", "[kentekens] ", "[**Unknown**]", "FileVersion=", "ObservationInterval=x",
    "FileVersion=999", "ShowNotesDialog=1"};

class Mutator {
 public:
  explicit Mutator(unsigned zaad) : rng_(zaad) {}

  std::size_t Getal(std::size_t n) { return n == 0 ? 0 : rng_() % n; }

  void Muteer(std::string& s) {
    const std::size_t plek = Getal(s.size() + 1);
    switch (Getal(9)) {
      case 0:  // a few bytes changed
        for (std::size_t k = 0, n = 1 + Getal(8); k < n && !s.empty(); ++k)
          s[Getal(s.size())] = static_cast<char>(rng_() & 0xFF);
        break;
      case 1:  // cut off
        s.resize(plek);
        break;
      case 2: {  // a line end or NUL inserted
        static const std::string invoeg[] = {"\r", "\n", "\r\n", std::string(1, '\0'), "\n\r", "\r\r\n"};
        s.insert(plek, invoeg[Getal(6)]);
        break;
      }
      case 3: {  // a very long line
        static const char* stukken[] = {"x", "[**", "=", " ", "\xE9", "001-ki "};
        const std::string stuk = stukken[Getal(6)];
        std::string lang;
        while (lang.size() < 100000) lang += stuk;
        s.insert(plek, lang + (Getal(2) ? "\r\n" : ""));
        break;
      }
      case 4: {  // a header or key line repeated somewhere at a line start
        std::size_t begin = s.rfind('\n', plek == 0 ? 0 : plek - 1);
        begin = begin == std::string::npos ? 0 : begin + 1;
        s.insert(begin, Koppen[Getal(Koppen.size())] + "\r\n");
        break;
      }
      case 5:  // a piece removed
        s.erase(plek, Getal(200));
        break;
      case 6: {  // a piece repeated
        const std::string stuk = s.substr(plek, Getal(400));
        s.insert(Getal(s.size() + 1), stuk);
        break;
      }
      case 7:  // all line ends changed into one kind
        for (char& c : s)
          if (c == '\n' || c == '\r') c = Getal(2) ? '\n' : '\r';
        break;
      default:  // the second line made not empty, or emptied
        if (const std::size_t eerste = s.find('\n'); eerste != std::string::npos)
          s.insert(eerste + 1, Getal(2) ? "200" : "3");
        break;
    }
  }

 private:
  std::mt19937 rng_;
};

// What the reader leaves behind holds together whatever the file held.
void ControleerProject(const Project& p) {
  for (std::size_t i = 0; i < p.Postlijst.size(); ++i) {
    EXPECT_TRUE(p.Postlijst[i].Geselecteerd);
    EXPECT_LE(p.Postlijst[i].Omschrijving.size(), 100u);
  }
  for (const std::string& r : p.Doorrijtijdentabel) {
    ASSERT_EQ(r.size(), 23u) << r;
    bool van = false, naar = false;
    for (const RWaarnemingspost& post : p.Postlijst) {
      van = van || (Deel(r, 1, 6) == post.Postcode.view() && IsHerkomstpost(post.Postcode.view()));
      naar = naar || (Deel(r, 8, 6) == post.Postcode.view() && IsBestemmingspost(post.Postcode.view()));
    }
    EXPECT_TRUE(van && naar) << r;
  }
}

TEST(ProjectLezenBeschadigd, ThousandsOfMutatedFilesReadWithoutHarm) {
  test::ProjectOmgeving o;
  const std::string geldig = GeldigBestand();
  const std::string oud = OudBestand();
  const std::string naam = (o.map / "fuzz.mpr");
  const std::string terug = (o.map / "terug.mpr");
  Mutator m(4401);
  int huidig = 0, legacy = 0, afgebroken = 0;
  for (int i = 0; i < 3000; ++i) {
    std::string inhoud = m.Getal(5) == 0 ? oud : geldig;
    for (std::size_t k = 0, n = 1 + m.Getal(4); k < n; ++k) m.Muteer(inhoud);
    // Removed first: replacing an existing file by a rename makes the file system flush it,
    // which thousands of times over is slow.
    std::filesystem::remove(NaarPad(naam));
    ASSERT_TRUE(BestandAtomischSchrijven(naam, inhoud));

    o.Nieuw();
    o.ui.berichten.clear();
    const bool gelezen = ProjectLezen(o.ctx, naam);
    ASSERT_FALSE(o.ui.bezig) << i;
    // A line the reader did not recognise is named by its number and text as the file holds it.
    if (const auto& kop = o.project.OnherkendeKop; kop.Regelnummer != 0) {
      const std::vector<std::string_view> regels = RegelsDelen(inhoud);
      ASSERT_LE(kop.Regelnummer, regels.size()) << i;
      ASSERT_EQ(regels[kop.Regelnummer - 1], kop.Regel) << i;
      ASSERT_TRUE(kop.Regel.starts_with("[**")) << i;
    }
    ControleerProject(o.project);
    if (HasFailure()) {
      ADD_FAILURE() << "mutation " << i;
      return;
    }
    if (!gelezen) ++afgebroken;

    // A current-format file: what was read, written and read again, is written the same.
    const std::vector<std::string> regels = RegelsSplitsen(inhoud);
    if (regels.size() > 1 && !regels[1].empty()) {
      ++legacy;
      continue;
    }
    ++huidig;
    const std::string eerste = ProjectTekst(o.project);
    std::filesystem::remove(NaarPad(terug));
    ASSERT_TRUE(BestandAtomischSchrijven(terug, eerste));
    o.Nieuw();
    ASSERT_TRUE(ProjectLezen(o.ctx, terug)) << i;
    ASSERT_EQ(ProjectTekst(o.project), eerste) << "mutation " << i;
  }
  // The mutations reach every path of the reader.
  EXPECT_GT(huidig, 500);
  EXPECT_GT(legacy, 300);
  EXPECT_GT(afgebroken, 20);
}

}  // namespace
}  // namespace morvask
