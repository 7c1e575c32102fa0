#include "base/user_interface.h"

#include "base/catalogue.h"

namespace morvask {

void Gebruikersinterface::AfbrekenAangevraagd(const Catalogus& catalogus) {
  const int antwoord = VraagJaNeeAnnuleren(Programmanaam, "", catalogus["AA00034"], skNee, catalogus["ZB00013"],
                                           catalogus["ZB00015"], catalogus["ZB00014"]);
  if (antwoord == mrJa) BerekeningAfbreken = true;
}

}  // namespace morvask
