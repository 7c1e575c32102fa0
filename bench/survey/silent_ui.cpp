#include "survey/silent_ui.h"

#include <cstdio>

namespace morvask::bench {
namespace {
ModaalResultaat Toon(const std::string& tekst) {
  std::fprintf(stderr, "%s\n", tekst.c_str());
  return mrOK;
}
}  // namespace

ModaalResultaat StilleUi::MeldingInformatie(const std::string&, const std::string&, const std::string& t,
                                            const std::string&) {
  return Toon(t);
}
ModaalResultaat StilleUi::MeldingWaarschuwing(const std::string&, const std::string&, const std::string& t,
                                              const std::string&) {
  return Toon(t);
}
ModaalResultaat StilleUi::MeldingFout(const std::string&, const std::string&, const std::string& t,
                                      const std::string&) {
  return Toon(t);
}

}  // namespace morvask::bench
