#pragma once
// The block of lines that opens every comparison report: the settings the match file was
// made with, the vehicle-type selection of the report and the comparison period, and the
// legend of the comparison codes that end each pair line.

#include <string>
#include <vector>

#include "analysis/comparison_lists.h"
#include "analysis/match_file_reader.h"

namespace morvask {

class Catalogus;
struct RProjectgegevens;

// "- Voertuigtype(n): " followed by "alle voertuigen." with every box on, else by the name
// and letter of each selected type ("Auto (a), "); a line over 80 characters is split once
// after the first ", " that starts at character 81 or later (when text follows it), the
// second line indented by two blanks; the last ", " becomes ".". With no box on the line is
// the label alone.
std::vector<std::string> VoertuigtypeRegels(const RVoertuigtypeKeuze& keuze, const RProjectgegevens& gegevens,
                                            const Catalogus& catalogus);

// The settings block, its empty last line included.
std::vector<std::string> VergelijkingsinstellingenTekst(const RMatchInstellingen& instellingen,
                                                        const RVoertuigtypeKeuze& keuze,
                                                        const RProjectgegevens& gegevens, const Catalogus& catalogus);

// The legend of the comparison codes: an empty line, the heading and five code lines.
std::vector<std::string> VerklaringVergelijking(const Catalogus& catalogus);

}  // namespace morvask
