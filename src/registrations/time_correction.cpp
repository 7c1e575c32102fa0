#include "registrations/time_correction.h"

#include <algorithm>

#include "base/context.h"
#include "base/messages.h"
#include "core/project.h"
#include "core/settings.h"
#include "core/times.h"

namespace morvask {

namespace {

bool VierCijfers(std::string_view tijd) {
  return tijd.size() == 4 && std::all_of(tijd.begin(), tijd.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool PostBestaat(const Project& project, std::string_view code) {
  return std::any_of(project.Postlijst.begin(), project.Postlijst.end(),
                     [&](const RWaarnemingspost& p) { return p.Postcode == code; });
}

}  // namespace

std::vector<std::string> TijdenWijzigenPosten(const Project& project) {
  std::vector<std::string> codes;
  codes.reserve(project.Postlijst.size());
  for (const RWaarnemingspost& p : project.Postlijst) codes.push_back(p.Postcode.str());
  return codes;
}

bool TijdenWijzigenMogelijk(const RTijdenWijzigenVelden& velden) { return !velden.Post.empty() && velden.Minuten != 0; }

std::optional<std::string> TijdVerschuiven(std::string_view tijd, int minuten) {
  if (!VierCijfers(tijd)) return std::nullopt;
  return MinutenNaarTijd(*TijdNaarMinuten(tijd) + minuten);
}

std::string OvergeslagenTijdenTekst(const Context& ctx, std::string_view post, int aantal) {
  const char* patroon = ctx.instellingen.Taal == IngebouwdeTaal
                            ? "Registraties van post %s waarvan de tijd niet uit vier cijfers bestaat, zijn niet "
                              "gewijzigd: %s."
                            : "Registrations of post %s whose time is not four digits were left unchanged: %s.";
  return TekstVullen(patroon, {post, std::to_string(aantal)});
}

bool TijdenRegistratiesWijzigen(Context& ctx, const RTijdenWijzigenVelden& velden) {
  if (!TijdenWijzigenMogelijk(velden) || velden.Minuten < 0 || velden.Minuten > MaximaleTijdverschuiving ||
      !PostBestaat(ctx.project, velden.Post))
    return false;
  const int verschuiving = velden.Verhogen ? velden.Minuten : -velden.Minuten;

  Gebruikersinterface& ui = ctx.ui;
  ui.VoortgangTonen(ctx.catalogus["AA00183"], false);
  std::vector<RRegistratie>& lijst = ctx.project.Registratielijst;
  const std::size_t totaal = lijst.size();
  int overgeslagen = 0;
  int getoond = 0;
  for (std::size_t i = 0; i < totaal; ++i) {
    RRegistratie& r = lijst[i];
    if (r.Post == std::string_view(velden.Post)) {
      if (const auto tijd = TijdVerschuiven(r.Tijd, verschuiving))
        r.Tijd = *tijd;
      else
        ++overgeslagen;
    }
    // The bar moves, and the window gets its messages, each time the share done grows by a
    // percent: the same picture as after every registration, without a million repaints.
    const int procent = static_cast<int>((i + 1) * 100 / totaal);
    if (procent != getoond) {
      getoond = procent;
      ui.VoortgangPositie(procent);
      ui.BerichtenVerwerken();
    }
  }
  ui.VoortgangPositie(100);
  ctx.project.MarkeerGewijzigd(ui);
  ui.VoortgangSluiten();

  if (overgeslagen > 0) ToonWaarschuwing(ui, ctx.catalogus, OvergeslagenTijdenTekst(ctx, velden.Post, overgeslagen));
  return true;
}

}  // namespace morvask
