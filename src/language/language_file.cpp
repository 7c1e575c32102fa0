#include "language/language_file.h"

#include "base/catalogue.h"
#include "base/context.h"
#include "core/files.h"
#include "core/settings.h"
#include "core/text_utils.h"
#include "core/win1252.h"

namespace morvask {

namespace {

// Splits at CR LF, LF and a lone CR alike: a line break of any system ends a line.
std::vector<std::string_view> Regels(std::string_view tekst) {
  std::vector<std::string_view> uit;
  std::size_t begin = 0;
  for (std::size_t i = 0; i < tekst.size(); ++i) {
    const char c = tekst[i];
    if (c != '\r' && c != '\n') continue;
    uit.push_back(tekst.substr(begin, i - begin));
    if (c == '\r' && i + 1 < tekst.size() && tekst[i + 1] == '\n') ++i;
    begin = i + 1;
  }
  if (begin < tekst.size()) uit.push_back(tekst.substr(begin));
  return uit;
}

bool BegintMet(std::string_view tekst, std::string_view begin) {
  return tekst.size() >= begin.size() && tekst.substr(0, begin.size()) == begin;
}

}  // namespace

std::vector<std::string> TaalbestandRegels(std::string_view tekst) {
  std::vector<std::string> uit;
  for (std::string_view r : Regels(tekst)) uit.emplace_back(r);
  return uit;
}

std::string TaalbestandNaarWin1252(std::string_view bytes, TaalbestandCodering* codering) {
  TaalbestandCodering c = TaalbestandCodering::Win1252;
  std::string uit;
  if (BegintMet(bytes, "\xEF\xBB\xBF")) {
    c = TaalbestandCodering::Utf8;
    uit = Utf8NaarWin1252(bytes.substr(3));
  } else if (BegintMet(bytes, "\xFF\xFE")) {
    c = TaalbestandCodering::Utf16LE;
    uit = Utf16NaarWin1252(bytes.substr(2), false);
  } else if (BegintMet(bytes, "\xFE\xFF")) {
    c = TaalbestandCodering::Utf16BE;
    uit = Utf16NaarWin1252(bytes.substr(2), true);
  } else {
    uit.assign(bytes);
  }
  if (codering) *codering = c;
  return uit;
}

std::string ZonderAanhalingstekens(std::string_view waarde) {
  if (waarde.size() < 2) return {};
  return std::string(waarde.substr(1, waarde.size() - 2));
}

Taalbestand Taalbestand::Ontleden(std::string_view bytes) {
  Taalbestand t;
  const std::string tekst = TaalbestandNaarWin1252(bytes, &t.codering_);
  std::size_t huidig = 0;
  bool inSectie = false;
  for (std::string_view ruw : Regels(tekst)) {
    const std::string regel = Bijsnijden(ruw);
    if (regel.empty() || regel[0] == ';') continue;
    if (regel.size() >= 2 && regel.front() == '[' && regel.back() == ']') {
      const std::string naam = Bijsnijden(std::string_view(regel).substr(1, regel.size() - 2));
      // A section that appears twice is one section: its later entries join the first.
      const std::string klein = InKleineLetters(naam);
      auto it = t.sectieIndex_.find(klein);
      if (it == t.sectieIndex_.end()) {
        it = t.sectieIndex_.emplace(klein, t.secties_.size()).first;
        t.secties_.push_back({naam, {}});
        t.sleutelIndex_.emplace_back();
      }
      huidig = it->second;
      inSectie = true;
      continue;
    }
    if (!inSectie) continue;
    const std::size_t is = regel.find('=');
    if (is == std::string::npos) continue;
    std::string sleutel = Bijsnijden(std::string_view(regel).substr(0, is));
    Sectie& s = t.secties_[huidig];
    // The first occurrence of a key counts.
    if (!t.sleutelIndex_[huidig].emplace(InKleineLetters(sleutel), s.regels.size()).second) continue;
    s.regels.emplace_back(std::move(sleutel), Bijsnijden(std::string_view(regel).substr(is + 1)));
  }
  return t;
}

std::optional<std::size_t> Taalbestand::Zoek(std::string_view sectie) const {
  auto it = sectieIndex_.find(InKleineLetters(sectie));
  if (it == sectieIndex_.end()) return std::nullopt;
  return it->second;
}

std::optional<std::string> Taalbestand::Waarde(std::string_view sectie, std::string_view sleutel) const {
  const auto s = Zoek(sectie);
  if (!s) return std::nullopt;
  const auto& index = sleutelIndex_[*s];
  auto it = index.find(InKleineLetters(sleutel));
  if (it == index.end()) return std::nullopt;
  return secties_[*s].regels[it->second].second;
}

std::string Taalbestand::LeesTekst(std::string_view sectie, std::string_view sleutel,
                                   std::string_view standaard) const {
  auto w = Waarde(sectie, sleutel);
  return w ? *w : std::string(standaard);
}

bool Taalbestand::HeeftSectie(std::string_view sectie) const { return Zoek(sectie).has_value(); }

std::string TaalMap(const std::string& programmaMap) { return programmaMap + "Lng/"; }
std::string HelpMap(const std::string& programmaMap) { return programmaMap + "Hlp/"; }

std::optional<Taalbestand> TaalbestandLezen(const std::string& bestandsnaam) {
  if (!BestandBestaat(bestandsnaam)) return std::nullopt;
  const auto inhoud = BestandLezen(bestandsnaam);
  if (!inhoud) return std::nullopt;
  return Taalbestand::Ontleden(*inhoud);
}

std::optional<Taalbestand> OpenTaalbestand(const std::string& programmaMap, std::string_view taal) {
  return TaalbestandLezen(TaalMap(programmaMap) + std::string(taal) + TaalbestandExtensie);
}

std::string RegeleindenInvullen(std::string_view tekst) {
  std::string uit;
  uit.reserve(tekst.size());
  for (std::size_t i = 0; i < tekst.size(); ++i) {
    if (tekst[i] == '\\' && i + 1 < tekst.size() && tekst[i + 1] == 'n') {
      uit += "\r\n";
      ++i;
    } else {
      uit += tekst[i];
    }
  }
  return uit;
}

void DynamischeTekstenLezenUitIni(Catalogus& catalogus, const Taalbestand& bestand) {
  for (const std::string& sleutel : catalogus.Sleutels()) {
    const std::string waarde = bestand.LeesTekst(DynamischeSectie, sleutel, "\"" + catalogus[sleutel] + "\"");
    catalogus.Zet(sleutel, RegeleindenInvullen(ZonderAanhalingstekens(waarde)));
  }
}

bool StelTaalInScreentext(Context& ctx, std::string_view taal) {
  std::string& huidig = ctx.instellingen.Taal;
  if (huidig != IngebouwdeTaal && taal == IngebouwdeTaal) huidig = IngebouwdeTaal;
  const auto bestand = OpenTaalbestand(ctx.mappen.Programma, taal);
  if (!bestand) return false;
  huidig = std::string(taal);
  DynamischeTekstenLezenUitIni(ctx.catalogus, *bestand);
  return true;
}

std::string StelTaalInHelp(Context& ctx, std::string_view taal) {
  // The name is copied first: the caller may pass the settings' own help language.
  std::string naam(taal);
  ctx.instellingen.HelpTaal = naam;
  return HelpMap(ctx.mappen.Programma) + naam + HelpbestandExtensie;
}

}  // namespace morvask
