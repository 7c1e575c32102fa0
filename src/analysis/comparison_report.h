#pragma once
// The comparison report window's "&Rapport": the match file is found and read, checked
// against the open project (question AA00101), its lists are filled with the window's
// vehicle-type choice and the chosen report is made.

#include <optional>
#include <string_view>

#include "analysis/comparison_lists.h"
#include "analysis/match_file_reader.h"
#include "analysis/routes_report.h"
#include "reports/report.h"

namespace morvask {

struct Context;
struct Project;

// " Type rapport: ".
enum class Vergelijkingsrapporttype {
  Overzicht,      // "Vergelijkingsover&zicht"
  DHB,            // "Matrix &doorgaand, herkomst en bestemmingsverkeer (DHB)"
  Doorrijtijden,  // "Matrix ge&middelde doorrijtijden"
  Routes,         // "Lijst van rou&tes"
  NietRoutes,     // "Lijst van &niet-routes"
};

// The options of the comparison report window.
struct RVergelijkingsrapportOpties {
  Vergelijkingsrapporttype Type = Vergelijkingsrapporttype::Overzicht;
  RVoertuigtypeKeuze Voertuigtypen;       // "Voertuigtypen" tab
  bool Routematrix = false;               // "DHB-matrix" tab
  bool DoorrijtijdenDetaillijst = false;  // "Doorrijtijden" tab
  RRoutesOpties Routes;                   // "Routes" tab (the posts' marks are in the project)
  bool NietRoutesDetaillijst = false;     // "Niet-routes" tab
};

// Whether the match file was made from the project as it is: the same number of
// registrations and of posts, and the same travel-time sum unless the file stores none.
bool MatchbestandHoortBijProject(const RMatchbestand& bestand, const Project& project);

// Makes the chosen report from the named match file. Nothing (and no report) when the file
// does not exist ("Bestand "%s" niet gevonden.", AA00100), cannot be read ("Kan bestand %s
// niet openen.", AA00035) or belongs to another state of the project and the question
// AA00101 is not answered "&Ja".
std::optional<Rapport> VergelijkingsrapportMaken(RapportBuffer& buffer, const Context& ctx,
                                                 std::string_view bestandsnaam,
                                                 const RVergelijkingsrapportOpties& opties);

// The chosen report from a match file already read and accepted.
Rapport VergelijkingsrapportUitBestand(RapportBuffer& buffer, const Context& ctx, const RMatchbestand& bestand,
                                       const RVergelijkingsrapportOpties& opties);

}  // namespace morvask
