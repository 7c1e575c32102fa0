#pragma once
// The translation of windows from a language file and the writer of a template language
// file, over a plain description of a window and its named controls: a window exposes its
// controls as these records, takes the translated texts back, and needs nothing else.

#include <string>
#include <string_view>
#include <vector>

namespace morvask {

class Catalogus;
class Gebruikersinterface;
class Taalbestand;
struct Context;
struct VasteTeksten;

enum class SoortOnderdeel {
  Gewoon,       // a label, button, check box, group box, menu item, tool button, action...
  MeerRegelig,  // a multi-line text box: Regels are its lines
  Keuzegroep,   // a radio-button group: Regels are its items
  Keuzelijst,   // a drop-down list: Regels are its items
};

struct ROnderdeel {
  std::string Naam;  // the component name, "PostComboBox"
  SoortOnderdeel Soort = SoortOnderdeel::Gewoon;
  bool HeeftCaption = false;
  std::string Caption;
  bool HeeftHint = false;
  std::string Hint;
  std::vector<std::string> Regels;
};

struct RScherm {
  std::string Naam;                    // the window name, "HoofdForm": the section of the language file
  std::string Caption;                 // the window's title
  std::vector<ROnderdeel> Onderdelen;  // in the window's component order
};

// Components whose name begins with "nt" (letter case ignored) carry texts the program
// gives itself: they are never translated and never written to a template.
bool NietVertalen(std::string_view naam);

// Translates one window from its section: title, captions and hints that the file holds and
// are not empty, lines of multi-line boxes (also when empty), items of radio groups and
// drop-down lists when not empty. Texts without a key keep what they show; a translation
// never adds lines or items.
void VertaalScherm(RScherm& scherm, const Taalbestand& bestand);

// The windows that are translated, in this order.
const std::vector<std::string>& TeVertalenSchermen();

// The component names of the texts the program composes itself.
inline constexpr const char* OpInternetMenuNaam = "ntOpInternet1";     // HoofdForm's web-link menu item
inline constexpr const char* OpInternetKnopNaam = "ntOpInternetKnop";  // its tool button (hint)
inline constexpr const char* OpInternetSchermNaam = "OpInternetForm";  // the web-link window (title)
inline constexpr const char* LeesMijMenuNaam = "ntLeesMijtxt1";        // HoofdForm's read-me menu item

struct OverigeTeksten {
  std::string OpInternet;  // AA00181 with the organisation name
  std::string LeesMij;     // "&" + the read-me file name
};

// The texts the program composes itself, from the catalogue and the fixed texts; set into
// the windows of the list where they have these components.
OverigeTeksten UitvoerenOverigeVertaalprocedures(std::vector<RScherm>& schermen, const Catalogus& cat,
                                                 const VasteTeksten& vast, std::string_view organisatie);

// First the texts the program composes itself; then, when taal is not "Nederlands" and its
// language file exists, every window of TeVertalenSchermen found in the list (by name) is
// translated, in that order. Windows not in that list are left alone. True when a language
// file was applied.
bool VertaalSchermen(Context& ctx, std::vector<RScherm>& schermen, std::string_view taal, std::string_view organisatie);

// The entries of the template for the given windows, in order: one section per window.
std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> TaalsjabloonSecties(
    const std::vector<RScherm>& schermen);

// Writes the template language file from the texts the windows show now: existing keys are
// overwritten, every other line of an existing file stays, the section "Dynamic" is not
// written. The file keeps a UTF-8 byte-order mark when it had one (UTF-16 files become UTF-8
// with a mark); a new file is written in Windows-1252. On failure shows "Kan bestand \"%s\"
// niet opslaan. ..." and returns false.
bool SchrijfTaalsjabloon(const std::vector<RScherm>& schermen, const std::string& bestandsnaam, Gebruikersinterface& ui,
                         const Catalogus& cat);

}  // namespace morvask
