#pragma once
// The lines of the match file ".mma", the result of one matching run: the title and the
// general information (the settings it ran with and the counts of its project), the routes,
// the match check (a line per accepted comparison, under the iteration headers) and the
// non-routes, up to "[**End**]". Written whole, through the atomic writer.

#include <string>
#include <string_view>
#include <vector>

#include "core/project.h"

namespace morvask {

struct RMatchInstellingen;

inline constexpr const char* MatchbestandTitel = "[Morvask matchfile]";
inline constexpr const char* MatchbestandVersie = "330";
// The two characters with a fixed role in route lines (Windows-1252 "ß" and "Í"); no
// registration may hold them.
inline constexpr char RouteScheiding = '\xDF';
inline constexpr char RouteEinde = '\xCD';

// The counts of the project a run works on, taken before anything is excluded.
struct RMatchProjectgegevens {
  int AantalRegistraties = 0;
  int AantalPosten = 0;
  std::string DoorrijtijdenSom = "0";  // SomDoorrijtijden
};

// What a run found, in the order found.
struct RMatchResultaat {
  std::vector<std::string> Routes;         // route lines
  std::vector<std::string> Matchcontrole;  // match-check lines with the iteration headers
  std::vector<std::string> NietRoutes;     // non-route lines
  bool Onderbroken = false;                // MiInterruptByUser
};

// The iterations of an iterative run, in their order.
enum class Iteratiesoort { Exact, Wildcards, Verwisseld, Verschillend };

// Lines 1-8: the title, an empty line, "[**General information**]", the file version, the
// description and the three project counts.
std::vector<std::string> MatchbestandKopregels(std::string_view omschrijving, const RMatchProjectgegevens& project);

// Lines 9-21: the settings keys "MiTimeFrom=" ... "MiInterruptByUser=".
std::vector<std::string> MatchbestandInstellingregels(const RMatchInstellingen& instellingen, bool onderbroken);

// A sighting of a route line, 13 characters: time, type and plate padded to six, separated
// by single spaces. Every field is padded to its width, so the layout holds for short fields.
std::string Waarneming(const RRegistratie& registratie);

// A route line: each point's post code and a space, "ß", each point's sighting and "ß",
// and "Í".
std::string RouteRegel(const std::vector<RRegistratie>& punten);

// A match-check line: the route end and the accepted registration ("post time type plate",
// the plate padded to six) joined by "  ->  ", then "   :  ", the difference in minutes
// right-aligned in four characters, the unit text (AA00166) and the remark, "-" when empty.
std::string MatchcontroleRegel(const RRegistratie& eind, const RRegistratie& volgende, int minuten,
                               std::string_view eenheid, std::string_view opmerking);

// The match-check header of an iteration: "Iteration 2: WithWildcards)" and so on.
std::string IteratieKop(int nummer, Iteratiesoort soort);

// A non-route line: the registration line, the plate not padded ("001-ki 0815 a 12ABC3").
std::string NietRouteRegel(const RRegistratie& registratie);

// Every line of the file, in order, up to "[**End**]".
// The result's lines are moved into the file's lines.
std::vector<std::string> MatchbestandRegels(const RMatchInstellingen& instellingen,
                                            const RMatchProjectgegevens& project, RMatchResultaat resultaat);

// Writes the lines whole or not at all (CR LF after each); false when it could not be written.
bool MatchbestandSchrijven(std::string_view bestandsnaam, const std::vector<std::string>& regels);

}  // namespace morvask
