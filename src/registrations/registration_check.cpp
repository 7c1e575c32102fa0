#include "registrations/registration_check.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_set>
#include <utility>

#include "base/context.h"
#include "core/project.h"
#include "core/settings.h"
#include "core/text_utils.h"
#include "reports/report_layout.h"

namespace morvask {

namespace {

bool IsCijfer(char c) { return c >= '0' && c <= '9'; }

// Digits only: the first two at most 23, the third (the tens of minutes) at most 5.
bool GeldigeTijd(std::string_view tijd) {
  if (tijd.size() < 3 || !std::all_of(tijd.begin(), tijd.end(), IsCijfer)) return false;
  const int uren = (tijd[0] - '0') * 10 + (tijd[1] - '0');
  return uren <= 23 && tijd[2] <= '5';
}

bool GeldigVoertuigtype(std::string_view type) {
  return type.size() == 1 && Voertuigtypen.find(KleineLetter(type[0])) != std::string_view::npos;
}

bool GeldigKentekenkarakter(char c, const RProjectgegevens& g) {
  const char klein = KleineLetter(c);
  if ((klein >= 'a' && klein <= 'z') || IsCijfer(klein)) return true;
  const std::string_view gemist = g.GemistKentekenKarakter.view();
  const std::string_view wildcard = g.WildcardKarakter.view();
  return (!gemist.empty() && klein == gemist[0]) || (!wildcard.empty() && klein == wildcard[0]);
}

bool IsGemistKenteken(std::string_view kenteken, const RProjectgegevens& g) {
  return !g.GemistKentekenKarakter.empty() && !kenteken.empty() && kenteken[0] == g.GemistKentekenKarakter[0];
}

}  // namespace

std::string Regelnummerveld(std::size_t index) {
  std::string veld = std::to_string(index + 1);
  if (veld.size() < 8) veld.resize(8, ' ');
  return veld;
}

Rapport RegistratiesbestandControleren(Context& ctx, const RControleInstellingen& instellingen) {
  const Catalogus& cat = ctx.catalogus;
  const Project& project = ctx.project;
  const RProjectgegevens& g = project.Gegevens;
  const std::string n = std::to_string(instellingen.Aantal);

  ctx.ui.VoortgangTonen(cat["AA00070"], false);
  RapportBuffer buffer;
  BovensteGedeelteRapport(buffer, ctx);
  for (const char* sleutel : {"AA00071", "AA00072", "AA00073", "AA00074", "AA00075"})
    buffer.RegelToevoegen(cat[sleutel]);
  buffer.RegelToevoegen(cat.Vul(instellingen.MeerDan ? "AA00076" : "AA00077", {n}));
  buffer.RegelToevoegen("");
  const std::string lijn = Lijn(ctx.instellingen, 83);
  buffer.RegelToevoegen(lijn);
  buffer.RegelToevoegen(cat["AA00078"]);
  buffer.RegelToevoegen(lijn);

  std::unordered_set<std::string_view> posten;
  for (const RWaarnemingspost& p : project.Postlijst) posten.insert(p.Postcode.view());

  const std::string lengteFout = cat.Vul(instellingen.MeerDan ? "AA00085" : "AA00086", {n});
  const std::string& ongeldigType = cat["AA00079"];
  const std::string& ongeldigeTijd = cat["AA00080"];
  const std::string& ongeldigNummer = cat["AA00081"];
  const std::string& ongeldigPosttype = cat["AA00082"];
  const std::string& onbekendePost = cat["AA00083"];
  const std::string& onbekendKarakter = cat["AA00084"];
  const std::size_t totaal = project.Registratielijst.size();
  int opmerkingen = 0;
  int procent = -1;
  for (std::size_t i = 0; i < totaal; ++i) {
    const RRegistratie& r = project.Registratielijst[i];
    // The start of a finding line, made at the registration's first finding only: most
    // registrations have none.
    std::string begin;
    auto bevinding = [&](const std::string& tekst) {
      if (begin.empty()) {
        begin = Regelnummerveld(i);
        begin += r.Post.view();
        begin += ' ';
        begin += r.Tijd.view();
        begin += ' ';
        begin += r.Voertuigtype.view();
        begin += ' ';
        begin += TekstUitlijnen("L", r.Kenteken.view(), " ", 6);
        begin += "  ->  ";
      }
      std::string regel;
      regel.reserve(begin.size() + tekst.size());
      regel += begin;
      regel += tekst;
      buffer.RegelOvernemen(std::move(regel));
      ++opmerkingen;
    };

    if (!GeldigVoertuigtype(r.Voertuigtype.view())) bevinding(ongeldigType);
    if (!GeldigeTijd(r.Tijd.view())) bevinding(ongeldigeTijd);
    if (!IsGeheelGetal(Deel(r.Post.view(), 1, 3))) bevinding(ongeldigNummer);
    const std::string_view type = Deel(r.Post.view(), 4, 3);
    if (type != "-ki" && type != "-t1" && type != "-t2" && type != "-ku") bevinding(ongeldigPosttype);
    if (!posten.count(r.Post.view())) bevinding(onbekendePost);
    const std::string_view kenteken = r.Kenteken.view();
    if (kenteken.empty()) bevinding(onbekendKarakter);
    for (const char c : kenteken)
      if (!GeldigKentekenkarakter(c, g)) bevinding(onbekendKarakter);
    const int lengte = static_cast<int>(kenteken.size());
    const bool teLang = instellingen.MeerDan ? lengte > instellingen.Aantal : lengte < instellingen.Aantal;
    if (teLang && !IsGemistKenteken(kenteken, g)) bevinding(lengteFout);

    const int nu = static_cast<int>(std::lround(100.0 * static_cast<double>(i + 1) / static_cast<double>(totaal)));
    if (nu != procent) ctx.ui.VoortgangPositie(procent = nu);
    ctx.ui.BerichtenVerwerken();
  }

  buffer.RegelToevoegen(lijn);
  buffer.RegelToevoegen(cat["AA00087"] + std::to_string(opmerkingen));
  buffer.RegelToevoegen(lijn);
  Rapport rapport = RapportAfsluiten(buffer, ctx, Rapportsoort::Geen, cat["AA00088"]);
  ctx.ui.VoortgangSluiten();
  return rapport;
}

}  // namespace morvask
