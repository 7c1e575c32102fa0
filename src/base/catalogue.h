#pragma once
// The catalogue of translatable texts: every message, question heading, button caption,
// report title and default project name, by its seven-character key ("AA00035", "ZB00020").
// Texts are Windows-1252 bytes; a CR byte is a line break of the message dialogs.

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace morvask {

struct CatalogusStandaard {
  const char* sleutel;
  const char* tekst;
};

// The Dutch defaults, in key order (ZB00011..ZB00022, AA00002..AA00195 without AA00182).
const std::vector<CatalogusStandaard>& CatalogusStandaarden();

// Fills the placeholders of a text: each "%s" in order with the next argument (missing
// arguments give an empty text), "%%" becomes "%". Other characters stay as they are.
std::string TekstVullen(std::string_view patroon, std::initializer_list<std::string_view> waarden);

class Catalogus {
 public:
  // A catalogue with every entry at its Dutch default.
  Catalogus();

  // Sets every entry to its Dutch default again.
  void InstellenDynamischeTekstenBasis();

  // The entry's text; an unknown key yields an empty text.
  const std::string& operator[](std::string_view sleutel) const;
  // The entry's text with its placeholders filled.
  std::string Vul(std::string_view sleutel, std::initializer_list<std::string_view> waarden) const;

  // Replaces an entry; returns false (and changes nothing) for a key outside the catalogue.
  bool Zet(std::string_view sleutel, std::string tekst);
  bool Bestaat(std::string_view sleutel) const;

  // All keys in catalogue order.
  std::vector<std::string> Sleutels() const;

 private:
  std::map<std::string, std::string, std::less<>> teksten_;
};

// The texts the program keeps outside the catalogue. Four are the same in every language;
// the others depend on whether the current language is the built-in "Nederlands".
struct VasteTeksten {
  std::string BestandNietGevonden;  // "File not found: \"%s\""
  std::string MapNietGevonden;      // "Folder not found: \"%s\""
  std::string HerstartVoorTaal;     // the restart notice after choosing "Nederlands"
  std::string BuildRegel;           // "Build: %s"
  std::string NieuwProjectNaam;     // "Nieuw" / "New"
  std::string LeesMijBestand;       // "LeesMij.txt" / "ReadMe.txt"
  std::string VersieRegel;          // "Versie %s" / "Version %s"
};

inline constexpr const char* IngebouwdeTaal = "Nederlands";

VasteTeksten VasteTekstenInstellen(std::string_view huidigeTaal);

}  // namespace morvask
