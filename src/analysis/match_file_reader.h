#pragma once
// Reading a match file (".mma") back for the comparison reports: the description, the project
// counts by which the file is checked against the open project, the comparison settings it
// was made with and the lines of its three sections.
//
// Section headers are recognised in any letter case and with trailing blanks or control
// characters. The reader never trusts the file: a missing section gives an empty list, a key whose value
// is not a whole number reads as 0, a missing key keeps its default (0 / no), and lines are
// kept as they stand (the reports cut them at fixed positions with bounds checks of their own).

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvask {

// The comparison settings of the general section. A yes/no key is yes exactly when its value
// is "1"; every report starts from these defaults.
struct RMatchbestandInstellingen {
  int MiTimeFrom = 0;   // hhmm as a whole number, inclusive
  int MiTimeUntil = 0;  // hhmm as a whole number, exclusive
  bool MiCorrectionPreAftPeriod = false;
  int MiNumberChar = 0;
  bool MiNoCaseDifference = false;
  bool MiIterative = false;
  bool MiWithWildcards = false;
  int MiNumberChangedChar = 0;
  int MiNumberDifferentChar = 0;
  bool MiWithMissedLicenses = false;
  bool MiNoInsidePosts = false;
  bool MiCheckBlockFirstPost = false;
  bool MiInterruptByUser = false;
};

struct RMatchbestand {
  // The value of the last "FileDescription=" line before "[**Routes**]".
  std::string Omschrijving;
  // Of the general section; 0 / empty when absent.
  int ProjectNumberOfRegistrations = 0;
  int ProjectNumberOfPosts = 0;
  std::string ProjectTravelTimesSum;
  RMatchbestandInstellingen Instellingen;

  // The section lines as they stand in the file, empty lines included, as views into the
  // file's text, which the value keeps (copies share it):
  // after "[**Routes**]" up to "[**Match check**]";
  std::vector<std::string_view> Routes;
  // after "[**Match check**]" up to the next line that begins with "[**";
  std::vector<std::string_view> Vergelijkingscontrole;
  // after "[**Non-routes**]" up to "[**End**]".
  // A section whose end line is missing runs to the end of the file.
  std::vector<std::string_view> NietRoutes;

  std::shared_ptr<const std::string> Inhoud;  // the text the views point into

  // The file reaches its last line, "[**End**]": a file that ends before it (a run that was
  // killed while an older writer wrote it, a copy broken off) is no comparison to report.
  bool Volledig = false;
};

// Section and key names of the match file.
inline constexpr std::string_view MatchTitel = "[Morvask matchfile]";
inline constexpr std::string_view SectieAlgemeen = "[**General information**]";
inline constexpr std::string_view SectieRoutes = "[**Routes**]";
inline constexpr std::string_view SectieVergelijkingscontrole = "[**Match check**]";
inline constexpr std::string_view SectieNietRoutes = "[**Non-routes**]";
inline constexpr std::string_view SectieEinde = "[**End**]";

// Reads the match file from its text (lines ended by CR LF or LF).
RMatchbestand MatchbestandUitTekst(std::string tekst);

// Reads the named match file; empty when it cannot be read.
std::optional<RMatchbestand> MatchbestandLezen(std::string_view bestandsnaam);

}  // namespace morvask
