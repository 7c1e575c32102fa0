#include "base/version.h"

#ifndef MORVASK_BUILD_NUMBER
#define MORVASK_BUILD_NUMBER 0
#endif

namespace morvask {

std::string Hoofdversie() {
  return std::to_string(MORVASK_VERSION_MAJOR) + "." + std::to_string(MORVASK_VERSION_MINOR);
}

std::string VolledigeVersie() { return Hoofdversie() + "." + std::to_string(MORVASK_VERSION_PATCH); }

int Buildnummer() { return MORVASK_BUILD_NUMBER; }

}  // namespace morvask
