#include "oracle/reference_lookups.h"

#include <string>

#include "core/registration_list.h"
#include "core/times.h"

namespace morvask::test {

namespace {

// The first line of the pair, or nullptr.
const std::string* RegelVanPaar(const Project& project, std::string_view van, std::string_view naar) {
  for (const std::string& regel : project.Doorrijtijdentabel)
    if (HerkomstVanRegel(regel) == van && BestemmingVanRegel(regel) == naar) return &regel;
  return nullptr;
}

}  // namespace

std::optional<bool> BinnenDoorrijtijden(const Project& project, std::string_view van, std::string_view naar,
                                        std::string_view eerdereTijd, std::string_view latereTijd) {
  const std::string* regel = RegelVanPaar(project, van, naar);
  if (!regel) return false;
  const auto tijden = DoorrijtijdenVanRegel(*regel);
  const auto eerder = TijdNaarMinuten(eerdereTijd);
  const auto later = TijdNaarMinuten(latereTijd);
  if (!tijden || !eerder || !later) return std::nullopt;
  const int d = *later - *eerder;
  return tijden->Maximum != 0 && d >= 0 && tijden->Minimum <= d && d <= tijden->Maximum;
}

std::optional<bool> RelatieGeblokkeerd(const Project& project, bool controleren, std::string_view van,
                                       std::string_view naar) {
  if (!controleren) return false;
  const std::string* regel = RegelVanPaar(project, van, naar);
  if (!regel) return false;
  const auto maximum = MaximumVanRegel(*regel);
  if (!maximum) return std::nullopt;
  return *maximum == 0;
}

void GebruikteVerwijderenMetGeprobeerd(Project& project) {
  // The result of writing each kept registration as "B " or two spaces and its line with
  // every field at its width, and cutting it back: the fields without their padding, only the
  // tried mark kept.
  auto& lijst = project.Registratielijst;
  std::erase_if(lijst, [](const RRegistratie& r) { return r.Gebruikt; });
  for (RRegistratie& r : lijst) {
    RRegistratie terug(ZonderOpvulling(r.Post), ZonderOpvulling(r.Tijd), ZonderOpvulling(r.Voertuigtype),
                       ZonderOpvulling(r.Kenteken));
    terug.Geprobeerd = r.Geprobeerd;
    r = terug;
  }
}

}  // namespace morvask::test
