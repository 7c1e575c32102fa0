#pragma once
// File access for the library. File names are Windows-1252 texts like every other text of
// the library; they are converted to the native (UTF-8) form only here.
//
// Every file the program writes goes through BestandAtomischSchrijven: the content goes to a
// temporary file in the same folder, which is renamed over the target when complete, so a
// crash or a full disk never leaves half a file.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvask {

std::filesystem::path NaarPad(std::string_view bestandsnaam);
std::string VanPad(const std::filesystem::path& pad);

bool BestandBestaat(std::string_view bestandsnaam);
bool MapBestaat(std::string_view map);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> BestandLezen(std::string_view bestandsnaam);

// Splits a text into lines ended by LF or CR LF; a lone CR is an ordinary character. A final
// line without line end counts; a text that ends with a line end has no empty line after it.
std::vector<std::string> RegelsSplitsen(std::string_view tekst);
// The same lines as views into the text, for readers of large files: no line is copied. The
// views are valid as long as the text is.
std::vector<std::string_view> RegelsDelen(std::string_view tekst);

// Joins lines, each followed by CR LF.
std::string RegelsSamenvoegen(const std::vector<std::string>& regels);

// Writes the file whole or not at all; false when it could not be written. An existing
// target that is read-only is left as it is (false); a replaced target keeps its permissions.
bool BestandAtomischSchrijven(std::string_view bestandsnaam, std::string_view inhoud);
bool RegelsAtomischSchrijven(std::string_view bestandsnaam, const std::vector<std::string>& regels);

// The name without its extension (the folder part keeps its dots).
std::string ZonderExtensie(std::string_view bestandsnaam);
// The extension with its dot, or empty.
std::string Extensie(std::string_view bestandsnaam);
// The last part of the name (after the last separator).
std::string AlleenNaam(std::string_view bestandsnaam);

}  // namespace morvask
