#pragma once
// The description of a match file as the comparison report window shows it beside the file's
// name: read from the lines before the route section only, so that naming a large match file
// does not read it whole.

#include <string>
#include <string_view>

namespace morvask {

// The value of the last "FileDescription=" line (key in any letter case) before the line
// "[**Routes**]", or before the end of the file; empty when the file cannot be opened or holds
// no such line.
std::string MatchbestandOmschrijving(std::string_view bestandsnaam);

}  // namespace morvask
