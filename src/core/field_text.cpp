#include "core/field_text.h"

namespace morvask {

std::string VeldTekst(std::string_view tekst, std::size_t maxLengte) {
  std::string uit(tekst.substr(0, maxLengte));
  for (char& c : uit)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  return uit;
}

}  // namespace morvask
