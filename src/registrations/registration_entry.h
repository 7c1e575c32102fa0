#pragma once
// Typing in registrations, one post at a time: the suggested times, the normalisation of a
// typed time, adding a line with its checks and messages, the reminders to save, and taking
// the collected lines into the project.
//
// The collected lines are registration lines (post 1-6, time 8-11, type 13, plate 15-20) the
// window holds in its list until it closes or the whole registration file is edited; the
// user may change them by hand, so they are taken in by column without checks.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/context.h"
#include "core/project.h"
#include "core/times.h"
#include "registrations/registration_editor.h"

namespace morvask {

// What the entry window keeps: the counter of the registrations added since it was opened,
// and, from one opening to the next, the time field with its list and the vehicle type.
struct RInvoerToestand {
  std::int32_t Invoerteller = 0;
  std::string Tijd;                         // the time field's text
  std::vector<std::string> Tijdsuggesties;  // the time field's list
  std::string Voertuigtype = "a";           // one of "almzbour"
};

// The suggested times for an interval in minutes: from 0000, adding the interval to the hhmm
// number and 40 when its last two digits reach 60, while the value stays at most 2359 (15
// gives 0000, 0015, ... 2345; 60 gives 0000, 0100, ... 2300). An interval below 1 gives only
// 0000.
std::vector<std::string> Tijdsuggesties(int waarnemingsinterval);

// What the window shows when it opens: the post codes in list order, the wildcard and missed-
// plate characters, and the vehicle-type captions "&a : " + name ... "&r : " + name.
struct RInvoerscherm {
  std::vector<std::string> Postcodes;
  std::string Wildcard;
  std::string GemistKenteken;
  std::array<std::string, 8> Voertuigtypeknoppen;
};
RInvoerscherm InvoerschermVullen(const Project& project);

// Opening the window: the counter starts at 0; an empty time field gets the suggested times
// of the project's interval and shows the first; otherwise the field and its list stay.
RInvoerToestand KentekensInvoeren(const Project& project, RInvoerToestand toestand);

// The description of the post whose code is chosen; empty when there is none.
std::string PostOmschrijving(const Project& project, std::string_view postcode);

enum class Invoeruitkomst {
  Toegevoegd,
  GeenPost,          // no post chosen: the information AA00050
  Onvolledig,        // time or plate empty: a beep
  OngeldigeTijd,     // the error AA00048; the window puts the focus on the time field first
  SpatieInKenteken,  // the error AA00049; the typed plate stays in the field
};

struct RInvoerresultaat {
  RInvoerToestand toestand;
  Invoeruitkomst uitkomst = Invoeruitkomst::Onvolledig;
  std::string regel;     // the line to append to the collected lines (when added)
  std::string kenteken;  // the plate field afterwards: emptied when added
};

// "R&egistratie toevoegen": checks the post, time and plate and builds the line post + time
// (normalised, four digits) + vehicle type + plate. A plate that starts with the missed-plate
// character becomes six of them. On success the project is marked changed and the counter
// goes up. After every attempt, whatever its outcome, a counter of exactly 500 or 750 brings
// the reminder AA00051. The focus goes back to the plate field in every case.
RInvoerresultaat RegistratieToevoegen(Context& ctx, RInvoerToestand toestand, std::string_view post,
                                      std::string_view tijd, std::string_view kenteken);

// Appends a registration for every non-empty collected line, cut by column, to the end of
// the registration list, and empties the lines. The caller shows the busy cursor meanwhile.
// Returns the number of registrations added.
int KentekensInRichEdit1NaarGeheugen(Context& ctx, std::vector<std::string>& regels);

// "&Sluiten": the lines are taken into the project, the main window re-evaluates the codes 11
// and 31.
void InvoerSluiten(Context& ctx, std::vector<std::string>& regels);

// "Gehele registratiesbestand &wijzigen...": the lines are taken into the project, the
// registrations written to the temporary file and loaded into the internal editor's text.
// Returns whether the window shows the internal editor (false when the file could not be
// written).
bool GeheleRegistratiesbestandWijzigen(Context& ctx, std::vector<std::string>& regels, REditortekst& editor);

}  // namespace morvask
