#pragma once
// Intensities: per selected observation post and per time interval the number of registered
// vehicles of the chosen types (selection type 1), or of the registrations with a missed
// plate or missed characters (selection type 2), as a table in a report.
//
// The window "Intensiteiten" is a value here: its fields, the rules that act as the user
// types, its presets, and the report it makes. The posts to report are the posts whose
// selection mark (Geselecteerd) is set.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/report.h"
#include "reports/vehicle_type_line.h"

namespace morvask {

struct Context;
struct Project;
struct RProgrammaInstellingen;

// The fields of the intensities window. They keep their values from one opening to the next.
struct RIntensiteitenVenster {
  std::string Vanaf;                                    // "&Vanaf:", hhmm
  std::string Tot;                                      // "&Tot:", hhmm
  std::string Interval;                                 // "&Interval:", minutes
  int Selectietype = 1;                                 // "Selectietype &1" or "Selectietype &2"
  Voertuigtypekeuze Voertuigtypen = AlleVoertuigtypen;  // selection type 1
  bool GemisteKentekensMeetellen = true;                // selection type 1
  bool GemisteKentekens = true;                         // selection type 2
  bool GemisteKarakters = true;                         // selection type 2, "Kentekens met gemiste &karakters"
};

// Opening the window: an empty interval field gets the settings' IntensiteitenInterval, and
// an empty from field the "&Maximale tijden" rule.
void IntensiteitenVensterOpenen(RIntensiteitenVenster& venster, const Project& project,
                                const RProgrammaInstellingen& instellingen);

// The interval field as the user types it: a value of 0 or less, 2360 or more, or no whole
// number at all is replaced at once by IntensiteitenInterval.
void IntervalInvoeren(RIntensiteitenVenster& venster, std::string_view tekst,
                      const RProgrammaInstellingen& instellingen);
// The time fields as the user types them: a whole number is rewritten with four digits and
// normalised ("860" becomes "0900", "2400" becomes "2359"); other text stays as typed.
void VanafInvoeren(RIntensiteitenVenster& venster, std::string_view tekst);
void TotInvoeren(RIntensiteitenVenster& venster, std::string_view tekst);

// The interval field in minutes (IntensiteitenInterval when it holds no valid interval).
int IntervalMinuten(const RIntensiteitenVenster& venster, const RProgrammaInstellingen& instellingen);

// "&Maximale tijden": from = the earliest registration time, until = the latest time plus
// the interval, normalised.
void MaximaleTijden(RIntensiteitenVenster& venster, const Project& project, const RProgrammaInstellingen& instellingen);
// "Automatisch &15/&30/&60 minuten interval": the interval, from the earliest time rounded
// down and until the latest time rounded up to the interval (minutes 0-14 of a 15-minute
// preset become 15, 45-59 the next hour), normalised. Other minute counts change nothing.
void AutomatischInterval(RIntensiteitenVenster& venster, const Project& project, int minuten);

// "Alles &selecteren" / "Alles &deselecteren": every post's selection mark set or cleared.
void AlleWaarnemingspostenSelecteren(Project& project, bool geselecteerd);

// The hhmm offset of an interval: the minutes, plus 40 when more than 59 (90 gives 130).
int Intervalverschuiving(int minuten);

// "&Rapport": the report "Intensiteiten" (AA00069) with its table, S + 3 columns for S marked
// posts. Interval rows run from the from time while the start is before the until time, each
// [a, b) with b = a + offset, normalised; the rows end once a boundary stops advancing (at
// 2359). The "Totaal " row counts [from, until). A cancel in the progress window stops the
// rows after the row being counted and leaves the total row without counts; the report is
// made from the rows already counted. Its data: post, from, until, count, one row per post
// and interval row made (posts in list order, times as "07:15"), no total row.
//
// Empty, after the program's general error message, when the from or until field holds no
// whole number.
std::optional<Rapport> RapportIntensiteiten(Context& ctx, const RIntensiteitenVenster& venster);

}  // namespace morvask
