#include "analysis/match_file_description.h"

#include <fstream>

#include "analysis/match_file_reader.h"
#include "core/text_utils.h"

namespace morvask {

std::string MatchbestandOmschrijving(std::string_view bestandsnaam) {
  std::string omschrijving;
  std::ifstream bestand{std::string(bestandsnaam), std::ios::binary};
  if (!bestand) return omschrijving;
  std::string regel;
  while (std::getline(bestand, regel)) {
    if (!regel.empty() && regel.back() == '\r') regel.pop_back();
    if (regel == SectieRoutes) break;
    SleutelWaarde(regel, "FileDescription", omschrijving);
  }
  return omschrijving;
}

}  // namespace morvask
