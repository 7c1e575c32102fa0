#pragma once
// Texts typed into a dialog field that end up on one line of the project file (descriptions,
// report texts, vehicle-type names). A line break inside such a text would split its line and
// corrupt the file, so control bytes are taken out before the text is stored.

#include <string>
#include <string_view>

namespace morvask {

// The text with every byte below 0x20 (CR, LF, NUL, tab, ...) replaced by a space, cut to at
// most maxLengte bytes.
std::string VeldTekst(std::string_view tekst, std::size_t maxLengte = std::string_view::npos);

}  // namespace morvask
