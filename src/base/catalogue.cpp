#include "base/catalogue.h"

namespace morvask {

std::string TekstVullen(std::string_view patroon, std::initializer_list<std::string_view> waarden) {
  std::string uit;
  uit.reserve(patroon.size() + 16);
  auto volgende = waarden.begin();
  for (std::size_t i = 0; i < patroon.size(); ++i) {
    const char c = patroon[i];
    if (c == '%' && i + 1 < patroon.size()) {
      if (patroon[i + 1] == 's') {
        if (volgende != waarden.end()) uit += *volgende++;
        ++i;
        continue;
      }
      if (patroon[i + 1] == '%') {
        uit += '%';
        ++i;
        continue;
      }
    }
    uit += c;
  }
  return uit;
}

Catalogus::Catalogus() { InstellenDynamischeTekstenBasis(); }

void Catalogus::InstellenDynamischeTekstenBasis() {
  teksten_.clear();
  for (const auto& s : CatalogusStandaarden()) teksten_.emplace(s.sleutel, s.tekst);
}

const std::string& Catalogus::operator[](std::string_view sleutel) const {
  static const std::string leeg;
  auto it = teksten_.find(sleutel);
  return it == teksten_.end() ? leeg : it->second;
}

std::string Catalogus::Vul(std::string_view sleutel, std::initializer_list<std::string_view> waarden) const {
  return TekstVullen((*this)[sleutel], waarden);
}

bool Catalogus::Zet(std::string_view sleutel, std::string tekst) {
  auto it = teksten_.find(sleutel);
  if (it == teksten_.end()) return false;
  it->second = std::move(tekst);
  return true;
}

bool Catalogus::Bestaat(std::string_view sleutel) const { return teksten_.find(sleutel) != teksten_.end(); }

std::vector<std::string> Catalogus::Sleutels() const {
  std::vector<std::string> uit;
  for (const auto& s : CatalogusStandaarden()) uit.emplace_back(s.sleutel);
  return uit;
}

VasteTeksten VasteTekstenInstellen(std::string_view huidigeTaal) {
  const bool nederlands = huidigeTaal == IngebouwdeTaal;
  VasteTeksten t;
  t.BestandNietGevonden = "File not found: \"%s\"";
  t.MapNietGevonden = "Folder not found: \"%s\"";
  t.HerstartVoorTaal = "Restart %s to activate the language.\r\rStart %s opnieuw op om de taal te activeren.";
  t.BuildRegel = "Build: %s";
  t.NieuwProjectNaam = nederlands ? "Nieuw" : "New";
  t.LeesMijBestand = nederlands ? "LeesMij.txt" : "ReadMe.txt";
  t.VersieRegel = nederlands ? "Versie %s" : "Version %s";
  return t;
}

}  // namespace morvask
