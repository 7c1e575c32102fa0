#pragma once
// The message dialogs as every operation shows them: caption "Morvask", the catalogue's
// "&OK" button, and the questions with their affirmative, negative and "&Annuleren" buttons.

#include <string>
#include <string_view>

#include "base/user_interface.h"

namespace morvask {

class Catalogus;

void ToonInformatie(Gebruikersinterface& ui, const Catalogus& cat, const std::string& tekst,
                    const std::string& titel = "");
void ToonWaarschuwing(Gebruikersinterface& ui, const Catalogus& cat, const std::string& tekst,
                      const std::string& titel = "");
void ToonFout(Gebruikersinterface& ui, const Catalogus& cat, const std::string& tekst, const std::string& titel = "");

// A question whose only proceeding answer is the affirmative button; the negative button is
// the default. Returns true on the affirmative answer. The button captions are catalogue keys.
bool VraagBevestiging(Gebruikersinterface& ui, const Catalogus& cat, const std::string& titel, const std::string& tekst,
                      std::string_view jaSleutel, std::string_view neeSleutel);

// The program's general error message for a value that should have been a whole number.
std::string AlgemeneFoutGeenGetal(std::string_view waarde);

}  // namespace morvask
