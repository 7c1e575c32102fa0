#pragma once
// The vehicle-type dialog's rules: its eight fields filled from the project and applied back.
// The letters are fixed ("almzbour", in this order); their descriptions belong to the project.

#include <array>
#include <string>

#include "base/context.h"
#include "core/project.h"

namespace morvask {

// The eight description fields in the order "almzbour", with their modified marks.
struct RVoertuigtypeVelden {
  std::array<std::string, 8> Omschrijving;
  std::array<bool, 8> Gewijzigd{};
};

// The fields as the dialog opens: the current descriptions, nothing marked modified.
RVoertuigtypeVelden VoertuigtypeVeldenVullen(const Project& project);

// "&OK": only when a field is marked modified, stores all eight - a field that is empty after
// trimming stores its letter, any other its text as typed (line breaks made spaces) - marks
// the project changed and asks for menu code 11. Returns true when something was stored.
bool VoertuigtypenToepassen(Context& ctx, const RVoertuigtypeVelden& velden);

}  // namespace morvask
