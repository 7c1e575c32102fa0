#include "registrations/registration_entry.h"

#include "base/messages.h"
#include "core/text_utils.h"
#include "core/times.h"

namespace morvask {

std::vector<std::string> Tijdsuggesties(int waarnemingsinterval) {
  std::vector<std::string> tijden;
  // An interval that does not move the time on would never reach the end of the day.
  if (waarnemingsinterval < 1) return {TijdOpmaken(0)};
  for (int tijd = 0; tijd <= 2359;) {
    tijden.push_back(TijdOpmaken(tijd));
    tijd += waarnemingsinterval;
    if (tijd % 100 >= 60) tijd += 40;
  }
  return tijden;
}

RInvoerscherm InvoerschermVullen(const Project& project) {
  RInvoerscherm scherm;
  for (const RWaarnemingspost& p : project.Postlijst) scherm.Postcodes.push_back(p.Postcode.str());
  scherm.Wildcard = project.Gegevens.WildcardKarakter.str();
  scherm.GemistKenteken = project.Gegevens.GemistKentekenKarakter.str();
  for (std::size_t i = 0; i < Voertuigtypen.size(); ++i) {
    const char letter = Voertuigtypen[i];
    scherm.Voertuigtypeknoppen[i] = std::string("&") + letter + " : " + *project.Gegevens.VoertuigtypeNaam(letter);
  }
  return scherm;
}

RInvoerToestand KentekensInvoeren(const Project& project, RInvoerToestand toestand) {
  toestand.Invoerteller = 0;
  if (toestand.Tijd.empty()) {
    toestand.Tijdsuggesties = Tijdsuggesties(project.Gegevens.Waarnemingsinterval);
    toestand.Tijd = toestand.Tijdsuggesties.front();
  }
  return toestand;
}

std::string PostOmschrijving(const Project& project, std::string_view postcode) {
  for (const RWaarnemingspost& p : project.Postlijst)
    if (p.Postcode == postcode) return p.Omschrijving.str();
  return {};
}

namespace {

// The checks of a complete entry, in order; the first that fails gives its message.
Invoeruitkomst InvoerControleren(Context& ctx, std::string_view tijd, std::string& kenteken, int& tijdwaarde) {
  const Catalogus& cat = ctx.catalogus;
  // A negative number is no time of day either.
  if (!ProbeerGetal(tijd, tijdwaarde) || tijdwaarde < 0) {
    ctx.ui.Piep();
    ToonFout(ctx.ui, cat, cat["AA00048"]);
    return Invoeruitkomst::OngeldigeTijd;
  }
  const std::string_view gemist = ctx.project.Gegevens.GemistKentekenKarakter.view();
  if (!gemist.empty() && kenteken.starts_with(gemist)) kenteken = std::string(6, gemist.front());
  if (kenteken.find(' ') != std::string::npos) {
    ctx.ui.Piep();
    ToonFout(ctx.ui, cat, cat["AA00049"]);
    return Invoeruitkomst::SpatieInKenteken;
  }
  return Invoeruitkomst::Toegevoegd;
}

}  // namespace

RInvoerresultaat RegistratieToevoegen(Context& ctx, RInvoerToestand toestand, std::string_view post,
                                      std::string_view tijd, std::string_view kenteken) {
  RInvoerresultaat uit;
  uit.kenteken = std::string(kenteken);
  if (post.empty()) {
    ToonInformatie(ctx.ui, ctx.catalogus, ctx.catalogus["AA00050"]);
    uit.uitkomst = Invoeruitkomst::GeenPost;
  } else if (tijd.empty() || kenteken.empty()) {
    ctx.ui.Piep();
    uit.uitkomst = Invoeruitkomst::Onvolledig;
  } else {
    std::string plaat(kenteken);
    int tijdwaarde = 0;
    uit.uitkomst = InvoerControleren(ctx, tijd, plaat, tijdwaarde);
    if (uit.uitkomst == Invoeruitkomst::Toegevoegd) {
      ctx.project.Gegevens.ProjectgegevensbestandGewijzigd = true;
      uit.regel = RRegistratie(post, TijdOpmaken(tijdwaarde), toestand.Voertuigtype, plaat).Regel();
      ++toestand.Invoerteller;
      uit.kenteken.clear();
    }
  }
  if (toestand.Invoerteller == 500 || toestand.Invoerteller == 750)
    ToonInformatie(ctx.ui, ctx.catalogus, ctx.catalogus.Vul("AA00051", {std::to_string(toestand.Invoerteller)}));
  uit.toestand = std::move(toestand);
  return uit;
}

int KentekensInRichEdit1NaarGeheugen(Context& ctx, std::vector<std::string>& regels) {
  int aantal = 0;
  for (const std::string& regel : regels) {
    if (regel.empty()) continue;
    ctx.project.Registratielijst.push_back(RRegistratie::UitRegel(regel));
    ++aantal;
  }
  regels.clear();
  return aantal;
}

void InvoerSluiten(Context& ctx, std::vector<std::string>& regels) {
  BezigeCursor bezig(ctx.ui);
  KentekensInRichEdit1NaarGeheugen(ctx, regels);
  ctx.ui.InMenuChecken(mcOpslaan);
  ctx.ui.InMenuChecken(mcRegistraties);
}

bool GeheleRegistratiesbestandWijzigen(Context& ctx, std::vector<std::string>& regels, REditortekst& editor) {
  BezigeCursor bezig(ctx.ui);
  KentekensInRichEdit1NaarGeheugen(ctx, regels);
  return InterneEditorOpenen(ctx, editor);
}

}  // namespace morvask
