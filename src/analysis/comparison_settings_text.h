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
class RapportBuffer;
struct Context;
struct RProjectgegevens;

// What every comparison report is made from: the settings read from the match file, the
// report window's vehicle-type choice, and the three lists filled with that choice.
struct RVergelijkingsgegevens {
  RMatchbestandInstellingen Instellingen;
  RVoertuigtypeKeuze Keuze;
  RVergelijkingslijsten Lijsten;
};

// The settings block, its empty last line included: the period, the comparison settings of
// the file, the vehicle-type line of the report's boxes, the at-least-one or majority rule,
// the posts and block settings, the interruption warning when the run was interrupted.
std::vector<std::string> VergelijkingsinstellingenTekst(const RMatchbestandInstellingen& instellingen,
                                                        const RVoertuigtypeKeuze& keuze,
                                                        const RProjectgegevens& gegevens, const Catalogus& catalogus);

// The opening of every comparison report: the header, the report's title line, an empty
// line and the settings block.
void VergelijkingsrapportKop(RapportBuffer& buffer, const Context& ctx, const std::string& titelregel,
                             const RVergelijkingsgegevens& gegevens);

// The legend of the comparison codes: an empty line, the heading and five code lines.
std::vector<std::string> VerklaringVergelijking(const Catalogus& catalogus);

}  // namespace morvask
