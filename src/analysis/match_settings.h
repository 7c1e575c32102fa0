#pragma once
// The settings of the comparison window "Kentekenvergelijking" as one value, with the rules
// of the window that need no window: the defaults at its opening, "&Maximale tijden", the
// normalisation of a typed time, the pairing of the character positions and the name of the
// match file. The matching run takes this value as it is when "&Opslaan" is pressed.

#include <array>
#include <string>
#include <string_view>

#include "core/times.h"

namespace morvask {

struct Project;

struct RMatchInstellingen {
  std::string Bestandsnaam;  // "Kentekenvergelijking opslaan in &bestand:", the match file
  std::string Omschrijving;  // "Om&schrijving:", FileDescription
  std::string Vanaf;         // "&Vanaf:" as typed, hhmm, inclusive
  std::string Tot;           // "&Tot:" as typed, hhmm, exclusive for matching
  // "Correctie onderwaardering &doorgaand verkeer bij voor- en/of naloopperiode.": whether it
  // is checked, and whether it is enabled (greyed after "&Maximale tijden"). The comparison and
  // the match file follow the checked state; a greyed option only skips the removal of the
  // registrations outside the period before matching.
  bool PeriodeCorrectie = true;
  bool PeriodeCorrectieIngeschakeld = true;
  bool TussenpostenNegeren = false;  // "&Tussenposten buiten beschouwing laten"
  bool BlokkadesControleren = true;  // "Controleren op &blokkades met eerste waarnemingspost in route"
  // "Vergelijken met gemiste karakters (&wildcard = %s)": checked, and enabled only when a
  // plate holds the wildcard character.
  bool MetWildcards = true;
  bool WildcardsIngeschakeld = true;
  int AantalVerwisseld = 0;               // changed-characters maximum: 0, 2, 4 or 6
  int AantalVerschillend = 0;             // different-characters maximum: 0..6
  bool GeenHoofdletterverschil = true;    // "Geen verschil tussen grote en kleine karakters (&case) in kenteken."
  bool GemisteKentekensToevoegen = true;  // "Ge&miste kentekens toevoegen bij herkomst- en bestemmingsverkeer."
  std::array<bool, 6> Posities{true, true, true, true, true, true};  // "Kentekens vergelijken op de &karakters:"
  int AantalKarakters = 6;      // the selected count, kept by AantalKaraktersTellen
  bool Iteratief = true;        // "Iteratie&f"
  bool Geluidsignaal = false;   // "&Geluidsignaal na vergelijking"
  bool RekentijdTonen = false;  // "R&ekentijd tonen na vergelijking" (the front end opens the window)
};

// The proposed match file: the project's file name with ".mma".
std::string StandaardMatchbestandsnaam(const Project& project);
// A name chosen in the save dialog: ".mma" is appended unless the name already ends in it
// (letter case ignored).
std::string MatchbestandsnaamUitDialoog(std::string_view gekozen);

// "&Maximale tijden": from = the earliest registration time, until = the latest plus the
// observation interval, normalised; the period-correction option is greyed (not cleared).
void MaximaleTijden(RMatchInstellingen& instellingen, const Project& project);

// The user edits a time field: the text is normalised and the period-correction option is
// enabled again.
void VanafBewerkt(RMatchInstellingen& instellingen, std::string_view tekst);
void TotBewerkt(RMatchInstellingen& instellingen, std::string_view tekst);

// Pairs the position flags (2 follows 1, 4 follows 3, 6 follows 5), counts the selected
// positions into AantalKarakters and lowers both maxima to that count where they exceed it.
// Returns the count.
int AantalKaraktersTellen(RMatchInstellingen& instellingen);

// True when at least one registration's plate holds the project's wildcard character.
bool WildcardInKentekens(const Project& project);

// What the window does when it opens: an empty file field gets the proposed name, an empty
// from field gets "&Maximale tijden", the positions are paired and counted, and the wildcard
// option is enabled only when a plate holds the wildcard character (otherwise greyed and off).
void MatchInstellingenVoorbereiden(RMatchInstellingen& instellingen, const Project& project);

// When another project is opened or a new one made: the file, from and until fields are
// emptied, so they take their defaults again at the next opening.
void MatchInstellingenProjectVervangen(RMatchInstellingen& instellingen);

}  // namespace morvask
