#include "analysis/intensities.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>

#include "base/context.h"
#include "base/messages.h"
#include "core/project.h"
#include "core/registration_list.h"
#include "core/settings.h"
#include "core/text_utils.h"
#include "core/times.h"
#include "reports/report_layout.h"

namespace morvask {

namespace {

// A registration time is at most four characters, so its whole number lies in this range.
constexpr int kKleinsteTijd = -999;
constexpr int kGrootsteTijd = 9999;

int Uren(int hhmm) { return hhmm / 100; }
int Minuten(int hhmm) { return hhmm % 100; }

// A post code of at most six bytes as one number, its length in the top byte.
std::uint64_t Codegetal(std::string_view code) {
  std::uint64_t k = static_cast<std::uint64_t>(code.size()) << 56;
  for (std::size_t i = 0; i < code.size() && i < 7; ++i)
    k |= static_cast<std::uint64_t>(static_cast<unsigned char>(code[i])) << (8 * i);
  return k;
}

// The start of every interval row and the end of the last: each boundary is the previous
// one plus the offset, normalised; rows run while their start is before the until time and
// end once a boundary stops advancing (it stays at 2359).
std::vector<int> Grenzen(int vanaf, int tot, int verschuiving) {
  std::vector<int> grenzen;
  int a = vanaf;
  int b = TijdNormaliseren(a + verschuiving);
  while (a < tot && b > a) {
    if (grenzen.empty()) grenzen.push_back(a);
    grenzen.push_back(b);
    a = b;
    b = TijdNormaliseren(b + verschuiving);
  }
  return grenzen;
}

// How much one registration adds to its post's counts under the window's selection.
class Weging {
 public:
  Weging(const RIntensiteitenVenster& v, const RProjectgegevens& g)
      : v_(v), gemist_(g.GemistKentekenKarakter.view()), wildcard_(g.WildcardKarakter.view()) {
    for (std::size_t i = 0; i < Voertuigtypen.size(); ++i) {
      typeAan_[static_cast<unsigned char>(Voertuigtypen[i])] = v.Voertuigtypen[i];
    }
  }

  int operator()(const RRegistratie& r) const {
    const std::string_view kenteken = r.Kenteken.view();
    const bool gemist = !gemist_.empty() && !kenteken.empty() && kenteken[0] == gemist_[0];
    if (v_.Selectietype == 2) {
      const bool karakters = !wildcard_.empty() && kenteken.find(wildcard_[0]) != std::string_view::npos;
      return (gemist && v_.GemisteKentekens ? 1 : 0) + (karakters && v_.GemisteKarakters ? 1 : 0);
    }
    if (r.Voertuigtype.empty() || !typeAan_[static_cast<unsigned char>(KleineLetter(r.Voertuigtype[0]))]) return 0;
    return !gemist || v_.GemisteKentekensMeetellen ? 1 : 0;
  }

