#include "network/travel_time_matrix.h"

#include <algorithm>
#include <unordered_map>

#include "core/text_utils.h"
#include "core/travel_time_table.h"

namespace morvask {

namespace {

// The yes/no/cancel question of the matrix window: "&Ja" is the default and proceeds.
bool VraagJa(Context& ctx, const std::string& tekst) {
  const Catalogus& cat = ctx.catalogus;
  return ctx.ui.VraagJaNeeAnnuleren(Programmanaam, "", tekst, skJa, cat["ZB00013"], cat["ZB00022"], cat["ZB00021"]) ==
         mrJa;
}

// The number of a cell; a text that is not one counts as 0.
long long CelGetal(std::string_view cel) {
  int v = 0;
  return ProbeerGetal(Bijsnijden(cel), v) ? v : 0;
}

std::string Begrensd(long long waarde) { return std::to_string(std::clamp<long long>(waarde, 0, MaximaleDoorrijtijd)); }

}  // namespace

RDoorrijtijdenMatrices DoorrijtijdenMatricesVullen(const Project& project, bool maximumWeergeven) {
  RDoorrijtijdenMatrices m;
  m.MaximumWeergeven = maximumWeergeven;
  if (project.Postlijst.size() < 2) return m;

  for (const RWaarnemingspost& p : project.Postlijst) {
    if (IsHerkomstpost(p.Postcode.view())) m.Herkomsten.push_back(p.Postcode.str());
    if (IsBestemmingspost(p.Postcode.view())) m.Bestemmingen.push_back(p.Postcode.str());
  }

  // The first line of each pair, by positions 1-13.
  std::unordered_map<std::string, const std::string*> regels;
  for (const std::string& regel : project.Doorrijtijdentabel)
    regels.emplace(std::string(Deel(regel, 1, 6)) + '\n' + std::string(Deel(regel, 8, 6)), &regel);

  for (const std::string& van : m.Herkomsten) {
    std::vector<std::string> minima, maxima;
    for (const std::string& naar : m.Bestemmingen) {
      if (van == naar) {
        minima.emplace_back(GeenRelatie);
        maxima.emplace_back(GeenRelatie);
        continue;
      }
      const auto gevonden = regels.find(PostcodeVeld(van) + '\n' + PostcodeVeld(naar));
      if (gevonden == regels.end()) {
        minima.emplace_back();
        maxima.emplace_back();
      } else {
        maxima.push_back(Bijsnijden(Deel(*gevonden->second, 15, 4)));
        minima.push_back(Bijsnijden(Deel(*gevonden->second, 20, 4)));
      }
    }
    m.Minimum.push_back(std::move(minima));
    m.Maximum.push_back(std::move(maxima));
  }
  return m;
}

std::string CelWaarde(std::string_view tekst) {
  const std::string t = Bijsnijden(tekst);
  std::size_t begin = 0;
  if (!t.empty() && (t[0] == '+' || t[0] == '-')) begin = 1;
  const std::string_view cijfers = std::string_view(t).substr(begin);
  if (cijfers.empty() || !std::all_of(cijfers.begin(), cijfers.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return "0";
  const std::size_t eerste = std::min(cijfers.find_first_not_of('0'), cijfers.size());
  const std::string_view waarde = cijfers.substr(eerste);
  if (waarde.empty() || t[0] == '-') return "0";
  if (waarde.size() > 4) return std::to_string(MaximaleDoorrijtijd);
  return std::string(waarde);
}

std::string CelInvoeren(RDoorrijtijdenMatrices& m, std::size_t rij, std::size_t kolom, std::string_view tekst) {
  Doorrijtijdmatrix& getoond = m.Getoond();
  if (rij >= getoond.size() || kolom >= getoond[rij].size()) return {};
  m.Gewijzigd = true;
  std::string& cel = getoond[rij][kolom];
  if (cel != GeenRelatie) cel = CelWaarde(tekst);
  return cel;
}

void VolgendeKolom(RDoorrijtijdenMatrices& m) {
  if (m.Kolom + 1 < m.Bestemmingen.size()) ++m.Kolom;
}

void Spiegelen(RDoorrijtijdenMatrices& m) {
  const std::size_t rij = m.Rij, kolom = m.Kolom;
  if (rij < m.Bestemmingen.size()) m.Kolom = rij;
  if (kolom < m.Herkomsten.size()) m.Rij = kolom;
}

bool Blokkeren(Context& ctx, RDoorrijtijdenMatrices& m) {
  if (!VraagJa(ctx, ctx.catalogus["AA00013"])) return false;
  Doorrijtijdmatrix& getoond = m.Getoond();
  for (std::size_t r = 0; r < getoond.size(); ++r)
    for (std::size_t k = 0; k < getoond[r].size(); ++k)
      if (getoond[r][k] != GeenRelatie && Deel(m.Herkomsten[r], 1, 3) == Deel(m.Bestemmingen[k], 1, 3))
        getoond[r][k] = "0";
  m.Gewijzigd = true;
  return true;
}

bool Kopieren(Context& ctx, RDoorrijtijdenMatrices& m) {
  if (!VraagJa(ctx, ctx.catalogus[m.MaximumWeergeven ? "AA00030" : "AA00029"])) return false;
  m.Verborgen() = m.Getoond();
  m.Gewijzigd = true;
  return true;
}

long long AfrondenHalfEven(long long teller, long long noemer) {
  long long q = teller / noemer;
  long long r = teller % noemer;
  if (r < 0) {  // floor division
    --q;
    r += noemer;
  }
  if (2 * r > noemer || (2 * r == noemer && q % 2 != 0)) ++q;
  return q;
}

void AlleDoorrijtijdenWijzigen(RDoorrijtijdenMatrices& m, const RAlleDoorrijtijdenWijzigen& w) {
  const long long getal = std::clamp(w.Getal, -MaximaalBulkgetal, MaximaalBulkgetal);
  for (std::vector<std::string>& rij : m.Getoond()) {
    for (std::string& cel : rij) {
      if (cel == GeenRelatie || Bijsnijden(cel).empty()) continue;
      const long long waarde = CelGetal(cel);
      if (w.NullenOngemoeid && waarde == 0) continue;
      cel = Begrensd(w.Vermenigvuldigen ? AfrondenHalfEven(waarde * getal, 1000) : waarde + getal);
    }
  }
  m.Gewijzigd = true;
}

bool MatricesTerugschrijven(Context& ctx, const RDoorrijtijdenMatrices& m) {
  if (!m.Gewijzigd || m.Leeg()) return false;
  std::vector<std::string> tabel;
  for (std::size_t r = 0; r < m.Herkomsten.size(); ++r) {
    for (std::size_t k = 0; k < m.Bestemmingen.size(); ++k) {
      const std::string maximum = Bijsnijden(m.Maximum[r][k]);
      if (maximum == GeenRelatie || maximum.empty()) continue;
      tabel.push_back(DoorrijtijdRegel(m.Herkomsten[r], m.Bestemmingen[k], maximum, Bijsnijden(m.Minimum[r][k])));
    }
  }
  ctx.project.Doorrijtijdentabel = std::move(tabel);
  ctx.project.MarkeerGewijzigd(ctx.ui);
  return true;
}

}  // namespace morvask
