#include "survey/silent_ui.h"

#include <cstdio>

namespace morvask::bench {
namespace {
int Toon(const std::string& tekst) {
  std::fprintf(stderr, "%s\n", tekst.c_str());
  return mrOK;
}
}  // namespace

int StilleUi::MeldingInformatie(const std::string&, const std::string&, const std::string& t, const std::string&) {
  return Toon(t);
}
int StilleUi::MeldingWaarschuwing(const std::string&, const std::string&, const std::string& t, const std::string&) {
  return Toon(t);
}
int StilleUi::MeldingFout(const std::string&, const std::string&, const std::string& t, const std::string&) {
  return Toon(t);
}

}  // namespace morvask::bench
