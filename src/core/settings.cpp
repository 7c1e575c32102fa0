#include "core/settings.h"

namespace morvask {

RProgrammaInstellingen StandaardInstellingen(const std::string& reservemap) {
  RProgrammaInstellingen s;
  s.Reservebestandendirectory = reservemap;
  return s;
}

}  // namespace morvask
