#include "analysis/travel_time_pairs.h"

#include "core/registration_list.h"

namespace morvask {

Doorrijtijdparen::Doorrijtijdparen(const Project& project) {
  std::vector<std::string_view> codes;
  for (const RRegistratie& r : project.Registratielijst) {
    const auto [plek, nieuw] = nummers_.try_emplace(r.Post.str(), static_cast<int>(codes.size()));
    if (nieuw) codes.push_back(plek->first);
  }

  // The largest maximum per origin; a line whose maximum cannot be read makes the origin's
  // answer unknown, which the search takes as 0.
  struct Grootste {
    int waarde = 0;
    bool gezien = false;
    bool onleesbaar = false;
  };
  std::vector<Grootste> grootste(codes.size());
  Grootste alle;
  auto meetellen = [](Grootste& g, const std::optional<int>& maximum) {
    if (!maximum) {
      g.onleesbaar = true;
      return;
    }
    if (!g.gezien || *maximum > g.waarde) g.waarde = *maximum;
    g.gezien = true;
  };

  for (const std::string& regel : project.Doorrijtijdentabel) {
    const std::optional<int> maximum = MaximumVanRegel(regel);
    meetellen(alle, maximum);
    const auto van = nummers_.find(std::string(HerkomstVanRegel(regel)));
    if (van == nummers_.end()) continue;
    meetellen(grootste[static_cast<std::size_t>(van->second)], maximum);
    const auto naar = nummers_.find(std::string(BestemmingVanRegel(regel)));
    if (naar == nummers_.end()) continue;
    // Of several lines for one pair the first counts.
    const auto tijden = DoorrijtijdenVanRegel(regel);
    paren_.try_emplace(Sleutel(van->second, naar->second),
                       Paar{maximum, tijden ? std::optional<int>(tijden->Minimum) : std::nullopt});
  }

  constexpr std::size_t GrootsteTabel = 1024;  // posts; a table of a million pointers at most
  if (codes.size() <= GrootsteTabel) {
    breedte_ = codes.size();
    tabel_.assign(breedte_ * breedte_, nullptr);
    for (const auto& [sleutel, paar] : paren_)
      tabel_[static_cast<std::size_t>(sleutel >> 32) * breedte_ + static_cast<std::uint32_t>(sleutel)] = &paar;
  }

  grootsteMaximum_.resize(codes.size());
  for (std::size_t i = 0; i < codes.size(); ++i) {
    // The code "*" stands for every origin in the table's own question.
    const Grootste& g = codes[i] == "*" ? alle : grootste[i];
    grootsteMaximum_[i] = g.onleesbaar ? 0 : g.waarde;
  }
}

int Doorrijtijdparen::Postnummer(std::string_view post) const {
  const auto plek = nummers_.find(std::string(post));
  return plek == nummers_.end() ? -1 : plek->second;
}

const Doorrijtijdparen::Paar* Doorrijtijdparen::PaarVan(int van, int naar) const {
  if (breedte_ > 0) {
    if (van < 0 || naar < 0) return nullptr;
    return tabel_[static_cast<std::size_t>(van) * breedte_ + static_cast<std::size_t>(naar)];
  }
  const auto plek = paren_.find(Sleutel(van, naar));
  return plek == paren_.end() ? nullptr : &plek->second;
}

bool Doorrijtijdparen::Past(int van, int naar, int verschil) const {
  const Paar* paar = PaarVan(van, naar);
  if (!paar || !paar->maximum || !paar->minimum) return false;
  return *paar->maximum != 0 && verschil >= 0 && *paar->minimum <= verschil && verschil <= *paar->maximum;
}

bool Doorrijtijdparen::Geblokkeerd(int van, int naar) const {
  const Paar* paar = PaarVan(van, naar);
  if (!paar) return false;
  return !paar->maximum || *paar->maximum == 0;
}

}  // namespace morvask
