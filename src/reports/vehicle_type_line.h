#pragma once
// The vehicle-type line of the reports that select vehicle types (the intensities report and
// the settings block of the comparison reports): "- Voertuigtype(n): " followed by
// "alle voertuigen." or by the chosen types.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace morvask {

class Catalogus;
struct RProjectgegevens;

// The eight vehicle-type boxes of a window, in the order a, l, m, z, b, o, u, r.
using Voertuigtypekeuze = std::array<bool, 8>;
inline constexpr Voertuigtypekeuze AlleVoertuigtypen = {true, true, true, true, true, true, true, true};

// The boxes of the letters in the text (each of "almzbour", any order); false when the text
// holds another character.
bool VoertuigtypekeuzeUitLetters(std::string_view letters, Voertuigtypekeuze& keuze);

// One or two lines. With every box on: "- Voertuigtype(n): " (AA00053) and "alle voertuigen."
// (AA00054). Otherwise AA00053 followed, for each box that is on, by the project's name of the
// type, a blank, the letter in parentheses and ", "; the final ", " becomes "." (with no box
// on the line is AA00053 alone). A line longer than 80 characters is split once, after the
// first ", " that starts at character 81 or later, when text follows it; the second line
// starts with two blanks.
std::vector<std::string> VoertuigtypeRegels(const RProjectgegevens& gegevens, const Catalogus& catalogus,
                                            const Voertuigtypekeuze& keuze);

}  // namespace morvask
