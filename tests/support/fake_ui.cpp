#include "support/fake_ui.h"

namespace morvask::test {

ModaalResultaat NepUi::MeldingInformatie(const std::string& c, const std::string& t, const std::string& x,
                                         const std::string& ok) {
  berichten.push_back({"informatie", c, t, x, {ok}, std::nullopt});
  return mrOK;
}

ModaalResultaat NepUi::MeldingWaarschuwing(const std::string& c, const std::string& t, const std::string& x,
                                           const std::string& ok) {
  berichten.push_back({"waarschuwing", c, t, x, {ok}, std::nullopt});
  return mrOK;
}

ModaalResultaat NepUi::MeldingFout(const std::string& c, const std::string& t, const std::string& x,
                                   const std::string& ok) {
  berichten.push_back({"fout", c, t, x, {ok}, std::nullopt});
  return mrOK;
}

ModaalResultaat NepUi::VraagJaNeeAnnuleren(const std::string& c, const std::string& t, const std::string& x,
                                           StandaardKnop standaard, const std::string& annuleren,
                                           const std::string& nee, const std::string& ja) {
  berichten.push_back({"vraag", c, t, x, {ja, nee, annuleren}, standaard});
  if (!antwoorden.empty()) {
    const ModaalResultaat a = antwoorden.front();
    antwoorden.pop_front();
    return a;
  }
  switch (standaard) {
    case skJa:
      return mrJa;
    case skNee:
      return mrNee;
    case skOK:
      return mrOK;
    default:
      return mrAnnuleren;
  }
}

void NepUi::VoortgangTonen(const std::string& tekst, bool) {
  voortgangZichtbaar = true;
  voortgangTekst = tekst;
  posities.push_back(0);
}

void NepUi::BerichtenVerwerken() {
  ++pompen;
  if (afbrekenBijPomp > 0 && pompen == afbrekenBijPomp && catalogus) AfbrekenAangevraagd(*catalogus);
}

std::vector<std::string> NepUi::Teksten(const std::string& soort) const {
  std::vector<std::string> uit;
  for (const auto& b : berichten)
    if (soort.empty() || b.soort == soort) uit.push_back(b.tekst);
  return uit;
}

}  // namespace morvask::test
