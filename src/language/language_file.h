#pragma once
// Language files (".lng"): one section per window plus the section "Dynamic" for the text
// catalogue. The file is read whole; a UTF-8 or UTF-16 byte-order mark selects that
// encoding, otherwise the bytes are Windows-1252 as they are. Every line is trimmed; empty
// lines and lines beginning with ";" are comments; "[name]" opens a section; "key=value"
// is an entry; section names and keys are compared without regard to letter case and the
// first of two equal keys counts. Values are written between double quotes: when a value is
// used its first and last character are removed without looking at them.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace morvask {

class Catalogus;
struct Context;

inline constexpr const char* TaalbestandExtensie = ".lng";
inline constexpr const char* HelpbestandExtensie = ".html";
inline constexpr const char* DynamischeSectie = "Dynamic";

// The content of a language file in Windows-1252, its byte-order mark (if any) removed.
enum class TaalbestandCodering { Win1252, Utf8, Utf16LE, Utf16BE };
std::string TaalbestandNaarWin1252(std::string_view bytes, TaalbestandCodering* codering = nullptr);

// The lines of a language file's text: a line ends at CR LF, LF or a lone CR.
std::vector<std::string> TaalbestandRegels(std::string_view tekst);

// The first and the last character removed, whatever they are; "" and a single character
// give the empty text.
std::string ZonderAanhalingstekens(std::string_view waarde);

class Taalbestand {
 public:
  struct Sectie {
    std::string naam;
    std::vector<std::pair<std::string, std::string>> regels;  // key, value (quotes still on)
  };

  // Parses the content of a language file (raw bytes, byte-order mark detected).
  static Taalbestand Ontleden(std::string_view bytes);

  // The value of the key as written (quotes still on), or nothing when it is absent.
  std::optional<std::string> Waarde(std::string_view sectie, std::string_view sleutel) const;
  // The value of the key, or the fallback when it is absent.
  std::string LeesTekst(std::string_view sectie, std::string_view sleutel, std::string_view standaard) const;

  bool HeeftSectie(std::string_view sectie) const;
  const std::vector<Sectie>& Secties() const { return secties_; }
  TaalbestandCodering Codering() const { return codering_; }

 private:
  std::optional<std::size_t> Zoek(std::string_view sectie) const;

  std::vector<Sectie> secties_;
  // Sections and, per section, keys by their lower-case form.
  std::unordered_map<std::string, std::size_t> sectieIndex_;
  std::vector<std::unordered_map<std::string, std::size_t>> sleutelIndex_;
  TaalbestandCodering codering_ = TaalbestandCodering::Win1252;
};

// The folders of the language files and the help files: program folder + "Lng/" and "Hlp/".
std::string TaalMap(const std::string& programmaMap);
std::string HelpMap(const std::string& programmaMap);

// The parsed file, or nothing when it does not exist or cannot be read.
std::optional<Taalbestand> TaalbestandLezen(const std::string& bestandsnaam);
// The language file Lng/<taal>.lng below the program folder, or nothing.
std::optional<Taalbestand> OpenTaalbestand(const std::string& programmaMap, std::string_view taal);

// Every two-character sequence \n replaced by CR LF, scanning from left to right.
std::string RegeleindenInvullen(std::string_view tekst);

// Replaces every catalogue entry that the section "Dynamic" holds; \n in a value becomes
// CR LF, "" makes the entry empty; absent keys keep their present text. Keys of the file
// that are not in the catalogue (AA00001, AA00182, the family ZC) are ignored.
void DynamischeTekstenLezenUitIni(Catalogus& catalogus, const Taalbestand& bestand);

// Makes taal the language of the texts: back to "Nederlands" when that is chosen; then, when
// the language file of taal exists, taal becomes the current language and the catalogue is
// read from the file. True when a file was read.
bool StelTaalInScreentext(Context& ctx, std::string_view taal);

// Makes taal the help language; returns the help file, Hlp/<taal>.html below the program
// folder. The file stays where it is: it is read in place.
std::string StelTaalInHelp(Context& ctx, std::string_view taal);

}  // namespace morvask
