#include "reports/report.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "base/catalogue.h"
#include "core/settings.h"
#include "core/text_utils.h"

namespace morvask {

char Lijnteken(const RProgrammaInstellingen& instellingen) {
  return instellingen.EenHorzTeken.empty() ? ' ' : instellingen.EenHorzTeken[0];
}

std::string Lijn(const RProgrammaInstellingen& instellingen, int lengte) {
  return std::string(static_cast<std::size_t>(std::max(lengte, 0)), Lijnteken(instellingen));
}

std::string Lijneenheid(const RProgrammaInstellingen& instellingen) { return Lijn(instellingen, RapportKolombreedte); }

RapportTabel::RapportTabel(int kolommen, int rijen) { AantallenZetten(kolommen, rijen); }

void RapportTabel::AantallenZetten(int kolommen, int rijen) {
  kolommen = std::max(kolommen, 0);
  rijen = std::max(rijen, 0);
  std::vector<std::string> nieuw(static_cast<std::size_t>(kolommen) * static_cast<std::size_t>(rijen));
  const int k = std::min(kolommen, kolommen_);
  const int r = std::min(rijen, rijen_);
  for (int rij = 0; rij < r; ++rij)
    for (int kolom = 0; kolom < k; ++kolom)
      nieuw[static_cast<std::size_t>(rij) * kolommen + kolom] =
          std::move(cellen_[static_cast<std::size_t>(rij) * kolommen_ + kolom]);
  cellen_ = std::move(nieuw);
  kolommen_ = kolommen;
  rijen_ = rijen;
}

void RapportTabel::Zet(int kolom, int rij, std::string_view tekst) {
  if (kolom < 0 || rij < 0 || kolom >= kolommen_ || rij >= rijen_) return;
  cellen_[static_cast<std::size_t>(rij) * kolommen_ + kolom] = tekst;
}

const std::string& RapportTabel::Cel(int kolom, int rij) const {
  static const std::string leeg;
  if (kolom < 0 || rij < 0 || kolom >= kolommen_ || rij >= rijen_) return leeg;
  return cellen_[static_cast<std::size_t>(rij) * kolommen_ + kolom];
}

void RapportTabel::LeegMaken() {
  for (std::string& c : cellen_) c.clear();
}

bool RapportTabel::IsLeeg() const {
  return std::all_of(cellen_.begin(), cellen_.end(), [](const std::string& c) { return Bijsnijden(c).empty(); });
}

std::vector<std::string> RapportTabel::Weergave() const {
  std::vector<std::string> regels;
  regels.reserve(static_cast<std::size_t>(rijen_));
  for (int rij = 0; rij < rijen_; ++rij) {
    std::string regel;
    regel.reserve(static_cast<std::size_t>(kolommen_) * RapportKolombreedte);
    for (int kolom = 0; kolom < kolommen_; ++kolom)
      regel += TekstUitlijnen("R", Cel(kolom, rij), " ", RapportKolombreedte);
    regels.push_back(std::move(regel));
  }
  return regels;
}

void RapportTabel::RijVullen(int rij, const std::string& tekst) {
  for (int k = 0; k < KolomAantal(); ++k) Zet(k, rij, tekst);
}

void RapportBuffer::RegelsToevoegen(const std::vector<std::string>& regels) {
  regels_.insert(regels_.end(), regels.begin(), regels.end());
}

void RapportBuffer::RegelsOvernemen(std::vector<std::string>&& regels) {
  if (regels_.empty()) {
    regels_ = std::move(regels);
    return;
  }
  regels_.insert(regels_.end(), std::make_move_iterator(regels.begin()), std::make_move_iterator(regels.end()));
  regels.clear();
}

std::vector<std::string> RegelsVoorVenster(const std::vector<std::string>& regels) {
  std::vector<std::string> uit;
  uit.reserve(regels.size());
  for (const std::string& regel : regels) {
    // A CR, a CR LF (a language file's "\n") and a lone LF each end one line.
    std::size_t begin = 0;
    for (std::size_t i = 0; i < regel.size(); ++i) {
      if (regel[i] != '\r' && regel[i] != '\n') continue;
      uit.push_back(regel.substr(begin, i - begin));
      if (regel[i] == '\r' && i + 1 < regel.size() && regel[i + 1] == '\n') ++i;
      begin = i + 1;
    }
    uit.push_back(regel.substr(begin));
  }
  return uit;
}

std::string Rapportnummering::VolgendeCaption(const Catalogus& catalogus, std::string_view titel) {
  ++nummer_;
  return catalogus.Vul("AA00002", {std::to_string(nummer_), titel});
}

}  // namespace morvask
