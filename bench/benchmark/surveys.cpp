// The generated surveys the sections share, and the settings they run with.

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "measure.h"
#include "sections.h"

namespace morvask::bench {

Benchmark::Benchmark(bool snel, std::string werkmap, std::string cli)
    : snel_(snel), werkmap_(std::move(werkmap)), cli_(std::move(cli)) {
  if (!werkmap_.empty() && werkmap_.back() != '/') werkmap_ += '/';
}

const Onderzoek& Benchmark::Dagonderzoek(int registraties, int kordonpunten, int tussenpunten) {
  std::unique_ptr<Onderzoek>& o = onderzoeken_[{registraties, kordonpunten, tussenpunten}];
  if (o) return *o;
  OnderzoekInstellingen s;
  s.zaad = 2026;
  s.registraties = registraties;
  s.kordonpunten = kordonpunten;
  s.tussenpunten = tussenpunten;
  s.vanTijd = 0;
  s.totTijd = 2359;
  s.terugrit = 0.4;  // many vehicles of a whole day come back the other way
  const double seconden = Tijd([&] { o = std::make_unique<Onderzoek>(OnderzoekMaken(s)); });
  const long regs = static_cast<long>(o->project.Registratielijst.size());
  MetingAfdrukken({"survey generated (OnderzoekMaken), 0000-2359",
                   Aantal(registraties) + " regs, " + std::to_string(o->project.Postlijst.size()) + " posts", seconden,
                   5.0, PiekgeheugenKb(), std::nullopt});
  // Vehicles as the plates show them (misread plates count apart; missed plates not at all).
  std::unordered_set<std::string_view> kentekens;
  kentekens.reserve(o->project.Registratielijst.size());
  const std::string_view gemist = o->project.Gegevens.GemistKentekenKarakter.view();
  for (const RRegistratie& r : o->project.Registratielijst)
    if (r.Kenteken.view() != gemist) kentekens.insert(r.Kenteken.view());
  char perVoertuig[32];
  std::snprintf(perVoertuig, sizeof perVoertuig, "%.2f",
                static_cast<double>(regs) / static_cast<double>(std::max<std::size_t>(1, kentekens.size())));
  OpmerkingAfdrukken(std::to_string(regs) + " registrations of " + std::to_string(kentekens.size()) + " plates (" +
                     perVoertuig + " per plate); memory column: the benchmark's peak so far");
  return *o;
}

RProgrammaInstellingen Benchmark::Instellingen() const {
  RProgrammaInstellingen s;
  s.Reservebestandendirectory = werkmap_ + "backups/";
  return s;
}

const Onderzoek& Onderzoek100Posten(Benchmark& b) { return b.Dagonderzoek(b.Grootte(1000000), 45, 5); }

}  // namespace morvask::bench