 private:
  const RIntensiteitenVenster& v_;
  std::string_view gemist_;
  std::string_view wildcard_;
  bool typeAan_[256] = {};
};

// A boundary as a data tool reads a time of day: "07:00".
std::string Kloktijd(int hhmm) {
  std::string t = TijdOpmaken(hhmm);
  t.insert(2, ":");
  return t;
}

// The counted rows as data: per post, per interval row made, its count.
RapportGegevens IntensiteitenGegevens(const std::vector<const RWaarnemingspost*>& posten,
                                      const std::vector<int>& grenzen, const std::vector<long long>& tellingen,
                                      int gemaakt) {
  RapportGegevens g;
  g.Kolommen = {"post", "from", "until", "count"};
  const std::size_t s = posten.size();
  for (std::size_t k = 0; k < s; ++k)
    for (int rij = 0; rij < gemaakt; ++rij)
      g.Rijen.push_back({posten[k]->Postcode.str(), Kloktijd(grenzen[rij]), Kloktijd(grenzen[rij + 1]),
                         tellingen[static_cast<std::size_t>(rij) * s + k]});
  return g;
}

void KoptekstToevoegen(RapportBuffer& buffer, const Context& ctx, const RIntensiteitenVenster& v) {
  const Catalogus& cat = ctx.catalogus;
  if (v.Selectietype == 2) {
    if (v.GemisteKentekens && v.GemisteKarakters)
      buffer.RegelToevoegen(cat["AA00057"]);
    else if (v.GemisteKentekens)
      buffer.RegelToevoegen(cat["AA00058"]);
    else if (v.GemisteKarakters)
      buffer.RegelToevoegen(cat["AA00059"]);
  } else {
    buffer.RegelToevoegen(cat["AA00052"]);
    buffer.RegelsToevoegen(VoertuigtypeRegels(ctx.project.Gegevens, cat, v.Voertuigtypen));
    buffer.RegelToevoegen(cat[v.GemisteKentekensMeetellen ? "AA00055" : "AA00056"]);
  }
  buffer.RegelToevoegen("");
}

}  // namespace

int Intervalverschuiving(int minuten) { return minuten > 59 ? minuten + 40 : minuten; }

int IntervalMinuten(const RIntensiteitenVenster& venster, const RProgrammaInstellingen& instellingen) {
  int w = 0;
  if (ProbeerGetal(venster.Interval, w) && w > 0 && w < 2360) return w;
  return instellingen.IntensiteitenInterval;
}

void IntervalInvoeren(RIntensiteitenVenster& venster, std::string_view tekst,
                      const RProgrammaInstellingen& instellingen) {
  int w = 0;
  if (ProbeerGetal(tekst, w) && w > 0 && w < 2360)
    venster.Interval = tekst;
  else
    venster.Interval = std::to_string(instellingen.IntensiteitenInterval);
}

void VanafInvoeren(RIntensiteitenVenster& venster, std::string_view tekst) {
  venster.Vanaf = IsGeheelGetal(tekst) ? TijdOpmaken(NaarGetal(tekst)) : std::string(tekst);
}

void TotInvoeren(RIntensiteitenVenster& venster, std::string_view tekst) {
  venster.Tot = IsGeheelGetal(tekst) ? TijdOpmaken(NaarGetal(tekst)) : std::string(tekst);
}

void MaximaleTijden(RIntensiteitenVenster& venster, const Project& project,
                    const RProgrammaInstellingen& instellingen) {
  VanafInvoeren(venster, std::to_string(VroegsteTijd(project)));
  TotInvoeren(venster, std::to_string(TijdNormaliseren(LaatsteTijd(project) + IntervalMinuten(venster, instellingen))));
}

void AutomatischInterval(RIntensiteitenVenster& venster, const Project& project, int minuten) {
  if (minuten != 15 && minuten != 30 && minuten != 60) return;
  const int e = VroegsteTijd(project);
  const int l = LaatsteTijd(project);
  venster.Interval = std::to_string(minuten);
  // From: the earliest time's minutes rounded down to the interval. Until: the latest time's
  // minutes rounded up past the interval they lie in, the last one giving the next hour.
  const int vanaf = Uren(e) * 100 + Minuten(e) / minuten * minuten;
  const int stap = Minuten(l) / minuten + 1;
  const int tot = stap * minuten >= 60 ? (Uren(l) + 1) * 100 : Uren(l) * 100 + stap * minuten;
  VanafInvoeren(venster, std::to_string(vanaf));
  TotInvoeren(venster, std::to_string(tot));
}

void IntensiteitenVensterOpenen(RIntensiteitenVenster& venster, const Project& project,
                                const RProgrammaInstellingen& instellingen) {
  if (venster.Interval.empty()) venster.Interval = std::to_string(instellingen.IntensiteitenInterval);
  if (venster.Vanaf.empty()) MaximaleTijden(venster, project, instellingen);
}

void AlleWaarnemingspostenSelecteren(Project& project, bool geselecteerd) {
  for (RWaarnemingspost& p : project.Postlijst) p.Geselecteerd = geselecteerd;
}

std::optional<Rapport> RapportIntensiteiten(Context& ctx, const RIntensiteitenVenster& v) {
  const Catalogus& cat = ctx.catalogus;
  const Project& project = ctx.project;
  int vanaf = 0, tot = 0;
  if (!ProbeerGetal(v.Vanaf, vanaf) || !ProbeerGetal(v.Tot, tot)) {
    ToonFout(ctx.ui, cat, AlgemeneFoutGeenGetal(ProbeerGetal(v.Vanaf, vanaf) ? v.Tot : v.Vanaf));
    return std::nullopt;
  }

  RapportBuffer buffer;
  BovensteGedeelteRapport(buffer, ctx);
  KoptekstToevoegen(buffer, ctx, v);
  ctx.ui.VoortgangTonen(cat["AA00060"], true);
  ctx.ui.BerekeningAfbreken = false;

  // The marked posts, in post-list order, and the columns of each code.
  std::vector<const RWaarnemingspost*> posten;
  std::unordered_map<std::uint64_t, std::vector<int>> kolommenVan;
  for (const RWaarnemingspost& p : project.Postlijst) {
    if (!p.Geselecteerd) continue;
    kolommenVan[Codegetal(p.Postcode.view())].push_back(static_cast<int>(posten.size()));
    posten.push_back(&p);
  }
  const int s = static_cast<int>(posten.size());
  const std::vector<int> grenzen = Grenzen(vanaf, tot, Intervalverschuiving(IntervalMinuten(v, ctx.instellingen)));
  const int rijen = grenzen.empty() ? 0 : static_cast<int>(grenzen.size()) - 1;

  // The row of every possible time, -1 outside the rows.
  std::vector<int> rijVan(static_cast<std::size_t>(kGrootsteTijd - kKleinsteTijd + 1), -1);
  for (int k = 0; k < rijen; ++k)
    for (int t = std::max(grenzen[k], kKleinsteTijd); t < grenzen[k + 1] && t <= kGrootsteTijd; ++t)
      rijVan[static_cast<std::size_t>(t - kKleinsteTijd)] = k;

  // One pass: every registration of a marked post adds its weight to its row and, inside
  // [from, until), to the total. A time that is no whole number lies in no window.
  std::vector<long long> tellingen(static_cast<std::size_t>(rijen) * s, 0);
  std::vector<long long> totalen(static_cast<std::size_t>(s), 0);
  const Weging weging(v, project.Gegevens);
  for (const RRegistratie& r : project.Registratielijst) {
    int t = 0;
    if (!ProbeerGetal(r.Tijd.view(), t) || t < kKleinsteTijd || t > kGrootsteTijd) continue;
    const int rij = rijVan[static_cast<std::size_t>(t - kKleinsteTijd)];
    const bool inTotaal = vanaf <= t && t < tot;
    if (rij < 0 && !inTotaal) continue;
    const auto kolommen = kolommenVan.find(Codegetal(r.Post.view()));
    if (kolommen == kolommenVan.end()) continue;
    const int w = weging(r);
    if (w == 0) continue;
    for (const int k : kolommen->second) {
      if (rij >= 0) tellingen[static_cast<std::size_t>(rij) * s + k] += w;
      if (inTotaal) totalen[static_cast<std::size_t>(k)] += w;
    }
  }

  // The table, written row by row as the progress window shows; a cancel ends the rows.
  RapportTabel& t = buffer.HoofdStringGrid;
  t.AantallenZetten(s + 3, rijen + 7);
  t.LeegMaken();
  const std::string eenheid = Lijneenheid(ctx.instellingen);
  auto lijn = [&](int rij) {
    for (int k = 0; k < s + 3; ++k) t.Zet(k, rij, eenheid);
  };
  lijn(0);
  t.Zet(0, 1, cat["AA00061"]);
  t.Zet(2, 1, cat["AA00062"]);
  t.Zet(3, 1, cat["AA00063"]);
  t.Zet(4, 1, cat["AA00064"]);
  t.Zet(0, 2, cat["AA00065"]);
  t.Zet(1, 2, cat["AA00066"]);
  for (int k = 0; k < s; ++k) t.Zet(k + 2, 2, posten[static_cast<std::size_t>(k)]->Postcode.view());
  t.Zet(s + 2, 2, cat["AA00067"]);
  lijn(3);

  int gemaakt = 0;
  while (gemaakt < rijen && !ctx.ui.BerekeningAfbreken) {
    const int rij = 4 + gemaakt;
    t.Zet(0, rij, TijdOpmaken(grenzen[gemaakt]) + " - ");
    t.Zet(1, rij, TijdOpmaken(grenzen[gemaakt + 1]) + "   ");
    long long som = 0;
    for (int k = 0; k < s; ++k) {
      const long long n = tellingen[static_cast<std::size_t>(gemaakt) * s + k];
      t.Zet(k + 2, rij, std::to_string(n));
      som += n;
    }
    t.Zet(s + 2, rij, std::to_string(som));
    ++gemaakt;
    ctx.ui.VoortgangPositie(static_cast<int>(std::lround(100.0 * gemaakt / rijen)));
    ctx.ui.BerichtenVerwerken();
  }

  // An empty row, the total row and the closing rule follow the rows that were made.
  const int totaalRij = 4 + gemaakt + 1;
  t.AantallenZetten(s + 3, totaalRij + 2);
  t.Zet(0, totaalRij, cat["AA00068"]);
  if (!ctx.ui.BerekeningAfbreken) {
    long long som = 0;
    for (int k = 0; k < s; ++k) {
      t.Zet(k + 2, totaalRij, std::to_string(totalen[static_cast<std::size_t>(k)]));
      som += totalen[static_cast<std::size_t>(k)];
    }
    t.Zet(s + 2, totaalRij, std::to_string(som));
  }
  lijn(totaalRij + 1);

  HoofdStringGridNaarHoofdRichEdit(buffer);
  ctx.ui.VoortgangPositie(100);
  Rapport rapport = RapportAfsluiten(buffer, ctx, Rapportsoort::Geen, cat["AA00069"], MetTabel::Ja);
  rapport.Gegevens = IntensiteitenGegevens(posten, grenzen, tellingen, gemaakt);
  ctx.ui.VoortgangSluiten();
  return rapport;
}

}  // namespace morvask
