#include "language/translation.h"

#include <map>
#include <optional>

#include "base/catalogue.h"
#include "base/context.h"
#include "base/messages.h"
#include "core/files.h"
#include "core/text_utils.h"
#include "core/win1252.h"
#include "language/language_file.h"

namespace morvask {

bool NietVertalen(std::string_view naam) { return BegintMetZonderHoofdletters(naam, "nt"); }

namespace {

// The value of the key without its quotes, or nothing when the key is absent.
std::optional<std::string> Tekst(const Taalbestand& bestand, const std::string& sectie, const std::string& sleutel) {
  auto w = bestand.Waarde(sectie, sleutel);
  if (!w) return std::nullopt;
  return ZonderAanhalingstekens(*w);
}

// Replaces the texts that the file gives and that are not empty.
void NietLegeTeksten(std::vector<std::string>& teksten, const Taalbestand& bestand, const std::string& sectie,
                     const std::string& voorvoegsel) {
  for (std::size_t n = 0; n < teksten.size(); ++n) {
    auto t = Tekst(bestand, sectie, voorvoegsel + "[" + std::to_string(n) + "]");
    if (t && !t->empty()) teksten[n] = std::move(*t);
  }
}

}  // namespace

void VertaalScherm(RScherm& scherm, const Taalbestand& bestand) {
  const std::string& s = scherm.Naam;
  if (auto t = Tekst(bestand, s, s + ".Caption"); t && !t->empty()) scherm.Caption = std::move(*t);
  for (ROnderdeel& o : scherm.Onderdelen) {
    if (NietVertalen(o.Naam)) continue;
    const std::string basis = s + "." + o.Naam;
    if (o.HeeftCaption)
      if (auto t = Tekst(bestand, s, basis + ".Caption"); t && !t->empty()) o.Caption = std::move(*t);
    if (o.HeeftHint)
      if (auto t = Tekst(bestand, s, basis + ".Hint"); t && !t->empty()) o.Hint = std::move(*t);
    switch (o.Soort) {
      case SoortOnderdeel::MeerRegelig:
        for (std::size_t n = 0; n < o.Regels.size(); ++n)
          if (auto t = Tekst(bestand, s, basis + ".Lines[" + std::to_string(n) + "]")) o.Regels[n] = std::move(*t);
        break;
      case SoortOnderdeel::Keuzegroep:
      case SoortOnderdeel::Keuzelijst:
        NietLegeTeksten(o.Regels, bestand, s, basis + ".Items");
        break;
      case SoortOnderdeel::Gewoon:
        break;
    }
  }
}

const std::vector<std::string>& TeVertalenSchermen() {
  static const std::vector<std::string> namen = {
      "HoofdForm",
      "OpstartInfoForm",
      "AantekeningenForm",
      "AfdrukkenForm1",
      "BewerkenDialogForm",
      "DoorrijtijdenMatrixForm",
      "DTMatrixBewerkenForm1",
      "ExportForm",
      "GaugeForm1",
      "GoToForm",
      "ImporterenForm",
      "InstellingenForm1",
      "KentekensbestandControlerenForm",
      "KentekensBewerkenForm1",
      "KentekensInvoerenForm1",
      "KentekensNaarIntervalInstellenForm1",
      "KordonpuntNamenForm",
      "MatchReportForm",
      "MatchTotalForm",
      "OpInternetForm",
      "PrintPreviewForm",
      "ProjectgegevensForm1",
      "RapportOpmaakForm",
      "RekentijdForm",
      "TijdenKentekensWijzigenForm",
      "VehTypesForm",
      "WnpForm",
      "HelpForm",  // the program's own help window
  };
  return namen;
}

OverigeTeksten UitvoerenOverigeVertaalprocedures(std::vector<RScherm>& schermen, const Catalogus& cat,
                                                 const VasteTeksten& vast, std::string_view organisatie) {
  OverigeTeksten t;
  t.OpInternet = cat.Vul("AA00181", {organisatie});
  t.LeesMij = "&" + vast.LeesMijBestand;
  for (RScherm& s : schermen) {
    if (s.Naam == OpInternetSchermNaam) s.Caption = t.OpInternet;
    if (s.Naam != "HoofdForm") continue;
    for (ROnderdeel& o : s.Onderdelen) {
      if (o.Naam == OpInternetMenuNaam) o.Caption = t.OpInternet;
      if (o.Naam == OpInternetKnopNaam) o.Hint = t.OpInternet;
      if (o.Naam == LeesMijMenuNaam) o.Caption = t.LeesMij;
    }
  }
  return t;
}

bool VertaalSchermen(Context& ctx, std::vector<RScherm>& schermen, std::string_view taal,
                     std::string_view organisatie) {
  UitvoerenOverigeVertaalprocedures(schermen, ctx.catalogus, ctx.vast, organisatie);
  if (taal == IngebouwdeTaal) return false;
  const auto bestand = OpenTaalbestand(ctx.mappen.Programma, taal);
  if (!bestand) return false;
  for (const std::string& naam : TeVertalenSchermen())
    for (RScherm& s : schermen)
      if (s.Naam == naam) VertaalScherm(s, *bestand);
  return true;
}

std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> TaalsjabloonSecties(
    const std::vector<RScherm>& schermen) {
  // A text goes between quotes on one line of the file: a line break inside it becomes a space.
  auto tussenAanhalingstekens = [](std::string_view t) {
    std::string uit = "\"";
    for (char c : t) uit += (c == '\r' || c == '\n') ? ' ' : c;
    uit += '"';
    return uit;
  };
  std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> uit;
  for (const RScherm& s : schermen) {
    if (GelijkZonderHoofdletters(s.Naam, DynamischeSectie)) continue;
    std::vector<std::pair<std::string, std::string>> regels;
    if (s.Caption != s.Naam) regels.emplace_back(s.Naam + ".Caption", tussenAanhalingstekens(s.Caption));
    for (const ROnderdeel& o : s.Onderdelen) {
      if (NietVertalen(o.Naam)) continue;
      const std::string basis = s.Naam + "." + o.Naam;
      if (o.HeeftCaption && o.Caption != o.Naam && o.Caption != "-" && !o.Caption.empty())
        regels.emplace_back(basis + ".Caption", tussenAanhalingstekens(o.Caption));
      if (o.HeeftHint && !o.Hint.empty()) regels.emplace_back(basis + ".Hint", tussenAanhalingstekens(o.Hint));
      if (o.Soort == SoortOnderdeel::MeerRegelig) {
        for (std::size_t n = 0; n < o.Regels.size() && o.Regels[n] != o.Naam; ++n)
          regels.emplace_back(basis + ".Lines[" + std::to_string(n) + "]", tussenAanhalingstekens(o.Regels[n]));
      } else if (o.Soort == SoortOnderdeel::Keuzegroep || o.Soort == SoortOnderdeel::Keuzelijst) {
        for (std::size_t n = 0; n < o.Regels.size(); ++n)
          regels.emplace_back(basis + ".Items[" + std::to_string(n) + "]", tussenAanhalingstekens(o.Regels[n]));
      }
    }
    if (!regels.empty()) uit.emplace_back(s.Naam, std::move(regels));
  }
  return uit;
}

namespace {

// A language file as blocks of lines: the lines before the first section, then each section
// header with the lines that follow it. Comments, blank lines and unknown lines are kept.
struct Blok {
  std::string naam;  // lower case; empty for the lines before the first section
  bool kop = false;
  std::vector<std::string> regels;  // the header line first when kop
};

bool IsKop(const std::string& bijgesneden) {
  return bijgesneden.size() >= 2 && bijgesneden.front() == '[' && bijgesneden.back() == ']';
}

// The lower-case key of an entry line, or empty when the line is not an entry.
std::string RegelSleutel(const std::string& regel) {
  const std::string b = Bijsnijden(regel);
  if (b.empty() || b[0] == ';' || IsKop(b)) return {};
  const std::size_t is = b.find('=');
  if (is == std::string::npos) return {};
  return InKleineLetters(Bijsnijden(std::string_view(b).substr(0, is)));
}

std::vector<Blok> Blokken(const std::vector<std::string>& regels) {
  std::vector<Blok> blokken(1);
  for (const std::string& r : regels) {
    const std::string b = Bijsnijden(r);
    if (!b.empty() && b[0] != ';' && IsKop(b)) {
      Blok nieuw;
      nieuw.naam = InKleineLetters(Bijsnijden(std::string_view(b).substr(1, b.size() - 2)));
      nieuw.kop = true;
      blokken.push_back(std::move(nieuw));
    }
    blokken.back().regels.push_back(r);
  }
  return blokken;
}

}  // namespace

bool SchrijfTaalsjabloon(const std::vector<RScherm>& schermen, const std::string& bestandsnaam, Gebruikersinterface& ui,
                         const Catalogus& cat) {
  TaalbestandCodering codering = TaalbestandCodering::Win1252;
  std::vector<std::string> bestaand;
  if (BestandBestaat(bestandsnaam)) {
    if (const auto inhoud = BestandLezen(bestandsnaam))
      bestaand = TaalbestandRegels(TaalbestandNaarWin1252(*inhoud, &codering));
  }
  std::vector<Blok> blokken = Blokken(bestaand);

  for (auto& [sectie, regels] : TaalsjabloonSecties(schermen)) {
    const std::string klein = InKleineLetters(sectie);
    // Where each key of the section stands now (the first occurrence counts, as in reading).
    std::map<std::string, std::pair<std::size_t, std::size_t>> plaats;
    std::size_t eerste = blokken.size();
    for (std::size_t b = 0; b < blokken.size(); ++b) {
      if (!blokken[b].kop || blokken[b].naam != klein) continue;
      if (eerste == blokken.size()) eerste = b;
      for (std::size_t i = 1; i < blokken[b].regels.size(); ++i) {
        const std::string k = RegelSleutel(blokken[b].regels[i]);
        if (!k.empty()) plaats.emplace(k, std::make_pair(b, i));
      }
    }
    if (eerste == blokken.size()) {
      Blok nieuw;
      nieuw.naam = klein;
      nieuw.kop = true;
      nieuw.regels.push_back("[" + sectie + "]");
      Blok& vorige = blokken.back();
      if (!vorige.regels.empty() && !Bijsnijden(vorige.regels.back()).empty()) vorige.regels.emplace_back();
      blokken.push_back(std::move(nieuw));
      eerste = blokken.size() - 1;
    }
    // New keys go after the last entry of the section's first block.
    Blok& doel = blokken[eerste];
    std::size_t invoeg = 1;
    for (std::size_t i = 1; i < doel.regels.size(); ++i)
      if (!Bijsnijden(doel.regels[i]).empty()) invoeg = i + 1;
    for (auto& [sleutel, waarde] : regels) {
      std::string regel = sleutel + "=" + waarde;
      auto it = plaats.find(InKleineLetters(sleutel));
      if (it != plaats.end()) {
        blokken[it->second.first].regels[it->second.second] = std::move(regel);
      } else {
        // Every entry of the block stands before the insertion point, so none of the
        // remembered places moves.
        doel.regels.insert(doel.regels.begin() + static_cast<std::ptrdiff_t>(invoeg), std::move(regel));
        plaats.emplace(InKleineLetters(sleutel), std::make_pair(eerste, invoeg));
        ++invoeg;
      }
    }
  }

  std::vector<std::string> alle;
  for (auto& b : blokken)
    for (auto& r : b.regels) alle.push_back(std::move(r));
  std::string tekst = RegelsSamenvoegen(alle);
  if (codering != TaalbestandCodering::Win1252) tekst = "\xEF\xBB\xBF" + Win1252NaarUtf8(tekst);
  if (!BestandAtomischSchrijven(bestandsnaam, tekst)) {
    ToonFout(ui, cat, cat.Vul("AA00006", {PadVoorWeergave(bestandsnaam)}));
    return false;
  }
  return true;
}

}  // namespace morvask
