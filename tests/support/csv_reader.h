#pragma once
// A strict reader of RFC 4180 CSV, to read back what the program writes: records ended by
// CR LF, fields separated by commas, a quoted field with its inner quotes doubled. Anything
// else (a bare LF, a quote inside an unquoted field, text after a closing quote, records of
// different lengths) is refused.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvask::test {

using CsvRecords = std::vector<std::vector<std::string>>;

// The records of the text, or nothing (with the reason) when it is not such CSV.
std::optional<CsvRecords> CsvLezen(std::string_view tekst, std::string* reden = nullptr);

}  // namespace morvask::test
