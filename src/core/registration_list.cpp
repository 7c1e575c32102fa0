#include "core/registration_list.h"

#include <algorithm>
#include <array>

#include "core/text_utils.h"
#include "core/times.h"

namespace morvask {

namespace {

// Positions 5-6 of a post code: its type ("ki", "ku", "t1", "t2").
std::string_view Posttype(std::string_view postcode) { return Deel(postcode, 5, 2); }

std::string ZonderSpaties(std::string_view tekst) {
  std::string uit;
  uit.reserve(tekst.size());
  for (char c : tekst)
    if (c != ' ') uit += c;
  return uit;
}

}  // namespace

// ---- Counts -------------------------------------------------------------------------------

int AantalRegistraties(const Project& project) { return static_cast<int>(project.Registratielijst.size()); }

int AantalRegistraties(const Project& project, std::string_view voertuigtype) {
  const auto& lijst = project.Registratielijst;
  return static_cast<int>(
      std::count_if(lijst.begin(), lijst.end(), [&](const RRegistratie& r) { return r.Voertuigtype == voertuigtype; }));
}

int AantalRegistratiesVanPost(const Project& project, std::string_view postcode) {
  const auto& lijst = project.Registratielijst;
  return static_cast<int>(
      std::count_if(lijst.begin(), lijst.end(), [&](const RRegistratie& r) { return r.Post == postcode; }));
}

int AantalPosten(const Project& project, Postsoort soort) {
  const auto& posten = project.Postlijst;
  const auto tel = [&](auto&& past) { return static_cast<int>(std::count_if(posten.begin(), posten.end(), past)); };
  const auto vanType = [&](std::string_view type) {
    return tel([&](const RWaarnemingspost& p) { return Posttype(p.Postcode) == type; });
  };
  switch (soort) {
    case Postsoort::Alle:
      return static_cast<int>(posten.size());
    case Postsoort::Ingaand:
      return vanType("ki");
    case Postsoort::Uitgaand:
      return vanType("ku");
    case Postsoort::Tussen:
      return vanType("t1") + vanType("t2");
    case Postsoort::IngaandMaalUitgaand:
      return vanType("ki") * vanType("ku");
  }
  return 0;
}

int VroegsteTijd(const Project& project) {
  std::optional<int> kleinste;
  for (const RRegistratie& r : project.Registratielijst) {
    int w = 0;
    if (ProbeerGetal(r.Tijd, w) && (!kleinste || w < *kleinste)) kleinste = w;
  }
  return kleinste.value_or(0);
}

int LaatsteTijd(const Project& project) {
  std::optional<int> grootste;
  for (const RRegistratie& r : project.Registratielijst) {
    int w = 0;
    if (ProbeerGetal(r.Tijd, w) && (!grootste || w > *grootste)) grootste = w;
  }
  return grootste.value_or(0);
}

// ---- Travel-time table ----------------------------------------------------------------------

namespace {

bool IsRegelVan(std::string_view regel, std::string_view van) { return HerkomstVanRegel(regel) == van; }

std::optional<int> MinimumVan(std::string_view regel) {
  const std::string veld = Bijsnijden(Deel(regel, 20, 4));
  if (veld.empty()) return 0;
  int w = 0;
  if (!ProbeerGetal(veld, w)) return std::nullopt;
  return w;
}

}  // namespace

std::string_view HerkomstVanRegel(std::string_view regel) { return Deel(regel, 1, 6); }
std::string_view BestemmingVanRegel(std::string_view regel) { return Deel(regel, 8, 6); }

std::optional<int> MaximumVanRegel(std::string_view regel) {
  int w = 0;
  if (!ProbeerGetal(Bijsnijden(Deel(regel, 15, 4)), w)) return std::nullopt;
  return w;
}

std::optional<RDoorrijtijden> DoorrijtijdenVanRegel(std::string_view regel) {
  const auto maximum = MaximumVanRegel(regel);
  const auto minimum = MinimumVan(regel);
  if (!maximum || !minimum) return std::nullopt;
  return RDoorrijtijden{*maximum, *minimum};
}

std::optional<int> GrootsteMaximaleDoorrijtijd(const Project& project, std::string_view van) {
  const bool alle = van == "*";
  std::optional<int> grootste;
  for (const std::string& regel : project.Doorrijtijdentabel) {
    if (!alle && !IsRegelVan(regel, van)) continue;
    const auto maximum = MaximumVanRegel(regel);
    if (!maximum) return std::nullopt;
    if (!grootste || *maximum > *grootste) grootste = *maximum;
  }
  return grootste.value_or(0);
}

std::optional<std::string> SomDoorrijtijden(const Project& project) {
  std::int64_t som = 0;  // a large table of four-digit numbers can pass the 32-bit range
  for (const std::string& regel : project.Doorrijtijdentabel) {
    const auto tijden = DoorrijtijdenVanRegel(regel);
    if (!tijden) return std::nullopt;
    som += std::int64_t{tijden->Maximum} + tijden->Minimum;
  }
  return std::to_string(som);
}

// ---- Sorting --------------------------------------------------------------------------------

namespace {

enum class Volgorde { KTP, PTK, TPK, TPtPnrKV, TPt2PnrKV, VPT };

std::optional<Volgorde> VolgordeVanCode(std::string_view code) {
  if (code == "KTP") return Volgorde::KTP;
  if (code == "PTK") return Volgorde::PTK;
  if (code == "TPK") return Volgorde::TPK;
  if (code == "TPtPnrKV") return Volgorde::TPtPnrKV;
  if (code == "TPt2PnrKV") return Volgorde::TPt2PnrKV;
  if (code == "VPT") return Volgorde::VPT;
  return std::nullopt;
}

// The longest key line ("KTP", 23 characters).
constexpr std::size_t SleutelBreedte = 23;
using Sleuteltekens = std::array<char, SleutelBreedte>;

// Writes key lines field by field, every field padded with spaces to its width.
class SleutelSchrijver {
 public:
  explicit SleutelSchrijver(Sleuteltekens& uit) : uit_(uit) { uit_.fill(' '); }

