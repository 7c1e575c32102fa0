// Deterministic mutations of a language file and a settings file fed to their readers: they
// must neither crash nor hang, and what they read must stay self-consistent.

#include <gtest/gtest.h>

#include <cstdint>

#include "base/catalogue.h"
#include "core/files.h"
#include "core/form_positions.h"
#include "core/settings_file.h"
#include "core/text_utils.h"
#include "language/language_file.h"
#include "language/translation.h"
#include "support/fake_ui.h"
#include "support/temp_folder.h"

namespace morvask {
namespace {

// A small generator with the same sequence on every platform.
class Toeval {
 public:
  explicit Toeval(std::uint64_t zaad) : s_(zaad * 0x9E3779B97F4A7C15ULL + 1) {}
  std::uint64_t Volgende() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 7;
    s_ ^= s_ << 17;
    return s_;
  }
  std::size_t Onder(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(Volgende() % n); }

 private:
  std::uint64_t s_;
};

const char* const Stukken[] = {"\r",
                               "\n",
                               "\r\n",
                               "=",
                               "[",
                               "]",
                               "[**",
                               "**]",
                               "\"",
                               "\"\"",
                               ";",
                               "\\n",
                               "\\",
                               "\xEF\xBB\xBF",
                               "\xFF\xFE",
                               "\xFE\xFF",
                               std::string_view("\0", 1).data(),
                               "%s",
                               "%%",
                               "99999999999",
                               "-1",
                               "0",
                               " ",
                               "\t",
                               "M:",
                               "L:",
                               ";T:",
                               "W:",
                               "H:",
                               "\x97",
                               "\xC3",
                               "[Dynamic]",
                               "[**Form positions**]",
                               "[**General variables**]"};

std::string Muteer(std::string tekst, Toeval& t) {
  const std::size_t aantal = 1 + t.Onder(8);
  for (std::size_t m = 0; m < aantal; ++m) {
    const std::size_t p = t.Onder(tekst.size() + 1);
    switch (t.Onder(6)) {
      case 0:
        if (!tekst.empty()) tekst[t.Onder(tekst.size())] = static_cast<char>(t.Onder(256));
        break;
      case 1: {
        const std::size_t i = t.Onder(std::size(Stukken));
        // The NUL piece is one byte long.
        tekst.insert(p, i == 16 ? std::string(1, '\0') : std::string(Stukken[i]));
        break;
      }
      case 2:
        tekst.erase(p, t.Onder(64));
        break;
      case 3:
        tekst.insert(p, tekst.substr(t.Onder(tekst.size() + 1), t.Onder(200)));
        break;
      case 4:
        tekst.resize(p);
        break;
      default: {
        const std::size_t q = t.Onder(tekst.size() + 1);
        if (p < tekst.size() && q < tekst.size()) std::swap(tekst[p], tekst[q]);
        break;
      }
    }
  }
  switch (t.Onder(10)) {
    case 0:
      return "\xEF\xBB\xBF" + tekst;
    case 1: {
      std::string u = "\xFF\xFE";
      for (char c : tekst) {
        u += c;
        u += static_cast<char>(t.Onder(4) == 0 ? t.Onder(256) : 0);
      }
      return u;
    }
    default:
      return tekst;
  }
}

std::string Taalvoorbeeld() {
  std::string s = "; sample\r\n[Dynamic]\r\n";
  const Catalogus cat;
  for (const auto& k : cat.Sleutels()) s += k + "=\"" + cat[k].substr(0, 40) + "\\n\"\r\n";
  s += "[KentekensInvoerenForm1]\r\n"
       "KentekensInvoerenForm1.Caption=\"Enter\"\r\n"
       "KentekensInvoerenForm1.Button1.Caption=\"&Close\"\r\n"
       "KentekensInvoerenForm1.Button1.Hint=\"Close\"\r\n"
       "KentekensInvoerenForm1.Memo1.Lines[0]=\"one\"\r\n"
       "KentekensInvoerenForm1.Memo1.Lines[1]=\"two\"\r\n"
       "KentekensInvoerenForm1.RadioGroup1.Items[0]=\"a\"\r\n"
       "KentekensInvoerenForm1.PostComboBox.Items[1]=\"b\"\r\n";
  return s;
}

RScherm Voorbeeldscherm() {
  RScherm s;
  s.Naam = "KentekensInvoerenForm1";
  s.Caption = "Invoeren";
  ROnderdeel knop;
  knop.Naam = "Button1";
  knop.HeeftCaption = knop.HeeftHint = true;
  knop.Caption = "&Sluiten";
  ROnderdeel memo;
  memo.Naam = "Memo1";
  memo.Soort = SoortOnderdeel::MeerRegelig;
  memo.Regels = {"x", "y", "z"};
  ROnderdeel groep;
  groep.Naam = "RadioGroup1";
  groep.Soort = SoortOnderdeel::Keuzegroep;
  groep.Regels = {"p", "q"};
  ROnderdeel lijst;
  lijst.Naam = "PostComboBox";
  lijst.Soort = SoortOnderdeel::Keuzelijst;
  lijst.Regels = {"001", "002"};
  s.Onderdelen = {knop, memo, groep, lijst};
  return s;
}

TEST(Fuzz, LanguageFiles) {
  const std::string voorbeeld = Taalvoorbeeld();
  test::TijdelijkeMap map;
  test::NepUi ui;
  const Catalogus standaard;
  Toeval t(20240601);
  for (int n = 0; n < 3000; ++n) {
    const std::string bytes = Muteer(voorbeeld, t);
    const Taalbestand bestand = Taalbestand::Ontleden(bytes);

    // Every entry read can be found again, with its first value.
    for (const auto& sectie : bestand.Secties())
      for (const auto& [k, w] : sectie.regels) {
        const auto gevonden = bestand.Waarde(sectie.naam, k);
        ASSERT_TRUE(gevonden) << n;
        ASSERT_EQ(*gevonden, w) << n;
      }

    // Reading twice gives what reading once gives (on every other file: the catalogue is
    // the costly part).
    if (n % 2 == 0) {
      Catalogus een, twee;
      DynamischeTekstenLezenUitIni(een, bestand);
      DynamischeTekstenLezenUitIni(twee, bestand);
      DynamischeTekstenLezenUitIni(twee, bestand);
      for (const auto& k : standaard.Sleutels()) ASSERT_EQ(een[k], twee[k]) << n << " " << k;
    }

    RScherm s = Voorbeeldscherm();
    VertaalScherm(s, bestand);
    ASSERT_EQ(s.Onderdelen.size(), 4u);
    ASSERT_EQ(s.Onderdelen[1].Regels.size(), 3u);
    ASSERT_EQ(s.Onderdelen[2].Regels.size(), 2u);

    // Now and then the template writer over the mutated file: afterwards the file reads back
    // the written texts, and every other entry as it was.
    if (n % 10 == 0) {
      map.Schrijf("All.lng", bytes);
      const RScherm sjabloon = Voorbeeldscherm();
      ASSERT_TRUE(SchrijfTaalsjabloon({sjabloon}, map / "All.lng", ui, standaard)) << n;
      const auto terug = TaalbestandLezen(map / "All.lng");
      ASSERT_TRUE(terug);
      const auto geschreven = TaalsjabloonSecties({sjabloon});
      for (const auto& [sectie, regels] : geschreven)
        for (const auto& [k, w] : regels) ASSERT_EQ(terug->Waarde(sectie, k), w) << n << " " << k;
      for (const auto& sectie : bestand.Secties())
        for (const auto& [k, w] : sectie.regels) {
          bool sjabloonSleutel = false;
          for (const auto& [sn, regels] : geschreven)
            for (const auto& [sk, sw] : regels)
              if (InKleineLetters(sn) == InKleineLetters(sectie.naam) && InKleineLetters(sk) == InKleineLetters(k))
                sjabloonSleutel = true;
          if (!sjabloonSleutel) {
            ASSERT_EQ(terug->Waarde(sectie.naam, k), w) << n << " " << k;
          }
        }
    }
  }
  EXPECT_TRUE(ui.berichten.empty());
}

TEST(Fuzz, SettingsFiles) {
  RProgrammaInstellingen basis = StandaardInstellingen("/tmp/");
  basis.FormPosities = {"HoofdForm=M:0;L:196;T:115;W:725;H:520", "WnpForm=M:1;L:10;T:10;W:300;H:200",
                        "GoToForm=M:0;L:-5;T:40;W:200;H:100"};
  const std::string voorbeeld = RegelsSamenvoegen(InstellingenRegels(basis));
  const Catalogus cat;
  const RRechthoek bureaublad{0, 0, 1920, 1080};
  Toeval t(7);
  for (int n = 0; n < 3000; ++n) {
    const std::string bytes = Muteer(voorbeeld, t);
    test::NepUi ui;
    RProgrammaInstellingen s = StandaardInstellingen("/tmp/");
    const bool heel = InstellingenOntleden(s, bytes, ui, cat);
    ASSERT_EQ(ui.berichten.size(), heel ? 0u : 1u) << n;
    ASSERT_GE(s.IntensiteitenInterval, 1) << n;
    ASSERT_LE(s.IntensiteitenInterval, 30000) << n;
    ASSERT_GE(s.MatchOpschoonWaarde, 0) << n;
    ASSERT_LE(s.EenHorzTeken.size(), 1u) << n;
    for (const auto& p : s.FormPosities) ASSERT_NE(p.rfind("[**", 0), 0u) << n;
    const auto regels = InstellingenRegels(s);
    ASSERT_EQ(regels[2], "[**General variables**]");

    // Every remembered window once: each call uses up at most one entry.
    for (const char* naam : {"HoofdForm", "WnpForm", "GoToForm", ""}) {
      RVenster v{naam, 1, 1, 10, 10, false, true};
      const std::size_t voor = s.FormPosities.size();
      const bool toegepast = FormPositieHerstellen(s.FormPosities, v, bureaublad);
      ASSERT_LE(voor - s.FormPosities.size(), 1u) << n;
      if (toegepast) {
        ASSERT_GT(v.Breedte, 0);
        ASSERT_GT(v.Hoogte, 0);
      }
    }
  }
}

}  // namespace
}  // namespace morvask
