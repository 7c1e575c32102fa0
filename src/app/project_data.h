#pragma once
// The project data dialog's rules: what it shows of the open project, the check of the two
// special plate characters on every change of their fields, and the applying of its fields
// on "&OK". The window only collects its fields and calls these.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/context.h"
#include "core/project.h"

namespace morvask {

inline constexpr int MinimaalWaarnemingsinterval = 1;
inline constexpr int MaximaalWaarnemingsinterval = 30000;
inline constexpr std::size_t MaximaleProjecttekstLengte = 250;  // description and report texts
inline constexpr const char* StandaardWildcardKarakter = "#";
inline constexpr const char* StandaardGemistKentekenKarakter = "*";

// The size of the project as the " Data: " group shows it.
struct RProjectOverzicht {
  int AantalPosten = 0;
  int AantalRegistraties = 0;
  std::array<std::string, 8> Voertuigtypenamen;  // in the order "almzbour"
  std::array<int, 8> AantalPerVoertuigtype{};
};

RProjectOverzicht ProjectOverzicht(const Project& project);

// The captions of the " Data: " group, Label3 and Label5 of the dialog, in Dutch.
inline constexpr const char* ProjectgegevensSchermNaam = "ProjectgegevensForm1";
inline constexpr const char* AantalPostenLabel = "Label3";
inline constexpr const char* AantalPostenTekst = "Aantal waarnemingsposten in project:";
inline constexpr const char* AantalRegistratiesLabel = "Label5";
inline constexpr const char* AantalRegistratiesTekst = "Totaal aantal registraties in project:";

// The " Data: " group as lines, in the current language (the dialog's section of its language
// file): "Aantal waarnemingsposten in project: N", "Totaal aantal registraties in project: N",
// then "<name> (<letter>): N" for each vehicle type in the order a, l, m, z, b, o, u, r.
std::vector<std::string> ProjectOverzichtRegels(const Context& ctx);

// The editable fields of the dialog with their modified marks.
struct RProjectgegevensVelden {
  std::string Omschrijving;    // Edit2
  std::string Rapporttekst1;   // Edit3
  std::string Rapporttekst2;   // Edit4
  std::string Interval;        // Edit1, as text
  std::string Wildcard;        // Edit5
  std::string GemistKenteken;  // Edit6

  bool OmschrijvingGewijzigd = false;
  bool Rapporttekst1Gewijzigd = false;
  bool Rapporttekst2Gewijzigd = false;
  bool WildcardGewijzigd = false;
  bool GemistKentekenGewijzigd = false;
  // Set when the up-down control changed the interval or a key was typed in its field.
  bool IntervalGewijzigd = false;
  // Set when the interval field itself was edited by typing.
  bool IntervalGetypt = false;
};

// The fields as the dialog opens: the project's values, nothing marked modified.
RProjectgegevensVelden ProjectgegevensVeldenVullen(const Project& project);

enum class SpeciaalKarakterVeld { Wildcard, GemistKenteken };

// The rule run on every change of the wildcard or the missed-plate field: a single space (or
// a control byte) becomes the field's default ("#" or "*"); when both fields then hold the
// same text, the warning "Beide karakters mogen niet hetzelfde zijn." is shown and the changed
// field goes back to its default - or, when the default is what the other field holds, to
// the text it held before the change, so the two never end up equal. Returns the text the
// changed field is to hold.
std::string SpeciaalKarakterControleren(Context& ctx, SpeciaalKarakterVeld veld, std::string_view nieuw,
                                        std::string_view ander, std::string_view vorige);

struct RProjectgegevensUitkomst {
  bool Opgeslagen = false;       // the fields were stored and the project marked changed
  bool InvoertijdLegen = false;  // the entry window's time field is to be emptied
};

// "&OK": when any field is marked modified, stores description and report texts (cut to 250
// bytes, line breaks made spaces), the interval, and the first character of each special
// field (an empty field stores an empty value), marks the project changed and asks for menu
// code 11. Nothing is marked modified: nothing is stored.
// Bad input changes nothing: an interval that is not a whole number gives the program's
// general error message; two equal special characters give the warning above. An interval
// outside 1..30000 is taken as the up-down control reports it, brought within that range.
RProjectgegevensUitkomst ProjectgegevensToepassen(Context& ctx, const RProjectgegevensVelden& velden);

}  // namespace morvask
