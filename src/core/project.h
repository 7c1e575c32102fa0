#pragma once
// The one open project: its data record, the observation posts, the travel-time table, the
// registrations, the notes, its file name and changed state.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/short_text.h"

namespace morvask {

class Catalogus;
class Gebruikersinterface;

inline constexpr const char* Bestandsversie = "320";  // written as the project file's FileVersion
inline constexpr int BestandsversieGetal = 320;
inline constexpr const char* VersieZonderVoertuigtypen = "200";  // legacy files without a type column
inline constexpr const char* Projectextensie = ".mpr";
inline constexpr const char* Matchextensie = ".mma";
// A project holds at most as many posts as there are post codes: a thousand numbers (000 to
// 999) times the four types.
inline constexpr std::size_t MaximumAantalPosten = 4000;

// The eight vehicle-type letters, always in this order.
inline constexpr std::string_view Voertuigtypen = "almzbour";

struct RProjectgegevens {
  std::string Projectomschrijving;
  bool ProjectgegevensbestandGewijzigd = false;
  std::string ProjectRapporttekst1;
  std::string ProjectRapporttekst2;
  int Waarnemingsinterval = 1;
  bool AantekeningenschermTonen = false;
  KorteTekst<1> WildcardKarakter = "#";
  KorteTekst<1> GemistKentekenKarakter = "*";
  std::string VehTypea, VehTypel, VehTypem, VehTypez, VehTypeb, VehTypeo, VehTypeu, VehTyper;

  // The name field of a vehicle-type letter (one of "almzbour"); nullptr for another letter.
  std::string* VoertuigtypeNaam(char letter);
  const std::string* VoertuigtypeNaam(char letter) const;
};

struct RWaarnemingspost {
  KorteTekst<6> Postcode;
  KorteTekst<100> Omschrijving;
  bool Geselecteerd = true;
};

struct RRegistratie {
  KorteTekst<6> Post;
  KorteTekst<4> Tijd;
  KorteTekst<1> Voertuigtype;
  KorteTekst<6> Kenteken;
  bool Gebruikt = false;
  bool Geprobeerd = false;

  RRegistratie() = default;
  RRegistratie(std::string_view post, std::string_view tijd, std::string_view type, std::string_view kenteken)
      : Post(post), Tijd(tijd), Voertuigtype(type), Kenteken(kenteken) {}

  // The registration line: post (1-6), time (8-11), type (13) and plate (from 15), joined by
  // single spaces; a short post, time or type is padded to its width.
  std::string Regel() const;
  // Appends the registration line to a text (the writers of large files build no line apart).
  void RegelToevoegenAan(std::string& uit) const;
  // Cut from a registration line at positions 1-6, 8-11, 13 and 15-20, without checks.
  static RRegistratie UitRegel(std::string_view regel);
};

struct Project {
  RProjectgegevens Gegevens;
  std::vector<RWaarnemingspost> Postlijst;      // ascending by Postcode at all times
  std::vector<std::string> Doorrijtijdentabel;  // one line per ordered pair of posts
  std::vector<RRegistratie> Registratielijst;   // in file order
  std::vector<std::string> Aantekeningen;       // the notes
  std::string Projectbestandsnaam;              // full path without extension

  // A line of the file read that began with "[**" outside the notes and was no section the
  // reader knows (or a section's second header): what belongs to it was not read, and a save
  // would lose it. Line 0: there was none.
  struct ROnherkendeKop {
    std::size_t Regelnummer = 0;
    std::string Regel;
  } OnherkendeKop;

  // Appends a post (the caller keeps the list sorted) or a registration (flags cleared).
  void PostToevoegen(std::string_view postcode, std::string_view omschrijving);
  void RegistratieToevoegen(std::string_view post, std::string_view tijd, std::string_view type,
                            std::string_view kenteken);

  // Resets to a new project: lists, table and notes emptied, the untitled name, every field
  // of the data record at its new-project value (texts from the catalogue, the report text 2
  // the given date "dd-mm-yyyy"), the changed flag cleared.
  void NieuwProject(const Catalogus& catalogus, std::string_view naamloos, std::string_view datum);

  // Sets the changed flag and asks the main window to re-evaluate the save command.
  void MarkeerGewijzigd(Gebruikersinterface& ui);
};

// Today's date as "dd-mm-yyyy".
std::string VandaagTekst();

}  // namespace morvask
