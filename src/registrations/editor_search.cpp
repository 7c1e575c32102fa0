#include "registrations/editor_search.h"

#include <algorithm>

#include "base/messages.h"

namespace morvask {

namespace {

// A history as a dialog hands it back, made to hold the rules: no empty entries, no
// duplicates (the first one stays), at most ten.
std::vector<std::string> Opgeschoond(const std::vector<std::string>& geschiedenis) {
  std::vector<std::string> uit;
  for (const std::string& t : geschiedenis) {
    if (uit.size() == ZoekgeschiedenisLengte) break;
    if (!t.empty() && std::find(uit.begin(), uit.end(), t) == uit.end()) uit.push_back(t);
  }
  return uit;
}

RZoekopdracht Opdracht(const RZoekstatus& status, bool vanafCursor, bool achteruit, bool vervangen) {
  RZoekopdracht o;
  o.Zoektekst = status.Zoektekst;
  o.Vervangtekst = status.Vervangtekst;
  o.Vervangen = vervangen;
  o.Achteruit = achteruit;
  o.Hoofdlettergevoelig = status.Opties.Hoofdlettergevoelig;
  o.HeleWoorden = status.Opties.HeleWoorden;
  o.AlleenSelectie = status.Opties.AlleenSelectie;
  o.GeheleTekst = !vanafCursor;
  o.RegulierOpdracht = status.Opties.RegulierOpdracht;
  return o;
}

}  // namespace

void GeschiedenisBijwerken(std::vector<std::string>& geschiedenis, const std::string& tekst) {
  if (tekst.empty()) return;
  std::erase(geschiedenis, tekst);
  geschiedenis.insert(geschiedenis.begin(), tekst);
  if (geschiedenis.size() > ZoekgeschiedenisLengte) geschiedenis.resize(ZoekgeschiedenisLengte);
}

RZoekdialoog ZoekdialoogVullen(const RZoekstatus& status) {
  return RZoekdialoog{status.Zoektekst, status.Zoekgeschiedenis, status.Vervangtekst, status.Vervanggeschiedenis,
                      status.Opties};
}

RZoekbevestiging ZoekdialoogBevestigd(RZoekstatus status, const RZoekdialoog& dialoog, bool vervangen) {
  status.Opties = dialoog.Opties;
  status.Zoektekst = dialoog.Zoektekst;
  status.Zoekgeschiedenis = Opgeschoond(dialoog.Zoekgeschiedenis);
  GeschiedenisBijwerken(status.Zoekgeschiedenis, status.Zoektekst);
  if (vervangen) {
    status.Vervangtekst = dialoog.Vervangtekst;
    status.Vervanggeschiedenis = Opgeschoond(dialoog.Vervanggeschiedenis);
    GeschiedenisBijwerken(status.Vervanggeschiedenis, status.Vervangtekst);
  }
  RZoekbevestiging uit;
  if (!status.Zoektekst.empty())
    uit.opdracht = Opdracht(status, dialoog.Opties.VanafCursor, dialoog.Opties.Achteruit, vervangen);
  uit.status = std::move(status);
  uit.vanafCursor = true;
  return uit;
}

std::optional<RZoekopdracht> ZoekVolgende(const RZoekstatus& status, bool vanafCursor, bool achteruit) {
  if (status.Zoektekst.empty()) return std::nullopt;
  return Opdracht(status, vanafCursor, achteruit, false);
}

Vervangactie VervangenBijTreffer(const RZoekopdracht& opdracht) {
  return opdracht.Zoektekst == opdracht.Vervangtekst ? Vervangactie::Overslaan : Vervangactie::Vragen;
}

std::string VervangVraagtekst(std::string_view zoektekst) {
  return "Replace this occurence of \"" + std::string(zoektekst) + "\"?";
}

void TekstNietGevonden(Context& ctx) { ToonInformatie(ctx.ui, ctx.catalogus, ctx.catalogus["AA00044"]); }

}  // namespace morvask
