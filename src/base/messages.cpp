#include "base/messages.h"

#include "base/catalogue.h"

namespace morvask {

void ToonInformatie(Gebruikersinterface& ui, const Catalogus& cat, const std::string& tekst, const std::string& titel) {
  ui.MeldingInformatie(Programmanaam, titel, tekst, cat["ZB00020"]);
}

void ToonWaarschuwing(Gebruikersinterface& ui, const Catalogus& cat, const std::string& tekst,
                      const std::string& titel) {
  ui.MeldingWaarschuwing(Programmanaam, titel, tekst, cat["ZB00020"]);
}

void ToonFout(Gebruikersinterface& ui, const Catalogus& cat, const std::string& tekst, const std::string& titel) {
  ui.MeldingFout(Programmanaam, titel, tekst, cat["ZB00020"]);
}

bool VraagBevestiging(Gebruikersinterface& ui, const Catalogus& cat, const std::string& titel, const std::string& tekst,
                      std::string_view jaSleutel, std::string_view neeSleutel) {
  return ui.VraagJaNeeAnnuleren(Programmanaam, titel, tekst, skNee, cat["ZB00013"], cat[neeSleutel], cat[jaSleutel]) ==
         mrJa;
}

std::string AlgemeneFoutGeenGetal(std::string_view waarde) {
  return "\"" + std::string(waarde) + "\" is geen geldig geheel getal.";
}

}  // namespace morvask
