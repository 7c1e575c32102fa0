// Reading the project file: the current format with its key lines and its sections in any
// order, and the legacy format with plain section headers. The file is read once and split
// into lines (views into its text, no copies); the sections are found by their index.

#include <array>
#include <new>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/messages.h"
#include "core/files.h"
#include "core/project_file.h"
#include "core/text_utils.h"
#include "core/travel_time_table.h"

namespace morvask {

namespace {

constexpr std::string_view KopAlgemeen = "[**General variables**]";
constexpr std::string_view KopPosten = "[**Observation posts**]";
constexpr std::string_view KopDoorrijtijden = "[**Travel times**]";
constexpr std::string_view KopKentekens = "[**License numbers**]";
constexpr std::string_view KopAantekeningen = "[**Notes**]";

constexpr std::array<std::string_view, 5> Sectiekoppen = {KopAlgemeen, KopPosten, KopDoorrijtijden, KopKentekens,
                                                          KopAantekeningen};

constexpr std::array<std::string_view, 5> OudeSectiekoppen = {
    "[Projectgegevens]", "[Waarnemingsposten]", "[Doorrijtijden]", "[Kentekens]", "[Opmerkingen van gebruiker]"};

bool BegintMetKop(std::string_view regel) { return regel.substr(0, 3) == "[**"; }

bool IsSectiekop(std::string_view regel) {
  for (std::string_view kop : Sectiekoppen)
    if (IsKop(regel, kop)) return true;
  return false;
}

void PostUitRegel(Project& p, std::string_view regel) { p.PostToevoegen(Deel(regel, 1, 6), Deel(regel, 8, 100)); }

// A registration line of the current format (and of the legacy formats with a type column):
// post and type in lower case.
void RegistratieUitRegel(Project& p, std::string_view regel) {
  p.RegistratieToevoegen(InKleineLetters(Deel(regel, 1, 6)), Deel(regel, 8, 4), InKleineLetters(Deel(regel, 13, 1)),
                         Deel(regel, 15, 6));
}

// A legacy registration line without a type column: every vehicle is of type "a".
void RegistratieZonderTypeUitRegel(Project& p, std::string_view regel) {
  p.RegistratieToevoegen(InKleineLetters(Deel(regel, 1, 6)), Deel(regel, 8, 4), "a", Deel(regel, 13, 6));
}

// The key lines of the general variables. False (after the general error message) at a
// number that is not one; the values read before it stay.
bool AlgemeneVariabelenLezen(Context& ctx, const std::vector<std::string_view>& regels, int& versie) {
  RProjectgegevens& g = ctx.project.Gegevens;
  std::size_t i = 2;
  while (i < regels.size() && !IsKop(regels[i], KopAlgemeen)) ++i;
  for (++i; i < regels.size(); ++i) {
    const std::string_view regel = regels[i];
    if (BegintMetKop(regel)) break;
    const std::size_t is = regel.find('=');
    if (is == std::string_view::npos) continue;
    const std::string sleutel = InKleineLetters(regel.substr(0, is + 1));
    const std::string_view waarde = regel.substr(is + 1);
    auto getal = [&](int& doel) {
      if (ProbeerGetal(waarde, doel)) return true;
      ToonFout(ctx.ui, ctx.catalogus, AlgemeneFoutGeenGetal(waarde));
      return false;
    };
    if (sleutel == "fileversion=") {
      if (!getal(versie)) return false;
    } else if (sleutel == "projectdescription=") {
      g.Projectomschrijving = waarde;
    } else if (sleutel == "reporttext1=") {
      g.ProjectRapporttekst1 = waarde;
    } else if (sleutel == "reporttext2=") {
      g.ProjectRapporttekst2 = waarde;
    } else if (sleutel == "observationinterval=") {
      if (!getal(g.Waarnemingsinterval)) return false;
    } else if (sleutel == "shownotesdialog=") {
      g.AantekeningenschermTonen = waarde == "1";
    } else if (sleutel == "wildcardcharacter=") {
      g.WildcardKarakter = Deel(waarde, 1, 1);
    } else if (sleutel == "missedlicensecharacter=") {
      g.GemistKentekenKarakter = Deel(waarde, 1, 1);
    } else if (sleutel.size() == 9 && sleutel.starts_with("vehtype") && sleutel[8] == '=') {
      if (std::string* naam = g.VoertuigtypeNaam(sleutel[7])) *naam = waarde;
    }
  }
  return true;
}

// The index of the first line that equals the header, or the number of lines.
std::size_t KopZoeken(const std::vector<std::string_view>& regels, std::string_view kop) {
  for (std::size_t i = 0; i < regels.size(); ++i)
    if (IsKop(regels[i], kop)) return i;
  return regels.size();
}

// The content lines [begin, eind) of the section whose header stands at kop: the lines up to
// the one that ends the section, never the file's last line (the writer's closing empty
// line). Empty when the header is missing.
struct Bereik {
  std::size_t begin = 0, eind = 0;
};

template <typename Einde>
Bereik SectieBereik(const std::vector<std::string_view>& regels, std::size_t kop, Einde isEinde) {
  Bereik b;
  if (kop >= regels.size()) return b;
  const std::size_t laatste = regels.size() - 1;
  b.begin = b.eind = kop + 1;
  while (b.eind < laatste && !isEinde(regels[b.eind])) ++b.eind;
  return b;
}

// The content of a section of posts, travel times or registrations.
Bereik Sectie(const std::vector<std::string_view>& regels, std::string_view kop) {
  return SectieBereik(regels, KopZoeken(regels, kop), BegintMetKop);
}

// The lines of such a section, without empty lines.
template <typename Doe>
void SectieLezen(const std::vector<std::string_view>& regels, const Bereik& b, Doe doe) {
  for (std::size_t i = b.begin; i < b.eind; ++i)
    if (!regels[i].empty()) doe(regels[i]);
}

// The notes end only at a section header, so a note may begin with "[**". When a header
// ends them (the notes are not the last section), their closing empty line belongs to the
// layout, not to the notes.
Bereik AantekeningenLezen(Project& p, const std::vector<std::string_view>& regels) {
  const Bereik sectie = SectieBereik(regels, KopZoeken(regels, KopAantekeningen), IsSectiekop);
  Bereik b = sectie;
  if (b.eind + 1 < regels.size() && b.eind > b.begin && regels[b.eind - 1].empty()) --b.eind;
  for (std::size_t i = b.begin; i < b.eind; ++i) p.Aantekeningen.emplace_back(regels[i]);
  return sectie;
}

// The first line that begins with "[**" outside the notes and is no header this reader takes,
// or a header that stands a second time (only its first section is read): what belongs to it
// would be lost when the project is written back.
void OnherkendeKopZoeken(Project& p, const std::vector<std::string_view>& regels, const Bereik& aantekeningen,
                         std::span<const std::string_view> koppen) {
  std::vector<bool> gezien(koppen.size(), false);
  for (std::size_t i = 0; i < regels.size(); ++i) {
    if (i >= aantekeningen.begin && i < aantekeningen.eind) continue;
    const std::string_view regel = regels[i];
    if (regel.empty() || regel[0] != '[') continue;  // every header begins so
    bool herkend = false;
    for (std::size_t k = 0; k < koppen.size(); ++k)
      if (IsKop(regel, koppen[k])) {
        herkend = !gezien[k];
        gezien[k] = true;
      }
    if (!herkend && (BegintMetKop(regel) || IsSectiekop(regel))) {
      p.OnherkendeKop = {i + 1, std::string(regel)};
      return;
    }
  }
}

// True when the file holds a header of either format; a file without one is no project.
bool HeeftSectiekop(const std::vector<std::string_view>& regels) {
  for (std::string_view regel : regels) {
    if (IsSectiekop(regel)) return true;
    for (std::string_view kop : OudeSectiekoppen)
      if (IsKop(regel, kop)) return true;
  }
  return false;
}

// A project with more posts than there are post codes is refused before any table is built
// (the travel-time table has a line for every pair).
bool PostenTeTellen(Context& ctx, std::size_t aantal, const std::string& bestandsnaam) {
  if (aantal <= MaximumAantalPosten) return true;
  ToonFout(ctx.ui, ctx.catalogus,
           ctx.catalogus.Vul("AB00005", {PadVoorWeergave(bestandsnaam), std::to_string(aantal),
                                         std::to_string(MaximumAantalPosten)}));
  return false;
}

bool HuidigFormaatLezen(Context& ctx, const std::vector<std::string_view>& regels, const std::string& bestandsnaam) {
  Project& p = ctx.project;
  BezigeCursor bezig(ctx.ui);
  p.Projectbestandsnaam = ZonderExtensie(bestandsnaam);

  int versie = 0;
  if (!AlgemeneVariabelenLezen(ctx, regels, versie)) return false;
  if (BestandsversieGetal < versie)
    ToonWaarschuwing(ctx.ui, ctx.catalogus, ctx.catalogus.Vul("AA00178", {Programmanaam, Programmanaam}));

  const Bereik posten = Sectie(regels, KopPosten);
  std::size_t aantalPosten = 0;
  SectieLezen(regels, posten, [&](std::string_view) { ++aantalPosten; });
  if (!PostenTeTellen(ctx, aantalPosten, bestandsnaam)) return false;
  SectieLezen(regels, posten, [&](std::string_view r) { PostUitRegel(p, r); });
  const Bereik doorrijtijden = Sectie(regels, KopDoorrijtijden);
  p.Doorrijtijdentabel.reserve(p.Doorrijtijdentabel.size() + (doorrijtijden.eind - doorrijtijden.begin));
  SectieLezen(regels, doorrijtijden, [&](std::string_view r) { p.Doorrijtijdentabel.emplace_back(r); });
  // The registrations are most of the file: their list is allocated once.
  const Bereik kentekens = Sectie(regels, KopKentekens);
  p.Registratielijst.reserve(p.Registratielijst.size() + (kentekens.eind - kentekens.begin));
  SectieLezen(regels, kentekens, [&](std::string_view r) { RegistratieUitRegel(p, r); });
  OnherkendeKopZoeken(p, regels, AantekeningenLezen(p, regels), Sectiekoppen);

  bezig.Klaar();
  DoorrijtijdentabelBijwerken(p);
  if (p.Gegevens.AantekeningenschermTonen) ctx.ui.AantekeningenschermTonen();
  return true;
}

// The legacy format is read front to back: each section is searched for from where the
// previous one ended. The line that ends a section is left for the next search, so a
// section followed directly by the next header is not lost; a missing header leaves the
// place where the search began.
bool OudFormaatLezen(Context& ctx, const std::vector<std::string_view>& regels, const std::string& bestandsnaam) {
  Project& p = ctx.project;
  BezigeCursor bezig(ctx.ui);
  const std::size_t n = regels.size();
  const bool zonderTypen = n > 1 && regels[1] == VersieZonderVoertuigtypen;
  std::size_t i = n < 2 ? n : 2;
  auto zoek = [&](std::string_view kop) {
    for (std::size_t j = i; j < n; ++j)
      if (IsKop(regels[j], kop)) {
        i = j + 1;
        return true;
      }
    return false;
  };
  auto lees = [&](std::string_view volgendeKop, auto doe) {
    for (; i < n && !regels[i].empty() && !IsKop(regels[i], volgendeKop); ++i) doe(regels[i]);
  };

  p.Projectbestandsnaam = ZonderExtensie(bestandsnaam);
  if (zoek("[Projectgegevens]") && i < n) p.Gegevens.Projectomschrijving = regels[i++];
  if (zoek("[Waarnemingsposten]")) {
    std::size_t aantal = 0;
    for (std::size_t j = i; j < n && !regels[j].empty() && !IsKop(regels[j], "[Doorrijtijden]"); ++j) ++aantal;
    if (!PostenTeTellen(ctx, aantal, bestandsnaam)) return false;
    lees("[Doorrijtijden]", [&](std::string_view r) { PostUitRegel(p, r); });
  }
  if (zoek("[Doorrijtijden]")) lees("[Kentekens]", [&](std::string_view r) { p.Doorrijtijdentabel.emplace_back(r); });
  if (zoek("[Kentekens]"))
    lees("[Opmerkingen van gebruiker]", [&](std::string_view r) {
      if (zonderTypen)
        RegistratieZonderTypeUitRegel(p, r);
      else
        RegistratieUitRegel(p, r);
    });
  Bereik aantekeningen{n, n};
  if (zoek("[Opmerkingen van gebruiker]")) {
    aantekeningen = {i, n};
    for (; i < n; ++i) p.Aantekeningen.emplace_back(regels[i]);
  }
  // The legacy format knows no "[**" headers: a file that holds them (a current file whose
  // second line is not empty) is not written back without the user's word.
  OnherkendeKopZoeken(p, regels, aantekeningen, {});

  bezig.Klaar();
  DoorrijtijdentabelBijwerken(p);
  return true;
}

// The file's text and its lines as views into it, or nothing after the warning that it cannot
// be opened.
struct Bestandsregels {
  std::string inhoud;
  std::vector<std::string_view> regels;
};

bool RegelsLezen(Context& ctx, const std::string& bestandsnaam, Bestandsregels& bestand) {
  const std::string naam = ZonderExtensie(bestandsnaam) + Projectextensie;
  std::optional<std::string> inhoud = BestandLezen(naam);
  if (!inhoud) {
    ToonWaarschuwing(ctx.ui, ctx.catalogus, ctx.catalogus.Vul("AA00035", {PadVoorWeergave(naam)}));
    return false;
  }
  bestand.inhoud = std::move(*inhoud);
  bestand.regels = RegelsDelen(bestand.inhoud);
  if (!HeeftSectiekop(bestand.regels)) {
    ToonFout(ctx.ui, ctx.catalogus, ctx.catalogus.Vul("AB00001", {PadVoorWeergave(naam), Programmanaam}));
    return false;
  }
  return true;
}

// Reads the file with the reader; a failure on the way (memory exhausted by a hostile file)
// becomes the program's error message and a false result, never an abort.
template <typename Lezer>
bool Veilig(Context& ctx, const std::string& bestandsnaam, Lezer lezer) {
  const std::string naam = PadVoorWeergave(ZonderExtensie(bestandsnaam) + Projectextensie);
  try {
    return lezer();
  } catch (const std::bad_alloc&) {
    ToonFout(ctx.ui, ctx.catalogus, ctx.catalogus.Vul("AB00008", {naam}));
  } catch (const std::length_error&) {
    ToonFout(ctx.ui, ctx.catalogus, ctx.catalogus.Vul("AB00008", {naam}));
  }
  return false;
}

}  // namespace

bool ProjectLezen(Context& ctx, const std::string& bestandsnaam) {
  return Veilig(ctx, bestandsnaam, [&] {
    Bestandsregels bestand;
    if (!RegelsLezen(ctx, bestandsnaam, bestand)) return false;
    const std::vector<std::string_view>& regels = bestand.regels;
    // Line 1 is not looked at; a second line that is not empty marks the legacy format.
    if (regels.size() > 1 && !regels[1].empty()) return OudFormaatLezen(ctx, regels, bestandsnaam);
    return HuidigFormaatLezen(ctx, regels, bestandsnaam);
  });
}

bool OudProjectLezen(Context& ctx, const std::string& bestandsnaam) {
  return Veilig(ctx, bestandsnaam, [&] {
    Bestandsregels bestand;
    if (!RegelsLezen(ctx, bestandsnaam, bestand)) return false;
    return OudFormaatLezen(ctx, bestand.regels, bestandsnaam);
  });
}

}  // namespace morvask
