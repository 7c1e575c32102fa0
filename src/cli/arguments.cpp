#include "cli/arguments.h"

namespace morvask::cli {

std::optional<std::string> Argumenten::Waarde(const std::string& naam) const {
  auto it = opties.find(naam);
  if (it == opties.end() || it->second.empty()) return std::nullopt;
  return it->second.back();
}

std::optional<Argumenten> ArgumentenLezen(const std::string& opdracht, const std::vector<std::string>& args,
                                          const std::vector<OptieDefinitie>& definities, std::string& fout) {
  Argumenten a;
  a.opdracht = opdracht;
  bool alleenPosities = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (alleenPosities || arg.size() < 2 || arg[0] != '-') {
      a.posities.push_back(arg);
      continue;
    }
    if (arg == "--") {
      alleenPosities = true;
      continue;
    }
    const OptieDefinitie* def = nullptr;
    std::optional<std::string> ingebed;
    std::string getoond = arg;
    if (arg[1] == '-') {
      std::string naam = arg.substr(2);
      const auto is = naam.find('=');
      if (is != std::string::npos) {
        ingebed = naam.substr(is + 1);
        naam = naam.substr(0, is);
        getoond = "--" + naam;
      }
      for (const auto& d : definities)
        if (d.naam == naam) def = &d;
    } else {
      if (arg.size() > 2) {
        ingebed = arg.substr(2);
        getoond = arg.substr(0, 2);
      }
      for (const auto& d : definities)
        if (d.kort != 0 && d.kort == arg[1]) def = &d;
    }
    if (!def) {
      fout = "unknown option '" + getoond + "'";
      return std::nullopt;
    }
    if (!def->MetWaarde()) {
      if (ingebed) {
        fout = "option '" + getoond + "' takes no value";
        return std::nullopt;
      }
      a.opties[def->naam].push_back("");
      continue;
    }
    if (ingebed) {
      a.opties[def->naam].push_back(*ingebed);
    } else if (i + 1 < args.size()) {
      a.opties[def->naam].push_back(args[++i]);
    } else {
      fout = "option '" + getoond + "' needs a value";
      return std::nullopt;
    }
  }
  return a;
}

}  // namespace morvask::cli
