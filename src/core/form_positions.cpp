#include "core/form_positions.h"

#include "core/text_utils.h"

namespace morvask {

namespace {

// The text after the first "<letter>:" of the entry's value part, up to the next ";".
std::string Veld(std::string_view waarde, char letter) {
  const char sleutel[3] = {letter, ':', '\0'};
  const std::size_t p = waarde.find(sleutel);
  if (p == std::string_view::npos) return {};
  const std::size_t begin = p + 2;
  const std::size_t eind = waarde.find(';', begin);
  return std::string(waarde.substr(begin, eind == std::string_view::npos ? std::string_view::npos : eind - begin));
}

bool OpBureaublad(long long x, long long y, const RRechthoek& r) {
  return x >= r.Links && x < r.Rechts && y >= r.Boven && y < r.Onder;
}

}  // namespace

std::string FormPositieRegel(const RVenster& v) {
  return v.Naam + "=M:" + (v.Gemaximaliseerd ? "1" : "0") + ";L:" + std::to_string(v.Links) +
         ";T:" + std::to_string(v.Boven) + ";W:" + std::to_string(v.Breedte) + ";H:" + std::to_string(v.Hoogte);
}

std::string FormPositieNaam(std::string_view regel) {
  const std::size_t is = regel.find('=');
  if (is == std::string_view::npos) return {};
  return std::string(regel.substr(0, is));
}

void FormPositieOpslaan(std::vector<std::string>& posities, const RVenster& venster) {
  if (venster.Links == 0 && venster.Boven == 0) return;
  std::string regel = FormPositieRegel(venster);
  for (auto& p : posities) {
    if (p.find('=') != std::string::npos && FormPositieNaam(p) == venster.Naam) {
      p = std::move(regel);
      return;
    }
  }
  posities.push_back(std::move(regel));
}

void FormPositieOpslaan(std::vector<std::string>& posities, const std::vector<RVenster>& vensters) {
  for (const auto& v : vensters) FormPositieOpslaan(posities, v);
}

bool FormPositieHerstellen(std::vector<std::string>& posities, RVenster& venster, const RRechthoek& bureaublad) {
  auto it = posities.begin();
  for (; it != posities.end(); ++it)
    if (it->find('=') != std::string::npos && FormPositieNaam(*it) == venster.Naam) break;
  if (it == posities.end()) return false;

  const std::string regel = std::move(*it);
  posities.erase(it);

  const std::string_view waarde = std::string_view(regel).substr(regel.find('=') + 1);
  const bool maximaal = Veld(waarde, 'M') == "1";
  const int links = NaarGetal(Veld(waarde, 'L'), 0);
  const int boven = NaarGetal(Veld(waarde, 'T'), 0);
  const int breedte = NaarGetal(Veld(waarde, 'W'), 0);
  const int hoogte = NaarGetal(Veld(waarde, 'H'), 0);

  if (maximaal) {
    venster.Gemaximaliseerd = true;
    return false;
  }
  venster.Gemaximaliseerd = false;
  // A window whose top-left corner lies off every monitor would be out of reach; a stored
  // size that is not positive cannot be a real window.
  if (!OpBureaublad(static_cast<long long>(links) + 20, static_cast<long long>(boven) + 20, bureaublad)) return false;
  if (breedte <= 0 || hoogte <= 0) return false;

  venster.Links = links;
  venster.Boven = boven;
  if (venster.SchaalbareRand) {
    venster.Breedte = breedte;
    venster.Hoogte = hoogte;
  }
  return true;
}

}  // namespace morvask
