#pragma once
// The command line of morvask-cli: COMMAND [OPTIONS] ARGUMENTS, options anywhere, long
// options as "--name value" or "--name=value", "--" ends the options.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace morvask::cli {

// An option with what --help and the manual page say of it.
struct OptieDefinitie {
  std::string naam;       // long name without dashes, "output"
  char kort = 0;          // short name, 'o', or 0
  std::string waarde;     // the name of its value in the help, "FILE"; empty for a flag
  std::string betekenis;  // what it does
  std::string standaard;  // what holds without it; empty when nothing needs saying

  bool MetWaarde() const { return !waarde.empty(); }
};

struct Argumenten {
  std::string opdracht;
  std::vector<std::string> posities;                       // the positional arguments
  std::map<std::string, std::vector<std::string>> opties;  // long name -> values (flags: one empty value)

  bool Heeft(const std::string& naam) const { return opties.count(naam) > 0; }
  // The last value of an option.
  std::optional<std::string> Waarde(const std::string& naam) const;
};

// Parses the arguments after the command against the given definitions. On wrong usage
// returns nothing and sets the reason.
std::optional<Argumenten> ArgumentenLezen(const std::string& opdracht, const std::vector<std::string>& args,
                                          const std::vector<OptieDefinitie>& definities, std::string& fout);

}  // namespace morvask::cli
