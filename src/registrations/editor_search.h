#pragma once
// The search state of the internal editor, kept for the whole run and shared by all its
// searches, and the rules by which the search and replace dialogs read and change it. The
// search itself is run by the editor control with the options passed here.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/context.h"

namespace morvask {

inline constexpr std::size_t ZoekgeschiedenisLengte = 10;

struct RZoekopties {
  bool Achteruit = false;
  bool Hoofdlettergevoelig = false;
  bool VanafCursor = false;
  bool AlleenSelectie = false;
  bool HeleWoorden = false;
  bool RegulierOpdracht = false;  // a regular expression
};

struct RZoekstatus {
  std::string Zoektekst;
  std::string Vervangtekst;
  std::vector<std::string> Zoekgeschiedenis;     // most recent first
  std::vector<std::string> Vervanggeschiedenis;  // most recent first
  RZoekopties Opties;
};

// Puts the text at the top of a history: an equal entry further down is removed, the
// history holds at most ten entries. An empty text is not remembered.
void GeschiedenisBijwerken(std::vector<std::string>& geschiedenis, const std::string& tekst);

// What the search or the replace dialog shows and returns: filled from the search state when
// it opens, read back when it is confirmed.
struct RZoekdialoog {
  std::string Zoektekst;
  std::vector<std::string> Zoekgeschiedenis;
  std::string Vervangtekst;                      // the replace dialog only
  std::vector<std::string> Vervanggeschiedenis;  // the replace dialog only
  RZoekopties Opties;
};

RZoekdialoog ZoekdialoogVullen(const RZoekstatus& status);

// One search run as the editor control performs it.
struct RZoekopdracht {
  std::string Zoektekst;
  std::string Vervangtekst;
  bool Vervangen = false;  // replace every match, asking for each
  bool Achteruit = false;
  bool Hoofdlettergevoelig = false;
  bool HeleWoorden = false;
  bool AlleenSelectie = false;
  bool GeheleTekst = false;  // search the entire text (the search-from-caret flag is off)
  bool RegulierOpdracht = false;
};

struct RZoekbevestiging {
  RZoekstatus status;
  bool vanafCursor = true;                // the editor's search-from-caret flag afterwards
  std::optional<RZoekopdracht> opdracht;  // the search to run now, if any
};

// A search or replace dialog confirmed: its options, texts and histories become the search
// state, the confirmed texts move to the top of their histories; the search runs (with the
// dialog's direction and from-caret choice) when the search text is not empty; afterwards the
// editor's search-from-caret flag is set, so F3 and Shift+F3 continue from the caret.
RZoekbevestiging ZoekdialoogBevestigd(RZoekstatus status, const RZoekdialoog& dialoog, bool vervangen);

// F3 (forwards) and Shift+F3 (backwards): a search with the last search text and options;
// empty when there is no search text yet.
std::optional<RZoekopdracht> ZoekVolgende(const RZoekstatus& status, bool vanafCursor, bool achteruit);

enum class Vervangactie {
  Overslaan,  // the search and replacement texts are equal: skipped without asking, nothing changes
  Vragen,     // "Confirm replace" asks (unless "Yes to &all" was chosen in this run)
};
Vervangactie VervangenBijTreffer(const RZoekopdracht& opdracht);
// The text of the confirmation "Confirm replace": "Replace this occurence of \"%s\"?".
std::string VervangVraagtekst(std::string_view zoektekst);

// Nothing found: the information "Tekst niet gevonden." (AA00044). The editor then collapses
// its selection to the start (backwards) or the end (forwards) and puts the caret there.
void TekstNietGevonden(Context& ctx);

}  // namespace morvask
