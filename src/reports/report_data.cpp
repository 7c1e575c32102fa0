#include "reports/report_data.h"

#include "core/text_utils.h"

namespace morvask {

namespace {

bool MoetTussenAanhalingstekens(const std::string& tekst) {
  if (tekst.find_first_of(",\"\r\n") != std::string::npos) return true;
  return !tekst.empty() && (tekst.front() == ' ' || tekst.back() == ' ');
}

void VeldToevoegen(std::string& uit, const std::string& tekst) {
  if (!MoetTussenAanhalingstekens(tekst)) {
    uit += tekst;
    return;
  }
  uit += '"';
  for (const char c : tekst) {
    if (c == '"') uit += '"';
    uit += c;
  }
  uit += '"';
}

void VeldToevoegen(std::string& uit, const Gegevensveld& veld) {
  if (const long long* getal = std::get_if<long long>(&veld))
    uit += std::to_string(*getal);
  else
    VeldToevoegen(uit, std::get<std::string>(veld));
}

template <typename Veld>
void RijToevoegen(std::string& uit, const std::vector<Veld>& velden) {
  for (std::size_t i = 0; i < velden.size(); ++i) {
    if (i > 0) uit += ',';
    VeldToevoegen(uit, velden[i]);
  }
  uit += "\r\n";
}

}  // namespace

Gegevensveld GetalOfTekst(const std::string& tekst) {
  int getal = 0;
  if (ProbeerGetal(tekst, getal)) return static_cast<long long>(getal);
  return tekst;
}

std::string GegevensAlsCsv(const RapportGegevens& gegevens) {
  std::string uit;
  RijToevoegen(uit, gegevens.Kolommen);
  for (const auto& rij : gegevens.Rijen) RijToevoegen(uit, rij);
  return uit;
}

}  // namespace morvask