  SleutelSchrijver& Veld(std::string_view waarde, std::size_t breedte) {
    waarde = waarde.substr(0, breedte);
    std::copy(waarde.begin(), waarde.end(), uit_.begin() + pos_);
    pos_ += breedte;
    return *this;
  }
  SleutelSchrijver& Spatie() {
    ++pos_;
    return *this;
  }
  std::size_t Lengte() const { return pos_; }

 private:
  Sleuteltekens& uit_;
  std::size_t pos_ = 0;
};

// The route order of a post type at equal times: inbound cordon, intermediate direction 1,
// intermediate direction 2, outbound cordon; anything else after them.
char RoutevolgordeCijfer(char zesdeTeken) {
  switch (zesdeTeken) {
    case 'i':
      return '1';
    case '1':
      return '2';
    case '2':
      return '3';
    case 'u':
      return '4';
    default:
      return '5';
  }
}

std::size_t SleutelSchrijven(const RRegistratie& r, Volgorde volgorde, Sleuteltekens& uit) {
  // The post padded to its width first, so its number (1-3) and type (4-6, 5-6) parts are
  // always the same columns of the code.
  std::array<char, 6> post;
  post.fill(' ');
  std::copy(r.Post.view().begin(), r.Post.view().end(), post.begin());
  const std::string_view p(post.data(), post.size());

  SleutelSchrijver s(uit);
  const std::string_view nummer = p.substr(0, 3);
  const std::string_view type = p.substr(3, 3);  // "-ki", "-ku", "-t1", "-t2"
  switch (volgorde) {
    case Volgorde::KTP:
      s.Veld(r.Kenteken, 6).Spatie().Veld(r.Tijd, 4).Spatie().Veld(p.substr(4, 2), 2).Spatie();
      s.Veld(p, 6).Spatie().Veld(r.Voertuigtype, 1);
      break;
    case Volgorde::PTK:
      s.Veld(p, 6).Spatie().Veld(r.Tijd, 4).Spatie().Veld(r.Kenteken, 6).Spatie().Veld(r.Voertuigtype, 1);
      break;
    case Volgorde::TPK:
      s.Veld(r.Tijd, 4).Spatie().Veld(p, 6).Spatie().Veld(r.Kenteken, 6).Spatie().Veld(r.Voertuigtype, 1);
      break;
    case Volgorde::TPtPnrKV:
      s.Veld(r.Tijd, 4).Spatie().Veld(type, 3).Spatie().Veld(nummer, 3).Spatie();
      s.Veld(r.Kenteken, 6).Spatie().Veld(r.Voertuigtype, 1);
      break;
    case Volgorde::TPt2PnrKV: {
      const char cijfer = RoutevolgordeCijfer(p[5]);
      s.Veld(r.Tijd, 4).Spatie().Veld({&cijfer, 1}, 1).Veld(type, 3).Spatie().Veld(nummer, 3).Spatie();
      s.Veld(r.Kenteken, 6).Spatie().Veld(r.Voertuigtype, 1);
      break;
    }
    case Volgorde::VPT:
      s.Veld(r.Voertuigtype, 1).Spatie().Veld(p, 6).Spatie().Veld(r.Tijd, 4).Spatie().Veld(r.Kenteken, 6);
      break;
  }
  return s.Lengte();
}

// A key line in capitals (the comparison ignores the case of a-z) as three 64-bit words, its
// bytes most significant first: comparing the words in turn is comparing the bytes as
// unsigned values, as memcmp does, in a few instructions.
struct Sorteerelement {
  std::array<std::uint64_t, 3> woorden;
  std::uint32_t index;
};
static_assert(SleutelBreedte <= 3 * 8);

void WoordenVullen(const Sleuteltekens& tekens, std::array<std::uint64_t, 3>& woorden) {
  woorden.fill(0);
  for (std::size_t i = 0; i < SleutelBreedte; ++i) {
    auto byte = static_cast<unsigned char>(tekens[i]);
    if (byte >= 'a' && byte <= 'z') byte = static_cast<unsigned char>(byte - ('a' - 'A'));  // as GroteLetter
    woorden[i / 8] |= std::uint64_t{byte} << (8 * (7 - i % 8));
  }
}

}  // namespace

std::optional<std::string> Sorteersleutel(const RRegistratie& registratie, std::string_view volgorde) {
  const auto v = VolgordeVanCode(volgorde);
  if (!v) return std::nullopt;
  Sleuteltekens tekens;
  const std::size_t lengte = SleutelSchrijven(registratie, *v, tekens);
  return std::string(tekens.data(), lengte);
}

bool RegistratiesSorteren(Project& project, std::string_view volgorde) {
  const auto v = VolgordeVanCode(volgorde);
  if (!v) return false;
  auto& lijst = project.Registratielijst;
  if (lijst.empty()) return true;

  std::vector<Sorteerelement> elementen(lijst.size());
  Sleuteltekens tekens;
  for (std::size_t i = 0; i < lijst.size(); ++i) {
    Sorteerelement& e = elementen[i];
    SleutelSchrijven(lijst[i], *v, tekens);
    WoordenVullen(tekens, e.woorden);
    e.index = static_cast<std::uint32_t>(i);
  }
  // Equal keys keep their list order (the index decides), so the order is the same on every
  // platform.
  std::sort(elementen.begin(), elementen.end(), [](const Sorteerelement& a, const Sorteerelement& b) {
    if (a.woorden[0] != b.woorden[0]) return a.woorden[0] < b.woorden[0];
    if (a.woorden[1] != b.woorden[1]) return a.woorden[1] < b.woorden[1];
    if (a.woorden[2] != b.woorden[2]) return a.woorden[2] < b.woorden[2];
    return a.index < b.index;
  });

  // Rebuilt in key order with what the key lines hold: each field without its padding, the
  // plate without any space, both status flags cleared.
  std::vector<RRegistratie> gesorteerd;
  gesorteerd.reserve(lijst.size());
  for (const Sorteerelement& e : elementen) {
    const RRegistratie& r = lijst[e.index];
    gesorteerd.emplace_back(ZonderOpvulling(r.Post), ZonderOpvulling(r.Tijd), ZonderOpvulling(r.Voertuigtype),
                            ZonderSpaties(r.Kenteken));
  }
  lijst = std::move(gesorteerd);
  return true;
}

// ---- Text form ------------------------------------------------------------------------------

void RegistratiesNaarTekst(const Project& project, std::vector<std::string>& tekst) {
  tekst.clear();
  tekst.reserve(project.Registratielijst.size());
  for (const RRegistratie& r : project.Registratielijst) tekst.push_back(r.Regel());
}

void RegistratiesUitTekst(Project& project, const std::vector<std::string>& tekst) {
  auto& lijst = project.Registratielijst;
  lijst.clear();
  lijst.reserve(tekst.size());
  for (const std::string& regel : tekst)
    if (!regel.empty()) lijst.push_back(RRegistratie::UitRegel(regel));
}

// ---- Purges of the matching run -------------------------------------------------------------

void GebruikteVerwijderen(Project& project) {
  auto& lijst = project.Registratielijst;
  std::erase_if(lijst, [](const RRegistratie& r) { return r.Gebruikt; });
  for (RRegistratie& r : lijst) r.Geprobeerd = false;
}

}  // namespace morvask
