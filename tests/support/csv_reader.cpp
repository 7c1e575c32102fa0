#include "support/csv_reader.h"

namespace morvask::test {

std::optional<CsvRecords> CsvLezen(std::string_view tekst, std::string* reden) {
  const auto fout = [&](const std::string& waarom, std::size_t i) -> std::optional<CsvRecords> {
    if (reden) *reden = waarom + " at byte " + std::to_string(i);
    return std::nullopt;
  };
  CsvRecords records;
  std::vector<std::string> record;
  std::string veld;
  std::size_t i = 0;
  while (i < tekst.size()) {
    if (tekst[i] == '"') {  // a quoted field
      for (++i;; ++i) {
        if (i >= tekst.size()) return fout("unclosed quote", i);
        if (tekst[i] != '"') {
          veld += tekst[i];
        } else if (i + 1 < tekst.size() && tekst[i + 1] == '"') {
          veld += '"';
          ++i;
        } else {
          ++i;
          break;
        }
      }
    } else {
      while (i < tekst.size() && tekst[i] != ',' && tekst[i] != '\r' && tekst[i] != '\n') {
        if (tekst[i] == '"') return fout("quote inside an unquoted field", i);
        veld += tekst[i++];
      }
    }
    record.push_back(std::move(veld));
    veld.clear();
    if (i < tekst.size() && tekst[i] == ',') {
      ++i;
      if (i == tekst.size()) return fout("no record end after a comma", i);
      continue;
    }
    if (tekst.substr(i, 2) != "\r\n") return fout("a record not ended by CR LF", i);
    i += 2;
    if (!records.empty() && record.size() != records.front().size()) return fout("a record of another length", i);
    records.push_back(std::move(record));
    record.clear();
  }
  return records;
}

}  // namespace morvask::test
