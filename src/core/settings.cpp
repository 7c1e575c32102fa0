#include "core/settings.h"

namespace morvask {

RProgrammaInstellingen StandaardInstellingen(const std::string& tijdelijkeMap) {
  RProgrammaInstellingen s;
  s.Reservebestandendirectory = tijdelijkeMap;
  return s;
}

}  // namespace morvask
